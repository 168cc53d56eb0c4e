// The display a run of the scaling tests stands for, as its environment sets it, and the
// measures of the form that the tests compare across displays.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <cmath>
#include <string>

namespace heatwise::testing {

// The scale and font resolution a run was started with, and the name of its picture.
// QT_SCALE_FACTOR scales the whole display; QT_FONT_DPI, with Qt's own high-DPI scaling turned
// off, makes the fonts larger in logical pixels, as a desktop set to larger fonts does. (With
// high-DPI scaling on, Qt 6 turns a font resolution into a scale of the whole display.)
struct Display {
    double scale = 1.0;
    double font_dpi = 96.0;
    QString picture;

    static Display FromEnvironment() {
        Display display;
        bool ok = false;
        double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
        if (ok && scale > 0) {
            display.scale = scale;
        }
        double dpi = qEnvironmentVariable("QT_FONT_DPI").toDouble(&ok);
        if (ok && dpi > 0) {
            display.font_dpi = dpi;
        }
        display.picture =
            qEnvironmentVariable("HEATWISE_PICTURE", QStringLiteral("window-unnamed.png"));
        return display;
    }

    std::string Describe() const {
        return "scale " + std::to_string(scale) + ", font resolution " + std::to_string(font_dpi) +
               " dpi";
    }
};

// The form's size in dialog units, from its template.
inline constexpr int kFormWidthUnits = 510;
inline constexpr int kFormHeightUnits = 289;
// Its font is 8 points.
inline constexpr int kFormFontPoints = 8;

// The pixels of one horizontal and one vertical dialog unit of a font, times four and eight:
// the average width of the 52 letters, rounded as dialog units always have been, and the
// height of a line.
struct BaseUnits {
    int x = 0;
    int y = 0;
};

inline BaseUnits BaseUnitsOfFont(const QFont& font) {
    QFontMetrics metrics(font);
    int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

// The form's size in pixels for a font, with the usual rounding of dialog units.
inline QSize FormSizeFor(const QFont& font) {
    BaseUnits units = BaseUnitsOfFont(font);
    return {static_cast<int>(std::lround(kFormWidthUnits * units.x / 4.0)),
            static_cast<int>(std::lround(kFormHeightUnits * units.y / 8.0))};
}

// The form's font as it would be at 96 dpi: the same face, 8 points as pixels at 96 dpi.
inline QFont FontAt96Dpi(QFont font) {
    font.setPixelSize(static_cast<int>(std::lround(kFormFontPoints * 96.0 / 72.0)));
    return font;
}

}  // namespace heatwise::testing
