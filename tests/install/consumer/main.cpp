// Writes a number into a field text with the toolkit's conversion and prints it between bars,
// then whether there is a display; with the argument "window" it opens and closes a main
// window as well, saying so once it is open. So the caller sees the public header and the
// libraries at work, with a backend or without one.
#include <iostream>
#include <string>
#include <string_view>

#include <windlass/windlass.h>

int main(int argc, char** argv) {
#ifdef CONSUMER_SHOWS_WINDOWS
    WInstallQtBackend();
#endif
    WInitialise();
    std::string text(6, ' ');
    IntegerToString(42, text, "(I6)");
    std::cout << '|' << text << "|\n";
    std::string reason(60, ' ');
    const int display = InfoDisplay(reason);
    reason.erase(reason.find_last_not_of(' ') + 1);
    std::cout << "display " << display << ": " << reason << std::endl;
    if (argc == 2 && std::string_view(argv[1]) == "window") {
        WindowOpen2();
        std::cout << "window open" << std::endl;
        WindowClose();
    }
    return InfoError(1) == 0 ? 0 : 1;
}
