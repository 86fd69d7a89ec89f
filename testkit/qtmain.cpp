// main() of every test program: an offscreen QApplication, so that window tests
// can create real widgets, and a guard against real message boxes, which would
// block a test run that no one is there to answer. The user's settings are
// kept in a folder of the run's own, so a test neither reads nor changes the
// real ones.

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class MessageBoxGuard : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                ADD_FAILURE() << "a real message box opened: " << box->windowTitle().toStdString() << " / "
                              << box->text().toStdString();
                QTimer::singleShot(0, box, &QMessageBox::reject);
            }
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    MessageBoxGuard guard;
    app.installEventFilter(&guard);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
