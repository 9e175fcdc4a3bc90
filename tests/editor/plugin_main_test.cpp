// Checks `main` as the library runs it: a host without a version gets nothing, and every construction
// answers for itself, also when several host threads create effects at once and one of them fails.
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "editor/step_gate_editor.h"
#include "gate/step_gate.h"
#include "host/opcodes.h"
#include "plugin/plugin_main.h"

namespace {

// Set on a thread whose editors cannot be allocated, as if memory had run out there.
thread_local bool editorAllocationFails = false;

intptr_t PLUGIN_CDECL versionedHost(PluginRecord*, int32_t request, int32_t, intptr_t, void*, float) {
  return request == static_cast<int32_t>(HostRequest::Version) ? 2400 : 0;
}

intptr_t PLUGIN_CDECL hostWithoutVersion(PluginRecord*, int32_t, int32_t, intptr_t, void*, float) {
  return 0;
}

void closeEffect(PluginRecord* record) {
  record->dispatchFn(record, static_cast<int32_t>(Opcode::Close), 0, 0, nullptr, 0.0f);
}

} // namespace

// `main` allocates the editor with the non-throwing form; this program's replacement fails it on request.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (editorAllocationFails && size == sizeof(StepGateEditor)) return nullptr;
  try {
    return ::operator new(size);
  } catch (...) {
    return nullptr;
  }
}

TEST(PluginMain, CreatesTheCompletePlugInForAHostWithAVersionAndAFailedOneDumpsNothing) {
  PluginRecord* record = pluginMain(&versionedHost);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->pluginId, 0x4B747673);
  EXPECT_EQ(record->capabilityFlags, 0x15);
  closeEffect(record);
  EXPECT_EQ(pluginMain(&hostWithoutVersion), nullptr);
  EXPECT_EQ(pluginMain(nullptr), nullptr);
  // An effect whose editor cannot be built never reaches a host: the last dump stays as it was.
  std::ofstream(kProgramDumpPath, std::ios::binary) << "the last dump";
  editorAllocationFails = true;
  EXPECT_EQ(pluginMain(&versionedHost), nullptr);
  editorAllocationFails = false;
  const auto dump = [] {
    std::ifstream file(kProgramDumpPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  };
  EXPECT_EQ(dump(), "the last dump");
  // A complete effect replaces the last dump, which the C library's rename would refuse here.
  closeEffect(pluginMain(&versionedHost));
  EXPECT_EQ(dump().size(), 2560u);
}

TEST(PluginMain, ThreadsCreatingEffectsAtOnceEachGetTheirOwnAnswer) {
  constexpr int32_t kThreads = 4;
  constexpr int32_t kEffectsPerThread = 25;
  std::atomic<int32_t> refused{0};
  std::atomic<int32_t> wronglyRefused{0};
  std::vector<std::thread> threads;
  for (int32_t t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      // The first thread's editors cannot be built: its effects are refused, and only its own.
      editorAllocationFails = t == 0;
      for (int32_t n = 0; n < kEffectsPerThread; ++n) {
        PluginRecord* record = pluginMain(&versionedHost);
        if (record == nullptr) {
          ++(t == 0 ? refused : wronglyRefused);
          continue;
        }
        closeEffect(record);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(refused.load(), kEffectsPerThread);
  EXPECT_EQ(wronglyRefused.load(), 0);
}
