// Checks Fader and HorizontalFader on real GDI: where the handle is painted for each value and style,
// keyed and opaque handles, values outside 0 to 1, grabbing only on the handle, scripted drags with and
// without Shift, the end of a drag, clamping at both ends and Alt+click reset.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/toolkit/controls/edit_log.h"
#include "tests/toolkit/controls/fader_scene.h"
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

TEST(Fader, PaintsTheHandleWhereValueAndStyleSay) {
  struct Case {
    int32_t style;
    Point trackOffset;
    float value;
    int32_t handleTop;
  };
  const Case cases[] = {
      {faderOriginBottom, Point(0, 0), 1.0f, 103}, {faderOriginBottom, Point(0, 0), 0.0f, 170},
      {faderOriginBottom, Point(0, 0), 0.5f, 136}, {faderOriginBottom, Point(0, 0), 0.25f, 153},
      {faderOriginTop, Point(5, 10), 0.25f, 119},  {faderOriginTop, Point(5, 10), 1.0f, 170},
      {faderOriginBottom, Point(0, 0), 1.5f, 103},
  };
  for (const Case& c : cases) {
    FaderScene scene;
    Fader fader(kGateFaderSize, nullptr, 0, kGateTop, kGateBottom, scene.handle.get(), scene.track.get(),
                c.trackOffset, c.style);
    fader.setHandleOrigin(Point(1, 0));
    fader.putValue(c.value);
    fader.refreshIfChanged(&scene.canvas);
    EXPECT_TRUE(
        scene.showsFader(kGateFaderSize, Rect(11, c.handleTop, 25, c.handleTop + 12), c.trackOffset, true))
        << "value " << c.value << " style " << c.style;
    EXPECT_EQ(fader.shownValue(), c.value);
  }
}

TEST(Fader, OpaqueHandleShowsItsKeyColouredCorners) {
  FaderScene scene;
  auto fader = scene.gateFader(nullptr, 1.0f);
  fader->useHandleTransparency(false);
  fader->paint(&scene.canvas);
  EXPECT_TRUE(scene.showsFader(kGateFaderSize, Rect(11, 103, 25, 115), Point(0, 0), false));
  EXPECT_FALSE(scene.surface.pixel(11, 103).differsFrom(colorTransparentKey));
}

TEST(Fader, ValueBelowZeroShrinksTheHandleAtTheEndOfTravel) {
  // t = 1.05 puts the top at 103 + 70 while the bottom stops at the travel's end, 170 + 12; t = 2
  // leaves no handle at all.
  const struct {
    float value;
    Rect handleArea;
  } cases[] = {{-0.05f, Rect(11, 173, 25, 182)}, {-1.0f, Rect(0, 0, 0, 0)}};
  for (const auto& c : cases) {
    FaderScene scene;
    scene.gateFader(nullptr, c.value);
    EXPECT_TRUE(scene.showsFader(kGateFaderSize, c.handleArea, Point(0, 0), true)) << c.value;
  }
}

TEST(Fader, ValueNotANumberStillPaintsInsideTheControl) {
  FaderScene scene;
  scene.gateFader(nullptr, std::nanf(""));
  EXPECT_TRUE(scene.showsFader(kGateFaderSize, Rect(11, 103, 25, 115), Point(0, 0), true));
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
  // At 0.5 the gate fader's handle was painted from y 136 to 148; the grab area starts at the control's
  // left, 10, and is the handle's width across.
  const struct {
    Point press;
    bool grabs;
  } cases[] = {{Point(24, 140), true}, {Point(25, 140), false}, {Point(10, 136), true},
               {Point(10, 148), true}, {Point(10, 149), false}, {Point(17, 135), false}};
  for (const auto& c : cases) {
    FaderScene scene;
    EditLog log;
    auto fader = scene.gateFader(&log, 0.5f);
    ScriptedInput input(scene.window, {{leftPress, c.press}, {leftPress, Point(17, 120)}, {0, Point()}});
    Point press = c.press;
    fader->mousePressed(&scene.canvas, press);
    EXPECT_EQ(!log.edits().empty(), c.grabs) << c.press.h << ", " << c.press.v;
    EXPECT_EQ(input.pointerReads() > 0, c.grabs);
  }
}

TEST(HorizontalFader, GrabsOnlyTheHandleAsLastPaintedEdgesIncluded) {
  // At 0.5 the handle was painted from x 63 to 77; the grab area runs down from the control's top, 30.
  const struct {
    Point press;
    bool grabs;
  } cases[] = {{Point(77, 35), true}, {Point(78, 35), false}, {Point(63, 42), true}, {Point(63, 43), false}};
  for (const auto& c : cases) {
    FaderScene scene;
    EditLog log;
    HorizontalFader fader(Rect(20, 30, 120, 46), &log, 0, 20, 106, scene.handle.get(), nullptr, Point(0, 0),
                          faderOriginLeft);
    fader.putValue(0.5f);
    fader.paint(&scene.canvas);
    Point press = c.press;
    ScriptedInput input(scene.window, {{leftPress, press}, {leftPress, Point(50, 35)}, {0, Point()}});
    fader.mousePressed(&scene.canvas, press);
    EXPECT_EQ(!log.edits().empty(), c.grabs) << c.press.h << ", " << c.press.v;
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
