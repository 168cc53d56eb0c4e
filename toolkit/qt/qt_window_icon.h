// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <QIcon>

#include <cstdint>
#include <span>

namespace windlass::qt {

// The window icon of an icon file (all its image sizes). The images of today's icon files are
// PNG files in their own right: such an icon knows its sizes from the file's directory and
// decodes an image only when a size of it is first asked for, so that a platform that never
// shows window icons never pays for decoding them. The file's bytes must live as long as the
// program, as the compiled resources do. An icon with bitmap images is read at once through
// Qt's icon plugin; a file that cannot be read gives the null icon.
QIcon WindowIconOf(std::span<const std::uint8_t> file);

}  // namespace windlass::qt
