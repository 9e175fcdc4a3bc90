// GuiEditorBase: the base of every editor drawn with this toolkit. It holds the rectangle the host
// reads, the size the editor is shown at, the open root view, and the 50 ms throttle that keeps display
// and host alive during a drag.
#pragma once

#include <cstdint>
#include <memory>

#include "host/editor_base.h"
#include "host/plugin_record.h"

#include "toolkit/graphics/point.h"
#include "toolkit/graphics/scale.h"

class RootView;
struct Rect;

class GuiEditorBase : public EditorBase {
public:
  explicit GuiEditorBase(PluginEffect* effect);
  ~GuiEditorBase() override;

  // While closed, the rectangle follows the size the editor would open at now.
  int32_t queryRect(EditorRect** rect) override;
  // Takes the size for the host's window: the user's remembered choice, else the density of the screen
  // the window is on. A size other than the one the host last read is taken only when the host makes
  // room for it.
  int32_t openIn(void* parentWindow) override;
  void onIdle() override;
  virtual void repaintAll(const Rect* rect);
  // The pointer moved over the open editor's window (layout coordinates), or left it.
  virtual void pointerMoved(Point) {}
  virtual void pointerLeft() {}
  // Around the handling of one press (with the drag it starts) or wheel turn over the open editor.
  virtual void gestureBegan() {}
  virtual void gestureEnded() {}

  // Runs onIdle and gives the host an idle call, at most once per 50 ms however often it is called.
  void throttledIdle();

  Scale scale() const { return scale_; }
  // The user chose a size: the host is asked to resize its window; when it does, the rectangle and the
  // open window follow at once. False, changing nothing, when the host cannot resize. The choice is
  // remembered for this user once shown.
  bool changeScale(Scale scale);

  // The open editor's root view; null while closed.
  RootView* rootView() const { return rootView_.get(); }

protected:
  // The editor's size at 100 %, from the derived editor's constructor: the rectangle is this at the scale.
  void setLayoutSize(int32_t width, int32_t height);
  // Where the user's choice of size is kept: a value under a key of HKEY_CURRENT_USER; none is kept
  // without one.
  void rememberScaleAt(const char* key, const char* value) {
    scaleKey_ = key;
    scaleValue_ = value;
  }
  // True when the host resized its window to width x height pixels for the editor. A derived editor
  // asks its host; no host is asked here.
  virtual bool askHostToResize(int32_t width, int32_t height);
  // The derived editor's openIn makes the view, at scale(), and hands it here; its closeEditor lets it go,
  // from any thread (see RootView::dispose).
  RootView& adoptRootView(std::unique_ptr<RootView> view);
  void releaseRootView();
  // The rectangle queryRect hands out: the layout size at scale().
  const EditorRect& editorRect() const { return editorRect_; }

private:
  // The remembered choice, else the size for the density of the window's screen.
  Scale preferredScale(void* window) const;
  void takeScale(Scale scale);

  EditorRect editorRect_{0, 0, 0, 0};
  std::unique_ptr<RootView> rootView_;
  uint32_t lastIdleTicks_;
  Scale scale_;
  int32_t layoutWidth_ = 0;
  int32_t layoutHeight_ = 0;
  const char* scaleKey_ = nullptr;
  const char* scaleValue_ = nullptr;
};
