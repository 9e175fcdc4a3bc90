// Pixmap: a bitmap from the library's own resources, shared by reference count between the editor and
// the controls, drawn opaquely or with the key colour left out.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "toolkit/graphics/native_handles.h"
#include "toolkit/graphics/point.h"
#include "toolkit/graphics/rect.h"

class Canvas;

class Pixmap {
public:
  // Loads the resource numbered by the id's low 16 bits from moduleInstance; a failed load leaves a
  // pixmap of 0 x 0 that draws nothing. Create with new: the last release deletes it.
  explicit Pixmap(int32_t resourceId);

  Pixmap(const Pixmap&) = delete;
  Pixmap& operator=(const Pixmap&) = delete;

  int32_t resourceId() const { return resourceId_; }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }

  void retain();
  void release();

  // Copies the image area starting at offset, of the rectangle's size, to the rectangle's top left corner.
  void drawOpaque(Canvas* canvas, const Rect& rect, Point offset);
  // The same with every pixel of exactly colorTransparentKey left out, so the canvas shows through.
  void drawKeyed(Canvas* canvas, const Rect& rect, Point offset);

private:
  ~Pixmap() = default;

  int32_t resourceId_;
  BitmapHandle bitmap_;
  // Built by the first keyed drawing and kept: the handle pixmap is drawn keyed on every fader refresh.
  BitmapHandle mask_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  // A view the host closed from another thread gives its references back on its window's thread, while
  // the editor gives its own on the host's.
  std::atomic<int32_t> referenceCount_{1};
};
