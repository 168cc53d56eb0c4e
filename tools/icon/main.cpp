// heatwise-icon: draws the program's icon and writes it as an icon file holding the 16, 32,
// 48 and 256 pixel images (each a PNG image), and as a 256 pixel PNG file for desktop entries;
// or, with --theme, as one PNG file for each size an icon theme keeps, in the theme's folders.
//
//   heatwise-icon OUTPUT.ico OUTPUT.png
//   heatwise-icon --theme FOLDER       writes FOLDER/NxN/apps/heatwise.png for every size
//
// The icon file and the PNG file are kept in resources/; run the first form again only to
// change the picture. The installation runs the second form at build time.

#include <iostream>
#include <span>

#include "icon_tool.h"

int main(int argc, char** argv) {
    return heatwise::icon::RunIconTool(std::span<const char* const>(argv + 1, argv + argc),
                                       std::cerr);
}
