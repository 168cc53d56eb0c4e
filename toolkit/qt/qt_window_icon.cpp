#include "qt/qt_window_icon.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <utility>
#include <vector>

#include "resources/icon_directory.h"

namespace windlass::qt {
namespace {

// The images of an icon file whose images are all PNG, each decoded on its first use.
class PngIconEngine : public QIconEngine {
  public:
    explicit PngIconEngine(std::vector<IconImage> images)
        : images_(std::move(images)), decoded_(images_.size()) {}

    QIconEngine* clone() const override { return new PngIconEngine(*this); }
    QString key() const override { return QStringLiteral("windlass-png-icon-file"); }
    bool isNull() override { return images_.empty(); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const IconImage& image : images_) {
            sizes.append(QSize(image.width, image.height));
        }
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (images_.empty()) {
            return {};
        }
        const IconImage& image = images_[Closest(size)];
        QSize actual(image.width, image.height);
        // As Qt's own icons do: a larger image is scaled down to fit, never a smaller one up.
        if (actual.width() > size.width() || actual.height() > size.height()) {
            actual.scale(size, Qt::KeepAspectRatio);
        }
        return actual;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (images_.empty()) {
            return {};
        }
        QPixmap picture = Decoded(Closest(size));
        const QSize actual = actualSize(size, mode, state);
        if (!picture.isNull() && picture.size() != actual) {
            picture = picture.scaled(actual, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        if (mode != QIcon::Normal && !picture.isNull()) {
            QStyleOption option;
            option.palette = QApplication::palette();
            picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        return picture;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const QPixmap picture = pixmap(rect.size(), mode, state);
        QRect place(QPoint(), picture.size());
        place.moveCenter(rect.center());
        painter->drawPixmap(place, picture);
    }

  private:
    // The smallest image at least as large as asked for, else the largest there is.
    std::size_t Closest(const QSize& size) const {
        std::size_t best = 0;
        bool best_covers = false;
        for (std::size_t i = 0; i < images_.size(); ++i) {
            const IconImage& image = images_[i];
            const bool covers = image.width >= size.width() && image.height >= size.height();
            const IconImage& chosen = images_[best];
            const long area = static_cast<long>(image.width) * image.height;
            const long chosen_area = static_cast<long>(chosen.width) * chosen.height;
            if (i == 0 || (covers && (!best_covers || area < chosen_area)) ||
                (!covers && !best_covers && area > chosen_area)) {
                best = i;
                best_covers = covers;
            }
        }
        return best;
    }

    QPixmap Decoded(std::size_t index) {
        QPixmap& picture = decoded_[index];
        if (picture.isNull()) {
            const IconImage& image = images_[index];
            QByteArray bytes =
                QByteArray::fromRawData(reinterpret_cast<const char*>(image.bytes.data()),
                                        static_cast<qsizetype>(image.bytes.size()));
            QBuffer buffer(&bytes);
            QImageReader reader(&buffer, "png");
            // Read as PNG and nothing else, so that no image plugin is asked.
            reader.setAutoDetectImageFormat(false);
            picture = QPixmap::fromImage(reader.read());
        }
        return picture;
    }

    std::vector<IconImage> images_;
    std::vector<QPixmap> decoded_;
};

}  // namespace

QIcon WindowIconOf(std::span<const std::uint8_t> file) {
    const IconDirectory directory = ReadIconDirectory(file);
    const bool all_png =
        !directory.images.empty() &&
        std::all_of(directory.images.begin(), directory.images.end(),
                    [](const IconImage& image) { return image.format == IconImageFormat::kPng; });
    if (all_png) {
        return QIcon(new PngIconEngine(directory.images));
    }
    // Only an icon with bitmap images needs Qt's icon plugin, whose loading would otherwise
    // cost every start-up several image plugins.
    QPixmap pixmap;
    if (file.empty() || !pixmap.loadFromData(file.data(), static_cast<uint>(file.size()), "ICO")) {
        return {};
    }
    return QIcon(pixmap);
}

}  // namespace windlass::qt
