// heatwise-cli's pictures: each SVG is read back with a real XML parser (expat) and checked for
// a few facts a reader relies on, then turned into PNG in screenshots/ where rsvg-convert is
// installed, for a person to look at. The pictures are of the committed climate data.
#include <expat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "svg_document.h"

namespace heatwise::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(HEATWISE_SOURCE_DIR) / "data";
const fs::path kPictures = fs::path(HEATWISE_BINARY_DIR) / "screenshots";

int RunArgs(const std::vector<std::string>& args, std::string* out = nullptr) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out_text;
    std::ostringstream err_text;
    const int status = RunCli(views, out_text, err_text);
    if (out != nullptr) {
        *out = out_text.str() + err_text.str();
    }
    return status;
}

// A text element: where it stands, how it is anchored there, its size, its weight and its text.
struct SvgText {
    double x = 0;
    double y = 0;
    std::string anchor = "start";
    double size = 0;
    bool bold = false;
    std::string text;
};

// What the parser found: the document's title, how many circles and texts it has.
struct SvgFacts {
    bool well_formed = false;
    std::string root;
    std::string title;
    int circles = 0;
    std::string texts = "\n";  // every text element's text, each on a line of its own
    std::vector<SvgText> text_elements;
};

SvgFacts ReadSvg(const fs::path& file) {
    struct State {
        SvgFacts facts;
        int depth = 0;
        std::string element;
    } state;
    XML_Parser parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(
        parser,
        [](void* data, const XML_Char* name, const XML_Char** attributes) {
            auto& s = *static_cast<State*>(data);
            if (s.depth++ == 0) {
                s.facts.root = name;
            }
            s.element = name;
            s.facts.circles += s.element == "circle";
            if (s.element == "text") {
                SvgText text;
                for (const XML_Char** a = attributes; *a != nullptr; a += 2) {
                    const std::string key = a[0];
                    if (key == "x" || key == "y" || key == "font-size") {
                        (key == "x" ? text.x : key == "y" ? text.y : text.size) = std::stod(a[1]);
                    } else if (key == "text-anchor") {
                        text.anchor = a[1];
                    } else if (key == "font-weight") {
                        text.bold = std::string(a[1]) == "bold";
                    }
                }
                s.facts.text_elements.push_back(text);
            }
        },
        [](void* data, const XML_Char* name) {
            auto& s = *static_cast<State*>(data);
            --s.depth;
            s.facts.texts += std::string(name) == "text" ? "\n" : "";
            s.element.clear();
        });
    XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* text, int length) {
        auto& s = *static_cast<State*>(data);
        if (s.element == "title" && s.depth == 2) {
            s.facts.title.append(text, static_cast<std::size_t>(length));
        } else if (s.element == "text") {
            s.facts.texts.append(text, static_cast<std::size_t>(length));
            s.facts.text_elements.back().text.append(text, static_cast<std::size_t>(length));
        }
    });
    std::ifstream in(file, std::ios::binary);
    const std::string document((std::istreambuf_iterator<char>(in)), {});
    state.facts.well_formed =
        !document.empty() && XML_Parse(parser, document.data(), static_cast<int>(document.size()),
                                       XML_TRUE) == XML_STATUS_OK;
    XML_ParserFree(parser);
    return state.facts;
}

// A cost from a JSON report, such as "cooling_cost".
std::string Cost(const std::string& json, const std::string& key) {
    const std::size_t at = json.find("\"" + key + "\": ") + key.size() + 4;
    return json.substr(at, json.find_first_of(",\n}", at) - at);
}

struct Picture {
    std::string name;
    std::vector<std::string> args;
    int circles;
    std::vector<std::string> in_title;
    std::vector<std::string> in_texts;           // the starts of lines of text
    std::vector<std::string> not_in_texts = {};  // parts of text that the subtitle lacks
};

