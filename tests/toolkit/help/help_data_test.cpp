// The program's help, data/HELP.HLP with its contents file data/HELP.CNT: both read without a
// fault, every contents entry and every link leads to a topic, every topic can be reached from
// the contents, and what the help states of the form's ranges, the worked examples, the
// defaults' results and the climate data agrees with the engine and the data files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "bin_calc.h"
#include "climate_data.h"
#include "form_defaults.h"
#include "form_inputs.h"
#include "help/help_contents.h"
#include "help/help_document.h"
#include "help/help_text.h"

namespace {

using ::testing::HasSubstr;
using windlass::ContentsEntry;
using windlass::HelpDocument;
using windlass::HelpTopic;

const std::string kDataDir = std::string(HEATWISE_SOURCE_DIR) + "/data";

class ProgramHelp : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        windlass::HelpDocumentReading reading = windlass::ReadHelpDocument(kDataDir + "/HELP.HLP");
        ASSERT_TRUE(reading.document) << reading.error;
        document_ = new HelpDocument(std::move(*reading.document));
        windlass::ContentsReading contents = windlass::ReadHelpContents(kDataDir + "/HELP.CNT");
        ASSERT_TRUE(contents.entries) << contents.error;
        contents_ = new std::vector<ContentsEntry>(std::move(*contents.entries));
    }
    static void TearDownTestSuite() {
        delete document_;
        delete contents_;
    }

    // The words of a topic as a reader sees them; fails the test when there is no such topic.
    static std::string TopicText(int context) {
        const HelpTopic* topic = document_->Find(context);
        EXPECT_NE(topic, nullptr) << "topic " << context;
        return topic == nullptr ? std::string() : windlass::PlainText(topic->body);
    }

    static HelpDocument* document_;
    static std::vector<ContentsEntry>* contents_;
};

HelpDocument* ProgramHelp::document_ = nullptr;
std::vector<ContentsEntry>* ProgramHelp::contents_ = nullptr;

TEST_F(ProgramHelp, EveryTopicIsCompleteReachableFromTheContentsAndLinksOnlyToTopics) {
    EXPECT_EQ(document_->title, "Heatwise Help");
    const int contents_topic = document_->ContentsTopic().context;
    EXPECT_EQ(contents_topic, 1);
    std::set<int> listed;
    for (const ContentsEntry& entry : *contents_) {
        if (entry.context) {
            listed.insert(*entry.context);
            const HelpTopic* topic = document_->Find(*entry.context);
            ASSERT_NE(topic, nullptr) << "HELP.CNT line " << entry.line;
            EXPECT_EQ(entry.title, topic->title) << "HELP.CNT line " << entry.line;
        }
    }
    std::vector<int> from_contents = windlass::LinkedContexts(document_->ContentsTopic().body);
    for (const HelpTopic& topic : document_->topics) {
        EXPECT_FALSE(topic.title.empty() || topic.keywords.empty()) << "topic " << topic.context;
        EXPECT_FALSE(windlass::PlainText(topic.body).empty()) << "topic " << topic.context;
        EXPECT_TRUE(listed.count(topic.context)) << "topic " << topic.context << " not in HELP.CNT";
        bool linked = std::count(from_contents.begin(), from_contents.end(), topic.context) > 0;
        EXPECT_TRUE(topic.context == contents_topic || linked)
            << "topic " << topic.context << " not linked from the contents topic";
        for (int target : windlass::LinkedContexts(topic.body)) {
            EXPECT_NE(document_->Find(target), nullptr)
                << "topic " << topic.context << " links to topic " << target;
        }
    }
}

std::string OneDecimal(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
    return text;
}

std::string Range(const heatwise::IntegerRange& range) {
    return std::to_string(range.minimum) + " to " + std::to_string(range.maximum);
}

