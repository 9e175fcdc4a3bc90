// The table of the pattern menu's commands, each a function of the live pattern, and their running.
#include "editor/pattern_commands.h"

#include "gate/pattern_text.h"
#include "gate/pattern_tools.h"
#include "gate/program_record.h"
#include "gate/step_gate.h"
#include "resources/bank_resource.h"
#include "toolkit/graphics/clipboard.h"
#include "toolkit/graphics/module_instance.h"
#include "toolkit/graphics/tick_source.h"

namespace {

const PatternCommand kSeparator{"-", "", nullptr};

std::optional<Pattern> copy(const Pattern& live, CommandTools& tools) {
  putClipboardText(tools.window, patternText(live));
  return std::nullopt;
}

std::optional<Pattern> paste(const Pattern& live, CommandTools& tools) {
  Pattern pasted = live;
  if (parsePatternText(clipboardText(tools.window), pasted, tools.pasteRefusal)) return pasted;
  tools.message = "Paste refused: " + tools.pasteRefusal;
  return std::nullopt;
}

// Read from the library's bank resource when chosen.
PatternCommand factoryPattern(int32_t number) {
  return {"Pattern " + std::to_string(number + 1), "Factory patterns",
          [number](const Pattern&, CommandTools&) -> std::optional<Pattern> {
            const std::vector<ProgramRecord> bank = readBankResource(moduleInstance);
            if (number >= static_cast<int32_t>(bank.size())) return std::nullopt;
            return patternOf(bank[static_cast<size_t>(number)]);
          }};
}

PatternCommand sizeRow(Scale size) { return {std::to_string(size.percent()) + " %", "Size", nullptr, size}; }

std::vector<PatternCommand> makeTable() {
  std::vector<PatternCommand> rows = {{"Copy pattern", "", copy}, {"Paste pattern", "", paste}, kSeparator};
  for (int32_t number = 0; number < kProgramCount; ++number) rows.push_back(factoryPattern(number));
  const PatternCommand patternTools[] = {
      kSeparator,
      {"Rotate left", "", [](const Pattern& live, CommandTools&) { return rotated(live, -1); }},
      {"Rotate right", "", [](const Pattern& live, CommandTools&) { return rotated(live, 1); }},
      {"Invert levels", "", [](const Pattern& live, CommandTools&) { return invertedLevels(live); }},
      {"Randomize levels", "",
       [](const Pattern& live, CommandTools& tools) { return randomLevels(live, tools.random); }},
      {"Randomize switches", "",
       [](const Pattern& live, CommandTools& tools) { return randomSwitches(live, tools.random); }},
      {"Clear", "", [](const Pattern& live, CommandTools&) { return clearedLevels(live); }},
      {"Reset", "", [](const Pattern&, CommandTools&) { return initPattern(); }},
      kSeparator,
  };
  rows.insert(rows.end(), std::begin(patternTools), std::end(patternTools));
  for (const Scale size : Scale::kSizes) rows.push_back(sizeRow(size));
  return rows;
}

} // namespace

const std::vector<PatternCommand>& patternCommands() {
  static const std::vector<PatternCommand> table = makeTable();
  return table;
}

PatternCommands::PatternCommands(const StepGate& gate) : gate_(gate), random_(currentTicks()) {}

std::optional<Pattern> PatternCommands::run(const PatternCommand& command, HWND window) {
  message_.clear();
  if (!command.make) return std::nullopt;
  CommandTools tools{window, random_, pasteRefusal_, message_};
  return command.make(gate_.live().values(), tools);
}
