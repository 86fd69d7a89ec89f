#pragma once

#include "platform/services.h"
#include "tools/utools.h"

#include <QPointer>

#include <array>

class QAction;

namespace tarvi {

// The tool entries ITool(1) ... ITool(12) of a window's menu, as the window
// hands them over. An entry that is gone, or was never given, cannot be set.
class MenuEntries final : public ToolMenu {
public:
    MenuEntries() = default;
    explicit MenuEntries(const std::array<QAction*, kMaxTools>& entries);
    bool setTool(int index, const ToolEntry& tool) override;
    bool setVisible(int index, bool visible) override;

private:
    QAction* entry(int index) const;

    std::array<QPointer<QAction>, kMaxTools> entries_;
};

// The tool that a menu entry shows; an empty tool for an entry never filled.
ToolEntry MenuTool(const QAction* entry);

} // namespace tarvi
