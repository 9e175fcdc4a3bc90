// One recording host is live at a time: the callback has no context argument to find it by.
#include "tests/support/recording_host.h"

namespace {
RecordingHost* current = nullptr;
}

RecordingHost::RecordingHost() { current = this; }

RecordingHost::~RecordingHost() {
  if (current == this) current = nullptr;
}

std::vector<HostCall> RecordingHost::callsOf(int32_t request) const {
  std::vector<HostCall> selected;
  for (const HostCall& call : calls_)
    if (call.request == request) selected.push_back(call);
  return selected;
}

intptr_t PLUGIN_CDECL RecordingHost::receive(PluginRecord* record, int32_t request, int32_t index,
                                             intptr_t value, void* data, float scalar) {
  if (current == nullptr) return 0;
  current->calls_.push_back({record, request, index, value, data, scalar});
  const auto found = current->answers_.find(request);
  return found != current->answers_.end() ? found->second : 0;
}
