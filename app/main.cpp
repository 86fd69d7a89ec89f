// Tarvi: starts the calculator's main window with the system's services.

#include "about/programicon.h"
#include "about/version.h"
#include "calculator/ftarvi.h"
#include "platform/systemstart.h"
#include "platform/translations.h"
#include "platform/widgets/fonts.h"
#include "platform/widgets/qtmessages.h"
#include "platform/workfolder.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <functional>

namespace {

// Runs an action once the widget has been painted for the first time, after
// that paint has reached the screen.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* widget, std::function<void()> action)
        : QObject(widget), action_(std::move(action))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            // The window's paint and the flush to the screen end before the
            // event loop takes up the timer.
            QTimer::singleShot(0, std::move(action_));
            deleteLater();
            parent()->removeEventFilter(this);
        }
        return false;
    }

private:
    std::function<void()> action_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(tarvi::version::kAppTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(tarvi::version::kText));
    // Qt's own texts, such as the buttons of message boxes, in the desktop's
    // language; the program's own texts stay as they are.
    QTranslator qtTexts;
    if (tarvi::platform::loadQtTranslations(qtTexts, QLocale::system()))
        QApplication::installTranslator(&qtTexts);
    tarvi::platform::installFontSubstitutions();

    tarvi::platform::QtMessageService messages;
    const tarvi::platform::WorkFolder folder =
        tarvi::platform::openWorkFolder(QApplication::applicationDirPath(), messages);
    tarvi::platform::SystemStarter starter(folder, messages);
    tarvi::FTarvi window({messages, starter, folder});
    // Drawing the icon from its SVG takes milliseconds, and done before the
    // window's first paint it would hold that paint up: it waits until the
    // window is on the screen. Every window of the program carries it from
    // then on.
    new AfterFirstPaint(&window, [] { QApplication::setWindowIcon(tarvi::programIcon()); });
    window.show();
    return QApplication::exec();
}
