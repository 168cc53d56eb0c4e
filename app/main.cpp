// Heatwise: the yearly cost of cooling and heating a building by the temperature bin method.
#include "main_loop.h"
#include "windlass/windlass.h"

int main() {
    // The window, its form and the help are shown with Qt Widgets.
    WInstallQtBackend();
    return heatwise::RunHeatwise();
}
