// RootView: the native window's life and messages, painting, press dispatch, the child list and resizing.
#include "toolkit/graphics/root_view.h"

#include <algorithm>
#include <optional>

#include "host/plugin_effect.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/gui_editor_base.h"
#include "toolkit/graphics/module_instance.h"
#include "toolkit/graphics/native_handles.h"
#include "toolkit/graphics/pixmap.h"

namespace {

// Posted to the window of a view disposed from another thread, for it to go on the window's own.
constexpr UINT kDisposeMessage = WM_USER + 1;

// A chain of windows is resized up to the first whose margin is the dialog frame on both sides; a margin
// above this means the window is no longer a frame around the editor.
constexpr int32_t kLargestFrameMargin = 80;

// Resizes without moving, keeping the window where its parent put it.
void resizeWindow(HWND window, int32_t width, int32_t height) {
  SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

auto holding(const Widget* widget) {
  return [widget](const std::unique_ptr<Widget>& held) { return held.get() == widget; };
}

} // namespace

// Around the handling of one message: while any runs, the view, and the effect whose editor made it,
// outlive what the host closes from inside it.
class RootView::Handling {
public:
  explicit Handling(RootView& view)
      : effectLoop_(view.editor_ != nullptr ? view.editor_->effect() : nullptr), view_(view) {
    ++view_.handling_;
  }
  ~Handling() {
    if (--view_.handling_ == 0 && view_.disposed_) delete &view_;
  }

  Handling(const Handling&) = delete;
  Handling& operator=(const Handling&) = delete;

private:
  // Ends after the view's count: it may delete the effect, and with it the editor.
  PluginEffect::LoopScope effectLoop_;
  RootView& view_;
};

RootView::RootView(const Rect& size, HWND hostWindow, GuiEditorBase* editor, Scale scale)
    : Widget(size), editor_(editor), hostWindow_(hostWindow), scale_(scale) {
  createNativeWindow();
}

void RootView::createNativeWindow() {
  if (hostWindow_ == nullptr) return;
  classUse_.emplace(&RootView::editorWindowProc);
  const Rect area = scale_.toWindow(size());
  window_.reset(CreateWindowExA(0, editorClassName(), "Window", WS_CHILD | WS_VISIBLE, 0, 0, area.width(),
                                area.height(), hostWindow_, nullptr, static_cast<HINSTANCE>(moduleInstance),
                                nullptr));
  if (!window_) {
    classUse_.reset();
    return;
  }
  SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

RootView::~RootView() {
  if (editingWidget_ != nullptr) {
    editingWidget_->dropFocus();
    editingWidget_ = nullptr;
  }
  // In the order they were added, before the window goes.
  for (std::unique_ptr<Widget>& widget : widgets_) widget.reset();
  backdrop_.reset();
  // Messages sent while the window is destroyed must find no half-destroyed view.
  if (window_) SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
  window_.reset();
}

void RootView::dispose(std::unique_ptr<RootView> view) {
  if (view == nullptr) return;
  const HWND window = view->window_.get();
  const bool windowsThread =
      window == nullptr || GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
  if (windowsThread && view->handling_ == 0) return;
  RootView* handedOver = view.release();
  handedOver->isOpen_ = false;
  if (window != nullptr) ShowWindowAsync(window, SW_HIDE);
  // From here the window's thread may delete the view at any moment: only the handle is used.
  handedOver->disposed_ = true;
  if (windowsThread)
    EndMenu();
  else
    PostMessageA(window, kDisposeMessage, 0, 0);
}

LRESULT CALLBACK RootView::editorWindowProc(HWND window, UINT message, WPARAM first, LPARAM second) {
  auto* view = reinterpret_cast<RootView*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (view != nullptr && view->disposed_) return disposedViewMessage(view, window, message, first, second);
  std::optional<Handling> handling;
  if (view != nullptr) {
    handling.emplace(*view);
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
      // The host destroyed its window first: the handle is dead and may be reused, so the view and the
      // window forget each other.
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      view->isOpen_ = false;
      view->hostWindow_ = nullptr;
      view->window_.release();
      break;
    default:
      break;
    }
  }
  return DefWindowProcA(window, message, first, second);
}

// A disposed view belongs to its window, which deletes it on its own thread when the disposal message
// comes or the window is destroyed, unless a handler of the view still runs: that one's end deletes it,
// and the disposal message ends the thread's menu, the loop the handler may run.
LRESULT RootView::disposedViewMessage(RootView* view, HWND window, UINT message, WPARAM first,
                                      LPARAM second) {
  if (message != kDisposeMessage && message != WM_DESTROY)
    return DefWindowProcA(window, message, first, second);
  if (message == WM_DESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    view->window_.release();
  }
  if (view->handling_ == 0)
    delete view;
  else if (message == kDisposeMessage)
    EndMenu();
  return 0;
}

void RootView::paintMessage(HWND window) {
  RECT updateArea;
  if (GetUpdateRect(window, &updateArea, FALSE) == 0) return;
  PaintDevice device(window);
  Canvas canvas(this, device.handle(), window);
  paint(&canvas);
}

void RootView::pressMessage(HWND window, LPARAM position) {
  WindowDevice device(window);
  Canvas canvas(this, device.handle(), window);
  Point point = scale_.fromWindow(
      Point(static_cast<int32_t>(LOWORD(position)), static_cast<int32_t>(HIWORD(position))));
  if (editor_ != nullptr) editor_->gestureBegan();
  mousePressed(&canvas, point);
  if (editor_ != nullptr) editor_->gestureEnded();
}

void RootView::pointerMessage(LPARAM position) {
  if (!pointerInside_) {
    pointerInside_ = true;
    TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, window_.get(), 0};
    TrackMouseEvent(&leave);
    // The platform sends the wheel to the window with the focus. A text field's box inside the editor
    // keeps it, so typing goes on.
    const HWND focus = GetFocus();
    if (focus != window_.get() && IsChild(window_.get(), focus) == 0) focusBefore_ = SetFocus(window_.get());
  }
  if (editor_ != nullptr)
    editor_->pointerMoved(scale_.fromWindow(
        Point(static_cast<int16_t>(LOWORD(position)), static_cast<int16_t>(HIWORD(position)))));
}

