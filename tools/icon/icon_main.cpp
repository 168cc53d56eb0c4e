// heatwise-icon: draws the program's icon and writes it as an icon file holding the 16, 32,
// 48 and 256 pixel images (each a PNG image), and as a 256 pixel PNG file for desktop entries;
// or, with --theme, as one PNG file for each size an icon theme keeps, in the theme's folders.
//
//   heatwise-icon OUTPUT.ico OUTPUT.png
//   heatwise-icon --theme FOLDER       writes FOLDER/NxN/apps/heatwise.png for every size
//
// The icon file and the PNG file are kept in resources/; run the first form again only to
// change the picture. The installation runs the second form at build time.

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>
#include <cstring>
#include <vector>

#include "house_icon.h"

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

bool WriteFile(const char* path, const QByteArray& bytes) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "heatwise-icon: cannot write '%s'\n", path);
        return false;
    }
    return true;
}

// Writes the icon at every theme size, each drawn for its size, creating the folders.
bool WriteThemeIcons(const char* folder) {
    for (int size : kThemeSizes) {
        const QString name = QString::number(size) + "x" + QString::number(size);
        const QString apps = QString::fromLocal8Bit(folder) + "/" + name + "/apps";
        if (!QDir().mkpath(apps)) {
            std::fprintf(stderr, "heatwise-icon: cannot make the folder '%s'\n",
                         apps.toLocal8Bit().constData());
            return false;
        }
        const QByteArray path = (apps + "/heatwise.png").toLocal8Bit();
        if (!WriteFile(path.constData(), Png(heatwise::icon::DrawHouseIcon(size)))) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--theme") == 0) {
        return WriteThemeIcons(argv[2]) ? 0 : 1;
    }
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: heatwise-icon OUTPUT.ico OUTPUT.png\n"
                     "       heatwise-icon --theme FOLDER\n");
        return 2;
    }
    std::vector<QByteArray> pngs;
    for (int size : kSizes) {
        pngs.push_back(Png(heatwise::icon::DrawHouseIcon(size)));
    }
    if (!WriteFile(argv[1], IconFile(pngs)) || !WriteFile(argv[2], pngs.back())) {
        return 1;
    }
    return 0;
}
