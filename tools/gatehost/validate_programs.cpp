// Program changes and renames checked against a model of the bank: each program keeps its own values and
// name, a name is cut to 23 characters and never spills into a neighbour, a number outside the bank
// changes nothing, and the effect writes no more than a name's 24 bytes into the host's buffer.
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

#include "tools/gatehost/validation_groups.h"
#include "tools/gatehost/validation_support.h"

namespace {

constexpr int32_t kRandomSteps = 600;

struct BankModel {
  std::array<std::string, kPrograms> names;
  std::array<std::array<float, kParameters>, kPrograms> values;
  int32_t current = 0;

  BankModel() {
    for (auto& program : values) {
      program.fill(1.0f);
      program[32] = 0.5f;
    }
  }
  // What the effect reports: the name, or "Init N" for a program named exactly "Init".
  std::string shownName(int32_t program) const {
    return names[program] == "Init" ? "Init " + std::to_string(program + 1) : names[program];
  }
};

// The names a careless host gives: long, empty, non-ASCII, with blanks, and "Init" itself.
std::vector<std::string> hostileNames() {
  return {std::string(300, 'x'),
          std::string(5000, 'y'),
          "",
          "Init",
          " ",
          "\xC3\x84\x71\x75\x61\x6C \xE2\x80\x94 \xE2\x98\x83 \xF0\x9F\x8E\xB5",
          std::string("\x80\x81\xFE\xFF\x7F\x01", 6),
          "exactly twenty-three ch",
          "exactly twenty-four char",
          "Init 1"};
}

bool sameValue(float a, float b) {
  return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

void checkAgainstModel(Validator& validator, PluginHost& host, const BankModel& model,
                       const std::string& after) {
  validator.check(host.currentProgram() == model.current,
                  after + ": current program is not " + std::to_string(model.current));
  validator.check(fetchProgramName(validator, host) == model.shownName(model.current),
                  after + ": program " + std::to_string(model.current) + " lost its name");
  for (int32_t index = 0; index < kParameters; ++index)
    if (!validator.check(sameValue(host.readParameter(index), model.values[model.current][index]),
                         after + ": parameter " + std::to_string(index) +
                             " does not hold its program's value"))
      break;
}

} // namespace

void validateProgramsAndNames(Validator& validator) {
  PluginHost host(validator.library());
  if (!validator.check(host.record() != nullptr, "main returned no record")) return;
  BankModel model;
  model.names.fill("Init");
  for (int32_t program = 0; program < kPrograms; ++program) {
    host.selectProgram(program);
    model.current = program;
    checkAgainstModel(validator, host, model, "selecting program " + std::to_string(program));
  }
  for (const intptr_t outside :
       {intptr_t{-1}, intptr_t{16}, intptr_t{17}, intptr_t{1000},
        intptr_t{std::numeric_limits<int32_t>::max()}, intptr_t{std::numeric_limits<int32_t>::min()}}) {
    host.selectProgram(static_cast<int32_t>(outside));
    checkAgainstModel(validator, host, model, "selecting program " + std::to_string(outside));
  }

  const std::vector<std::string> names = hostileNames();
  for (int32_t step = 0; step < validator.scaled(kRandomSteps); ++step) {
    const int32_t action = validator.pick(0, 2);
    std::string after;
    if (action == 0) {
      model.current = validator.pick(0, kPrograms - 1);
      host.selectProgram(model.current);
      after = "selecting program " + std::to_string(model.current);
    } else if (action == 1) {
      std::string name =
          names[static_cast<size_t>(validator.pick(0, static_cast<int32_t>(names.size()) - 1))];
      host.dispatch(Opcode::RenameProgram, 0, 0, name.data());
      model.names[model.current] = name.substr(0, kNameField - 1);
      after = "renaming program " + std::to_string(model.current) + " to a " + std::to_string(name.size()) +
              "-byte name";
    } else {
      const int32_t index = validator.pick(0, kParameters - 1);
      const float value = hostileValue(validator);
      host.writeParameter(index, value);
      model.values[model.current][index] = value;
      after = "writing parameter " + std::to_string(index);
    }
    checkAgainstModel(validator, host, model, after);
  }
  // Every program, not only the current one, still holds what the model says.
  for (int32_t program = 0; program < kPrograms; ++program) {
    host.selectProgram(program);
    model.current = program;
    checkAgainstModel(validator, host, model, "the final pass over program " + std::to_string(program));
  }
}