void RootView::pointerLeaveMessage() {
  pointerInside_ = false;
  wheelRemainder_ = 0;
  if (GetFocus() == window_.get() && focusBefore_ != nullptr && IsWindow(focusBefore_) != 0)
    SetFocus(focusBefore_);
  focusBefore_ = nullptr;
  if (editor_ != nullptr) editor_->pointerLeft();
}

void RootView::wheelMessage(WPARAM first, LPARAM second) {
  POINT at{static_cast<int16_t>(LOWORD(second)), static_cast<int16_t>(HIWORD(second))};
  ScreenToClient(window_.get(), &at);
  const Point point = scale_.fromWindow(Point(at.x, at.y));
  if (!point.liesIn(Rect(0, 0, size().width(), size().height()))) {
    // Not over the editor: the wheel is the host's. A host that hands wheels to its focused child (still
    // this window) sends it straight back: that one is dropped, or the two would pass it on for ever.
    if (hostWindow_ == nullptr || forwardingWheel_) return;
    forwardingWheel_ = true;
    SendMessageA(hostWindow_, WM_MOUSEWHEEL, first, second);
    forwardingWheel_ = false;
    return;
  }
  wheelRemainder_ += GET_WHEEL_DELTA_WPARAM(first);
  const int32_t notches = wheelRemainder_ / WHEEL_DELTA;
  wheelRemainder_ -= notches * WHEEL_DELTA;
  Widget* turned = notches != 0 ? topmostAt(point) : nullptr;
  if (turned == nullptr) return;
  WindowDevice device(window_.get());
  Canvas canvas(this, device.handle(), window_.get());
  if (editor_ != nullptr) editor_->gestureBegan();
  turned->wheelTurned(&canvas, notches);
  if (editor_ != nullptr) editor_->gestureEnded();
}

