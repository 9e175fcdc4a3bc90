// FilmstripDial: a dial drawn as one of N frames of a vertical strip instead of a handle on an arc; it
// follows the pointer's angle as the dial does.
#pragma once

#include <cstdint>

#include "toolkit/controls/dial.h"

class FilmstripDial : public Dial {
public:
  // The strip holds frameCount frames of frameHeight rows, the minimum's first; frameCount must be at
  // least 2.
  FilmstripDial(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameCount,
                int32_t frameHeight, Pixmap* strip);

  // Value 0 (and below) shows the first frame, 1 (and above) the last, values between the frame that
  // (N - 1) x value reaches.
  void paint(Canvas* canvas) override;

private:
  int32_t frameCount_;
  int32_t frameHeight_;
};
