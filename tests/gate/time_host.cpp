// One time host is live at a time: the callback has no context argument to find it by.
#include "tests/gate/time_host.h"

#include "host/opcodes.h"

namespace {
TimeHost* current = nullptr;
}

TimeHost::TimeHost() { current = this; }

TimeHost::~TimeHost() {
  if (current == this) current = nullptr;
}

intptr_t PLUGIN_CDECL TimeHost::receive(PluginRecord*, int32_t request, int32_t, intptr_t value, void*,
                                        float) {
  if (current == nullptr) return 0;
  if (request != static_cast<int32_t>(HostRequest::TimeInfo)) {
    ++current->otherRequests_;
    return 0;
  }
  ++current->timeRequests_;
  current->lastTimeMask_ = static_cast<int32_t>(value);
  return reinterpret_cast<intptr_t>(current->time_);
}

HostTimeInfo timeAt(double sampleRate, double quarterNotes, double tempo) {
  HostTimeInfo time{};
  time.sampleRate = sampleRate;
  time.quarterNotePosition = quarterNotes;
  time.tempo = tempo;
  return time;
}
