// Canvas: a drawing context living for one event over a native device. It owns the pen, brush and font
// it builds, gives the device its earlier ones back when it goes, and answers the tracking loops'
// questions about held buttons and the pointer. Callers draw in the layout's coordinates; a canvas of a
// root view shown at a larger size draws them at its scale.
#pragma once

#include <cstdint>

#include "toolkit/graphics/button_state.h"
#include "toolkit/graphics/color.h"
#include "toolkit/graphics/native_types.h"
#include "toolkit/graphics/point.h"
#include "toolkit/graphics/rect.h"
#include "toolkit/graphics/scale.h"

class RootView;

enum LineStyle : int32_t {
  lineSolid = 0,
  lineDotted = 1,
};

enum TextAlign : int32_t {
  alignLeft = 0,
  alignCenter = 1,
  alignRight = 2,
};

class Canvas {
public:
  // A null device makes a canvas that touches nothing native until a derived class gives it one.
  Canvas(RootView* rootView, HDC device, HWND window);
  virtual ~Canvas();

  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC device() const { return device_; }
  HWND window() const { return window_; }
  RootView* rootView() const { return rootView_; }
  // The root view's scale (100 % without one), and where layout coordinates lie on the device.
  Scale scale() const { return scale_; }
  Point toDevice(Point point) const;
  Rect toDevice(const Rect& rect) const;

  void setPenColor(Color color);
  void setStrokeStyle(LineStyle style);
  void setPenWidth(int32_t width);
  void setBrushColor(Color color);
  void setTextInk(Color color);
  // An index outside the table selects font 0; a size of 0 takes the table's size for the index.
  void selectFont(int32_t index, int32_t size);

  void movePen(Point point);
  void strokeTo(Point point);
  void strokePolyline(const Point* points, int32_t count);
  void paintPolygon(const Point* points, int32_t count);
  void outlineRect(const Rect& rect);
  void paintRect(const Rect& rect);
  void outlineEllipse(const Rect& rect);
  void strokeArc(const Rect& rect, Point from, Point to);
  void paintEllipse(const Rect& rect);
  void paintPie(const Rect& rect, Point from, Point to);
  void plotPixel(Point point, Color color);
  void drawText(const char* text, const Rect& rect, bool opaque, TextAlign align);

  ButtonState buttonState() const;
  // The pointer in the layout coordinates of this canvas's window.
  Point& pointerPosition(Point& point) const;

protected:
  // For a canvas standing for the area of the window whose top left corner is `origin`: its device's
  // pixels are the window's from there, so what it draws matches the window's pixels once copied.
  void standFor(Point origin) { origin_ = origin; }
  // For a derived canvas that makes its device after this base was built.
  void useDevice(HDC device) { device_ = device; }

private:
  HDC device_;
  HWND window_;
  RootView* rootView_;

  void rebuildPen();
  int32_t toDevice(int32_t x, int32_t origin) const;
  // A line at a scale: the pixels the line covers in the layout, each drawn as its block of the device.
  void fillLine(Point from, Point to);
  void fillBlocks(const Rect& pixels, HBRUSH brush);

  Scale scale_;
  Point origin_;
  // Where the pen stands in layout coordinates, for the lines drawn at a scale.
  Point penAt_;

  int32_t fontSize_ = 0;
  Color fontColor_ = colorWhite;
  int32_t lineWidth_ = 1;
  Color frameColor_ = colorWhite;
  Color fillColor_ = colorBlack;
  LineStyle lineStyle_ = lineSolid;
  // In this order so that, after the destructor has given the device its own objects back, the brush goes
  // first, then the pen, then the font.
  FontHandle font_;
  PenHandle pen_;
  BrushHandle brush_;
  // The pen's colour, to fill the blocks of a line drawn at a scale.
  BrushHandle lineBrush_;
  HGDIOBJ savedBrush_ = nullptr;
  HGDIOBJ savedPen_ = nullptr;
  HGDIOBJ savedFont_ = nullptr;
  UINT nativePenStyle_;
};
