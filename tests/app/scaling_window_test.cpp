// The program's window on a display scaled to 100 %, 150 % or 200 %, or with fonts at 144 dpi:
// one run per display, its environment set by the build (tests/app/CMakeLists.txt), each saving
// a picture of the window after the first pass (screenshots/window-100.png and so on).
// QT_SCALE_FACTOR scales the whole display; QT_FONT_DPI, with Qt's own high-DPI scaling turned
// off, makes the fonts larger in logical pixels, as a desktop set to larger fonts does.
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "heatwise_window_test.h"
#include "qt/qt_client_area.h"
#include "qt/qt_controls.h"
#include "qt/qt_status_bar.h"

namespace heatwise::testing {
namespace {

namespace wq = windlass::qt;

// The group boxes of the form and the controls each of them frames, from the template.
const std::map<int, std::vector<int>> kGroupMembers = {
    {1143, {1144, 1145, 1146, 1147, 1148, 1149, 1150}},
    {1154, {1155, 1156, 1157, 1158, 1159, 1160, 1161, 1162, 1163, 1164}},
    {1114,
     {1001, 1113, 1115, 1116, 1120, 1121, 1122, 1123, 1124, 1125, 1126, 1127, 1128, 1129, 1130,
      1131}},
};

// The form is 510 × 289 dialog units in an 8-point font.
constexpr int kFormWidthUnits = 510;
constexpr int kFormHeightUnits = 289;
constexpr int kFormFontPoints = 8;
// The status bar keeps its texts this many pixels from the edges of a part.
constexpr int kPartTextMargin = 4;

// The form's size in pixels for a font: a horizontal dialog unit is a quarter of the average
// width of the 52 letters, rounded as dialog units always have been, a vertical one an eighth
// of the height of a line.
QSize FormSizeFor(const QFont& font) {
    QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {static_cast<int>(std::lround(kFormWidthUnits * ((letters / 26 + 1) / 2) / 4.0)),
            static_cast<int>(std::lround(kFormHeightUnits * metrics.height() / 8.0))};
}

std::string Text(const QRect& rect) {
    return std::to_string(rect.x()) + "," + std::to_string(rect.y()) + " " +
           std::to_string(rect.width()) + "x" + std::to_string(rect.height());
}

// A widget's rectangle in the coordinates of another that contains it.
QRect RectIn(const QWidget* outer, const QWidget* widget) {
    return {widget->mapTo(outer, QPoint(0, 0)), widget->size()};
}

class ScalingWindow : public HeatwiseWindowTest {
  protected:
    ScalingWindow() {
        bool ok = false;
        if (double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok); ok && scale > 0) {
            scale_ = scale;
        }
        if (double dpi = qEnvironmentVariable("QT_FONT_DPI").toDouble(&ok); ok && dpi > 0) {
            font_dpi_ = dpi;
        }
    }

    static QWidget* Form() { return Field(FLD_CITY)->parentWidget(); }
    std::string Display() const {
        return "scale " + std::to_string(scale_) + ", fonts at " + std::to_string(font_dpi_) +
               " dpi";
    }

    double scale_ = 1.0;
    double font_dpi_ = 96.0;
};

TEST_F(ScalingWindow, ThePictureIsTheWindowAtTheDisplaysOwnResolution) {
    StartAndRunFirstPass();
    SCOPED_TRACE(Display());
    ASSERT_DOUBLE_EQ(Frame()->devicePixelRatioF(), scale_) << "the scale took effect";
    ASSERT_DOUBLE_EQ(Frame()->screen()->logicalDotsPerInchY(), font_dpi_)
        << "the font resolution took effect";

    QPixmap picture = Frame()->grab();
    ASSERT_FALSE(picture.isNull());
    // Drawn at the display's resolution, not enlarged from a picture at 100 %: every logical
    // pixel has scale × scale pixels of its own.
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), scale_);
    EXPECT_NEAR(picture.width(), Frame()->width() * scale_, 1.0);
    EXPECT_NEAR(picture.height(), Frame()->height() * scale_, 1.0);

    const QString folder = QStringLiteral(HEATWISE_BINARY_DIR "/screenshots");
    const QString name = qEnvironmentVariable("HEATWISE_PICTURE", "window-unnamed.png");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(picture.save(folder + QLatin1Char('/') + name)) << name.toStdString();
}

// Every control lies inside the client area, none overlaps another, and the members of a group
// box lie inside its frame, below the title set into its top edge, while no other control
// reaches into it.
TEST_F(ScalingWindow, EveryControlHasItsOwnPlaceInsideTheClientAreaAndItsGroupBox) {
    StartAndRunFirstPass();
    SCOPED_TRACE(Display());
    QWidget* client = Frame()->client();
    const QRect area = client->rect();
    EXPECT_EQ(RectIn(client, Form()), area) << "the form fills the client area";

    std::map<int, QRect> placed;
    for (const auto& [id, widget] : Controls()) {
        placed[id] = RectIn(client, widget);
        EXPECT_TRUE(area.contains(placed[id])) << "control " << id << " at " << Text(placed[id])
                                               << " leaves the client area " << Text(area);
    }
    ASSERT_EQ(placed.size(), 162u) << "the form has all its controls";

    const int title_line = QFontMetrics(Form()->font()).height();
    std::set<int> framed;
    for (const auto& [group, members] : kGroupMembers) {
        QRect inside = placed.at(group).adjusted(2, title_line, -2, -2);
        for (int member : members) {
            framed.insert(member);
            EXPECT_TRUE(inside.contains(placed.at(member)))
                << "control " << member << " at " << Text(placed.at(member))
                << " is not inside group box " << group << " " << Text(inside);
        }
    }
    for (auto first = placed.begin(); first != placed.end(); ++first) {
        const bool is_group = kGroupMembers.count(first->first) != 0;
        for (auto second = std::next(first); second != placed.end(); ++second) {
            const bool other_is_group = kGroupMembers.count(second->first) != 0;
            // A group box may only hold its members; two members of no box never overlap.
            if ((is_group && framed.count(second->first) != 0) ||
                (other_is_group && framed.count(first->first) != 0)) {
                continue;
            }
            EXPECT_FALSE(first->second.intersects(second->second))
                << "controls " << first->first << " " << Text(first->second) << " and "
                << second->first << " " << Text(second->second);
        }
    }
}

