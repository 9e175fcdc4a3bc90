// HostWindow: a visible top-level window standing in for the host's, for root views to live in.
#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/graphics/native_handles.h"

class HostWindow {
public:
  // The client area has the given size.
  HostWindow(int32_t width, int32_t height);
  ~HostWindow() { destroy(); }

  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND handle() const { return window_.get(); }
  // Destroys the window now (as a host may before closing the editor); the destructor then does nothing.
  void destroy();

private:
  WindowHandle window_;
};

// Handles the messages already queued for this thread (a thousand at most), so a test continues from a
// quiet queue.
void handlePendingMessages();
