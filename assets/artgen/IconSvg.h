#pragma once
// The desktop icon as a scalable picture, for icon themes that prefer one.

#include <QString>

namespace dealmoor::art {

// Writes the detailed icon as an SVG file of 256 x 256 units; false on failure.
bool writeIconSvg(const QString& path);

} // namespace dealmoor::art