// The pictures of the three commands, with what each must show.
std::vector<Picture> Pictures() {
    const std::string data = kData.string();
    std::string cooling;
    std::string heating;
    RunArgs({"estimate", "--data-dir", data, "--city", "chicago", "--json"}, &cooling);
    RunArgs({"estimate", "--data-dir", data, "--city", "chicago", "--mode", "heating", "--json"},
            &heating);
    return {
        // The "% calc'd" line has a marker in each of the 21 bins, and one in the legend.
        {"heatwise-cli-estimate",
         {"estimate", "--city", "chicago"},
         22,
         {"chicago, IL: cooling $" + Cost(cooling, "cooling_cost") + " and heating $" +
          Cost(heating, "heating_cost") + " a year"},
         {"winter design 1 °F", "summer design 88 °F", "0/4", "100/104", "% calc'd (cooling)",
          "Cooling cost worked out in mode Cooling, heating cost in mode Heating, heating fuel "
          "Electricity"}},
        // Barrow's winter design temperature lies below the axis's 0 °F, Glendale's summer one
        // above its 105 °F.
        {"heatwise-cli-estimate-barrow",
         {"estimate", "--city", "barrow", "--mode", "heating"},
         22,
         {"barrow: cooling $0 and heating $"},
         {"winter design -34 °F, off the scale", "summer design 53 °F", "% calc'd (heating)"}},
        {"heatwise-cli-estimate-glendale",
         {"estimate", "--city", "glendale", "--fuel", "all"},
         22,
         {"glendale: cooling $", " a year (heating with Electricity)"},
         {"summer design 110 °F, off the scale",
          "Cooling in mode Cooling; heating in mode "
          "Heating: electricity $963, oil $"}},
        // Each map names the inputs of the cost it shows, and only those.
        {"heatwise-cli-compare-heating",
         {"compare", "--sort", "heating", "--fuel", "gas", "--fuel-price", "0.012"},
         211,
         {"Yearly heating cost of the 211 cities"},
         {"Alaska", "Hawaii", "Costliest", "Cheapest", "H5", "L5",
          "Heating fuel Natural Gas at $0.012/cu.ft., 20000 BTUh at 85 %; thermostat hours 8 8 8, "
          "winter setpoints 65 60 75 °F"},
         {"EER", "summer", "electric rate"}},
        {"heatwise-cli-compare-cooling",
         {"compare", "--sort", "cooling"},
         211,
         {"Yearly cooling cost of the 211 cities"},
         {"Cooling cost, $ a year",
          "Cooling 20000 BTUh at EER 6.50, electric rate $0.08/kWh; thermostat hours 8 8 8, "
          "summer setpoints 85 85 78 °F"},
         {"Heating fuel", "winter", "85 %"}},
        // Each of the 11 steps has a marker on both lines.
        {"heatwise-cli-sweep",
         {"sweep", "--city", "chicago", "--vary", "winter=72:62:-1"},
         22,
         {"chicago, IL", "winter goes from 72 to 62"},
         {"Cooling cost (mode Cooling)", "Heating cost (mode Heating)",
          "winter: winter setpoint of every shift"}},
        // The varied input is given by its range, not by the value of the first step.
        {"heatwise-cli-sweep-rate",
         {"sweep", "--city", "chicago", "--vary", "rate=0.06:0.34:0.02"},
         30,
         {"chicago, IL: yearly cost as rate goes from 0.06 to 0.34"},
         {"Heating fuel Electricity, electric rate $0.06 to $0.34/kWh, EER 6.50, heating "
          "efficiency 85 %"}},
        // The heat pump's sweep draws its cost, the furnace's and the saving at each of 16 steps,
        // its subtitle broken into lines that fit the picture.
        {"heatwise-cli-sweep-heat-pump",
         {"sweep",           "--heat-pump",
          "--city",          "chicago",
          "--vary",          "capacity47=18000:48000:2000",
          "--cop47",         "3.8",
          "--capacity17",    "25000",
          "--cop17",         "2.6",
          "--capacity5",     "21000",
          "--cop5",          "2.1",
          "--heat-capacity", "40000",
          "--heat-eff",      "95",
          "--fuel",          "gas",
          "--fuel-price",    "0.015",
          "--rate",          "0.13",
          "--backup",        "fuel",
          "--switchover",    "auto"},
         48,
         {"chicago, IL: yearly heating cost as capacity47 goes from 18000 to 48000"},
         {"Heat pump BTUh/COP 18000 to 48000/3.8 at 47 °F, 25000/2.6 at 17 °F, 21000/2.1 at 5 °F;",
          "backup furnace 95 %, switchover auto; electricity $0.13/kWh, gas $0.015/cu.ft.",
          "Heat pump and backup", "Natural Gas furnace at 95 % alone", "Saving over the furnace",
          "capacity47: heat pump's capacity at 47 °F, BTUh"}},
        // One shift's setpoint is given by its range among the others'.
        {"heatwise-cli-sweep-heat-pump-winter",
         {"sweep", "--heat-pump", "--city", "chicago", "--vary", "winter2=60:70:5", "--capacity47",
          "36000", "--cop47", "3.8", "--capacity17", "25000", "--cop17", "2.6"},
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
    std::vector<std::string> args = picture.args;
    args.insert(args.end(), {"--data-dir", kData.string(), "--svg", file.string()});
    EXPECT_EQ(RunArgs(args), kExitSuccess) << picture.name;
    return file;
}

TEST(cli_Svg, EachPictureIsWellFormedAndShowsItsFacts) {
    for (const Picture& picture : Pictures()) {
        const SvgFacts facts = ReadSvg(WritePicture(picture));
        ASSERT_TRUE(facts.well_formed) << picture.name;
        EXPECT_EQ(facts.root, "svg") << picture.name;
        EXPECT_EQ(facts.circles, picture.circles) << picture.name;
        for (const std::string& part : picture.in_title) {
            EXPECT_NE(facts.title.find(part), std::string::npos) << facts.title;
        }
        // The heading stands out in bold above its plain subtitle.
        ASSERT_GT(facts.text_elements.size(), 1u) << picture.name;
        EXPECT_TRUE(facts.text_elements[0].bold) << picture.name;
        EXPECT_FALSE(facts.text_elements[1].bold) << picture.name;
        for (const std::string& part : picture.in_texts) {
            EXPECT_NE(facts.texts.find("\n" + part), std::string::npos)
                << picture.name << ": " << part;
        }
        for (const std::string& part : picture.not_in_texts) {
            EXPECT_EQ(facts.text_elements[1].text.find(part), std::string::npos)
                << picture.name << " (its subtitle): " << part;
        }
    }
}

// A picture that cannot be written stops the command with status 1 before it prints anything,
// and a picture replaced whole leaves no temporary file beside it.
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

TEST(cli_Svg, AFileThatCannotBeWrittenIsReported) {
    const fs::path folder =
        fs::path(::testing::TempDir()) / ("heatwise-svg-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::string out;
    EXPECT_EQ(RunArgs({"sweep", "--data-dir", kData.string(), "--vary", "eer=6:8:1", "--svg",
                       (folder / "absent" / "x.svg").string()},
                      &out),
              kExitDataError);
    EXPECT_EQ(out, "heatwise-cli: " + (folder / "absent" / "x.svg").string() +
                       ": cannot be written: No such file or directory\n");
    // A name that ends in '/' is a folder's, whether or not the folder exists.
    const std::pair<std::string, std::string> folders[] = {
        {folder.string(),
         "is a folder, not a plain file; only a plain file is replaced, so nothing was written"},
        {(folder / "absent").string() + "/", "names a folder, not a file to write"}};
    for (const auto& [a_folder, reason] : folders) {
        EXPECT_EQ(RunArgs({"sweep", "--data-dir", kData.string(), "--vary", "eer=6:8:1", "--svg",
                           a_folder},
                          &out),
                  kExitDataError);
        EXPECT_EQ(out, "heatwise-cli: " + a_folder + ": " + reason + "\n");
    }
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(RunArgs({"sweep", "--data-dir", kData.string(), "--vary", "eer=6:8:1", "--svg",
                           (folder / "x.svg").string()}),
                  kExitSuccess);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    fs::remove_all(folder);
}

// The labels of the design temperatures stand clear of each other and inside the picture, however
// close the temperatures: Barbers Point's 60 and 91 °F, Key West's 58 and 89 °F, and the made-up
// 62 and 63 °F of a city of its own. A label is taken as wide as 0.6 of its size for each
// character, about what the usual sans-serif fonts draw.
TEST(cli_Svg, DesignLabelsNeverOverlap) {
    const fs::path close =
        fs::path(::testing::TempDir()) / ("heatwise-close-" + std::to_string(::getpid()));
    fs::create_directories(close);
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
        ASSERT_EQ(RunArgs({"estimate", "--data-dir", data.string(), "--city", city, "--svg",
                           file.string()}),
                  kExitSuccess);
        struct Extent {
            double y, left, right;
        };
        std::vector<Extent> labels;
        for (const SvgText& text : ReadSvg(file).text_elements) {
            if (text.text.find(" design ") == std::string::npos) {
                continue;
            }
            std::size_t characters = 0;
            for (const char c : text.text) {
                characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            }
            const double width = 0.6 * text.size * static_cast<double>(characters);
            const double left = text.anchor == "end"      ? text.x - width
                                : text.anchor == "middle" ? text.x - width / 2
                                                          : text.x;
            labels.push_back({text.y, left, left + width});
            EXPECT_GE(left, 0) << city << ": " << text.text;
            EXPECT_LE(left + width, 960) << city << ": " << text.text;
        }
        ASSERT_EQ(labels.size(), 2u) << city;
        const bool same_row = std::abs(labels[0].y - labels[1].y) < 12;
        EXPECT_FALSE(same_row && labels[0].left < labels[1].right &&
                     labels[1].left < labels[0].right)
            << city;
    }
    fs::remove_all(close);
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
