// Shows a small test window (a root view with a backdrop, colour blocks, text and a keyed pixmap),
// checks the captured client area pixel by pixel and writes it to a PNG to look at: the file
// toolkit_showcase.png in STEPGATE_SCREENSHOT_DIR, or in the working directory.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/graphics/probe_widgets.h"
#include "tests/toolkit/support/host_window.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "toolkit/graphics/root_view.h"
#include "tools/gatehost/png_file.h"
#include "tools/probe/window_capture.h"

namespace {

class CaptionWidget : public Widget {
public:
  CaptionWidget(const Rect& size, const char* text) : Widget(size), text_(text) {}
  void paint(Canvas* canvas) override {
    canvas->selectFont(0, 0);
    canvas->setBrushColor(colorBlue);
    canvas->setTextInk(colorYellow);
    canvas->drawText(text_, size(), true, alignCenter);
  }

private:
  const char* text_;
};

class KeyedImageWidget : public Widget {
public:
  KeyedImageWidget(const Rect& size, Pixmap* pixmap) : Widget(size), pixmap_(pixmap) {}
  void paint(Canvas* canvas) override { pixmap_->drawKeyed(canvas, size(), Point(0, 0)); }

private:
  PixmapRef pixmap_;
};

class LinesWidget : public Widget {
public:
  explicit LinesWidget(const Rect& size) : Widget(size) {}
  void paint(Canvas* canvas) override {
    canvas->setPenColor(colorCyan);
    canvas->outlineEllipse(size());
    canvas->setStrokeStyle(lineDotted);
    canvas->movePen(Point(size().left, size().bottom));
    canvas->strokeTo(Point(size().right, size().top));
  }
};

Color pixelAt(const CapturedImage& image, int32_t x, int32_t y) {
  const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)) * 3;
  return Color{image.rgb[at], image.rgb[at + 1], image.rgb[at + 2], 0};
}

std::string screenshotPath() {
  const char* directory = std::getenv("STEPGATE_SCREENSHOT_DIR");
  const std::string name = "toolkit_showcase.png";
  return directory != nullptr && directory[0] != '\0' ? std::string(directory) + "\\" + name : name;
}

TEST(WindowCapture, ShowcaseWindowIsCapturedPixelForPixelAndWrittenAsPng) {
  HostWindow host(180, 110);
  ProbeLog log;
  RootView root(Rect(0, 0, 180, 110), host.handle(), nullptr);
  root.setBackdrop(PixmapRef::adopt(new Pixmap(kBackdropBitmap)));
  root.addWidget(std::make_unique<ProbeWidget>(Rect(90, 10, 130, 40), "red", &log, colorRed));
  root.addWidget(std::make_unique<ProbeValue>(Rect(140, 10, 170, 40), "green", &log, colorGreen));
  root.addWidget(std::make_unique<CaptionWidget>(Rect(10, 60, 170, 80), "Step gate toolkit"));
  root.addWidget(std::make_unique<ProbeWidget>(Rect(100, 85, 120, 105), "magenta", &log, colorMagenta));
  root.addWidget(
      std::make_unique<KeyedImageWidget>(Rect(106, 90, 114, 94), PixmapRef::adopt(new Pixmap(kKeyedBitmap))));
  root.addWidget(std::make_unique<LinesWidget>(Rect(20, 84, 60, 104)));
  UpdateWindow(root.windowHandle());

  const CapturedImage image = captureClientArea(root.windowHandle());
  ASSERT_EQ(image.width, 180);
  ASSERT_EQ(image.height, 110);
  ASSERT_EQ(image.rgb.size(), 180u * 110u * 3u);
  struct Case {
    int32_t x, y;
    Color expected;
  };
  const Case cases[] = {
      {0, 0, Color{200, 200, 210, 0}},    // backdrop frame
      {40, 20, Color{60, 50, 60, 0}},     // backdrop gradient
      {90, 10, colorRed},                 // the block's outline corner
      {110, 25, colorRed},                // and its fill
      {155, 25, colorGreen},              //
      {106, 90, colorMagenta},            // key colour of the image: the block shows through
      {110, 92, Color{255, 255, 254, 0}}, // one off the key: drawn
      {112, 91, Color{200, 40, 80, 0}},   // an image colour
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(pixelAt(image, c.x, c.y).differsFrom(c.expected))
        << "(" << c.x << ", " << c.y << ") is " << int(pixelAt(image, c.x, c.y).red) << ","
        << int(pixelAt(image, c.x, c.y).green) << "," << int(pixelAt(image, c.x, c.y).blue);
  }
  const std::string path = screenshotPath();
  EXPECT_TRUE(writePngFile(path.c_str(), image.width, image.height, image.rgb)) << path;
}

TEST(WindowCapture, WindowWithoutClientAreaGivesAnEmptyImage) {
  EXPECT_TRUE(captureClientArea(nullptr).rgb.empty());
  HostWindow host(30, 30);
  HWND empty = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, host.handle(), nullptr,
                               nullptr, nullptr);
  const CapturedImage image = captureClientArea(empty);
  EXPECT_EQ(image.width, 0);
  EXPECT_TRUE(image.rgb.empty());
}

} // namespace
