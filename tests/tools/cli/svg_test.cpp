// heatwise-cli's pictures: each SVG is read back with a real XML parser (expat) and checked for
// a few facts a reader relies on, then turned into PNG in screenshots/ where rsvg-convert is
// installed, for a person to look at. The pictures are of the committed climate data.
#include <unistd.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "svg_document.h"
#include "svg_elements.h"

namespace heatwise::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(HEATWISE_SOURCE_DIR) / "data";
const fs::path kPictures = fs::path(HEATWISE_BINARY_DIR) / "screenshots";

struct Picture {
    std::string name;
    std::string command;  // run on the committed climate data
    std::size_t circles;
    std::vector<std::string> in_title;
    std::vector<std::string> in_texts;           // the starts of lines of text
    std::vector<std::string> not_in_texts = {};  // parts of text that the subtitle lacks
};

// The pictures of the three commands, with what each must show.
std::vector<Picture> Pictures() {
    // A cost from the JSON report of Chicago's estimate, such as "cooling_cost".
    const auto cost = [](const std::string& options, const char* key) {
        const std::string command = "estimate --city chicago --json --data-dir " + kData.string();
        return nlohmann::json::parse(Cli(command + options).out)[key].dump();
    };
    return {
        // The "% calc'd" line has a marker in each of the 21 bins, and one in the legend.
        {"heatwise-cli-estimate",
         "estimate --city chicago",
         22,
         {"chicago, IL: cooling $" + cost("", "cooling_cost") + " and heating $" +
          cost(" --mode heating", "heating_cost") + " a year"},
         {"winter design 1 °F", "summer design 88 °F", "0/4", "100/104", "% calc'd (cooling)",
          "Cooling cost worked out in mode Cooling, heating cost in mode Heating, heating fuel "
          "Electricity"}},
        // Barrow's winter design temperature lies below the axis's 0 °F, Glendale's summer one
        // above its 105 °F.
        {"heatwise-cli-estimate-barrow",
         "estimate --city barrow --mode heating",
         22,
         {"barrow: cooling $0 and heating $"},
         {"winter design -34 °F, off the scale", "summer design 53 °F", "% calc'd (heating)"}},
        {"heatwise-cli-estimate-glendale",
         "estimate --city glendale --fuel all",
         22,
         {"glendale: cooling $", " a year (heating with Electricity)"},
         {"summer design 110 °F, off the scale",
          "Cooling in mode Cooling; heating in mode "
          "Heating: electricity $963, oil $"}},
        // Each map names the inputs of the cost it shows, and only those.
        {"heatwise-cli-compare-heating",
         "compare --sort heating --fuel gas --fuel-price 0.012",
         211,
         {"Yearly heating cost of the 211 cities"},
         {"Alaska", "Hawaii", "Costliest", "Cheapest", "H5", "L5",
          "Heating fuel Natural Gas at $0.012/cu.ft., 20000 BTUh at 85 %; thermostat hours 8 8 8, "
          "winter setpoints 65 60 75 °F"},
         {"EER", "summer", "electric rate"}},
        {"heatwise-cli-compare-cooling",
         "compare --sort cooling",
         211,
         {"Yearly cooling cost of the 211 cities"},
         {"Cooling cost, $ a year",
          "Cooling 20000 BTUh at EER 6.50, electric rate $0.08/kWh; thermostat hours 8 8 8, "
          "summer setpoints 85 85 78 °F"},
         {"Heating fuel", "winter", "85 %"}},
        // Each of the 11 steps has a marker on both lines.
        {"heatwise-cli-sweep",
         "sweep --city chicago --vary winter=72:62:-1",
         22,
         {"chicago, IL", "winter goes from 72 to 62"},
         {"Cooling cost (mode Cooling)", "Heating cost (mode Heating)",
          "winter: winter setpoint of every shift"}},
        // The varied input is given by its range, not by the value of the first step.
        {"heatwise-cli-sweep-rate",
         "sweep --city chicago --vary rate=0.06:0.34:0.02",
         30,
         {"chicago, IL: yearly cost as rate goes from 0.06 to 0.34"},
         {"Heating fuel Electricity, electric rate $0.06 to $0.34/kWh, EER 6.50, heating "
          "efficiency 85 %"}},
        // The heat pump's sweep draws its cost, the furnace's and the saving at each of 16 steps,
        // its subtitle broken into lines that fit the picture.
        {"heatwise-cli-sweep-heat-pump",
         "sweep --heat-pump --city chicago --vary capacity47=18000:48000:2000 --cop47 3.8 "
         "--capacity17 25000 --cop17 2.6 --capacity5 21000 --cop5 2.1 --heat-capacity 40000 "
         "--heat-eff 95 --fuel gas --fuel-price 0.015 --rate 0.13 --backup fuel --switchover auto",
         48,
         {"chicago, IL: yearly heating cost as capacity47 goes from 18000 to 48000"},
         {"Heat pump BTUh/COP 18000 to 48000/3.8 at 47 °F, 25000/2.6 at 17 °F, 21000/2.1 at 5 °F;",
          "backup furnace 95 %, switchover auto; electricity $0.13/kWh, gas $0.015/cu.ft.",
          "Heat pump and backup", "Natural Gas furnace at 95 % alone", "Saving over the furnace",
          "capacity47: heat pump's capacity at 47 °F, BTUh"}},
        // One shift's setpoint is given by its range among the others'.
        {"heatwise-cli-sweep-heat-pump-winter",
         "sweep --heat-pump --city chicago --vary winter2=60:70:5 --capacity47 36000 --cop47 3.8 "
         "--capacity17 25000 --cop17 2.6",
         9,
         {"chicago, IL: yearly heating cost as winter2 goes from 60 to 70"},
         {"thermostat hours 8 8 8, winter setpoints 65 (60 to 70) 75 °F",
          "winter2: winter setpoint of hours 9-16, °F"}},
    };
}

