#pragma once

#include <QPixmap>
#include <QSize>

// The program's own pictures, painted rather than stored: a signal head on its mast against an
// evening sky, for the start-up window and the corner of the controller window.

namespace corvane {

QPixmap SignalArtwork(QSize size);

}  // namespace corvane
