#pragma once

#include <QWidget>

namespace tarvi {

// The column headed "Fórmulas" at the right of the panels: one framed box per
// panel, beside it, with the panel's formula and its fraction bars, and the
// Newton sum beside the Newton row. Painted in one go, so it costs one widget.
class FormulaColumn : public QWidget {
public:
    explicit FormulaColumn(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarvi
