#!/usr/bin/env bash
# The installation made by cmake --install from a finished build, tried as its users would:
#   layout      the programs in their folder, the help and climate files in the data folder
#               with links to the help beside the program; launchers on the PATH; the icon at
#               every theme size, a valid desktop entry, the manual pages and the copyright
#   estimator   the installed heatwise-cli reads the installed climate files from any folder
#   no-display  without a display the program says in one line what to do, and exits with 1
#   no-qt       the command-line estimator and the climate derivation link no Qt
#   find-package
#               another CMake project builds against the installed Windlass a program that links
#               only the core and one that links the Qt backend; both run with no display, the
#               second also opens a window on Qt's offscreen platform
#   subdirectory
#               another CMake project takes this checkout in by add_subdirectory, builds and runs
#               its program of the core alone, and the build plan of its Qt program holds the
#               toolkit's two libraries (building the backend again would take minutes and show
#               nothing the test build does not)
#
#   installation_test.sh CHECK SOURCE_DIR BUILD_DIR WORK_DIR CMAKE_COMMAND
# No pipe ends in grep -q here: grep stops reading at its first match, and the writer's broken
# pipe would then fail the pipeline under pipefail, at random.
set -euo pipefail
check=$1 source=$2 build=$3 work=$4 cmake=$5

fail() {
    echo "installation test '$check': $*" >&2
    exit 1
}

# Each check installs afresh into a folder of its own.
rm -rf "$work/$check"
mkdir -p "$work/$check"
prefix=$work/$check/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/$check/install.log" ||
    fail "cmake --install failed (see $work/$check/install.log)"
app=$prefix/lib/heatwise
data=$prefix/share/heatwise

case $check in
layout)
    for program in "$app/heatwise" "$app/heatwise-cli" "$prefix/bin/heatwise" \
        "$prefix/bin/heatwise-cli"; do
        [ -x "$program" ] || fail "$program is not an executable file"
    done
    for name in HELP.HLP HELP.CNT bindata2.dat cities.dat coldbins.dat stations.csv state_outlines.txt; do
        cmp -s "$data/$name" "$source/data/$name" || fail "$data/$name differs from data/$name"
    done
    for name in HELP.HLP HELP.CNT; do
        [ "$(readlink -f "$app/$name")" = "$(readlink -f "$data/$name")" ] ||
            fail "$app/$name does not lead to $data/$name"
    done
    cmp -s "$prefix/share/icons/hicolor/256x256/apps/heatwise.png" \
        "$source/resources/heatwise.png" || fail "the icon is not the program's"
    for size in 16 22 24 32 48 64 128; do
        [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/heatwise.png" ] ||
            fail "no icon of $size pixels"
    done
    for page in heatwise heatwise-cli; do
        [ -s "$prefix/share/man/man1/$page.1.gz" ] || fail "no manual page $page(1)"
    done
    [ -s "$prefix/share/doc/heatwise/copyright" ] || fail "no copyright file"
    [ -s "$prefix/share/metainfo/org.heatwise.heatwise.metainfo.xml" ] ||
        fail "no software centre description"
    entry=$prefix/share/applications/heatwise.desktop
    grep -qx "Exec=$prefix/bin/heatwise" "$entry" || fail "$entry does not start the launcher"
    grep -qx "Icon=heatwise" "$entry" || fail "$entry names no icon"
    if command -v desktop-file-validate >/dev/null; then
        hints=$(desktop-file-validate "$entry" 2>&1) || fail "$entry is not valid: $hints"
        [ -z "$hints" ] || fail "desktop-file-validate hints at $entry: $hints"
    fi
    [ -f "$prefix/include/windlass/windlass.h" ] || fail "the public header is not installed"
    ;;
estimator)
    caller=$work/$check/caller
    mkdir -p "$caller"
    output=$(cd "$caller" && env -u HEATWISE_DATA_DIR "$prefix/bin/heatwise-cli" estimate \
        --city 1 --csv 2>&1) || fail "heatwise-cli estimate failed: $output"
    grep -q "austin, TX" <<<"$output" || fail "no estimate for city 1: $output"
    [ -z "$(ls -A "$caller")" ] || fail "the estimator wrote into the caller's folder"
    if output=$(cd "$caller" && env -u HEATWISE_DATA_DIR "$prefix/bin/heatwise-cli" estimate \
        --data-dir "$caller" 2>&1); then
        fail "an empty folder named by --data-dir was not used"
    fi
    grep -q "bindata2.dat" <<<"$output" || fail "the missing file is not named: $output"
    ;;
