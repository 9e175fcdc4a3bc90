// Checks the ValueWidget base: its starting state, unclamped values, repainting only on change, and
// the throttled refresh through the root view during a scripted press-drag-release of a fader.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/support/host_window.h"
#include "tests/toolkit/support/manual_clock.h"
#include "tests/toolkit/support/scripted_input.h"
#include "toolkit/controls/fader.h"
#include "toolkit/controls/value_listener.h"
#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/gui_editor_base.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "toolkit/graphics/root_view.h"

namespace {

class PaintCounter : public ValueWidget {
public:
  explicit PaintCounter(const Rect& size) : ValueWidget(size, nullptr, 0) {}
  void paint(Canvas*) override { ++paints; }
  int32_t paints = 0;
};

// Does what the gate's editor does with an edit: records it, repaints the control at once, and lets
// 30 ms pass per edit.
class RecordingListener : public ValueListener {
public:
  explicit RecordingListener(ManualClock* clock) : clock_(clock) {}
  void controlEdited(Canvas* canvas, ValueWidget* control) override {
    values.push_back(control->value());
    tags.push_back(control->tag());
    control->refreshIfChanged(canvas);
    if (clock_ != nullptr) clock_->advance(30);
  }
  std::vector<float> values;
  std::vector<int32_t> tags;

private:
  ManualClock* clock_;
};

class IdleCountingEditor : public GuiEditorBase {
public:
  IdleCountingEditor() : GuiEditorBase(nullptr) {}
  void onIdle() override {
    ++idles;
    GuiEditorBase::onIdle();
  }
  RootView* adopt(std::unique_ptr<RootView> view) { return &adoptRootView(std::move(view)); }
  int32_t idles = 0;
};

TEST(ValueWidget, StartsUnshownAtZeroWithinZeroToOne) {
  RecordingListener listener(nullptr);
  Fader fader(Rect(0, 0, 10, 10), &listener, 17, 0, 0, nullptr, nullptr, Point(0, 0), faderOriginBottom);
  EXPECT_EQ(fader.value(), 0.0f);
  EXPECT_EQ(fader.shownValue(), -1.0f);
  EXPECT_EQ(fader.resetValue(), 0.5f);
  EXPECT_EQ(fader.minimum(), 0.0f);
  EXPECT_EQ(fader.maximum(), 1.0f);
  EXPECT_TRUE(fader.isClickable());
  EXPECT_EQ(fader.tag(), 17);
  EXPECT_EQ(fader.listener(), &listener);
}

TEST(ValueWidget, StoresValuesAndBoundsAsGiven) {
  PaintCounter widget(Rect(0, 0, 10, 10));
  const float values[] = {-3.5f, 0.0f, 1.0f, 7.25f};
  for (float value : values) {
    widget.putValue(value);
    EXPECT_EQ(widget.value(), value);
  }
  widget.setMinimum(2.0f);
  widget.setMaximum(-1.0f);
  widget.setResetValue(9.0f);
  widget.setClickable(false);
  EXPECT_EQ(widget.minimum(), 2.0f);
  EXPECT_EQ(widget.maximum(), -1.0f);
  EXPECT_EQ(widget.resetValue(), 9.0f);
  EXPECT_FALSE(widget.isClickable());
  EXPECT_EQ(widget.paints, 0);
}

TEST(ValueWidget, RefreshIfChangedPaintsOnlyWhenTheValueDiffersFromTheShownOne) {
  PaintCounter widget(Rect(0, 0, 10, 10));
  Canvas canvas(nullptr, nullptr, nullptr);
  widget.refreshIfChanged(&canvas);
  EXPECT_EQ(widget.paints, 1);
  EXPECT_EQ(widget.shownValue(), 0.0f);
  widget.refreshIfChanged(&canvas);
  EXPECT_EQ(widget.paints, 1);
  widget.putValue(0.3f);
  widget.refreshIfChanged(&canvas);
  EXPECT_EQ(widget.paints, 2);
  EXPECT_EQ(widget.shownValue(), 0.3f);
  widget.setShownValue(-1.0f);
  widget.refreshIfChanged(&canvas);
  EXPECT_EQ(widget.paints, 3);
}

TEST(ValueWidget, FaderDragReportsEachNewValueAndRefreshesOthersAtMostEvery50Ms) {
  ManualClock clock(1000);
  HostWindow host(100, 100);
  IdleCountingEditor editor;
  RootView* root = editor.adopt(std::make_unique<RootView>(Rect(0, 0, 100, 100), host.handle(), &editor));
  RecordingListener listener(&clock);
  const PixmapRef handle = PixmapRef::adopt(new Pixmap(kFaderHandleBitmap));
  // Travel from 0 to 64 with value 0 at the top: the value is the handle's top over 64.
  root->addWidget(std::make_unique<Fader>(Rect(0, 0, 16, 76), &listener, 5, 0, 64, handle, nullptr,
                                          Point(0, 0), faderOriginTop));
  auto* other = root->addWidget(std::make_unique<PaintCounter>(Rect(20, 0, 30, 10)));
  UpdateWindow(root->windowHandle());
  other->setShownValue(other->value());
  other->paints = 0;

  // The press on the handle's top, a drag to 16, 16 again (no new report), 32 and 48, the release.
  ScriptedInput input(root->windowHandle(), {{leftButton, Point(5, 0)},
                                             {leftButton, Point(5, 16)},
                                             {leftButton, Point(5, 16)},
                                             {leftButton, Point(5, 32)},
                                             {leftButton, Point(5, 48)},
                                             {0, Point(5, 48)}});
  other->putValue(0.9f);
  SendMessageA(root->windowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 0));

  EXPECT_EQ(listener.values, (std::vector<float>{0.25f, 0.5f, 0.75f}));
  EXPECT_EQ(listener.tags, (std::vector<int32_t>{5, 5, 5}));
  // Each edit lets 30 ms pass: of the five refresh requests (at 0, 30, 30, 60 and 90 ms) only the one at
  // 60 ms comes 50 ms after the last run.
  EXPECT_EQ(editor.idles, 1);
  EXPECT_EQ(other->paints, 1);
}

} // namespace
