// heatwise-icon's files: the icon file holds the four sizes as PNG images with a directory that
// says what a 32-bit image is, and the PNG file is its largest image; each size is drawn for
// itself.
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "house_icon.h"
#include "icon_tool.h"
#include "resources/icon_directory.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// The size a PNG file's header chunk gives, most significant byte first.
std::pair<int, int> PngSize(const Bytes& png) {
    auto big32 = [&](std::size_t at) {
        return png.size() < at + 4
                   ? -1
                   : png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
    };
    return {big32(16), big32(20)};
}

TEST(HeatwiseIcon, TheIconFileHoldsFourPngSizesWithAPlainDirectory) {
    fs::remove_all("icon");
    fs::create_directories("icon");
    const char* const arguments[] = {"icon/heatwise.ico", "icon/heatwise.png"};
    std::ostringstream errors;
    ASSERT_EQ(heatwise::icon::RunIconTool(arguments, errors), 0) << errors.str();
    const Bytes file = ReadBytes("icon/heatwise.ico");
    const windlass::IconDirectory icon = windlass::ReadIconDirectory(file);
    ASSERT_EQ(icon.problem, "");
    const int sizes[] = {16, 32, 48, 256};
    ASSERT_EQ(icon.images.size(), std::size(sizes));
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        EXPECT_EQ(icon.images[i].format, windlass::IconImageFormat::kPng) << sizes[i];
        EXPECT_EQ(icon.images[i].width, sizes[i]);
        EXPECT_EQ(icon.images[i].height, sizes[i]);
        // Width, height (0 for 256), no palette, a reserved 0, one plane, 32 bits a pixel.
        const std::size_t entry = 6 + 16 * i;
        const std::uint8_t side = sizes[i] == 256 ? 0 : static_cast<std::uint8_t>(sizes[i]);
        EXPECT_EQ(Bytes(file.begin() + entry, file.begin() + entry + 8),
                  (Bytes{side, side, 0, 0, 1, 0, 32, 0}))
            << sizes[i];
    }
    const Bytes png = ReadBytes("icon/heatwise.png");
    EXPECT_EQ(PngSize(png), std::pair(256, 256));
    EXPECT_EQ(Bytes(png.begin(), png.end()),
              Bytes(icon.images.back().bytes.begin(), icon.images.back().bytes.end()))
        << "the PNG file is the icon's largest image";
}

// Each size is drawn for itself: the house's window, light blue glass behind its frame, would
// only blur at 16 pixels and is left out there, but shows at every larger size.
TEST(HeatwiseIcon, TheHouseShowsItsWindowAtEverySizeAbove16Pixels) {
    const QRgb glass = qRgb(0xAE, 0xD6, 0xF1);
    const std::pair<int, bool> sizes[] = {{16, false}, {22, true}, {32, true}, {256, true}};
    for (const auto& [size, window] : sizes) {
        const QImage image = heatwise::icon::DrawHouseIcon(size);
        int glass_pixels = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                glass_pixels += image.pixel(x, y) == glass ? 1 : 0;
            }
        }
        EXPECT_EQ(glass_pixels > 0, window) << size << " pixels: " << glass_pixels;
    }
}

// The theme form is checked by the installation test; here only the refusals.
TEST(HeatwiseIcon, AWrongCommandLineOrAnUnwritableFileFails) {
    const std::string usage =
        "usage: heatwise-icon OUTPUT.ico OUTPUT.png\n       heatwise-icon --theme FOLDER\n";
    struct Case {
        std::vector<const char*> arguments;
        int status;
        std::string errors;
    };
    const Case cases[] = {
        {{"only-one-argument"}, 2, usage},
        {{"a.ico", "a.png", "third"}, 2, usage},
        {{"--theme"}, 2, usage},
        {{"absent-folder/x.ico", "x.png"},
         1,
         "heatwise-icon: cannot write 'absent-folder/x.ico'\n"},
        {{"x.ico", "absent-folder/x.png"},
         1,
         "heatwise-icon: cannot write 'absent-folder/x.png'\n"},
    };
    for (const Case& c : cases) {
        std::ostringstream errors;
        EXPECT_EQ(heatwise::icon::RunIconTool(c.arguments, errors), c.status) << c.arguments[0];
        EXPECT_EQ(errors.str(), c.errors) << c.arguments[0];
    }
}

}  // namespace
