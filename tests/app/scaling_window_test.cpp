// The program's window on a display scaled to 100 %, 150 % or 200 %, or with fonts at 144 dpi:
// one run per display, its environment set by the build (tests/app/CMakeLists.txt), each saving
// a picture of the window after the first pass (screenshots/window-100.png and so on).
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
#include "scaling_window_display.h"

namespace heatwise::testing {
namespace {

namespace wq = windlass::qt;

// The group boxes of the form and the controls each of them frames, from the template.
const std::map<int, std::vector<int>>& GroupMembers() {
    static const std::map<int, std::vector<int>> members = {
        {1143, {1144, 1145, 1146, 1147, 1148, 1149, 1150}},
        {1154, {1155, 1156, 1157, 1158, 1159, 1160, 1161, 1162, 1163, 1164}},
        {1114,
         {1001, 1113, 1115, 1116, 1120, 1121, 1122, 1123, 1124, 1125, 1126, 1127, 1128, 1129, 1130,
          1131}},
    };
    return members;
}

// The status bar keeps its texts this many pixels from the edges of a part.
constexpr int kPartTextMargin = 4;

class ScalingWindow : public HeatwiseWindowTest {
  protected:
    static QWidget* Form() { return Field(FLD_CITY)->parentWidget(); }

    // Every control of the form with its id.
    static std::vector<std::pair<int, QWidget*>> Controls() {
        std::vector<std::pair<int, QWidget*>> controls;
        for (const windlass::ControlRecord& control : windlass::Dialogs().Embedded()->controls) {
            controls.emplace_back(control.id, wq::ToWidget(control.handle));
        }
        return controls;
    }

    // A widget's rectangle in the coordinates of another that contains it.
    static QRect RectIn(const QWidget* outer, const QWidget* widget) {
        return {widget->mapTo(outer, QPoint(0, 0)), widget->size()};
    }

    static std::string Text(const QRect& rect) {
        return std::to_string(rect.x()) + "," + std::to_string(rect.y()) + " " +
               std::to_string(rect.width()) + "x" + std::to_string(rect.height());
    }

    const Display display_ = Display::FromEnvironment();
};

TEST_F(ScalingWindow, ThePictureIsTheWindowAtTheDisplaysOwnResolution) {
    StartAndRunFirstPass();
    SCOPED_TRACE(display_.Describe());
    ASSERT_DOUBLE_EQ(Frame()->devicePixelRatioF(), display_.scale) << "the scale took effect";
    ASSERT_DOUBLE_EQ(Frame()->screen()->logicalDotsPerInchY(), display_.font_dpi)
        << "the font resolution took effect";

    QPixmap picture = Frame()->grab();
    ASSERT_FALSE(picture.isNull());
    // Drawn at the display's resolution, not enlarged from a picture at 100 %: every logical
    // pixel has scale × scale pixels of its own.
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), display_.scale);
    QSize logical = Frame()->size();
    EXPECT_NEAR(picture.width(), logical.width() * display_.scale, 1.0);
    EXPECT_NEAR(picture.height(), logical.height() * display_.scale, 1.0);

