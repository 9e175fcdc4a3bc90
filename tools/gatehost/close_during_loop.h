// A host that closes the editor (opcode 15) or the whole effect (opcode 1) from its timer while a loop of
// the editor runs and will return into the effect: the pattern menu's, or a fader's drag, which asks the
// host for idle (request 3) while this host handles its messages meanwhile, as hosts do.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tools/gatehost/editor_session.h"
#include "tools/gatehost/plugin_host.h"

enum class EditorLoop { PatternMenu, FaderDrag };
enum class ClosedPart { Editor, Effect };

struct LoopClose {
  // The timer closed while the loop ran (false: the loop never ran, so nothing was tried).
  bool closedInsideLoop = false;
  // The edit notices the host had been sent when it closed.
  size_t noticesAtClose = 0;
  // A popup menu was still open a while after the close; the host then ended it, so the loop returned.
  bool menuLeftOpen = false;
  int32_t requestsAfterClose = 0;
  // Changes and begins the host was told of after the close, and parameters begun and never ended.
  int32_t editsAfterClose = 0;
  int32_t editsLeftOpen = 0;
};

// The session's editor must be open, with step fader 5 at its top (the drag grabs it there).
LoopClose closeDuringLoop(PluginHost& host, EditorSession& session, EditorLoop loop, ClosedPart part);