// Writes the picture into screenshots/ and returns its file.
fs::path WritePicture(const Picture& picture) {
    fs::create_directories(kPictures);
    const fs::path file = kPictures / (picture.name + ".svg");
    std::vector<std::string> args = Words(picture.command);
    args.insert(args.end(), {"--data-dir", kData.string(), "--svg", file.string()});
    EXPECT_EQ(RunCliOn(args).status, kExitSuccess) << picture.name;
    return file;
}

TEST(cli_Svg, EachPictureIsWellFormedAndShowsItsFacts) {
    for (const Picture& picture : Pictures()) {
        SCOPED_TRACE(picture.name);
        const SvgElements svg = ReadSvgElements(FileText(WritePicture(picture)));
        ASSERT_TRUE(svg.well_formed);
        EXPECT_EQ(svg.elements.front().name, "svg");
        EXPECT_EQ(svg.Named("circle").size(), picture.circles);
        std::string title;  // of the picture as a whole
        for (const SvgElement& element : svg.Named("title")) {
            title += element.parent == 0 ? element.text : "";
        }
        for (const std::string& part : picture.in_title) {
            EXPECT_NE(title.find(part), std::string::npos) << title;
        }
        // The heading stands out in bold above its plain subtitle.
        const std::vector<SvgElement> texts = svg.Named("text");
        ASSERT_GT(texts.size(), 1u);
        EXPECT_EQ(texts[0].Attribute("font-weight"), "bold");
        EXPECT_NE(texts[1].Attribute("font-weight"), "bold");
        std::string lines = "\n";  // every text on a line of its own
        for (const SvgElement& text : texts) {
            lines += text.text + "\n";
        }
        for (const std::string& part : picture.in_texts) {
            EXPECT_NE(lines.find("\n" + part), std::string::npos) << part;
        }
        for (const std::string& part : picture.not_in_texts) {
            EXPECT_EQ(texts[1].text.find(part), std::string::npos) << "(its subtitle) " << part;
        }
    }
}

