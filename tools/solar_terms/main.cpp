// Generates the calendar's solar-term table (see tools/README.md).
//
//   veltrane_solar_terms --delta-t delta_t.txt --source out.cpp [--binary out.bin]
//
// Computes the 4,800 moments, checks the table (field ranges, months, rising
// moments, reference entries) and writes it as C++ source and optionally as
// the raw 24,000 bytes. Exit status 0 on success, 1 on any failure.
#include <array>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "calendar/solar_term_table_check.h"
#include "delta_t.h"
#include "table_source.h"
#include "term_moment.h"

namespace {

using veltrane::tools::kTableBytes;

struct Options {
  std::string delta_t;
  std::string source;
  std::string binary;
};

bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view name = argv[i];
    if (name == "--delta-t") {
      options->delta_t = argv[i + 1];
    } else if (name == "--source") {
      options->source = argv[i + 1];
    } else if (name == "--binary") {
      options->binary = argv[i + 1];
    } else {
      return false;
    }
  }
  return argc % 2 == 1 && !options->delta_t.empty() && !options->source.empty();
}

// Entries known from the program's history; the method must reproduce them.
struct Reference {
  int year;
  int slot;
  std::array<std::uint8_t, 5> entry;
};
constexpr Reference kReferences[] = {
    {1880, 1, {1, 6, 5, 41, 45}},    {1880, 3, {2, 4, 17, 30, 39}},
    {1899, 24, {12, 22, 8, 56, 19}}, {1900, 1, {1, 6, 2, 4, 5}},
    {2000, 6, {3, 20, 15, 35, 15}},  {2000, 24, {12, 21, 21, 37, 25}},
    {2015, 1, {1, 6, 0, 20, 25}},    {2015, 2, {1, 20, 17, 43, 7}},
    {2015, 3, {2, 4, 11, 58, 20}},   {2015, 24, {12, 22, 12, 47, 48}},
    {2079, 24, {12, 22, 1, 43, 12}},
};

int Generate(const Options& options) {
  std::ifstream delta_t_file(options.delta_t);
  if (!delta_t_file) {
    std::cerr << "cannot read " << options.delta_t << "\n";
    return 1;
  }
  const auto delta_t = veltrane::tools::DeltaT::Read(delta_t_file);

  std::array<std::uint8_t, kTableBytes> table{};
  for (int year = 1880; year <= 2079; ++year) {
    for (int slot = 1; slot <= 24; ++slot) {
      int entry_year = 0;
      const auto entry = veltrane::tools::ChinaStandardTimeEntry(
          veltrane::tools::TermMomentTt(year, slot), delta_t, &entry_year);
      if (entry_year != year) {
        std::cerr << year << " slot " << slot << ": falls in " << entry_year << "\n";
        return 1;
      }
      const std::size_t at = static_cast<std::size_t>(5 * (24 * (year - 1880) + slot - 1));
      for (std::size_t k = 0; k < 5; ++k) table[at + k] = entry[k];
    }
  }

  int failures = 0;
  for (const std::string& problem : veltrane::calendar::SolarTermTableProblems(table)) {
    std::cerr << problem << "\n";
    ++failures;
  }
  for (const Reference& r : kReferences) {
    const std::size_t at = static_cast<std::size_t>(5 * (24 * (r.year - 1880) + r.slot - 1));
    for (std::size_t k = 0; k < 5; ++k) {
      if (table[at + k] != r.entry[k]) {
        std::fprintf(stderr,
                     "%d slot %d: want %02u-%02u %02u:%02u:%02u got %02u-%02u %02u:%02u:%02u\n",
                     r.year, r.slot, r.entry[0], r.entry[1], r.entry[2], r.entry[3], r.entry[4],
                     table[at], table[at + 1], table[at + 2], table[at + 3], table[at + 4]);
        ++failures;
        break;
      }
    }
  }
  if (failures != 0) return 1;

  std::ofstream source(options.source, std::ios::binary);
  veltrane::tools::WriteTableSource(source, table);
  if (!source) {
    std::cerr << "cannot write " << options.source << "\n";
    return 1;
  }
  if (!options.binary.empty()) {
    std::ofstream binary(options.binary, std::ios::binary);
    binary.write(reinterpret_cast<const char*>(table.data()),
                 static_cast<std::streamsize>(table.size()));
    if (!binary) {
      std::cerr << "cannot write " << options.binary << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::cerr << "usage: veltrane_solar_terms --delta-t FILE --source FILE [--binary FILE]\n";
    return 1;
  }
  try {
    return Generate(options);
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
}
