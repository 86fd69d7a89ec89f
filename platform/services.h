#pragma once

#include "platform/messages.h"
#include "platform/programstart.h"

namespace tarvi::platform {

// The services that windows use to reach the system, handed down from main()
// (or from a test, with recording fakes).
struct Services {
    MessageService& messages;
    ProgramStarter& starter;
};

} // namespace tarvi::platform
