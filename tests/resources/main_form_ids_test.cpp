// The identifiers of app/form_ids.h, which the program and its resource script share: their
// numbers, and that the compiled resources carry the form and the menu under them.

#include <gtest/gtest.h>

#include "form_ids.h"
#include "resources/resource_lookup.h"

namespace heatwise {
namespace {

TEST(resources_FormIds, ResourcesAndCommands) {
    EXPECT_EQ(DLG_MAIN, 102);
    EXPECT_EQ(MENU_MAIN, 30001);
    EXPECT_EQ(CMD_HELP, 40002);
    EXPECT_EQ(CMD_EXIT, 40004);
    EXPECT_NE(windlass::FindDialog(DLG_MAIN), nullptr);
    EXPECT_TRUE(windlass::FindData(windlass::kTypeRcData, DLG_MAIN));
    EXPECT_NE(windlass::FindMenu(MENU_MAIN), nullptr);
}

TEST(resources_FormIds, BinColumnsHoldValueKAtField1027PlusK) {
    EXPECT_EQ(FLD_HOURS_1_8, 1028);
    EXPECT_EQ(FLD_HOURS_9_16, 1049);
    EXPECT_EQ(FLD_HOURS_17_24, 1070);
    EXPECT_EQ(FLD_PCT_CALCD, 1091);
    // Value k = 21 x (shift - 1) + bin of a city's bin hours.
    for (int shift = 1; shift <= 3; ++shift) {
        const int column[] = {FLD_HOURS_1_8, FLD_HOURS_9_16, FLD_HOURS_17_24};
        for (int bin = 1; bin <= 21; ++bin) {
            int k = 21 * (shift - 1) + bin;
            EXPECT_EQ(column[shift - 1] + bin - 1, 1027 + k);
        }
    }
}

TEST(resources_FormIds, NamedFields) {
    EXPECT_EQ(FLD_CITY, 1112);
    EXPECT_EQ(FLD_DEGREE_DAYS, 1135);
    EXPECT_EQ(FLD_ELECTRIC_RATE, 1137);
    EXPECT_EQ(FLD_SUMMER_DESIGN, 1138);
    EXPECT_EQ(FLD_WINTER_DESIGN, 1139);
    EXPECT_EQ(FLD_FUEL_ELECTRIC, 1144);
    EXPECT_EQ(FLD_FUEL_OIL, 1145);
    EXPECT_EQ(FLD_FUEL_PROPANE, 1146);
    EXPECT_EQ(FLD_FUEL_GAS, 1147);
    EXPECT_EQ(FLD_FUEL_PRICE, 1149);
    EXPECT_EQ(FLD_MODE_COOLING, 1118);
    EXPECT_EQ(FLD_MODE_HEATING, 1119);
    EXPECT_EQ(FLD_COST_COOLING, 1152);
    EXPECT_EQ(FLD_COST_HEATING, 1153);
    EXPECT_EQ(FLD_COOL_CAPACITY, 1157);
    EXPECT_EQ(FLD_HEAT_CAPACITY, 1158);
    EXPECT_EQ(FLD_COOL_EER, 1161);
    EXPECT_EQ(FLD_HEAT_EFF, 1162);
    EXPECT_EQ(FLD_TSTAT_HOURS_1, 1123);
    EXPECT_EQ(FLD_TSTAT_SUMMER_1, 1124);
    EXPECT_EQ(FLD_TSTAT_WINTER_1, 1125);
    EXPECT_EQ(FLD_TSTAT_HOURS_2, 1126);
    EXPECT_EQ(FLD_TSTAT_SUMMER_2, 1127);
    EXPECT_EQ(FLD_TSTAT_WINTER_2, 1128);
    EXPECT_EQ(FLD_TSTAT_HOURS_3, 1129);
    EXPECT_EQ(FLD_TSTAT_SUMMER_3, 1130);
    EXPECT_EQ(FLD_TSTAT_WINTER_3, 1131);
}

}  // namespace
}  // namespace heatwise
