// FaderScene: building the gate's step fader and checking a painted fader pixel by pixel.
#include "tests/toolkit/controls/fader_scene.h"

std::unique_ptr<CountingFader> FaderScene::gateFader(ValueListener* listener, float value) {
  auto fader = std::make_unique<CountingFader>(kGateFaderSize, listener, 7, kGateTop, kGateBottom,
                                               handle.get(), track.get(), Point(0, 0), faderOriginBottom);
  fader->setHandleOrigin(Point(1, 0));
  fader->putValue(value);
  fader->paint(&canvas);
  return fader;
}

testing::AssertionResult FaderScene::showsFader(const Rect& control, const Rect& handleArea,
                                                Point trackOffset, bool keyed) const {
  for (int32_t y = control.top - 1; y <= control.bottom; ++y) {
    for (int32_t x = control.left - 1; x <= control.right; ++x) {
      const bool inControl = x >= control.left && x < control.right && y >= control.top && y < control.bottom;
      const bool onHandle =
          x >= handleArea.left && x < handleArea.right && y >= handleArea.top && y < handleArea.bottom;
      Color wanted = kFill;
      if (inControl)
        wanted = trackPicture->pixel(x - control.left + trackOffset.h, y - control.top + trackOffset.v);
      if (onHandle) {
        const Color handlePixel = handlePicture->pixel(x - handleArea.left, y - handleArea.top);
        if (!keyed || handlePixel.differsFrom(colorTransparentKey)) wanted = handlePixel;
      }
      const Color shown = surface.pixel(x, y);
      if (shown.differsFrom(wanted))
        return testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") is " << rgbText(shown) << ", wanted " << rgbText(wanted);
    }
  }
  return testing::AssertionSuccess();
}
