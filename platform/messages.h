#pragma once

#include <QString>

namespace tarvi::platform {

enum class MessageIcon { None, Exclamation };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Every message box of the program goes through this service, so that tests can
// record the boxes and answer them as scripted.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const QString& title, const QString& text, MessageIcon icon,
                               MessageButtons buttons) = 0;
};

} // namespace tarvi::platform
