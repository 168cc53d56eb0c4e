// Timings of the calculator's engine: one estimate, one city's heat pump and one HSPF rating,
// the load of the committed climate files, the comparison of all 211 cities with its map, and a
// sweep of 100 steps with its chart. Run from
// a Release build:
//   heatwise-bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "compare_report.h"
#include "engine/bin_calc.h"
#include "engine/climate_data.h"
#include "engine/estimate_inputs.h"
#include "engine/heat_pump.h"
#include "engine/hspf_rating.h"
#include "state_outlines.h"
#include "station_map.h"
#include "station_positions.h"
#include "sweep_chart.h"
#include "sweep_report.h"

namespace heatwise {
namespace {

namespace fs = std::filesystem;

const fs::path kDataDir = fs::path(HEATWISE_SOURCE_DIR) / "data";

// The load creates a missing file, which must never happen to the source tree, so the data
// benchmarks check for both files first.
bool CommittedDataPresent(benchmark::State& state) {
    if (fs::exists(kDataDir / kBinFileName) && fs::exists(kDataDir / kDesignFileName)) {
        return true;
    }
    state.SkipWithError("no committed climate files in the data folder");
    return false;
}

// An input with hours in every bin, so every step of the method has work to do.
BinCalcInput BusyInput() {
    BinCalcInput input;
    for (std::size_t k = 0; k < input.bin_hours.size(); ++k) {
        input.bin_hours[k] = static_cast<std::int32_t>(50 + 7 * k);
    }
    input.design = DesignRecord{28, 1700, 97};
    input.mode = CalcMode::kHeating;
    input.fuel = HeatingFuel::kFuelOil;
    input.thermostat_hours = {8, 6, 4};
    input.summer_setpoint = {85, 85, 78};
    input.winter_setpoint = {65, 60, 75};
    input.cool_capacity = 20000;
    input.heat_capacity = 20000;
    input.heat_efficiency = 85;
    input.electric_rate = 0.08f;
    input.fuel_price = 4.0f;
    input.cool_eer = 6.5f;
    return input;
}

void BM_ComputeBinCosts(benchmark::State& state) {
    BinCalcInput input = BusyInput();
    double carried = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        const BinCalcResult result = ComputeBinCosts(input, carried);
        carried = result.carried_heating_cost;
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ComputeBinCosts);

// A cold-climate unit with its 5 °F point, a cut-out and a furnace with the automatic switchover,
// on the busy input with hours below 0 °F in every shift: every bin of every shift and every
// cold bin has work to do.
HeatPumpInput BusyHeatPump() {
    HeatPumpInput input;
    input.form = BusyInput();
    input.form.fuel = HeatingFuel::kNaturalGas;
    input.form.fuel_price = 0.012f;
    input.form.heat_efficiency = 95;
    for (std::size_t k = 0; k < input.cold_hours.size(); ++k) {
        input.cold_hours[k] = static_cast<std::int32_t>(1 + k % 4);
    }
    HeatPumpRatings& ratings = input.unit.ratings;
    ratings.at47 = {36000, 4.2};
    ratings.at17 = {24000, 2.7};
    ratings.at5 = RatingPoint{19000, 2.1};
    input.unit.cutout = CompressorCutout{-20, -15};
    input.unit.backup = BackupHeat::kFurnace;
    input.unit.switchover = {SwitchoverRule::kAuto, 0.0};
    return input;
}

// What heatwise-cli heat-pump works out for one city after its files are read, with its table of
// bins; the table is kept from run to run, as a caller of many cities keeps it.
void BM_HeatPumpCity(benchmark::State& state) {
    HeatPumpInput input = BusyHeatPump();
    HeatPumpBinTable table;
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        const HeatPumpResult result = ComputeHeatPump(input, table);
        benchmark::DoNotOptimize(table.rows.data());
        benchmark::DoNotOptimize(result.heat_pump_dollars);
    }
}
BENCHMARK(BM_HeatPumpCity);

void BM_HspfRating(benchmark::State& state) {
    HspfRatingInput input;
    input.ratings = BusyHeatPump().unit.ratings;
    input.region = 5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        const HspfRating rating = RateHspf(input);
        benchmark::DoNotOptimize(rating.hspf);
    }
}
BENCHMARK(BM_HspfRating);

void BM_LoadClimateTables(benchmark::State& state) {
    if (!CommittedDataPresent(state)) {
        return;
    }
    for (auto _ : state) {
        const ClimateTables tables = LoadClimateTables(kDataDir);
        benchmark::DoNotOptimize(tables.bins.City(kCityCount));
    }
}
BENCHMARK(BM_LoadClimateTables)->Unit(benchmark::kMicrosecond);

void BM_CompareCities(benchmark::State& state) {
    if (!CommittedDataPresent(state)) {
        return;
    }
    const ClimateTables tables = LoadClimateTables(kDataDir);
    const EstimateInputs inputs;
    for (auto _ : state) {
        const auto rows = cli::CompareCities(inputs, tables, cli::CompareOrder::kCooling);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_CompareCities)->Unit(benchmark::kMicrosecond);

// What heatwise-cli compare --svg does after its files are read: both seasons of every city,
// then the map with its state outlines.
void BM_CompareMap(benchmark::State& state) {
    if (!CommittedDataPresent(state)) {
        return;
    }
    const ClimateTables tables = LoadClimateTables(kDataDir);
    const cli::CityPositions positions = cli::ReadCityPositions(kDataDir);
    const cli::StateOutlines outlines = cli::ReadStateOutlines(kDataDir).value();
    const EstimateInputs inputs;
    for (auto _ : state) {
        const auto rows = cli::CompareCities(inputs, tables, cli::CompareOrder::kHeating);
        const std::string map =
            cli::StationMap(rows, positions, outlines, cli::MappedCost::kHeating, "");
        benchmark::DoNotOptimize(map.data());
    }
}
BENCHMARK(BM_CompareMap)->Unit(benchmark::kMicrosecond);

// What heatwise-cli sweep --fuel oil --vary fuel-price=0:10:0.1 --svg does after its files are
// read: 101 steps, both seasons each, then the chart.
void BM_Sweep100Steps(benchmark::State& state) {
    if (!CommittedDataPresent(state)) {
        return;
    }
    const ClimateTables tables = LoadClimateTables(kDataDir);
    const std::array<std::string_view, 6> args = {"--city", "chicago", "--fuel",
                                                  "oil",    "--vary",  "fuel-price=0:10:0.1"};
    const cli::SweepOptions options = cli::ParseSweepOptions(args);
    for (auto _ : state) {
        const cli::SweepReport report = cli::RunSweep(options, tables);
        const std::string chart = cli::SweepChart(report);
        benchmark::DoNotOptimize(chart.data());
    }
    state.counters["steps"] = static_cast<double>(options.range.steps.size());
}
BENCHMARK(BM_Sweep100Steps)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace heatwise
