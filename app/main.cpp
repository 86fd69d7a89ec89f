// Tarvi: starts the calculator's main window with the system's services.

#include "about/programicon.h"
#include "about/version.h"
#include "calculator/ftarvi.h"
#include "platform/systemstart.h"
#include "platform/widgets/fonts.h"
#include "platform/widgets/qtmessages.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(tarvi::version::kAppTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(tarvi::version::kText));
    tarvi::platform::installFontSubstitutions();

    tarvi::platform::QtMessageService messages;
    tarvi::platform::SystemStarter starter;
    tarvi::FTarvi window({messages, starter});
    window.show();
    // Drawing the icon from its SVG can wait until the window is up; every
    // window of the program carries it from then on.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(tarvi::programIcon()); });
    return QApplication::exec();
}
