// Checks the gate's construction, program selection and names, and the program dump written when the
// gate is destroyed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "gate/program_dump.h"
#ifdef _WIN32
#include "plugin/file_replacement.h"
#endif
#include "host/opcodes.h"
#include "tests/gate/gate_fixture.h"

namespace {

std::string programName(StepGate& gate) {
  char text[64];
  std::memset(text, 'x', sizeof text);
  gate.handleOpcode(static_cast<int32_t>(Opcode::ProgramName), 0, 0, text, 0.0f);
  return text;
}

void select(StepGate& gate, int32_t program) {
  gate.handleOpcode(static_cast<int32_t>(Opcode::SelectProgram), 0, program, nullptr, 0.0f);
}

void rename(StepGate& gate, const char* name) {
  gate.handleOpcode(static_cast<int32_t>(Opcode::RenameProgram), 0, 0, const_cast<char*>(name), 0.0f);
}

std::vector<unsigned char> readDump(const char* path = kProgramDumpPath) {
  std::vector<unsigned char> bytes;
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return bytes;
  unsigned char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    bytes.insert(bytes.end(), buffer, buffer + got);
  std::fclose(file);
  return bytes;
}

ProgramRecord initRecord() {
  ProgramRecord record;
  std::memset(&record, 0x55, sizeof record);
  for (float& level : record.stepLevels) level = 1.0f;
  for (float& stepSwitch : record.stepSwitches) stepSwitch = 1.0f;
  record.barWidth = 1.0f;
  record.interpol = 0.5f;
  std::memset(record.name, 0, sizeof record.name);
  std::memcpy(record.name, "Init", 4);
  return record;
}

bool sameRecord(const ProgramRecord& a, const ProgramRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The replacer each build's plug-in dumps with.
#ifdef _WIN32
constexpr FileReplacer kShippedReplacer = replaceFileInOneStep;
#else
constexpr FileReplacer kShippedReplacer = renameOver;
#endif

// Records the parameters written through the gate's own entry.
class WriteLoggingGate : public StepGate {
public:
  explicit WriteLoggingGate(HostCallback callback) : StepGate(callback) {}
  void writeParameter(int32_t index, float value) override {
    ++writes;
    StepGate::writeParameter(index, value);
  }
  int32_t writes = 0;
};

} // namespace

TEST(StepGate, ConstructionDeclaresTheGateWithInitValues) {
  TimeHost host;
  auto gate = makeGate(host);
  const PluginRecord& record = *gate->record();
  EXPECT_EQ(record.programCount, 16);
  EXPECT_EQ(record.parameterCount, 34);
  EXPECT_EQ(record.inputCount, 2);
  EXPECT_EQ(record.outputCount, 2);
  EXPECT_EQ(record.capabilityFlags, Meter | OverwritingProcess);
  EXPECT_EQ(record.pluginId, 0x4B74766F);
  EXPECT_EQ(gate->currentProgram(), 0);
  for (int32_t index = 0; index < 32; ++index) EXPECT_EQ(gate->readParameter(index), 1.0f) << index;
  EXPECT_EQ(gate->readParameter(InterpolParameter), 0.5f);
  EXPECT_EQ(gate->readParameter(BarWidthParameter), 1.0f);
  EXPECT_EQ(gate->meterLevel(), 0.0f);
  for (int32_t program = 0; program < 16; ++program)
    EXPECT_TRUE(sameRecord(gate->program(program), initRecord()));
}

TEST(StepGate, NewGateNamesItsProgramsInit1ToInit16) {
  TimeHost host;
  auto gate = makeGate(host);
  for (int32_t program = 0; program < 16; ++program) {
    select(*gate, program);
    EXPECT_EQ(programName(*gate), "Init " + std::to_string(program + 1));
  }
}

TEST(StepGate, OnlyTheExactNameInitGetsTheProgramNumber) {
  struct Case {
    int32_t program;
    const char* stored;
    const char* reported;
  };
  const Case cases[] = {{0, "Init 1", "Init 1"}, {0, "init", "init"}, {9, "Init", "Init 10"},
                        {2, "Init ", "Init "},   {5, "", ""},         {15, "Bass line", "Bass line"}};
  TimeHost host;
  auto gate = makeGate(host);
  for (const Case& c : cases) {
    select(*gate, c.program);
    rename(*gate, c.stored);
    EXPECT_EQ(programName(*gate), c.reported) << c.stored;
  }
}

TEST(StepGate, LongNamesAreCutAt23CharactersAndNeverReachTheNextRecord) {
  TimeHost host;
  auto gate = makeGate(host);
  select(*gate, 6);
  const std::string longName(100, 'n');
  rename(*gate, longName.c_str());
  EXPECT_EQ(programName(*gate), longName.substr(0, 23));
  EXPECT_EQ(gate->program(6).name[23], '\0');
  EXPECT_TRUE(sameRecord(gate->program(7), initRecord()));
  // A shorter name afterwards leaves nothing of the long one behind.
  rename(*gate, "Hat");
  const char expected[kProgramNameSize] = "Hat";
  EXPECT_EQ(std::memcmp(gate->program(6).name, expected, sizeof expected), 0);
}

TEST(StepGate, SelectingAProgramCountsEveryValueAndWritesNoRecord) {
  TimeHost host;
  WriteLoggingGate gate(host.callback());
  // Distinct values, so a value of the wrong record float shows.
  for (int32_t index = 0; index < GateParameterCount; ++index)
    gate.writeParameter(index, static_cast<float>(index) / 64.0f);
  select(gate, 1);
  gate.writes = 0;
  const uint32_t written = gate.live().generation();
  select(gate, 0);
  EXPECT_EQ(gate.writes, 0);
  EXPECT_EQ(gate.live().generation() - written, 34u);
  for (int32_t index = 0; index < GateParameterCount; ++index)
    EXPECT_EQ(gate.readParameter(index), static_cast<float>(index) / 64.0f);
}

TEST(StepGate, SelectingTheCurrentProgramAgainKeepsTheTableAndTheRecord) {
  TimeHost host;
  auto gate = makeGate(host);
  select(*gate, 2);
  gate->writeParameter(FirstStepLevel + 7, 0.25f);
  gate->writeParameter(BarWidthParameter, 0.0f);
  gate->writeParameter(InterpolParameter, 0.0f);
  GainTable before;
  gate->copyGainTable(before);
  EXPECT_EQ(before[480], 0.25f); // a written value plays at once, without a program selection
  const ProgramRecord record = gate->program(2);
  select(*gate, 2);
  GainTable after;
  gate->copyGainTable(after);
  EXPECT_EQ(after[480], 0.25f);
  EXPECT_TRUE(sameRecord(gate->program(2), record));
}

TEST(StepGate, ProgramNumbersOutsideTheBankChangeNothing) {
  TimeHost host;
  auto gate = makeGate(host);
  gate->selectProgram(4);
  for (const int32_t outside : {-1, 16, 1000}) {
    gate->selectProgram(outside);
    select(*gate, outside);
    EXPECT_EQ(gate->currentProgram(), 4) << outside;
  }
}

TEST(StepGate, WrittenValuesComeBackWithTheirProgram) {
  TimeHost host;
  auto gate = makeGate(host);
  select(*gate, 3);
  gate->writeParameter(FirstStepSwitch + 4, 0.0f);
  gate->writeParameter(InterpolParameter, 0.125f);
  select(*gate, 5);
  EXPECT_EQ(gate->readParameter(FirstStepSwitch + 4), 1.0f);
  EXPECT_EQ(gate->readParameter(InterpolParameter), 0.5f);
  select(*gate, 3);
  EXPECT_EQ(gate->readParameter(FirstStepSwitch + 4), 0.0f);
  EXPECT_EQ(gate->readParameter(InterpolParameter), 0.125f);
}

TEST(StepGateDump, NeverEditedGateWrites16InitRecords) {
  std::remove(kProgramDumpPath);
  {
    TimeHost host;
    auto gate = makeGate(host);
  }
  const std::vector<unsigned char> dump = readDump();
  ASSERT_EQ(dump.size(), 2560u);
  for (int32_t program = 0; program < 16; ++program) {
    ProgramRecord record;
    std::memcpy(&record, dump.data() + program * sizeof record, sizeof record);
    EXPECT_TRUE(sameRecord(record, initRecord())) << program;
  }
}

TEST(StepGateDump, EditsAndNamesLandInTheirOwnRecords) {
  std::remove(kProgramDumpPath);
  ProgramRecord expected[16];
  {
    TimeHost host;
    auto gate = makeGate(host);
    select(*gate, 4);
    gate->writeParameter(FirstStepLevel + 2, 0.375f);
    gate->writeParameter(BarWidthParameter, 0.0625f);
    rename(*gate, "Four on the floor");
    select(*gate, 11);
    gate->writeParameter(InterpolParameter, 0.75f);
    for (int32_t program = 0; program < 16; ++program) expected[program] = gate->program(program);
  }
  const std::vector<unsigned char> dump = readDump();
  ASSERT_EQ(dump.size(), sizeof expected);
  EXPECT_EQ(std::memcmp(dump.data(), expected, sizeof expected), 0);
  EXPECT_EQ(expected[4].stepLevels[2], 0.375f);
  EXPECT_EQ(expected[4].barWidth, 0.0625f);
  EXPECT_STREQ(expected[4].name, "Four on the floor");
  EXPECT_EQ(expected[11].interpol, 0.75f);
  for (int32_t program : {0, 3, 5, 10, 15})
    EXPECT_TRUE(sameRecord(expected[program], initRecord())) << program;
}

TEST(StepGateDump, ReplacesTheOldDumpInOneStepOrLeavesItWhole) {
  namespace fs = std::filesystem;
  const fs::path folder = "dump-test";
  const std::string dump = (folder / "ryn.dat").string(), temporary = dump + ".tmp";
  ProgramRecord records[16];
  for (ProgramRecord& record : records) record = initRecord();
  const std::vector<unsigned char> written(reinterpret_cast<unsigned char*>(records),
                                           reinterpret_cast<unsigned char*>(records) + sizeof records);
  const std::vector<unsigned char> old(1000, 0x11);
  const struct {
    const char* what;
    std::function<void()> arrange;
    bool replaced;
  } cases[] = {
      {"a writable folder", [] {}, true},
      {"a dump path no file can replace",
       [&] {
         fs::remove(dump);
         fs::create_directories(dump + "/in");
       },
       false},
      {"a temporary name that cannot be opened", [&] { fs::create_directories(temporary + "/in"); }, false},
#ifndef _WIN32
      {"a full disk", [&] { fs::create_symlink("/dev/full", temporary); }, false},
#endif
  };
  for (const auto& c : cases) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::FILE* file = std::fopen(dump.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(old.data(), 1, old.size(), file);
    std::fclose(file);
    c.arrange();
    const bool dumpIsFile = fs::is_regular_file(dump), temporaryIsFolder = fs::is_directory(temporary);
    EXPECT_EQ(writeProgramDump(dump.c_str(), records, 16, kShippedReplacer), c.replaced) << c.what;
    if (dumpIsFile) {
      EXPECT_EQ(readDump(dump.c_str()), c.replaced ? written : old) << c.what;
    }
    // A temporary file the writer made is gone again; a folder in its place is not the writer's to remove.
    EXPECT_EQ(fs::exists(fs::symlink_status(temporary)), temporaryIsFolder) << c.what;
  }
  fs::remove_all(folder);
}
