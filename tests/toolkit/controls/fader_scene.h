// FaderScene: what the fader tests share. A window for the pointer's coordinates, a surface the faders
// paint on, the handle and track pixmaps with their pictures, the gate editor's step fader geometry,
// and the check of a painted fader against those pictures.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/controls/pictures.h"
#include "tests/toolkit/controls/shared_window.h"
#include "tests/toolkit/support/memory_surface.h"
#include "toolkit/controls/fader.h"
#include "toolkit/graphics/canvas.h"

// The gate editor's step fader: 16 x 80 at top 103, handle travel from 103 to 170, 14 x 12 handle.
const Rect kGateFaderSize(10, 103, 26, 183);
constexpr int32_t kGateTop = 103;
constexpr int32_t kGateBottom = 170;

// Counts the tracking loop's refresh requests.
class CountingFader final : public Fader {
public:
  using Fader::Fader;
  void requestRefresh() override {
    ++refreshRequests;
    Fader::requestRefresh();
  }
  int32_t refreshRequests = 0;
};

struct FaderScene {
  static constexpr Color kFill{0, 0, 255, 0};

  HWND window = sharedWindow();
  MemorySurface surface{200, 220, kFill};
  Canvas canvas{nullptr, surface.device(), window};
  HeldPixmap handle{kFaderHandleBitmap};
  HeldPixmap track{kFaderTrackBitmap};
  std::unique_ptr<MemorySurface> handlePicture = pictureOf(handle.get());
  std::unique_ptr<MemorySurface> trackPicture = pictureOf(track.get());

  // A gate step fader, painted at the value.
  std::unique_ptr<CountingFader> gateFader(ValueListener* listener, float value);

  // Success when the control shows the handle's picture in the handle area (window coordinates; the
  // track shows through its key-coloured pixels when keyed), the track from trackOffset elsewhere, and
  // the pixels around the control are untouched.
  testing::AssertionResult showsFader(const Rect& control, const Rect& handleArea, Point trackOffset,
                                      bool keyed) const;
};
