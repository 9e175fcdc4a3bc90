// Widget's default operations: a widget that draws nothing and ignores presses.
#include "toolkit/graphics/widget.h"

#include "toolkit/graphics/offscreen_canvas.h"
#include "toolkit/graphics/root_view.h"

void Widget::paint(Canvas*) {}

void Widget::mousePressed(Canvas*, Point&) {}

void Widget::refreshIfChanged(Canvas*) {}

void Widget::wheelTurned(Canvas*, int32_t) {}

void Widget::dropFocus() {}

void Widget::gainFocus() {}

void Widget::attachOffscreen(OffscreenCanvas* canvas) {
  if (canvas == nullptr || canvas->width() < size_.width() || canvas->height() < size_.height()) return;
  offscreen_ = canvas;
}

void Widget::redrawNow() {
  if (parent_ != nullptr) parent_->redrawWidget(this);
}
