// The state outlines on the map of heatwise-cli compare --svg, read back from the picture with
// expat: every station's dot lies inside the outline of its own state (stations.csv names the
// state), Alaska's and Hawaii's outlines lie in their insets, and a data folder without the
// outline file, or with a bad one, does what the manual says.
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

#include "cli_run.h"
#include "svg_elements.h"
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
    SvgElements svg;
    std::vector<Dot> dots;
    std::vector<Line> lines;
};

MapShapes ReadShapes(const std::string& document) {
    MapShapes shapes{ReadSvgElements(document), {}, {}};
    const SvgElements& read = shapes.svg;
    for (std::size_t i = 0; i < read.elements.size(); ++i) {
        const SvgElement& e = read.elements[i];
        if (e.name == "circle") {
            shapes.dots.push_back({{e.Number("cx"), e.Number("cy")}, {}});
        } else if (e.name == "polyline") {
            MapShapes::Line& line = shapes.lines.emplace_back();
            std::istringstream points(e.Attribute("points"));
            Point p;
            char comma = 0;
            while (points >> p.x >> comma >> p.y) {
                line.points.push_back(p);
            }
        } else if (e.name == "title" && read.Inside(i, "circle")) {
            shapes.dots.back().title = e.text;
        } else if (e.name == "title" && read.Inside(i, "polyline")) {
            shapes.lines.back().title = e.text;
        }
    }
    return shapes;
}

// Runs compare --svg: its status and messages, and the picture it wrote, if any.
struct MapRun : CliRun {
    std::string picture;
};

MapRun CompareSvg(const fs::path& data_dir, const std::string& sort, const std::string& name) {
    const fs::path svg = ScratchFolder("maps") / (name + ".svg");
    fs::remove(svg);
    return {RunCliOn({"compare", "--sort", sort, "--data-dir", data_dir.string(), "--svg",
                      svg.string()}),
            FileText(svg)};
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
    const MapRun run = CompareSvg(kData, "cooling", "inside");
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.err, "");
    const MapShapes shapes = ReadShapes(run.picture);
    ASSERT_TRUE(shapes.svg.well_formed);
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
    const MapRun run = CompareSvg(kData, "cooling", "shape");
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
    const MapRun run = CompareSvg(kData, "heating", "insets");
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const MapShapes shapes = ReadShapes(run.picture);
    const auto in = [](const SvgElement& box, Point p) {
        return p.x > box.Number("x") && p.x < box.Number("x") + box.Number("width") &&
               p.y > box.Number("y") && p.y < box.Number("y") + box.Number("height");
    };
    // An inset is the box that holds its name.
    const auto inset = [&shapes, &in](const std::string& name) {
        for (const SvgElement& label : shapes.svg.Named("text")) {
            for (const SvgElement& box : shapes.svg.Named("rect")) {
                if (label.text == name && box.Number("width") < 400 &&
                    in(box, {label.Number("x"), label.Number("y")})) {
                    return box;
                }
            }
        }
        ADD_FAILURE() << "no inset named " << name;
        return SvgElement{
            "rect", {{"x", "0"}, {"y", "0"}, {"width", "0"}, {"height", "0"}}, "", -1};
    };
    const SvgElement alaska = inset("Alaska");
    const SvgElement hawaii = inset("Hawaii");
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
    fs::remove_all(kScratch / ("map-data-" + name));
    const fs::path folder = ScratchFolder("map-data-" + name);
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
        const MapRun run = CompareSvg(folder, "cooling", folder.filename().string());
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
        EXPECT_EQ(shapes.svg.well_formed, !broken);
        EXPECT_EQ(shapes.dots.size(), broken ? 0u : 211u);
        EXPECT_EQ(shapes.lines.size(), 0u);
        EXPECT_EQ(run.picture.empty(), broken);
    }
}

}  // namespace
}  // namespace heatwise::cli
