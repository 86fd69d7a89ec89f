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
#include <QLocale>
#include <QTimer>
#include <QTranslator>

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
    tarvi::platform::SystemStarter starter(folder);
    tarvi::FTarvi window({messages, starter, folder});
    window.show();
    // Drawing the icon from its SVG can wait until the window is up; every
    // window of the program carries it from then on.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(tarvi::programIcon()); });
    return QApplication::exec();
}
