// ValueLabel: a value shown as text over a background pixmap or a filled, framed box, and the text
// painting that the text field and the choice menu share with it.
#pragma once

#include <cstdint>

#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/color.h"
#include "toolkit/graphics/pixmap_ref.h"

class Pixmap;

enum LabelStyle : int32_t {
  labelShadow = 4,
  // Two-colour 3D frame: top and left in the fill colour, bottom and right in the edge colour...
  labelFrameFillTopLeft = 0x80,
  // ...or the other way round.
  labelFrameEdgeTopLeft = 0x100,
  labelMenuAtTop = 0x200,
  labelMenuMarksCurrent = 0x400,
};

// Every text of the text controls lives in a buffer of this size, terminator included.
constexpr int32_t kLabelTextCapacity = 256;

// Copies at most kLabelTextCapacity - 1 bytes of from (null counts as empty) and terminates the copy.
void copyLabelText(char* to, const char* from);

// Writes the text for a value into a buffer of kLabelTextCapacity bytes that holds an empty string.
using TextConverter = void (*)(float value, char* text);

class ValueLabel : public ValueWidget {
public:
  // A label never reports: it has no listener and tag 0. The background may be null.
  ValueLabel(const Rect& size, Pixmap* background, int32_t style);

  void paint(Canvas* canvas) override;

  // These six force the next refresh to repaint when the setting really changes (colours by red, green
  // and blue only).
  virtual void changeFont(int32_t fontNumber);
  virtual void changeTextColor(Color color);
  virtual void changeFillColor(Color color);
  virtual void changeEdgeColor(Color color);
  virtual void changeShadowColor(Color color);
  virtual void changeAlignment(TextAlign alignment);
  // These two take effect at the next paint that happens anyway.
  virtual void changeBackgroundOffset(Point offset);
  virtual void installTextConverter(TextConverter converter);

  int32_t style() const { return style_; }
  int32_t fontNumber() const { return fontNumber_; }

protected:
  ValueLabel(const Rect& size, ValueListener* listener, int32_t tag, Pixmap* background, int32_t style);

  // Background (the replacement pixmap if given, else the label's own, else fill and frame), the 3D
  // frame, the shadow and the text; the label then counts as showing its value.
  void paintText(Canvas* canvas, const char* text, Pixmap* replacement);
  // For texts the value does not describe: any shown value other than the value makes the next refresh
  // paint.
  void forceTextRepaint() { setShownValue(value() == 0.0f ? 1.0f : 0.0f); }

private:
  void forceRepaint();
  void paintFrame3D(Canvas* canvas);

  TextAlign alignment_ = alignCenter;
  int32_t style_;
  int32_t fontNumber_ = 3;
  Color textColor_ = colorWhite;
  Color fillColor_ = colorBlack;
  Color edgeColor_ = colorBlack;
  Color shadowColor_ = colorRed;
  Point backgroundOffset_;
  PixmapRef background_;
  TextConverter converter_ = nullptr;
};
