// Climate files written by the tests themselves, each test in a folder of its own.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "climate_data.h"

namespace heatwise::testing {

// Value `value` (1..63) of city `city` in the generated bindata2.dat: every value of the file is
// different, so a value read into the wrong place shows.
int GeneratedBinValue(int city, int value);

// Design record of city `city` in the generated cities.dat.
int GeneratedWinterDesign(int city);
int GeneratedDegreeDays(int city);
int GeneratedSummerDesign(int city);

// Writes the text of `records` records, each record's values on one line separated by single
// blanks; `line_of_record` may rewrite the line of a record (1-based).
using RecordLineEditor = std::function<std::string(int city, const std::string& line)>;
std::string GeneratedBinFile(int records, const RecordLineEditor& line_of_record = {});
std::string GeneratedDesignFile(int records, const RecordLineEditor& line_of_record = {});

// Fails the test unless the tables hold every value of the generated files of 211 records.
void ExpectGeneratedTables(const ClimateTables& tables);

// A fresh empty folder, relative to the working directory, named after the running test.
std::filesystem::path FreshTestFolder();

void WriteText(const std::filesystem::path& file, const std::string& text);
std::string ReadText(const std::filesystem::path& file);

}  // namespace heatwise::testing
