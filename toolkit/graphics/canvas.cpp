// Canvas: native object life cycle, state setters, drawing primitives and the input queries. At 100 %
// every primitive makes the platform call it always made; at a larger scale the same call goes to the
// mapped coordinates, except lines, which are drawn as the blocks of their pixels in the layout so that
// they meet fills and frames exactly as at 100 %.
#include "toolkit/graphics/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "toolkit/graphics/font_table.h"
#include "toolkit/graphics/input_source.h"
#include "toolkit/graphics/native_handles.h"
#include "toolkit/graphics/root_view.h"

namespace {

struct KeyBit {
  int32_t virtualKey;
  ButtonBit bit;
};

const KeyBit kButtonKeys[] = {
    {VK_LBUTTON, leftButton}, {VK_MBUTTON, middleButton}, {VK_RBUTTON, rightButton},
    {VK_SHIFT, shiftKey},     {VK_CONTROL, controlKey},   {VK_MENU, altKey},
};

// The key state names physical buttons; with the buttons swapped, the physical left is the logical right.
ButtonState logicalBit(ButtonBit physical, bool swapped) {
  if (!swapped) return physical;
  if (physical == leftButton) return rightButton;
  return physical == rightButton ? leftButton : physical;
}

} // namespace

Canvas::Canvas(RootView* rootView, HDC device, HWND window)
    : device_(device), window_(window), rootView_(rootView),
      scale_(rootView != nullptr ? rootView->scale() : Scale()), nativePenStyle_(PS_SOLID) {
  if (device_ == nullptr) return;
  savedBrush_ = GetCurrentObject(device_, OBJ_BRUSH);
  savedPen_ = GetCurrentObject(device_, OBJ_PEN);
  savedFont_ = GetCurrentObject(device_, OBJ_FONT);
  SetBkMode(device_, TRANSPARENT);
  setPenColor(frameColor_);
  setStrokeStyle(lineStyle_);
  setBrushColor(fillColor_);
  setTextInk(fontColor_);
}

Canvas::~Canvas() {
  // The device must let go of our objects before they can be deleted.
  if (savedBrush_ != nullptr) SelectObject(device_, savedBrush_);
  if (savedPen_ != nullptr) SelectObject(device_, savedPen_);
  if (savedFont_ != nullptr) SelectObject(device_, savedFont_);
}

void Canvas::setPenColor(Color color) {
  frameColor_ = color;
  rebuildPen();
}

void Canvas::setStrokeStyle(LineStyle style) {
  lineStyle_ = style;
  nativePenStyle_ = style == lineDotted ? PS_DOT : PS_SOLID;
  rebuildPen();
}

void Canvas::setPenWidth(int32_t width) {
  lineWidth_ = width;
  rebuildPen();
}

int32_t Canvas::toDevice(int32_t x, int32_t origin) const {
  return scale_.toWindow(x + origin) - scale_.toWindow(origin);
}

Point Canvas::toDevice(Point point) const {
  return Point(toDevice(point.h, origin_.h), toDevice(point.v, origin_.v));
}

Rect Canvas::toDevice(const Rect& rect) const {
  return Rect(toDevice(rect.left, origin_.h), toDevice(rect.top, origin_.v), toDevice(rect.right, origin_.h),
              toDevice(rect.bottom, origin_.v));
}

void Canvas::rebuildPen() {
  LOGPEN description{};
  description.lopnStyle = nativePenStyle_;
  description.lopnWidth.x = scale_.length(lineWidth_);
  description.lopnWidth.y = description.lopnWidth.x;
  description.lopnColor = frameColor_.nativeValue();
  PenHandle pen(CreatePenIndirect(&description));
  SelectObject(device_, pen.get());
  pen_ = std::move(pen);
  if (!scale_.isIdentity()) lineBrush_.reset(CreateSolidBrush(frameColor_.nativeValue()));
}

void Canvas::setBrushColor(Color color) {
  fillColor_ = color;
  SetBkColor(device_, color.nativeValue());
  LOGBRUSH description{};
  description.lbStyle = BS_SOLID;
  description.lbColor = color.nativeValue();
  BrushHandle brush(CreateBrushIndirect(&description));
  if (!brush) return;
  SelectObject(device_, brush.get());
  brush_ = std::move(brush);
}

