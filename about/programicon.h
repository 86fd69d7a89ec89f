#pragma once

#include <QIcon>
#include <QPixmap>

namespace tarvi {

// The program's icon, drawn from its SVG at the usual icon sizes. main() makes
// it the application's window icon, so every window carries it.
QIcon programIcon();

// The icon drawn at side x side device-independent pixels for a screen with
// the given device pixel ratio.
QPixmap programPixmap(int side, qreal devicePixelRatio = 1.0);

} // namespace tarvi
