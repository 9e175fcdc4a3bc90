// Pixmap: loading, reference counting, opaque and keyed drawing. At 100 % the image itself is copied; at
// 200 % its double-size image; otherwise the area drawn is resampled once to the device's size and kept.
#include "toolkit/graphics/pixmap.h"

#include <algorithm>
#include <optional>

#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/color.h"
#include "toolkit/graphics/key_mask.h"
#include "toolkit/graphics/module_instance.h"
#include "toolkit/graphics/resample.h"

namespace {

constexpr size_t kScaledAreaLimit = 8;

HBITMAP loadResourceBitmap(int32_t resourceId) {
  return LoadBitmapA(static_cast<HINSTANCE>(moduleInstance), MAKEINTRESOURCEA(resourceId & 0xFFFF));
}

SIZE sizeOf(HBITMAP bitmap) {
  BITMAP description{};
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof description, &description) == 0) return SIZE{0, 0};
  return SIZE{description.bmWidth, description.bmHeight};
}

// Rows top first, 32 bits a pixel: the layout PixelImage keeps.
BITMAPINFO pixelLayout(int32_t width, int32_t height) { return topDownPixels(width, height, 32); }

PixelImage pixelsOf(HDC device, HBITMAP bitmap) {
  const SIZE size = sizeOf(bitmap);
  PixelImage image{size.cx, size.cy, std::vector<uint32_t>(static_cast<size_t>(size.cx) * size.cy)};
  BITMAPINFO layout = pixelLayout(size.cx, size.cy);
  GetDIBits(device, bitmap, 0, static_cast<UINT>(size.cy), image.pixels.data(), &layout, DIB_RGB_COLORS);
  // The fourth byte is no colour.
  for (uint32_t& pixel : image.pixels) pixel &= 0x00FFFFFFu;
  return image;
}

BitmapHandle bitmapOf(HDC device, const PixelImage& image) {
  BitmapHandle bitmap(CreateCompatibleBitmap(device, image.width, image.height));
  BITMAPINFO layout = pixelLayout(image.width, image.height);
  SetDIBits(device, bitmap.get(), 0, static_cast<UINT>(image.height), image.pixels.data(), &layout,
            DIB_RGB_COLORS);
  return bitmap;
}

uint32_t pixelOf(Color color) {
  return static_cast<uint32_t>(color.red) << 16 | static_cast<uint32_t>(color.green) << 8 | color.blue;
}

// The area of the image starting at `from`, with its key pixels left out, into the target's rectangle.
// The mask is white where the image is keyed: ANDed in it clears the opaque pixels and keeps the keyed
// ones; the image XORed in then shows where it is opaque and inverts the keyed pixels (the key is white),
// which the mask XORed in again turns back. Three copies from the devices holding the image and the mask.
void drawThroughMask(HDC target, const Rect& to, HDC image, HDC mask, Point from) {
  // A 1-bit source takes the target's text colour for 0 and its background colour for 1.
  const COLORREF text = SetTextColor(target, RGB(0, 0, 0));
  const COLORREF background = SetBkColor(target, RGB(255, 255, 255));
  BitBlt(target, to.left, to.top, to.width(), to.height(), mask, from.h, from.v, SRCAND);
  BitBlt(target, to.left, to.top, to.width(), to.height(), image, from.h, from.v, SRCINVERT);
  BitBlt(target, to.left, to.top, to.width(), to.height(), mask, from.h, from.v, SRCINVERT);
  SetTextColor(target, text);
  SetBkColor(target, background);
}

void copyArea(HDC target, const Rect& to, HDC image, Point from) {
  BitBlt(target, to.left, to.top, to.width(), to.height(), image, from.h, from.v, SRCCOPY);
}

} // namespace

Pixmap::Pixmap(int32_t resourceId) : resourceId_(resourceId), bitmap_(loadResourceBitmap(resourceId)) {
  const SIZE size = sizeOf(bitmap_.get());
  width_ = size.cx;
  height_ = size.cy;
}

void Pixmap::retain() { referenceCount_.fetch_add(1, std::memory_order_relaxed); }

