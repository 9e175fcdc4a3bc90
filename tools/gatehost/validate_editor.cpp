// The editor closed and opened again and again, as a host does when the user hides and shows it, while
// one thread processes audio and another writes parameters and selects programs; some cycles open it twice,
// close it twice or idle it while closed. The cycles add no GDI object, window or menu.
#include <atomic>
#include <chrono>
#include <thread>

#include "tools/gatehost/editor_session.h"
#include "tools/gatehost/validation_groups.h"
#include "tools/gatehost/validation_support.h"
#include "tools/probe/leak_check.h"

namespace {

constexpr int32_t kCycles = 100;
constexpr int32_t kIdlesPerCycle = 2;
constexpr int32_t kAudioBlock = 256;
constexpr int32_t kEditorWidth = 386;
constexpr int32_t kEditorHeight = 240;

// The editor's size at 100, 150 or 200 %, whichever its user or the screen chose.
bool isEditorSize(const EditorRect& rect) {
  for (const int32_t percent : {100, 150, 200})
    if (rect.right - rect.left == kEditorWidth * percent / 100 &&
        rect.bottom - rect.top == kEditorHeight * percent / 100)
      return true;
  return false;
}
// A host's audio thread delivers a block per period and automation arrives at a steady pace; threads that
// never paused would only starve the window's thread on a small machine and test nothing more.
constexpr auto kAudioPeriod = std::chrono::milliseconds(1);
constexpr int32_t kWritesPerPeriod = 8;

// Audio on its own thread for as long as the editor cycles run; what it finds is counted, not checked,
// since the validator's bookkeeping belongs to the thread that runs the group.
struct AudioThread {
  std::atomic<bool> stop{false};
  std::atomic<int32_t> blocks{0};
  std::atomic<int32_t> faults{0};
  std::thread thread;

  AudioThread(PluginHost& host, uint32_t seed)
      : thread([this, &host, seed] {
          std::mt19937 random(seed);
          AudioProbe probe(kAudioBlock);
          while (!stop.load()) {
            const bool accumulating = (blocks.load() & 1) != 0;
            probe.fill(random, kAudioBlock);
            if (accumulating)
              host.processAccumulating(probe.inputs(), probe.outputs(), kAudioBlock);
            else
              host.processOverwriting(probe.inputs(), probe.outputs(), kAudioBlock);
            host.dispatch(Opcode::MeterLevel);
            if (!AudioProbe::describe(probe.scan(false)).empty()) ++faults;
            ++blocks;
            std::this_thread::sleep_for(kAudioPeriod);
          }
        }) {}
  ~AudioThread() {
    stop = true;
    thread.join();
  }
};

struct ParameterThread {
  std::atomic<bool> stop{false};
  std::atomic<int32_t> writes{0};
  std::thread thread;

  ParameterThread(PluginHost& host, uint32_t seed)
      : thread([this, &host, seed] {
          std::mt19937 random(seed);
          while (!stop.load()) {
            const int32_t n = writes.load();
            if (n % 16 == 15)
              host.dispatch(Opcode::SelectProgram, 0, static_cast<intptr_t>(random() % 16));
            else
              host.writeParameter(static_cast<int32_t>(random() % 34),
                                  std::uniform_real_distribution<float>(0.0f, 1.0f)(random));
            if (++writes % kWritesPerPeriod == 0) std::this_thread::sleep_for(kAudioPeriod);
          }
        }) {}
  ~ParameterThread() {
    stop = true;
    thread.join();
  }
};

// One hide-and-show of the editor in the host's window, with the careless host's extras on some cycles.
void editorCycle(Validator& validator, PluginHost& host, EditorSession& session, int32_t cycle) {
  const std::string name = "cycle " + std::to_string(cycle);
  host.dispatch(Opcode::EditorClose);
  if (cycle % 3 == 2) {
    host.dispatch(Opcode::EditorClose);
    host.dispatch(Opcode::EditorIdle);
  }
  EditorRect* rect = nullptr;
  validator.check(host.dispatch(Opcode::EditorRect, 0, 0, &rect) == 1 && rect != nullptr &&
                      isEditorSize(*rect),
                  name + ": the editor is not 386 by 240 at 100, 150 or 200 %");
  validator.check(host.dispatch(Opcode::EditorOpen, 0, 0, session.hostWindow()) != 0,
                  name + ": the editor did not open");
  if (cycle % 3 == 1) host.dispatch(Opcode::EditorOpen, 0, 0, session.hostWindow());
  session.runIdles(kIdlesPerCycle);
}

} // namespace

void validateEditor(Validator& validator) {
  PluginHost host(validator.library());
  if (!validator.check(host.record() != nullptr, "main returned no record")) return;
  setTime(host, 44100.0, 120.0, 0.0);
  AudioThread audio(host, validator.random()());
  ParameterThread parameters(host, validator.random()());
  // Closing a host window costs Wine two seconds, so the cycles share one, as a host's frame that hides
  // and shows the editor does.
  EditorSession session(host);
  if (!validator.check(session.isOpen(), "the editor did not open")) return;
  int32_t cycle = 0;
  const LeakCheck leaks =
      repeatUntilLevel(validator.scaled(kCycles), [&] { editorCycle(validator, host, session, ++cycle); });
  validator.check(leaks.passed(),
                  "GDI objects, windows or menus grew with the cycles: " + leaks.description());
  validator.check(audio.blocks.load() > 0 && parameters.writes.load() > 0,
                  "the audio and parameter threads did not run alongside the editor");
  validator.check(audio.faults.load() == 0,
                  std::to_string(audio.faults.load()) + " blocks processed beside the editor were not clean");
}