no-display)
    # Nothing set at all, and Qt told to use an X server that is not there.
    for platform in "" xcb; do
        status=0
        output=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$platform" \
            "$prefix/bin/heatwise" 2>&1) || status=$?
        [ "$status" -eq 1 ] || fail "exit status $status, not 1: $output"
        [ "$(wc -l <<<"$output")" -eq 1 ] || fail "more than one line: $output"
        grep -q "cannot open a display" <<<"$output" || fail "no display is not named: $output"
        grep -q "xvfb-run" <<<"$output" && grep -q "heatwise-cli" <<<"$output" ||
            fail "the line does not say what to do: $output"
    done
    ;;
no-qt)
    for program in "$build/tools/cli/heatwise-cli" "$build/tools/climate/heatwise-derive"; do
        [ -x "$program" ] || fail "$program is not built"
        libraries=$(ldd "$program")
        if grep -q "libQt" <<<"$libraries"; then fail "$program links Qt"; fi
    done
    ;;
find-package | subdirectory)
    consumer=$work/$check/consumer
    if [ "$check" = find-package ]; then
        configure=(-DCMAKE_PREFIX_PATH="$prefix")
    else
        configure=(-DHEATWISE_CHECKOUT="$source")
    fi
    "$cmake" -S "$source/tests/install/consumer" -B "$consumer" -G Ninja \
        -DCMAKE_BUILD_TYPE=Release "${configure[@]}" >"$work/$check/configure.log" 2>&1 ||
        fail "the consumer does not configure (see $work/$check/configure.log)"
    targets=(consumer_core)
    if [ "$check" = subdirectory ]; then
        plan=$("$cmake" --build "$consumer" --target consumer -- -n 2>&1) ||
            fail "the consumer has no build plan: $plan"
        for library in libwindlass.a libwindlass_qt.a "Linking CXX executable consumer"; do
            grep -q "$library" <<<"$plan" || fail "the consumer's build plan lacks $library"
        done
    else
        targets+=(consumer)
    fi
    "$cmake" --build "$consumer" --target "${targets[@]}" >"$work/$check/build.log" 2>&1 ||
        fail "the consumers do not build (see $work/$check/build.log)"

    # expect_run WHAT EXPECTED-PATTERN... -- COMMAND...: the command ends with 0 and its output
    # (both streams) holds every pattern; "window open" only where a pattern asks for it.
    expect_run() {
        local what=$1 patterns=() output status=0
        shift
        while [ "$1" != -- ]; do patterns+=("$1"); shift; done
        shift
        output=$("$@" 2>&1) || status=$?
        [ "$status" -eq 0 ] || fail "$what ended with $status: $output"
        for pattern in "${patterns[@]}"; do
            grep -qxF -- "$pattern" <<<"$output" || fail "$what did not say '$pattern': $output"
        done
        if [[ ! " ${patterns[*]} " =~ "window open" ]] && grep -q "window open" <<<"$output"; then
            fail "$what opened a window: $output"
        fi
    }
    no_display=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
    refused="Windlass Window: Failed to create window - aborting."
    core=$consumer/consumer_core
    expect_run "the core alone" "|    42|" \
        "display 0: no backend that draws windows is installed" -- "$core"
    expect_run "a window of the core alone" "|    42|" "$refused" -- "$core" window
    core_libraries=$(ldd "$core")
    if grep -q "libQt" <<<"$core_libraries"; then fail "the program of the core alone links Qt"; fi
    if [ "$check" = find-package ]; then
        qt=$consumer/consumer
        expect_run "the Qt program without a display" "|    42|" \
            "display 0: could not connect to display" -- "${no_display[@]}" "$qt"
        expect_run "a window of the Qt program without a display" "$refused" -- \
            "${no_display[@]}" "$qt" window
        expect_run "a window of the Qt program on the offscreen platform" "display 1: " \
            "window open" -- env QT_QPA_PLATFORM=offscreen "$qt" window
        qt_libraries=$(ldd "$qt")
        grep -q "libQt6Widgets" <<<"$qt_libraries" ||
            fail "the Qt program does not link the Qt backend's libraries"
    fi
    ;;
*)
    fail "no such check"
    ;;
esac
echo "installation test '$check': passed"
