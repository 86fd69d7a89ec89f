#include "tools/menuentries.h"

#include <QAction>

namespace tarvi {

MenuEntries::MenuEntries(const std::array<QAction*, kMaxTools>& entries)
{
    std::copy(entries.begin(), entries.end(), entries_.begin());
}

QAction* MenuEntries::entry(int index) const
{
    if (index < 1 || index > kMaxTools)
        return nullptr;
    return entries_[static_cast<std::size_t>(index - 1)].data();
}

bool MenuEntries::setTool(int index, const ToolEntry& tool)
{
    QAction* action = entry(index);
    if (action == nullptr)
        return false;
    action->setText(tool.Title);
    action->setData(QStringList{tool.Title, tool.File, tool.WorkDir, tool.Params});
    return true;
}

bool MenuEntries::setVisible(int index, bool visible)
{
    QAction* action = entry(index);
    if (action == nullptr)
        return false;
    action->setVisible(visible);
    return true;
}

ToolEntry MenuTool(const QAction* entry)
{
    const QStringList fields = entry->data().toStringList();
    if (fields.size() != 4)
        return {};
    return {fields[0], fields[1], fields[2], fields[3]};
}

} // namespace tarvi
