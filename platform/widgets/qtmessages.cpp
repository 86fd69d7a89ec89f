#include "platform/widgets/qtmessages.h"

#include "engine/plaintext.h"
#include "platform/qttext.h"

#include <QApplication>
#include <QMessageBox>

namespace tarvi::platform {

MessageAnswer QtMessageService::show(const QString& title, const QString& text, MessageIcon icon,
                                     MessageButtons buttons)
{
    QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, title,
                    toQt(withLineFeeds(text.toStdString())),
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace tarvi::platform
