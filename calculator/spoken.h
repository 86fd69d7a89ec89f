#pragma once

#include <QAccessible>
#include <QLabel>
#include <QString>

namespace tarvi {

// Shows a text in a label that a screen reader hears, and hears again each
// time it changes: the label's name is the text, after `name` and ": " when
// one is given ("Puntuación: 3 de 4"), or `name` alone while there is no text.
inline void announce(QLabel* label, const QString& text, const QString& name = {})
{
    label->setText(text);
    label->setAccessibleName(name.isEmpty() || text.isEmpty() ? name + text
                                                              : name + QStringLiteral(": ") + text);
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace tarvi
