#pragma once

#include <QString>

namespace tarvi::platform {

// How a started program's window should appear. Desktops on Linux do not let a
// caller impose it, so the program-start service records it and goes on.
enum class WindowStyle { Hidden = 0, NormalFocus = 1, MinimizedFocus = 2 };

// Starts a program from a command line without waiting for it. Returns false
// when the program could not be started.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual bool start(const QString& commandLine, WindowStyle style) = 0;
};

} // namespace tarvi::platform
