#pragma once

#include <QImage>

// The selection markers, 16x16 on white: a pointer down to the position bar carrying the
// marker's number, in colour when enabled and grey when disabled.
namespace Skin {

enum class Marker { Start, End };

QImage MarkerPicture(Marker marker, bool enabled);

} // namespace Skin
