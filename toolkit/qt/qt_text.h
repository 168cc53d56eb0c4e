// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace windlass::qt {

// The toolkit's texts are UTF-8; these carry them to and from Qt.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQString(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace windlass::qt
