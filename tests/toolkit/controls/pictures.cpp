// Test pictures: drawing a pixmap on its own surface, comparing areas pixel by pixel.
#include "tests/toolkit/controls/pictures.h"

#include "toolkit/graphics/canvas.h"

std::string rgbText(Color color) {
  return "(" + std::to_string(color.red) + ", " + std::to_string(color.green) + ", " +
         std::to_string(color.blue) + ")";
}

std::unique_ptr<MemorySurface> pictureOf(Pixmap* pixmap) {
  auto picture = std::make_unique<MemorySurface>(pixmap->width(), pixmap->height(), colorBlack);
  Canvas canvas(nullptr, picture->device(), nullptr);
  pixmap->drawOpaque(&canvas, Rect(0, 0, pixmap->width(), pixmap->height()), Point(0, 0));
  return picture;
}

testing::AssertionResult showsPicture(const MemorySurface& surface, const Rect& area,
                                      const MemorySurface& picture, Point source) {
  for (int32_t y = 0; y < area.height(); ++y) {
    for (int32_t x = 0; x < area.width(); ++x) {
      const Color shown = surface.pixel(area.left + x, area.top + y);
      const Color wanted = picture.pixel(source.h + x, source.v + y);
      if (shown.differsFrom(wanted))
        return testing::AssertionFailure()
               << "pixel (" << area.left + x << ", " << area.top + y << ") is " << rgbText(shown)
               << ", picture (" << source.h + x << ", " << source.v + y << ") is " << rgbText(wanted);
    }
  }
  return testing::AssertionSuccess();
}
