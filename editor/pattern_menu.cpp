// The menu's entries and the press that opens it.
#include "editor/pattern_menu.h"

#include "toolkit/graphics/root_view.h"

std::vector<MenuEntry> patternMenuEntries(Scale current) {
  const std::vector<PatternCommand>& commands = patternCommands();
  std::vector<MenuEntry> entries;
  for (size_t row = 0; row < commands.size(); ++row) {
    const PatternCommand& command = commands[row];
    // A separator answers nothing, as a submenu does not.
    const int32_t answer = command.label == "-" ? 0 : static_cast<int32_t>(row) + 1;
    MenuEntry entry{command.label, answer, {}, command.size == current};
    if (command.submenu.empty()) {
      entries.push_back(entry);
      continue;
    }
    if (entries.empty() || entries.back().text != command.submenu)
      entries.push_back({command.submenu, 0, {}});
    entries.back().submenu.push_back(entry);
  }
  return entries;
}

void PatternMenuArea::mousePressed(Canvas*, Point& point) {
  if (parent() == nullptr || parent()->pressedButton() != rightButton) return;
  const int32_t chosen = runPopupMenu(parent(), point, patternMenuEntries(parent()->scale()));
  const std::vector<PatternCommand>& commands = patternCommands();
  if (chosen >= 1 && chosen <= static_cast<int32_t>(commands.size()))
    run_(commands[static_cast<size_t>(chosen - 1)]);
}
