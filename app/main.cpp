// Heatwise: the yearly cost of cooling and heating a building by the temperature bin method.
#include "main_loop.h"

int main() {
    return heatwise::RunHeatwise();
}
