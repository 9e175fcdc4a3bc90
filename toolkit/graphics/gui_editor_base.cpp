// GuiEditorBase: the host-facing overrides, the editor's size and the throttled idle.
#include "toolkit/graphics/gui_editor_base.h"

#include <utility>

#include "host/plugin_effect.h"
#include "toolkit/graphics/remembered_scale.h"
#include "toolkit/graphics/root_view.h"
#include "toolkit/graphics/screen_density.h"
#include "toolkit/graphics/tick_source.h"

namespace {

constexpr uint32_t kThrottleMilliseconds = 50;

} // namespace

GuiEditorBase::GuiEditorBase(PluginEffect* effect) : EditorBase(effect) {
  if (effect != nullptr) effect->attachEditor(this);
  lastIdleTicks_ = currentTicks();
}

GuiEditorBase::~GuiEditorBase() { releaseRootView(); }

RootView& GuiEditorBase::adoptRootView(std::unique_ptr<RootView> view) {
  releaseRootView();
  rootView_ = std::move(view);
  return *rootView_;
}

void GuiEditorBase::releaseRootView() { RootView::dispose(std::move(rootView_)); }

void GuiEditorBase::setLayoutSize(int32_t width, int32_t height) {
  layoutWidth_ = width;
  layoutHeight_ = height;
  takeScale(scale_);
}

void GuiEditorBase::takeScale(Scale scale) {
  scale_ = scale;
  const Rect area = scale.toWindow(Rect(0, 0, layoutWidth_, layoutHeight_));
  editorRect_ = EditorRect{0, 0, static_cast<int16_t>(area.height()), static_cast<int16_t>(area.width())};
}

Scale GuiEditorBase::preferredScale(void* window) const {
  if (const std::optional<Scale> chosen = rememberedScale(scaleKey_, scaleValue_)) return *chosen;
  return Scale::forScreenDensity(screenDensityOf(static_cast<HWND>(window)));
}

int32_t GuiEditorBase::queryRect(EditorRect** rect) {
  if (rect == nullptr) return 0;
  if (rootView_ == nullptr) takeScale(preferredScale(nullptr));
  *rect = &editorRect_;
  return 1;
}

int32_t GuiEditorBase::openIn(void* window) {
  // The first idle tick after opening brings the display up to date.
  requestUpdate();
  const Scale wanted = preferredScale(window);
  if (wanted != scale_) {
    const Scale read = scale_;
    // The new rectangle is in place while the host resizes: a host may read it back meanwhile.
    takeScale(wanted);
    if (!askHostToResize(editorRect_.right, editorRect_.bottom)) takeScale(read);
  }
  return EditorBase::openIn(window);
}

bool GuiEditorBase::changeScale(Scale scale) {
  if (scale != scale_) {
    const Scale shown = scale_;
    takeScale(scale);
    if (!askHostToResize(editorRect_.right, editorRect_.bottom)) {
      takeScale(shown);
      return false;
    }
    if (rootView_ != nullptr) rootView_->setScale(scale);
  }
  rememberScale(scaleKey_, scaleValue_, scale);
  return true;
}

bool GuiEditorBase::askHostToResize(int32_t, int32_t) { return false; }

void GuiEditorBase::onIdle() {
  EditorBase::onIdle();
  if (rootView_ != nullptr) rootView_->idleRefresh();
}

void GuiEditorBase::repaintAll(const Rect*) {
  if (rootView_ != nullptr) rootView_->redrawWidget(nullptr);
}

void GuiEditorBase::throttledIdle() {
  const uint32_t now = currentTicks();
  // Elapsed time by unsigned subtraction stays right across the wrap of the 32-bit count (every 49.7 days);
  // comparing a sum with the count would hold every refresh back for a whole wrap once it happens.
  if (now - lastIdleTicks_ < kThrottleMilliseconds) return;
  lastIdleTicks_ = now;
  onIdle();
  if (effect() != nullptr) effect()->askHostIdle();
}
