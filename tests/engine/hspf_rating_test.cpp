// The HSPF of a heat pump's ratings by the rating procedure's bins, against the procedure's own
// example, and the standard design heating requirements it rounds to.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "engine/hspf_rating.h"

namespace heatwise {
namespace {

RatingPoint Point(double capacity, double watts) {
    return {capacity, capacity / (kBtuPerWattHour * watts)};
}

// The procedure's example: 36,000 BTU/h at 3,000 W at 47 °F, 22,000 BTU/h at 2,600 W at 17 °F,
// Cd 0.25, region IV, DHR 35,000 BTU/h: HSPF 8.18, and 7.65 with the compressor cut out at
// 10 °F and back on at 14 °F, which takes the 12 °F bin to half and the bins below to nothing.
// The certificate shows two decimals.
TEST(engine_HspfRating, TheProceduresExample) {
    struct Case {
        const char* what;
        std::optional<CompressorCutout> cutout;
        std::optional<double> dhr;
        bool with_5_degree_point;
        double hspf;
    };
    const Case cases[] = {
        {"DHR given", std::nullopt, 35000.0, false, 8.18},
        {"DHR from Q47 × 60 / 60 = 36,000, rounded", std::nullopt, std::nullopt, false, 8.18},
        {"a 5 °F point plays no part", std::nullopt, 35000.0, true, 8.18},
        {"cut-out at 10 °F, on at 14 °F", CompressorCutout{10, 14}, 35000.0, false, 7.65},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HspfRatingInput input;
        input.ratings.at47 = Point(36000, 3000);
        input.ratings.at17 = Point(22000, 2600);
        if (c.with_5_degree_point) {
            input.ratings.at5 = Point(20000, 2000);
        }
        input.cycling_degradation = 0.25;
        input.cutout = c.cutout;
        input.region = 4;
        input.design_heating_requirement = c.dhr;
        ASSERT_FALSE(CheckHspfRatingInput(input));
        const HspfRating rating = RateHspf(input);
        EXPECT_EQ(rating.design_heating_requirement, 35000.0);
        EXPECT_EQ(rating.outdoor_design, 5.0);
        EXPECT_EQ(std::round(rating.hspf * 100.0) / 100.0, c.hspf) << rating.hspf;
        ASSERT_EQ(rating.row_count, 15);
        EXPECT_EQ(rating.Rows().front().temperature, 62.0);
        EXPECT_EQ(rating.Rows().back().temperature, -8.0);
        // 62 °F: load 3 / 60 × 0.77 × 35,000 = 1,347.5 BTU/h on 43,000 BTU/h of capacity.
        EXPECT_NEAR(rating.Rows().front().load, 1347.5, 1e-9);
        EXPECT_NEAR(rating.Rows().front().part_load, 1347.5 / 43000.0, 1e-12);
    }
}

// Each region's outdoor design temperature and bins; each region's fractions add up to 1.
TEST(engine_HspfRating, RegionsOfTheProcedure) {
    const struct {
        int region;
        double outdoor_design;
        std::size_t bins;
    } cases[] = {{1, 37, 9}, {2, 27, 10}, {3, 17, 13}, {4, 5, 15}, {5, -10, 18}, {6, 30, 9}};
    for (const auto& c : cases) {
        const RatingRegion* region = FindRatingRegion(c.region);
        ASSERT_NE(region, nullptr);
        EXPECT_EQ(region->outdoor_design, c.outdoor_design);
        EXPECT_EQ(region->fractions.size(), c.bins);
        EXPECT_NEAR(std::accumulate(region->fractions.begin(), region->fractions.end(), 0.0), 1.0,
                    1e-9)
            << c.region;
    }
    EXPECT_EQ(FindRatingRegion(0), nullptr);
    EXPECT_EQ(FindRatingRegion(7), nullptr);
}

// Q47 × (65 - T_OD) / 60 to the nearest of 5,000 ... 50,000 by 5,000, 60,000 ... 110,000 by
// 10,000 and 130,000.
TEST(engine_HspfRating, StandardDesignHeatingRequirements) {
    const double cases[][3] = {
        {36000, 5, 35000},   {37500, 5, 40000},   {37400, 5, 35000},   {2000, 5, 5000},
        {52000, 5, 50000},   {56000, 5, 60000},   {115000, 5, 110000}, {121000, 5, 130000},
        {200000, 5, 130000}, {36000, -10, 45000}, {36000, 30, 20000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StandardDesignHeatingRequirement(c[0], c[1]), c[2]) << c[0] << " at " << c[1];
    }
}

TEST(engine_HspfRating, ProblemsOfTheRegionAndRequirement) {
    HspfRatingInput input;
    input.ratings.at47 = Point(36000, 3000);
    input.ratings.at17 = Point(22000, 2600);
    input.region = 7;
    auto problem = CheckHspfRatingInput(input);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, HeatPumpField::kRegion);
    EXPECT_EQ(problem->message, "region 7 is not one of the rating's climate regions, 1 to 6");
    input.region = 1;
    input.design_heating_requirement = 0.0;
    problem = CheckHspfRatingInput(input);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, HeatPumpField::kDesignHeatingRequirement);
    input.design_heating_requirement = std::nullopt;
    input.cutout = CompressorCutout{20, 5};
    problem = CheckHspfRatingInput(input);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, HeatPumpField::kCutout);
}

}  // namespace
}  // namespace heatwise
