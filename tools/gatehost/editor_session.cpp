// The input thread waits, after each step, until the window's thread has made two passes of progress
// (message-loop passes, or requests from a control's tracking loop, which sends one at most every 50 ms):
// the second pass began after the step arrived, so the control has read the new input.
#include "tools/gatehost/editor_session.h"

#include <chrono>
#include <thread>

#include "tools/probe/host_window.h"
#include "tools/probe/popup_menus.h"

namespace {

constexpr UINT_PTR kIdleTimer = 1;
constexpr auto kSettleLimit = std::chrono::milliseconds(500);
// A margin around the editor and its open menus in the picture of them.
constexpr LONG kMenuMargin = 8;

// Grows the area to hold every visible popup menu window; an empty area takes the first as it is.
BOOL CALLBACK addMenuWindow(HWND window, LPARAM area) {
  if (!isVisiblePopupMenu(window)) return TRUE;
  RECT menu{};
  GetWindowRect(window, &menu);
  UnionRect(reinterpret_cast<RECT*>(area), reinterpret_cast<RECT*>(area), &menu);
  return TRUE;
}

} // namespace

EditorSession::EditorSession(PluginHost& host) : host_(&host) {
  if ((host.record()->capabilityFlags & EditorAttached) == 0) return;
  EditorRect* rect = nullptr;
  if (host.dispatch(Opcode::EditorRect, 0, 0, &rect) == 0 || rect == nullptr) return;
  rect_ = *rect;
  window_ = makeHostWindow("gatehost editor", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                           rect_.right - rect_.left, rect_.bottom - rect_.top);
  if (!window_) return;
  SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  subclass_.emplace(window_.get(), &EditorSession::windowProc);
  resizeOnRequestOf(host);
  host.dispatch(Opcode::EditorOpen, 0, 0, window_.get());
  SetTimer(window_.get(), kIdleTimer, kIdleMilliseconds, nullptr);
}

void EditorSession::resizeOnRequestOf(PluginHost& host) {
  host.setResizer([this](int32_t width, int32_t height) { resizeClientArea(window_.get(), width, height); });
}

void EditorSession::closeEditor() {
  if (host_ == nullptr) return;
  host_->dispatch(Opcode::EditorClose);
  host_->setResizer(nullptr);
  host_ = nullptr;
}

bool EditorSession::openEditorOf(PluginHost& host) {
  if (!window_) return false;
  host_ = &host;
  EditorRect* rect = nullptr;
  host.dispatch(Opcode::EditorRect, 0, 0, &rect);
  resizeOnRequestOf(host);
  return host.dispatch(Opcode::EditorOpen, 0, 0, window_.get()) == 1;
}

EditorSession::~EditorSession() { close(); }

void EditorSession::close() {
  if (!window_) return;
  KillTimer(window_.get(), kIdleTimer);
  closeEditor();
  SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
  subclass_.reset();
  window_.reset();
}

LRESULT CALLBACK EditorSession::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* session = reinterpret_cast<EditorSession*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (session != nullptr && message == WM_TIMER && wParam == kIdleTimer) {
    ++session->idleTicks_;
    if (session->host_ != nullptr) session->host_->dispatch(Opcode::EditorIdle);
    if (session->tickHandler_) session->tickHandler_();
    return 0;
  }
  // Alt pressed and released alone would start the window menu's modal loop, which eats the next clicks:
  // this host has no menu, and Alt+click belongs to the controls.
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) return 0;
  // Clicks leave the window inactive, as it was shown: keys then reach no window of this process, and the
  // controls read them from the key state alone.
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  if (session != nullptr && message == WM_PARENTNOTIFY &&
      (LOWORD(wParam) == WM_LBUTTONDOWN || LOWORD(wParam) == WM_RBUTTONDOWN))
    ++session->presses_;
  return DefWindowProcA(window, message, wParam, lParam);
}

void EditorSession::pumpOnce(DWORD waitMilliseconds) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, waitMilliseconds, QS_ALLINPUT);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  ++uiPasses_;
}

void EditorSession::runIdles(int32_t count) {
  const int32_t target = idleTicks_ + count;
  while (window_ && idleTicks_ < target) pumpOnce(kIdleMilliseconds);
}

void EditorSession::waitForProgress() {
  const auto progress = [this] { return uiPasses_.load() + (host_ != nullptr ? host_->requestCount() : 0); };
  const int32_t start = progress();
  const auto limit = std::chrono::steady_clock::now() + kSettleLimit;
  while (progress() < start + 2 && std::chrono::steady_clock::now() < limit)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void EditorSession::waitForPress(int32_t pressesBefore) {
  const auto limit = std::chrono::steady_clock::now() + kSettleLimit;
  while (presses_.load() == pressesBefore && std::chrono::steady_clock::now() < limit)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void EditorSession::perform(const std::vector<Gesture>& gestures) {
  if (!window_) return;
  std::atomic<bool> done{false};
  std::thread input([&] {
    int32_t pressesBefore = presses_.load();
    GestureSync sync;
    sync.settle = [this] { waitForProgress(); };
    sync.awaitPress = [this, &pressesBefore] {
      waitForPress(pressesBefore);
      pressesBefore = presses_.load();
    };
    sync.menuShown = [this] {
      menuArea_ = RECT{};
      EnumWindows(addMenuWindow, reinterpret_cast<LPARAM>(&menuArea_));
      RECT area{};
      GetWindowRect(window_.get(), &area);
      UnionRect(&area, &area, &menuArea_);
      InflateRect(&area, kMenuMargin, kMenuMargin);
      menuCapture_ = captureScreenArea(area);
    };
    performGestures(window_.get(), gestures, sync);
    done = true;
  });
  while (!done) pumpOnce(5);
  input.join();
}

CapturedImage EditorSession::capture() const {
  return window_ ? captureClientArea(window_.get()) : CapturedImage{};
}
