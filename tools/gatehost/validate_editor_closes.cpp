// The editor against hosts that open it without a window (none, or a handle that names no window), and
// that close the editor or the whole effect from their timer inside the editor's own loops (the pattern
// menu, a fader's drag): the process survives, a closed effect calls its host no more, gestures are
// ended while the effect lives, and no window or GDI object is left behind.
#include <string>

#include "tools/gatehost/close_during_loop.h"
#include "tools/gatehost/validation_groups.h"
#include "tools/probe/host_window.h"
#include "tools/probe/resource_census.h"

namespace {

constexpr int32_t kIdles = 2;

// Opcode 14 with a parent that is no window, then the editor of the same effect in the session's window.
void openWithoutWindow(Validator& validator, EditorSession& session, HWND parent, const std::string& name) {
  PluginHost host(validator.library());
  const int32_t windows = liveWindows();
  validator.check(host.dispatch(Opcode::EditorOpen, 0, 0, parent) == 0, name + ": opcode 14 answered 1");
  validator.check(liveWindows() == windows, name + ": opcode 14 left a window");
  validator.check(session.openEditorOf(host) && GetWindow(session.hostWindow(), GW_CHILD) != nullptr,
                  name + ": the editor did not open in a real window afterwards");
  session.closeEditor();
}

void closeInsideLoop(Validator& validator, EditorSession& session, EditorLoop loop, ClosedPart part) {
  const std::string name = std::string(part == ClosedPart::Editor ? "opcode 15" : "opcode 1") +
                           (loop == EditorLoop::PatternMenu ? " in the pattern menu" : " in a fader drag");
  PluginHost host(validator.library());
  if (!validator.check(session.openEditorOf(host), name + ": the editor did not open")) return;
  session.runIdles(kIdles);
  const LoopClose closing = closeDuringLoop(host, session, loop, part);
  session.closeEditor();
  validator.check(closing.closedInsideLoop, name + ": the loop never ran, so the host never closed");
  validator.check(!closing.menuLeftOpen, name + ": the menu stayed open after the close");
  validator.check(GetWindow(session.hostWindow(), GW_CHILD) == nullptr,
                  name + ": the editor's window outlived its loop");
  validator.check(closing.requestsAfterClose == 0,
                  name + ": " + std::to_string(closing.requestsAfterClose) + " requests after opcode 1");
  validator.check(closing.editsAfterClose == 0, name + ": edits told after the close");
  validator.check(part == ClosedPart::Effect || closing.editsLeftOpen == 0,
                  name + ": a gesture was not ended while the effect lived");
}

} // namespace

void validateEditorCloses(Validator& validator) {
  PluginHost first(validator.library());
  // One host window for every editor: closing one costs Wine a second.
  EditorSession session(first);
  if (!validator.check(session.isOpen(), "the editor did not open")) return;
  session.runIdles(kIdles);
  // The platform makes a popup menu's objects at the first menu: counting starts after it.
  closeDuringLoop(first, session, EditorLoop::PatternMenu, ClosedPart::Editor);
  session.closeEditor();
  const int32_t windows = liveWindows(), gdiObjects = liveGdiObjects();
  openWithoutWindow(validator, session, nullptr, "null parent");
  // Made and destroyed at once: the handle names no window.
  const HWND gone = makeHostWindow("gone", WS_OVERLAPPED, 10, 10).get();
  openWithoutWindow(validator, session, gone, "a handle that names no window");
  for (const EditorLoop loop : {EditorLoop::PatternMenu, EditorLoop::FaderDrag})
    for (const ClosedPart part : {ClosedPart::Editor, ClosedPart::Effect})
      closeInsideLoop(validator, session, loop, part);
  session.runIdles(kIdles);
  validator.check(liveWindows() == windows,
                  "windows went from " + std::to_string(windows) + " to " + std::to_string(liveWindows()));
  validator.check(liveGdiObjects() == gdiObjects, "GDI objects went from " + std::to_string(gdiObjects) +
                                                      " to " + std::to_string(liveGdiObjects()));
}
