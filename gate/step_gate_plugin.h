// StepGatePlugin: the effect `main` hands the host — the step gate owning its editor. The editor follows
// automation and program changes by the live values' count of writes, so no write ever reaches it.
#pragma once

#include <memory>

#include "gate/step_gate.h"
#include "host/editor_base.h"

class StepGatePlugin : public StepGate {
public:
  explicit StepGatePlugin(HostCallback callback);
  // Closes the editor before deleting it, so a host that destroys the effect with its editor open
  // leaves no window, device object or window class behind.
  ~StepGatePlugin() override;

  // Takes the editor over. The editor attached itself to this effect when it was constructed for it.
  void adoptEditor(std::unique_ptr<EditorBase> editor);

private:
  std::unique_ptr<EditorBase> ownedEditor_;
};
