// The program's window on a display scaled to 100 %, 150 % or 200 %, or with fonts at 144 dpi:
// one run per display, its environment set by the build (tests/app/CMakeLists.txt), each saving
// a picture of the window after the first pass as screenshots/window-<display>.png, the run at
// 100 % also as screenshots/main_window.png for the documentation (scripts/screenshot).
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

#include <map>
#include <set>

#include "heatwise_window_test.h"
#include "qt/qt_client_area.h"
#include "qt/qt_controls.h"
#include "qt/qt_status_bar.h"

namespace heatwise::testing {
namespace {

namespace wq = windlass::qt;

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
    void SetUp() override {
        scale_ = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        font_dpi_ = qEnvironmentVariable("QT_FONT_DPI", "96").toDouble();
        StartAndRunFirstPass();
    }
    static QWidget* Form() { return Field(FLD_CITY)->parentWidget(); }

    double scale_ = 1.0;
    double font_dpi_ = 96.0;
};

TEST_F(ScalingWindow, ThePictureIsTheWindowAtTheDisplaysOwnResolution) {
    ASSERT_DOUBLE_EQ(Frame()->devicePixelRatioF(), scale_) << "the scale took effect";
    ASSERT_DOUBLE_EQ(Frame()->screen()->logicalDotsPerInchY(), font_dpi_);
    QPixmap picture = Frame()->grab();
    // Drawn at the display's resolution, not enlarged from a picture at 100 %.
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), scale_);
    EXPECT_NEAR(picture.width(), Frame()->width() * scale_, 1.0);
    EXPECT_NEAR(picture.height(), Frame()->height() * scale_, 1.0);

    const QString folder = QStringLiteral(HEATWISE_BINARY_DIR "/screenshots/");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(picture.save(folder + qEnvironmentVariable("HEATWISE_PICTURE", "window.png")));
    if (scale_ == 1.0 && font_dpi_ == 96.0) {
        EXPECT_TRUE(picture.save(folder + QStringLiteral("main_window.png")));
    }
}

// Every control lies inside the client area, none overlaps another, and the members of a group
// box lie inside its frame, below the title set into its top edge, while no other control
// reaches into it.
TEST_F(ScalingWindow, EveryControlHasItsOwnPlaceInsideTheClientAreaAndItsGroupBox) {
    const std::map<int, std::vector<int>> group_members = {
        {1143, {1144, 1145, 1146, 1147, 1148, 1149, 1150}},
        {1154, {1155, 1156, 1157, 1158, 1159, 1160, 1161, 1162, 1163, 1164}},
        {1114,
         {1001, 1113, 1115, 1116, 1120, 1121, 1122, 1123, 1124, 1125, 1126, 1127, 1128, 1129, 1130,
          1131}}};
    QWidget* client = Frame()->client();
    EXPECT_EQ(RectIn(client, Form()), client->rect()) << "the form fills the client area";
    std::map<int, QRect> placed;
    for (const auto& [id, widget] : Controls()) {
        placed[id] = RectIn(client, widget);
        EXPECT_TRUE(client->rect().contains(placed[id])) << id << " at " << Text(placed[id]);
    }
    ASSERT_EQ(placed.size(), 162u) << "the form has all its controls";
    const int title_line = QFontMetrics(Form()->font()).height();
    std::set<int> framed;
    for (const auto& [group, members] : group_members) {
        const QRect inside = placed.at(group).adjusted(2, title_line, -2, -2);
        for (int member : members) {
            framed.insert(member);
            EXPECT_TRUE(inside.contains(placed.at(member)))
                << member << " at " << Text(placed.at(member)) << " outside group box " << group;
        }
    }
    for (auto first = placed.begin(); first != placed.end(); ++first) {
        for (auto second = std::next(first); second != placed.end(); ++second) {
            // A group box may only hold its members; two members of no box never overlap.
            if ((group_members.count(first->first) != 0 && framed.count(second->first) != 0) ||
                (group_members.count(second->first) != 0 && framed.count(first->first) != 0)) {
                continue;
            }
            EXPECT_FALSE(first->second.intersects(second->second))
                << "controls " << first->first << " " << Text(first->second) << " and "
                << second->first << " " << Text(second->second);
        }
    }
}

// Every label, radio button, group box title and status text fits its place in the form's own
// font: fitting never trades the form's face or size for room.
TEST_F(ScalingWindow, EveryTextFitsItsPlaceInTheFormsOwnFont) {
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
            room = radio->style()
                       ->subElementRect(QStyle::SE_RadioButtonContents, &option, radio)
                       .width();
            text = radio->text();
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
            << "\"" << text.toStdString() << "\" cut off";
        EXPECT_LE(metrics.height(), widget->height()) << "the text of " << id << " is too tall";
        EXPECT_EQ(QFontInfo(widget->font()).family(), form_font.family()) << "control " << id;
        EXPECT_EQ(QFontInfo(widget->font()).pixelSize(), form_font.pixelSize()) << "control " << id;
    }
    EXPECT_EQ(kinds, (std::map<std::string, int>{
                         {"labels", 48}, {"radio buttons", 6}, {"group boxes", 3}}));

    // The status texts keep 4 pixels from the edges of their parts.
    wq::StatusBar* bar = Frame()->status_bar();
    const std::vector<QRect> parts = bar->PartRectangles();
    ASSERT_EQ(parts.size(), bar->parts().size());
    QFontMetrics metrics(bar->font());
    for (std::size_t index = 0; index < parts.size(); ++index) {
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(bar->parts()[index].centre)),
                  parts[index].width() - 2 * 4)
            << "the text of part " << index + 1 << " is cut off";
        EXPECT_LE(metrics.height(), parts[index].height()) << "part " << index + 1;
    }
}

}  // namespace
}  // namespace heatwise::testing
