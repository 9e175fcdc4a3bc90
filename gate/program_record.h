// ProgramRecord: one program's 34 values and name, in the 160-byte layout shared by memory, the bank
// resource and the program dump.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int32_t kProgramCount = 16;
constexpr int32_t kProgramNameSize = 24;
// The name every program starts with; a program still named so is shown with its number, "Init 1" to
// "Init 16".
constexpr char kInitName[] = "Init";

struct ProgramRecord {
  float stepLevels[16];
  float stepSwitches[16];
  // BarWidth comes before Interpol although its parameter number is the higher one.
  float barWidth;
  float interpol;
  char name[kProgramNameSize];

  // Every value at its Init setting, the name "Init" and zeros after it.
  void reset();
  // The field that holds parameter `index`, or null for a number outside 0 to 33.
  float* slotOf(int32_t index);
  const float* slotOf(int32_t index) const;
  // Copies at most 23 characters and zero-fills the rest, so a long name never leaves its field.
  void rename(const char* text);
};

// A value of a record that two threads may write at once (host automation and the editor), stored and
// loaded in place as an atomic. Nothing, and 0, for a number outside 0 to 33.
void storeSlot(ProgramRecord& record, int32_t index, float value);
float loadSlot(const ProgramRecord& record, int32_t index);

static_assert(sizeof(ProgramRecord) == 160);
static_assert(offsetof(ProgramRecord, stepSwitches) == 64);
static_assert(offsetof(ProgramRecord, barWidth) == 128);
static_assert(offsetof(ProgramRecord, interpol) == 132);
static_assert(offsetof(ProgramRecord, name) == 136);