// Positions are written to a hundredth, halves away from zero, with no trailing zeros and no
// sign on a zero; a position too large for hundredths is written whole.
TEST(cli_Svg, PositionsAreWrittenToAHundredth) {
    const std::pair<double, const char*> cases[] = {
        {0.125, "0.13"}, {0.124, "0.12"},    {-0.125, "-0.13"},
        {0.375, "0.38"}, {2.5, "2.5"},       {3.0, "3"},
        {-0.004, "0"},   {1234.5, "1234.5"}, {1e14, "100000000000000"},
    };
    for (const auto& [position, text] : cases) {
        SvgDocument svg(10, 10, "t");
        svg.Circle(position, 0, 1, Filled("#000000"));
        std::smatch written;
        const std::string document = svg.Finish();
        ASSERT_TRUE(std::regex_search(document, written, std::regex(R"re(cx="([^"]*)")re")));
        EXPECT_EQ(written[1], text) << position;
    }
}

// A picture that cannot be written stops the command with status 1 before it prints anything.
// Every command writes its picture as the program's tests show for estimate, which replaces a
// plain file only and leaves no temporary file beside it.
TEST(cli_Svg, AFileThatCannotBeWrittenIsReported) {
    const fs::path folder = ScratchFolder("svg");
    // A name that ends in '/' is a folder's, whether or not the folder exists.
    const std::pair<std::string, std::string> cases[] = {
        {(folder / "absent" / "x.svg").string(), "cannot be written: No such file or directory"},
        {(folder / "absent").string() + "/", "names a folder, not a file to write"},
    };
    for (const auto& [file, reason] : cases) {
        const CliRun run =
            RunCliOn({"sweep", "--data-dir", kData.string(), "--vary", "eer=6:8:1", "--svg", file});
        EXPECT_EQ(run.status, kExitDataError);
        EXPECT_EQ(run.out + run.err, "heatwise-cli: " + file + ": " + reason + "\n");
    }
}

// The labels of the design temperatures stand clear of each other and inside the picture, however
// close the temperatures: Barbers Point's 60 and 91 °F, Key West's 58 and 89 °F, and the made-up
// 62 and 63 °F of a city of its own. A label is taken as wide as 0.6 of its size for each
// character, about what the usual sans-serif fonts draw.
TEST(cli_Svg, DesignLabelsNeverOverlap) {
    const fs::path close = ScratchFolder("close-design");
    {
        std::ofstream bins(close / "bindata2.dat");
        std::ofstream design(close / "cities.dat");
        for (int city = 1; city <= 211; ++city) {
            for (int value = 1; value <= 63; ++value) {
                bins << (value == 1 ? "" : " ") << 10;
            }
            bins << "\n";
            design << "62 100 63\n";
        }
    }
    const std::pair<fs::path, std::string> cases[] = {
        {kData, "barbers point NAS"}, {kData, "key west"}, {close, "1"}};
    for (const auto& [data, city] : cases) {
        const fs::path file = close / "design.svg";
        ASSERT_EQ(RunCliOn({"estimate", "--data-dir", data.string(), "--city", city, "--svg",
                            file.string()})
                      .status,
                  kExitSuccess);
        struct Extent {
            double y, left, right;
        };
        std::vector<Extent> labels;
        for (const SvgElement& text : ReadSvgElements(FileText(file)).Named("text")) {
            if (text.text.find(" design ") == std::string::npos) {
                continue;
            }
            std::size_t characters = 0;
            for (const char c : text.text) {
                characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            }
            const double width = 0.6 * text.Number("font-size") * static_cast<double>(characters);
            const std::string anchor = text.Attribute("text-anchor", "start");
            const double x = text.Number("x");
            const double left = anchor == "end"      ? x - width
                                : anchor == "middle" ? x - width / 2
                                                     : x;
            labels.push_back({text.Number("y"), left, left + width});
            EXPECT_GE(left, 0) << city << ": " << text.text;
            EXPECT_LE(left + width, 960) << city << ": " << text.text;
        }
        ASSERT_EQ(labels.size(), 2u) << city;
        const bool same_row = std::abs(labels[0].y - labels[1].y) < 12;
        EXPECT_FALSE(same_row && labels[0].left < labels[1].right &&
                     labels[1].left < labels[0].right)
            << city;
    }
}

// Where there is room, each label stands on its own side of its line, 5 from it: Chicago's
// winter design (1 °F) to the right of its line, its summer design (88 °F) to the left of its own.
TEST(cli_Svg, EachDesignLabelStandsOnItsOwnSideWhereThereIsRoom) {
    const fs::path file = ScratchFolder("design-sides") / "chicago.svg";
    ASSERT_EQ(RunCliOn({"estimate", "--data-dir", kData.string(), "--city", "chicago", "--svg",
                        file.string()})
                  .status,
              kExitSuccess);
    const SvgElements svg = ReadSvgElements(FileText(file));
    std::vector<double> lines;
    for (const SvgElement& line : svg.Named("line")) {
        if (line.Attribute("stroke-dasharray") == "6 4" && line.Number("x1") == line.Number("x2")) {
            lines.push_back(line.Number("x1"));
        }
    }
    std::vector<SvgElement> labels;
    for (const SvgElement& text : svg.Named("text")) {
        if (text.text.find(" design ") != std::string::npos) {
            labels.push_back(text);
        }
    }
    ASSERT_EQ(lines.size(), 2u);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].text, "winter design 1 °F");
    EXPECT_EQ(labels[0].Attribute("text-anchor", "start"), "start");
    EXPECT_NEAR(labels[0].Number("x"), lines[0] + 5, 0.01);
    EXPECT_EQ(labels[1].text, "summer design 88 °F");
    EXPECT_EQ(labels[1].Attribute("text-anchor", "start"), "end");
    EXPECT_NEAR(labels[1].Number("x"), lines[1] - 5, 0.01);
}

// rsvg-convert draws each picture as a person sees it; the PNGs are for looking at.
TEST(cli_Svg, PicturesConvertToPng) {
    if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
    }
    for (const Picture& picture : Pictures()) {
        const fs::path svg = WritePicture(picture);
        // Each run draws into a file of its own and then puts it in place whole, as another
        // run of the same test may be drawing the same picture.
        const fs::path png = kPictures / (picture.name + ".png");
        const fs::path drawn = png.string() + "." + std::to_string(getpid());
        const std::string convert =
            "rsvg-convert --format=png --output='" + drawn.string() + "' '" + svg.string() + "'";
        EXPECT_EQ(std::system(convert.c_str()), 0) << convert;
        EXPECT_GT(fs::exists(drawn) ? fs::file_size(drawn) : 0, 10000u) << drawn;
        fs::rename(drawn, png);
    }
}

}  // namespace
}  // namespace heatwise::cli
