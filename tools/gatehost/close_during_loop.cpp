// The loop is started with synthesised input; the close waits for the loop to be running: a popup
// menu on screen, or the drag's first edit told and the host inside the drag's idle request.
#include "tools/gatehost/close_during_loop.h"

#include <vector>

#include "tools/probe/popup_menus.h"

namespace {

// Ticks a menu may stay open after the close before the host ends it itself.
constexpr int32_t kTicksBeforeDismissal = 10;
// Under Wine a synthesised press now and then reaches the window only after its release, when a control
// reads the button as up and starts no loop: nothing happened then, and the gesture is played again.
constexpr int32_t kAttempts = 3;

Gesture loopGesture(EditorLoop loop) {
  Gesture gesture;
  if (loop == EditorLoop::PatternMenu) {
    gesture.kind = Gesture::Kind::RightClick;
    // Below the controls, on the editor's own background.
    gesture.from = gesture.to = {200, 215};
  } else {
    gesture.kind = Gesture::Kind::Drag;
    gesture.from = {18 + 19 * 4, 109};
    gesture.to = {gesture.from.x, gesture.from.y + 40};
  }
  return gesture;
}

// Bounded: a window whose paint is never ended would be sent paint messages for ever.
void handleQueuedMessages() {
  constexpr int32_t kMessageLimit = 1000;
  MSG message;
  for (int32_t handled = 0; handled < kMessageLimit && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != 0;
       ++handled) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

} // namespace

LoopClose closeDuringLoop(PluginHost& host, EditorSession& session, EditorLoop loop, ClosedPart part) {
  LoopClose result;
  const int32_t strayBefore = PluginHost::requestsAfterClose();
  bool inIdleRequest = false;
  bool closed = false;
  int32_t ticksSinceClose = 0;
  host.onIdleRequest([&inIdleRequest] {
    inIdleRequest = true;
    handleQueuedMessages();
    inIdleRequest = false;
  });
  session.onIdleTick([&] {
    const bool menuOpen = waitForPopupMenu(0) != nullptr;
    if (closed) {
      if (menuOpen && ++ticksSinceClose > kTicksBeforeDismissal) {
        result.menuLeftOpen = true;
        EndMenu();
      }
      return;
    }
    const bool looping =
        loop == EditorLoop::PatternMenu ? menuOpen : inIdleRequest && !host.automation().empty();
    if (!looping) return;
    closed = result.closedInsideLoop = true;
    result.noticesAtClose = host.editNotices().size();
    if (part == ClosedPart::Editor)
      host.dispatch(Opcode::EditorClose);
    else
      host.close();
  });
  for (int32_t attempt = 0; attempt < kAttempts && !closed; ++attempt) session.perform({loopGesture(loop)});
  session.onIdleTick(nullptr);
  host.onIdleRequest(nullptr);
  result.requestsAfterClose = PluginHost::requestsAfterClose() - strayBefore;
  const std::vector<EditNotice> notices = host.editNotices();
  for (size_t i = 0; i < notices.size(); ++i) {
    const bool ends = notices[i].request == HostRequest::EndEdit;
    if (i >= result.noticesAtClose && !ends) ++result.editsAfterClose;
    if (notices[i].request == HostRequest::BeginEdit) ++result.editsLeftOpen;
    if (ends) --result.editsLeftOpen;
  }
  return result;
}
