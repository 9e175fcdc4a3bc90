// GuiEditorBase: the host-facing overrides and the throttled idle.
#include "toolkit/graphics/gui_editor_base.h"

#include <utility>

#include "host/plugin_effect.h"
#include "toolkit/graphics/root_view.h"
#include "toolkit/graphics/tick_source.h"

namespace {

constexpr uint32_t kThrottleMilliseconds = 50;

} // namespace

GuiEditorBase::GuiEditorBase(PluginEffect* effect) : EditorBase(effect) {
  if (effect != nullptr) effect->attachEditor(this);
  parentWindow = nullptr;
  lastIdleTicks = currentTicks();
}

GuiEditorBase::~GuiEditorBase() { releaseRootView(); }

void GuiEditorBase::releaseRootView() { RootView::dispose(std::move(rootView)); }

int32_t GuiEditorBase::queryRect(EditorRect** rect) {
  if (rect == nullptr) return 0;
  *rect = &editorRect;
  return 1;
}

int32_t GuiEditorBase::openIn(void* window) {
  // The first idle tick after opening brings the display up to date.
  requestUpdate();
  return EditorBase::openIn(window);
}

void GuiEditorBase::onIdle() {
  EditorBase::onIdle();
  if (rootView != nullptr) rootView->idleRefresh();
}

void GuiEditorBase::repaintAll(const Rect*) {
  if (rootView != nullptr) rootView->redrawWidget(nullptr);
}

void GuiEditorBase::throttledIdle() {
  const uint32_t now = currentTicks();
  // Elapsed time by unsigned subtraction stays right across the wrap of the 32-bit count (every 49.7 days);
  // comparing a sum with the count would hold every refresh back for a whole wrap once it happens.
  if (now - lastIdleTicks < kThrottleMilliseconds) return;
  lastIdleTicks = now;
  onIdle();
  if (effect != nullptr) effect->askHostIdle();
}
