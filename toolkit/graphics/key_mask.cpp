// The key mask: built by letting the platform convert colour to 1 bit against a background colour.
#include "toolkit/graphics/key_mask.h"

SIZE bitmapExtent(HDC device, HBITMAP bitmap) {
  BITMAP description{};
  GetObjectA(bitmap, sizeof description, &description);
  POINT extent{description.bmWidth, description.bmHeight};
  DPtoLP(device, &extent, 1);
  return SIZE{extent.x, extent.y};
}

HBITMAP makeKeyMask(HDC device, HBITMAP bitmap, COLORREF keyColor) {
  HDC image = CreateCompatibleDC(device);
  HGDIOBJ imageBefore = SelectObject(image, bitmap);
  const SIZE extent = bitmapExtent(image, bitmap);

  HDC maskDevice = CreateCompatibleDC(device);
  HBITMAP mask = CreateBitmap(extent.cx, extent.cy, 1, 1, nullptr);
  HGDIOBJ maskBefore = SelectObject(maskDevice, mask);

  SetMapMode(image, GetMapMode(device));
  // Copying colour to 1 bit turns pixels equal to the source's background colour into 1, all others into 0.
  const COLORREF backgroundBefore = SetBkColor(image, keyColor);
  BitBlt(maskDevice, 0, 0, extent.cx, extent.cy, image, 0, 0, SRCCOPY);
  SetBkColor(image, backgroundBefore);

  SelectObject(maskDevice, maskBefore);
  DeleteDC(maskDevice);
  SelectObject(image, imageBefore);
  DeleteDC(image);
  return mask;
}
