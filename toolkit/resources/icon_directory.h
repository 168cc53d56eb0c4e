// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// Reading the directory of an icon file: the images it holds at their sizes. The resource
// compiler checks every icon with this same reader when it builds the program, so an icon
// that passed the build is one the toolkit can read.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace windlass {

enum class IconImageFormat { kPng, kBitmap };

struct IconImage {
    int width;
    int height;
    int bit_count;
    IconImageFormat format;
    // A complete PNG file, or a device-independent bitmap whose height counts the colour
    // rows and the mask rows together, as icon files store them.
    std::span<const std::uint8_t> bytes;
};

// The images of an icon file in file order. When the file cannot be read as an icon,
// `images` is empty and `problem` says why; no image of a damaged file is offered.
struct IconDirectory {
    std::vector<IconImage> images;
    std::string problem;
};

IconDirectory ReadIconDirectory(std::span<const std::uint8_t> file);

}  // namespace windlass
