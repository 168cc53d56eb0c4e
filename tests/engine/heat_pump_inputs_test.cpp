// What the heat-pump model refuses: each input or combination it cannot work with is named, with
// what is wrong and why.
#include <gtest/gtest.h>

#include <optional>

#include "engine/climate_data.h"
#include "engine/heat_pump_inputs.h"

namespace heatwise {
namespace {

constexpr int kBin0To4 = 21;

// A unit rated 36,000 BTU/h at COP 3.5 and 22,000 at COP 2.5, against an oil furnace at 85 %.
HeatPumpInput Acceptable() {
    HeatPumpInput input;
    input.form.fuel = HeatingFuel::kFuelOil;
    input.form.heat_efficiency = 85;
    input.unit.ratings.at47 = {36000, 3.5};
    input.unit.ratings.at17 = {22000, 2.5};
    return input;
}

std::int32_t& Hours(HeatPumpInput& input, int shift, int bin) {
    return input.form.bin_hours[static_cast<std::size_t>(BinValueIndex(shift, bin))];
}

std::int32_t& ColdHours(HeatPumpInput& input, int shift, int bin) {
    return input.cold_hours[static_cast<std::size_t>(ColdBinValueIndex(shift, bin))];
}

TEST(engine_HeatPump, ProblemsNameTheInputAndWhy) {
    struct Case {
        void (*spoil)(HeatPumpInput&);
        HeatPumpField field;
        const char* message;
    };
    const Case cases[] = {
        {[](HeatPumpInput& in) { in.unit.ratings.at47.capacity = 0; }, HeatPumpField::kCapacity47,
         "the capacity at 47 °F is 0 BTU/h: a rated capacity must be above 0"},
        {[](HeatPumpInput& in) { in.unit.ratings.at17.cop = -1; }, HeatPumpField::kCop17,
         "the COP at 17 °F is -1: a rated COP must be above 0"},
        {[](HeatPumpInput& in) {
             in.unit.ratings.at35 = RatingPoint{30000, 0};
         },
         HeatPumpField::kCop35, "the COP at 35 °F is 0: a rated COP must be above 0"},
        {[](HeatPumpInput& in) {
             in.unit.ratings.at5 = RatingPoint{-5, 2};
         },
         HeatPumpField::kCapacity5,
         "the capacity at 5 °F is -5 BTU/h: a rated capacity must be above 0"},
        {[](HeatPumpInput& in) { in.unit.cycling_degradation = 1; },
         HeatPumpField::kCyclingDegradation,
         "the cycling degradation coefficient is 1: it must be at least 0 and below 1, or the "
         "part-load factor would not be above 0"},
        {[](HeatPumpInput& in) {
             in.unit.cutout = CompressorCutout{14, 10};
         },
         HeatPumpField::kCutout,
         "the compressor cut-out at 14 °F is above its cut-in at 10 °F: it cannot come back on "
         "below the temperature it stops at"},
        {[](HeatPumpInput& in) {
             in.unit.switchover = {SwitchoverRule::kAuto, 0};
         },
         HeatPumpField::kSwitchover,
         "a switchover needs the furnace as backup heat: with electric resistance there is "
         "nothing to switch over to"},
        {[](HeatPumpInput& in) { in.form.fuel = static_cast<HeatingFuel>(-999); },
         HeatPumpField::kFuel,
         "no heating fuel is chosen: the heat pump is weighed against the furnace of one of the "
         "four fuels"},
        {[](HeatPumpInput& in) { in.form.heat_efficiency = 0; }, HeatPumpField::kHeatEfficiency,
         "the furnace efficiency is 0 %: the furnace's heat cannot be priced unless it is above 0"},
        {[](HeatPumpInput& in) {
             Hours(in, 2, kBin0To4) = 10;
             ColdHours(in, 2, 22) = 7;
             ColdHours(in, 2, 31) = 5;
         },
         HeatPumpField::kColdHours,
         "shift 2 has 12 hours below 0 °F, more than the 10 of its 0/4 °F bin, which counts them"},
        {[](HeatPumpInput& in) { ColdHours(in, 3, 23) = -1; }, HeatPumpField::kColdHours,
         "shift 3, bin -10/-6 °F holds -1 hours: hours cannot be below 0"},
    };
    EXPECT_FALSE(CheckHeatPumpInput(Acceptable()));
    for (const Case& c : cases) {
        HeatPumpInput input = Acceptable();
        c.spoil(input);
        const std::optional<HeatPumpProblem> problem = CheckHeatPumpInput(input);
        ASSERT_TRUE(problem) << c.message;
        EXPECT_EQ(problem->field, c.field);
        EXPECT_EQ(problem->message, c.message);
    }
}

}  // namespace
}  // namespace heatwise
