// The pattern tools as the editor offers them: a right click anywhere outside the controls opens a menu of
// commands that change the whole pattern at once, drawn from the table of pattern commands.
#pragma once

#include <vector>

#include "editor/pattern_commands.h"
#include "toolkit/controls/popup_menu.h"
#include "toolkit/graphics/scale.h"
#include "toolkit/graphics/widget.h"

class StepGateEditor;

// The table's rows as menu entries, each answering its row number plus one; the current size checked.
std::vector<MenuEntry> patternMenuEntries(Scale current);

// Lies under every control and covers the whole window, so it receives exactly the presses no control
// takes; a right press opens the menu and runs the command chosen there.
class PatternMenuArea : public Widget {
public:
  PatternMenuArea(const Rect& size, StepGateEditor* editor) : Widget(size), editor_(editor) {}
  void mousePressed(Canvas* canvas, Point& point) override;

private:
  StepGateEditor* editor_;
};
