// FilmstripDisplay: shows the frame of a vertical strip nearest to its value (0 to 1); a passive view
// that ignores presses.
#pragma once

#include <cstdint>

#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/pixmap_ref.h"

class Pixmap;

class FilmstripDisplay : public ValueWidget {
public:
  // The frames start at sourceOffset in the pixmap, frameHeight rows apart; frameCount must be at least 2.
  FilmstripDisplay(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameCount,
                   int32_t frameHeight, Pixmap* pixmap, Point sourceOffset);

  // A value above 1 is stored as 1; the frame is the rounded (N - 1) x value.
  void paint(Canvas* canvas) override;

private:
  PixmapRef pixmap_;
  Point sourceOffset_;
  int32_t frameCount_;
  int32_t frameHeight_;
};
