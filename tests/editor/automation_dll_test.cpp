// Checks through the DLL that the sound follows host automation block by block: each block plays the values
// written before it, with the editor closed, open without an idle in between, or open and idling at any
// moment, so two renders of the same automation are the same.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "gate/bar_phase.h"
#include "gate/live_parameters.h"
#include "tests/gate/reference_walk.h"
#include "tools/gatehost/editor_session.h"
#include "tools/gatehost/plugin_host.h"

namespace {

const char kPlugin[] = "stepgate.dll";
// One bar at 120 beats per minute and 44100 Hz, in eight blocks.
constexpr int32_t kBlocks = 8;
constexpr int32_t kFrames = 11025;

struct Write {
  int32_t beforeBlock;
  int32_t index;
  float value;
};

// A step level, a switch, Shift and Smooth, each automated within the bar.
const Write kAutomation[] = {
    {1, 4, 0.25f}, {2, 20, 0.0f},  {2, BarWidthParameter, 0.0f}, {3, InterpolParameter, 1.0f},
    {4, 5, 0.5f},  {4, 17, 0.0f},  {5, BarWidthParameter, 0.5f}, {6, InterpolParameter, 0.0f},
    {7, 4, 1.0f},  {7, 0, 0.125f},
};

struct Render {
  std::vector<float> left, right;
  // Blocks that differ from the input times the table of the values written before them.
  std::vector<int32_t> wrongBlocks;
};

// Plays the bar block by block with the automation; `between(n)` runs after the writes for block n.
Render render(PluginHost& host, const std::function<void(int32_t)>& between) {
  LiveParameters written;
  for (int32_t index = 0; index < GateParameterCount; ++index)
    written.write(index, host.readParameter(index));
  Render out;
  uint32_t noise = 12345;
  for (int32_t block = 0; block < kBlocks; ++block) {
    for (const Write& write : kAutomation) {
      if (write.beforeBlock != block) continue;
      host.writeParameter(write.index, write.value);
      written.write(write.index, write.value);
    }
    if (between) between(block);
    std::vector<float> left(kFrames), right(kFrames), outLeft(kFrames), outRight(kFrames);
    for (int32_t k = 0; k < kFrames; ++k) {
      noise = noise * 1664525u + 1013904223u;
      left[k] = static_cast<float>(noise >> 8) / 16777216.0f - 0.5f;
      right[k] = -left[k];
    }
    host.time().quarterNotePosition = 4.0 * block / kBlocks;
    float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {outLeft.data(), outRight.data()};
    host.processOverwriting(inputs, outputs, kFrames);

    GainTable table;
    buildGainTable(table, written.values());
    BarPhase phase{};
    barPhaseOf(host.time(), phase);
    std::vector<float> wantLeft(kFrames), wantRight(kFrames);
    float* wanted[2] = {wantLeft.data(), wantRight.data()};
    referenceGate(table, phase.start, phase.increment, inputs, wanted, kFrames);
    if (std::memcmp(outLeft.data(), wantLeft.data(), kFrames * sizeof(float)) != 0 ||
        std::memcmp(outRight.data(), wantRight.data(), kFrames * sizeof(float)) != 0)
      out.wrongBlocks.push_back(block);
    out.left.insert(out.left.end(), outLeft.begin(), outLeft.end());
    out.right.insert(out.right.end(), outRight.begin(), outRight.end());
  }
  return out;
}

} // namespace

TEST(PluginAutomation, EveryBlockPlaysTheValuesWrittenBeforeItWithTheEditorOpenOrClosed) {
  PluginLibrary library(kPlugin);
  ASSERT_TRUE(library.loaded()) << library.error();
  PluginHost closedHost(library);
  const Render closed = render(closedHost, nullptr);
  EXPECT_EQ(closed.wrongBlocks, std::vector<int32_t>{}) << "editor closed";

  PluginHost openHost(library);
  EditorSession session(openHost);
  ASSERT_TRUE(session.isOpen());
  session.runIdles(2);
  const Render open = render(openHost, nullptr);
  EXPECT_EQ(open.wrongBlocks, std::vector<int32_t>{}) << "editor open, no idle between writes and blocks";

  // Idles at other moments than in the first open render: the same sound, bit for bit.
  PluginHost idlingHost(library);
  EditorSession idling(idlingHost);
  ASSERT_TRUE(idling.isOpen());
  const Render idled = render(idlingHost, [&](int32_t block) {
    if (block % 3 == 1) idling.runIdles(1);
  });
  EXPECT_EQ(idled.wrongBlocks, std::vector<int32_t>{}) << "editor open and idling";
  EXPECT_TRUE(idled.left == closed.left && idled.right == closed.right);
  EXPECT_TRUE(open.left == closed.left && open.right == closed.right);
}
