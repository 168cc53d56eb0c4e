#include "house_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace heatwise::icon {

namespace {

const QColor kOutline(0x23, 0x32, 0x42);
const QColor kWall(0xF6, 0xE7, 0xC8);
const QColor kRoof(0x2E, 0x6D, 0xA4);  // blue for cooling
const QColor kDoor(0x8D, 0x5A, 0x2B);
const QColor kWindow(0xAE, 0xD6, 0xF1);
const QColor kTube(0xFF, 0xFF, 0xFF);
const QColor kMercury(0xE5, 0x39, 0x35);  // red for heating

// How much detail a size can carry.
enum class Detail { kBare, kSome, kFull };

Detail DetailFor(int size) {
    if (size <= 16) {
        return Detail::kBare;
    }
    return size < 48 ? Detail::kSome : Detail::kFull;
}

// Small images stay sharp only when the outlines fall on whole pixels: a line of odd width is
// centred on a pixel's middle, one of even width on a pixel's edge.
struct Grid {
    double line;

    double Snap(double v) const {
        int width = static_cast<int>(line);
        return width % 2 == 1 ? std::floor(v) + 0.5 : std::round(v);
    }
    QRectF Rect(double x, double y, double w, double h) const {
        double left = Snap(x);
        double top = Snap(y);
        return QRectF(left, top, Snap(x + w) - left, Snap(y + h) - top);
    }
};

void DrawHouse(QPainter& p, double s, double line, Detail detail) {
    Grid grid{line};
    QPen pen(kOutline, line);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);

    // Walls.
    QRectF walls = grid.Rect(0.08 * s, 0.46 * s, 0.52 * s, 0.46 * s);
    p.setBrush(kWall);
    p.drawRect(walls);

    // Door, resting on the ground line.
    double door_width = detail == Detail::kBare ? 0.16 * s : 0.14 * s;
    QRectF door = grid.Rect(0.14 * s, 0.64 * s, door_width, 0.28 * s);
    p.setBrush(kDoor);
    p.drawRect(door);

    if (detail != Detail::kBare) {
        // A window with its cross bars.
        QRectF window = grid.Rect(0.38 * s, 0.56 * s, 0.14 * s, 0.14 * s);
        p.setBrush(kWindow);
        p.drawRect(window);
        if (detail == Detail::kFull) {
            QPen bars(kOutline, std::max(1.0, line * 0.6));
            p.setPen(bars);
            p.drawLine(QPointF(window.center().x(), window.top()),
                       QPointF(window.center().x(), window.bottom()));
            p.drawLine(QPointF(window.left(), window.center().y()),
                       QPointF(window.right(), window.center().y()));
            p.setPen(pen);
        }
    }

    // Chimney, drawn before the roof so the roof covers its foot.
    if (detail != Detail::kBare) {
        p.setBrush(kRoof.darker(130));
        p.drawRect(grid.Rect(0.44 * s, 0.14 * s, 0.08 * s, 0.20 * s));
    }

    // Roof, overhanging the walls.
    QPainterPath roof;
    roof.moveTo(grid.Snap(0.02 * s), grid.Snap(0.50 * s));
    roof.lineTo(grid.Snap(0.34 * s), grid.Snap(0.12 * s));
    roof.lineTo(grid.Snap(0.66 * s), grid.Snap(0.50 * s));
    roof.closeSubpath();
    p.setBrush(kRoof);
    p.drawPath(roof);
}

void DrawThermometer(QPainter& p, double s, double line, Detail detail) {
    // The small sizes get a fatter thermometer so it still reads as one.
    double tube_width = detail == Detail::kBare ? 0.26 * s : 0.15 * s;
    double bulb_radius = detail == Detail::kBare ? 0.19 * s : 0.13 * s;
    double centre_x = 0.80 * s;
    double bulb_y = 0.82 * s;
    double top = 0.06 * s;

    Grid grid{line};
    QRectF tube = grid.Rect(centre_x - tube_width / 2, top, tube_width, bulb_y - top);
    centre_x = tube.center().x();
    QPainterPath stem;
    stem.addRoundedRect(tube, tube.width() / 2, tube.width() / 2);
    QPainterPath bulb;
    bulb.addEllipse(QPointF(centre_x, bulb_y), bulb_radius, bulb_radius);
    QPainterPath outline = stem.united(bulb);

    QPen pen(kOutline, line);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(kTube);
    p.drawPath(outline);

    // The mercury column, well up the tube: a warm day.
    double inset = std::max(line, 0.035 * s);
    double column_width = tube.width() - 2 * inset;
    double column_top = 0.34 * s;
    QPainterPath column;
    column.addRoundedRect(
        QRectF(centre_x - column_width / 2, column_top, column_width, bulb_y - column_top),
        column_width / 2, column_width / 2);
    QPainterPath reservoir;
    reservoir.addEllipse(QPointF(centre_x, bulb_y), bulb_radius - inset, bulb_radius - inset);
    p.setPen(Qt::NoPen);
    p.setBrush(kMercury);
    p.drawPath(column.united(reservoir));

    if (detail == Detail::kFull) {
        // Scale marks on the tube's left side.
        QPen marks(kOutline, std::max(1.0, line * 0.6));
        marks.setCapStyle(Qt::RoundCap);
        p.setPen(marks);
        double left = tube.left();
        for (int i = 0; i < 5; ++i) {
            double y = 0.16 * s + i * 0.10 * s;
            double length = (i % 2 == 0) ? 0.06 * s : 0.035 * s;
            p.drawLine(QPointF(left + line, y), QPointF(left + line + length, y));
        }
    }
}

}  // namespace

QImage DrawHouseIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Detail detail = DetailFor(size);
    double s = size;
    double line = std::max(1.0, std::round(s / 26.0));
    DrawHouse(p, s, line, detail);
    DrawThermometer(p, s, line, detail);
    p.end();
    return image;
}

}  // namespace heatwise::icon
