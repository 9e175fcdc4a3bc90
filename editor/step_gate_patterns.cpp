// The pattern menu's commands: each one builds the new pattern from the live values and writes what
// changed as host-visible edits.
#include <cstring>
#include <vector>

#include "editor/pattern_menu.h"
#include "editor/step_gate_editor.h"
#include "gate/step_gate.h"
#include "resources/resource_ids.h"
#include "toolkit/graphics/clipboard.h"
#include "toolkit/graphics/resource_bytes.h"
#include "toolkit/graphics/root_view.h"

Pattern StepGateEditor::livePattern() const {
  Pattern pattern{};
  for (int32_t index = 0; index < GateParameterCount; ++index) pattern[index] = gate_->readParameter(index);
  return pattern;
}

void StepGateEditor::applyPattern(const Pattern& pattern) {
  for (int32_t index = 0; index < GateParameterCount; ++index)
    if (gate_->readParameter(index) != pattern[index]) gate_->writeParameterAndNotify(index, pattern[index]);
  followChangedParameters();
  if (rootView != nullptr) rootView->redrawWidget(nullptr);
}

void StepGateEditor::runPatternCommand(int32_t command) {
  const Pattern live = livePattern();
  HWND window = rootView != nullptr ? rootView->windowHandle() : nullptr;
  switch (command) {
  case CopyPattern:
    putClipboardText(window, patternText(live));
    return;
  case PastePattern: {
    Pattern pasted = live;
    if (parsePatternText(clipboardText(window), pasted, pasteRefusal_))
      applyPattern(pasted);
    else
      showReadout("Paste refused: " + pasteRefusal_);
    return;
  }
  case RotateLeft:
    return applyPattern(rotated(live, -1));
  case RotateRight:
    return applyPattern(rotated(live, 1));
  case InvertLevels:
    return applyPattern(invertedLevels(live));
  case RandomizeLevels:
    return applyPattern(randomLevels(live, random_));
  case RandomizeSwitches:
    return applyPattern(randomSwitches(live, random_));
  case ClearLevels:
    return applyPattern(clearedLevels(live));
  case ResetPattern:
    return applyPattern(initPattern());
  default:
    break;
  }
  const int32_t factory = command - FirstFactoryPattern;
  const std::vector<uint8_t> bank = resourceBytes("BANK", RESOURCE_BANK);
  if (factory < 0 || factory >= kProgramCount || bank.size() < (factory + 1) * sizeof(ProgramRecord)) return;
  ProgramRecord record;
  std::memcpy(&record, bank.data() + factory * sizeof(ProgramRecord), sizeof record);
  applyPattern(patternOf(record));
}
