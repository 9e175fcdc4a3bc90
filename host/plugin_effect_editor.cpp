// PluginEffect and PluginEffectExt: the editor the editor opcodes reach, and the answers about the
// effect's window.
#include "host/plugin_effect_ext.h"

void PluginEffect::attachEditor(EditorBase* editor) {
  editor_ = editor;
  setFlag(EditorAttached, editor != nullptr);
}

void* PluginEffectExt::iconHandle() { return nullptr; }
bool PluginEffectExt::applyViewPosition(int32_t, int32_t) { return false; }
bool PluginEffectExt::needsKeys() { return false; }
int32_t PluginEffectExt::backgroundIdle() { return 0; }
