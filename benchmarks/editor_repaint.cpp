// Measures a full repaint of the gate's editor (backdrop, curve, readout and every control) at 100, 150
// and 200 %, each size opened as the musician's remembered choice (put back afterwards). Prints, by the
// thread's processor time (so other programs sharing the machine do not count), the fastest and the
// median of 15 batches of repaints, the platform's drawing queue flushed after each repaint.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "editor/step_gate_editor.h"
#include "gate/gate_parameter.h"
#include "gate/step_gate_plugin.h"
#include "toolkit/graphics/module_instance.h"
#include "toolkit/graphics/root_view.h"
#include "tools/gatehost/size_override.h"
#include "tools/probe/host_window.h"

namespace {

constexpr int32_t kWarmUp = 20;
constexpr int32_t kBatches = 15;
// The thread's processor time is counted in steps of 10 ms or so: a batch takes many of them.
constexpr int32_t kBatchRepaints = 500;

void handleMessages() {
  MSG message;
  for (int32_t i = 0; i < 1000 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

intptr_t dispatch(PluginEffect& effect, Opcode opcode, void* data = nullptr) {
  return effect.handleOpcode(static_cast<int32_t>(opcode), 0, 0, data, 0.0f);
}

// The calling thread's processor time so far, in milliseconds.
double processorMilliseconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  const auto milliseconds = [](const FILETIME& time) {
    return static_cast<double>(static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime) / 1.0e4;
  };
  return milliseconds(kernel) + milliseconds(user);
}

// Milliseconds of a repaint in each batch, fastest first.
std::vector<double> repaintTimes(int32_t percent) {
  const SizeOverride size(percent);
  StepGatePlugin gate(nullptr);
  auto owned = std::make_unique<StepGateEditor>(&gate);
  StepGateEditor* editor = owned.get();
  gate.adoptEditor(std::move(owned));
  // Steep edges and slopes, so the curve has lines of every kind.
  for (int32_t step = 0; step < kStepCount; ++step) {
    gate.writeParameter(FirstStepLevel + step, static_cast<float>(step % 4) / 3.0f);
    gate.writeParameter(FirstStepSwitch + step, static_cast<float>(step % 3 != 0));
  }
  gate.writeParameter(InterpolParameter, 0.1f);
  EditorRect* rect = nullptr;
  dispatch(gate, Opcode::EditorRect, &rect);
  const WindowHandle host = makeHostWindow("repaint", WS_OVERLAPPED | WS_CAPTION, rect->right, rect->bottom);
  dispatch(gate, Opcode::EditorOpen, host.get());
  dispatch(gate, Opcode::EditorIdle);
  handleMessages();

  const auto repaint = [editor] {
    editor->repaintAll(nullptr);
    GdiFlush();
  };
  for (int32_t i = 0; i < kWarmUp; ++i) repaint();
  std::vector<double> times;
  for (int32_t batch = 0; batch < kBatches; ++batch) {
    const double start = processorMilliseconds();
    for (int32_t i = 0; i < kBatchRepaints; ++i) repaint();
    times.push_back((processorMilliseconds() - start) / kBatchRepaints);
  }
  dispatch(gate, Opcode::EditorClose);
  handleMessages();
  std::sort(times.begin(), times.end());
  return times;
}

} // namespace

int main() {
  // The editor's bitmaps are compiled into this program.
  moduleInstance = GetModuleHandleA(nullptr);
  for (const Scale& size : Scale::kSizes) {
    const std::vector<double> times = repaintTimes(size.percent());
    const Rect window = size.toWindow(Rect(0, 0, 386, 240));
    std::printf("full repaint at %d %% (%d x %d): fastest %.2f ms, median %.2f ms of processor time (%d x %d "
                "repaints)\n",
                size.percent(), window.width(), window.height(), times.front(), times[times.size() / 2],
                kBatches, kBatchRepaints);
  }
  return 0;
}
