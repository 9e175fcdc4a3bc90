// Checks `main` as the library runs it: a host without a version gets nothing, and a failed construction
// does not make every later one fail.
#include <gtest/gtest.h>

#include "host/module_state.h"
#include "host/opcodes.h"
#include "host/plugin_main.h"

namespace {

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

TEST(PluginMain, CreatesTheCompletePlugInForAHostWithAVersion) {
  PluginRecord* record = pluginMain(&versionedHost);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->pluginId, 0x4B747673);
  EXPECT_EQ(record->capabilityFlags, 0x15);
  closeEffect(record);
  EXPECT_EQ(pluginMain(&hostWithoutVersion), nullptr);
  EXPECT_EQ(pluginMain(nullptr), nullptr);
}

TEST(PluginMain, AnEarlierFailedConstructionDoesNotFailTheNextOne) {
  // As an instance whose editor could not be allocated leaves it.
  creationFailed = true;
  PluginRecord* record = pluginMain(&versionedHost);
  ASSERT_NE(record, nullptr);
  EXPECT_FALSE(creationFailed);
  closeEffect(record);
}
