// RootView: the editor window as the toolkit sees it. Owns the native child window inside the host's
// window, the backdrop and the child widgets; turns paint and button-press messages into widget calls.
#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/graphics/button_state.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "toolkit/graphics/widget.h"

class GuiEditorBase;

class RootView : public Widget {
public:
  // Creates the native window inside hostWindow at once; a null host window gives a view without one.
  RootView(const Rect& size, HWND hostWindow, GuiEditorBase* editor);
  ~RootView() override;

  void paint(Canvas* canvas) override;
  void mousePressed(Canvas* canvas, Point& point) override;
  void refreshIfChanged(Canvas* canvas) override;
  // The view takes ownership of an added widget; false (widget not added, still the caller's) when the
  // list cannot grow.
  virtual bool addWidget(Widget* widget);
  // The widget is not destroyed; it becomes the caller's again.
  virtual bool removeWidget(Widget* widget);

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

  // The button whose press is being handled (leftButton or rightButton).
  ButtonState pressedButton() const { return pressedButton_; }
  HWND windowHandle() const { return window_; }
  HWND hostWindow() const { return hostWindow_; }
  bool isOpen() const { return isOpen_; }
  int32_t widgetCount() const { return widgetCount_; }
  int32_t widgetCapacity() const { return widgetCapacity_; }
  Widget* widgetAt(int32_t index) const { return widgets_[index]; }

private:
  static LRESULT CALLBACK editorWindowProc(HWND window, UINT message, WPARAM first, LPARAM second);
  void createNativeWindow();
  void paintMessage(HWND window);
  void pressMessage(HWND window, LPARAM position);
  void pointerMessage(LPARAM position);
  void pointerLeaveMessage();
  void wheelMessage(WPARAM first, LPARAM second);

  GuiEditorBase* editor_;
  HWND hostWindow_;
  PixmapRef backdrop_;
  int32_t widgetCount_ = 0;
  int32_t widgetCapacity_ = 0;
  Widget** widgets_ = nullptr;
  Widget* modalWidget_ = nullptr;
  Widget* editingWidget_ = nullptr;
  ButtonState pressedButton_ = leftButton;
  // While the pointer is over the window, it holds the focus (so the wheel comes here) and remembers
  // where the focus was, to give it back when the pointer leaves.
  bool pointerInside_ = false;
  HWND focusBefore_ = nullptr;
  // Wheel deltas below one notch, kept until they add up to one.
  int32_t wheelRemainder_ = 0;
  bool firstPaintPending_ = true;
  bool isOpen_ = true;
  // Set while this view holds one use of the window class, from registration to its return.
  bool holdsClassUse_ = false;
  HWND window_ = nullptr;
};
