// The probe widgets' logging and painting.
#include "tests/toolkit/graphics/probe_widgets.h"

#include <algorithm>
#include <utility>

#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/root_view.h"

namespace {

void paintBlock(Canvas* canvas, const Rect& size, Color color) {
  canvas->setBrushColor(color);
  canvas->setPenColor(color);
  canvas->paintRect(size);
  canvas->outlineRect(size);
}

} // namespace

int32_t ProbeLog::count(const std::string& entry) const {
  return static_cast<int32_t>(std::count(entries.begin(), entries.end(), entry));
}

ProbeWidget::ProbeWidget(const Rect& size, std::string name, ProbeLog* log, Color color)
    : Widget(size), name_(std::move(name)), log_(log), color_(color) {}

ProbeWidget::~ProbeWidget() { log_->entries.push_back("delete " + name_); }

void ProbeWidget::paint(Canvas* canvas) {
  log_->entries.push_back("paint " + name_);
  paintBlock(canvas, size(), color_);
}

void ProbeWidget::mousePressed(Canvas* canvas, Point& point) {
  log_->entries.push_back("press " + name_);
  lastPress = point;
  if (startsEditing) canvas->rootView()->setEditingWidget(this);
}

void ProbeWidget::dropFocus() { log_->entries.push_back("drop " + name_); }

ProbeValue::ProbeValue(const Rect& size, std::string name, ProbeLog* log, Color color)
    : ValueWidget(size, nullptr, 0), name_(std::move(name)), log_(log), color_(color) {}

ProbeValue::~ProbeValue() { log_->entries.push_back("delete " + name_); }

void ProbeValue::paint(Canvas* canvas) {
  log_->entries.push_back("paint " + name_);
  paintBlock(canvas, size(), color_);
}
