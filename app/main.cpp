// Tarvi: starts the calculator's main window with the system's services.

#include "calculator/ftarvi.h"
#include "platform/fonts.h"
#include "platform/qtmessages.h"
#include "platform/systemstart.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tarvi::platform::installFontSubstitutions();

    tarvi::platform::QtMessageService messages;
    tarvi::platform::SystemStarter starter;
    tarvi::FTarvi window({messages, starter});
    window.show();
    return QApplication::exec();
}
