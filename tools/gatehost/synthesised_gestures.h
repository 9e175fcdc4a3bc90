// Gestures of synthesised mouse and keyboard input, made the way a user's hand makes them: the editor's
// controls see them through GetAsyncKeyState and GetCursorPos even inside their tracking loops.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class Modifier { None, Shift, Alt };

// One scripted gesture, in the editor window's client coordinates.
struct Gesture {
  enum class Kind { Click, RightClick, Drag, Menu, Hover, Wheel } kind = Kind::Click;
  Modifier modifier = Modifier::None;
  POINT from{};
  POINT to{};
  // For Menu: a right click at `from`, then the entries to choose in the popup menu it opens, a submenu's
  // name first.
  std::vector<std::string> menuPath;
  // For Wheel: the wheel's delta at `from` (120 a notch away from the user).
  int32_t wheelDelta = 0;
};

// Parses "X,Y" (click) or "X1,Y1:X2,Y2" (drag), with an optional "shift:" or "alt:" in front; for a
// menu, "X,Y:Entry" or "X,Y:Submenu/Entry"; for the wheel, "[shift:]X,Y:DELTA"; a hover is "X,Y".
bool parseGesture(const std::string& text, Gesture::Kind kind, Gesture& gesture);

// What the gestures wait for from the window's thread.
struct GestureSync {
  // Answers once the window has had the chance to see the last step.
  std::function<void()> settle;
  // Answers once the window has begun handling the last button press.
  std::function<void()> awaitPress;
  // Called while a menu the gestures opened is on screen, before an entry is chosen.
  std::function<void()> menuShown;
};

// Performs the gestures on the calling thread, which must not be the window's own (a press blocks the
// window's thread in the control's tracking loop).
void performGestures(HWND window, const std::vector<Gesture>& gestures, const GestureSync& sync);
