// WindowUnitsToPixels and WindowUnitsFromPixels: conversions for the current window.
#include "windlass/windlass.h"
#include "window/window_table.h"
#include "window/window_units.h"

void WindowUnitsToPixels(int ix, int iy, int& px, int& py) {
    const windlass::ClientSize& client = windlass::Windows().Current().client;
    px = windlass::UnitsToPixels(ix, client.width);
    py = windlass::UnitsToPixels(iy, client.height);
}

void WindowUnitsFromPixels(int px, int py, int& ix, int& iy) {
    const windlass::ClientSize& client = windlass::Windows().Current().client;
    ix = windlass::UnitsFromPixels(px, client.width);
    iy = windlass::UnitsFromPixels(py, client.height);
}
