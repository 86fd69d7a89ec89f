#pragma once

#include "platform/files.h"
#include "platform/services.h"
#include "platform/workfolder.h"

#include <QString>

#include <array>
#include <cstdint>

namespace tarvi {

// One outside program of the user's list. Every field may be empty except the
// title: an empty title line ends the stored list.
struct ToolEntry {
    QString Title;
    QString File;
    QString WorkDir;
    QString Params;

    bool operator==(const ToolEntry&) const = default;
};

// Twelve slots, twelve menu entries: the limit of the whole tool list.
inline constexpr std::int16_t kMaxTools = 12;

// The list in memory, shared by the launcher and the editor for the whole run.
// Slots 1 ... NumTools hold the tools in menu order; slot 0 is the buffer each
// record is read into before it is copied to its slot.
extern std::array<ToolEntry, kMaxTools + 1> Tools;
extern std::int16_t NumTools;
// The slot shown in the editor's boxes; 0 while they hold a new entry.
extern std::int16_t ToolActual;

// The stored list and the launch file, both in the working folder.
inline constexpr const char* kToolsFile = "Tools.rel";
inline constexpr const char* kLaunchFile = "temp.bat";

// Reads Tools.rel into the list. True when the file was read whole; false when
// it cannot be read or holds more than twelve tools, with NumTools at 0.
bool LlegeixTools(const platform::WorkFolder& folder);

// Writes the whole list to Tools.rel: four lines a tool and one empty line to
// end it. The old file is replaced only once the new one is complete; on
// failure it stays as it was, and the result says what went wrong.
platform::FsResult DesaTools(const platform::WorkFolder& folder);

// The tool entries ITool(1 ... 12) of a window's menu. Each call returns false
// when the window has no such entry.
class ToolMenu {
public:
    virtual ~ToolMenu() = default;
    // The entry shows the tool's title and keeps the whole tool, so that
    // choosing it starts that very tool, whatever the list in memory holds by
    // then.
    virtual bool setTool(int index, const ToolEntry& tool) = 0;
    virtual bool setVisible(int index, bool visible) = 0;
};

// Reads Tools.rel afresh and shows its tools as the window's entries, hiding
// the rest. A list that cannot be read leaves the menu as it was; a window
// without the entries gets the box "No Form".
void OmpleMenuTools(ToolMenu& window, const platform::Services& services);

// The command line of a tool: file and parameters, blanks trimmed at both
// ends, with the work folder and a separator in front when there is one.
// Nothing is quoted.
QString toolCommandLine(const ToolEntry& tool);

// True when the command line names a program: ".exe", ".com" or ".bat"
// anywhere in it, in any case.
bool EsPrograma(const QString& commandLine);

// Starts a tool without waiting: a program directly, in a normal window;
// anything else through temp.bat, minimised. A start that fails, or a temp.bat
// that cannot be written, is reported in a box naming the tool.
void ExecutaTool(const ToolEntry& tool, const platform::Services& services);

} // namespace tarvi
