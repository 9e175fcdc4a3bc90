// The key mask: built by letting the platform convert colour to 1 bit against a background colour.
#include "toolkit/graphics/key_mask.h"

SIZE bitmapExtent(HDC device, HBITMAP bitmap) {
  BITMAP description{};
  GetObjectA(bitmap, sizeof description, &description);
  POINT extent{description.bmWidth, description.bmHeight};
  DPtoLP(device, &extent, 1);
  return SIZE{extent.x, extent.y};
}

BitmapHandle makeKeyMask(HDC device, HBITMAP bitmap, COLORREF keyColor) {
  BitmapDevice image(device, bitmap);
  const SIZE extent = bitmapExtent(image.handle(), bitmap);

  BitmapHandle mask(CreateBitmap(extent.cx, extent.cy, 1, 1, nullptr));
  BitmapDevice maskDevice(device, mask.get());

  SetMapMode(image.handle(), GetMapMode(device));
  // Copying colour to 1 bit turns pixels equal to the source's background colour into 1, all others into 0.
  const COLORREF backgroundBefore = SetBkColor(image.handle(), keyColor);
  BitBlt(maskDevice.handle(), 0, 0, extent.cx, extent.cy, image.handle(), 0, 0, SRCCOPY);
  SetBkColor(image.handle(), backgroundBefore);
  return mask;
}
