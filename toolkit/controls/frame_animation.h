// FrameAnimation: a strip of frames shown at a pixel offset while it runs; each press starts or stops
// it, and its owner steps the frames.
#pragma once

#include <cstdint>

#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/pixmap_ref.h"

class Pixmap;

class FrameAnimation : public ValueWidget {
public:
  // The value is the offset, in pixels, of the shown frame below sourceOffset in the pixmap.
  FrameAnimation(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameCount,
                 int32_t frameHeight, Pixmap* pixmap, Point sourceOffset);

  // Draws nothing while stopped.
  void paint(Canvas* canvas) override;
  // A press on a running animation shows its first frame and stops it; a press on a stopped one
  // rewinds, starts it and reports.
  void mousePressed(Canvas* canvas, Point& point) override;

  virtual void startAnimation();
  virtual void stopAnimation();
  // One frame on, after the last back to the first.
  virtual void nextFrame();
  // One frame back, before the first round to the last.
  virtual void previousFrame();

  bool isRunning() const { return running_; }

private:
  float lastFrameOffset() const;

  PixmapRef pixmap_;
  Point sourceOffset_;
  int32_t frameHeight_;
  bool running_ = false;
  int32_t totalHeight_;
};
