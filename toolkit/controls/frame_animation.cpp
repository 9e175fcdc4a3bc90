// FrameAnimation: painting the current frame, starting and stopping on a press, stepping with wrap-around.
#include "toolkit/controls/frame_animation.h"

#include "toolkit/controls/control_common.h"
#include "toolkit/graphics/pixmap.h"

FrameAnimation::FrameAnimation(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameCount,
                               int32_t frameHeight, Pixmap* pixmap, Point sourceOffset)
    : ValueWidget(size, listener, tag), pixmap_(pixmap), sourceOffset_(sourceOffset),
      frameHeight_(frameHeight), totalHeight_(frameCount * frameHeight) {}

void FrameAnimation::paint(Canvas* canvas) {
  if (!running_) return;
  if (pixmap_ != nullptr)
    pixmap_->drawOpaque(canvas, size(), Point(sourceOffset_.h, sourceOffset_.v + truncateToPixels(value())));
  setShownValue(value());
}

void FrameAnimation::mousePressed(Canvas* canvas, Point&) {
  if (!isClickable()) return;
  putValue(0.0f);
  if (running_) {
    paint(canvas);
    stopAnimation();
    return;
  }
  startAnimation();
  setShownValue(-1.0f);
  reportEdit(*this, canvas);
}

void FrameAnimation::startAnimation() { running_ = true; }

void FrameAnimation::stopAnimation() { running_ = false; }

float FrameAnimation::lastFrameOffset() const { return static_cast<float>(totalHeight_ - frameHeight_); }

// Whole frames: every frame of the strip is shown in turn, the last included, and no offset falls
// between two frames.
void FrameAnimation::nextFrame() {
  putValue(value() + static_cast<float>(frameHeight_));
  if (value() > lastFrameOffset()) putValue(0.0f);
}

void FrameAnimation::previousFrame() {
  putValue(value() - static_cast<float>(frameHeight_));
  if (value() < 0.0f) putValue(lastFrameOffset());
}
