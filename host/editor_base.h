// EditorBase: the editor as the effect knows it. The effect's dispatcher forwards the host's editor
// opcodes to its first four operations. It lives beside the effect so that the host interface needs
// nothing of the toolkit that draws editors.
#pragma once

#include <atomic>
#include <cstdint>

#include "host/plugin_record.h"

class PluginEffect;

class EditorBase {
public:
  explicit EditorBase(PluginEffect* effect) : effect_(effect) {}
  virtual ~EditorBase() = default;

  EditorBase(const EditorBase&) = delete;
  EditorBase& operator=(const EditorBase&) = delete;

  virtual int32_t queryRect(EditorRect** rect);
  virtual int32_t openIn(void* parentWindow);
  virtual void closeEditor() {}
  virtual void onIdle();
  virtual void applyUpdate() {}
  // What no count of value writes can ask for: the display brought up to date with nothing written.
  virtual void requestUpdate() { updatePending_.store(1, std::memory_order_relaxed); }

  bool isUpdatePending() const { return updatePending_.load(std::memory_order_relaxed) != 0; }
  // The effect that owns this editor and deletes it; null for an editor of no effect.
  PluginEffect* effect() const { return effect_; }
  // The host's window given to the last openIn.
  void* parentWindow() const { return parentWindow_; }

private:
  PluginEffect* const effect_;
  void* parentWindow_ = nullptr;
  // Served by onIdle: one relaxed 32-bit store and load, the same instructions as a plain int on this
  // processor but free of a data race.
  std::atomic<int32_t> updatePending_{0};
};
