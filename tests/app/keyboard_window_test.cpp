// The program's form used from the keyboard: Tab and Shift+Tab through every input in the form's
// order, what a screen reader announces for each field, and the ranges the start-up sets on the
// input fields: a value outside its field's range keeps the focus in the field when Tab is
// pressed, with one beep; a value inside lets the focus move on.
#include <QAccessible>
#include <QLineEdit>

#include "heatwise_window_test.h"

namespace heatwise::testing {
namespace {

using KeyboardWindow = HeatwiseWindowTest;

// Where Tab stops, in order from the electric rate, where the form opens: each radio group
// once, at its checked button.
const std::vector<int> kTabOrderFromRate = {
    FLD_FUEL_ELECTRIC,  FLD_FUEL_PRICE,     FLD_COOL_CAPACITY,  FLD_HEAT_CAPACITY,
    FLD_COOL_EER,       FLD_HEAT_EFF,       FLD_CITY,           FLD_TSTAT_HOURS_1,
    FLD_TSTAT_SUMMER_1, FLD_TSTAT_WINTER_1, FLD_TSTAT_HOURS_2,  FLD_TSTAT_SUMMER_2,
    FLD_TSTAT_WINTER_2, FLD_TSTAT_HOURS_3,  FLD_TSTAT_SUMMER_3, FLD_TSTAT_WINTER_3,
    FLD_MODE_COOLING,   FLD_ELECTRIC_RATE};

TEST_F(KeyboardWindow, TabAndShiftTabVisitEveryInputInTheFormsOrder) {
    Start();
    ASSERT_EQ(FocusedId(), FLD_ELECTRIC_RATE) << "the form opens at the electric rate";
    std::vector<int> forward;
    std::vector<int> back;
    Act([&forward, &back] {
        for (std::size_t press = 0; press < kTabOrderFromRate.size(); ++press) {
            Press(Qt::Key_Tab);
            forward.push_back(FocusedId());
            if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
                EXPECT_EQ(edit->selectedText(), edit->text()) << "Tab selects the text";
            }
        }
        for (std::size_t press = 0; press < kTabOrderFromRate.size(); ++press) {
            Press(Qt::Key_Backtab, Qt::ShiftModifier);
            back.push_back(FocusedId());
        }
    });
    EXPECT_EQ(forward, kTabOrderFromRate);
    std::vector<int> reversed(kTabOrderFromRate.rbegin() + 1, kTabOrderFromRate.rend());
    reversed.push_back(FLD_ELECTRIC_RATE);
    EXPECT_EQ(back, reversed);
    EXPECT_EQ(platform_->beeps, 0);
}

// The name and the description (the title of the group box the field lies in) of every input
// and of the outputs of each kind; the bin table's fields are named by column and bin.
TEST_F(KeyboardWindow, EveryFieldCarriesTheNameAScreenReaderAnnounces) {
    struct Named {
        int id;
        std::string name;
        std::string description;
    };
    const std::string fuel = "Heating Fuel";
    const std::string equipment = "Equipment Peak Loads and Efficiency";
    const std::string thermostat = "Thermostat Settings";
    // clang-format off
    std::vector<Named> fields = {{1112, "City", ""}, {1135, "Heating Degree Days", ""},
        {1137, "Electric Rate, $/kwh", ""}, {1138, "Summer Design Temp.", ""},
        {1139, "Winter Design Temp.", ""}, {1118, "Cooling", ""}, {1119, "Heating", ""},
        {1144, "Electricity", fuel}, {1145, "Fuel Oil, $/gal", fuel},
        {1146, "Propane, $/gal", fuel}, {1147, "Natural Gas, $/cu.ft.", fuel},
        {1149, "OR, $/unit", fuel}, {1152, "Cost/Yr., Cooling", ""},
        {1153, "Cost/Yr., Heating", ""}, {1157, "Cooling, BTUh rating", equipment},
        {1158, "Heating, BTUh rating", equipment}, {1161, "Cooling, EER", equipment},
        {1162, "Heating, COP", equipment}, {1123, "HOURS, 1 - 8", thermostat},
        {1124, "Summer, 1 - 8", thermostat}, {1125, "Winter, 1 - 8", thermostat},
        {1126, "HOURS, 9 - 16", thermostat}, {1127, "Summer, 9 - 16", thermostat},
        {1128, "Winter, 9 - 16", thermostat}, {1129, "HOURS, 17 - 24", thermostat},
        {1130, "Summer, 17 - 24", thermostat}, {1131, "Winter, 17 - 24", thermostat}};
    // clang-format on
    // Rows run from 100/104 at the top down to 0/4, in steps of 5 degrees.
    const char* columns[] = {"1 - 8", "9 - 16", "17 - 24", "% calc'd"};
    for (int column = 0; column < 4; ++column) {
        for (int bin = 1; bin <= kBinCount; ++bin) {
            fields.push_back({FLD_HOURS_1_8 + kBinCount * column + bin - 1,
                              std::string(columns[column]) + ", " + std::to_string(105 - 5 * bin) +
                                  "/" + std::to_string(109 - 5 * bin),
                              ""});
        }
    }
    Start();
    for (const Named& field : fields) {
        QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(Field(field.id));
        ASSERT_NE(announced, nullptr) << "field " << field.id;
        EXPECT_EQ(announced->text(QAccessible::Name).toStdString(), field.name) << field.id;
        EXPECT_EQ(announced->text(QAccessible::Description).toStdString(), field.description)
            << "field " << field.id;
    }
}

// For every input field, the number just below its range and the one just above (for the
// electric rate 0.05 and 0.35, whose bounds lie just inside), then its largest and smallest.
TEST_F(KeyboardWindow, AValueOutsideItsRangeKeepsTheFocusAndOneInsideLetsItGo) {
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
            // A click into the field, its whole text selected with the keyboard and typed over.
            Act([&] {
                QTest::mouseClick(Field(input.id), Qt::LeftButton);
                Press(Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(QApplication::focusWidget(), text.c_str());
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
