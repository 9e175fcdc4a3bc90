// FilmstripDisplay: choosing the frame for the value.
#include "toolkit/controls/filmstrip_display.h"

#include "toolkit/graphics/pixmap.h"

FilmstripDisplay::FilmstripDisplay(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameCount,
                                   int32_t frameHeight, Pixmap* pixmap, Point sourceOffset)
    : ValueWidget(size, listener, tag), pixmap_(pixmap), sourceOffset_(sourceOffset), frameCount_(frameCount),
      frameHeight_(frameHeight) {}

void FilmstripDisplay::paint(Canvas* canvas) {
  if (value() > 1.0f) putValue(1.0f);
  Point source = sourceOffset_;
  if (value() > 0.0f) {
    const int32_t frame = static_cast<int32_t>(static_cast<float>(frameCount_ - 1) * value() + 0.5f);
    source.v += frame * frameHeight_;
  }
  if (pixmap_ != nullptr) pixmap_->drawOpaque(canvas, size(), source);
  setShownValue(value());
}
