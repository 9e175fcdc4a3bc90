// Pixmap: loading, reference counting, opaque and keyed drawing.
#include "toolkit/graphics/pixmap.h"

#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/color.h"
#include "toolkit/graphics/key_mask.h"
#include "toolkit/graphics/module_instance.h"

Pixmap::Pixmap(int32_t resourceId)
    : resourceId_(resourceId),
      bitmap_(LoadBitmapA(static_cast<HINSTANCE>(moduleInstance), MAKEINTRESOURCEA(resourceId & 0xFFFF))) {
  BITMAP description{};
  if (bitmap_ && GetObjectA(bitmap_.get(), sizeof description, &description) != 0) {
    width_ = description.bmWidth;
    height_ = description.bmHeight;
  }
}

void Pixmap::retain() { referenceCount_.fetch_add(1, std::memory_order_relaxed); }

void Pixmap::release() {
  if (referenceCount_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
}

void Pixmap::drawOpaque(Canvas* canvas, const Rect& rect, Point offset) {
  if (!bitmap_) return;
  BitmapDevice image(canvas->device(), bitmap_.get());
  BitBlt(canvas->device(), rect.left, rect.top, rect.width(), rect.height(), image.handle(), offset.h,
         offset.v, SRCCOPY);
}

void Pixmap::drawKeyed(Canvas* canvas, const Rect& rect, Point offset) {
  if (!bitmap_) return;
  HDC target = canvas->device();
  const int32_t x = rect.left + offset.h;
  const int32_t y = rect.top + offset.v;
  if (!mask_) mask_ = makeKeyMask(target, bitmap_.get(), colorTransparentKey.nativeValue());

  BitmapDevice image(target, bitmap_.get());
  const SIZE extent = bitmapExtent(image.handle(), bitmap_.get());
  const int32_t w = extent.cx;
  const int32_t h = extent.cy;

  BitmapHandle inverseBitmap(CreateBitmap(w, h, 1, 1, nullptr));
  BitmapHandle compositeBitmap(CreateCompatibleBitmap(target, w, h));
  BitmapHandle copyBitmap(CreateCompatibleBitmap(target, w, h));
  BitmapDevice inverse(target, inverseBitmap.get());
  BitmapDevice mask(target, mask_.get());
  BitmapDevice composite(target, compositeBitmap.get());
  BitmapDevice copy(target, copyBitmap.get());

  BitBlt(copy.handle(), 0, 0, w, h, image.handle(), 0, 0, SRCCOPY);
  BitBlt(inverse.handle(), 0, 0, w, h, mask.handle(), 0, 0, NOTSRCCOPY);
  BitBlt(composite.handle(), 0, 0, w, h, target, x, y, SRCCOPY);
  // Against colour, a mask bit of 1 counts as all bits set and 0 as all clear: a new memory device's
  // default colours (white background, black text) make the platform read it so.
  BitBlt(composite.handle(), 0, 0, w, h, mask.handle(), 0, 0, SRCAND);
  // The shared bitmap is blackened where keyed for the moment; the copy restores it below.
  BitBlt(image.handle(), 0, 0, w, h, inverse.handle(), 0, 0, SRCAND);
  BitBlt(composite.handle(), 0, 0, w, h, image.handle(), 0, 0, SRCPAINT);
  BitBlt(target, x, y, rect.width(), rect.height(), composite.handle(), offset.h, offset.v, SRCCOPY);
  BitBlt(image.handle(), 0, 0, w, h, copy.handle(), 0, 0, SRCCOPY);
}
