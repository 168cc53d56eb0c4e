#!/usr/bin/env node
// Makes data/state_outlines.txt, the state borders and coasts that heatwise-cli draws under the
// dots of its map, from the U.S. Census Bureau's state boundaries as the npm package us-atlas
// holds them (states-10m.json: TopoJSON, quantized, in degrees of longitude and latitude).
//
//   node tools/outlines/make_outlines.js PATH/TO/us-atlas OUTPUT
//
// Only Node's own modules are used: the TopoJSON is decoded here. The tool is run by hand when
// the boundaries are to be remade; the build never runs it. See data/README.md.
"use strict";

const fs = require("fs");
const path = require("path");

// The 50 states and the District of Columbia by their FIPS codes; the territories are left out.
const kStates = {
    "01": "AL", "02": "AK", "04": "AZ", "05": "AR", "06": "CA", "08": "CO", "09": "CT",
    "10": "DE", "11": "DC", "12": "FL", "13": "GA", "15": "HI", "16": "ID", "17": "IL",
    "18": "IN", "19": "IA", "20": "KS", "21": "KY", "22": "LA", "23": "ME", "24": "MD",
    "25": "MA", "26": "MI", "27": "MN", "28": "MS", "29": "MO", "30": "MT", "31": "NE",
    "32": "NV", "33": "NH", "34": "NJ", "35": "NM", "36": "NY", "37": "NC", "38": "ND",
    "39": "OH", "40": "OK", "41": "OR", "42": "PA", "44": "RI", "45": "SC", "46": "SD",
    "47": "TN", "48": "TX", "49": "UT", "50": "VT", "51": "VA", "53": "WA", "54": "WV",
    "55": "WI", "56": "WY",
};

// The map draws the lower 48 at about 15.2 pixels a degree of latitude, Alaska's inset at 5.4
// and Hawaii's at 18.5. A line is simplified until it strays at most 0.4 pixel from the
// boundary, and an island smaller than 0.8 pixel across is left out, as it would be a speck.
const kDegreesPerPixel = { AK: 1 / 5.4, HI: 1 / 18.5, other: 1 / 15.2 };
const kTolerancePixels = 0.4;
const kSmallestIslandPixels = 0.8;

function Fail(text) {
    process.stderr.write("make_outlines: " + text + "\n");
    process.exit(1);
}

// Arcs are quantized: each position is the sum of the deltas before it, in steps of the
// transform's scale from its translate.
function DecodeArcs(topology) {
    const transform = topology.transform;
    if (!transform || !Array.isArray(topology.arcs)) {
        Fail("the file is not a quantized TopoJSON topology (no transform or arcs)");
    }
    const [sx, sy] = transform.scale;
    const [tx, ty] = transform.translate;
    return topology.arcs.map((arc) => {
        let x = 0;
        let y = 0;
        return arc.map(([dx, dy]) => {
            x += dx;
            y += dy;
            return [x * sx + tx, y * sy + ty];
        });
    });
}

// The rings of a Polygon or MultiPolygon, each a list of arc references (a negative reference
// ~i is arc i reversed).
function RingsOf(geometry) {
    if (geometry.type === "Polygon") {
        return geometry.arcs;
    }
    if (geometry.type === "MultiPolygon") {
        return geometry.arcs.flat();
    }
    Fail("state " + geometry.id + " is a " + geometry.type + ", not a polygon");
}

// Size of a line in degrees of latitude, longitudes shrunk by the cosine of its latitude.
function Extent(points) {
    const lats = points.map((p) => p[1]);
    const shrink = Math.cos(((Math.min(...lats) + Math.max(...lats)) / 2) * (Math.PI / 180));
    const lons = points.map((p) => p[0]);
    return Math.max((Math.max(...lons) - Math.min(...lons)) * shrink,
                    Math.max(...lats) - Math.min(...lats));
}

