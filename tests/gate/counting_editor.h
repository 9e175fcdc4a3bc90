// An editor that only counts the update requests the effect sends it.
#pragma once

#include "host/editor_base.h"

class CountingEditor : public EditorBase {
public:
  explicit CountingEditor(PluginEffect* effect) : EditorBase(effect) {}
  void requestUpdate() override {
    EditorBase::requestUpdate();
    ++updateRequests;
  }
  int32_t updateRequests = 0;
};
