// The commands of the pattern menu, each a function of the live pattern.
#include "editor/pattern_commands.h"

#include <vector>

#include "editor/pattern_menu.h"
#include "gate/pattern_text.h"
#include "gate/pattern_tools.h"
#include "gate/step_gate.h"
#include "resources/bank_resource.h"
#include "toolkit/graphics/clipboard.h"
#include "toolkit/graphics/module_instance.h"
#include "toolkit/graphics/tick_source.h"

PatternCommands::PatternCommands(const StepGate& gate) : gate_(gate), random_(currentTicks()) {}

std::optional<Pattern> PatternCommands::run(int32_t command, HWND window) {
  const Pattern live = gate_.live().values();
  switch (command) {
  case CopyPattern:
    putClipboardText(window, patternText(live));
    return std::nullopt;
  case PastePattern: {
    Pattern pasted = live;
    if (!parsePatternText(clipboardText(window), pasted, pasteRefusal_)) return std::nullopt;
    return pasted;
  }
  case RotateLeft:
    return rotated(live, -1);
  case RotateRight:
    return rotated(live, 1);
  case InvertLevels:
    return invertedLevels(live);
  case RandomizeLevels:
    return randomLevels(live, random_);
  case RandomizeSwitches:
    return randomSwitches(live, random_);
  case ClearLevels:
    return clearedLevels(live);
  case ResetPattern:
    return initPattern();
  default:
    break;
  }
  const int32_t factory = command - FirstFactoryPattern;
  const std::vector<ProgramRecord> bank = readBankResource(moduleInstance);
  if (factory < 0 || factory >= static_cast<int32_t>(bank.size())) return std::nullopt;
  return patternOf(bank[static_cast<size_t>(factory)]);
}
