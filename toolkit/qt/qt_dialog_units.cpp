#include "qt/qt_dialog_units.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QStringList>

#include <cmath>

#include "qt/qt_platform.h"

namespace windlass::qt {
namespace {

// Faces that dialog templates commonly name and that Linux systems do not have. Liberation
// Sans has the widths of the face these stood for, so texts fill their controls as the
// template's author saw them; DejaVu Sans stands in where Liberation is missing.
constexpr const char* kSansSerifFaces[] = {
    "MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif",
    "Tahoma",        "Arial",        "Segoe UI",       "Helv",
};

const QStringList& SansSerifStandIns() {
    static const QStringList faces = {QStringLiteral("Liberation Sans"),
                                      QStringLiteral("DejaVu Sans")};
    return faces;
}

bool IsSansSerifFace(const QString& face) {
    for (const char* known : kSansSerifFaces) {
        if (face.compare(QLatin1String(known), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

double LogicalDotsPerInch() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

QFont DialogFont(const DialogTemplate& dialog) {
    if (dialog.font_point_size <= 0 || dialog.font_face == nullptr) {
        return QApplication::font();
    }
    QString face = ToQString(dialog.font_face);
    QFont font;
    if (IsSansSerifFace(face)) {
        font.setFamilies(SansSerifStandIns());
    } else {
        font.setFamilies(QStringList{face} + SansSerifStandIns());
    }
    // A point size becomes a whole number of pixels at the display's resolution, as the
    // templates' first system sized its dialog fonts.
    int pixels =
        static_cast<int>(std::lround(dialog.font_point_size * LogicalDotsPerInch() / 72.0));
    font.setPixelSize(pixels > 0 ? pixels : 1);
    if (dialog.font_weight > 0) {
        font.setWeight(static_cast<QFont::Weight>(dialog.font_weight));
    }
    font.setItalic(dialog.font_italic);
    return font;
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    QFontMetrics metrics(font);
    int alphabet_width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(alphabet_width / 26 + 1) / 2, metrics.height()};
}

int ScaleRounded(int value, int numerator, int denominator) {
    long long product = static_cast<long long>(value) * numerator;
    long long half = denominator / 2;
    long long rounded =
        product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
    return static_cast<int>(rounded);
}

QRect DialogUnitsToPixels(int x, int y, int width, int height, DialogBaseUnits units) {
    return {ScaleRounded(x, units.x, 4), ScaleRounded(y, units.y, 8),
            ScaleRounded(width, units.x, 4), ScaleRounded(height, units.y, 8)};
}

}  // namespace windlass::qt
