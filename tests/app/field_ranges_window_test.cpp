// The ranges the start-up sets on the input fields, met as the user meets them: a value
// outside its field's range keeps the focus in the field when Tab is pressed, with one beep; a
// value inside lets the focus move on.
#include "heatwise_window_test.h"

namespace heatwise::testing {
namespace {

using FieldRangesWindow = HeatwiseWindowTest;

struct Typed {
    int field;
    const char* text;
    bool accepted;
};

TEST_F(FieldRangesWindow, AValueOutsideItsRangeKeepsTheFocusAndOneInsideLetsItGo) {
    // Each field ends with a value it accepts, so that the next field can take the focus.
    const Typed cases[] = {
        {FLD_ELECTRIC_RATE, "0.05", false},  // the bound lies just above 0.05
        {FLD_ELECTRIC_RATE, "0.35", false},  // and just below 0.35
        {FLD_ELECTRIC_RATE, "0.06", true},    {FLD_ELECTRIC_RATE, "0.34", true},
        {FLD_FUEL_PRICE, "10.01", false},     {FLD_FUEL_PRICE, "0", true},
        {FLD_COOL_EER, "3.99", false},        {FLD_COOL_EER, "15", true},
        {FLD_TSTAT_HOURS_1, "9", false},      {FLD_TSTAT_HOURS_1, "8", true},
        {FLD_TSTAT_HOURS_3, "9", false},      {FLD_TSTAT_HOURS_3, "0", true},
        {FLD_TSTAT_SUMMER_1, "64", false},    {FLD_TSTAT_SUMMER_1, "95", false},
        {FLD_TSTAT_SUMMER_1, "94", true},     {FLD_TSTAT_WINTER_2, "39", false},
        {FLD_TSTAT_WINTER_2, "85", false},    {FLD_TSTAT_WINTER_2, "40", true},
        {FLD_COOL_CAPACITY, "240001", false}, {FLD_COOL_CAPACITY, "240000", true},
        {FLD_HEAT_CAPACITY, "0", true},       {FLD_HEAT_EFF, "49", false},
        {FLD_HEAT_EFF, "251", false},         {FLD_HEAT_EFF, "250", true},
    };
    Start();
    for (const Typed& typed : cases) {
        SCOPED_TRACE(std::string("field ") + std::to_string(typed.field) + ", " + typed.text);
        const int beeps_before = platform_->beeps;

        Act([&typed] {
            Retype(typed.field, typed.text);
            Press(Qt::Key_Tab);
        });

        EXPECT_EQ(Shown(typed.field), typed.text);
        if (typed.accepted) {
            EXPECT_NE(FocusedId(), typed.field);
            EXPECT_EQ(platform_->beeps, beeps_before);
        } else {
            EXPECT_EQ(FocusedId(), typed.field);
            EXPECT_EQ(platform_->beeps, beeps_before + 1) << "one refusal, one beep";
        }
    }
}

}  // namespace
}  // namespace heatwise::testing
