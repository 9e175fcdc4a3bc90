// PluginHost: one effect instance driven the way a host drives it — created through `main`, answered
// through the callback, and closed with opcode 1. Commands and tests build on it.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "host/opcodes.h"
#include "host/plugin_record.h"
#include "tools/gatehost/plugin_library.h"

struct AutomationNotice {
  int32_t index;
  float value;
};

// A request 15: the editor asked for its window to be made this size.
struct ResizeRequest {
  int32_t width;
  int32_t height;
};

// A change (request 0) or the begin (43) or end (44) of a gesture around changes, in the order received.
struct EditNotice {
  HostRequest request;
  int32_t index;
  float value;
};

class PluginHost {
public:
  static constexpr intptr_t kHostVersion = 2400;

  // Creates an instance; `record()` is null when `main` refused.
  explicit PluginHost(const PluginLibrary& library);
  ~PluginHost();

  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;

  PluginRecord* record() const { return record_; }
  // Answers 0 once the effect is closed.
  intptr_t dispatch(Opcode opcode, int32_t index = 0, intptr_t value = 0, void* data = nullptr,
                    float scalar = 0.0f);
  // Closes the effect with opcode 1; the record is gone afterwards.
  void close();
  // Runs on every idle request (3), as a host that handles its own messages, timers among them, while
  // an editor's drag asks it for idle.
  void onIdleRequest(std::function<void()> handler) { idleHandler_ = std::move(handler); }
  // Requests of any host's effect after it was closed (every one a fault), in this process.
  static int32_t requestsAfterClose();

  std::string programName();
  std::string parameterName(int32_t index);
  std::string parameterText(int32_t index);
  std::string parameterUnit(int32_t index);
  void writeParameter(int32_t index, float value);
  float readParameter(int32_t index);
  void selectProgram(int32_t program);
  int32_t currentProgram();

  void processOverwriting(float** inputs, float** outputs, int32_t frames);
  void processAccumulating(float** inputs, float** outputs, int32_t frames);

  // The time record answered to request 7; the host advances it between blocks.
  HostTimeInfo& time() { return time_; }
  // Answer request 7 with no record at all.
  void withholdTime(bool withhold) { withholdTime_ = withhold; }
  // Who makes room for the editor on request 15, on the thread that asks; without one, or while
  // refusing, the request is answered 0 (this host cannot resize).
  void setResizer(std::function<void(int32_t width, int32_t height)> resizer) {
    resizer_ = std::move(resizer);
  }
  void refuseResizing(bool refuse) { refuseResizing_ = refuse; }
  std::vector<ResizeRequest> resizeRequests() const;
  // A copy: the callback may be adding notices from another thread meanwhile.
  std::vector<AutomationNotice> automation() const;
  std::vector<EditNotice> editNotices() const;
  int32_t idleRequests() const { return idleRequests_.load(); }
  int32_t timeRequests() const { return timeRequests_.load(); }
  // Counts every request the effect has sent; other threads may read it to see that the effect moved on.
  int32_t requestCount() const { return requestCount_.load(); }

private:
  static intptr_t PLUGIN_CDECL receive(PluginRecord* record, int32_t request, int32_t index, intptr_t value,
                                       void* data, float scalar);
  intptr_t answer(HostRequest request, int32_t index, intptr_t value, float scalar);
  std::string text(Opcode opcode, int32_t index);

  PluginRecord* record_ = nullptr;
  HostTimeInfo time_{};
  bool withholdTime_ = false;
  std::function<void(int32_t, int32_t)> resizer_;
  bool refuseResizing_ = false;
  std::function<void()> idleHandler_;
  // What the callback records is shared: a host may call the effect from several threads at once.
  mutable std::mutex automationLock_;
  std::vector<EditNotice> editNotices_;
  std::vector<ResizeRequest> resizeRequests_;
  std::atomic<int32_t> idleRequests_{0};
  std::atomic<int32_t> timeRequests_{0};
  std::atomic<int32_t> requestCount_{0};
};
