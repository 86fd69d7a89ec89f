#include "platform/widgets/look.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>

namespace tarvi::look {

namespace {

const QColor kInputBackground(255, 255, 225);

// Light greys, black text on white boxes, blue links: the colours the windows
// were drawn with (those of Qt's own light style). Every role of every group
// is marked as set, so that nothing of the desktop's palette shows through.
QPalette lightPalette()
{
    const QColor window(239, 239, 239);
    const QColor dark = window.darker(150);
    const QColor mid = window.darker(130);
    const QColor shadow = dark.darker(135);
    const QColor disabledText(190, 190, 190);
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);

    QPalette colours(Qt::black, window, window.lighter(150), dark, mid, Qt::black, Qt::white);
    colours.setBrush(QPalette::Midlight, mid.lighter(110));
    colours.setBrush(QPalette::Button, window);
    colours.setBrush(QPalette::Shadow, shadow);
    colours.setBrush(QPalette::HighlightedText, Qt::white);
    colours.setBrush(QPalette::Highlight, QColor(48, 140, 198));
    colours.setBrush(QPalette::PlaceholderText, placeholder);
    colours.setBrush(QPalette::Disabled, QPalette::Text, disabledText);
    colours.setBrush(QPalette::Disabled, QPalette::WindowText, disabledText);
    colours.setBrush(QPalette::Disabled, QPalette::ButtonText, disabledText);
    colours.setBrush(QPalette::Disabled, QPalette::Base, window);
    colours.setBrush(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    colours.setBrush(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    colours.setBrush(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            colours.setBrush(g, r, colours.brush(g, r));
        }
    }
    return colours;
}

// Marks the windows that keep the program's colours.
constexpr char kKeepsColours[] = "tarviKeepsColours";

bool keepsColours(const QWidget* widget)
{
    for (; widget != nullptr; widget = widget->parentWidget())
        if (widget->property(kKeepsColours).toBool())
            return true;
    return false;
}

// Menus and drop-down lists are windows of their own, which take nothing from
// the widget that opens them: Qt gives them the desktop's menu colours, some
// are made only when they are needed (the menu bar's overflow, a box's context
// menu), and a drop-down list takes the menu colours again whenever the
// palette changes. Each gets the program's colours, with everything in it, as
// it is readied and as it is shown.
class PopupColours final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish || event->type() == QEvent::Show) {
            auto* popup = qobject_cast<QWidget*>(watched);
            if (popup != nullptr && popup->windowType() == Qt::Popup && keepsColours(popup->parentWidget())) {
                // A drop-down list draws its entries in the menu colours
                // wherever its own palette does not name a colour itself.
                popup->setPalette(palette());
                for (QWidget* inside : popup->findChildren<QWidget*>())
                    inside->setPalette(palette());
            }
        }
        return false;
    }
};

} // namespace

const QPalette& palette()
{
    static const QPalette colours = lightPalette();
    return colours;
}

void keepColours(QWidget* window)
{
    // One filter for the application, which takes it along when it ends.
    static QPointer<PopupColours> popups;
    if (popups.isNull()) {
        popups = new PopupColours(qApp);
        qApp->installEventFilter(popups);
    }
    window->setProperty(kKeepsColours, true);
    window->setPalette(palette());
    for (QMenu* menu : window->findChildren<QMenu*>())
        menu->setPalette(palette());
}

QIcon buttonIcon(const QIcon& picture, const QSize& size, qreal devicePixelRatio)
{
    QStyleOption option;
    option.palette = palette();
    QIcon icon;
    for (const qreal ratio : {1.0, devicePixelRatio}) {
        const QPixmap normal = picture.pixmap(size, ratio);
        icon.addPixmap(normal, QIcon::Normal);
        icon.addPixmap(QApplication::style()->generatedIconPixmap(QIcon::Disabled, normal, &option),
                       QIcon::Disabled);
    }
    return icon;
}

void inputBox(QWidget* box)
{
    // Only the background is the box's own; the rest comes from its window.
    QPalette colours;
    colours.setColor(QPalette::Base, kInputBackground);
    box->setPalette(colours);
}

QFont titleFont(QFont font)
{
    font.setBold(true);
    return font;
}

void title(QLabel* label)
{
    label->setFont(titleFont(label->font()));
    label->setForegroundRole(QPalette::Link);
}

void paintGradient(QPainter& painter, const QRect& area, const Gradient& gradient)
{
    QLinearGradient fill(0, area.top(), 0, area.bottom() + 1);
    fill.setColorAt(0, QColor::fromRgb(gradient.top));
    fill.setColorAt(1, QColor::fromRgb(gradient.bottom));
    painter.fillRect(area, fill);
}

} // namespace tarvi::look
