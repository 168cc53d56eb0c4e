// heatwise-derive STATIONS_CSV OUTPUT_DIR
//
// Derives the calculator's climate data files, bindata2.dat, cities.dat and coldbins.dat, from
// the hourly weather of the 211 stations named in the station table, and lists the faulty hours
// it repaired on the way in repairs.csv. The files are written only when every station has been
// derived; a fault leaves any existing files untouched.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "engine/climate_data.h"
#include "station_table.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kProgram = "heatwise-derive";
constexpr const char* kRepairsFileName = "repairs.csv";

class OutputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writes the text beside its final name, so that a failed or interrupted write never leaves a
// half-written data file under the name the calculator reads.
fs::path WriteTemporary(const fs::path& target, const std::string& text) {
    fs::path temporary = target;
    temporary += ".partial";
    std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
    stream << text;
    stream.close();
    if (!stream) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw OutputError(temporary.string() + ": cannot be written");
    }
    return temporary;
}

// Writes every file beside its name first and renames them only when all are written.
void WriteClimateFiles(const fs::path& output_dir,
                       const std::vector<std::pair<const char*, const std::string*>>& files) {
    std::error_code error;
    fs::create_directories(output_dir, error);
    if (error) {
        throw OutputError(output_dir.string() +
                          ": cannot create the output folder: " + error.message());
    }
    std::vector<std::pair<fs::path, fs::path>> written;
    try {
        for (const auto& [name, text] : files) {
            const fs::path target = output_dir / name;
            written.emplace_back(WriteTemporary(target, *text), target);
        }
    } catch (...) {
        for (const auto& [temporary, target] : written) {
            fs::remove(temporary, error);
        }
        throw;
    }
    for (const auto& [temporary, target] : written) {
        fs::rename(temporary, target, error);
        if (error) {
            throw OutputError(target.string() + ": cannot be replaced: " + error.message());
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << kProgram << " STATIONS_CSV OUTPUT_DIR\n"
                  << "Derives OUTPUT_DIR/bindata2.dat, cities.dat and coldbins.dat from the "
                     "hourly weather files that the station table names, and lists the faulty "
                     "hours it repaired in OUTPUT_DIR/repairs.csv.\n";
        return 2;
    }
    try {
        const heatwise::climate::ClimateFiles files =
            heatwise::climate::DeriveClimateFiles(argv[1]);
        WriteClimateFiles(argv[2], {{heatwise::kBinFileName, &files.bin_data},
                                    {heatwise::kDesignFileName, &files.design_data},
                                    {heatwise::kColdBinFileName, &files.cold_bin_data},
                                    {kRepairsFileName, &files.repairs}});
        const fs::path folder = argv[2];
        long repaired = -1;
        for (char c : files.repairs) {
            repaired += c == '\n' ? 1 : 0;
        }
        std::cout << kProgram << ": wrote " << heatwise::kCityCount << " records to "
                  << (folder / heatwise::kBinFileName).string() << ", "
                  << (folder / heatwise::kDesignFileName).string() << " and "
                  << (folder / heatwise::kColdBinFileName).string() << ", and " << repaired
                  << " repaired hours to " << (folder / kRepairsFileName).string() << "\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << kProgram << ": " << error.what() << "\n";
        return 1;
    }
}
