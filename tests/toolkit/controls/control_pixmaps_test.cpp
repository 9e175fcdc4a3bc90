// Checks what every fader, button and switch shares: each keeps a reference to its pixmaps until it is
// destroyed (counted by the process's live GDI objects), and with clickable false presses change nothing.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/controls/edit_log.h"
#include "tests/toolkit/controls/shared_window.h"
#include "tests/toolkit/support/memory_surface.h"
#include "tests/toolkit/support/scripted_input.h"
#include "toolkit/controls/fader.h"
#include "toolkit/controls/horizontal_fader.h"
#include "toolkit/controls/horizontal_switch.h"
#include "toolkit/controls/latch_button.h"
#include "toolkit/controls/momentary_button.h"
#include "toolkit/controls/rocker_switch.h"
#include "toolkit/controls/toggle_button.h"
#include "toolkit/controls/vertical_switch.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "tools/probe/resource_census.h"

namespace {

const Rect kSize(10, 10, 40, 60);

struct Kind {
  const char* name;
  // Makes the control with both pixmaps; controls with one pixmap take the first.
  std::function<ValueWidget*(ValueListener*, Pixmap*, Pixmap*)> make;
  bool usesSecond;
};

const Kind kKinds[] = {
    {"Fader",
     [](ValueListener* l, Pixmap* a, Pixmap* b) {
       return new Fader(kSize, l, 0, 10, 40, a, b, Point(0, 0), faderOriginBottom);
     },
     true},
    {"HorizontalFader",
     [](ValueListener* l, Pixmap* a, Pixmap* b) {
       return new HorizontalFader(kSize, l, 0, 10, 20, a, b, Point(0, 0), faderOriginLeft);
     },
     true},
    {"ToggleButton", [](ValueListener* l, Pixmap* a, Pixmap*) { return new ToggleButton(kSize, l, 0, a); },
     false},
    {"LatchButton", [](ValueListener* l, Pixmap* a, Pixmap*) { return new LatchButton(kSize, l, 0, 10, a); },
     false},
    {"MomentaryButton",
     [](ValueListener* l, Pixmap* a, Pixmap*) {
       return new MomentaryButton(kSize, l, 0, 10, a, Point(0, 0));
     },
     false},
    {"RockerSwitch",
     [](ValueListener* l, Pixmap* a, Pixmap*) { return new RockerSwitch(kSize, l, 0, 10, a, Point(0, 0)); },
     false},
    {"VerticalSwitch",
     [](ValueListener* l, Pixmap* a, Pixmap*) { return new VerticalSwitch(kSize, l, 0, 10, 3, a); }, false},
    {"HorizontalSwitch",
     [](ValueListener* l, Pixmap* a, Pixmap*) { return new HorizontalSwitch(kSize, l, 0, 10, 3, a); }, false},
};

TEST(Controls, KeepTheirPixmapsUntilDestroyed) {
  HWND window = sharedWindow();
  MemorySurface surface(60, 80, colorBlack);
  Canvas canvas(nullptr, surface.device(), window);
  for (const Kind& kind : kKinds) {
    const int32_t before = liveGdiObjects();
    PixmapRef first = PixmapRef::adopt(new Pixmap(kFaderHandleBitmap));
    PixmapRef second = PixmapRef::adopt(new Pixmap(kFaderTrackBitmap));
    ASSERT_EQ(liveGdiObjects(), before + 2);
    std::unique_ptr<ValueWidget> control(kind.make(nullptr, first, second));
    // Keyed drawing gives the handle its mask, one more object that lives as long as the pixmap.
    control->paint(&canvas);
    const int32_t painted = liveGdiObjects();
    first.reset();
    second.reset();
    // Only the pixmaps the control holds are still alive.
    EXPECT_EQ(liveGdiObjects(), kind.usesSecond ? painted : painted - 1) << kind.name;
    control.reset();
    EXPECT_EQ(liveGdiObjects(), before) << kind.name;
  }
}

TEST(Controls, UnclickableIgnorePressesOfEveryKind) {
  HWND window = sharedWindow();
  MemorySurface surface(60, 80, colorBlack);
  Canvas canvas(nullptr, surface.device(), window);
  for (const Kind& kind : kKinds) {
    for (ButtonState state : {0, int32_t(leftPress), int32_t(leftPressWithAlt), int32_t(rightButton)}) {
      EditLog log;
      const PixmapRef pixmap = PixmapRef::adopt(new Pixmap(kFourFramesBitmap));
      std::unique_ptr<ValueWidget> control(kind.make(&log, pixmap, nullptr));
      control->putValue(0.25f);
      control->setClickable(false);
      ScriptedInput input(window, {{state, Point(15, 15)}, {state, Point(30, 50)}, {0, Point()}});
      Point press(15, 15);
      control->mousePressed(&canvas, press);
      EXPECT_TRUE(log.edits().empty()) << kind.name << " state " << state;
      EXPECT_EQ(control->value(), 0.25f) << kind.name;
      EXPECT_EQ(input.pointerReads(), 0) << kind.name;
    }
  }
}

} // namespace
