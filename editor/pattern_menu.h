// The pattern tools as the editor offers them: a right click anywhere outside the controls opens a menu of
// commands that change the whole pattern at once, drawn from the table of pattern commands.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "editor/pattern_commands.h"
#include "toolkit/controls/popup_menu.h"
#include "toolkit/graphics/scale.h"
#include "toolkit/graphics/widget.h"

// The table's rows as menu entries, each answering its row number plus one; the current size checked.
std::vector<MenuEntry> patternMenuEntries(Scale current);

// Lies under every control and covers the whole window, so it receives exactly the presses no control
// takes; a right press opens the menu, with the view's size checked, and hands the command chosen there to
// the editor that made the area.
class PatternMenuArea : public Widget {
public:
  using Runner = std::function<void(const PatternCommand&)>;
  PatternMenuArea(const Rect& size, Runner run) : Widget(size), run_(std::move(run)) {}
  void mousePressed(Canvas* canvas, Point& point) override;

private:
  Runner run_;
};
