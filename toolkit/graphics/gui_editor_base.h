// GuiEditorBase: the base of every editor drawn with this toolkit. It holds the rectangle the host
// reads, the open root view, and the 50 ms throttle that keeps display and host alive during a drag.
#pragma once

#include <cstdint>
#include <memory>

#include "host/editor_base.h"
#include "host/plugin_record.h"

#include "toolkit/graphics/point.h"

class RootView;
struct Rect;

class GuiEditorBase : public EditorBase {
public:
  explicit GuiEditorBase(PluginEffect* effect);
  ~GuiEditorBase() override;

  int32_t queryRect(EditorRect** rect) override;
  int32_t openIn(void* parentWindow) override;
  void onIdle() override;
  virtual void repaintAll(const Rect* rect);
  // The pointer moved over the open editor's window (window coordinates), or left it.
  virtual void pointerMoved(Point) {}
  virtual void pointerLeft() {}
  // Around the handling of one press (with the drag it starts) or wheel turn over the open editor.
  virtual void gestureBegan() {}
  virtual void gestureEnded() {}

  // Runs onIdle and gives the host an idle call, at most once per 50 ms however often it is called.
  void throttledIdle();

  RootView* openRootView() const { return rootView.get(); }
  // The effect whose close waits for the loops the editor's windows run.
  PluginEffect* owningEffect() const { return effect; }

protected:
  // Lets the open view go, from any thread: see RootView::dispose.
  void releaseRootView();

  // Filled by the derived editor's constructor.
  EditorRect editorRect{0, 0, 0, 0};
  // Made by the derived editor's openIn, let go by its closeEditor through releaseRootView.
  std::unique_ptr<RootView> rootView;
  uint32_t lastIdleTicks;
};
