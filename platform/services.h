#pragma once

#include "platform/messages.h"
#include "platform/programstart.h"
#include "platform/workfolder.h"

namespace tarvi::platform {

// The services that windows use to reach the system, handed down from main()
// (or from a test, with recording fakes), and the folder the program works in.
struct Services {
    MessageService& messages;
    ProgramStarter& starter;
    const WorkFolder& folder;
};

} // namespace tarvi::platform
