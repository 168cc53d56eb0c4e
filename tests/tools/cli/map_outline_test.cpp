// The state outlines on the map of heatwise-cli compare --svg, read back from the picture with
// expat: every station's dot lies inside the outline of its own state (stations.csv names the
// state), Alaska's and Hawaii's outlines lie in their insets, and a data folder without the
// outline file, or with a bad one, does what the manual says.
#include <expat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "text_fields.h"

namespace heatwise::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(HEATWISE_SOURCE_DIR) / "data";

struct Point {
    double x = 0;
    double y = 0;
};

// The shapes of a picture that the test looks at, with the text of their titles.
struct MapShapes {
    struct Dot {
        Point at;
        std::string title;
    };
    struct Line {
        std::vector<Point> points;
        std::string title;
    };
    struct Box {
        double x, y, width, height;
    };
    struct Label {
        Point at;
        std::string text;
    };
    bool well_formed = false;
    std::vector<Dot> dots;
    std::vector<Line> lines;
    std::vector<Box> boxes;
    std::vector<Label> labels;
};

MapShapes ReadShapes(const std::string& document) {
    struct State {
        MapShapes shapes;
        std::string element;  // the element whose text is being read
        std::string* text = nullptr;
    } state;
    XML_Parser parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(
        parser,
        [](void* data, const XML_Char* name, const XML_Char** attributes) {
            auto& s = *static_cast<State*>(data);
            std::map<std::string, std::string> a;
            for (int i = 0; attributes[i] != nullptr; i += 2) {
                a[attributes[i]] = attributes[i + 1];
            }
            const auto number = [&a](const char* key) { return std::stod(a[key]); };
            const std::string element = name;
            s.text = nullptr;
            if (element == "circle") {
                s.shapes.dots.push_back({{number("cx"), number("cy")}, {}});
            } else if (element == "polyline") {
                MapShapes::Line line;
                std::istringstream points(a["points"]);
                Point p;
                char comma = 0;
                while (points >> p.x >> comma >> p.y) {
                    line.points.push_back(p);
                }
                s.shapes.lines.push_back(line);
            } else if (element == "rect") {
                s.shapes.boxes.push_back(
                    {number("x"), number("y"), number("width"), number("height")});
            } else if (element == "text") {
                s.shapes.labels.push_back({{number("x"), number("y")}, {}});
                s.text = &s.shapes.labels.back().text;
            } else if (element == "title" && s.element == "circle") {
                s.text = &s.shapes.dots.back().title;
            } else if (element == "title" && s.element == "polyline") {
                s.text = &s.shapes.lines.back().title;
            }
            s.element = element;
        },
        [](void* data, const XML_Char*) {
            auto& s = *static_cast<State*>(data);
            s.text = nullptr;
        });
    XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* text, int length) {
        auto& s = *static_cast<State*>(data);
        if (s.text != nullptr) {
            s.text->append(text, static_cast<std::size_t>(length));
        }
    });
    state.shapes.well_formed = XML_Parse(parser, document.data(), static_cast<int>(document.size()),
                                         XML_TRUE) == XML_STATUS_OK;
    XML_ParserFree(parser);
    return state.shapes;
}

struct CliRun {
    int status;
    std::string err;
    std::string picture;  // the SVG written, if any
};

CliRun CompareSvg(const fs::path& data_dir, const std::string& sort, const std::string& name) {
    const fs::path svg = fs::path(::testing::TempDir()) /
                         ("heatwise-map-" + std::to_string(getpid()) + "-" + name + ".svg");
    fs::remove(svg);
    const std::vector<std::string> args = {"compare",         "--sort", sort,        "--data-dir",
                                           data_dir.string(), "--svg",  svg.string()};
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    CliRun run{RunCli(views, out, err), err.str(), {}};
    std::ifstream in(svg, std::ios::binary);
    run.picture.assign(std::istreambuf_iterator<char>(in), {});
    fs::remove(svg);
    return run;
}

