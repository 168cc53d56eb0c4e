// The ranges the start-up sets on the input fields, met as the user meets them: a value
// outside its field's range keeps the focus in the field when Tab is pressed, with one beep; a
// value inside lets the focus move on.
#include "heatwise_window_test.h"

namespace heatwise::testing {
namespace {

using FieldRangesWindow = HeatwiseWindowTest;

// For every input field, the number just below its range and the one just above (for the
// electric rate 0.05 and 0.35, whose bounds lie just inside), then its largest and smallest.
TEST_F(FieldRangesWindow, AValueOutsideItsRangeKeepsTheFocusAndOneInsideLetsItGo) {
    Start();
    for (const InputField& input : kInputFields) {
        const std::pair<int, bool> typed[] = {{input.Low() - 1, false},
                                              {input.High() + 1, false},
                                              {input.High(), true},
                                              {input.Low(), true}};
        for (const auto& [number, accepted] : typed) {
            const std::string text = input.Written(number);
            SCOPED_TRACE("field " + std::to_string(input.id) + ", " + text);
            const int beeps_before = platform_->beeps;
            Act([&] {
                Retype(input.id, text.c_str());
                Press(Qt::Key_Tab);
            });
            EXPECT_EQ(Shown(input.id), text);
            EXPECT_EQ(FocusedId() == input.id, !accepted);
            EXPECT_EQ(platform_->beeps, beeps_before + (accepted ? 0 : 1))
                << "one refusal, one beep";
        }
    }
}

}  // namespace
}  // namespace heatwise::testing
