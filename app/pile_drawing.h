#pragma once
// A drop hammer driving a concrete pile into the ground: the motif of the
// window icon, the logo and the splash picture.
#include <QRectF>

class QPainter;

namespace app {

// Draws the rig inside `area`; `compact` leaves out the leader's lattice and
// the cable for small sizes.
void drawPileRig(QPainter& painter, const QRectF& area, bool compact);

}  // namespace app