void Canvas::setTextInk(Color color) {
  fontColor_ = color;
  SetTextColor(device_, color.nativeValue());
}

void Canvas::selectFont(int32_t index, int32_t size) {
  if (index < 0 || index >= kFontTableSize) index = 0;
  const FontTableEntry& entry = fontTable[index];
  fontSize_ = size != 0 ? size : entry.defaultSize;

  FontHandle font = createTableFont(index, fontSize_, FontLook::asListed, scale_);
  SelectObject(device_, font.get());
  font_ = std::move(font);
}

void Canvas::movePen(Point point) {
  penAt_ = point;
  if (scale_.isIdentity()) MoveToEx(device_, point.h, point.v, nullptr);
}

void Canvas::strokeTo(Point point) {
  if (scale_.isIdentity())
    LineTo(device_, point.h, point.v);
  else
    fillLine(penAt_, point);
  penAt_ = point;
}

void Canvas::fillBlocks(const Rect& pixels, HBRUSH brush) {
  const Rect device = toDevice(pixels);
  const RECT area{device.left, device.top, device.right, device.bottom};
  FillRect(device_, &area, brush);
}

// The pixels of the line from `from` up to, not including, `to`, exactly as the platform picks them at
// 100 %: one per step along the longer axis, the other axis stepping where the line has moved half a pixel
// or more, ties stepping only in the octants where the platform's bias makes them (a line keeps its pixels
// drawn in either direction). Runs along the longer axis take one fill each.
void Canvas::fillLine(Point from, Point to) {
  const int32_t dx = to.h - from.h;
  const int32_t dy = to.v - from.v;
  const bool alongX = std::abs(dx) >= std::abs(dy);
  const int32_t major = alongX ? std::abs(dx) : std::abs(dy);
  const int32_t minor = alongX ? std::abs(dy) : std::abs(dx);
  const Point step(dx < 0 ? -1 : 1, dy < 0 ? -1 : 1);
  const bool biased = alongX ? dy < 0 : dx < 0;
  // A wide pen covers its width around each pixel; a dotted one every other pixel.
  const int32_t before = (lineWidth_ - 1) / 2;
  const int32_t after = lineWidth_ / 2 + 1;
  const bool dotted = lineStyle_ == lineDotted;
  int32_t error = 2 * minor - major;
  Point at = from;
  Point runStart = from;
  for (int32_t i = 0; i < major; ++i) {
    const bool across = minor != 0 && error + (biased ? 1 : 0) > 0;
    error += across ? 2 * (minor - major) : 2 * minor;
    Point next(at.h + (alongX || across ? step.h : 0), at.v + (!alongX || across ? step.v : 0));
    if (across || dotted || i == major - 1) {
      if (!dotted || i % 2 == 0)
        fillBlocks(Rect(std::min(runStart.h, at.h) - before, std::min(runStart.v, at.v) - before,
                        std::max(runStart.h, at.h) + after, std::max(runStart.v, at.v) + after),
                   lineBrush_.get());
      runStart = next;
    }
    at = next;
  }
}

// Point has the layout of the native POINT (two 32-bit integers), so arrays pass through unchanged.
static_assert(sizeof(Point) == sizeof(POINT));

void Canvas::strokePolyline(const Point* points, int32_t count) {
  if (points == nullptr || count < 2) return;
  if (scale_.isIdentity()) {
    Polyline(device_, reinterpret_cast<const POINT*>(points), count);
    return;
  }
  for (int32_t i = 1; i < count; ++i) fillLine(points[i - 1], points[i]);
}

void Canvas::paintPolygon(const Point* points, int32_t count) {
  if (points == nullptr || count < 2) return;
  // Shapes drawn "without outline" are filled with the current brush while the stock null pen is selected.
  SelectedObject noOutline(device_, GetStockObject(NULL_PEN));
  if (scale_.isIdentity()) {
    Polygon(device_, reinterpret_cast<const POINT*>(points), count);
    return;
  }
  std::vector<Point> corners(points, points + count);
  for (Point& corner : corners) corner = toDevice(corner);
  Polygon(device_, reinterpret_cast<const POINT*>(corners.data()), count);
}

