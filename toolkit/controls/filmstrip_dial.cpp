// FilmstripDial: choosing the frame for the value.
#include "toolkit/controls/filmstrip_dial.h"

#include "toolkit/graphics/pixmap.h"

FilmstripDial::FilmstripDial(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameCount,
                             int32_t frameHeight, Pixmap* strip)
    : Dial(size, listener, tag, strip, 0), frameCount_(frameCount), frameHeight_(frameHeight) {}

void FilmstripDial::paint(Canvas* canvas) {
  const int32_t lastFrameTop = (frameCount_ - 1) * frameHeight_;
  int32_t top = 0;
  if (value() > 0.0f) {
    // Above 1 the offset would run past the strip.
    top = value() >= 1.0f ? lastFrameTop : static_cast<int32_t>(static_cast<float>(lastFrameTop) * value());
    // A whole frame, never a mix of two.
    if (top < lastFrameTop) top -= top % frameHeight_;
  }
  if (handlePixmap() != nullptr) handlePixmap()->drawOpaque(canvas, size(), Point(0, top));
  setShownValue(value());
}