// Douglas-Peucker on a locally shrunk plane; the ends stay, so that lines still meet at the
// points where three states or a state and the sea meet.
function Simplify(points, tolerance) {
    const mid = points.reduce((sum, p) => sum + p[1], 0) / points.length;
    const shrink = Math.cos(mid * (Math.PI / 180));
    const keep = new Array(points.length).fill(false);
    keep[0] = keep[points.length - 1] = true;
    const distance = (p, a, b) => {
        const [px, py, ax, ay, bx, by] = [p[0] * shrink, p[1], a[0] * shrink, a[1], b[0] * shrink, b[1]];
        const dx = bx - ax;
        const dy = by - ay;
        const length2 = dx * dx + dy * dy;
        const t = length2 === 0 ? 0 : Math.max(0, Math.min(1, ((px - ax) * dx + (py - ay) * dy) / length2));
        return Math.hypot(px - (ax + t * dx), py - (ay + t * dy));
    };
    const stack = [[0, points.length - 1]];
    while (stack.length > 0) {
        const [first, last] = stack.pop();
        let farthest = -1;
        let worst = tolerance;
        for (let i = first + 1; i < last; ++i) {
            const d = distance(points[i], points[first], points[last]);
            if (d > worst) {
                worst = d;
                farthest = i;
            }
        }
        if (farthest >= 0) {
            keep[farthest] = true;
            stack.push([first, farthest], [farthest, last]);
        }
    }
    return points.filter((_, i) => keep[i]);
}

function Degrees(value) {
    return value.toFixed(2).replace(/\.?0+$/, "").replace(/^-0$/, "0");
}

function Main() {
    const [atlas, output] = process.argv.slice(2);
    if (!atlas || !output) {
        Fail("usage: make_outlines.js PATH/TO/us-atlas OUTPUT");
    }
    const version = JSON.parse(fs.readFileSync(path.join(atlas, "package.json"), "utf8")).version;
    const topology = JSON.parse(fs.readFileSync(path.join(atlas, "states-10m.json"), "utf8"));
    const arcs = DecodeArcs(topology);

    // Which states each arc bounds: one for a coast or a border with another country, two for
    // a border between states. Each arc is written once, so a border is drawn once.
    const bounds = arcs.map(() => new Set());
    const islands = new Set();  // arcs that close on themselves as a ring of one state
    const found = new Set();
    for (const geometry of topology.objects.states.geometries) {
        const code = kStates[geometry.id];
        if (!code) {
            continue;
        }
        found.add(code);
        for (const ring of RingsOf(geometry)) {
            for (const reference of ring) {
                bounds[reference < 0 ? ~reference : reference].add(code);
            }
            if (ring.length === 1) {
                islands.add(ring[0] < 0 ? ~ring[0] : ring[0]);
            }
        }
    }
    const missing = Object.values(kStates).filter((code) => !found.has(code));
    if (missing.length > 0) {
        Fail("states-10m.json lacks " + missing.join(", "));
    }

    const lines = [];
    arcs.forEach((arc, index) => {
        const states = [...bounds[index]].sort();
        if (states.length === 0) {
            return;
        }
        const region = states.includes("AK") ? "AK" : states.includes("HI") ? "HI" : "other";
        const pixel = kDegreesPerPixel[region];
        // Alaska's Aleutians reach past the 180th meridian; their longitudes go on west of
        // -180 so that the chain is one piece on the map.
        let points = arc.map(([lon, lat]) => [region === "AK" && lon > 0 ? lon - 360 : lon, lat]);
        if (islands.has(index) && states.length === 1 && Extent(points) < kSmallestIslandPixels * pixel) {
            return;
        }
        // Where three states meet, the boundaries hold a speck of an arc that all three
        // share (California, Nevada and Oregon at 42 N, 120 W); it is no border to draw.
        if (states.length > 2) {
            if (Extent(points) >= kTolerancePixels * pixel) {
                Fail("an arc of " + states.join(", ") + " bounds more than two states");
            }
            return;
        }
        points = Simplify(points, kTolerancePixels * pixel);
        const texts = points.map(([lon, lat]) => Degrees(lon) + "," + Degrees(lat));
        const distinct = texts.filter((text, i) => i === 0 || text !== texts[i - 1]);
        if (distinct.length >= 2) {
            lines.push(states.join(" ") + " " + distinct.join(" "));
        }
    });
    lines.sort();

    const header = [
        "# State outlines for heatwise-cli's map: the 50 states and the District of Columbia, from",
        "# the U.S. Census Bureau's cartographic state boundaries, 2017 edition (public domain), as",
        "# states-10m.json of the npm package us-atlas " + version + " (ISC licence), made by",
        "# tools/outlines/make_outlines.js. Each line below is a border or a coast: the postal codes",
        "# of the one or two states it bounds, then two or more points longitude,latitude in degrees.",
    ];
    fs.writeFileSync(output, header.concat(lines).join("\n") + "\n");
    const points = lines.reduce((sum, line) => sum + line.split(" ").filter((w) => w.includes(",")).length, 0);
    process.stdout.write(output + ": " + lines.length + " lines, " + points + " points\n");
}

Main();