// The rows of stations.csv, each field by its column's name.
std::vector<std::map<std::string, std::string>> StationRows() {
    std::ifstream in(kData / "stations.csv");
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> header = climate::SplitCsvLine(line);
    std::vector<std::map<std::string, std::string>> rows;
    while (std::getline(in, line)) {
        const std::vector<std::string> fields = climate::SplitCsvLine(line);
        std::map<std::string, std::string>& row = rows.emplace_back();
        for (std::size_t i = 0; i < header.size() && i < fields.size(); ++i) {
            row[header[i]] = fields[i];
        }
    }
    return rows;
}

// The states whose stations carry each list text (two springfields lie in two states).
std::map<std::string, std::set<std::string>> StationStates() {
    std::map<std::string, std::set<std::string>> states;
    for (const auto& row : StationRows()) {
        states[row.at("list_name")].insert(row.at("state"));
    }
    return states;
}

// The states a line bounds, from its title: "CO–NM" for a border, "FL" for a coast.
std::vector<std::string> Bounds(const std::string& title) {
    const std::string dash = "–";
    const std::size_t at = title.find(dash);
    if (at == std::string::npos) {
        return {title};
    }
    return {title.substr(0, at), title.substr(at + dash.size())};
}

double DistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t =
        length2 == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Whether the point lies inside the state, by the even-odd rule over every segment of the
// lines that bound it, and how far it lies from the nearest of them.
struct Where {
    bool inside = false;
    double to_edge = 1e9;
};

Where Locate(Point p, const MapShapes& shapes, const std::string& state) {
    Where where;
    for (const MapShapes::Line& line : shapes.lines) {
        const std::vector<std::string> bounds = Bounds(line.title);
        if (std::find(bounds.begin(), bounds.end(), state) == bounds.end()) {
            continue;
        }
        for (std::size_t i = 1; i < line.points.size(); ++i) {
            const Point a = line.points[i - 1];
            const Point b = line.points[i];
            where.to_edge = std::min(where.to_edge, DistanceToSegment(p, a, b));
            if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) {
                where.inside = !where.inside;
            }
        }
    }
    return where;
}

TEST(cli_MapOutlines, EveryStationLiesInsideItsOwnState) {
    const std::map<std::string, std::set<std::string>> states = StationStates();
    const CliRun run = CompareSvg(kData, "cooling", "inside");
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.err, "");
    const MapShapes shapes = ReadShapes(run.picture);
    ASSERT_TRUE(shapes.well_formed);
    ASSERT_EQ(shapes.dots.size(), 211u);
    for (const MapShapes::Dot& dot : shapes.dots) {
        const std::string name = dot.title.substr(0, dot.title.rfind(": $"));
        ASSERT_TRUE(states.contains(name)) << dot.title;
        // A station on a border or a shore (El Paso, Key West) may lie just outside once
        // the line is simplified to 0.4 pixel and rounded to 0.01 degree.
        bool found = false;
        for (const std::string& state : states.at(name)) {
            const Where where = Locate(dot.at, shapes, state);
            found = found || where.inside || where.to_edge < 0.5;
        }
        EXPECT_TRUE(found) << dot.title << " at " << dot.at.x << "," << dot.at.y
                           << " is not inside its state";
    }
}

// The lower 48 states keep their shape: a degree of longitude is drawn as long as a degree of
// latitude times the cosine of the middle latitude of 24 to 50 degrees north, between any two
// stations.
TEST(cli_MapOutlines, TheLowerStatesAreDrawnWithLongitudesShrunkByTheCosineOf37Degrees) {
    std::map<std::string, Point> degrees;  // longitude, latitude; names given once only
    std::set<std::string> repeated;
    for (const auto& row : StationRows()) {
        const Point at{std::stod(row.at("longitude")), std::stod(row.at("latitude"))};
        if (at.y > 24 && at.y < 50 && at.x > -125.5 &&
            !degrees.emplace(row.at("list_name"), at).second) {
            repeated.insert(row.at("list_name"));
        }
    }
    const CliRun run = CompareSvg(kData, "cooling", "shape");
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const MapShapes shapes = ReadShapes(run.picture);
    std::vector<std::pair<Point, Point>> stations;  // degrees, drawn
    for (const MapShapes::Dot& dot : shapes.dots) {
        const std::string name = dot.title.substr(0, dot.title.rfind(": $"));
        if (degrees.contains(name) && !repeated.contains(name)) {
            stations.emplace_back(degrees.at(name), dot.at);
        }
    }
    ASSERT_GT(stations.size(), 150u);
    const double shrink = std::cos(37.0 * std::acos(-1.0) / 180);
    const auto& [first, first_drawn] = stations.front();
    for (const auto& [at, drawn] : stations) {
        if (std::abs(at.x - first.x) > 5 && std::abs(at.y - first.y) > 5) {
            const double across = (drawn.x - first_drawn.x) / (at.x - first.x);
            const double up = (first_drawn.y - drawn.y) / (at.y - first.y);
            EXPECT_NEAR(across / up, shrink, 0.005) << at.x << "," << at.y;
        }
    }
}

