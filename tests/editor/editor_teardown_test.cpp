// Checks the shipped DLL against what hosts do around the editor: an effect destroyed while its editor
// is open, and parameters written from another thread while the editor's window is created or destroyed.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <thread>
#include <vector>

#include "tests/editor/dll_editor.h"
#include "tests/toolkit/support/host_window.h"
#include "toolkit/graphics/native_handles.h"
#include "tools/gatehost/plugin_host.h"
#include "tools/gatehost/plugin_library.h"
#include "tools/probe/host_window.h"
#include "tools/probe/resource_census.h"

namespace {

// A host window that, while the editor's child window is being created or destroyed inside it (the
// parent is told synchronously, on the thread that opens or closes the editor), writes a parameter from
// a second thread and notes whether that write returned within a bound.
class WritingParent {
public:
  explicit WritingParent(PluginHost& host)
      : host_(host), window_(makeHostWindow("host", WS_OVERLAPPEDWINDOW, 420, 300)) {
    SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    subclass_.emplace(window_.get(), &WritingParent::procedure);
  }
  ~WritingParent() {
    subclass_.reset();
    window_.reset();
    for (std::thread& writer : writers_) writer.join();
    for (HANDLE done : doneEvents_) CloseHandle(done);
  }

  HWND handle() const { return window_.get(); }
  int32_t writesDuringCreation = 0;
  int32_t writesDuringDestruction = 0;
  int32_t writesThatWaited = 0;

private:
  static constexpr DWORD kBound = 3000;

  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM first, LPARAM second) {
    auto* parent = reinterpret_cast<WritingParent*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (parent != nullptr && message == WM_PARENTNOTIFY) {
      if (LOWORD(first) == WM_CREATE) ++parent->writesDuringCreation, parent->writeMeanwhile();
      if (LOWORD(first) == WM_DESTROY) ++parent->writesDuringDestruction, parent->writeMeanwhile();
    }
    return DefWindowProcA(window, message, first, second);
  }

  void writeMeanwhile() {
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    doneEvents_.push_back(done);
    PluginHost& host = host_;
    // A writer that waits for this thread can finish only after the window has been created or
    // destroyed, so all are joined at the end, never here.
    writers_.emplace_back([&host, done] {
      host.writeParameter(5, 0.25f);
      SetEvent(done);
    });
    if (WaitForSingleObject(done, kBound) != WAIT_OBJECT_0) ++writesThatWaited;
  }

  PluginHost& host_;
  WindowHandle window_;
  std::optional<WindowSubclass> subclass_;
  std::vector<std::thread> writers_;
  std::vector<HANDLE> doneEvents_;
};

} // namespace

TEST(EditorTeardown, EveryOrderOfClosingTheEditorAndTheEffectLeavesNothingBehind) {
  PluginLibrary library(kPluginFile);
  ASSERT_TRUE(library.loaded()) << library.error();
  {
    // What the platform creates once is not counted; a window replaced while open makes it keep two more
    // objects for good.
    HostWindow window(386, 240);
    PluginHost host(library);
    ASSERT_TRUE(openEditor(host, window.handle()));
    ASSERT_TRUE(openEditor(host, window.handle()));
    host.dispatch(Opcode::EditorClose);
  }
  handlePendingMessages();
  const int32_t gdi = liveGdiObjects(), windows = liveWindows();
  ASSERT_FALSE(editorClassRegistered());
  const struct {
    const char* name;
    int32_t opens;
    bool hostWindowFirst;
    int32_t closes;
    int32_t cycles;
  } cases[] = {
      {"effect destroyed with the editor open", 1, false, 0, 20},
      {"host window destroyed first", 1, true, 1, 1},
      {"editor closed twice", 1, false, 2, 1},
      {"editor closed without opening", 0, false, 1, 1},
      {"editor opened twice", 2, false, 1, 1},
  };
  for (const auto& c : cases) {
    for (int32_t cycle = 0; cycle < c.cycles; ++cycle) {
      {
        HostWindow window(386, 240);
        handlePendingMessages();
        const int32_t withHostWindow = liveWindows();
        PluginHost host(library);
        for (int32_t open = 0; open < c.opens; ++open)
          ASSERT_TRUE(openEditor(host, window.handle())) << c.name;
        EXPECT_EQ(editorClassRegistered(), c.opens > 0) << c.name;
        if (c.hostWindowFirst) window.destroy();
        for (int32_t close = 0; close < c.closes; ++close) host.dispatch(Opcode::EditorClose);
        host.close();
        handlePendingMessages();
        // Counted while the host window lives: it would take a window left inside it along when it goes.
        const int32_t expected = c.hostWindowFirst ? windows : withHostWindow;
        ASSERT_EQ(liveWindows(), expected) << c.name << ", cycle " << cycle;
      }
      handlePendingMessages();
      ASSERT_EQ(liveWindows(), windows) << c.name << ", cycle " << cycle;
      ASSERT_EQ(liveGdiObjects(), gdi) << c.name << ", cycle " << cycle;
      ASSERT_FALSE(editorClassRegistered()) << c.name << ", cycle " << cycle;
    }
  }
}

TEST(EditorTeardown, WritesFromAnotherThreadDoNotWaitWhileTheEditorWindowComesAndGoes) {
  PluginLibrary library(kPluginFile);
  ASSERT_TRUE(library.loaded()) << library.error();
  PluginHost host(library);
  ASSERT_NE(host.record(), nullptr);
  {
    WritingParent parent(host);
    ASSERT_TRUE(openEditor(host, parent.handle()));
    host.dispatch(Opcode::EditorClose);
    handlePendingMessages();
    EXPECT_EQ(parent.writesDuringCreation, 1);
    EXPECT_EQ(parent.writesDuringDestruction, 1);
    EXPECT_EQ(parent.writesThatWaited, 0);
  }
  EXPECT_EQ(host.readParameter(5), 0.25f);
}
