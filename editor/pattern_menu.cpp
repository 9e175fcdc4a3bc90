// The menu's entries and the press that opens it.
#include "editor/pattern_menu.h"

#include <string>

#include "editor/step_gate_editor.h"
#include "gate/program_record.h"
#include "toolkit/graphics/root_view.h"

std::vector<MenuEntry> patternMenuEntries(Scale current) {
  MenuEntry factory{"Factory patterns", 0, {}};
  for (int32_t n = 0; n < kProgramCount; ++n)
    factory.submenu.push_back({"Pattern " + std::to_string(n + 1), FirstFactoryPattern + n, {}});
  MenuEntry size{"Size", 0, {}};
  for (int32_t n = 0; n < Scale::kSizeCount; ++n) {
    const Scale offered = Scale::kSizes[n];
    size.submenu.push_back(
        {std::to_string(offered.percent()) + " %", FirstSizeCommand + n, {}, offered == current});
  }
  return {{"Copy pattern", CopyPattern, {}},
          {"Paste pattern", PastePattern, {}},
          {"-", 0, {}},
          factory,
          {"-", 0, {}},
          {"Rotate left", RotateLeft, {}},
          {"Rotate right", RotateRight, {}},
          {"Invert levels", InvertLevels, {}},
          {"Randomize levels", RandomizeLevels, {}},
          {"Randomize switches", RandomizeSwitches, {}},
          {"Clear", ClearLevels, {}},
          {"Reset", ResetPattern, {}},
          {"-", 0, {}},
          size};
}

void PatternMenuArea::mousePressed(Canvas*, Point& point) {
  if (parent() == nullptr || parent()->pressedButton() != rightButton) return;
  const int32_t command = runPopupMenu(parent(), point, patternMenuEntries(editor_->scale()));
  if (command >= FirstSizeCommand && command < FirstSizeCommand + Scale::kSizeCount)
    editor_->chooseSize(Scale::kSizes[command - FirstSizeCommand]);
  else if (command >= 0)
    editor_->runPatternCommand(command);
}
