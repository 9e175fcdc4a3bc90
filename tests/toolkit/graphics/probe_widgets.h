// Widgets for the root view tests: each records what the root view asks of it in a shared log and
// paints its rectangle in its own colour, so both calls and pixels can be checked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/color.h"

struct ProbeLog {
  std::vector<std::string> entries;
  int32_t count(const std::string& entry) const;
};

class ProbeWidget : public Widget {
public:
  ProbeWidget(const Rect& size, std::string name, ProbeLog* log, Color color = colorGrey);
  ~ProbeWidget() override;

  void paint(Canvas* canvas) override;
  void mousePressed(Canvas* canvas, Point& point) override;
  void dropFocus() override;

  // When set, a press makes this widget the root view's editing widget, as a text field does.
  bool startsEditing = false;
  Point lastPress;

private:
  std::string name_;
  ProbeLog* log_;
  Color color_;
};

class ProbeValue : public ValueWidget {
public:
  ProbeValue(const Rect& size, std::string name, ProbeLog* log, Color color = colorGreen);
  ~ProbeValue() override;

  void paint(Canvas* canvas) override;

private:
  std::string name_;
  ProbeLog* log_;
  Color color_;
};
