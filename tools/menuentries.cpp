#include "tools/menuentries.h"

#include <QAction>

namespace tarvi {

namespace {

QAction* entry(QWidget* window, int index)
{
    if (window == nullptr)
        return nullptr;
    return window->findChild<QAction*>(QStringLiteral("ITool(%1)").arg(index));
}

} // namespace

bool MenuEntries::setTool(int index, const ToolEntry& tool)
{
    QAction* action = entry(window_, index);
    if (action == nullptr)
        return false;
    action->setText(tool.Title);
    action->setData(QStringList{tool.Title, tool.File, tool.WorkDir, tool.Params});
    return true;
}

bool MenuEntries::setVisible(int index, bool visible)
{
    QAction* action = entry(window_, index);
    if (action == nullptr)
        return false;
    action->setVisible(visible);
    return true;
}

void OmpleMenuTools(QWidget* window, const platform::Services& services)
{
    MenuEntries entries(window);
    OmpleMenuTools(entries, services);
}

ToolEntry MenuTool(const QAction* entry)
{
    const QStringList fields = entry->data().toStringList();
    if (fields.size() != 4)
        return {};
    return {fields[0], fields[1], fields[2], fields[3]};
}

} // namespace tarvi