void Pixmap::release() {
  if (referenceCount_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
}

Pixmap::HeldBitmap::HeldBitmap(HBITMAP bitmap) : bitmap_(bitmap) {}

Pixmap::HeldBitmap& Pixmap::HeldBitmap::operator=(HeldBitmap&& other) noexcept {
  device_ = std::move(other.device_);
  bitmap_ = std::move(other.bitmap_);
  return *this;
}

HBITMAP Pixmap::HeldBitmap::unselected() {
  device_.reset();
  return bitmap_.get();
}

void Pixmap::HeldBitmap::reset(HBITMAP bitmap) {
  device_.reset();
  bitmap_.reset(bitmap);
}

HDC Pixmap::HeldBitmap::source(HDC target) {
  if (!device_) {
    device_.reset(CreateCompatibleDC(target));
    SelectObject(device_.get(), bitmap_.get());
  }
  return device_.get();
}

Pixmap::HeldBitmap& Pixmap::maskOf(HDC target, HeldBitmap& image, HeldBitmap& mask) {
  if (!mask) mask.reset(makeKeyMask(target, image.unselected(), colorTransparentKey.nativeValue()).release());
  return mask;
}

void Pixmap::dropLargerImages() {
  scaled_.clear();
  double_.reset();
  doubleMask_.reset();
  doubleLooked_ = false;
}

Pixmap::HeldBitmap& Pixmap::doubleSize() {
  if (!doubleLooked_) {
    doubleLooked_ = true;
    double_.reset(loadResourceBitmap(resourceId_ + kDoubleSizeResourceOffset));
    const SIZE size = sizeOf(double_.get());
    // Only an image of exactly twice the size can stand for this one.
    if (size.cx != 2 * width_ || size.cy != 2 * height_) double_.reset();
  }
  return double_;
}

Pixmap::ScaledArea& Pixmap::scaledArea(HDC device, const Rect& area, int32_t width, int32_t height,
                                       bool keyed) {
  for (ScaledArea& held : scaled_) {
    const Rect& a = held.area;
    if (a.left == area.left && a.top == area.top && a.right == area.right && a.bottom == area.bottom &&
        held.width == width && held.height == height && held.keyed == keyed)
      return held;
  }
  if (scaled_.size() == kScaledAreaLimit) scaled_.erase(scaled_.begin());
  HeldBitmap& larger = doubleSize();
  const int32_t factor = larger ? 2 : 1;
  const HBITMAP source = larger ? larger.unselected() : bitmap_.unselected();
  const std::optional<uint32_t> key =
      keyed ? std::optional<uint32_t>(pixelOf(colorTransparentKey)) : std::nullopt;
  const PixelImage made =
      resampleArea(pixelsOf(device, source),
                   Rect(area.left * factor, area.top * factor, area.right * factor, area.bottom * factor),
                   width, height, key);
  ScaledArea entry{area, width, height, keyed, HeldBitmap(bitmapOf(device, made).release()), HeldBitmap()};
  if (keyed) maskOf(device, entry.image, entry.mask);
  scaled_.push_back(std::move(entry));
  return scaled_.back();
}

void Pixmap::drawOpaque(Canvas* canvas, const Rect& rect, Point offset) {
  if (!bitmap_) return;
  HDC target = canvas->device();
  const Scale scale = canvas->scale();
  if (scale.isIdentity()) {
    dropLargerImages();
    copyArea(target, rect, bitmap_.source(target), offset);
    return;
  }
  // Only what the image holds: a resampled area has nothing beyond it.
  const Rect wanted(offset.h, offset.v, offset.h + rect.width(), offset.v + rect.height());
  const Rect area(std::max(wanted.left, 0), std::max(wanted.top, 0), std::min(wanted.right, width_),
                  std::min(wanted.bottom, height_));
  if (area.width() <= 0 || area.height() <= 0) return;
  const Rect place(rect.left + area.left - wanted.left, rect.top + area.top - wanted.top,
                   rect.left + area.right - wanted.left, rect.top + area.bottom - wanted.top);
  const Rect to = canvas->toDevice(place);
  if (scale == Scale::ofPercent(200) && doubleSize()) {
    copyArea(target, to, double_.source(target), Point(2 * area.left, 2 * area.top));
    return;
  }
  copyArea(target, to, scaledArea(target, area, to.width(), to.height(), false).image.source(target),
           Point(0, 0));
}

void Pixmap::drawKeyed(Canvas* canvas, const Rect& rect, Point offset) {
  if (!bitmap_) return;
  HDC target = canvas->device();
  if (canvas->scale().isIdentity()) {
    dropLargerImages();
    HeldBitmap& mask = maskOf(target, bitmap_, mask_);
    drawThroughMask(target, rect, bitmap_.source(target), mask.source(target), offset);
    return;
  }
  // The whole image made for the device where it lies, and the area of it drawn.
  const Point corner(rect.left - offset.h, rect.top - offset.v);
  const Rect image = canvas->toDevice(Rect(corner.h, corner.v, corner.h + width_, corner.v + height_));
  const Rect to = canvas->toDevice(rect);
  const Point from(to.left - image.left, to.top - image.top);
  if (canvas->scale() == Scale::ofPercent(200) && doubleSize()) {
    HeldBitmap& mask = maskOf(target, double_, doubleMask_);
    drawThroughMask(target, to, double_.source(target), mask.source(target), from);
    return;
  }
  ScaledArea& scaled = scaledArea(target, Rect(0, 0, width_, height_), image.width(), image.height(), true);
  drawThroughMask(target, to, scaled.image.source(target), scaled.mask.source(target), from);
}