TEST_F(ProgramHelp, TheRangesTableStatesTheFormsRanges) {
    std::string ranges = TopicText(40);
    EXPECT_THAT(ranges, HasSubstr("HOURS, each third of the day hours " +
                                  Range(heatwise::kThermostatHoursRange)));
    EXPECT_THAT(ranges, HasSubstr("Summer setpoint, each third of the day °F " +
                                  Range(heatwise::kSummerSetpointRange)));
    EXPECT_THAT(ranges, HasSubstr("Winter setpoint, each third of the day °F " +
                                  Range(heatwise::kWinterSetpointRange)));
    EXPECT_THAT(ranges,
                HasSubstr("Cooling BTUh rating BTU per hour " + Range(heatwise::kCapacityRange)));
    EXPECT_THAT(ranges,
                HasSubstr("Heating BTUh rating BTU per hour " + Range(heatwise::kCapacityRange)));
    EXPECT_THAT(ranges, HasSubstr("percent " + Range(heatwise::kHeatEfficiencyRange)));
    EXPECT_THAT(ranges,
                HasSubstr("BTU per watt-hour " + OneDecimal(heatwise::kCoolEerRange.minimum) +
                          " to " + OneDecimal(heatwise::kCoolEerRange.maximum)));
    EXPECT_THAT(ranges, HasSubstr("(natural gas) " + OneDecimal(heatwise::kFuelPriceRange.minimum) +
                                  " to " + OneDecimal(heatwise::kFuelPriceRange.maximum)));
    EXPECT_THAT(ranges, HasSubstr("$ per kWh more than 0.05 and less than 0.35"));
}

TEST_F(ProgramHelp, WhatItSaysOfTheElectricRateLimitsIsWhatTheFieldDoes) {
    EXPECT_THAT(TopicText(40), HasSubstr("refuses 0.05 and 0.35 themselves"));
    EXPECT_THAT(TopicText(40), HasSubstr("Type 0.051 or 0.349"));
    EXPECT_FALSE(heatwise::kElectricRateRange.Contains(0.05));
    EXPECT_FALSE(heatwise::kElectricRateRange.Contains(0.35));
    EXPECT_TRUE(heatwise::kElectricRateRange.Contains(0.051));
    EXPECT_TRUE(heatwise::kElectricRateRange.Contains(0.349));
}

TEST_F(ProgramHelp, TheCoolingWorkedExampleIsWhatTheEngineComputes) {
    heatwise::BinCalcInput input;
    input.mode = heatwise::CalcMode::kCooling;
    input.thermostat_hours = {8, 8, 8};
    input.summer_setpoint = {85, 85, 78};
    input.winter_setpoint = {65, 60, 75};
    input.bin_hours[heatwise::BinValueIndex(2, 3)] = 100;  // 90/94
    input.bin_hours[heatwise::BinValueIndex(3, 3)] = 20;
    input.bin_hours[heatwise::BinValueIndex(2, 4)] = 200;  // 85/89
    input.bin_hours[heatwise::BinValueIndex(3, 4)] = 80;
    input.design = {28, 1700, 97};
    input.cool_capacity = 20000;
    input.heat_capacity = 20000;
    input.heat_efficiency = 85;
    input.cool_eer = 6.5f;
    input.electric_rate = 0.08f;

    heatwise::BinCalcResult result = heatwise::ComputeBinCosts(input, 0.0);

    EXPECT_EQ(result.cooling_degree_hours, 1700);
    EXPECT_EQ(result.percent_calcd[2], 57);
    EXPECT_EQ(result.percent_calcd[3], 42);
    EXPECT_EQ(result.cooling_cost, 20);
    EXPECT_EQ(result.heating_cost, 0);
    std::string text = TopicText(71);
    EXPECT_THAT(text, HasSubstr("0 × 7 + 100 × 7 + 20 × 14 = 980"));
    EXPECT_THAT(text, HasSubstr("80 × 9 = 720"));
    EXPECT_THAT(text, HasSubstr("980 + 720 = 1700"));
    EXPECT_THAT(text, HasSubstr("shown as 57"));
    EXPECT_THAT(text, HasSubstr("shown as 42"));
    EXPECT_THAT(text, HasSubstr("= $20.92"));
    EXPECT_THAT(text, HasSubstr("The cooling cost shows 20; the heating cost shows 0."));
}

