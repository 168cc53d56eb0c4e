#include "resources/icon_directory.h"

#include <array>
#include <cstddef>

namespace windlass {

namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// A PNG file starts with its signature and then its header chunk: length, "IHDR", width and
// height as 32-bit numbers with the most significant byte first.
constexpr std::size_t kPngWidthOffset = 16;
constexpr std::size_t kPngMinimumSize = 24;
constexpr std::uint32_t kBitmapHeaderSize = 40;

std::uint32_t Little16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t Little32(std::span<const std::uint8_t> b, std::size_t at) {
    return Little16(b, at) | (Little16(b, at + 2) << 16);
}

std::uint32_t Big32(std::span<const std::uint8_t> b, std::size_t at) {
    return (static_cast<std::uint32_t>(b[at]) << 24) |
           (static_cast<std::uint32_t>(b[at + 1]) << 16) |
           (static_cast<std::uint32_t>(b[at + 2]) << 8) | b[at + 3];
}

bool StartsWithPngSignature(std::span<const std::uint8_t> image) {
    if (image.size() < kPngSignature.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kPngSignature.size(); ++i) {
        if (image[i] != kPngSignature[i]) {
            return false;
        }
    }
    return true;
}

IconDirectory Fail(std::string problem) {
    IconDirectory result;
    result.problem = std::move(problem);
    return result;
}

}  // namespace

IconDirectory ReadIconDirectory(std::span<const std::uint8_t> file) {
    if (file.size() < kHeaderSize) {
        return Fail("the file is too short for an icon header (" + std::to_string(file.size()) +
                    " bytes)");
    }
    if (Little16(file, 0) != 0 || Little16(file, 2) != 1) {
        return Fail("the file does not start like an icon file (reserved 0, type 1)");
    }
    std::size_t count = Little16(file, 4);
    if (count == 0) {
        return Fail("the icon file holds no images");
    }
    if (file.size() < kHeaderSize + count * kEntrySize) {
        return Fail("the icon file is too short for the directory of its " + std::to_string(count) +
                    " images");
    }
    IconDirectory result;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t entry = kHeaderSize + i * kEntrySize;
        std::string which = "image " + std::to_string(i + 1);
        std::uint64_t length = Little32(file, entry + 8);
        std::uint64_t offset = Little32(file, entry + 12);
        if (length == 0 || offset + length > file.size()) {
            return Fail(which + " lies outside the file (offset " + std::to_string(offset) +
                        ", length " + std::to_string(length) + ", file size " +
                        std::to_string(file.size()) + ")");
        }
        IconImage image{};
        image.bytes = file.subspan(offset, length);
        // A width or height of 0 in the directory means 256 pixels.
        image.width = file[entry] == 0 ? 256 : file[entry];
        image.height = file[entry + 1] == 0 ? 256 : file[entry + 1];
        image.bit_count = static_cast<int>(Little16(file, entry + 6));
        if (StartsWithPngSignature(image.bytes)) {
            if (image.bytes.size() < kPngMinimumSize) {
                return Fail(which + " is a PNG image too short for its header");
            }
            // The PNG header is the truth about the size; the directory can only say up to 256.
            image.format = IconImageFormat::kPng;
            std::uint32_t width = Big32(image.bytes, kPngWidthOffset);
            std::uint32_t height = Big32(image.bytes, kPngWidthOffset + 4);
            if (width == 0 || height == 0 || width > 1024 || height > 1024) {
                return Fail(which + " is a PNG image of " + std::to_string(width) + " x " +
                            std::to_string(height) + " pixels; icons are 1 to 1024 pixels wide");
            }
            image.width = static_cast<int>(width);
            image.height = static_cast<int>(height);
        } else if (image.bytes.size() >= kBitmapHeaderSize &&
                   Little32(image.bytes, 0) == kBitmapHeaderSize) {
            image.format = IconImageFormat::kBitmap;
        } else {
            return Fail(which + " is neither a PNG image nor a bitmap");
        }
        result.images.push_back(image);
    }
    return result;
}

}  // namespace windlass
