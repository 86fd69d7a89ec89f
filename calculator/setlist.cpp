// The set list beside the panels: double-clicking a small count widens the
// window and lists what was counted; double-clicking the list hides it.

#include "calculator/ftarvi.h"
#include "counting/enumeration.h"
#include "engine/plaintext.h"
#include "platform/qttext.h"
#include "platform/textnumber.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>
#include <optional>

namespace tarvi {

namespace {

// Window width while the set list shows, in twips.
constexpr float kWidthWithSetList = 10300;

// Runs an action on every double-click that a widget receives, and lets the
// widget handle the click as usual.
class DoubleClicks : public QObject {
public:
    DoubleClicks(QWidget* widget, std::function<void()> action) : QObject(widget), action_(std::move(action))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick)
            action_();
        return false;
    }

private:
    std::function<void()> action_;
};

} // namespace

void FTarvi::connectSetList()
{
    for (int kind = 0; kind < kKinds; ++kind)
        new DoubleClicks(IdRes[kind], [this, kind] { IdRes_DblClick(kind); });
    // The text area of the list, which is what the mouse reaches.
    new DoubleClicks(IdConjs->viewport(), [this] { IdConjs_DblClick(); });
}

void FTarvi::IdRes_DblClick(int kind)
{
    // An empty box or one that is not a 16-bit whole number counts as too large.
    const std::optional<std::int16_t> count =
        parseWhole16(IdRes[kind]->text().toStdString(), platform::systemSeparators());
    if (!count || *count > kMostListed)
        return;
    MostraConjs(static_cast<std::int16_t>(kind));
}

void FTarvi::MostraConjs(std::int16_t kind)
{
    // The listing is built from the inputs as they stand, which are checked
    // and counted again: a list that no longer matches its count, or a case
    // the letters cannot name, leaves the window as it is.
    const Listing listing =
        listingFor(static_cast<FormulaKind>(kind), panelInputs(kind), platform::systemSeparators());
    if (listing.status != Listing::Status::Listed)
        return;
    IdConjs->setPlainText(platform::toQt(withLineFeeds(listing.text)));
    setWindowWidth(kWidthWithSetList);
}

void FTarvi::IdConjs_DblClick() { setWindowWidth(AmpladaInicial); }

} // namespace tarvi
