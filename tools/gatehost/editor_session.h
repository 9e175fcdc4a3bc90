// EditorSession: the plug-in's editor opened the way a host opens it — its size asked with opcode 13,
// a top-level window of that size as the parent, opcode 14, idle ticks (opcode 19) about 30 times a
// second from the message loop, the window resized whenever the editor asks (request 15), and opcode 15
// at the end.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "toolkit/graphics/native_handles.h"
#include "tools/gatehost/plugin_host.h"
#include "tools/gatehost/synthesised_gestures.h"
#include "tools/probe/window_capture.h"

class EditorSession {
public:
  static constexpr UINT kIdleMilliseconds = 33;

  explicit EditorSession(PluginHost& host);
  ~EditorSession();

  EditorSession(const EditorSession&) = delete;
  EditorSession& operator=(const EditorSession&) = delete;

  // False when the effect has no editor or the window could not be made.
  bool isOpen() const { return static_cast<bool>(window_); }
  HWND hostWindow() const { return window_.get(); }
  const EditorRect& rect() const { return rect_; }
  int32_t idleTicks() const { return idleTicks_; }

  // Runs the message loop until `count` more idle ticks have gone to the effect.
  void runIdles(int32_t count);
  // Runs on the window's thread after each idle tick, as a host's timer that does more than idling.
  void onIdleTick(std::function<void()> handler) { tickHandler_ = std::move(handler); }
  // Performs synthesised input from a second thread while this thread runs the message loop.
  void perform(const std::vector<Gesture>& gestures);
  CapturedImage capture() const;
  // The screen around the editor the last time a gesture's menu was open: the editor and the menu.
  const CapturedImage& menuCapture() const { return menuCapture_; }
  // Where on the screen the menus open then lay, all of them together.
  const RECT& menuArea() const { return menuArea_; }
  // Opcode 15, then the window goes.
  void close();
  // Opcode 15 alone: the window stays, for the editor of another effect, which openEditorOf opens in it
  // (opcodes 13 and 14; whether 14 answered 1), as a host's frame shows one effect's editor after another.
  void closeEditor();
  bool openEditorOf(PluginHost& host);

private:
  // The window takes the size the host's editor asks for (request 15).
  void resizeOnRequestOf(PluginHost& host);
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void pumpOnce(DWORD waitMilliseconds);
  void waitForProgress();
  void waitForPress(int32_t pressesBefore);

  // The effect whose editor is open in the window; null after closeEditor.
  PluginHost* host_;
  WindowHandle window_;
  // Counts the idle ticks and presses, and keeps Alt and clicks from activating anything.
  std::optional<WindowSubclass> subclass_;
  EditorRect rect_{};
  int32_t idleTicks_ = 0;
  std::function<void()> tickHandler_;
  // Message-loop passes plus effect requests: what the input thread watches to know its last step was seen.
  std::atomic<int32_t> uiPasses_{0};
  // Button presses the editor window has received (its parent is told of each before the window is).
  std::atomic<int32_t> presses_{0};
  CapturedImage menuCapture_;
  RECT menuArea_{};
};
