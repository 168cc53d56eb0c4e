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

namespace heatwise {
namespace {

using ::testing::HasSubstr;
using windlass::HelpTopic;

const std::string kDataDir = std::string(HEATWISE_SOURCE_DIR) + "/data";

const windlass::HelpDocument& Document() {
    static const windlass::HelpDocument document = [] {
        windlass::HelpDocumentReading reading = windlass::ReadHelpDocument(kDataDir + "/HELP.HLP");
        EXPECT_TRUE(reading.document) << reading.error;
        return reading.document.value_or(windlass::HelpDocument{});
    }();
    return document;
}

// The words of a topic as a reader sees them; fails the test when there is no such topic.
std::string TopicText(int context) {
    const HelpTopic* topic = Document().Find(context);
    EXPECT_NE(topic, nullptr) << "topic " << context;
    return topic == nullptr ? std::string() : windlass::PlainText(topic->body);
}

std::string Range(double minimum, double maximum, const char* format = "%.0f to %.0f") {
    char text[64];
    std::snprintf(text, sizeof text, format, minimum, maximum);
    return text;
}

TEST(ProgramHelp, EveryTopicIsCompleteReachableFromTheContentsAndLinksOnlyToTopics) {
    windlass::ContentsReading contents = windlass::ReadHelpContents(kDataDir + "/HELP.CNT");
    ASSERT_TRUE(contents.entries) << contents.error;
    ASSERT_FALSE(Document().topics.empty());
    EXPECT_EQ(Document().title, "Heatwise Help");
    EXPECT_EQ(Document().ContentsTopic().context, 1);
    std::set<int> listed;
    for (const windlass::ContentsEntry& entry : *contents.entries) {
        if (entry.context) {
            listed.insert(*entry.context);
            const HelpTopic* topic = Document().Find(*entry.context);
            ASSERT_NE(topic, nullptr) << "HELP.CNT line " << entry.line;
            EXPECT_EQ(entry.title, topic->title) << "HELP.CNT line " << entry.line;
        }
    }
    std::vector<int> from_contents = windlass::LinkedContexts(Document().ContentsTopic().body);
    for (const HelpTopic& topic : Document().topics) {
        EXPECT_FALSE(topic.title.empty() || topic.keywords.empty()) << "topic " << topic.context;
        EXPECT_FALSE(windlass::PlainText(topic.body).empty()) << "topic " << topic.context;
        EXPECT_TRUE(listed.count(topic.context)) << "topic " << topic.context << " not in HELP.CNT";
        bool linked = std::count(from_contents.begin(), from_contents.end(), topic.context) > 0;
        EXPECT_TRUE(topic.context == 1 || linked)
            << "topic " << topic.context << " not linked from the contents topic";
        for (int target : windlass::LinkedContexts(topic.body)) {
            EXPECT_NE(Document().Find(target), nullptr)
                << "topic " << topic.context << " links to topic " << target;
        }
    }
}

TEST(ProgramHelp, WhatTheTopicsStateIsWhatTheFormTheEngineAndTheDataDo) {
    // The worked examples of topics 71 and 72.
    BinCalcInput cooling;
    cooling.mode = CalcMode::kCooling;
    cooling.thermostat_hours = {8, 8, 8};
    cooling.summer_setpoint = {85, 85, 78};
    cooling.winter_setpoint = {65, 60, 75};
    cooling.bin_hours[BinValueIndex(2, 3)] = 100;  // 90/94
    cooling.bin_hours[BinValueIndex(3, 3)] = 20;
    cooling.bin_hours[BinValueIndex(2, 4)] = 200;  // 85/89
    cooling.bin_hours[BinValueIndex(3, 4)] = 80;
    cooling.design = {28, 1700, 97};
    cooling.cool_capacity = 20000;
    cooling.heat_capacity = 20000;
    cooling.heat_efficiency = 85;
    cooling.cool_eer = 6.5f;
    cooling.electric_rate = 0.08f;
    BinCalcResult cooled = ComputeBinCosts(cooling, 0.0);
    BinCalcInput heating = cooling;
    heating.mode = CalcMode::kHeating;
    heating.thermostat_hours = {8, 8, 4};
    heating.bin_hours = {};
    heating.bin_hours[BinValueIndex(1, 15)] = 100;  // 30/34
    heating.bin_hours[BinValueIndex(2, 15)] = 50;
    heating.bin_hours[BinValueIndex(3, 15)] = 150;
    heating.fuel_price = 4.0f;
    std::vector<std::string> heated;
    for (HeatingFuel fuel :
         {HeatingFuel::kFuelOil, HeatingFuel::kPropane, HeatingFuel::kElectricity}) {
        heating.fuel = fuel;
        BinCalcResult result = ComputeBinCosts(heating, 0.0);
        heated.push_back(", shown as " + std::to_string(result.heating_cost));
        EXPECT_EQ(result.heating_degree_hours, 7925);
    }
    // The defaults' first estimate for Austin, and the climate data.
    ClimateTables tables = LoadClimateTables(kDataDir);
    FormInputs inputs;
    BinCalcResult austin_cooling = ComputeBinCosts(MakeBinCalcInput(inputs, tables), 0.0);
    inputs.mode = CalcMode::kHeating;
    BinCalcResult austin_heating = ComputeBinCosts(MakeBinCalcInput(inputs, tables), 0.0);
    std::vector<int> without_cooling;
    for (int city = 1; city <= kCityCount; ++city) {
        if (tables.design.City(city).summer_design <= 78) {
            without_cooling.push_back(city);
        }
    }
    EXPECT_EQ(without_cooling, (std::vector<int>{6, 7, 8, 9, 10, 11, 12, 22, 27, 33, 92, 93, 157}));
    EXPECT_FALSE(kElectricRateRange.Contains(0.05) || kElectricRateRange.Contains(0.35));
    EXPECT_TRUE(kElectricRateRange.Contains(0.051) && kElectricRateRange.Contains(0.349));
    const std::pair<int, std::string> stated[] = {
        {40, "HOURS, each third of the day hours " +
                 Range(kThermostatHoursRange.minimum, kThermostatHoursRange.maximum)},
        {40, "Summer setpoint, each third of the day °F " +
                 Range(kSummerSetpointRange.minimum, kSummerSetpointRange.maximum)},
        {40, "Winter setpoint, each third of the day °F " +
                 Range(kWinterSetpointRange.minimum, kWinterSetpointRange.maximum)},
        {40, "Cooling BTUh rating BTU per hour " +
                 Range(kCapacityRange.minimum, kCapacityRange.maximum)},
        {40, "Heating BTUh rating BTU per hour " +
                 Range(kCapacityRange.minimum, kCapacityRange.maximum)},
        {40, "percent " + Range(kHeatEfficiencyRange.minimum, kHeatEfficiencyRange.maximum)},
        {40, "BTU per watt-hour " +
                 Range(kCoolEerRange.minimum, kCoolEerRange.maximum, "%.1f to %.1f")},
        {40, "(natural gas) " +
                 Range(kFuelPriceRange.minimum, kFuelPriceRange.maximum, "%.1f to %.1f")},
        {40, "$ per kWh more than 0.05 and less than 0.35"},
        {40, "refuses 0.05 and 0.35 themselves"},
        {40, "Type 0.051 or 0.349"},
        {71, "0 × 7 + 100 × 7 + 20 × 14 = 980"},
        {71, "80 × 9 = 720"},
        {71, "980 + 720 = " + std::to_string(cooled.cooling_degree_hours)},
        {71, "shown as " + std::to_string(cooled.percent_calcd[2])},
        {71, "shown as " + std::to_string(cooled.percent_calcd[3])},
        {71, "= $20.92"},
        {71, "The cooling cost shows " + std::to_string(cooled.cooling_cost) +
                 "; the heating cost shows " + std::to_string(cooled.heating_cost) + "."},
        {72, "3300 + 1400 + 3225 = 7925"},
        {72, "$142.89" + heated[0]},
        {72, "$216.95" + heated[1]},
        {72, "$121.41" + heated[2]},
        {20, "Austin shows a cooling cost of $" + std::to_string(austin_cooling.cooling_cost) +
                 " a year"},
        {20, "the heating cost shows $" + std::to_string(austin_heating.heating_cost) + " a year"},
        {41, "In thirteen entries the summer design temperature is 78 °F or lower"},
        {41,
         "the seven Alaska entries (6 to 12), arcata (22), los angeles (27), lompoc (33), "
         "kinchloe AFB (92), K I Sawyer AFB (93) and astoria (157)"},
        {80, "Austin's winter design temperature here is " +
                 std::to_string(tables.design.City(1).winter_design) + " °F"}};
    for (const auto& [topic, text] : stated) {
        EXPECT_THAT(TopicText(topic), HasSubstr(text)) << "topic " << topic;
    }
}

}  // namespace
}  // namespace heatwise
