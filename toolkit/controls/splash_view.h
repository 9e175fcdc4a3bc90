// SplashView: a small control that, when pressed, covers a larger area with a pixmap and takes every
// press as the root view's modal view, until the next press anywhere on it turns it off again.
#pragma once

#include <cstdint>

#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/pixmap_ref.h"

class Pixmap;

class SplashView : public ValueWidget {
public:
  // The pixmap area starting at pixmapOffset is shown in splashRect (window coordinates) while on.
  SplashView(const Rect& size, ValueListener* listener, int32_t tag, Pixmap* pixmap, const Rect& splashRect,
             Point pixmapOffset);

  // Draws the splash while the value is not 0, nothing otherwise.
  void paint(Canvas* canvas) override;
  // Off: becomes the modal view, grows to the splash rectangle, paints and reports; nothing at all
  // when another modal view is set. On: shrinks back, gives the modal slot up, repaints the whole editor
  // and reports.
  void mousePressed(Canvas* canvas, Point& point) override;

private:
  void turnOn(Canvas* canvas);
  void turnOff(Canvas* canvas);

  Rect splashRect_;
  Rect savedRect_;
  PixmapRef pixmap_;
  Point pixmapOffset_;
};
