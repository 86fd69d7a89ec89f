#pragma once

#include <QObject>
#include <QString>

#include <stdexcept>

namespace tarvi::testkit {

// The name of an element of a control array: "IdM(0)", "ITool(12)".
inline QString indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// A window's control by its object name. A test that names a control the
// window does not have fails there.
template <typename T> T* control(const QObject& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (found == nullptr)
        throw std::runtime_error("the window has no control " + name.toStdString());
    return found;
}

} // namespace tarvi::testkit
