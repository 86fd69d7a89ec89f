#pragma once

#include "platform/services.h"
#include "tools/utools.h"

#include <QPointer>
#include <QWidget>

class QAction;

namespace tarvi {

// The tool entries of a window, found by their names "ITool(1)" ... "ITool(12)"
// among the window's menu actions. Any window that has them will do.
class MenuEntries final : public ToolMenu {
public:
    explicit MenuEntries(QWidget* window) : window_(window) {}
    bool setTool(int index, const ToolEntry& tool) override;
    bool setVisible(int index, bool visible) override;

private:
    QPointer<QWidget> window_;
};

// Fills the tool entries of a window from Tools.rel in the working folder.
void OmpleMenuTools(QWidget* window, const platform::Services& services);

// The tool that a menu entry shows; an empty tool for an entry never filled.
ToolEntry MenuTool(const QAction* entry);

} // namespace tarvi
