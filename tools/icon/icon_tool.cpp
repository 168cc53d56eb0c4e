#include "icon_tool.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <ostream>
#include <string_view>
#include <vector>

#include "house_icon.h"

namespace heatwise::icon {

namespace {

constexpr int kSizes[] = {16, 32, 48, 256};
// The sizes a desktop's icon theme looks for first, in its folders named NxN.
constexpr int kThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kHeaderSize = 6;
constexpr int kEntrySize = 16;

void AppendLittle16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void AppendLittle32(QByteArray& out, qint64 value) {
    AppendLittle16(out, static_cast<int>(value & 0xFFFF));
    AppendLittle16(out, static_cast<int>((value >> 16) & 0xFFFF));
}

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The icon file: its header, one directory entry per image, then the images.
QByteArray IconFile(const std::vector<QByteArray>& pngs) {
    QByteArray out;
    AppendLittle16(out, 0);  // reserved
    AppendLittle16(out, 1);  // an icon, not a cursor
    AppendLittle16(out, static_cast<int>(pngs.size()));
    qint64 offset = kHeaderSize + kEntrySize * static_cast<qint64>(pngs.size());
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        int size = kSizes[i];
        // The directory holds sizes in one byte each; 0 stands for 256.
        out.append(static_cast<char>(size >= 256 ? 0 : size));
        out.append(static_cast<char>(size >= 256 ? 0 : size));
        out.append('\0');         // no palette
        out.append('\0');         // reserved
        AppendLittle16(out, 1);   // colour planes
        AppendLittle16(out, 32);  // bits per pixel
        AppendLittle32(out, pngs[i].size());
        AppendLittle32(out, offset);
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs) {
        out.append(png);
    }
    return out;
}

bool WriteFile(const char* path, const QByteArray& bytes, std::ostream& errors) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        errors << "heatwise-icon: cannot write '" << path << "'\n";
        return false;
    }
    return true;
}

// Writes the icon at every theme size, each drawn for its size, creating the folders.
bool WriteThemeIcons(const char* folder, std::ostream& errors) {
    for (int size : kThemeSizes) {
        const QString name = QString::number(size) + "x" + QString::number(size);
        const QString apps = QString::fromLocal8Bit(folder) + "/" + name + "/apps";
        if (!QDir().mkpath(apps)) {
            errors << "heatwise-icon: cannot make the folder '" << apps.toLocal8Bit().constData()
                   << "'\n";
            return false;
        }
        const QByteArray path = (apps + "/heatwise.png").toLocal8Bit();
        if (!WriteFile(path.constData(), Png(DrawHouseIcon(size)), errors)) {
            return false;
        }
    }
    return true;
}

}  // namespace

int RunIconTool(std::span<const char* const> arguments, std::ostream& errors) {
    if (arguments.size() == 2 && std::string_view(arguments[0]) == "--theme") {
        return WriteThemeIcons(arguments[1], errors) ? 0 : 1;
    }
    if (arguments.size() != 2) {
        errors << "usage: heatwise-icon OUTPUT.ico OUTPUT.png\n"
                  "       heatwise-icon --theme FOLDER\n";
        return 2;
    }
    std::vector<QByteArray> pngs;
    for (int size : kSizes) {
        pngs.push_back(Png(DrawHouseIcon(size)));
    }
    if (!WriteFile(arguments[0], IconFile(pngs), errors) ||
        !WriteFile(arguments[1], pngs.back(), errors)) {
        return 1;
    }
    return 0;
}

}  // namespace heatwise::icon
