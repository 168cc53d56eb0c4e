// The program's help, data/HELP.HLP with its contents file data/HELP.CNT: both read without a
// fault, every contents entry and every link leads to a topic, every topic can be reached from
// the contents, and what the help states of the form's ranges, the defaults' result and the
// climate data agrees with the engine and the data files.
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

// The facts a reader acts on: the ranges the form accepts, the cities where cooling costs
// nothing, and what the defaults give for Austin.
TEST(ProgramHelp, WhatTheTopicsStateIsWhatTheFormTheEngineAndTheDataDo) {
    ClimateTables tables = LoadClimateTables(kDataDir);
    FormInputs inputs;
    BinCalcResult austin_cooling = ComputeBinCosts(MakeBinCalcInput(inputs, tables), 0.0);
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
        {40, "percent " + Range(kHeatEfficiencyRange.minimum, kHeatEfficiencyRange.maximum)},
        {40, "BTU per watt-hour " +
                 Range(kCoolEerRange.minimum, kCoolEerRange.maximum, "%.1f to %.1f")},
        {40, "(natural gas) " +
                 Range(kFuelPriceRange.minimum, kFuelPriceRange.maximum, "%.1f to %.1f")},
        {40, "$ per kWh more than 0.05 and less than 0.35"},
        {20, "Austin shows a cooling cost of $" + std::to_string(austin_cooling.cooling_cost) +
                 " a year"},
        {41,
         "the seven Alaska entries (6 to 12), arcata (22), los angeles (27), lompoc (33), "
         "kinchloe AFB (92), K I Sawyer AFB (93) and astoria (157)"}};
    for (const auto& [topic, text] : stated) {
        EXPECT_THAT(TopicText(topic), HasSubstr(text)) << "topic " << topic;
    }
}

}  // namespace
}  // namespace heatwise
