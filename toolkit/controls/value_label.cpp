// ValueLabel: the value's text, the shared text painting and the setters that force a repaint.
#include "toolkit/controls/value_label.h"

#include <cstdio>
#include <cstring>

#include "toolkit/graphics/pixmap.h"

void copyLabelText(char* to, const char* from) {
  if (from == nullptr) from = "";
  size_t length = std::strlen(from);
  if (length > kLabelTextCapacity - 1) length = kLabelTextCapacity - 1;
  std::memcpy(to, from, length);
  to[length] = '\0';
}

ValueLabel::ValueLabel(const Rect& size, Pixmap* background, int32_t style)
    : ValueLabel(size, nullptr, 0, background, style) {}

ValueLabel::ValueLabel(const Rect& size, ValueListener* listener, int32_t tag, Pixmap* background,
                       int32_t style)
    : ValueWidget(size, listener, tag), style_(style), background_(background) {}

void ValueLabel::paint(Canvas* canvas) {
  char text[kLabelTextCapacity] = {};
  if (converter_ != nullptr) {
    converter_(value(), text);
    // A converter that filled the whole buffer still leaves a terminated text.
    text[kLabelTextCapacity - 1] = '\0';
  } else {
    std::snprintf(text, sizeof text, "%2.2f", static_cast<double>(value()));
  }
  paintText(canvas, text, nullptr);
}

void ValueLabel::paintText(Canvas* canvas, const char* text, Pixmap* replacement) {
  const bool frame3D = (style_ & (labelFrameFillTopLeft | labelFrameEdgeTopLeft)) != 0;
  Pixmap* background = replacement != nullptr ? replacement : background_;
  if (background != nullptr) {
    background->drawOpaque(canvas, size(), backgroundOffset_);
  } else {
    canvas->setBrushColor(fillColor_);
    canvas->paintRect(size());
    if (!frame3D) {
      canvas->setPenColor(edgeColor_);
      canvas->outlineRect(size());
    }
  }
  if (frame3D) paintFrame3D(canvas);

  canvas->selectFont(fontNumber_, 0);
  if ((style_ & labelShadow) != 0) {
    Rect shadow = size();
    shadow.moveBy(1, 1);
    canvas->setTextInk(shadowColor_);
    canvas->drawText(text, shadow, false, alignment_);
  }
  canvas->setTextInk(textColor_);
  canvas->drawText(text, size(), false, alignment_);
  setShownValue(value());
}

void ValueLabel::paintFrame3D(Canvas* canvas) {
  const bool fillTopLeft = (style_ & labelFrameFillTopLeft) != 0;
  // Lines leave out their end pixel: the first pen takes the top left corner, the second the bottom right.
  canvas->setPenColor(fillTopLeft ? fillColor_ : edgeColor_);
  canvas->movePen(Point(size().left, size().bottom));
  canvas->strokeTo(Point(size().left, size().top));
  canvas->strokeTo(Point(size().right + 1, size().top));
  canvas->setPenColor(fillTopLeft ? edgeColor_ : fillColor_);
  canvas->movePen(Point(size().right, size().top + 1));
  canvas->strokeTo(Point(size().right, size().bottom));
  canvas->strokeTo(Point(size().left, size().bottom));
}

void ValueLabel::forceRepaint() {
  setShownValue(value() + 0.1f);
  // From about two million on a tenth is lost in the float's rounding, and the shown value would still
  // equal the value.
  if (shownValue() == value()) setShownValue(-value());
}

void ValueLabel::changeFont(int32_t fontNumber) {
  if (fontNumber == fontNumber_) return;
  fontNumber_ = fontNumber;
  forceRepaint();
}

void ValueLabel::changeTextColor(Color color) {
  if (color.differsFrom(textColor_)) forceRepaint();
  textColor_ = color;
}

void ValueLabel::changeFillColor(Color color) {
  if (color.differsFrom(fillColor_)) forceRepaint();
  fillColor_ = color;
}

void ValueLabel::changeEdgeColor(Color color) {
  if (color.differsFrom(edgeColor_)) forceRepaint();
  edgeColor_ = color;
}

void ValueLabel::changeShadowColor(Color color) {
  if (color.differsFrom(shadowColor_)) forceRepaint();
  shadowColor_ = color;
}

void ValueLabel::changeAlignment(TextAlign alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  forceRepaint();
}

void ValueLabel::changeBackgroundOffset(Point offset) { backgroundOffset_ = offset; }

void ValueLabel::installTextConverter(TextConverter converter) { converter_ = converter; }
