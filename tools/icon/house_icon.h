// The program's icon: a small house with a thermometer beside it, for a program that
// estimates what heating and cooling a house costs.
#pragma once

#include <QImage>

namespace heatwise::icon {

// Draws the icon at size x size pixels. Each size is drawn for itself rather than scaled
// down, so that the small sizes leave out details that would only blur.
QImage DrawHouseIcon(int size);

}  // namespace heatwise::icon
