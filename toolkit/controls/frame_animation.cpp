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
    pixmap_->drawOpaque(canvas, size_, Point(sourceOffset_.h, sourceOffset_.v + truncateToPixels(value_)));
  shownValue_ = value_;
}

void FrameAnimation::mousePressed(Canvas* canvas, Point&) {
  if (!clickable_) return;
  value_ = 0.0f;
  if (running_) {
    paint(canvas);
    stopAnimation();
    return;
  }
  startAnimation();
  shownValue_ = -1.0f;
  reportEdit(*this, canvas);
}

void FrameAnimation::startAnimation() { running_ = true; }

void FrameAnimation::stopAnimation() { running_ = false; }

float FrameAnimation::lastFrameOffset() const { return static_cast<float>(totalHeight_ - frameHeight_); }

// Whole frames: every frame of the strip is shown in turn, the last included, and no offset falls
// between two frames.
void FrameAnimation::nextFrame() {
  value_ += static_cast<float>(frameHeight_);
  if (value_ > lastFrameOffset()) value_ = 0.0f;
}

void FrameAnimation::previousFrame() {
  value_ -= static_cast<float>(frameHeight_);
  if (value_ < 0.0f) value_ = lastFrameOffset();
}
