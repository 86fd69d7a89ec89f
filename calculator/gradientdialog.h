#pragma once

#include "platform/widgets/look.h"

#include <QDialog>
#include <QPainter>

namespace tarvi {

// A dialog of the program's own look: its colours whatever the desktop's
// theme, over the pale blue-grey gradient of the file dialog.
class GradientDialog : public QDialog {
public:
    explicit GradientDialog(QWidget* parent) : QDialog(parent) { look::keepColours(this); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        look::paintGradient(painter, rect(), look::kDialogGradient);
    }
};

} // namespace tarvi
