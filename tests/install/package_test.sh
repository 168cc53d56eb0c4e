#!/usr/bin/env bash
# The Debian package, unpacked with dpkg-deb -x into a scratch folder rather than installed, and
# tried as its users would: its files are where the system looks for them, its launchers find
# the programs and the climate files from wherever the package was unpacked, and the packaged
# estimator, run from another folder, prints exactly what the build tree's estimator prints
# from the checkout's climate files.
#
#   package_test.sh DEB REFERENCE_CLI WORK_DIR
#
# Without a package (DEB empty or missing) it says how to make one and exits 77, which the
# test suite counts as skipped. scripts/package runs it on every package it makes.
set -euo pipefail
deb=$1 reference=$2 work=$3

fail() {
    echo "package test: $*" >&2
    exit 1
}

if [ -z "$deb" ] || [ ! -f "$deb" ]; then
    echo "package test: skipped: no package${deb:+ at $deb}; scripts/package makes one, and" \
        "configuring with -DHEATWISE_PACKAGE_FILE=PATH.deb names it to this test"
    exit 77
fi
command -v dpkg-deb >/dev/null || fail "dpkg-deb is not installed"
[ -x "$reference" ] || fail "$reference is not an executable file"
# The climate files the packaged estimator reads are the checkout's, so the reference reads
# them from data/ of the checkout this script belongs to.
data=$(cd "$(dirname "$0")/../../data" && pwd)

# The programs run from another folder, so every path given is made absolute first.
reference=$(readlink -f "$reference")
rm -rf "${work:?}"
mkdir -p "$work/caller"
work=$(cd "$work" && pwd)
root=$work/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb cannot unpack $deb"

# The files, where the system and the programs look for them.
for program in usr/bin/heatwise usr/bin/heatwise-cli usr/lib/heatwise/heatwise \
    usr/lib/heatwise/heatwise-cli; do
    [ -x "$root/$program" ] || fail "/$program is not an executable file"
done
for name in HELP.HLP HELP.CNT bindata2.dat cities.dat coldbins.dat stations.csv state_outlines.txt; do
    cmp -s "$root/usr/share/heatwise/$name" "$data/$name" ||
        fail "/usr/share/heatwise/$name differs from data/$name"
done
for name in HELP.HLP HELP.CNT; do
    # The program looks for its help beside itself; the link must stay inside the package.
    link=$root/usr/lib/heatwise/$name
    [ -L "$link" ] || fail "/usr/lib/heatwise/$name is not a link"
    [ "$(readlink -f "$link")" = "$(readlink -f "$root/usr/share/heatwise/$name")" ] ||
        fail "/usr/lib/heatwise/$name does not lead to /usr/share/heatwise/$name"
done
for size in 16 22 24 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/heatwise.png
    [ -f "$icon" ] || fail "no icon of $size pixels"
    # A PNG file's header holds the width and the height at bytes 16 to 23.
    dimensions=$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //')
    expected="0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))"
    [ "$dimensions" = "$expected" ] || fail "the icon of $size pixels measures otherwise"
done
for page in heatwise heatwise-cli; do
    [ -f "$root/usr/share/man/man1/$page.1.gz" ] || fail "no manual page $page(1)"
done
[ -f "$root/usr/share/doc/heatwise/copyright" ] || fail "no copyright file"
entry=$root/usr/share/applications/heatwise.desktop
grep -qx "Exec=/usr/bin/heatwise" "$entry" || fail "the desktop entry does not start /usr/bin/heatwise"
metainfo=$root/usr/share/metainfo/org.heatwise.heatwise.metainfo.xml
[ -f "$metainfo" ] || fail "no software centre description"

# The validators, where the machine has them.
if command -v desktop-file-validate >/dev/null; then
    hints=$(desktop-file-validate "$entry" 2>&1) || fail "the desktop entry is not valid: $hints"
fi
if command -v appstreamcli >/dev/null; then
    report=$(appstreamcli validate --no-net "$metainfo" 2>&1) ||
        fail "the software centre description is not valid: $report"
fi
if command -v man >/dev/null; then
    for page in heatwise heatwise-cli; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
            "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null) ||
            fail "$page(1) does not render"
        [ -z "$warnings" ] || fail "$page(1) renders with warnings: $warnings"
    done
fi

# The packaged estimator from another folder gives the build tree's estimates.
# run_both NAME ARGUMENTS...: runs the command with each estimator and compares the outputs.
run_both() {
    local name=$1 packaged expected
    shift
    packaged=$(cd "$work/caller" && env -u HEATWISE_DATA_DIR "$root/usr/bin/heatwise-cli" "$@" 2>&1) ||
        fail "the packaged heatwise-cli $* failed: $packaged"
    expected=$(cd "$work/caller" && env -u HEATWISE_DATA_DIR "$reference" "$@" --data-dir "$data" 2>&1) ||
        fail "the build tree's heatwise-cli $* failed: $expected"
    [ "$packaged" = "$expected" ] ||
        fail "the packaged heatwise-cli $* prints otherwise than the build tree's:
$(diff <(echo "$expected") <(echo "$packaged") | head -20)"
    printf '%s\n' "$packaged" >"$work/$name.out"
}
run_both estimate estimate --city 1
grep -q "austin, TX" "$work/estimate.out" || fail "the estimate does not name city 1"
grep -Eq '\$ *[0-9]' "$work/estimate.out" || fail "the estimate shows no cost"
run_both estimate-heating estimate --city austin --mode heating --fuel all --csv
run_both compare compare --sort heating --json
[ "$(grep -c '"name"' "$work/compare.out")" -eq 211 ] || fail "the comparison does not hold 211 cities"
run_both sweep sweep --city chicago --vary winter=72:62:-2 --csv
[ "$(wc -l <"$work/sweep.out")" -eq 7 ] || fail "the sweep does not give a row per step"
[ -z "$(ls -A "$work/caller")" ] || fail "the estimator wrote into the caller's folder"
# The map of the comparison reads the stations' places and the state outlines from the
# package's data, and says nothing about them.
said=$(cd "$work/caller" && env -u HEATWISE_DATA_DIR "$root/usr/bin/heatwise-cli" compare \
    --svg map.svg 2>&1 >/dev/null) || fail "the packaged heatwise-cli cannot draw the map: $said"
[ -z "$said" ] || fail "the packaged heatwise-cli said, drawing the map: $said"
[ "$(grep -c '<circle' "$work/caller/map.svg")" -ge 211 ] || fail "the map does not show 211 places"
[ "$(grep -c '<polyline' "$work/caller/map.svg")" -ge 250 ] || fail "the map draws no state outlines"
rm "$work/caller/map.svg"

# The packaged program starts from its launcher: without a display it says so in one line.
status=0
output=$(cd "$work/caller" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$root/usr/bin/heatwise" 2>&1) || status=$?
[ "$status" -eq 1 ] || fail "the packaged heatwise ended with status $status, not 1: $output"
grep -q "cannot open a display" <<<"$output" || fail "the packaged heatwise said: $output"

echo "package test: passed"
