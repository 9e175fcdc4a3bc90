// Gestures built from synthesised input events, with the waits and modifier handling the platform asks for.
#include "tools/gatehost/synthesised_gestures.h"

#include <cstdio>
#include <string>

#include "tools/probe/popup_menus.h"
#include "tools/probe/synthesised_input.h"

namespace {

constexpr int32_t kDragSteps = 24;

constexpr DWORD kReleaseWaitLimit = 5000;

WORD keyOf(Modifier modifier) { return modifier == Modifier::Shift ? VK_SHIFT : VK_MENU; }

// Under Wine an injected Shift is forgotten whenever the pointer position is read (the platform takes
// Shift from the display's own state then), so Shift is also held on the display itself, through its
// input tool, when that is at hand. Alt is kept as injected.
void holdModifier(Modifier modifier, bool down) {
  if (modifier == Modifier::Shift) startDisplayInputTool(down ? "keydown shift" : "keyup shift");
  sendKey(keyOf(modifier), down);
  if (modifier != Modifier::Shift || down) return;
  // The tool's release reaches the display some time after it starts; a pointer read before then would
  // take Shift as held again and turn the next gesture's drag or wheel fine. Each read here takes the
  // display's state, until it says released.
  const DWORD start = GetTickCount();
  POINT pointer;
  while (GetCursorPos(&pointer) != 0 && (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0 &&
         GetTickCount() - start < kReleaseWaitLimit)
    Sleep(2);
}

// Returns once the move has arrived: the display reports it with its own modifier state, which replaces
// the injected modifier keys, so they are pressed only after it.
void moveTo(HWND window, POINT client, const std::function<void()>& settle) {
  if (!movePointerTo(window, client))
    std::fprintf(stderr, "gatehost: the pointer never reached %ld,%ld\n", client.x, client.y);
  settle();
}

constexpr DWORD kMenuWaitLimit = 5000;

struct MenuSearch {
  const std::string* text;
  HWND window = nullptr;
  int32_t position = -1;
};

// A visible popup menu window holding an entry of that text.
BOOL CALLBACK findMenuEntry(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<MenuSearch*>(parameter);
  if (!isVisiblePopupMenu(window)) return TRUE;
  auto menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
  for (int32_t i = 0; i < GetMenuItemCount(menu); ++i) {
    char entry[128] = "";
    GetMenuStringA(menu, static_cast<UINT>(i), entry, sizeof entry, MF_BYPOSITION);
    if (*search->text == entry) {
      search->window = window;
      search->position = i;
      return FALSE;
    }
  }
  return TRUE;
}

// Clicks each entry in turn as soon as a menu shows it. A path that ends on a submenu leaves it open, and
// an entry that never appears leaves the menu open: either way the menu is then cancelled, so the window's
// thread is never left inside it.
void chooseFromMenu(const std::vector<std::string>& path, const std::function<void()>& menuShown) {
  bool leftOpen = false;
  for (const std::string& text : path) {
    MenuSearch search{&text};
    const DWORD start = GetTickCount();
    while (EnumWindows(findMenuEntry, reinterpret_cast<LPARAM>(&search)) != 0 &&
           GetTickCount() - start < kMenuWaitLimit)
      Sleep(5);
    if (search.window == nullptr) {
      std::fprintf(stderr, "gatehost: no menu entry '%s'\n", text.c_str());
      leftOpen = true;
      break;
    }
    if (&text == &path.back() && menuShown) menuShown();
    RECT item{};
    auto menu = reinterpret_cast<HMENU>(SendMessageA(search.window, MN_GETHMENU, 0, 0));
    leftOpen = GetSubMenu(menu, search.position) != nullptr;
    GetMenuItemRect(nullptr, menu, static_cast<UINT>(search.position), &item);
    if (!movePointerToScreen({(item.left + item.right) / 2, (item.top + item.bottom) / 2}))
      std::fprintf(stderr, "gatehost: the pointer never reached menu entry '%s'\n", text.c_str());
    sendMouseButton(MOUSEEVENTF_LEFTDOWN);
    sendMouseButton(MOUSEEVENTF_LEFTUP);
  }
  if (!leftOpen && waitForPopupMenuClosed(kMenuWaitLimit)) return;
  if (!cancelPopupMenus(kMenuWaitLimit)) std::fprintf(stderr, "gatehost: a menu would not close\n");
}

bool parsePoint(const std::string& text, POINT& point) {
  int x, y;
  char tail;
  if (std::sscanf(text.c_str(), "%d,%d%c", &x, &y, &tail) != 2) return false;
  point = {x, y};
  return true;
}

} // namespace

bool parseGesture(const std::string& text, Gesture::Kind kind, Gesture& gesture) {
  gesture = Gesture{};
  gesture.kind = kind;
  std::string rest = text;
  for (const auto& [prefix, modifier] :
       {std::pair{"shift:", Modifier::Shift}, std::pair{"alt:", Modifier::Alt}}) {
    if (rest.rfind(prefix, 0) == 0) {
      gesture.modifier = modifier;
      rest = rest.substr(std::string(prefix).size());
    }
  }
  const size_t colon = rest.find(':');
  if (kind == Gesture::Kind::Menu) {
    if (colon == std::string::npos || !parsePoint(rest.substr(0, colon), gesture.from)) return false;
    std::string path = rest.substr(colon + 1);
    for (size_t slash; (slash = path.find('/')) != std::string::npos; path = path.substr(slash + 1))
      gesture.menuPath.push_back(path.substr(0, slash));
    gesture.menuPath.push_back(path);
    gesture.to = gesture.from;
    return !path.empty();
  }
  if (kind == Gesture::Kind::Wheel) {
    char tail;
    return colon != std::string::npos && parsePoint(rest.substr(0, colon), gesture.from) &&
           std::sscanf(rest.substr(colon + 1).c_str(), "%d%c", &gesture.wheelDelta, &tail) == 1;
  }
  if (kind == Gesture::Kind::Drag)
    return colon != std::string::npos && parsePoint(rest.substr(0, colon), gesture.from) &&
           parsePoint(rest.substr(colon + 1), gesture.to);
  if (colon != std::string::npos || !parsePoint(rest, gesture.from)) return false;
  gesture.to = gesture.from;
  return true;
}

void performGestures(HWND window, const std::vector<Gesture>& gestures, const GestureSync& sync) {
  const std::function<void()>& settle = sync.settle;
  for (const Gesture& gesture : gestures) {
    if (gesture.kind == Gesture::Kind::Menu) {
      moveTo(window, gesture.from, settle);
      sendMouseButton(MOUSEEVENTF_RIGHTDOWN);
      sync.awaitPress();
      sendMouseButton(MOUSEEVENTF_RIGHTUP);
      chooseFromMenu(gesture.menuPath, sync.menuShown);
      settle();
      continue;
    }
    if (gesture.kind == Gesture::Kind::Hover) {
      moveTo(window, gesture.from, settle);
      settle();
      continue;
    }
    if (gesture.kind == Gesture::Kind::Wheel) {
      moveTo(window, gesture.from, settle);
      if (gesture.modifier != Modifier::None) holdModifier(gesture.modifier, true);
      turnWheel(gesture.wheelDelta);
      settle();
      if (gesture.modifier != Modifier::None) holdModifier(gesture.modifier, false);
      continue;
    }
    const bool right = gesture.kind == Gesture::Kind::RightClick;
    const bool held = gesture.modifier != Modifier::None;
    moveTo(window, gesture.from, settle);
    // The modifier goes down right before the button, with no pointer read in between to forget it.
    if (held) holdModifier(gesture.modifier, true);
    sendMouseButton(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    // The press reaches the window some time after the input: release only once it is being handled.
    sync.awaitPress();
    settle();
    if (gesture.kind == Gesture::Kind::Drag) {
      for (int32_t step = 1; step <= kDragSteps; ++step) {
        moveTo(window,
               {gesture.from.x + (gesture.to.x - gesture.from.x) * step / kDragSteps,
                gesture.from.y + (gesture.to.y - gesture.from.y) * step / kDragSteps},
               settle);
        settle();
      }
    }
    sendMouseButton(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    if (held) holdModifier(gesture.modifier, false);
    settle();
  }
}
