// Checks the program bank the library carries: 16 records in the program layout with the pattern
// table's values, in the generated file and, on Windows, in the compiled "BANK" resource.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "gate/program_record.h"

#ifdef _WIN32
#include <windows.h>

#include "resources/resource_ids.h"
#endif

namespace {

struct BankEntry {
  const char* levels;
  const char* switches;
  float barWidth;
  float interpol;
};

// Levels as shown to three decimals ("all 1" for sixteen ones); switches in groups of four steps.
const BankEntry kBank[16] = {
    {"0 1 1 1 1 1 1 0.627 0.284 0.493 1 1 1 1 0.567 0.373", "0000 1000 0000 1000", 0.0f, 0.269f},
    {"all 1", "0010 0010 0010 0010", 0.0f, 0.552f},
    {"1 0 1 0 1 0 1 0 0.537 1 0 1 1 1 1 0", "0011 1110 1100 0111", 0.0f, 0.791f},
    {"1 0.463 0.448 1 0 0.493 1 0 1 1 0.463 0.567 1 0.448 0.075 0.507", "0011 1011 0000 0100", 0.0f, 0.433f},
    {"0 0.134 0.328 0.493 0.672 0.836 0.91 0.955 0.955 0.896 0.776 0.642 0.463 0.313 0.134 0",
     "1111 1111 1111 1111", 0.0f, 1.0f},
    {"all 1", "1110 0000 1111 0000", 0.0f, 1.0f},
    {"all 1", "1100 1100 1100 1100", 0.0f, 0.5f},
    {"1 1 1 0 1 0 1 1 1 1 0 1 0 1 1 1", "1111 1111 1111 1111", 0.0f, 0.5f},
    {"0.284 1 0.493 0.552 1 1 0.343 1 1 0.657 1 0.746 1 0.522 0.299 0.731", "0110 1100 1010 1101", 0.0f,
     0.179f},
    {"1 1 0.776 1 1 1 0.194 1 1 1 0.94 1 1 1 1 0.552", "0101 0101 0101 0111", 0.0f, 0.5f},
    {"1 1 1 1 1 1 0.06 1 1 1 1 1 1 1 1 0", "1101 1011 0110 1101", 0.597f, 0.313f},
    {"1 1 1 0.373 1 0.418 1 1 0 0 1 0.552 1 1 1 1", "0011 1011 0011 0011", 0.0f, 0.5f},
    {"1 1 1 1 1 0.507 1 1 1 0.209 1 1 0.522 1 1 1", "0011 0111 0011 0111", 0.0f, 0.5f},
    {"1 1 1 1 0.06 1 1 1 1 0.448 1 0.269 1 0 1 0", "0011 1110 1111 0001", 0.478f, 0.5f},
    {"0.403 1 1 1 1 1 1 1 0.522 1 1 1 1 1 1 1", "0101 1001 1001 1100", 0.0f, 0.5f},
    {"all 1", "1111 1111 1111 1111", 0.0f, 0.5f},
};

std::vector<double> levelsOf(const BankEntry& entry) {
  if (std::string(entry.levels) == "all 1") return std::vector<double>(16, 1.0);
  std::vector<double> levels;
  std::istringstream in(entry.levels);
  for (double level; in >> level;) levels.push_back(level);
  return levels;
}

// A stored value matches a shown one when it is the float of a multiple of 1/67 that rounds to it, or
// exactly 0, 0.5 or 1.
::testing::AssertionResult storedAs(float stored, double shown) {
  if (shown == 0.0 || shown == 0.5 || shown == 1.0) {
    if (stored == static_cast<float>(shown)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << stored << " is not exactly " << shown;
  }
  const double pixels = std::round(static_cast<double>(stored) * 67.0);
  if (stored != static_cast<float>(pixels / 67.0))
    return ::testing::AssertionFailure() << stored << " is not a multiple of 1/67";
  if (std::fabs(pixels / 67.0 - shown) > 0.0005)
    return ::testing::AssertionFailure() << stored << " does not show as " << shown;
  return ::testing::AssertionSuccess();
}

void expectBank(const std::vector<unsigned char>& bytes) {
  ASSERT_EQ(bytes.size(), 2560u);
  for (int32_t n = 0; n < 16; ++n) {
    ProgramRecord record;
    std::memcpy(&record, bytes.data() + n * sizeof record, sizeof record);
    const std::vector<double> levels = levelsOf(kBank[n]);
    ASSERT_EQ(levels.size(), 16u);
    std::string switches(kBank[n].switches);
    switches.erase(std::remove(switches.begin(), switches.end(), ' '), switches.end());
    for (int32_t step = 0; step < 16; ++step) {
      EXPECT_TRUE(storedAs(record.stepLevels[step], levels[step]))
          << "record " << n + 1 << " step " << step + 1;
      EXPECT_EQ(record.stepSwitches[step], switches[step] == '1' ? 1.0f : 0.0f)
          << "record " << n + 1 << " step " << step + 1;
    }
    EXPECT_TRUE(storedAs(record.barWidth, std::round(kBank[n].barWidth * 1000.0) / 1000.0)) << n + 1;
    EXPECT_TRUE(storedAs(record.interpol, std::round(kBank[n].interpol * 1000.0) / 1000.0)) << n + 1;
    char name[kProgramNameSize] = {};
    std::snprintf(name, sizeof name, "Init %d", static_cast<int>(n + 1));
    EXPECT_EQ(std::memcmp(record.name, name, sizeof name), 0) << "zeros after the name, record " << n + 1;
  }
}

std::vector<unsigned char> readFile(const char* path) {
  std::vector<unsigned char> bytes;
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return bytes;
  for (int c; (c = std::fgetc(file)) != EOF;) bytes.push_back(static_cast<unsigned char>(c));
  std::fclose(file);
  return bytes;
}

} // namespace

TEST(ProgramBank, GeneratedFileHoldsThePatternTable) { expectBank(readFile(STEPGATE_BANK_FILE)); }

#ifdef _WIN32
TEST(ProgramBank, ResourceIsTheGeneratedFileInUsEnglish) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceExA(module, "BANK", MAKEINTRESOURCEA(RESOURCE_BANK),
                                MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  ASSERT_NE(found, nullptr);
  ASSERT_EQ(SizeofResource(module, found), 2560u);
  const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
  ASSERT_NE(data, nullptr);
  const std::vector<unsigned char> bytes(data, data + 2560);
  expectBank(bytes);
  EXPECT_EQ(bytes, readFile(STEPGATE_BANK_FILE));
}
#endif
