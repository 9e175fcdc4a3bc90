// ValueListener: told by a control whenever the user changed its value; reads the tag and value from it.
#pragma once

class Canvas;
class ValueWidget;

class ValueListener {
public:
  virtual ~ValueListener() = default;
  virtual void controlEdited(Canvas* canvas, ValueWidget* control) = 0;
};
