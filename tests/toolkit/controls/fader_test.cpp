// Checks Fader and HorizontalFader on real GDI: where the handle is painted for each value and style,
// keyed and opaque handles, values outside 0 to 1, grabbing only on the handle, scripted drags with and
// without Shift, the end of a drag, clamping at both ends, and the reset by Alt+click or a double click.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "tests/toolkit/controls/edit_log.h"
#include "tests/toolkit/controls/fader_scene.h"
#include "tests/toolkit/support/manual_clock.h"
#include "tests/toolkit/support/scripted_input.h"
#include "toolkit/controls/horizontal_fader.h"

namespace {

using Steps = std::vector<ScriptedInput::Step>;

// The value a gate step fader takes with the pointer at window y, grabbed grab pixels below the handle's
// top: its travel of 67 pixels from 103, upside down.
float gateValueAt(int32_t y, int32_t grab) { return 1.0f - static_cast<float>(y - kGateTop - grab) / 67.0f; }

float fine(float anchor, float coarse) { return anchor + (coarse - anchor) / 10.0f; }

void expectValues(const std::vector<float>& got, const std::vector<float>& wanted) {
  ASSERT_EQ(got.size(), wanted.size());
  for (size_t i = 0; i < got.size(); ++i) EXPECT_FLOAT_EQ(got[i], wanted[i]) << "report " << i;
}

TEST(Fader, PaintsTheHandleWhereValueAndStyleSayAndNeverOutsideTheControl) {
  // The gate's geometry puts the handle's top at 103 + trunc(t * 67) from x 11. Values outside 0 to 1
  // hold the top at the start of travel, or cut the bottom at its end, 182 (t = 1.05: the top at 173;
  // t = 2: nothing left of the handle).
  const struct {
    int32_t style;
    Point trackOffset;
    float value;
    bool keyed;
    Rect handleArea;
  } cases[] = {
      {faderOriginBottom, Point(0, 0), 1.0f, true, Rect(11, 103, 25, 115)},
      {faderOriginBottom, Point(0, 0), 0.0f, true, Rect(11, 170, 25, 182)},
      {faderOriginBottom, Point(0, 0), 0.5f, true, Rect(11, 136, 25, 148)},
      {faderOriginBottom, Point(0, 0), 0.25f, true, Rect(11, 153, 25, 165)},
      {faderOriginBottom, Point(0, 0), 1.0f, false, Rect(11, 103, 25, 115)},
      {faderOriginTop, Point(5, 10), 0.25f, true, Rect(11, 119, 25, 131)},
      {faderOriginTop, Point(5, 10), 1.0f, true, Rect(11, 170, 25, 182)},
      {faderOriginBottom, Point(0, 0), 1.5f, true, Rect(11, 103, 25, 115)},
      {faderOriginBottom, Point(0, 0), -0.05f, true, Rect(11, 173, 25, 182)},
      {faderOriginBottom, Point(0, 0), -1.0f, true, Rect()},
      {faderOriginBottom, Point(0, 0), std::nanf(""), true, Rect(11, 103, 25, 115)},
  };
  for (const auto& c : cases) {
    FaderScene scene;
    Fader fader(kGateFaderSize, nullptr, 0, kGateTop, kGateBottom, scene.handle.get(), scene.track.get(),
                c.trackOffset, c.style);
    fader.setHandleOrigin(Point(1, 0));
    fader.useHandleTransparency(c.keyed);
    fader.putValue(c.value);
    fader.paint(&scene.canvas);
    EXPECT_TRUE(scene.showsFader(kGateFaderSize, c.handleArea, c.trackOffset, c.keyed))
        << "value " << c.value << " style " << c.style << " keyed " << c.keyed;
  }
}

TEST(HorizontalFader, PaintsTheHandleLeftWhereValueAndStyleSay) {
  const Rect size(20, 30, 120, 46);
  const struct {
    int32_t style;
    float value;
    int32_t handleLeft;
  } cases[] = {{faderOriginLeft, 0.0f, 20},
               {faderOriginLeft, 1.0f, 106},
               {faderOriginLeft, 0.5f, 63},
               {faderOriginRight, 0.25f, 84}};
  for (const auto& c : cases) {
    FaderScene scene;
    HorizontalFader fader(size, nullptr, 0, 20, 106, scene.handle.get(), scene.track.get(), Point(0, 0),
                          c.style);
    fader.setHandleOrigin(Point(0, 2));
    fader.putValue(c.value);
    fader.paint(&scene.canvas);
    EXPECT_TRUE(scene.showsFader(size, Rect(c.handleLeft, 32, c.handleLeft + 14, 44), Point(0, 0), true))
        << "value " << c.value << " style " << c.style;
  }
}

TEST(Fader, GrabsOnlyTheHandleAsLastPaintedEdgesIncluded) {
  // At 0.5 the gate fader's handle lies from y 136 to 148, the grab area across the handle's width from
  // the control's left, 10. The horizontal fader's handle lies from x 63 to 77, from the control's top, 30.
  const struct {
    bool horizontal;
    Point press;
    bool grabs;
  } cases[] = {{false, Point(24, 140), true}, {false, Point(25, 140), false}, {false, Point(10, 136), true},
               {false, Point(10, 148), true}, {false, Point(10, 149), false}, {false, Point(17, 135), false},
               {true, Point(77, 35), true},   {true, Point(78, 35), false},   {true, Point(63, 42), true},
               {true, Point(63, 43), false},  {true, Point(62, 35), false}};
  for (const auto& c : cases) {
    FaderScene scene;
    EditLog log;
    std::unique_ptr<Fader> fader;
    if (c.horizontal) {
      fader = std::make_unique<HorizontalFader>(Rect(20, 30, 120, 46), &log, 0, 20, 106, scene.handle.get(),
                                                nullptr, Point(0, 0), faderOriginLeft);
      fader->putValue(0.5f);
      fader->paint(&scene.canvas);
    } else {
      fader = scene.gateFader(&log, 0.5f);
    }
    Point press = c.press;
    ScriptedInput input(scene.window, {{leftPress, press}, {leftPress, Point(50, 120)}, {0, Point()}});
    fader->mousePressed(&scene.canvas, press);
    EXPECT_EQ(!log.edits().empty(), c.grabs) << c.press.h << ", " << c.press.v;
    EXPECT_EQ(input.pointerReads() > 0, c.grabs);
  }
}

TEST(Fader, DragReportsEachNewValueOnceUntilRelease) {
  FaderScene scene;
  EditLog log;
  auto fader = scene.gateFader(&log, 0.5f);
  Point press(15, 140);
  ScriptedInput input(scene.window, {{leftPress, press},
                                     {leftPress, Point(15, 130)},
                                     {leftPress, Point(30, 130)},
                                     {leftPress, Point(15, 120)},
                                     {0, Point(15, 100)}});
  fader->mousePressed(&scene.canvas, press);
  // Grabbed 4 pixels below the handle's top; the release's position is never used.
  expectValues(log.values(), {gateValueAt(140, 4), gateValueAt(130, 4), gateValueAt(120, 4)});
  EXPECT_EQ(log.edits()[0].tag, 7);
  EXPECT_EQ(fader->refreshRequests, 4);
  EXPECT_EQ(input.pointerReads(), 4);
  EXPECT_EQ(press.v, 100);
  EXPECT_EQ(fader->shownValue(), fader->value());
}

TEST(Fader, ShiftHeldFromThePressMovesOneTenthAroundTheValueAtThePress) {
  FaderScene scene;
  EditLog log;
  auto fader = scene.gateFader(&log, 0.5f);
  Point press(15, 140);
  ScriptedInput input(scene.window, {{leftPressWithShift, press},
                                     {leftPressWithShift, Point(15, 120)},
                                     {leftPressWithShift, Point(15, 100)},
                                     {0, Point()}});
  fader->mousePressed(&scene.canvas, press);
  expectValues(log.values(), {fine(0.5f, gateValueAt(140, 4)), fine(0.5f, gateValueAt(120, 4)),
                              fine(0.5f, gateValueAt(100, 4))});
}

TEST(Fader, ShiftPressedMidDragAnchorsOnceAtTheValueReached) {
  // Released, Shift returns the value to the pointer's own mapping; pressed again it is the state
  // already anchored at, so the first anchor stays.
  FaderScene scene;
  EditLog log;
  auto fader = scene.gateFader(&log, 0.5f);
  Point press(15, 140);
  ScriptedInput input(scene.window, {{leftPress, press},
                                     {leftPress, Point(15, 130)},
                                     {leftPressWithShift, Point(15, 130)},
                                     {leftPressWithShift, Point(15, 120)},
                                     {leftPress, Point(15, 120)},
                                     {leftPress, Point(15, 110)},
                                     {leftPressWithShift, Point(15, 110)},
                                     {leftPressWithShift, Point(15, 100)},
                                     {0, Point()}});
  fader->mousePressed(&scene.canvas, press);
  const float anchor = gateValueAt(130, 4);
  expectValues(log.values(),
               {gateValueAt(140, 4), anchor, fine(anchor, gateValueAt(120, 4)), gateValueAt(120, 4),
                gateValueAt(110, 4), fine(anchor, gateValueAt(110, 4)), fine(anchor, gateValueAt(100, 4))});
}

TEST(Fader, AnyOtherButtonOrKeyEndsTheDrag) {
  for (ButtonState ending : {leftButton | rightButton, leftPressWithShift | rightButton,
                             leftButton | controlKey, int32_t(leftPressWithAlt), int32_t(middleButton), 0}) {
    FaderScene scene;
    EditLog log;
    auto fader = scene.gateFader(&log, 0.5f);
    Point press(15, 140);
    ScriptedInput input(scene.window, {{leftPress, press},
                                       {leftPress, Point(15, 130)},
                                       {ending, Point(15, 120)},
                                       {leftPress, Point(15, 110)},
                                       {0, Point()}});
    fader->mousePressed(&scene.canvas, press);
    expectValues(log.values(), {gateValueAt(140, 4), gateValueAt(130, 4)});
  }
}

TEST(Fader, DraggingPastEitherEndHoldsTheValueThereAndStopsReporting) {
  FaderScene scene;
  EditLog log;
  auto fader = scene.gateFader(&log, 0.5f);
  Point press(15, 140);
  ScriptedInput input(scene.window, {{leftPress, press},
                                     {leftPress, Point(15, 60)},
                                     {leftPress, Point(15, 40)},
                                     {leftPress, Point(15, 300)},
                                     {leftPress, Point(15, 320)},
                                     {0, Point()}});
  fader->mousePressed(&scene.canvas, press);
  expectValues(log.values(), {gateValueAt(140, 4), 1.0f, 0.0f});
}

TEST(Fader, AltClickSetsTheResetValueAnywhereAndReportsOnlyAChange) {
  const struct {
    float value;
    float reset;
    size_t reports;
  } cases[] = {{0.2f, 0.5f, 1}, {0.5f, 0.5f, 0}, {0.2f, 0.8f, 1}};
  for (const auto& c : cases) {
    FaderScene scene;
    EditLog log(EditLog::Repaint::never);
    auto fader = scene.gateFader(&log, c.value);
    fader->setResetValue(c.reset);
    Point press(12, 180);
    ScriptedInput input(scene.window, {{leftPressWithAlt, press}});
    fader->mousePressed(&scene.canvas, press);
    EXPECT_EQ(fader->value(), c.reset);
    EXPECT_EQ(log.edits().size(), c.reports);
    // The fader leaves painting to its listener.
    EXPECT_EQ(fader->shownValue(), c.value);
    EXPECT_EQ(input.pointerReads(), 0);
  }
}

TEST(Fader, PressesWithOtherStatesOrUnclickableChangeNothing) {
  const struct {
    ButtonState state;
    bool clickable;
  } cases[] = {{rightButton, true},
               {middleButton, true},
               {leftPressWithAlt | shiftKey, true},
               {leftButton | controlKey, true},
               {leftPress, false},
               {leftPressWithAlt, false}};
  for (const auto& c : cases) {
    FaderScene scene;
    EditLog log;
    auto fader = scene.gateFader(&log, 0.2f);
    fader->setClickable(c.clickable);
    Point press(15, 160);
    ScriptedInput input(scene.window, {{c.state, press}, {c.state, Point(15, 120)}, {0, Point()}});
    fader->mousePressed(&scene.canvas, press);
    EXPECT_TRUE(log.edits().empty()) << c.state;
    EXPECT_EQ(fader->value(), 0.2f);
    EXPECT_EQ(input.pointerReads(), 0);
  }
}

TEST(HorizontalFader, DragFollowsTheXAxisAndOriginRightInverts) {
  for (int32_t style : {faderOriginLeft, faderOriginRight}) {
    FaderScene scene;
    EditLog log;
    HorizontalFader fader(Rect(20, 30, 120, 46), &log, 0, 20, 106, scene.handle.get(), nullptr, Point(0, 0),
                          style);
    fader.putValue(0.5f);
    fader.paint(&scene.canvas);
    // 0.5 paints the handle's left at 63 in both styles, and the press on it, 3 pixels right of its left
    // edge, maps back to 0.5: only the moves report.
    Point press(66, 40);
    ScriptedInput input(
        scene.window,
        {{leftPress, press}, {leftPress, Point(83, 10)}, {leftPress, Point(40, 10)}, {0, Point()}});
    fader.mousePressed(&scene.canvas, press);
    const float along[] = {60.0f / 86.0f, 17.0f / 86.0f};
    const bool inverted = style == faderOriginRight;
    expectValues(log.values(),
                 {inverted ? 1.0f - along[0] : along[0], inverted ? 1.0f - along[1] : along[1]});
  }
}

} // namespace

