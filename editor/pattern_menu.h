// The pattern tools as the editor offers them: a right click anywhere outside the controls opens a menu of
// commands that change the whole pattern at once.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/controls/popup_menu.h"
#include "toolkit/graphics/scale.h"
#include "toolkit/graphics/widget.h"

class StepGateEditor;

enum PatternCommand : int32_t {
  CopyPattern = 1,
  PastePattern,
  RotateLeft,
  RotateRight,
  InvertLevels,
  RandomizeLevels,
  RandomizeSwitches,
  ClearLevels,
  ResetPattern,
  // Factory pattern n (0 to 15) is FirstFactoryPattern + n.
  FirstFactoryPattern = 100,
};

// The editor's size n of Scale::kSizes is FirstSizeCommand + n, in the menu's "Size" submenu.
constexpr int32_t FirstSizeCommand = 200;

// The pattern commands, then the sizes with the current one checked.
std::vector<MenuEntry> patternMenuEntries(Scale current);

// Lies under every control and covers the whole window, so it receives exactly the presses no control
// takes; a right press opens the menu, and runs the pattern command or takes the size chosen there.
class PatternMenuArea : public Widget {
public:
  PatternMenuArea(const Rect& size, StepGateEditor* editor) : Widget(size), editor_(editor) {}
  void mousePressed(Canvas* canvas, Point& point) override;

private:
  StepGateEditor* editor_;
};