void Canvas::outlineRect(const Rect& rect) {
  movePen(Point(rect.left, rect.top));
  strokeTo(Point(rect.right, rect.top));
  strokeTo(Point(rect.right, rect.bottom));
  strokeTo(Point(rect.left, rect.bottom));
  strokeTo(Point(rect.left, rect.top));
}

void Canvas::paintRect(const Rect& rect) {
  // Exactly the pixels inside outlineRect's outline of the same rectangle.
  fillBlocks(Rect(rect.left + 1, rect.top + 1, rect.right, rect.bottom),
             static_cast<HBRUSH>(GetCurrentObject(device_, OBJ_BRUSH)));
}

void Canvas::outlineEllipse(const Rect& rect) {
  // Equal start and end points make the arc a whole ellipse.
  const Point start(rect.left + rect.width() / 2, rect.top);
  strokeArc(rect, start, start);
}

void Canvas::strokeArc(const Rect& rect, Point from, Point to) {
  const Rect box = toDevice(Rect(rect.left, rect.top, rect.right + 1, rect.bottom + 1));
  from = toDevice(from);
  to = toDevice(to);
  Arc(device_, box.left, box.top, box.right, box.bottom, from.h, from.v, to.h, to.v);
}

void Canvas::paintEllipse(const Rect& rect) {
  SelectedObject noOutline(device_, GetStockObject(NULL_PEN));
  const Rect box = toDevice(Rect(rect.left + 1, rect.top + 1, rect.right, rect.bottom));
  Ellipse(device_, box.left, box.top, box.right, box.bottom);
}

void Canvas::paintPie(const Rect& rect, Point from, Point to) {
  SelectedObject noOutline(device_, GetStockObject(NULL_PEN));
  const Rect box = toDevice(Rect(rect.left + 1, rect.top + 1, rect.right, rect.bottom));
  from = toDevice(from);
  to = toDevice(to);
  Pie(device_, box.left, box.top, box.right, box.bottom, from.h, from.v, to.h, to.v);
}

void Canvas::plotPixel(Point point, Color color) {
  if (scale_.isIdentity()) {
    SetPixel(device_, point.h, point.v, color.nativeValue());
    return;
  }
  const BrushHandle brush(CreateSolidBrush(color.nativeValue()));
  fillBlocks(Rect(point.h, point.v, point.h + 1, point.v + 1), brush.get());
}

void Canvas::drawText(const char* text, const Rect& rect, bool opaque, TextAlign align) {
  if (text == nullptr) return;
  // An opaque box takes the device's background colour, which setBrushColor keeps equal to the fill.
  SetBkMode(device_, opaque ? OPAQUE : TRANSPARENT);
  Rect inLayout = rect;
  UINT format = DT_SINGLELINE | DT_VCENTER;
  if (align == alignCenter) {
    format |= DT_CENTER;
  } else if (align == alignRight) {
    format |= DT_RIGHT;
  } else {
    format |= DT_LEFT;
    inLayout.left += 1;
  }
  const Rect onDevice = toDevice(inLayout);
  RECT box{onDevice.left, onDevice.top, onDevice.right, onDevice.bottom};
  DrawTextA(device_, text, static_cast<int>(std::strlen(text)), &box, format);
  SetBkMode(device_, TRANSPARENT);
}

ButtonState Canvas::buttonState() const {
  // A loop whose view the host closed meanwhile (from inside the loop) sees every button released, so it
  // ends.
  if (rootView_ != nullptr && !rootView_->isOpen()) return 0;
  InputSource& input = currentInputSource();
  const bool swapped = input.buttonsSwapped();
  ButtonState state = 0;
  for (const KeyBit& key : kButtonKeys)
    if (input.isKeyDown(key.virtualKey)) state |= logicalBit(key.bit, swapped);
  return state;
}

Point& Canvas::pointerPosition(Point& point) const {
  int32_t x = 0;
  int32_t y = 0;
  currentInputSource().readCursor(&x, &y);
  POINT position{x, y};
  MapWindowPoints(HWND_DESKTOP, window_, &position, 1);
  point = scale_.fromWindow(Point(position.x, position.y));
  return point;
}
