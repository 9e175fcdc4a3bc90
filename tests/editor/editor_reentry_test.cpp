// Checks the shipped DLL against hosts that re-enter it: closing the editor or the whole effect from their
// timer inside the editor's own loops, opening it without a window, and closing it from a thread other
// than its window's. Run under Wine's heap checking, so a read of freed memory crashes at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "tests/editor/dll_editor.h"
#include "tests/toolkit/support/host_window.h"
#include "tools/gatehost/close_during_loop.h"
#include "tools/gatehost/plugin_library.h"
#include "tools/probe/resource_census.h"

TEST(EditorReentry, AHostClosingTheEditorOrTheEffectInsideALoopFreesNothingTheLoopStillUses) {
  PluginLibrary library(kPluginFile);
  ASSERT_TRUE(library.loaded()) << library.error();
  PluginHost first(library);
  EditorSession session(first);
  session.runIdles(2);
  // The platform makes a popup menu's objects at the first menu: counting starts after it.
  closeDuringLoop(first, session, EditorLoop::PatternMenu, ClosedPart::Editor);
  session.closeEditor();
  const int32_t windows = liveWindows(), gdiObjects = liveGdiObjects();
  const struct {
    const char* name;
    EditorLoop loop;
    ClosedPart part;
  } cases[] = {
      {"opcode 15 in the pattern menu", EditorLoop::PatternMenu, ClosedPart::Editor},
      {"opcode 1 in the pattern menu", EditorLoop::PatternMenu, ClosedPart::Effect},
      {"opcode 15 in a fader drag", EditorLoop::FaderDrag, ClosedPart::Editor},
      {"opcode 1 in a fader drag", EditorLoop::FaderDrag, ClosedPart::Effect},
  };
  for (const auto& c : cases) {
    {
      PluginHost host(library);
      ASSERT_TRUE(session.openEditorOf(host)) << c.name;
      session.runIdles(2);
      const LoopClose closing = closeDuringLoop(host, session, c.loop, c.part);
      session.closeEditor();
      ASSERT_TRUE(closing.closedInsideLoop) << c.name;
      EXPECT_FALSE(closing.menuLeftOpen) << c.name;
      EXPECT_EQ(GetWindow(session.hostWindow(), GW_CHILD), nullptr) << c.name;
      EXPECT_EQ(closing.requestsAfterClose, 0) << c.name;
      EXPECT_EQ(closing.editsAfterClose, 0) << c.name;
      // While the effect lives, the drag's gesture is ended as any other.
      EXPECT_TRUE(c.part == ClosedPart::Effect || closing.editsLeftOpen == 0) << c.name;
    }
    handlePendingMessages();
    EXPECT_EQ(liveWindows(), windows) << c.name;
    EXPECT_EQ(liveGdiObjects(), gdiObjects) << c.name;
    EXPECT_FALSE(editorClassRegistered()) << c.name;
  }
}

TEST(EditorReentry, OpeningWithoutAWindowAnswersZeroLeavesNothingAndALaterOpenWorks) {
  PluginLibrary library(kPluginFile);
  ASSERT_TRUE(library.loaded()) << library.error();
  HWND gone;
  {
    HostWindow made(10, 10);
    gone = made.handle();
  }
  for (HWND parent : {static_cast<HWND>(nullptr), gone}) {
    PluginHost host(library);
    const int32_t windows = liveWindows();
    EXPECT_FALSE(openEditor(host, parent)) << parent;
    EXPECT_EQ(liveWindows(), windows) << parent;
    EXPECT_FALSE(editorClassRegistered()) << parent;
    HostWindow window(386, 240);
    EXPECT_TRUE(openEditor(host, window.handle())) << parent;
    EXPECT_NE(GetWindow(window.handle(), GW_CHILD), nullptr) << parent;
  }
}

TEST(EditorReentry, AnEditorClosedFromAnotherThreadGoesOnItsWindowsThreadAndTheClassWithTheLastEffect) {
  PluginLibrary library(kPluginFile);
  ASSERT_TRUE(library.loaded()) << library.error();
  HostWindow window(386, 240);
  // What the platform makes at the first editor is not counted.
  PluginHost(library).dispatch(Opcode::EditorOpen, 0, 0, window.handle());
  handlePendingMessages();
  const int32_t gdiObjects = liveGdiObjects();
  for (const Opcode close : {Opcode::EditorClose, Opcode::Close}) {
    {
      PluginHost host(library);
      ASSERT_TRUE(openEditor(host, window.handle()));
      std::thread([&host, close] {
        if (close == Opcode::Close)
          host.close();
        else
          host.dispatch(close);
      }).join();
      handlePendingMessages();
      EXPECT_EQ(GetWindow(window.handle(), GW_CHILD), nullptr) << static_cast<int>(close);
    }
    EXPECT_FALSE(editorClassRegistered()) << static_cast<int>(close);
    EXPECT_EQ(liveGdiObjects(), gdiObjects) << static_cast<int>(close);
  }
}
