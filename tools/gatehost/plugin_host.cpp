// The callback has no context argument, so instances are found by their record; the version request
// that `main` sends before any record exists is answered for every host alike.
#include "tools/gatehost/plugin_host.h"

#include <cstring>
#include <map>
#include <mutex>

namespace {

std::mutex registryLock;
std::atomic<int32_t> strayRequests{0};
std::map<PluginRecord*, PluginHost*>& registry() {
  static std::map<PluginRecord*, PluginHost*> hosts;
  return hosts;
}

PluginHost* hostOf(PluginRecord* record) {
  std::lock_guard<std::mutex> guard(registryLock);
  const auto found = registry().find(record);
  return found != registry().end() ? found->second : nullptr;
}

// Room for any text an effect writes; more than the 8 characters and terminator the interface promises.
constexpr size_t kTextBufferSize = 256;

} // namespace

PluginHost::PluginHost(const PluginLibrary& library) {
  time_.sampleRate = 44100.0;
  time_.tempo = 120.0;
  if (!library.loaded()) return;
  record_ = library.entry()(&PluginHost::receive);
  if (record_ == nullptr) return;
  std::lock_guard<std::mutex> guard(registryLock);
  registry()[record_] = this;
}

PluginHost::~PluginHost() { close(); }

void PluginHost::close() {
  if (record_ == nullptr) return;
  record_->dispatchFn(record_, static_cast<int32_t>(Opcode::Close), 0, 0, nullptr, 0.0f);
  std::lock_guard<std::mutex> guard(registryLock);
  registry().erase(record_);
  record_ = nullptr;
}

intptr_t PluginHost::dispatch(Opcode opcode, int32_t index, intptr_t value, void* data, float scalar) {
  if (record_ == nullptr) return 0;
  return record_->dispatchFn(record_, static_cast<int32_t>(opcode), index, value, data, scalar);
}

intptr_t PLUGIN_CDECL PluginHost::receive(PluginRecord* record, int32_t request, int32_t index,
                                          intptr_t value, void*, float scalar) {
  if (static_cast<HostRequest>(request) == HostRequest::Version) return kHostVersion;
  PluginHost* host = hostOf(record);
  if (host == nullptr) {
    // `main` asks nothing else before it hands out the record, which stays registered until the close.
    ++strayRequests;
    return 0;
  }
  return host->answer(static_cast<HostRequest>(request), index, value, scalar);
}

int32_t PluginHost::requestsAfterClose() { return strayRequests.load(); }

intptr_t PluginHost::answer(HostRequest request, int32_t index, intptr_t value, float scalar) {
  ++requestCount_;
  switch (request) {
  case HostRequest::ParameterEdited:
  case HostRequest::BeginEdit:
  case HostRequest::EndEdit: {
    std::lock_guard<std::mutex> guard(automationLock_);
    editNotices_.push_back({request, index, scalar});
    return 0;
  }
  case HostRequest::Idle:
    ++idleRequests_;
    if (idleHandler_) idleHandler_();
    return 0;
  case HostRequest::TimeInfo:
    ++timeRequests_;
    return withholdTime_ ? 0 : reinterpret_cast<intptr_t>(&time_);
  case HostRequest::ResizeWindow: {
    const int32_t height = static_cast<int32_t>(value);
    {
      std::lock_guard<std::mutex> guard(automationLock_);
      resizeRequests_.push_back({index, height});
    }
    if (refuseResizing_ || !resizer_) return 0;
    resizer_(index, height);
    return 1;
  }
  default:
    return 0;
  }
}

std::vector<AutomationNotice> PluginHost::automation() const {
  std::vector<AutomationNotice> changes;
  for (const EditNotice& notice : editNotices())
    if (notice.request == HostRequest::ParameterEdited) changes.push_back({notice.index, notice.value});
  return changes;
}

std::vector<ResizeRequest> PluginHost::resizeRequests() const {
  std::lock_guard<std::mutex> guard(automationLock_);
  return resizeRequests_;
}

std::vector<EditNotice> PluginHost::editNotices() const {
  std::lock_guard<std::mutex> guard(automationLock_);
  return editNotices_;
}

std::string PluginHost::text(Opcode opcode, int32_t index) {
  char buffer[kTextBufferSize] = {};
  dispatch(opcode, index, 0, buffer);
  buffer[kTextBufferSize - 1] = '\0';
  return buffer;
}

std::string PluginHost::programName() { return text(Opcode::ProgramName, 0); }
std::string PluginHost::parameterName(int32_t index) { return text(Opcode::ParameterName, index); }
std::string PluginHost::parameterText(int32_t index) { return text(Opcode::ParameterValueText, index); }
std::string PluginHost::parameterUnit(int32_t index) { return text(Opcode::ParameterUnit, index); }

void PluginHost::writeParameter(int32_t index, float value) {
  record_->writeParameterFn(record_, index, value);
}
float PluginHost::readParameter(int32_t index) { return record_->readParameterFn(record_, index); }
void PluginHost::selectProgram(int32_t program) { dispatch(Opcode::SelectProgram, 0, program); }
int32_t PluginHost::currentProgram() { return static_cast<int32_t>(dispatch(Opcode::CurrentProgram)); }

void PluginHost::processOverwriting(float** inputs, float** outputs, int32_t frames) {
  record_->overwriteFn(record_, inputs, outputs, frames);
}

void PluginHost::processAccumulating(float** inputs, float** outputs, int32_t frames) {
  record_->accumulateFn(record_, inputs, outputs, frames);
}
