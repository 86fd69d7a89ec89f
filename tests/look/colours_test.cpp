#include "about/fquant.h"
#include "calculator/ftarvi.h"
#include "filedialog/dftxs.h"
#include "filedialog/triaftx.h"
#include "tools/ftools.h"

#include "testkit/fakes.h"
#include "testkit/workdir.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

using namespace tarvi;

namespace {

// Every window of the program as it first appears, and its menus open.
class Windows : public ::testing::Test {
protected:
    using Shots = std::map<std::string, QImage>;

    Shots shots()
    {
        Shots taken;
        FTarvi calculator(services);
        taken["calculator"] = calculator.grab().toImage();
        auto* const coefficients = calculator.findChild<QComboBox*>("LstC");
        coefficients->addItems({"1", "2", "1"});
        coefficients->showPopup();
        taken["drop-down list"] = coefficients->view()->window()->grab().toImage();
        coefficients->hidePopup();
        for (QMenu* menu : calculator.menuBar()->findChildren<QMenu*>())
            taken["menu " + menu->title().toStdString()] = menu->grab().toImage();
        DFtxs dialog;
        dialog.load(services);
        taken["file dialog"] = dialog.grab().toImage();
        FTools editor({services, TriaFtx, QString()});
        taken["tools editor"] = editor.grab().toImage();
        FQuant about;
        taken["about"] = about.grab().toImage();
        return taken;
    }

    void TearDown() override { QApplication::setPalette(QPalette()); }

    testkit::TempWorkDir work;
    testkit::FakeMessages messages;
    testkit::FakeStarter starter;
    platform::Services services{messages, starter, work.folder()};
};

} // namespace

// The windows paint light backgrounds of their own: a dark desktop palette,
// set before they are made or while they are open, changes no pixel of them.
TEST_F(Windows, LookTheSameUnderADarkDesktopPalette)
{
    const Shots light = shots();
    FTarvi open(services);
    const QImage openBefore = open.grab().toImage();

    // A desktop's dark theme: light text on dark windows and boxes.
    const QColor text(240, 240, 240), grey(50, 50, 50);
    QApplication::setPalette(QPalette(text, grey, grey, grey, grey, text, text, QColor(36, 36, 36), grey));
    QApplication::processEvents(); // the open windows hear of it
    ASSERT_EQ(QApplication::palette().color(QPalette::Window), QColor(50, 50, 50));
    const Shots dark = shots();
    ASSERT_EQ(dark.size(), light.size());
    for (const auto& [name, image] : light)
        EXPECT_TRUE(dark.at(name) == image) << name;
    EXPECT_TRUE(open.grab().toImage() == openBefore) << "a window open while the palette changes";
}
