// The composition root: the one place that knows every piece. `main` builds the gate, its editor and
// the effect that owns both, and hands the host the record.
#include "plugin/plugin_main.h"

#include <memory>
#include <new>

#include "editor/step_gate_editor.h"
#include "gate/step_gate_plugin.h"
#include "host/opcodes.h"
#include "plugin/file_replacement.h"

namespace {

// Deletes an effect whose construction did not finish: it never reached a host, so its Init programs must
// not replace the last dump.
struct UnfinishedEffectDeleter {
  void operator()(StepGatePlugin* effect) const {
    effect->skipProgramDump();
    delete effect;
  }
};

// Null when any part cannot be built; what was built is deleted again. Each call answers for its own
// construction only, so hosts creating effects on several threads at once get their own answers.
PluginEffect* createEffect(HostCallback callback) {
  std::unique_ptr<StepGatePlugin, UnfinishedEffectDeleter> effect(new (std::nothrow)
                                                                      StepGatePlugin(callback));
  if (effect == nullptr) return nullptr;
  std::unique_ptr<EditorBase> editor(new (std::nothrow) StepGateEditor(effect.get()));
  if (editor == nullptr) return nullptr;
  effect->adoptEditor(std::move(editor));
  effect->useFileReplacer(replaceFileInOneStep);
  return effect.release();
}

} // namespace

extern "C" PluginRecord* PLUGIN_CDECL pluginMain(HostCallback callback) {
  if (callback == nullptr) return nullptr;
  if (callback(nullptr, static_cast<int32_t>(HostRequest::Version), 0, 0, nullptr, 0.0f) == 0) return nullptr;
  try {
    PluginEffect* effect = createEffect(callback);
    return effect != nullptr ? effect->record() : nullptr;
  } catch (...) {
    // No exception may reach the host.
    return nullptr;
  }
}
