// Loads the shipped DLL as a host does (LoadLibrary, GetProcAddress "main") and drives it through its record.
#include <gtest/gtest.h>

#include <cmath>

#include "gate/step_gate.h"
#include "tools/gatehost/plugin_host.h"
#include "tools/gatehost/render.h"
#include "tools/gatehost/test_signal.h"

namespace {

const char kPlugin[] = "stepgate.dll";

intptr_t PLUGIN_CDECL refusingHost(PluginRecord*, int32_t, int32_t, intptr_t, void*, float) { return 0; }

} // namespace

TEST(PluginDll, HostWithoutAVersionGetsNoRecord) {
  PluginLibrary library(kPlugin);
  ASSERT_TRUE(library.loaded()) << library.error();
  EXPECT_EQ(library.entry()(&refusingHost), nullptr);
  EXPECT_EQ(library.entry()(nullptr), nullptr);
}

TEST(PluginDll, InstancesAreIndependent) {
  PluginLibrary library(kPlugin);
  PluginHost first(library), second(library);
  ASSERT_NE(first.record(), nullptr);
  ASSERT_NE(second.record(), nullptr);
  EXPECT_NE(first.record(), second.record());
  first.writeParameter(5, 0.25f);
  EXPECT_EQ(first.readParameter(5), 0.25f);
  EXPECT_EQ(second.readParameter(5), 1.0f);
  first.close();
  EXPECT_EQ(second.readParameter(5), 1.0f);
}

TEST(PluginDll, BankResourceHoldsSixteenNamedRecords) {
  PluginLibrary library(kPlugin);
  const std::vector<ProgramRecord> bank = library.bank();
  ASSERT_EQ(bank.size(), 16u);
  for (size_t i = 0; i < bank.size(); ++i)
    EXPECT_EQ(std::string(bank[i].name), "Init " + std::to_string(i + 1));
}

// The rhythm a user hears: each step's output level follows the gain table the same settings build.
TEST(PluginDll, RenderedStepLevelsFollowTheBankPattern) {
  PluginLibrary library(kPlugin);
  std::vector<ProgramRecord> bank = library.bank();
  ASSERT_EQ(bank.size(), 16u);
  ProgramRecord& pattern = bank[2];
  PluginHost host(library);
  StepGate reference(nullptr);
  for (int32_t index = 0; index < 34; ++index) {
    host.writeParameter(index, *pattern.slotOf(index));
    reference.writeParameter(index, *pattern.slotOf(index));
  }
  host.selectProgram(host.currentProgram());
  GainTable table;
  reference.copyGainTable(table);

  RenderSettings settings;
  const StereoSound input = sustainedChord(44100, static_cast<int32_t>(2 * framesPerBar(120.0, 44100.0)));
  const StepLevels levels = measureStepLevels(input, render(host, input, settings), settings);
  for (int32_t step = 0; step < 16; ++step) {
    double energy = 0.0;
    for (int32_t point = 64 * step; point < 64 * step + 64; ++point) energy += table[point] * table[point];
    EXPECT_NEAR(levels.gain[step], std::sqrt(energy / 64.0), 0.05) << "step " << step + 1;
  }
}
