// Reading icon files: the images and their true sizes, and the damaged files that must be
// refused whole.

#include "resources/icon_directory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace windlass {
namespace {

using ::testing::HasSubstr;
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

struct DamageCase {
    Bytes file;
    const char* problem;
};

TEST(resources_IconDirectory, DamagedFilesAreRefusedWhole) {
    Bytes good = IconFile({{16, PngImage(16, 16)}, {32, PngImage(32, 32)}});
    Bytes truncated(good.begin(), good.end() - 1);
    Bytes cursor = good;
    cursor[2] = 2;
    Bytes no_images = {0, 0, 1, 0, 0, 0};
    Bytes short_directory = {0, 0, 1, 0, 3, 0, 16, 16};
    Bytes past_end = good;
    past_end[6 + 16 + 12] = 0xFF;
    Bytes gif = IconFile({{16, Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0}}});
    Bytes png = PngImage(16, 16);
    Bytes short_png = IconFile({{16, Bytes(png.begin(), png.begin() + 20)}});
    Bytes huge_png = IconFile({{0, PngImage(5000, 16)}});
    const DamageCase cases[] = {{{}, "too short for an icon header (0 bytes)"},
                                {cursor, "does not start like an icon file"},
                                {no_images, "holds no images"},
                                {short_directory, "too short for the directory of its 3 images"},
                                {truncated, "image 2 lies outside the file"},
                                {past_end, "image 2 lies outside the file"},
                                {gif, "image 1 is neither a PNG image nor a bitmap"},
                                {short_png, "image 1 is a PNG image too short for its header"},
                                {huge_png, "image 1 is a PNG image of 5000 x 16 pixels"}};
    for (const auto& c : cases) {
        IconDirectory icon = ReadIconDirectory(c.file);
        EXPECT_TRUE(icon.images.empty()) << "row " << (&c - cases);
        EXPECT_THAT(icon.problem, HasSubstr(c.problem)) << "row " << (&c - cases);
    }
}

}  // namespace
}  // namespace windlass
