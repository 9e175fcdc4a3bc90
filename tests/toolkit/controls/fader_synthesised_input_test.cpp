// Checks a gate step fader in a root view dragged with input synthesised from a second thread: the
// fader reports rising values while the pointer moves up, and nothing more once the button is released.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>

#include "tests/toolkit/controls/edit_log.h"
#include "tests/toolkit/controls/fader_scene.h"
#include "tests/toolkit/support/host_window.h"
#include "tests/toolkit/support/synthesised_actions.h"
#include "toolkit/graphics/root_view.h"

namespace {

// A failing test must not hang: every wait gives up after this long.
constexpr auto kPatience = std::chrono::seconds(5);
// The test's thread outwaits every wait the input thread gives up on a fault.
constexpr uint32_t kPumpPatienceMilliseconds = 20000;

// What the tracking loop and the pump around it (on the test's thread) and the input thread tell each other.
struct DragProgress {
  std::mutex mutex;
  std::condition_variable changed;
  int32_t passes = 0;
  int32_t reports = 0;
  int32_t pumpsLeft = 0;

  void count(int32_t& counter) {
    {
      std::lock_guard<std::mutex> lock(mutex);
      ++counter;
    }
    changed.notify_all();
  }
  bool waitFor(const int32_t& counter, int32_t atLeast) {
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, kPatience, [&] { return counter >= atLeast; });
  }
};

class ReportingFader final : public Fader {
public:
  ReportingFader(DragProgress& progress, ValueListener* listener, Pixmap* handle, Pixmap* track)
      : Fader(kGateFaderSize, listener, 7, kGateTop, kGateBottom, handle, track, Point(0, 0),
              faderOriginBottom),
        progress_(progress) {}
  void requestRefresh() override {
    progress_.count(progress_.passes);
    Fader::requestRefresh();
  }

private:
  DragProgress& progress_;
};

TEST(FaderSynthesisedInput, DraggedUpReportsRisingValuesAndStopsAtRelease) {
  HostWindow host(60, 220);
  RootView root(Rect(0, 0, 60, 220), host.handle(), nullptr);
  HeldPixmap handle(kFaderHandleBitmap);
  HeldPixmap track(kFaderTrackBitmap);
  DragProgress progress;
  EditLog log;
  log.onEdit = [&](Canvas*, ValueWidget*) { progress.count(progress.reports); };
  auto* fader = root.addWidget(std::make_unique<ReportingFader>(progress, &log, handle.get(), track.get()));
  fader->setHandleOrigin(Point(1, 0));
  fader->putValue(0.0f);
  // Value 0 puts the handle from y 170 to 182; pressed at its middle, the press itself maps back to 0.
  root.redrawWidget(fader);
  handlePendingMessages();

  constexpr int32_t kMoves = 5;
  std::atomic<bool> releaseSent{false};
  bool inputThreadKeptUp = false;
  int32_t reportsAtRelease = -1;
  HWND window = root.windowHandle();
  // Each move is waited for until it has fully arrived, so no late echo of one puts the pointer back.
  std::thread input([&] {
    bool keptUp = movePointerTo(window, Point(17, 176));
    pressLeftButton();
    keptUp = keptUp && progress.waitFor(progress.passes, 1);
    for (int32_t move = 1; move <= kMoves && keptUp; ++move)
      keptUp = movePointerTo(window, Point(17, 176 - 10 * move)) && progress.waitFor(progress.reports, move);
    {
      std::lock_guard<std::mutex> lock(progress.mutex);
      reportsAtRelease = progress.reports;
    }
    inputThreadKeptUp = keptUp;
    releaseLeftButton();
    releaseSent = true;
    // A loop that misses the release holds the test's thread inside the press for ever: only ending the
    // process ends the test then.
    if (!progress.waitFor(progress.pumpsLeft, 1)) {
      ADD_FAILURE() << "the fader's loop went on after the release";
      std::fflush(stdout);
      std::_Exit(EXIT_FAILURE);
    }
  });
  // The press message enters the fader's loop, which runs until the release.
  const bool pumpKeptUp = handleMessagesUntil([&] { return releaseSent.load(); }, kPumpPatienceMilliseconds);
  progress.count(progress.pumpsLeft);
  input.join();
  handlePendingMessages();

  ASSERT_TRUE(pumpKeptUp);
  ASSERT_TRUE(inputThreadKeptUp);
  EXPECT_EQ(reportsAtRelease, kMoves);
  const std::vector<float> values = log.values();
  ASSERT_EQ(values.size(), static_cast<size_t>(kMoves));
  for (size_t i = 1; i < values.size(); ++i) EXPECT_GT(values[i], values[i - 1]) << "report " << i;
  // 50 pixels up from the bottom of the 67-pixel travel, give or take the pointer's rounding.
  EXPECT_NEAR(values.back(), 50.0f / 67.0f, 1.5f / 67.0f);
}

} // namespace
