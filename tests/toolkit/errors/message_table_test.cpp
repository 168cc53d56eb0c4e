// The message table behind WInfoErrorMessage.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "errors/fixed_text.h"
#include "windlass/windlass.h"

namespace {

std::string MessageOf(int code, std::size_t length = 80) {
    std::string message(length, '#');
    WInfoErrorMessage(code, message);
    return message;
}

TEST(ErrorMessageTable, CodesWithTextAreExactlyThoseOfTheTable) {
    const std::set<int> without_text = {6,  7,  8,  9,  14, 15, 17, 19, 26, 29, 30,
                                        31, 32, 33, 35, 36, 37, 38, 39, 41, 45, 47,
                                        48, 50, 52, 56, 57, 59, 60, 61, 62, 65};
    for (int code = 1; code <= 66; ++code) {
        bool has_text = !windlass::IsBlank(MessageOf(code));
        EXPECT_EQ(has_text, without_text.count(code) == 0) << "code " << code;
    }
    for (int code = 1001; code <= 1050; ++code) {
        EXPECT_FALSE(windlass::IsBlank(MessageOf(code))) << "code " << code;
    }
    for (int code : {-1, 0, 67, 100, 1000, 1051, 9999}) {
        EXPECT_TRUE(windlass::IsBlank(MessageOf(code))) << "code " << code;
    }
}

TEST(ErrorMessageTable, TextsAreWordForWord) {
    struct Case {
        int code;
        const char* text;
    };
    const std::vector<Case> cases = {
        {1, "Error opening file or device"},
        {12, "Invalid character detected"},
        {20, "Circle/ellipse radius <=0, height ratio<=0 or arc angle=0"},
        {28, "Borders cross in IGrPolygonSimple - unable to fill polygon"},
        {66, "Invalid character code in IGrCharSpace"},
        {1001, "Invalid menu item"},
        {1016, "Unable to display window/dialog. Root window hidden"},
        {1025, "Editor can't have menu in InsideRoot child window"},
        {1047, "Current dialog which is combined with a window"},
        {1050, "Invalid pre-defined registry key"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(windlass::TrimTrailingBlanks(MessageOf(c.code)), c.text);
    }
}

TEST(ErrorMessageTable, MessageIsPaddedOrCutToTheLengthGiven) {
    EXPECT_EQ(MessageOf(1006, 30), "Invalid field identifier      ");
    EXPECT_EQ(MessageOf(1006, 7), "Invalid");
    EXPECT_EQ(MessageOf(1006, 0), "");
    EXPECT_EQ(MessageOf(6, 5), "     ");
}

}  // namespace