void RootView::paint(Canvas* canvas) {
  firstPaintPending_ = false;
  if (backdrop_ != nullptr)
    backdrop_->drawOpaque(canvas, Rect(0, 0, backdrop_->width(), backdrop_->height()), Point(0, 0));
  for (const std::unique_ptr<Widget>& widget : widgets_) widget->paint(canvas);
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
  if (Widget* pressed = topmostAt(point)) pressed->mousePressed(canvas, point);
}

Widget* RootView::topmostAt(const Point& point) const {
  for (auto widget = widgets_.rbegin(); widget != widgets_.rend(); ++widget)
    if (point.liesIn((*widget)->size())) return widget->get();
  return nullptr;
}

void RootView::refreshIfChanged(Canvas* canvas) {
  if (!isOpen_) return;
  if (modalWidget_ != nullptr) {
    modalWidget_->refreshIfChanged(canvas);
    return;
  }
  for (const std::unique_ptr<Widget>& widget : widgets_) widget->refreshIfChanged(canvas);
}

void RootView::adoptWidget(std::unique_ptr<Widget> widget) {
  widget->parent_ = this;
  widgets_.push_back(std::move(widget));
}

std::unique_ptr<Widget> RootView::removeWidget(Widget* widget) {
  const auto held = std::find_if(widgets_.begin(), widgets_.end(), holding(widget));
  if (held == widgets_.end()) return nullptr;
  std::unique_ptr<Widget> removed = std::move(*held);
  widgets_.erase(held);
  // A widget no longer shown cannot stay modal or in editing: its owner may delete it next.
  if (modalWidget_ == widget) modalWidget_ = nullptr;
  if (editingWidget_ == widget) editingWidget_ = nullptr;
  return removed;
}

void RootView::setBackdrop(Pixmap* pixmap) { backdrop_ = PixmapRef(pixmap); }

bool RootView::setModalWidget(Widget* widget) {
  if (widget != nullptr && modalWidget_ != nullptr) return false;
  modalWidget_ = widget;
  return true;
}

void RootView::redrawWidget(Widget* widget) {
  // Without a window GetDC would hand out the whole screen.
  if (!window_) return;
  const bool found = std::any_of(widgets_.begin(), widgets_.end(), holding(widget));
  WindowDevice device(window_.get());
  Canvas canvas(this, device.handle(), window_.get());
  if (found)
    widget->paint(&canvas);
  else
    paint(&canvas);
}

void RootView::idleRefresh() {
  if (!isOpen_ || firstPaintPending_ || !window_) return;
  WindowDevice device(window_.get());
  Canvas canvas(this, device.handle(), window_.get());
  refreshIfChanged(&canvas);
}

void RootView::throttledIdle() {
  if (editor_ != nullptr) editor_->throttledIdle();
}

void RootView::setScale(Scale scale) {
  if (scale == scale_) return;
  // An open edit box was placed and sized for the old scale.
  if (editingWidget_ != nullptr) {
    editingWidget_->dropFocus();
    editingWidget_ = nullptr;
  }
  scale_ = scale;
  if (!window_) return;
  const Rect area = scale_.toWindow(size());
  resizeWindow(window_.get(), area.width(), area.height());
  InvalidateRect(window_.get(), nullptr, FALSE);
}

bool RootView::resizeTo(int32_t layoutWidth, int32_t layoutHeight) {
  if (!isOpen_ || (layoutWidth == size().width() && layoutHeight == size().height())) return false;
  setSize(Rect(size().left, size().top, size().left + layoutWidth, size().top + layoutHeight));
  const int32_t width = scale_.toWindow(size()).width();
  const int32_t height = scale_.toWindow(size()).height();

  const int32_t border = 2 * GetSystemMetrics(SM_CYDLGFRAME);
  int32_t dx = 0;
  int32_t dy = 0;
  HWND window = window_.get();
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
