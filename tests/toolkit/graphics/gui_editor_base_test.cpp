// Checks the editor bases: update requests coalescing into one applyUpdate (one made during it served at
// the next idle), the rectangle handed to the host, attaching to the effect, and the 50 ms throttle on a
// controlled clock, across the tick wrap.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/toolkit/graphics/test_effect.h"
#include "tests/toolkit/support/manual_clock.h"
#include "toolkit/graphics/gui_editor_base.h"

namespace {

class CountingEditor : public GuiEditorBase {
public:
  explicit CountingEditor(PluginEffect* effect) : GuiEditorBase(effect) { setLayoutSize(386, 240); }
  // The update numbered writeDuringUpdate meets a parameter write, which asks for another.
  void applyUpdate() override {
    if (++updates == writeDuringUpdate) requestUpdate();
  }
  void onIdle() override {
    ++idles;
    GuiEditorBase::onIdle();
  }
  const EditorRect* rectField() const { return &editorRect(); }

  int32_t updates = 0;
  int32_t idles = 0;
  int32_t writeDuringUpdate = 0;
};

TEST(EditorBase, AnswersNoRectangle) {
  EditorBase editor(nullptr);
  EditorRect dummy{};
  EditorRect* rect = &dummy;
  EXPECT_EQ(editor.queryRect(&rect), 0);
  EXPECT_EQ(rect, nullptr);
}

TEST(GuiEditorBase, AttachesItselfToTheEffect) {
  TestEffect effect;
  auto* editor = new CountingEditor(&effect);
  EXPECT_EQ(effect.editor(), editor);
  EXPECT_NE(effect.record()->capabilityFlags & EditorAttached, 0);
  EXPECT_EQ(editor->rootView(), nullptr);
  EXPECT_FALSE(editor->isUpdatePending());
}

TEST(GuiEditorBase, QueryRectHandsOutItsRectangleAlsoWhileClosed) {
  CountingEditor editor(nullptr);
  EditorRect* rect = nullptr;
  EXPECT_EQ(editor.queryRect(&rect), 1);
  EXPECT_EQ(rect, editor.rectField());
  EXPECT_EQ(rect->bottom, 240);
  EXPECT_EQ(rect->right, 386);
  EXPECT_EQ(editor.queryRect(nullptr), 0);
}

TEST(GuiEditorBase, UpdateRequestsCoalesceIntoOneApplyUpdateAndOneMadeDuringItIsKept) {
  CountingEditor editor(nullptr);
  editor.onIdle();
  EXPECT_EQ(editor.updates, 0);
  editor.requestUpdate();
  editor.requestUpdate();
  EXPECT_TRUE(editor.isUpdatePending());
  editor.onIdle();
  EXPECT_EQ(editor.updates, 1);
  EXPECT_FALSE(editor.isUpdatePending());
  editor.onIdle();
  EXPECT_EQ(editor.updates, 1);
  // A request made while the update runs is not lost: the next idle applies again.
  editor.writeDuringUpdate = 2;
  editor.requestUpdate();
  editor.onIdle();
  EXPECT_TRUE(editor.isUpdatePending());
  editor.onIdle();
  EXPECT_EQ(editor.updates, 3);
  EXPECT_FALSE(editor.isUpdatePending());
}

TEST(GuiEditorBase, OpenInStoresTheWindowAndAsksForAnUpdate) {
  CountingEditor editor(nullptr);
  int32_t window = 0;
  EXPECT_EQ(editor.openIn(&window), 0);
  EXPECT_EQ(editor.parentWindow(), &window);
  EXPECT_TRUE(editor.isUpdatePending());
}

TEST(GuiEditorBase, ThrottledIdleRunsAtMostOncePer50Milliseconds) {
  struct Case {
    const char* name;
    uint32_t start;
    std::vector<std::pair<uint32_t, bool>> calls; // tick count of each call, whether it runs
  };
  const Case cases[] = {
      {"plain",
       1000,
       {{1000, false}, {1049, false}, {1050, true}, {1060, false}, {1099, false}, {1100, true}}},
      {"after the wrap", 0xFFFFFFE0u, {{0x11, false}, {0x12, true}, {0x43, false}, {0x44, true}}},
      {"next to the wrap",
       0xFFFFFFF0u,
       {{0xFFFFFFFAu, false}, {0x21, false}, {0x22, true}, {0x53, false}, {0x54, true}}},
      // The last run 64 ms before the wrap: 50 ms later falls after the wrap and must not stall.
      {"across the wrap", 0xFFFFFFC0u, {{0x10, true}, {0x41, false}, {0x42, true}}},
  };
  for (const Case& c : cases) {
    ManualClock clock(c.start);
    resetHostRequests();
    TestEffect effect;
    auto* editor = new CountingEditor(&effect);
    int32_t runs = 0;
    for (const auto& [now, runsNow] : c.calls) {
      clock.set(now);
      editor->throttledIdle();
      if (runsNow) ++runs;
      EXPECT_EQ(editor->idles, runs) << c.name << " at " << now;
      EXPECT_EQ(hostRequestCount(HostRequest::Idle), runs) << c.name << " at " << now;
    }
  }
}

TEST(GuiEditorBase, ThrottledIdleAppliesThePendingUpdate) {
  ManualClock clock(500);
  CountingEditor editor(nullptr);
  editor.requestUpdate();
  editor.throttledIdle();
  EXPECT_EQ(editor.updates, 0);
  clock.advance(50);
  editor.throttledIdle();
  EXPECT_EQ(editor.updates, 1);
}

TEST(GuiEditorBase, ThrottledIdleWithoutEffectRunsOnIdleAndSkipsTheHost) {
  ManualClock clock(100);
  resetHostRequests();
  CountingEditor editor(nullptr);
  clock.advance(60);
  editor.throttledIdle();
  EXPECT_EQ(editor.idles, 1);
  EXPECT_EQ(hostRequestCount(HostRequest::Idle), 0);
}

} // namespace
