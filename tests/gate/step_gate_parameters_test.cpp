// Checks the gate's 34 parameters: names, units and value texts as the host reads them, and where
// writes are stored.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "gate/step_gate_plugin.h"
#include "host/opcodes.h"
#include "tests/gate/gate_fixture.h"

namespace {

constexpr char kUntouched = '#';

std::string textOf(StepGate& gate, Opcode opcode, int32_t index) {
  char text[32];
  std::memset(text, kUntouched, sizeof text);
  text[sizeof text - 1] = '\0';
  gate.handleOpcode(static_cast<int32_t>(opcode), index, 0, text, 0.0f);
  return text;
}

const std::string kNothingWritten(31, kUntouched);

struct LoggingEditor : EditorBase {
  LoggingEditor(PluginEffect* effect, std::vector<std::string>* log) : EditorBase(effect), log(log) {
    effect->attachEditor(this);
  }
  ~LoggingEditor() override { log->push_back("deleted"); }
  void closeEditor() override { log->push_back("closed"); }
  void requestUpdate() override { log->push_back("update"); }
  std::vector<std::string>* log;
};

} // namespace

TEST(StepGateParameters, NamesAreEightCharactersNumberedFromZero) {
  struct Case {
    int32_t index;
    const char* name;
  };
  const Case cases[] = {{0, " Bar 00 "},  {9, " Bar 09 "},  {15, " Bar 15 "}, {16, "BarSW00 "},
                        {27, "BarSW11 "}, {31, "BarSW15 "}, {32, "Interpol"}, {33, "BarWidth"}};
  TimeHost host;
  auto gate = makeGate(host);
  for (const Case& c : cases) EXPECT_EQ(textOf(*gate, Opcode::ParameterName, c.index), c.name);
  for (int32_t index = 0; index < GateParameterCount; ++index)
    EXPECT_EQ(textOf(*gate, Opcode::ParameterName, index).size(), 8u) << index;
  for (const int32_t outside : {-1, 34, 1000})
    EXPECT_EQ(textOf(*gate, Opcode::ParameterName, outside), kNothingWritten) << outside;
}

TEST(StepGateParameters, EveryUnitIsEightBlanks) {
  TimeHost host;
  auto gate = makeGate(host);
  for (const int32_t index : {-5, 0, 17, 33, 34, 99999})
    EXPECT_EQ(textOf(*gate, Opcode::ParameterUnit, index), "        ") << index;
}

TEST(StepGateParameters, ValueTextsShowNumbersAndBarWidthInDecibels) {
  struct Case {
    int32_t index;
    float value;
    const char* text;
  };
  const Case cases[] = {{0, 0.5f, "0.500000"},
                        {20, 1.0f, "1.000000"},
                        {32, 0.25f, "0.250000"},
                        {33, 1.0f, "0.000000"},
                        {33, 0.5f, "-6.02059"},
                        {33, 0.0f, "  -oo   "},
                        {33, __builtin_nanf(""), "  NaN   "}};
  TimeHost host;
  auto gate = makeGate(host);
  for (const Case& c : cases) {
    gate->writeParameter(c.index, c.value);
    EXPECT_EQ(textOf(*gate, Opcode::ParameterValueText, c.index), c.text) << c.index;
  }
  EXPECT_EQ(textOf(*gate, Opcode::ParameterValueText, 34), kNothingWritten);
  EXPECT_EQ(textOf(*gate, Opcode::ParameterValueText, -1), kNothingWritten);
}

TEST(StepGateParameters, WritesGoToTheLiveValueAndTheCurrentRecord) {
  struct Case {
    int32_t index;
    const float* (*field)(const ProgramRecord&);
  };
  const Case cases[] = {
      {0, [](const ProgramRecord& r) { return &r.stepLevels[0]; }},
      {15, [](const ProgramRecord& r) { return &r.stepLevels[15]; }},
      {16, [](const ProgramRecord& r) { return &r.stepSwitches[0]; }},
      {31, [](const ProgramRecord& r) { return &r.stepSwitches[15]; }},
      {32, [](const ProgramRecord& r) { return &r.interpol; }},
      {33, [](const ProgramRecord& r) { return &r.barWidth; }},
  };
  for (const Case& c : cases) {
    TimeHost host;
    auto gate = makeGate(host);
    gate->handleOpcode(static_cast<int32_t>(Opcode::SelectProgram), 0, 7, nullptr, 0.0f);
    const ProgramRecord before = gate->program(7);
    gate->record()->writeParameterFn(gate->record(), c.index, 0.25f);
    EXPECT_EQ(gate->record()->readParameterFn(gate->record(), c.index), 0.25f) << c.index;
    const ProgramRecord& after = gate->program(7);
    EXPECT_EQ(*c.field(after), 0.25f) << c.index;
    // Nothing else in the record changed.
    ProgramRecord restored = after;
    *const_cast<float*>(c.field(restored)) = *c.field(before);
    EXPECT_EQ(std::memcmp(&restored, &before, sizeof before), 0) << c.index;
    for (int32_t other = 0; other < GateParameterCount; ++other)
      if (other != c.index) {
        EXPECT_EQ(gate->readParameter(other), other == 32 ? 0.5f : 1.0f) << other;
      }
  }
}

TEST(StepGateParameters, NumbersOutsideTheRangeStoreAndCountNothing) {
  TimeHost host;
  auto gate = makeGate(host);
  const ProgramRecord before = gate->program(0);
  const uint32_t written = gate->live().generation();
  gate->writeParameter(34, 0.1f);
  gate->writeParameter(-1, 0.1f);
  EXPECT_EQ(gate->live().generation(), written);
  const ProgramRecord after = gate->program(0);
  EXPECT_EQ(std::memcmp(&after, &before, sizeof before), 0);
  EXPECT_EQ(gate->readParameter(34), 0.0f);
  EXPECT_EQ(gate->readParameter(-1), 0.0f);
  for (int32_t index = 0; index < GateParameterCount; ++index) EXPECT_NE(gate->readParameter(index), 0.1f);
}

TEST(StepGatePlugin, TellsItsEditorNoWriteAndClosesItBeforeDeletingIt) {
  std::vector<std::string> log;
  {
    StepGatePlugin gate(nullptr);
    gate.adoptEditor(std::make_unique<LoggingEditor>(&gate, &log));
    gate.writeParameter(7, 0.5f);
    EXPECT_EQ(gate.record()->pluginId, 0x4B747673);
  }
  EXPECT_EQ(log, (std::vector<std::string>{"closed", "deleted"}));
}