    const QString folder = QStringLiteral(HEATWISE_BINARY_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(picture.save(folder + QLatin1Char('/') + display_.picture))
        << display_.picture.toStdString();
}

TEST_F(ScalingWindow, EveryControlLiesInsideTheClientAreaAndItsGroupBox) {
    StartAndRunFirstPass();
    SCOPED_TRACE(display_.Describe());
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

    // Inside the frame and below the title that is set into its top edge.
    int title_line = QFontMetrics(Form()->font()).height();
    std::set<int> framed;
    for (const auto& [group, members] : GroupMembers()) {
        QRect inside = placed.at(group).adjusted(2, title_line, -2, -2);
        for (int member : members) {
            framed.insert(member);
            EXPECT_TRUE(inside.contains(placed.at(member)))
                << "control " << member << " at " << Text(placed.at(member))
                << " is not inside group box " << group << " " << Text(inside);
        }
    }
    for (const auto& [id, rect] : placed) {
        if (framed.count(id) != 0 || GroupMembers().count(id) != 0) {
            continue;
        }
        for (const auto& [group, members] : GroupMembers()) {
            EXPECT_FALSE(rect.intersects(placed.at(group)))
                << "control " << id << " at " << Text(rect) << " reaches into group box " << group
                << " " << Text(placed.at(group));
        }
    }
}

TEST_F(ScalingWindow, NoTwoControlsOverlap) {
    StartAndRunFirstPass();
    SCOPED_TRACE(display_.Describe());
    std::vector<std::pair<int, QRect>> placed;
    for (const auto& [id, widget] : Controls()) {
        if (GroupMembers().count(id) == 0) {
            placed.emplace_back(id, widget->geometry());
        }
    }
    for (std::size_t first = 0; first < placed.size(); ++first) {
        for (std::size_t second = first + 1; second < placed.size(); ++second) {
            EXPECT_FALSE(placed[first].second.intersects(placed[second].second))
                << "controls " << placed[first].first << " " << Text(placed[first].second)
                << " and " << placed[second].first << " " << Text(placed[second].second);
        }
    }
}

TEST_F(ScalingWindow, EveryTextFitsItsControl) {
    StartAndRunFirstPass();
    SCOPED_TRACE(display_.Describe());
    Frame()->grab();  // Every control has drawn its text once.
    const QFontInfo form_font(Form()->font());
    const int title_indent = QFontMetrics(Form()->font()).averageCharWidth();
    int labels = 0;
    int radio_buttons = 0;
    int group_boxes = 0;
    for (const auto& [id, widget] : Controls()) {
        QString text;
        int room = 0;
        if (auto* label = dynamic_cast<wq::StaticText*>(widget)) {
            text = label->text();
            room = label->width();
            ++labels;
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
            ++radio_buttons;
        } else if (auto* group = dynamic_cast<wq::GroupBox*>(widget)) {
            text = group->title();
            room = group->width() - 2 * title_indent;
            ++group_boxes;
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
    EXPECT_EQ(labels, 48);
    EXPECT_EQ(radio_buttons, 6);
    EXPECT_EQ(group_boxes, 3);
}

TEST_F(ScalingWindow, TheStatusBarShowsItsThreeTexts) {
    StartAndRunFirstPass();
    SCOPED_TRACE(display_.Describe());
    wq::StatusBar* bar = Frame()->status_bar();
    ASSERT_NE(bar, nullptr);
    const QRect bar_area = RectIn(Frame(), bar);
    EXPECT_TRUE(Frame()->rect().contains(bar_area)) << Text(bar_area);
    EXPECT_GE(bar_area.top(), RectIn(Frame(), Frame()->client()).bottom())
        << "the bar lies below the form";

    ASSERT_EQ(bar->parts().size(), kStatusTexts.size());
    std::vector<QRect> parts = bar->PartRectangles();
    ASSERT_EQ(parts.size(), kStatusTexts.size());
    QFontMetrics metrics(bar->font());
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const windlass::StatusPartView& part = bar->parts()[index];
        // The text after the leading tab, centred.
        EXPECT_EQ(part.left, "");
        EXPECT_EQ(part.centre, std::string(kStatusTexts[index].substr(1)));
        EXPECT_EQ(part.right, "");
        EXPECT_TRUE(bar->rect().contains(parts[index])) << "part " << index + 1;
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(part.centre)),
                  parts[index].width() - 2 * kPartTextMargin)
            << "the text of part " << index + 1 << " is cut off";
        EXPECT_LE(metrics.height(), parts[index].height()) << "part " << index + 1;
    }
}

TEST_F(ScalingWindow, TheFormGrowsWithItsFont) {
    Start();
    SCOPED_TRACE(display_.Describe());
    const QFont font = Form()->font();
    EXPECT_EQ(QFontInfo(font).pixelSize(),
              static_cast<int>(std::lround(kFormFontPoints * display_.font_dpi / 72.0)));
    EXPECT_EQ(Form()->size(), FormSizeFor(font)) << "dialog units follow the form's font";
    EXPECT_EQ(Frame()->client()->size(), Form()->size());

    // Against the same form at 96 dpi: larger fonts make a larger form in the same proportion,
    // within the rounding of dialog units; a scaled display leaves its logical size alone.
    QSize at_96_dpi = FormSizeFor(FontAt96Dpi(font));
    double expected = display_.font_dpi / 96.0;
    EXPECT_NEAR(Form()->width() / static_cast<double>(at_96_dpi.width()), expected, 0.1 * expected);
    EXPECT_NEAR(Form()->height() / static_cast<double>(at_96_dpi.height()), expected,
                0.1 * expected);
}

}  // namespace
}  // namespace heatwise::testing
