// Resources: reading icon files, the images with their true sizes and formats and damaged files
// refused with the reason; and finding resources by type and id, numbers and names kept apart,
// names in any letter case, and nothing when a resource is absent.
#include <functional>
#include <tuple>

#include <gtest/gtest.h>

#include "resources/icon_directory.h"
#include "resources/resource_lookup.h"

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
void Set32(Bytes& b, std::size_t at, std::uint32_t v) {
    Bytes four;
    Put32(four, v);
    std::copy(four.begin(), four.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
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

// A bitmap image whose header says how long it is.
Bytes BitmapImage(std::uint32_t header_size = 40, std::size_t length = 56) {
    Bytes b;
    Put32(b, header_size);
    b.resize(length, 0);
    return b;
}

struct Entry {
    int width;  // as the directory writes them: 0 stands for 256
    int height;
    Bytes image;
    int bit_count = 32;
};

// The directory of the first image starts at byte 6; its length is at 14, its offset at 18.
constexpr std::size_t kFirstLength = 14;
constexpr std::size_t kFirstOffset = 18;

Bytes IconFile(const std::vector<Entry>& entries) {
    Bytes file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, static_cast<std::uint32_t>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const Entry& e : entries) {
        file.insert(file.end(), {static_cast<std::uint8_t>(e.width),
                                 static_cast<std::uint8_t>(e.height), 0, 0});
        Put16(file, 1);
        Put16(file, static_cast<std::uint32_t>(e.bit_count));
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
    // A bitmap has only the directory's size.
    Bytes png = PngImage(512, 300);
    png.resize(24);
    Bytes file = IconFile({{16, 16, BitmapImage(), 4},
                           {48, 32, BitmapImage(40, 40), 8},
                           {0, 0, BitmapImage()},
                           {0, 0, png},
                           {48, 48, PngImage(1024, 1)},
                           {1, 1, PngImage(1, 1024)}});
    IconDirectory icon = ReadIconDirectory(file);
    EXPECT_EQ(icon.problem, "");
    struct Expected {
        int width, height, bit_count;
        IconImageFormat format;
        std::size_t offset, length;
    };
    const Expected expected[] = {{16, 16, 4, IconImageFormat::kBitmap, 102, 56},
                                 {48, 32, 8, IconImageFormat::kBitmap, 158, 40},
                                 {256, 256, 32, IconImageFormat::kBitmap, 198, 56},
                                 {512, 300, 32, IconImageFormat::kPng, 254, 24},
                                 {1024, 1, 32, IconImageFormat::kPng, 278, 29},
                                 {1, 1024, 32, IconImageFormat::kPng, 307, 29}};
    ASSERT_EQ(icon.images.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const IconImage& image = icon.images[i];
        const Expected& e = expected[i];
        EXPECT_EQ(
            std::tuple(image.width, image.height, image.bit_count, image.format, image.bytes.data(),
                       image.bytes.size()),
            std::tuple(e.width, e.height, e.bit_count, e.format, file.data() + e.offset, e.length))
            << "image " << i + 1;
    }
}

TEST(resources_IconDirectory, ADamagedFileOffersNoImageAndSaysWhy) {
    const Bytes one_bitmap = IconFile({{16, 16, BitmapImage()}});
    auto changed = [&](const std::function<void(Bytes&)>& change) {
        Bytes file = one_bitmap;
        change(file);
        return file;
    };
    auto with_png = [](std::uint32_t width, std::uint32_t height) {
        return IconFile({{16, 16, BitmapImage()}, {0, 0, PngImage(width, height)}});
    };
    Bytes short_png = PngImage(1, 1);
    short_png.resize(23);
    struct Case {
        Bytes file;
        std::string problem;
    };
    const Case cases[] = {
        {Bytes(5, 0), "the file is too short for an icon header (5 bytes)"},
        {changed([](Bytes& f) { f[0] = 1; }),
         "the file does not start like an icon file (reserved 0, type 1)"},
        {changed([](Bytes& f) { f[3] = 1; }),
         "the file does not start like an icon file (reserved 0, type 1)"},
        {changed([](Bytes& f) { f[2] = 2; }),
         "the file does not start like an icon file (reserved 0, type 1)"},
        {changed([](Bytes& f) { f[4] = 0; }), "the icon file holds no images"},
        {changed([](Bytes& f) { f[4] = 5; }),
         "the icon file is too short for the directory of its 5 images"},
        {changed([](Bytes& f) { f[5] = 1; }),
         "the icon file is too short for the directory of its 257 images"},
        {changed([](Bytes& f) { Set32(f, kFirstLength, 0); }),
         "image 1 lies outside the file (offset 22, length 0, file size 78)"},
        {changed([](Bytes& f) { Set32(f, kFirstLength, 57); }),
         "image 1 lies outside the file (offset 22, length 57, file size 78)"},
        {changed([](Bytes& f) { Set32(f, kFirstLength, 0x10000 + 56); }),
         "image 1 lies outside the file (offset 22, length 65592, file size 78)"},
        {changed([](Bytes& f) { Set32(f, kFirstOffset, 23); }),
         "image 1 lies outside the file (offset 23, length 56, file size 78)"},
        {changed([](Bytes& f) { Set32(f, kFirstOffset, 0xFFFFFFFFu); }),
         "image 1 lies outside the file (offset 4294967295, length 56, file size 78)"},
        {changed([](Bytes& f) { f[22] = 12; }), "image 1 is neither a PNG image nor a bitmap"},
        {IconFile({{16, 16, BitmapImage(40, 39)}}), "image 1 is neither a PNG image nor a bitmap"},
        {IconFile({{16, 16, BitmapImage()}, {0, 0, short_png}}),
         "image 2 is a PNG image too short for its header"},
        {with_png(0, 16),
         "image 2 is a PNG image of 0 x 16 pixels; icons are 1 to 1024 pixels wide"},
        {with_png(16, 0),
         "image 2 is a PNG image of 16 x 0 pixels; icons are 1 to 1024 pixels wide"},
        {with_png(1025, 16),
         "image 2 is a PNG image of 1025 x 16 pixels; icons are 1 to 1024 pixels wide"},
        {with_png(16, 0x01000010),
         "image 2 is a PNG image of 16 x 16777232 pixels; icons are 1 to 1024 pixels wide"},
    };
    for (const Case& c : cases) {
        IconDirectory icon = ReadIconDirectory(c.file);
        EXPECT_EQ(icon.problem, c.problem);
        EXPECT_TRUE(icon.images.empty()) << c.problem;
    }
}

constexpr std::uint8_t kWords[] = {0x41, 0x9C, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
constexpr std::uint8_t kText[] = {'a', '\n', 'b', 0, 'c', 0};
constexpr std::uint8_t kIcon[] = {1, 2, 3, 0};
constexpr std::uint8_t kOther[] = {9, 0};
constexpr MenuItem kItems[] = {{MenuItemKind::kCommand, "&Help", 40002, 0, 0, nullptr, 0}};
constexpr MenuTemplate kMenu = {kItems, 1};
constexpr DialogTemplate kDialog = {
    DialogForm::kDialogEx, 0x40000444u, 0,     0, 0,       510, 289, 0, "", ResourceName(0), "", 8,
    "MS Sans Serif",       0,           false, 1, nullptr, 0};

constexpr Resource kTable[] = {
    {ResourceName(kTypeMenu), ResourceName(30001), nullptr, 0, &kMenu, nullptr, nullptr},
    {ResourceName(kTypeRcData), ResourceName(30001), kWords, 8, nullptr, nullptr, nullptr},
    {ResourceName(kTypeDialog), ResourceName(102), nullptr, 0, nullptr, &kDialog, nullptr},
    {ResourceName(kTypeRcData), ResourceName(102), kText, 5, nullptr, nullptr, nullptr},
    {ResourceName(kTypeIcon), ResourceName("ICON1"), kIcon, 3, nullptr, nullptr, nullptr},
    // A number-like name is still a name: "102" is not resource 102.
    {ResourceName(kTypeRcData), ResourceName("102"), kOther, 1, nullptr, nullptr, nullptr},
    {ResourceName("WLMENUSTRING"), ResourceName(30001), kOther, 1, nullptr, nullptr, nullptr}};

class resources_Lookup : public ::testing::Test {
  protected:
    void SetUp() override { RegisterResources(kTable); }
    void TearDown() override { UnregisterResources(kTable); }
};

struct NameCase {
    ResourceName type;
    ResourceName id;
    const std::uint8_t* expected;  // nullptr when the lookup must find nothing
};

TEST_F(resources_Lookup, NamesMatchInAnyLetterCaseButNeverANumber) {
    // clang-format off
    const NameCase cases[] = {
        {kTypeIcon, "ICON1", kIcon}, {kTypeIcon, "icon1", kIcon},
        {kTypeIcon, "ICON", nullptr}, {kTypeIcon, "ICON12", nullptr}, {kTypeIcon, 1, nullptr},
        {kTypeRcData, 102, kText}, {kTypeRcData, "102", kOther}, {"WLMenuString", 30001, kOther},
        {"WLMENUSTRING", 30002, nullptr}, {999, 30001, nullptr},
    };
    // clang-format on
    for (const auto& c : cases) {
        auto data = FindData(c.type, c.id);
        EXPECT_EQ(data ? data->data() : nullptr, c.expected) << "row " << (&c - cases);
    }
    // Resources that are not data give no bytes.
    EXPECT_NE(FindResource(kTypeMenu, 30001), nullptr);
    EXPECT_FALSE(FindData(kTypeMenu, 30001));
    EXPECT_FALSE(FindData(kTypeDialog, 102));
}

}  // namespace
}  // namespace windlass
