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

bool MenuEntries::setCaption(int index, const QString& caption)
{
    QAction* action = entry(window_, index);
    if (action == nullptr)
        return false;
    action->setText(caption);
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

void OmpleMenuTools(QWidget* window, platform::MessageService& messages)
{
    MenuEntries entries(window);
    OmpleMenuTools(entries, messages);
}

} // namespace tarvi
