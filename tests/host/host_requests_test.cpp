// Checks what each request to the host sends, how the answer is read, and the fallbacks without a host.
#include <gtest/gtest.h>

#include <functional>

#include "tests/host/spy_effect.h"
#include "tests/support/recording_host.h"

namespace {

struct RequestCase {
  const char* name;
  int32_t request;
  intptr_t hostAnswer;
  std::function<intptr_t(SpyEffect&)> send;
  intptr_t expected;
  intptr_t expectedWithoutHost;
};

int marker = 0;

} // namespace

TEST(HostRequests, AnswersAreReadAsTheInterfaceSays) {
  const RequestCase cases[] = {
      {"version", 1, 2400, [](SpyEffect& e) { return e.askHostVersion(); }, 2400, 1},
      {"version zero", 1, 0, [](SpyEffect& e) { return e.askHostVersion(); }, 1, 1},
      {"current id", 2, 77, [](SpyEffect& e) { return e.askHostCurrentId(); }, 77, 0},
      {"input connected", 4, 0, [](SpyEffect& e) { return intptr_t{e.askInputConnected(1)}; }, 1, 1},
      {"input unconnected", 4, 1, [](SpyEffect& e) { return intptr_t{e.askInputConnected(1)}; }, 0, 1},
      {"output unconnected", 4, 1, [](SpyEffect& e) { return intptr_t{e.askOutputConnected(0)}; }, 0, 1},
      {"events accepted", 8, 1, [](SpyEffect& e) { return intptr_t{e.passEventsToHost(&marker)}; }, 1, 0},
      {"events refused", 8, 2, [](SpyEffect& e) { return intptr_t{e.passEventsToHost(&marker)}; }, 0, 0},
      {"time", 7, reinterpret_cast<intptr_t>(&marker),
       [](SpyEffect& e) { return reinterpret_cast<intptr_t>(e.askHostTime(0xFF00)); },
       reinterpret_cast<intptr_t>(&marker), 0},
      {"capability -1", 37, -1, [](SpyEffect& e) { return intptr_t{e.askHostCapability(nullptr)}; }, 1, 0},
      {"capability 5", 37, 5, [](SpyEffect& e) { return intptr_t{e.askHostCapability(nullptr)}; }, 1, 0},
      {"offline pass", 28, 9, [](SpyEffect& e) { return intptr_t{e.askHostOfflinePass()}; }, 1, 0},
      {"meta pass", 29, 9, [](SpyEffect& e) { return intptr_t{e.askHostOfflineMetaPass()}; }, 1, 0},
      {"resize", 15, 3, [](SpyEffect& e) { return intptr_t{e.askHostResizeWindow(10, 20)}; }, 1, 0},
      {"io changed", 13, 0, [](SpyEffect& e) { return intptr_t{e.tellHostIoChanged()}; }, 0, 0},
      {"needs idle", 14, 1, [](SpyEffect& e) { return intptr_t{e.tellHostNeedsIdle()}; }, 1, 0},
      {"tempo at", 10, 120, [](SpyEffect& e) { return intptr_t{e.askHostTempoForPosition(5)}; }, 120, 0},
      {"language", 38, 3, [](SpyEffect& e) { return intptr_t{e.askHostLanguage()}; }, 3, 0},
      {"previous", 20, reinterpret_cast<intptr_t>(&marker),
       [](SpyEffect& e) { return reinterpret_cast<intptr_t>(e.askHostPreviousPlugin()); },
       reinterpret_cast<intptr_t>(&marker), 0},
      {"sample rate", 16, 5, [](SpyEffect& e) { return static_cast<intptr_t>(e.refreshSampleRate()); }, 44100,
       44100},
      {"block size", 17, 5, [](SpyEffect& e) { return intptr_t{e.refreshBlockSize()}; }, 1024, 1024},
  };
  for (const RequestCase& c : cases) {
    RecordingHost host;
    host.answer(c.request, c.hostAnswer);
    SpyEffect effect(host.callback());
    EXPECT_EQ(c.send(effect), c.expected) << c.name;
    ASSERT_EQ(host.calls().size(), 1u) << c.name;
    EXPECT_EQ(host.calls()[0].request, c.request) << c.name;
    EXPECT_EQ(host.calls()[0].record, effect.record()) << c.name;

    SpyEffect alone(nullptr);
    EXPECT_EQ(c.send(alone), c.expectedWithoutHost) << c.name << " without host";
  }
}

TEST(HostRequests, ArgumentsArePlacedWhereTheHostReadsThem) {
  RecordingHost host;
  SpyEffect effect(host.callback());
  effect.askOutputConnected(3);
  effect.askHostResizeWindow(386, 240);
  effect.askHostTime(0xFF00);
  effect.askHostOfflineStart(&marker, 4, 2);
  effect.askHostOfflineRead(&marker, 6, true);
  effect.askHostVendorSpecific(1, 2, &marker, 0.25f);
  effect.tellHostOutputSampleRate(22050.0f);
  effect.askHostForEvents(9);
  effect.beginEdit(17);
  effect.endEdit(33);
  const std::vector<HostCall>& calls = host.calls();
  ASSERT_EQ(calls.size(), 10u);
  EXPECT_EQ(calls[0].index, 3);
  EXPECT_EQ(calls[0].value, 1);
  EXPECT_EQ(calls[1].index, 386);
  EXPECT_EQ(calls[1].value, 240);
  EXPECT_EQ(calls[2].value, 0xFF00);
  EXPECT_EQ(calls[3].data, &marker);
  EXPECT_EQ(calls[3].value, 4);
  EXPECT_EQ(calls[3].index, 2);
  EXPECT_EQ(calls[4].index, 1);
  EXPECT_EQ(calls[4].value, 6);
  EXPECT_EQ(calls[5].index, 1);
  EXPECT_EQ(calls[5].value, 2);
  EXPECT_EQ(calls[5].scalar, 0.25f);
  EXPECT_EQ(calls[6].request, 30);
  EXPECT_EQ(calls[6].scalar, 22050.0f);
  EXPECT_EQ(calls[7].request, 6);
  EXPECT_EQ(calls[7].value, 9);
  EXPECT_EQ(calls[8].request, 43);
  EXPECT_EQ(calls[8].index, 17);
  EXPECT_EQ(calls[9].request, 44);
  EXPECT_EQ(calls[9].index, 33);
}

TEST(HostRequests, AutomationNoticeFollowsTheStoredValue) {
  RecordingHost host;
  SpyEffect effect(host.callback());
  effect.writeParameterAndNotify(18, 0.0f);
  EXPECT_EQ(effect.log, (std::vector<std::string>{"write 18 0.000000"}));
  ASSERT_EQ(host.calls().size(), 1u);
  EXPECT_EQ(host.calls()[0].request, 0);
  EXPECT_EQ(host.calls()[0].index, 18);
  EXPECT_EQ(host.calls()[0].scalar, 0.0f);

  SpyEffect alone(nullptr);
  alone.writeParameterAndNotify(2, 0.75f);
  EXPECT_EQ(alone.log, (std::vector<std::string>{"write 2 0.750000"}));
}

TEST(HostRequests, IdleIsSentWithTheEffectsRecord) {
  RecordingHost host;
  SpyEffect effect(host.callback());
  effect.askHostIdle();
  ASSERT_EQ(host.callsOf(3).size(), 1u);
  EXPECT_EQ(host.callsOf(3)[0].record, effect.record());
}
