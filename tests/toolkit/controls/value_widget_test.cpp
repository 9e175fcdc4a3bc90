// Checks the ValueWidget base: its starting state, unclamped values, repainting only on change, and
// the throttled refresh during a scripted press-drag-release of a small tracking control.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/toolkit/support/host_window.h"
#include "tests/toolkit/support/manual_clock.h"
#include "tests/toolkit/support/scripted_input.h"
#include "toolkit/controls/value_listener.h"
#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/gui_editor_base.h"
#include "toolkit/graphics/root_view.h"

namespace {

// A vertical slider reduced to the shared tracking loop: value = how far down the pointer is.
class TrackingProbe : public ValueWidget {
public:
  TrackingProbe(const Rect& size, ValueListener* listener, int32_t tag) : ValueWidget(size, listener, tag) {}

  void paint(Canvas*) override { ++paints; }

  void mousePressed(Canvas* canvas, Point& point) override {
    if (!isClickable()) return;
    ButtonState state = canvas->buttonState();
    if (state == (leftButton | altKey)) {
      putValue(resetValue());
      if (value() != shownValue()) listener_->controlEdited(canvas, this);
      return;
    }
    do {
      putValue(static_cast<float>(point.v - size_.top) / static_cast<float>(size_.height()));
      if (value() != shownValue()) listener_->controlEdited(canvas, this);
      canvas->pointerPosition(point);
      requestRefresh();
      state = canvas->buttonState();
    } while (state == leftButton);
  }

  int32_t paints = 0;
};

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
  void adopt(RootView* view) { rootView = view; }
  int32_t idles = 0;
};

TEST(ValueWidget, StartsUnshownAtZeroWithinZeroToOne) {
  RecordingListener listener(nullptr);
  TrackingProbe probe(Rect(0, 0, 10, 10), &listener, 17);
  EXPECT_EQ(probe.value(), 0.0f);
  EXPECT_EQ(probe.shownValue(), -1.0f);
  EXPECT_EQ(probe.resetValue(), 0.5f);
  EXPECT_EQ(probe.minimum(), 0.0f);
  EXPECT_EQ(probe.maximum(), 1.0f);
  EXPECT_TRUE(probe.isClickable());
  EXPECT_EQ(probe.tag(), 17);
  EXPECT_EQ(probe.listener(), &listener);
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

TEST(ValueWidget, RequestRefreshWithoutRootViewDoesNothing) {
  ManualClock clock(0);
  PaintCounter widget(Rect(0, 0, 10, 10));
  clock.advance(1000);
  widget.requestRefresh();
  EXPECT_EQ(widget.paints, 0);
}

TEST(ValueWidget, ScriptedDragReportsEachNewValueAndRefreshesOthersAtMostEvery50Ms) {
  ManualClock clock(1000);
  HostWindow host(100, 100);
  IdleCountingEditor editor;
  auto* root = new RootView(Rect(0, 0, 100, 100), host.handle(), &editor);
  editor.adopt(root);
  RecordingListener listener(&clock);
  auto* probe = new TrackingProbe(Rect(0, 0, 10, 80), &listener, 5);
  auto* other = new PaintCounter(Rect(20, 0, 30, 10));
  root->addWidget(probe);
  root->addWidget(other);
  UpdateWindow(root->windowHandle());
  other->setShownValue(other->value());
  probe->paints = 0;
  other->paints = 0;

  // The press at 20, a drag through 40 and 40 again (no new report) to 60, the release.
  ScriptedInput input(root->windowHandle(), {{leftButton, Point(5, 20)},
                                             {leftButton, Point(5, 40)},
                                             {leftButton, Point(5, 40)},
                                             {leftButton, Point(5, 60)},
                                             {0, Point(5, 60)}});
  other->putValue(0.9f);
  SendMessageA(root->windowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 20));

  EXPECT_EQ(listener.values, (std::vector<float>{0.25f, 0.5f, 0.75f}));
  EXPECT_EQ(listener.tags, (std::vector<int32_t>{5, 5, 5}));
  EXPECT_EQ(probe->paints, 3);
  EXPECT_EQ(input.pointerReads(), 4);
  // Each edit lets 30 ms pass: of the four refresh requests (at 30, 60, 60 and 90 ms) only the one at
  // 60 ms comes 50 ms after the last run.
  EXPECT_EQ(editor.idles, 1);
  EXPECT_EQ(other->paints, 1);
  delete root;
}

TEST(ValueWidget, AltClickResetsAndReportsOnceWithoutTracking) {
  RecordingListener listener(nullptr);
  HostWindow host(50, 100);
  RootView root(Rect(0, 0, 50, 100), host.handle(), nullptr);
  auto* probe = new TrackingProbe(Rect(0, 0, 10, 80), &listener, 2);
  root.addWidget(probe);
  probe->setResetValue(0.125f);
  ScriptedInput input(root.windowHandle(), {{leftButton | altKey, Point(5, 70)}});
  SendMessageA(root.windowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 70));
  EXPECT_EQ(listener.values, (std::vector<float>{0.125f}));
  EXPECT_EQ(input.pointerReads(), 0);
}

TEST(ValueWidget, UnclickableControlIgnoresPresses) {
  RecordingListener listener(nullptr);
  HostWindow host(50, 100);
  RootView root(Rect(0, 0, 50, 100), host.handle(), nullptr);
  auto* probe = new TrackingProbe(Rect(0, 0, 10, 80), &listener, 2);
  root.addWidget(probe);
  probe->setClickable(false);
  ScriptedInput input(root.windowHandle(), {{leftButton, Point(5, 20)}, {0, Point(5, 20)}});
  SendMessageA(root.windowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 20));
  EXPECT_TRUE(listener.values.empty());
  EXPECT_EQ(probe->value(), 0.0f);
  EXPECT_EQ(input.buttonReads(), 0);
}

} // namespace
