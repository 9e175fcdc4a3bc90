// RootView: the native window's life and messages, painting, press dispatch, the child list and resizing.
#include "toolkit/graphics/root_view.h"

#include <cstdlib>

#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/editor_window_class.h"
#include "toolkit/graphics/gui_editor_base.h"
#include "toolkit/graphics/module_instance.h"
#include "toolkit/graphics/pixmap.h"
#include "toolkit/graphics/window_device.h"

namespace {

constexpr int32_t kWidgetGrowth = 10;
// A chain of windows is resized up to the first whose margin is the dialog frame on both sides; a margin
// above this means the window is no longer a frame around the editor.
constexpr int32_t kLargestFrameMargin = 80;

// Resizes without moving, keeping the window where its parent put it.
void resizeWindow(HWND window, int32_t width, int32_t height) {
  SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

RootView::RootView(const Rect& size, HWND hostWindow, GuiEditorBase* editor)
    : Widget(size), editor_(editor), hostWindow_(hostWindow) {
  createNativeWindow();
}

void RootView::createNativeWindow() {
  if (hostWindow_ == nullptr) return;
  registerEditorClass(&RootView::editorWindowProc);
  window_ =
      CreateWindowExA(0, editorClassName(), "Window", WS_CHILD | WS_VISIBLE, 0, 0, size_.width(),
                      size_.height(), hostWindow_, nullptr, static_cast<HINSTANCE>(moduleInstance), nullptr);
  if (window_ == nullptr) {
    // Without a window nothing would ever give the class use back.
    unregisterEditorClass();
    return;
  }
  holdsClassUse_ = true;
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

RootView::~RootView() {
  if (editingWidget_ != nullptr) {
    editingWidget_->dropFocus();
    editingWidget_ = nullptr;
  }
  for (int32_t i = 0; i < widgetCount_; ++i) delete widgets_[i];
  std::free(widgets_);
  backdrop_.reset();
  if (window_ != nullptr) {
    // Messages sent while the window is destroyed must find no half-destroyed view.
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  if (holdsClassUse_) unregisterEditorClass();
}

LRESULT CALLBACK RootView::editorWindowProc(HWND window, UINT message, WPARAM first, LPARAM second) {
  auto* view = reinterpret_cast<RootView*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (view != nullptr) {
    switch (message) {
    case WM_PAINT:
      view->paintMessage(window);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      // The button is known from the message even when it is released again before the press is handled.
      view->pressedButton_ = message == WM_RBUTTONDOWN ? rightButton : leftButton;
      view->pressMessage(window, second);
      break;
    case WM_MOUSEMOVE:
      view->pointerMessage(second);
      break;
    case WM_MOUSELEAVE:
      view->pointerLeaveMessage();
      break;
    case WM_MOUSEWHEEL:
      view->wheelMessage(first, second);
      return 0;
    case WM_DESTROY:
      // The host destroyed its window first: the handle is dead and may be reused, so forget it.
      view->isOpen_ = false;
      view->hostWindow_ = nullptr;
      view->window_ = nullptr;
      break;
    default:
      break;
    }
  }
  return DefWindowProcA(window, message, first, second);
}

void RootView::paintMessage(HWND window) {
  RECT updateArea;
  if (GetUpdateRect(window, &updateArea, FALSE) == 0) return;
  PAINTSTRUCT paintInfo;
  HDC device = BeginPaint(window, &paintInfo);
  {
    Canvas canvas(this, device, window);
    paint(&canvas);
  }
  EndPaint(window, &paintInfo);
}

void RootView::pressMessage(HWND window, LPARAM position) {
  WindowDevice device(window);
  Canvas canvas(this, device.handle(), window);
  Point point(static_cast<int32_t>(LOWORD(position)), static_cast<int32_t>(HIWORD(position)));
  if (editor_ != nullptr) editor_->gestureBegan();
  mousePressed(&canvas, point);
  if (editor_ != nullptr) editor_->gestureEnded();
}

void RootView::pointerMessage(LPARAM position) {
  if (!pointerInside_) {
    pointerInside_ = true;
    TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, window_, 0};
    TrackMouseEvent(&leave);
    // The platform sends the wheel to the window with the focus. A text field's box inside the editor
    // keeps it, so typing goes on.
    const HWND focus = GetFocus();
    if (focus != window_ && IsChild(window_, focus) == 0) focusBefore_ = SetFocus(window_);
  }
  if (editor_ != nullptr)
    editor_->pointerMoved(
        Point(static_cast<int16_t>(LOWORD(position)), static_cast<int16_t>(HIWORD(position))));
}

void RootView::pointerLeaveMessage() {
  pointerInside_ = false;
  wheelRemainder_ = 0;
  if (GetFocus() == window_ && focusBefore_ != nullptr && IsWindow(focusBefore_) != 0) SetFocus(focusBefore_);
  focusBefore_ = nullptr;
  if (editor_ != nullptr) editor_->pointerLeft();
}

void RootView::wheelMessage(WPARAM first, LPARAM second) {
  POINT at{static_cast<int16_t>(LOWORD(second)), static_cast<int16_t>(HIWORD(second))};
  ScreenToClient(window_, &at);
  const Point point(at.x, at.y);
  if (!point.liesIn(Rect(0, 0, size_.width(), size_.height()))) {
    // Not over the editor: the wheel is the host's.
    if (hostWindow_ != nullptr) SendMessageA(hostWindow_, WM_MOUSEWHEEL, first, second);
    return;
  }
  wheelRemainder_ += GET_WHEEL_DELTA_WPARAM(first);
  const int32_t notches = wheelRemainder_ / WHEEL_DELTA;
  wheelRemainder_ -= notches * WHEEL_DELTA;
  if (notches == 0) return;
  for (int32_t i = widgetCount_ - 1; i >= 0; --i) {
    if (point.liesIn(widgets_[i]->size())) {
      WindowDevice device(window_);
      Canvas canvas(this, device.handle(), window_);
      if (editor_ != nullptr) editor_->gestureBegan();
      widgets_[i]->wheelTurned(&canvas, notches);
      if (editor_ != nullptr) editor_->gestureEnded();
      return;
    }
  }
}

void RootView::paint(Canvas* canvas) {
  firstPaintPending_ = false;
  if (backdrop_ != nullptr)
    backdrop_->drawOpaque(canvas, Rect(0, 0, backdrop_->width(), backdrop_->height()), Point(0, 0));
  for (int32_t i = 0; i < widgetCount_; ++i) widgets_[i]->paint(canvas);
  if (modalWidget_ != nullptr) modalWidget_->paint(canvas);
}

void RootView::mousePressed(Canvas* canvas, Point& point) {
  if (editingWidget_ != nullptr && !point.liesIn(editingWidget_->size())) {
    editingWidget_->dropFocus();
    editingWidget_ = nullptr;
  }
  if (modalWidget_ != nullptr) {
    if (point.liesIn(modalWidget_->size())) modalWidget_->mousePressed(canvas, point);
    return;
  }
  for (int32_t i = widgetCount_ - 1; i >= 0; --i) {
    if (point.liesIn(widgets_[i]->size())) {
      widgets_[i]->mousePressed(canvas, point);
      return;
    }
  }
}

void RootView::refreshIfChanged(Canvas* canvas) {
  if (!isOpen_) return;
  if (modalWidget_ != nullptr) {
    modalWidget_->refreshIfChanged(canvas);
    return;
  }
  for (int32_t i = 0; i < widgetCount_; ++i) widgets_[i]->refreshIfChanged(canvas);
}

bool RootView::addWidget(Widget* widget) {
  if (widget == nullptr) return false;
  if (widgetCount_ == widgetCapacity_) {
    const int32_t capacity = widgetCapacity_ + kWidgetGrowth;
    void* grown = std::realloc(widgets_, sizeof(Widget*) * static_cast<size_t>(capacity));
    if (grown == nullptr) return false;
    widgets_ = static_cast<Widget**>(grown);
    widgetCapacity_ = capacity;
  }
  widgets_[widgetCount_++] = widget;
  widget->parent_ = this;
  return true;
}

bool RootView::removeWidget(Widget* widget) {
  for (int32_t i = 0; i < widgetCount_; ++i) {
    if (widgets_[i] != widget) continue;
    for (int32_t j = i + 1; j < widgetCount_; ++j) widgets_[j - 1] = widgets_[j];
    --widgetCount_;
    // A widget no longer shown cannot stay modal or in editing: its owner may delete it next.
    if (modalWidget_ == widget) modalWidget_ = nullptr;
    if (editingWidget_ == widget) editingWidget_ = nullptr;
    break;
  }
  return true;
}

void RootView::setBackdrop(Pixmap* pixmap) { backdrop_ = PixmapRef(pixmap); }

bool RootView::setModalWidget(Widget* widget) {
  if (widget != nullptr && modalWidget_ != nullptr) return false;
  modalWidget_ = widget;
  return true;
}

void RootView::redrawWidget(Widget* widget) {
  // Without a window GetDC would hand out the whole screen.
  if (window_ == nullptr) return;
  Widget* found = nullptr;
  for (int32_t i = 0; i < widgetCount_ && found == nullptr; ++i)
    if (widgets_[i] == widget) found = widgets_[i];
  WindowDevice device(window_);
  Canvas canvas(this, device.handle(), window_);
  if (found != nullptr)
    found->paint(&canvas);
  else
    paint(&canvas);
}

void RootView::idleRefresh() {
  if (!isOpen_ || firstPaintPending_ || window_ == nullptr) return;
  WindowDevice device(window_);
  Canvas canvas(this, device.handle(), window_);
  refreshIfChanged(&canvas);
}

void RootView::throttledIdle() {
  if (editor_ != nullptr) editor_->throttledIdle();
}

bool RootView::resizeTo(int32_t width, int32_t height) {
  if (!isOpen_ || (width == size_.width() && height == size_.height())) return false;
  size_.right = size_.left + width;
  size_.bottom = size_.top + height;

  const int32_t border = 2 * GetSystemMetrics(SM_CYDLGFRAME);
  int32_t dx = 0;
  int32_t dy = 0;
  HWND window = window_;
  while (dx != border && window != nullptr) {
    HWND parent = GetParent(window);
    RECT own{};
    RECT around{};
    GetWindowRect(window, &own);
    GetWindowRect(parent, &around);
    resizeWindow(window, width + dx, height + dy);
    dx = (around.right - around.left) - (own.right - own.left);
    dy = (around.bottom - around.top) - (own.bottom - own.top);
    if (dx > kLargestFrameMargin || dy > kLargestFrameMargin) return true;
    window = parent;
  }
  if (window != nullptr) resizeWindow(window, width + dx, height + dy);
  return true;
}