TEST_F(ScalingWindow, EveryTextFitsItsControlInTheFormsOwnFont) {
    StartAndRunFirstPass();
    SCOPED_TRACE(Display());
    Frame()->grab();  // Every control has drawn its text once.
    const QFontInfo form_font(Form()->font());
    const int title_indent = QFontMetrics(Form()->font()).averageCharWidth();
    std::map<std::string, int> kinds;
    for (const auto& [id, widget] : Controls()) {
        QString text;
        int room = 0;
        if (auto* label = dynamic_cast<wq::StaticText*>(widget)) {
            text = label->text();
            room = label->width();
            ++kinds["labels"];
        } else if (auto* radio = dynamic_cast<QRadioButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(radio);
            option.text = radio->text();
            QRect contents =
                radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
            QRect indicator =
                radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio);
            EXPECT_TRUE(radio->rect().contains(indicator))
                << "the indicator of radio button " << id << " is cut off";
            EXPECT_FALSE(contents.intersects(indicator))
                << "the text of radio button " << id << " runs under its indicator";
            text = radio->text();
            room = contents.width();
            ++kinds["radio buttons"];
        } else if (auto* group = dynamic_cast<wq::GroupBox*>(widget)) {
            text = group->title();
            room = group->width() - 2 * title_indent;
            ++kinds["group boxes"];
        } else {
            continue;
        }
        QFontMetrics metrics(widget->font());
        EXPECT_LE(metrics.horizontalAdvance(text), room)
            << "the text \"" << text.toStdString() << "\" of control " << id << " is cut off";
        EXPECT_LE(metrics.height(), widget->height())
            << "the text of control " << id << " is taller than its control";
        // Fitting never trades the form's face or size for room.
        QFontInfo drawn(widget->font());
        EXPECT_EQ(drawn.family(), form_font.family()) << "control " << id;
        EXPECT_EQ(drawn.pixelSize(), form_font.pixelSize()) << "control " << id;
    }
    EXPECT_EQ(kinds, (std::map<std::string, int>{
                         {"labels", 48}, {"radio buttons", 6}, {"group boxes", 3}}));
}

TEST_F(ScalingWindow, TheStatusBarShowsItsThreeTextsCentredBelowTheForm) {
    StartAndRunFirstPass();
    SCOPED_TRACE(Display());
    wq::StatusBar* bar = Frame()->status_bar();
    ASSERT_NE(bar, nullptr);
    const QRect bar_area = RectIn(Frame(), bar);
    EXPECT_TRUE(Frame()->rect().contains(bar_area)) << Text(bar_area);
    EXPECT_GE(bar_area.top(), RectIn(Frame(), Frame()->client()).bottom());

    ASSERT_EQ(bar->parts().size(), kStatusTexts.size());
    std::vector<QRect> parts = bar->PartRectangles();
    ASSERT_EQ(parts.size(), kStatusTexts.size());
    QFontMetrics metrics(bar->font());
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const windlass::StatusPartView& part = bar->parts()[index];
        // The text after the leading tab, centred.
        EXPECT_EQ(part.left + part.right, "");
        EXPECT_EQ(part.centre, std::string(kStatusTexts[index].substr(1)));
        EXPECT_TRUE(bar->rect().contains(parts[index])) << "part " << index + 1;
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(part.centre)),
                  parts[index].width() - 2 * kPartTextMargin)
            << "the text of part " << index + 1 << " is cut off";
        EXPECT_LE(metrics.height(), parts[index].height()) << "part " << index + 1;
    }
}

TEST_F(ScalingWindow, TheFormGrowsWithItsFont) {
    Start();
    SCOPED_TRACE(Display());
    const QFont font = Form()->font();
    EXPECT_EQ(QFontInfo(font).pixelSize(),
              static_cast<int>(std::lround(kFormFontPoints * font_dpi_ / 72.0)));
    EXPECT_EQ(Form()->size(), FormSizeFor(font)) << "dialog units follow the form's font";
    EXPECT_EQ(Frame()->client()->size(), Form()->size());

    // Against the same form at 96 dpi: larger fonts make a larger form in the same proportion,
    // within the rounding of dialog units; a scaled display leaves its logical size alone.
    QFont at_96_dpi = font;
    at_96_dpi.setPixelSize(static_cast<int>(std::lround(kFormFontPoints * 96.0 / 72.0)));
    const QSize size_at_96_dpi = FormSizeFor(at_96_dpi);
    const double expected = font_dpi_ / 96.0;
    EXPECT_NEAR(Form()->width() / static_cast<double>(size_at_96_dpi.width()), expected,
                0.1 * expected);
    EXPECT_NEAR(Form()->height() / static_cast<double>(size_at_96_dpi.height()), expected,
                0.1 * expected);
}

}  // namespace
}  // namespace heatwise::testing
