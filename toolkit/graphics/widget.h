// Widget: a rectangle of the editor window that paints itself, reacts to a press and refreshes when its
// state changed. The root view owns the widgets it was given and calls these operations.
#pragma once

#include "toolkit/graphics/point.h"
#include "toolkit/graphics/rect.h"

class Canvas;
class OffscreenCanvas;
class RootView;

class Widget {
public:
  explicit Widget(const Rect& size) : size_(size) {}
  virtual ~Widget() = default;

  Widget(const Widget&) = delete;
  Widget& operator=(const Widget&) = delete;

  virtual void paint(Canvas* canvas);
  // point is the press in window coordinates; a tracking loop may overwrite it with later positions.
  virtual void mousePressed(Canvas* canvas, Point& point);
  virtual void refreshIfChanged(Canvas* canvas);
  // Whole notches of the mouse wheel turned over the widget, positive away from the user.
  virtual void wheelTurned(Canvas* canvas, int32_t notches);
  virtual void dropFocus();
  virtual void gainFocus();
  // Keeps the canvas only when it can hold the whole widget; otherwise the previous one stays.
  virtual void attachOffscreen(OffscreenCanvas* canvas);

  // Paints the widget at once through a window canvas of its root view; nothing without a root view.
  void redrawNow();

  const Rect& size() const { return size_; }
  RootView* parent() const { return parent_; }
  OffscreenCanvas* offscreen() const { return offscreen_; }

protected:
  // For a widget that covers another area for a while (a splash) or follows its window (the root view).
  void setSize(const Rect& size) { size_ = size; }

private:
  Rect size_;
  // Set by RootView::adoptWidget, the one writer.
  friend class RootView;
  RootView* parent_ = nullptr;
  OffscreenCanvas* offscreen_ = nullptr;
};