TEST(cli_MapOutlines, AlaskaAndHawaiiLieInTheirInsets) {
    const CliRun run = CompareSvg(kData, "heating", "insets");
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const MapShapes shapes = ReadShapes(run.picture);
    // An inset is the box that holds its name.
    const auto inset = [&shapes](const std::string& name) {
        for (const MapShapes::Label& label : shapes.labels) {
            for (const MapShapes::Box& box : shapes.boxes) {
                if (label.text == name && box.width < 400 && label.at.x > box.x &&
                    label.at.x < box.x + box.width && label.at.y > box.y &&
                    label.at.y < box.y + box.height) {
                    return box;
                }
            }
        }
        ADD_FAILURE() << "no inset named " << name;
        return MapShapes::Box{0, 0, 0, 0};
    };
    const MapShapes::Box alaska = inset("Alaska");
    const MapShapes::Box hawaii = inset("Hawaii");
    const auto in = [](const MapShapes::Box& box, Point p) {
        return p.x > box.x && p.x < box.x + box.width && p.y > box.y && p.y < box.y + box.height;
    };
    std::map<std::string, int> lines;
    for (const MapShapes::Line& line : shapes.lines) {
        const std::vector<std::string> bounds = Bounds(line.title);
        for (const std::string& state : bounds) {
            ++lines[state];
        }
        const std::string& state = bounds.front();
        for (const Point p : line.points) {
            EXPECT_EQ(in(alaska, p), state == "AK") << line.title << " at " << p.x << "," << p.y;
            EXPECT_EQ(in(hawaii, p), state == "HI") << line.title << " at " << p.x << "," << p.y;
        }
    }
    // Every state and DC has its outline.
    EXPECT_EQ(lines.size(), 51u);
}

// A data folder with the climate files and stations but no outlines, or with a broken outline
// file.
fs::path DataWithout(const std::string& name) {
    const fs::path folder =
        fs::path(::testing::TempDir()) / ("heatwise-map-data-" + std::to_string(getpid())) / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const char* file : {"bindata2.dat", "cities.dat", "stations.csv"}) {
        fs::copy_file(kData / file, folder / file);
    }
    return folder;
}

// Without the outline file the map is drawn bare with a warning; a broken one stops the map.
TEST(cli_MapOutlines, AMissingOutlineFileIsWarnedOfAndABrokenOneStopsTheMap) {
    for (const bool broken : {false, true}) {
        const fs::path folder = DataWithout(broken ? "broken" : "missing");
        const std::string outlines = (folder / "state_outlines.txt").string();
        if (broken) {
            std::ofstream(outlines) << "CO NM -103,37 -109.04,37\nCO -103,37\n";
        }
        const CliRun run = CompareSvg(folder, "cooling", folder.filename().string());
        SCOPED_TRACE(outlines);
        EXPECT_EQ(run.status, broken ? kExitDataError : kExitSuccess);
        EXPECT_EQ(run.err,
                  "heatwise-cli: " +
                      (broken ? outlines + ": line 2: the line has 1 point; a border or a coast "
                                           "needs at least 2 points longitude,latitude\n"
                              : "warning: " + outlines +
                                    " is not there; the map is drawn without state "
                                    "outlines\n"));
        const MapShapes shapes = ReadShapes(run.picture);
        EXPECT_EQ(shapes.well_formed, !broken);
        EXPECT_EQ(shapes.dots.size(), broken ? 0u : 211u);
        EXPECT_EQ(shapes.lines.size(), 0u);
        EXPECT_EQ(run.picture.empty(), broken);
        fs::remove_all(folder);
    }
}

}  // namespace
}  // namespace heatwise::cli
