// RootView: the editor window as the toolkit sees it. Owns the native child window inside the host's
// window, the backdrop and the child widgets; turns paint and button-press messages into widget calls.
// It alone knows the scale the window shows its widgets at: widgets keep their layout at 100 %, and the
// root view maps their geometry to the window and the window's positions back.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "toolkit/graphics/button_state.h"
#include "toolkit/graphics/editor_class_use.h"
#include "toolkit/graphics/native_types.h"
#include "toolkit/graphics/offscreen_canvas.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "toolkit/graphics/scale.h"
#include "toolkit/graphics/widget.h"

class GuiEditorBase;

class RootView : public Widget {
public:
  // Creates the native window inside hostWindow at once, of the size at the scale; a null host window
  // gives a view without one.
  RootView(const Rect& size, HWND hostWindow, GuiEditorBase* editor, Scale scale = Scale());
  ~RootView() override;

  // Lets a view go, from any thread. On its window's thread (or without a window) with none of its
  // messages in handling, it is deleted at once. Otherwise (the host closed the editor from inside a loop
  // the view runs, a menu or a drag asking the host for idle, or from another thread) it closes at once
  // (hidden, its menu ended, every button read as released, so its loops end), and its window, which now
  // owns it, deletes it on its own thread once the last handler returns.
  static void dispose(std::unique_ptr<RootView> view);

  void paint(Canvas* canvas) override;
  void mousePressed(Canvas* canvas, Point& point) override;
  void refreshIfChanged(Canvas* canvas) override;
  // The view takes the widget over and hands back its address, of the type given, for the caller to keep
  // talking to it; null, adding nothing, for a null widget.
  template <typename Kind>
  Kind* addWidget(std::unique_ptr<Kind> widget) {
    Kind* added = widget.get();
    if (added != nullptr) adoptWidget(std::move(widget));
    return added;
  }
  // The widget becomes the caller's again; null for a widget the view does not hold.
  std::unique_ptr<Widget> removeWidget(Widget* widget);

  void setBackdrop(Pixmap* pixmap);
  // False, changing nothing, when another modal view is set; null clears the slot.
  bool setModalWidget(Widget* widget);
  Widget* modalWidget() const { return modalWidget_; }
  void setEditingWidget(Widget* widget) { editingWidget_ = widget; }
  Widget* editingWidget() const { return editingWidget_; }

  // Paints one child at once, outside the paint message; a null or unknown widget repaints everything.
  void redrawWidget(Widget* widget);
  // Repaints the children whose values changed; silent before the first paint and once the window is gone.
  void idleRefresh();
  void throttledIdle();
  bool resizeTo(int32_t width, int32_t height);

  Scale scale() const { return scale_; }
  // The window takes the size of the view at the scale and is painted anew; an edit in progress ends.
  void setScale(Scale scale);
  // Where widget geometry lies in the window.
  Point toWindow(Point point) const { return scale_.toWindow(point); }
  Rect toWindow(const Rect& rect) const { return scale_.toWindow(rect); }

  // The button whose press is being handled (leftButton or rightButton).
  ButtonState pressedButton() const { return pressedButton_; }
  HWND windowHandle() const { return window_.get(); }
  // The offscreen device the controls compose their images in, one at a time, kept for the view's life.
  OffscreenSurface* offscreenSurface() { return &offscreenSurface_; }
  HWND hostWindow() const { return hostWindow_; }
  bool isOpen() const { return isOpen_.load(); }
  int32_t widgetCount() const { return static_cast<int32_t>(widgets_.size()); }
  Widget* widgetAt(int32_t index) const { return widgets_[static_cast<size_t>(index)].get(); }

private:
  class Handling;

  static WindowProcedure editorWindowProc;
  static LRESULT disposedViewMessage(RootView* view, HWND window, UINT message, WPARAM first, LPARAM second);
  void createNativeWindow();
  void adoptWidget(std::unique_ptr<Widget> widget);
  // The last child added that contains the point, if any: the one drawn on top there.
  Widget* topmostAt(const Point& point) const;
  void paintMessage(HWND window);
  void pressMessage(HWND window, LPARAM position);
  void pointerMessage(LPARAM position);
  void pointerLeaveMessage();
  void wheelMessage(WPARAM first, LPARAM second);

  GuiEditorBase* editor_;
  HWND hostWindow_;
  Scale scale_;
  PixmapRef backdrop_;
  std::vector<std::unique_ptr<Widget>> widgets_;
  Widget* modalWidget_ = nullptr;
  Widget* editingWidget_ = nullptr;
  ButtonState pressedButton_ = leftButton;
  // While the pointer is over the window, it holds the focus (so the wheel comes here) and remembers
  // where the focus was, to give it back when the pointer leaves.
  bool pointerInside_ = false;
  HWND focusBefore_ = nullptr;
  // Wheel deltas below one notch, kept until they add up to one.
  int32_t wheelRemainder_ = 0;
  // While a wheel outside the view goes to the host window.
  bool forwardingWheel_ = false;
  bool firstPaintPending_ = true;
  // Read by the window's thread while dispose, on another, may close the view and hand it over.
  std::atomic<bool> isOpen_{true};
  std::atomic<bool> disposed_{false};
  // The view's messages in handling, nested ones included.
  std::atomic<int32_t> handling_{0};
  // Held only while the view has made its window, so the class outlives it.
  std::optional<EditorClassUse> classUse_;
  OffscreenSurface offscreenSurface_;
  WindowHandle window_;
};
