// Checks ValueLabel on real GDI: the value's text with two decimals or from a converter, the fill and
// frame or the background pixmap behind it, the two 3D frame styles edge by edge, the shadow, and which
// setters make the next refresh repaint.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/controls/pictures.h"
#include "tests/toolkit/support/memory_surface.h"
#include "toolkit/controls/value_label.h"
#include "toolkit/graphics/canvas.h"

namespace {

const Rect kLabelArea(10, 10, 70, 30);
constexpr Color kPanel{0, 0, 90, 0};
constexpr Color kFill{0, 0, 255, 0};
constexpr Color kEdge{255, 255, 0, 0};

// What a label with the default settings, kFill and kEdge shows for text: the filled box with its
// outline and white Arial 12 centred in it, drawn with the canvas's own primitives.
void drawPlainLabel(MemorySurface& surface, const char* text) {
  Canvas canvas(nullptr, surface.device(), nullptr);
  canvas.setBrushColor(kFill);
  canvas.paintRect(kLabelArea);
  canvas.setPenColor(kEdge);
  canvas.outlineRect(kLabelArea);
  canvas.selectFont(3, 0);
  canvas.setTextInk(colorWhite);
  canvas.drawText(text, kLabelArea, false, alignCenter);
}

void paintOn(MemorySurface& surface, ValueLabel& label) {
  Canvas canvas(nullptr, surface.device(), nullptr);
  label.paint(&canvas);
}

ValueLabel* plainLabel(ValueLabel* label) {
  label->changeFillColor(kFill);
  label->changeEdgeColor(kEdge);
  return label;
}

TEST(ValueLabel, ShowsTheValueWithTwoDecimals) {
  struct Case {
    float value;
    const char* text;
    const char* unlike;
  };
  const Case cases[] = {
      {0.5f, "0.50", "0.5"},
      {12.346f, "12.35", "12.346"},
      {3.0f, "3.00", "3"},
      {-1.5f, "-1.50", "-1.5"},
  };
  for (const Case& c : cases) {
    ValueLabel label(kLabelArea, nullptr, 0);
    plainLabel(&label);
    label.putValue(c.value);
    MemorySurface shown(80, 40, kPanel);
    paintOn(shown, label);
    MemorySurface wanted(80, 40, kPanel);
    drawPlainLabel(wanted, c.text);
    MemorySurface other(80, 40, kPanel);
    drawPlainLabel(other, c.unlike);
    EXPECT_TRUE(shown.samePixelsAs(wanted)) << c.text;
    EXPECT_FALSE(shown.samePixelsAs(other)) << c.unlike;
    EXPECT_EQ(label.shownValue(), c.value);
  }
}

void percentText(float value, char* text) {
  std::snprintf(text, kLabelTextCapacity, "%d%%", int(value * 100));
}

TEST(ValueLabel, AConverterWritesTheText) {
  ValueLabel label(kLabelArea, nullptr, 0);
  plainLabel(&label);
  label.installTextConverter(percentText);
  label.putValue(0.25f);
  MemorySurface shown(80, 40, kPanel);
  paintOn(shown, label);
  MemorySurface wanted(80, 40, kPanel);
  drawPlainLabel(wanted, "25%");
  EXPECT_TRUE(shown.samePixelsAs(wanted));
}

void noText(float, char*) {}

TEST(ValueLabel, BackgroundPixmapReplacesFillAndFrame) {
  HeldPixmap back(kLabelBackBitmap);
  const auto picture = pictureOf(back.get());
  ValueLabel label(Rect(10, 10, 50, 25), back.get(), 0);
  label.installTextConverter(noText);
  label.changeBackgroundOffset(Point(3, 2));
  MemorySurface shown(80, 40, kPanel);
  paintOn(shown, label);
  EXPECT_TRUE(showsPicture(shown, Rect(10, 10, 50, 25), *picture, Point(3, 2)));
  // The frame of a label without pixmap would lie on the right and bottom edges.
  EXPECT_FALSE(shown.pixel(50, 20).differsFrom(kPanel));
  EXPECT_FALSE(shown.pixel(30, 25).differsFrom(kPanel));
}

TEST(ValueLabel, FrameStylesColourTheEdgesBySide) {
  struct Case {
    int32_t style;
    Color topLeft;
    Color bottomRight;
  };
  const Case cases[] = {
      {0, kEdge, kEdge},
      {labelFrameFillTopLeft, kFill, kEdge},
      {labelFrameEdgeTopLeft, kEdge, kFill},
      {labelFrameFillTopLeft | labelFrameEdgeTopLeft, kFill, kEdge},
  };
  const Rect& a = kLabelArea;
  for (const Case& c : cases) {
    ValueLabel label(a, nullptr, c.style);
    plainLabel(&label);
    label.installTextConverter(noText);
    MemorySurface shown(80, 40, kPanel);
    paintOn(shown, label);
    for (int32_t y = a.top; y <= a.bottom; ++y) {
      EXPECT_FALSE(shown.pixel(a.left, y).differsFrom(c.topLeft)) << "left, y " << y << " style " << c.style;
      if (y == a.top) continue;
      EXPECT_FALSE(shown.pixel(a.right, y).differsFrom(c.bottomRight))
          << "right, y " << y << " style " << c.style;
    }
    for (int32_t x = a.left; x <= a.right; ++x) {
      EXPECT_FALSE(shown.pixel(x, a.top).differsFrom(c.topLeft)) << "top, x " << x << " style " << c.style;
      if (x == a.left) continue;
      EXPECT_FALSE(shown.pixel(x, a.bottom).differsFrom(c.bottomRight))
          << "bottom, x " << x << " style " << c.style;
    }
    EXPECT_FALSE(shown.pixel(a.left + 5, a.top + 5).differsFrom(kFill));
    EXPECT_FALSE(shown.pixel(a.right + 1, a.top).differsFrom(kPanel));
  }
}

TEST(ValueLabel, ShadowStyleDrawsTheTextOnePixelDownRightInTheShadowColour) {
  ValueLabel label(kLabelArea, nullptr, labelShadow);
  plainLabel(&label);
  label.changeShadowColor(colorGreen);
  label.putValue(7.0f);
  MemorySurface shown(80, 40, kPanel);
  paintOn(shown, label);

  MemorySurface wanted(80, 40, kPanel);
  drawPlainLabel(wanted, "");
  {
    Canvas canvas(nullptr, wanted.device(), nullptr);
    canvas.selectFont(3, 0);
    canvas.setTextInk(colorGreen);
    canvas.drawText("7.00", Rect(11, 11, 71, 31), false, alignCenter);
    canvas.setTextInk(colorWhite);
    canvas.drawText("7.00", kLabelArea, false, alignCenter);
  }
  EXPECT_TRUE(shown.samePixelsAs(wanted));
}

TEST(ValueLabel, FontAndAlignmentReachTheText) {
  ValueLabel label(kLabelArea, nullptr, 0);
  plainLabel(&label);
  label.changeFont(0);
  label.changeAlignment(alignRight);
  label.changeTextColor(colorCyan);
  label.putValue(1.0f);
  MemorySurface shown(80, 40, kPanel);
  paintOn(shown, label);
  MemorySurface wanted(80, 40, kPanel);
  drawPlainLabel(wanted, "");
  {
    Canvas canvas(nullptr, wanted.device(), nullptr);
    canvas.selectFont(0, 0);
    canvas.setTextInk(colorCyan);
    canvas.drawText("1.00", kLabelArea, false, alignRight);
  }
  EXPECT_TRUE(shown.samePixelsAs(wanted));
}

TEST(ValueLabel, OnlyRealChangesOfTheSixLookSettersForceARepaint) {
  struct Case {
    const char* name;
    std::function<void(ValueLabel&)> same;
    std::function<void(ValueLabel&)> different;
  };
  const Color alphaOnly{255, 255, 255, 77};
  const Case cases[] = {
      {"font", [](ValueLabel& l) { l.changeFont(3); }, [](ValueLabel& l) { l.changeFont(1); }},
      {"text colour", [&](ValueLabel& l) { l.changeTextColor(alphaOnly); },
       [](ValueLabel& l) { l.changeTextColor(colorRed); }},
      {"fill colour",
       [](ValueLabel& l) {
         l.changeFillColor(Color{0, 0, 0, 9});
       },
       [](ValueLabel& l) {
         l.changeFillColor(Color{0, 0, 1, 0});
       }},
      {"edge colour",
       [](ValueLabel& l) {
         l.changeEdgeColor(Color{0, 0, 0, 255});
       },
       [](ValueLabel& l) { l.changeEdgeColor(colorGrey); }},
      {"shadow colour",
       [](ValueLabel& l) {
         l.changeShadowColor(Color{255, 0, 0, 1});
       },
       [](ValueLabel& l) { l.changeShadowColor(colorBlue); }},
      {"alignment", [](ValueLabel& l) { l.changeAlignment(alignCenter); },
       [](ValueLabel& l) { l.changeAlignment(alignLeft); }},
  };
  for (const Case& c : cases) {
    for (float value : {0.5f, 3.0e6f}) {
      ValueLabel label(kLabelArea, nullptr, 0);
      label.putValue(value);
      MemorySurface surface(80, 40, kPanel);
      Canvas canvas(nullptr, surface.device(), nullptr);
      label.refreshIfChanged(&canvas);
      c.same(label);
      EXPECT_EQ(label.shownValue(), value) << c.name;
      c.different(label);
      EXPECT_NE(label.shownValue(), value) << c.name << " at " << value;
      surface.fill(kPanel);
      label.refreshIfChanged(&canvas);
      EXPECT_EQ(label.shownValue(), value) << c.name;
      EXPECT_TRUE(surface.pixel(kLabelArea.left + 2, kLabelArea.top + 2).differsFrom(kPanel)) << c.name;
    }
  }
}

TEST(ValueLabel, BackgroundOffsetAndConverterWaitForTheNextPaint) {
  HeldPixmap back(kLabelBackBitmap);
  ValueLabel label(kLabelArea, back.get(), 0);
  label.putValue(0.5f);
  MemorySurface surface(80, 40, kPanel);
  Canvas canvas(nullptr, surface.device(), nullptr);
  label.refreshIfChanged(&canvas);
  label.changeBackgroundOffset(Point(1, 1));
  label.installTextConverter(percentText);
  EXPECT_EQ(label.shownValue(), 0.5f);
}

TEST(LabelText, CopiesAreCutTo255BytesAndNullIsEmpty) {
  const std::string longText(300, 'x');
  char buffer[kLabelTextCapacity + 8];
  std::memset(buffer, '#', sizeof buffer);
  copyLabelText(buffer, longText.c_str());
  EXPECT_EQ(std::strlen(buffer), 255u);
  EXPECT_EQ(buffer[256], '#');
  copyLabelText(buffer, nullptr);
  EXPECT_STREQ(buffer, "");
  copyLabelText(buffer, "abc");
  EXPECT_STREQ(buffer, "abc");
}

} // namespace
