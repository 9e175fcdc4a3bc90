// Dial: a circular control whose handle pixmap travels on a 270-degree arc, from lower left (minimum)
// over the top to lower right (maximum); the value follows the pointer's angle while the button is held.
#pragma once

#include <cstdint>

#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/pixmap_ref.h"

class Pixmap;

class Dial : public ValueWidget {
public:
  // The handle is required; the background may be null, and then the old handle image is not erased.
  Dial(const Rect& size, ValueListener* listener, int32_t tag, Pixmap* background, Pixmap* handle,
       Point backgroundOffset);

  void paint(Canvas* canvas) override;
  // Alt+click restores the reset value; otherwise the value follows the pointer's angle until every
  // button is released.
  void mousePressed(Canvas* canvas, Point& point) override;

  // Where the handle's centre goes for the value, relative to the control's top left corner.
  virtual void valueToPointer(Point& point) const;
  // The value for a pointer at point, relative to the control's top left corner. The 90-degree gap at
  // the bottom gives the nearer end of the range.
  virtual float pointerToValue(const Point& point) const;
  // Takes a reference on the new background and gives back the one on the old.
  virtual void changeBackground(Pixmap* background);
  virtual Pixmap* background() const;

  int32_t inset() const { return inset_; }

protected:
  // For strip variants, which draw no separate handle: no background, and the arc touches the edges.
  Dial(const Rect& size, ValueListener* listener, int32_t tag, Pixmap* strip, int32_t inset);

  // The arc's radius: the control's width less the inset on both sides, halved.
  float radius() const;
  // The strip of a strip variant.
  Pixmap* handlePixmap() const { return handle_; }

private:
  int32_t inset_;
  PixmapRef background_;
  PixmapRef handle_;
  Point backgroundOffset_;
};
