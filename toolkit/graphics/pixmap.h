// Pixmap: a bitmap from the library's own resources, shared by reference count between the editor and
// the controls, drawn opaquely or with the key colour left out, at the scale of the canvas drawn on.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "toolkit/graphics/native_types.h"
#include "toolkit/graphics/point.h"
#include "toolkit/graphics/rect.h"
#include "toolkit/graphics/scale.h"

class Canvas;

// The image of resource N for 200 % is resource N + this, when the library has one: twice the width and
// height, drawn as it is at 200 % and smoothly scaled down at 150 %.
constexpr int32_t kDoubleSizeResourceOffset = 1000;

class Pixmap {
public:
  // Loads the resource numbered by the id's low 16 bits from moduleInstance; a failed load leaves a
  // pixmap of 0 x 0 that draws nothing. Create with new: the last release deletes it.
  explicit Pixmap(int32_t resourceId);

  Pixmap(const Pixmap&) = delete;
  Pixmap& operator=(const Pixmap&) = delete;

  int32_t resourceId() const { return resourceId_; }
  // The size at 100 %, in layout pixels.
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }

  void retain();
  void release();

  // Copies the image area starting at offset, of the rectangle's size, to the rectangle's top left corner.
  void drawOpaque(Canvas* canvas, const Rect& rect, Point offset);
  // The same with every pixel of exactly colorTransparentKey left out, so the canvas shows through.
  // Drawing never changes the image, so it may be drawn anywhere meanwhile.
  void drawKeyed(Canvas* canvas, const Rect& rect, Point offset);

private:
  // One of the pixmap's bitmaps with the memory device it is drawn from, made at its first drawing and
  // kept: making a device and selecting a bitmap into it for each drawing costs far more under the platform
  // than the copy itself. The device always goes before its bitmap.
  class HeldBitmap {
  public:
    HeldBitmap() = default;
    explicit HeldBitmap(HBITMAP bitmap);
    HeldBitmap(HeldBitmap&&) = default;
    HeldBitmap& operator=(HeldBitmap&& other) noexcept;

    explicit operator bool() const { return bitmap_.get() != nullptr; }
    HBITMAP get() const { return bitmap_.get(); }
    // The device holding the bitmap, made compatible with the target the first time.
    HDC source(HDC target);
    // The bitmap out of any device, to be read or selected elsewhere.
    HBITMAP unselected();
    void reset(HBITMAP bitmap = nullptr);

  private:
    BitmapHandle bitmap_;
    MemoryDevice device_;
  };

  // An area of the image made for a size of the device, kept for the next drawing of it.
  struct ScaledArea {
    Rect area;
    int32_t width;
    int32_t height;
    bool keyed;
    HeldBitmap image;
    HeldBitmap mask;
  };

  ~Pixmap() = default;

  // The image's key mask, made at the first keyed drawing and kept in `mask`.
  static HeldBitmap& maskOf(HDC target, HeldBitmap& image, HeldBitmap& mask);

  // Shown at 100 % again, the pixmap keeps no larger image.
  void dropLargerImages();
  // The double-size image, loaded at the first drawing above 100 %; empty when the library has none.
  HeldBitmap& doubleSize();
  // The area at width x height pixels, resampled from the double-size image where there is one.
  ScaledArea& scaledArea(HDC device, const Rect& area, int32_t width, int32_t height, bool keyed);

  int32_t resourceId_;
  HeldBitmap bitmap_;
  // Built by the first keyed drawing and kept: the handle pixmap is drawn keyed on every fader refresh.
  HeldBitmap mask_;
  HeldBitmap double_;
  HeldBitmap doubleMask_;
  bool doubleLooked_ = false;
  // A few areas, the oldest replaced first: a control draws the same one or two areas again and again.
  std::vector<ScaledArea> scaled_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  // A view the host closed from another thread gives its references back on its window's thread, while
  // the editor gives its own on the host's.
  std::atomic<int32_t> referenceCount_{1};
};