TEST(Fader, WheelNotchesMoveByATwentiethOrWithShiftATwoHundredthClampedAndReported) {
  const struct {
    float value;
    int32_t notches;
    ButtonState state;
    float expected;
  } cases[] = {{0.5f, 1, 0, 0.55f},  {0.5f, -2, 0, 0.4f},          {0.5f, 1, shiftKey, 0.505f},
               {0.9f, 3, 0, 1.0f},   {1.0f, 1, 0, 1.0f},           {0.02f, -1, shiftKey, 0.015f},
               {0.02f, -1, 0, 0.0f}, {0.5f, -1, leftButton, 0.45f}};
  for (const auto& c : cases) {
    FaderScene scene;
    EditLog log(EditLog::Repaint::never);
    auto fader = scene.gateFader(&log, c.value);
    ScriptedInput input(scene.window, {{c.state, Point(15, 150)}});
    fader->wheelTurned(&scene.canvas, c.notches);
    EXPECT_FLOAT_EQ(fader->value(), c.expected) << c.value << " " << c.notches;
    EXPECT_EQ(log.edits().size(), c.expected != c.value ? 1u : 0u) << c.value << " " << c.notches;
  }
}

TEST(Fader, ASecondPlainPressSoonAndNearResetsLikeAltClick) {
  // A third press, when `thirdAfter` is not 0, lands where the second did: it starts a double click of
  // its own and completes none, so no second report (nothing repaints the fader in between).
  const struct {
    uint32_t after;
    Point second;
    bool resets;
    uint32_t thirdAfter;
  } cases[] = {{100, Point(15, 150), true, 0},
               {100, Point(17, 151), true, 0},
               {GetDoubleClickTime(), Point(15, 150), true, 0},
               {GetDoubleClickTime() + 1, Point(15, 150), false, 0},
               {100, Point(15, 150 + GetSystemMetrics(SM_CYDOUBLECLK)), false, 0},
               {100, Point(15, 150), true, 1}};
  for (const auto& c : cases) {
    FaderScene scene;
    ManualClock clock(1000);
    EditLog log(EditLog::Repaint::never);
    auto fader = scene.gateFader(&log, 0.2f);
    // Both presses land below the handle, so neither starts a drag of its own.
    Point first(15, 150);
    ScriptedInput press(scene.window, {{leftPress, first}, {0, first}});
    fader->mousePressed(&scene.canvas, first);
    clock.advance(c.after);
    Point second = c.second;
    ScriptedInput again(scene.window, {{leftPress, second}, {0, second}});
    fader->mousePressed(&scene.canvas, second);
    if (c.thirdAfter != 0) {
      clock.advance(c.thirdAfter);
      Point third = c.second;
      ScriptedInput more(scene.window, {{leftPress, third}, {0, third}});
      fader->mousePressed(&scene.canvas, third);
    }
    EXPECT_EQ(fader->value(), c.resets ? 0.5f : 0.2f) << c.after << " " << c.second.v;
    EXPECT_EQ(log.edits().size(), c.resets ? 1u : 0u);
  }
}
