#pragma once

#include "platform/messages.h"

namespace tarvi::platform {

// Message boxes shown with QMessageBox, modal to the active window.
class QtMessageService final : public MessageService {
public:
    MessageAnswer show(const QString& title, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override;
};

} // namespace tarvi::platform