TEST_F(ProgramHelp, TheHeatingWorkedExampleIsWhatTheEngineComputes) {
    struct Case {
        heatwise::HeatingFuel fuel;
        std::string shown;
        int cost;
    };
    const std::vector<Case> cases = {
        {heatwise::HeatingFuel::kFuelOil, "$142.89, shown as 142", 142},
        {heatwise::HeatingFuel::kPropane, "$216.95, shown as 216", 216},
        {heatwise::HeatingFuel::kElectricity, "$121.41, shown as 121", 121},
    };
    std::string text = TopicText(72);
    EXPECT_THAT(text, HasSubstr("3300 + 1400 + 3225 = 7925"));
    for (const Case& c : cases) {
        heatwise::BinCalcInput input;
        input.mode = heatwise::CalcMode::kHeating;
        input.fuel = c.fuel;
        input.thermostat_hours = {8, 8, 4};
        input.summer_setpoint = {85, 85, 78};
        input.winter_setpoint = {65, 60, 75};
        input.bin_hours[heatwise::BinValueIndex(1, 15)] = 100;  // 30/34
        input.bin_hours[heatwise::BinValueIndex(2, 15)] = 50;
        input.bin_hours[heatwise::BinValueIndex(3, 15)] = 150;
        input.design = {28, 1700, 97};
        input.heat_capacity = 20000;
        input.heat_efficiency = 85;
        input.electric_rate = 0.08f;
        input.fuel_price = 4.0f;
        input.cool_eer = 6.5f;

        heatwise::BinCalcResult result = heatwise::ComputeBinCosts(input, 0.0);

        EXPECT_EQ(result.scaled_hours[heatwise::BinValueIndex(3, 15)], 75);
        EXPECT_EQ(result.heating_degree_hours, 7925);
        EXPECT_EQ(result.percent_calcd[14], 100);
        EXPECT_EQ(result.heating_cost, c.cost);
        EXPECT_EQ(result.cooling_cost, 0);
        EXPECT_THAT(text, HasSubstr(c.shown));
    }
}

TEST_F(ProgramHelp, TheFirstEstimateQuotesWhatTheDefaultsGiveForAustin) {
    heatwise::ClimateTables tables = heatwise::LoadClimateTables(kDataDir);
    heatwise::FormInputs inputs;
    heatwise::BinCalcResult cooling =
        heatwise::ComputeBinCosts(heatwise::MakeBinCalcInput(inputs, tables), 0.0);
    inputs.mode = heatwise::CalcMode::kHeating;
    heatwise::BinCalcResult heating =
        heatwise::ComputeBinCosts(heatwise::MakeBinCalcInput(inputs, tables), 0.0);

    std::string text = TopicText(20);
    EXPECT_THAT(text, HasSubstr("Austin shows a cooling cost of $" +
                                std::to_string(cooling.cooling_cost) + " a year"));
    EXPECT_THAT(text, HasSubstr("the heating cost shows $" + std::to_string(heating.heating_cost) +
                                " a year"));
}

TEST_F(ProgramHelp, TheCitiesNamedWithoutCoolingCostAreExactlyThoseOfTheData) {
    heatwise::ClimateTables tables = heatwise::LoadClimateTables(kDataDir);
    std::vector<int> without_cooling;
    for (int city = 1; city <= heatwise::kCityCount; ++city) {
        if (tables.design.City(city).summer_design <= 78) {
            without_cooling.push_back(city);
        }
    }
    EXPECT_EQ(without_cooling, (std::vector<int>{6, 7, 8, 9, 10, 11, 12, 22, 27, 33, 92, 93, 157}));
    std::string text = TopicText(41);
    EXPECT_THAT(text, HasSubstr("In thirteen entries the summer design temperature is 78 °F or "
                                "lower"));
    EXPECT_THAT(text, HasSubstr("the seven Alaska entries (6 to 12), arcata (22), los angeles "
                                "(27), lompoc (33), kinchloe AFB (92), K I Sawyer AFB (93) and "
                                "astoria (157)"));
    EXPECT_THAT(TopicText(80),
                HasSubstr("Austin's winter design temperature here is " +
                          std::to_string(tables.design.City(1).winter_design) + " °F"));
}

}  // namespace
