// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

namespace windlass {

// Window units run from 0 to kWindowUnitsMax across each axis of a client area, whatever its
// size in pixels, so that a program places things without knowing the screen.
inline constexpr int kWindowUnitsMax = 9999;

// Pixels of a position given in window units on an axis of `size` pixels:
// units × (size − 1) / 9999, the division truncating toward zero.
int UnitsToPixels(int units, int size);

// Window units of a pixel position on an axis of `size` pixels: (pixels + 0.5) × 9999 / size
// taken to the nearest whole unit (halves away from zero); 0 when the axis is under 2 pixels.
int UnitsFromPixels(int pixels, int size);

}  // namespace windlass
