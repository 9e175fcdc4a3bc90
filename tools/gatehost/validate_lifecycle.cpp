// Instances one after another, many alive at once, and several threads creating and destroying their own:
// every record must be whole, and instances must not share their values.
#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

#include "tools/gatehost/validation_groups.h"
#include "tools/gatehost/validation_support.h"

namespace {

constexpr int32_t kSequentialInstances = 200;
constexpr int32_t kSimultaneousInstances = 32;
constexpr int32_t kThreads = 4;
constexpr int32_t kInstancesPerThread = 25;

// The record fields every host reads before anything else.
bool wholeRecord(const PluginRecord* record) {
  return record != nullptr && record->signature == kPluginSignature && record->dispatchFn != nullptr &&
         record->accumulateFn != nullptr && record->overwriteFn != nullptr &&
         record->writeParameterFn != nullptr && record->readParameterFn != nullptr &&
         record->effectObject != nullptr && record->programCount == 16 && record->parameterCount == 34 &&
         record->inputCount == 2 && record->outputCount == 2;
}

// The states a host may leave an instance in when it closes it.
void driveToState(PluginHost& host, int32_t state) {
  if (state >= 1) host.dispatch(Opcode::Open);
  if (state >= 2) host.dispatch(Opcode::Activation, 0, 1);
  if (state >= 3) host.dispatch(Opcode::Activation, 0, 0);
}

} // namespace

void validateLifecycle(Validator& validator) {
  for (int32_t n = 0; n < validator.scaled(kSequentialInstances); ++n) {
    PluginHost host(validator.library());
    if (!validator.check(wholeRecord(host.record()), "instance " + std::to_string(n) + ": record not whole"))
      continue;
    driveToState(host, n % 4);
  }

  std::vector<std::unique_ptr<PluginHost>> alive;
  for (int32_t n = 0; n < validator.scaled(kSimultaneousInstances); ++n) {
    alive.push_back(std::make_unique<PluginHost>(validator.library()));
    if (validator.check(wholeRecord(alive.back()->record()), "simultaneous instance: record not whole"))
      alive.back()->writeParameter(n % 32, static_cast<float>(n) / 64.0f);
    else
      alive.pop_back();
  }
  for (size_t n = 0; n < alive.size(); ++n)
    validator.check(alive[n]->readParameter(static_cast<int32_t>(n % 32)) == static_cast<float>(n) / 64.0f,
                    "simultaneous instance " + std::to_string(n) + " lost its value to another");
  std::shuffle(alive.begin(), alive.end(), validator.random());
  alive.clear();

  std::atomic<int32_t> broken{0};
  std::vector<std::thread> threads;
  const int32_t perThread = validator.scaled(kInstancesPerThread);
  for (int32_t t = 0; t < kThreads; ++t)
    threads.emplace_back([&validator, &broken, perThread, t] {
      for (int32_t n = 0; n < perThread; ++n) {
        PluginHost host(validator.library());
        if (!wholeRecord(host.record())) {
          ++broken;
          continue;
        }
        host.writeParameter(t, 0.25f);
        if (host.readParameter(t) != 0.25f) ++broken;
        driveToState(host, n % 4);
      }
    });
  for (std::thread& thread : threads) thread.join();
  validator.check(broken.load() == 0, std::to_string(broken.load()) +
                                          " instances created on several threads at once were broken");
}
