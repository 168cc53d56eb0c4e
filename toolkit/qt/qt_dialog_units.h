// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// Dialog units: a dialog template places its controls in units of a quarter of the average
// character width and an eighth of the character height of the dialog's font, so that a
// dialog grows with its font. Everything here follows from the font alone, so a display with
// larger fonts gets a larger dialog with the same proportions.

#include <QFont>
#include <QRect>

#include "resources/resource_types.h"

namespace windlass::qt {

// The pixel sizes of one character of the dialog's font: the average width of the 52 letters
// of the alphabet, rounded, and the character height.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
};

// The font the template names, as installed here. The faces of the system the templates were
// first written for map to a metric-compatible sans-serif face; a template without a font gets
// the application's font.
QFont DialogFont(const DialogTemplate& dialog);

DialogBaseUnits BaseUnitsOf(const QFont& font);

// value × numerator / denominator, rounded to the nearest whole number, halves away from zero,
// as dialog units have always been rounded.
int ScaleRounded(int value, int numerator, int denominator);

// A rectangle in dialog units as pixels.
QRect DialogUnitsToPixels(int x, int y, int width, int height, DialogBaseUnits units);

}  // namespace windlass::qt
