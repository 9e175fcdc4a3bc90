// Checks Canvas on real GDI memory devices: outline and fill meeting without overlap, fonts from the
// table, text alignment and the opaque background, pen styles, giving the device its objects back,
// drawing at a root view's scale, and the button and pointer queries through scripted and synthesised input.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "tests/toolkit/support/host_window.h"
#include "tests/toolkit/support/memory_surface.h"
#include "tests/toolkit/support/scripted_input.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/native_handles.h"
#include "toolkit/graphics/root_view.h"
#include "tools/probe/resource_census.h"
#include "tools/probe/synthesised_input.h"

namespace {

LOGFONTA selectedFont(HDC device) {
  LOGFONTA font{};
  GetObjectA(GetCurrentObject(device, OBJ_FONT), sizeof font, &font);
  return font;
}

LOGPEN selectedPen(HDC device) {
  LOGPEN pen{};
  GetObjectA(GetCurrentObject(device, OBJ_PEN), sizeof pen, &pen);
  return pen;
}

bool hasPixelOf(const MemorySurface& surface, Color color) {
  for (int32_t y = 0; y < surface.height(); ++y)
    for (int32_t x = 0; x < surface.width(); ++x)
      if (!surface.pixel(x, y).differsFrom(color)) return true;
  return false;
}

TEST(Canvas, OutlineAndFillOfOneRectMeetWithoutOverlap) {
  for (bool outlineFirst : {true, false}) {
    MemorySurface surface(12, 12, colorBlack);
    {
      Canvas canvas(nullptr, surface.device(), nullptr);
      canvas.setPenColor(colorRed);
      canvas.setBrushColor(colorGreen);
      const Rect rect(0, 0, 10, 10);
      if (outlineFirst) canvas.outlineRect(rect);
      canvas.paintRect(rect);
      if (!outlineFirst) canvas.outlineRect(rect);
    }
    for (int32_t y = 0; y < 12; ++y) {
      for (int32_t x = 0; x < 12; ++x) {
        const bool outside = x > 10 || y > 10;
        const bool edge = !outside && (x == 0 || x == 10 || y == 0 || y == 10);
        const Color expected = outside ? colorBlack : edge ? colorRed : colorGreen;
        ASSERT_FALSE(surface.pixel(x, y).differsFrom(expected))
            << "pixel (" << x << ", " << y << ") outline first: " << outlineFirst;
      }
    }
  }
}

TEST(Canvas, SelectFontTakesTheTableEntryOrFallsBackToFontZero) {
  struct Case {
    int32_t index;
    int32_t size;
    const char* face;
    LONG height;
    LONG weight;
    BYTE family;
  };
  const Case cases[] = {
      {0, 0, "Arial", -12, 700, 0x22}, {7, 0, "Arial", -12, 700, 0x22},      {-1, 0, "Arial", -12, 700, 0x22},
      {1, 0, "Arial", -18, 400, 0x22}, {2, 0, "Arial", -14, 400, 0x22},      {3, 20, "Arial", -20, 400, 0x22},
      {4, 0, "Arial", -11, 400, 0x22}, {5, 0, "Small Fonts", -9, 400, 0x22}, {6, 0, "Symbol", -13, 400, 0x50},
  };
  MemorySurface surface(4, 4, colorBlack);
  Canvas canvas(nullptr, surface.device(), nullptr);
  for (const Case& c : cases) {
    canvas.selectFont(c.index, c.size);
    const LOGFONTA font = selectedFont(surface.device());
    EXPECT_STREQ(font.lfFaceName, c.face) << "index " << c.index;
    EXPECT_EQ(font.lfHeight, c.height) << "index " << c.index;
    EXPECT_EQ(font.lfWeight, c.weight) << "index " << c.index;
    EXPECT_EQ(font.lfPitchAndFamily, c.family) << "index " << c.index;
    EXPECT_EQ(font.lfOutPrecision, OUT_STRING_PRECIS);
    EXPECT_EQ(font.lfClipPrecision, CLIP_STROKE_PRECIS);
    EXPECT_EQ(font.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(font.lfItalic, 0);
  }
}

// Draws "Ab" with plain GDI into box with the font the canvas has selected, as the reference.
void drawReference(MemorySurface& surface, HFONT font, RECT box, UINT horizontal) {
  SelectedObject selected(surface.device(), font);
  SetTextColor(surface.device(), colorWhite.nativeValue());
  SetBkMode(surface.device(), TRANSPARENT);
  DrawTextA(surface.device(), "Ab", 2, &box, DT_SINGLELINE | DT_VCENTER | horizontal);
}

TEST(Canvas, DrawTextAlignsLeftOnePixelInAndOtherwiseAsAsked) {
  struct Case {
    TextAlign align;
    LONG referenceLeft;
    UINT horizontal;
  };
  const Case cases[] = {
      {alignLeft, 11, DT_LEFT},
      {static_cast<TextAlign>(5), 11, DT_LEFT},
      {alignCenter, 10, DT_CENTER},
      {alignRight, 10, DT_RIGHT},
  };
  for (const Case& c : cases) {
    MemorySurface drawn(60, 20, colorBlack);
    MemorySurface reference(60, 20, colorBlack);
    MemorySurface shifted(60, 20, colorBlack);
    Canvas canvas(nullptr, drawn.device(), nullptr);
    canvas.selectFont(3, 0);
    canvas.drawText("Ab", Rect(10, 0, 50, 20), false, c.align);
    HFONT font = static_cast<HFONT>(GetCurrentObject(drawn.device(), OBJ_FONT));
    drawReference(reference, font, RECT{c.referenceLeft, 0, 50, 20}, c.horizontal);
    drawReference(shifted, font, RECT{c.referenceLeft + 1, 0, 51, 20}, c.horizontal);
    EXPECT_TRUE(hasPixelOf(drawn, colorWhite)) << "align " << c.align;
    EXPECT_TRUE(drawn.samePixelsAs(reference)) << "align " << c.align;
    EXPECT_FALSE(drawn.samePixelsAs(shifted)) << "align " << c.align;
  }
}

TEST(Canvas, OpaqueTextFillsItsBoxWithTheFillColourAndModeReturnsToTransparent) {
  for (bool opaque : {true, false}) {
    MemorySurface surface(60, 20, colorBlack);
    Canvas canvas(nullptr, surface.device(), nullptr);
    canvas.setBrushColor(colorBlue);
    canvas.setTextInk(colorWhite);
    canvas.selectFont(3, 0);
    SetBkMode(surface.device(), OPAQUE);
    canvas.drawText("Ab", Rect(10, 0, 50, 20), opaque, alignLeft);
    EXPECT_EQ(hasPixelOf(surface, colorBlue), opaque);
    EXPECT_TRUE(hasPixelOf(surface, colorWhite));
    EXPECT_EQ(GetBkMode(surface.device()), TRANSPARENT);
    for (int32_t y = 0; y < 20; ++y)
      for (int32_t x = 0; x < 11; ++x) ASSERT_FALSE(surface.pixel(x, y).differsFrom(colorBlack));
  }
}

TEST(Canvas, NullTextDrawsNothing) {
  MemorySurface surface(20, 20, colorBlack);
  Canvas canvas(nullptr, surface.device(), nullptr);
  canvas.setBrushColor(colorBlue);
  canvas.drawText(nullptr, Rect(0, 0, 20, 20), true, alignLeft);
  EXPECT_FALSE(hasPixelOf(surface, colorBlue));
}

TEST(Canvas, PenKeepsItsStyleWhenTheWidthChanges) {
  MemorySurface surface(4, 4, colorBlack);
  Canvas canvas(nullptr, surface.device(), nullptr);
  EXPECT_EQ(selectedPen(surface.device()).lopnStyle, static_cast<UINT>(PS_SOLID));
  canvas.setStrokeStyle(lineDotted);
  canvas.setPenWidth(3);
  LOGPEN pen = selectedPen(surface.device());
  EXPECT_EQ(pen.lopnStyle, static_cast<UINT>(PS_DOT));
  EXPECT_EQ(pen.lopnWidth.x, 3);
  canvas.setPenColor(colorYellow);
  pen = selectedPen(surface.device());
  EXPECT_EQ(pen.lopnStyle, static_cast<UINT>(PS_DOT));
  EXPECT_EQ(pen.lopnColor, colorYellow.nativeValue());
  canvas.setStrokeStyle(static_cast<LineStyle>(5));
  EXPECT_EQ(selectedPen(surface.device()).lopnStyle, static_cast<UINT>(PS_SOLID));
}

TEST(Canvas, NewCanvasDrawsWhiteLinesOnBlackFillsWithWhiteText) {
  MemorySurface surface(4, 4, colorRed);
  Canvas canvas(nullptr, surface.device(), nullptr);
  EXPECT_EQ(selectedPen(surface.device()).lopnColor, colorWhite.nativeValue());
  EXPECT_EQ(GetTextColor(surface.device()), colorWhite.nativeValue());
  EXPECT_EQ(GetBkColor(surface.device()), colorBlack.nativeValue());
  EXPECT_EQ(GetBkMode(surface.device()), TRANSPARENT);
  canvas.paintRect(Rect(0, 0, 3, 3));
  EXPECT_FALSE(surface.pixel(1, 1).differsFrom(colorBlack));
}

TEST(Canvas, DeviceGetsItsObjectsBackAndEveryCreatedObjectIsDeleted) {
  MemorySurface surface(8, 8, colorBlack);
  const PenHandle pen(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
  const BrushHandle brush(CreateSolidBrush(RGB(4, 5, 6)));
  const FontHandle font(CreateFontA(-10, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"));
  SelectedObject penSelected(surface.device(), pen.get());
  SelectedObject brushSelected(surface.device(), brush.get());
  SelectedObject fontSelected(surface.device(), font.get());
  const int32_t before = liveGdiObjects();
  {
    Canvas canvas(nullptr, surface.device(), nullptr);
    canvas.selectFont(2, 0);
    canvas.selectFont(1, 0);
    canvas.setPenWidth(2);
    canvas.setBrushColor(colorCyan);
    canvas.paintEllipse(Rect(0, 0, 7, 7));
    canvas.paintPie(Rect(0, 0, 7, 7), Point(7, 3), Point(0, 3));
    const Point triangle[] = {Point(0, 0), Point(6, 0), Point(3, 6)};
    canvas.paintPolygon(triangle, 3);
    canvas.strokePolyline(triangle, 3);
    canvas.outlineEllipse(Rect(0, 0, 7, 7));
    EXPECT_NE(GetCurrentObject(surface.device(), OBJ_PEN), pen.get());
    EXPECT_NE(GetCurrentObject(surface.device(), OBJ_BRUSH), brush.get());
    EXPECT_NE(GetCurrentObject(surface.device(), OBJ_FONT), font.get());
    // The canvas's own pen, brush and font: each one replaced is deleted.
    EXPECT_EQ(liveGdiObjects(), before + 3);
  }
  EXPECT_EQ(GetCurrentObject(surface.device(), OBJ_PEN), pen.get());
  EXPECT_EQ(GetCurrentObject(surface.device(), OBJ_BRUSH), brush.get());
  EXPECT_EQ(GetCurrentObject(surface.device(), OBJ_FONT), font.get());
  EXPECT_EQ(liveGdiObjects(), before);
}

TEST(Canvas, ShapesWithoutOutlineLeaveTheDevicesPenSelected) {
  MemorySurface surface(10, 10, colorBlack);
  Canvas canvas(nullptr, surface.device(), nullptr);
  canvas.setPenColor(colorRed);
  canvas.setBrushColor(colorGreen);
  HGDIOBJ pen = GetCurrentObject(surface.device(), OBJ_PEN);
  canvas.paintEllipse(Rect(0, 0, 9, 9));
  EXPECT_EQ(GetCurrentObject(surface.device(), OBJ_PEN), pen);
  EXPECT_FALSE(surface.pixel(4, 4).differsFrom(colorGreen));
  // The stock null pen drew no red outline.
  EXPECT_FALSE(hasPixelOf(surface, colorRed));
}

TEST(Canvas, LinesAndPixelsLandWhereAsked) {
  MemorySurface surface(10, 10, colorBlack);
  Canvas canvas(nullptr, surface.device(), nullptr);
  canvas.setPenColor(colorRed);
  canvas.movePen(Point(1, 2));
  canvas.strokeTo(Point(6, 2));
  canvas.plotPixel(Point(8, 8), colorYellow);
  for (int32_t x = 1; x < 6; ++x) EXPECT_FALSE(surface.pixel(x, 2).differsFrom(colorRed)) << x;
  // LineTo leaves the end point itself undrawn.
  EXPECT_FALSE(surface.pixel(6, 2).differsFrom(colorBlack));
  EXPECT_FALSE(surface.pixel(8, 8).differsFrom(colorYellow));
}

// Lines of every slope, a polyline, a frame, a fill and a pixel: at 150 and 200 % each window pixel shows
// the layout pixel whose block holds it, as drawn at 100 %; fonts take the scaled height.
TEST(Canvas, AtAScaleEveryPixelOfLinesFramesAndFillsBecomesItsBlock) {
  const auto draw = [](Canvas& canvas) {
    canvas.setPenColor(colorRed);
    // Long ones, then a tie between two pixels in each of the eight directions.
    const Point lines[][2] = {{{2, 3}, {20, 9}},   {{30, 2}, {34, 20}}, {{5, 20}, {6, 21}},
                              {{15, 28}, {3, 24}}, {{0, 10}, {2, 11}},  {{3, 11}, {5, 10}},
                              {{8, 10}, {6, 11}},  {{9, 13}, {7, 12}},  {{0, 14}, {1, 16}},
                              {{3, 16}, {2, 14}},  {{5, 14}, {4, 16}},  {{6, 16}, {7, 14}}};
    for (const auto& line : lines) {
      canvas.movePen(line[0]);
      canvas.strokeTo(line[1]);
    }
    const Point corner[] = {{36, 4}, {36, 12}, {26, 12}};
    canvas.strokePolyline(corner, 3);
    canvas.setBrushColor(colorGreen);
    canvas.paintRect(Rect(10, 12, 18, 18));
    canvas.setPenColor(colorCyan);
    canvas.outlineRect(Rect(22, 22, 30, 28));
    canvas.plotPixel(Point(38, 1), colorYellow);
  };
  MemorySurface layout(40, 30, colorBlack);
  {
    Canvas canvas(nullptr, layout.device(), nullptr);
    draw(canvas);
  }
  for (const int32_t percent : {150, 200}) {
    const Scale scale = Scale::ofPercent(percent);
    RootView root(Rect(0, 0, 40, 30), nullptr, nullptr, scale);
    MemorySurface window(scale.toWindow(40), scale.toWindow(30), colorBlack);
    {
      Canvas canvas(&root, window.device(), nullptr);
      draw(canvas);
      canvas.selectFont(3, 0);
      EXPECT_EQ(selectedFont(window.device()).lfHeight, -scale.length(12)) << percent;
    }
    for (int32_t y = 0; y < window.height(); ++y)
      for (int32_t x = 0; x < window.width(); ++x)
        ASSERT_FALSE(window.pixel(x, y).differsFrom(layout.pixel(scale.fromWindow(x), scale.fromWindow(y))))
            << percent << " %: (" << x << ", " << y << ")";
  }
}

TEST(Canvas, ButtonStateReportsEachHeldButtonAndKeyAsItsLogicalBit) {
  HostWindow host(40, 40);
  // Buttons held physically: with the buttons swapped, the physical right one is the logical left.
  const struct {
    ButtonState held;
    bool swapped;
    ButtonState logical;
  } cases[] = {{0, false, 0},
               {leftButton, false, leftButton},
               {middleButton, false, middleButton},
               {rightButton, false, rightButton},
               {shiftKey, false, shiftKey},
               {controlKey, false, controlKey},
               {altKey, false, altKey},
               {leftButton | altKey, false, leftPressWithAlt},
               {leftButton | shiftKey, false, leftPressWithShift},
               {63, false, 63},
               {leftButton, true, rightButton},
               {rightButton, true, leftPress},
               {rightButton | altKey, true, leftPressWithAlt},
               {rightButton | shiftKey, true, leftPressWithShift},
               {middleButton | controlKey, true, middleButton | controlKey},
               {63, true, 63}};
  for (const auto& c : cases) {
    ScriptedInput input(host.handle(), {{c.held, Point(0, 0)}});
    input.swapButtons(c.swapped);
    Canvas canvas(nullptr, nullptr, host.handle());
    EXPECT_EQ(canvas.buttonState(), c.logical) << c.held << (c.swapped ? " swapped" : "");
  }
  ScriptedInput leftWithAlt(host.handle(), {{leftButton | altKey, Point(0, 0)}});
  EXPECT_EQ(Canvas(nullptr, nullptr, host.handle()).buttonState(), 33);
}

TEST(Canvas, ButtonStateFollowsRealKeys) {
  HostWindow host(40, 40);
  Canvas canvas(nullptr, nullptr, host.handle());
  EXPECT_EQ(canvas.buttonState(), 0);
  sendKey(VK_SHIFT, true);
  sendKey(VK_CONTROL, true);
  EXPECT_EQ(canvas.buttonState(), shiftKey | controlKey);
  sendKey(VK_CONTROL, false);
  EXPECT_EQ(canvas.buttonState(), shiftKey);
  sendKey(VK_SHIFT, false);
  EXPECT_EQ(canvas.buttonState(), 0);
  handlePendingMessages();
}

TEST(Canvas, PointerPositionIsInTheWindowsClientCoordinates) {
  HostWindow host(100, 100);
  POINT origin{0, 0};
  ClientToScreen(host.handle(), &origin);
  ASSERT_TRUE(SetCursorPos(origin.x + 30, origin.y + 45));
  Canvas canvas(nullptr, nullptr, host.handle());
  Point point(-1, -1);
  Point& answer = canvas.pointerPosition(point);
  EXPECT_EQ(&answer, &point);
  EXPECT_EQ(point.h, 30);
  EXPECT_EQ(point.v, 45);

  ScriptedInput input(host.handle(), {{leftButton, Point(0, 0)}, {leftButton, Point(7, 9)}});
  canvas.pointerPosition(point);
  EXPECT_EQ(point.h, 7);
  EXPECT_EQ(point.v, 9);
}

} // namespace
