// Checks the Widget base: which offscreen canvases it keeps, and redrawing through its root view.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "tests/toolkit/support/host_window.h"
#include "toolkit/graphics/offscreen_canvas.h"
#include "toolkit/graphics/root_view.h"
#include "toolkit/graphics/widget.h"

namespace {

class PaintCounter : public Widget {
public:
  explicit PaintCounter(const Rect& size) : Widget(size) {}
  void paint(Canvas*) override { ++paints; }
  int32_t paints = 0;
};

TEST(Widget, AttachOffscreenKeepsOnlyACanvasThatHoldsTheWholeWidget) {
  RootView root(Rect(0, 0, 100, 100), nullptr, nullptr);
  OffscreenCanvas exact(&root, 16, 80, colorBlack);
  OffscreenCanvas larger(&root, 20, 90, colorBlack);
  OffscreenCanvas narrow(&root, 15, 80, colorBlack);
  OffscreenCanvas low(&root, 16, 79, colorBlack);
  Widget widget(Rect(11, 103, 27, 183));
  struct Case {
    OffscreenCanvas* offered;
    OffscreenCanvas* kept;
  };
  const Case cases[] = {{nullptr, nullptr}, {&narrow, nullptr}, {&exact, &exact},  {&low, &exact},
                        {nullptr, &exact},  {&larger, &larger}, {&narrow, &larger}};
  for (const Case& c : cases) {
    widget.attachOffscreen(c.offered);
    EXPECT_EQ(widget.offscreen(), c.kept);
  }
}

TEST(Widget, RedrawNowPaintsThroughTheRootViewAndNothingWithoutOne) {
  PaintCounter orphan(Rect(0, 0, 10, 10));
  orphan.redrawNow();
  EXPECT_EQ(orphan.paints, 0);
  EXPECT_EQ(orphan.parent(), nullptr);

  HostWindow host(60, 60);
  RootView root(Rect(0, 0, 60, 60), host.handle(), nullptr);
  auto* child = root.addWidget(std::make_unique<PaintCounter>(Rect(0, 0, 10, 10)));
  EXPECT_EQ(child->parent(), &root);
  child->redrawNow();
  EXPECT_EQ(child->paints, 1);
}

} // namespace
