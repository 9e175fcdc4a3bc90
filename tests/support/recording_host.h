// A host callback for tests: records every request and answers from a table the test fills.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "host/plugin_record.h"

struct HostCall {
  PluginRecord* record;
  int32_t request;
  int32_t index;
  intptr_t value;
  void* data;
  float scalar;
};

class RecordingHost {
public:
  RecordingHost();
  ~RecordingHost();

  HostCallback callback() const { return &RecordingHost::receive; }
  void answer(int32_t request, intptr_t result) { answers_[request] = result; }
  const std::vector<HostCall>& calls() const { return calls_; }
  std::vector<HostCall> callsOf(int32_t request) const;
  void clear() { calls_.clear(); }

private:
  static intptr_t PLUGIN_CDECL receive(PluginRecord* record, int32_t request, int32_t index, intptr_t value,
                                       void* data, float scalar);
  std::map<int32_t, intptr_t> answers_;
  std::vector<HostCall> calls_;
};
