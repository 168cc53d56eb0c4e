// Reading icon files: the images with their true sizes and formats.

#include "resources/icon_directory.h"

#include <gtest/gtest.h>

namespace windlass {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// The start of a PNG file: signature and header chunk with the size, most significant first.
Bytes PngImage(std::uint32_t width, std::uint32_t height) {
    Bytes b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (std::uint32_t v : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            b.push_back(static_cast<std::uint8_t>(v >> shift));
        }
    }
    b.insert(b.end(), {8, 6, 0, 0, 0});
    return b;
}

Bytes BitmapImage() {
    Bytes b;
    Put32(b, 40);
    b.resize(40 + 16, 0);
    return b;
}

struct Entry {
    int directory_size;  // as the directory writes it: 0 stands for 256
    Bytes image;
};

Bytes IconFile(const std::vector<Entry>& entries) {
    Bytes file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, static_cast<std::uint32_t>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const Entry& e : entries) {
        file.push_back(static_cast<std::uint8_t>(e.directory_size));
        file.push_back(static_cast<std::uint8_t>(e.directory_size));
        file.push_back(0);
        file.push_back(0);
        Put16(file, 1);
        Put16(file, 32);
        Put32(file, static_cast<std::uint32_t>(e.image.size()));
        Put32(file, offset);
        offset += static_cast<std::uint32_t>(e.image.size());
    }
    for (const Entry& e : entries) {
        file.insert(file.end(), e.image.begin(), e.image.end());
    }
    return file;
}

TEST(resources_IconDirectory, ImagesWithTheirSizesAndFormats) {
    // The PNG header is the truth about the size: the directory writes 0 for anything from 256.
    Bytes file = IconFile({{16, BitmapImage()}, {48, PngImage(48, 48)}, {0, PngImage(512, 300)}});
    IconDirectory icon = ReadIconDirectory(file);
    EXPECT_EQ(icon.problem, "");
    ASSERT_EQ(icon.images.size(), 3u);
    EXPECT_EQ(icon.images[0].format, IconImageFormat::kBitmap);
    EXPECT_EQ(icon.images[0].width, 16);
    EXPECT_EQ(icon.images[1].format, IconImageFormat::kPng);
    EXPECT_EQ(icon.images[1].bytes.size(), PngImage(48, 48).size());
    EXPECT_EQ(icon.images[2].width, 512);
    EXPECT_EQ(icon.images[2].height, 300);
    EXPECT_EQ(icon.images[2].bytes.data(), file.data() + 6 + 48 + 56 + 29);
}

}  // namespace
}  // namespace windlass
