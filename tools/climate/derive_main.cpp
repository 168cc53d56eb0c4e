// heatwise-derive STATIONS_CSV OUTPUT_DIR
//
// Derives the calculator's climate data files, bindata2.dat and cities.dat, from the hourly
// weather of the 211 stations named in the station table. Both files are written only when every
// station has been derived; a fault leaves any existing files untouched.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "station_table.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kProgram = "heatwise-derive";

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

void WriteClimateFiles(const fs::path& output_dir, const heatwise::climate::ClimateFiles& files) {
    std::error_code error;
    fs::create_directories(output_dir, error);
    if (error) {
        throw OutputError(output_dir.string() +
                          ": cannot create the output folder: " + error.message());
    }
    const fs::path bin_path = output_dir / "bindata2.dat";
    const fs::path design_path = output_dir / "cities.dat";
    const fs::path bin_temporary = WriteTemporary(bin_path, files.bin_data);
    fs::path design_temporary;
    try {
        design_temporary = WriteTemporary(design_path, files.design_data);
    } catch (...) {
        fs::remove(bin_temporary, error);
        throw;
    }
    for (const auto& [temporary, target] :
         {std::pair{bin_temporary, bin_path}, std::pair{design_temporary, design_path}}) {
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
                  << "Derives OUTPUT_DIR/bindata2.dat and OUTPUT_DIR/cities.dat from the hourly "
                     "weather files that the station table names.\n";
        return 2;
    }
    try {
        const heatwise::climate::ClimateFiles files =
            heatwise::climate::DeriveClimateFiles(argv[1]);
        WriteClimateFiles(argv[2], files);
        std::cout << kProgram << ": wrote " << heatwise::climate::kCityCount << " records to "
                  << (fs::path(argv[2]) / "bindata2.dat").string() << " and "
                  << (fs::path(argv[2]) / "cities.dat").string() << "\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << kProgram << ": " << error.what() << "\n";
        return 1;
    }
}
