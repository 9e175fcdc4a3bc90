// Canvas: native object life cycle, state setters, drawing primitives and the input queries.
#include "toolkit/graphics/canvas.h"

#include <cstring>
#include <utility>

#include "toolkit/graphics/font_table.h"
#include "toolkit/graphics/input_source.h"
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
    : device_(device), window_(window), rootView_(rootView) {
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

void Canvas::rebuildPen() {
  LOGPEN description{};
  description.lopnStyle = nativePenStyle_;
  description.lopnWidth.x = lineWidth_;
  description.lopnWidth.y = lineWidth_;
  description.lopnColor = frameColor_.nativeValue();
  PenHandle pen(CreatePenIndirect(&description));
  SelectObject(device_, pen.get());
  pen_ = std::move(pen);
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

  FontHandle font = createTableFont(index, fontSize_, FontLook::asListed);
  SelectObject(device_, font.get());
  font_ = std::move(font);
}

void Canvas::movePen(Point point) { MoveToEx(device_, point.h, point.v, nullptr); }

void Canvas::strokeTo(Point point) { LineTo(device_, point.h, point.v); }

// Point has the layout of the native POINT (two 32-bit integers), so arrays pass through unchanged.
static_assert(sizeof(Point) == sizeof(POINT));

void Canvas::strokePolyline(const Point* points, int32_t count) {
  if (points == nullptr || count < 2) return;
  Polyline(device_, reinterpret_cast<const POINT*>(points), count);
}

void Canvas::paintPolygon(const Point* points, int32_t count) {
  if (points == nullptr || count < 2) return;
  // Shapes drawn "without outline" are filled with the current brush while the stock null pen is selected.
  SelectedObject noOutline(device_, GetStockObject(NULL_PEN));
  Polygon(device_, reinterpret_cast<const POINT*>(points), count);
}

void Canvas::outlineRect(const Rect& rect) {
  MoveToEx(device_, rect.left, rect.top, nullptr);
  LineTo(device_, rect.right, rect.top);
  LineTo(device_, rect.right, rect.bottom);
  LineTo(device_, rect.left, rect.bottom);
  LineTo(device_, rect.left, rect.top);
}

void Canvas::paintRect(const Rect& rect) {
  // Exactly the pixels inside outlineRect's outline of the same rectangle.
  const RECT inside{rect.left + 1, rect.top + 1, rect.right, rect.bottom};
  FillRect(device_, &inside, static_cast<HBRUSH>(GetCurrentObject(device_, OBJ_BRUSH)));
}

void Canvas::outlineEllipse(const Rect& rect) {
  // Equal start and end points make the arc a whole ellipse.
  const Point start(rect.left + rect.width() / 2, rect.top);
  strokeArc(rect, start, start);
}

void Canvas::strokeArc(const Rect& rect, Point from, Point to) {
  Arc(device_, rect.left, rect.top, rect.right + 1, rect.bottom + 1, from.h, from.v, to.h, to.v);
}

void Canvas::paintEllipse(const Rect& rect) {
  SelectedObject noOutline(device_, GetStockObject(NULL_PEN));
  Ellipse(device_, rect.left + 1, rect.top + 1, rect.right, rect.bottom);
}

void Canvas::paintPie(const Rect& rect, Point from, Point to) {
  SelectedObject noOutline(device_, GetStockObject(NULL_PEN));
  Pie(device_, rect.left + 1, rect.top + 1, rect.right, rect.bottom, from.h, from.v, to.h, to.v);
}

void Canvas::plotPixel(Point point, Color color) { SetPixel(device_, point.h, point.v, color.nativeValue()); }

void Canvas::drawText(const char* text, const Rect& rect, bool opaque, TextAlign align) {
  if (text == nullptr) return;
  // An opaque box takes the device's background colour, which setBrushColor keeps equal to the fill.
  SetBkMode(device_, opaque ? OPAQUE : TRANSPARENT);
  RECT box{rect.left, rect.top, rect.right, rect.bottom};
  UINT format = DT_SINGLELINE | DT_VCENTER;
  if (align == alignCenter) {
    format |= DT_CENTER;
  } else if (align == alignRight) {
    format |= DT_RIGHT;
  } else {
    format |= DT_LEFT;
    box.left += 1;
  }
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
  point = Point(position.x, position.y);
  return point;
}
