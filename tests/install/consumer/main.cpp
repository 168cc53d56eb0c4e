// Writes a number into a field text with the toolkit's conversion and prints it between bars,
// so that the caller sees the public header and both libraries at work.
#include <iostream>
#include <string>

#include <windlass/windlass.h>

int main() {
    std::string text(6, ' ');
    IntegerToString(42, text, "(I6)");
    std::cout << '|' << text << "|\n";
    return InfoError(1) == 0 ? 0 : 1;
}
