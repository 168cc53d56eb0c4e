// heatwise-cli's pictures: each SVG is read back with a real XML parser (expat) and checked for
// a few facts a reader relies on, then turned into PNG in screenshots/ where rsvg-convert is
// installed, for a person to look at. The pictures are of the committed climate data.
#include <expat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"

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

// What the parser found: the document's title, how many circles and texts it has.
struct SvgFacts {
    bool well_formed = false;
    std::string root;
    std::string title;
    int circles = 0;
    std::string texts = "\n";  // every text element's text, each on a line of its own
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
        [](void* data, const XML_Char* name, const XML_Char**) {
            auto& s = *static_cast<State*>(data);
            if (s.depth++ == 0) {
                s.facts.root = name;
            }
            s.element = name;
            s.facts.circles += s.element == "circle";
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
    std::vector<std::string> in_texts;  // the starts of lines of text
    std::vector<std::string> not_in_texts = {};
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
         {"winter design", "summer design", "0/4", "100/104", "% calc'd (cooling)"}},
        {"heatwise-cli-compare-heating",
         {"compare", "--sort", "heating"},
         211,
         {"Yearly heating cost of the 211 cities"},
         {"Alaska", "Hawaii", "Costliest", "Cheapest", "H5", "L5"},
         // Every station lies in the lower 48 states, Alaska or Hawaii: no other inset is drawn.
         {"Elsewhere"}},
        {"heatwise-cli-compare-cooling",
         {"compare", "--sort", "cooling"},
         211,
         {"Yearly cooling cost of the 211 cities"},
         {"Cooling cost, $ a year"}},
        // Each of the 11 steps has a marker on both lines.
        {"heatwise-cli-sweep",
         {"sweep", "--city", "chicago", "--vary", "winter=72:62:-1"},
         22,
         {"chicago, IL", "winter goes from 72 to 62"},
         {"Cooling cost (mode Cooling)", "Heating cost (mode Heating)",
          "winter: winter setpoint of every shift"}},
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
        for (const std::string& part : picture.in_texts) {
            EXPECT_NE(facts.texts.find("\n" + part), std::string::npos)
                << picture.name << ": " << part;
        }
        for (const std::string& part : picture.not_in_texts) {
            EXPECT_EQ(facts.texts.find("\n" + part), std::string::npos)
                << picture.name << ": " << part;
        }
    }
}

// A picture that cannot be written stops the command with status 1 before it prints anything,
// and a picture replaced whole leaves no temporary file beside it.
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
    for (const std::string& a_folder : {folder.string(), (folder / "absent").string() + "/"}) {
        EXPECT_EQ(RunArgs({"sweep", "--data-dir", kData.string(), "--vary", "eer=6:8:1", "--svg",
                           a_folder},
                          &out),
                  kExitDataError);
        EXPECT_EQ(out, "heatwise-cli: " + a_folder + ": cannot be written: Is a directory\n");
    }
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(RunArgs({"sweep", "--data-dir", kData.string(), "--vary", "eer=6:8:1", "--svg",
                           (folder / "x.svg").string()}),
                  kExitSuccess);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    fs::remove_all(folder);
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
