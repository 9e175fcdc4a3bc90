// Programs across host threads, at the highest strictness only: a host selecting programs from its UI
// thread while program changes arrive on another changes no stored program and leaves every live value the
// current program's, and a rename on one thread while another fetches names gives only whole names.
#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "tools/gatehost/validation_groups.h"
#include "tools/gatehost/validation_support.h"

namespace {

constexpr int32_t kRounds = 20000;
const std::string kNames[] = {"Four on the floor, long", "Hat"};

// Every value of every program differs from every other.
float programValue(int32_t program, int32_t index) {
  return static_cast<float>(program * kParameters + index + 1) / 1024.0f;
}

// Runs `own` on this thread while another thread calls `other` over and over until `own` is done, so the
// two overlap for all of `own`. Only this thread may count checks.
void runAlongside(const std::function<void()>& own, const std::function<void(int32_t)>& other) {
  std::atomic<bool> started{false}, finished{false};
  std::thread thread([&] {
    started = true;
    for (int32_t n = 0; !finished.load(); ++n) other(n);
  });
  while (!started.load()) std::this_thread::yield();
  own();
  finished = true;
  thread.join();
}

// How many of the 34 values `host` reads differ from the ones `program` was given.
int32_t valuesNotOf(PluginHost& host, int32_t program) {
  int32_t differing = 0;
  for (int32_t index = 0; index < kParameters; ++index)
    differing += host.readParameter(index) == programValue(program, index) ? 0 : 1;
  return differing;
}

void selectOnTwoThreads(Validator& validator) {
  PluginHost host(validator.library());
  if (!validator.check(host.record() != nullptr, "main returned no record")) return;
  for (int32_t program = 0; program < kPrograms; ++program) {
    host.selectProgram(program);
    for (int32_t index = 0; index < kParameters; ++index)
      host.writeParameter(index, programValue(program, index));
  }
  runAlongside(
      [&] {
        for (int32_t n = 0; n < kRounds; ++n) host.selectProgram(n % 2 == 0 ? 3 : 5);
      },
      [&](int32_t n) { host.selectProgram(n % 2 == 0 ? 7 : 9); });
  const int32_t current = host.currentProgram();
  const int32_t mixed = valuesNotOf(host, current);
  validator.check(mixed == 0, "after two threads selected programs at once, " + std::to_string(mixed) +
                                  " live values were not those of the current program " +
                                  std::to_string(current));
  for (int32_t program = 0; program < kPrograms; ++program) {
    host.selectProgram(program);
    const int32_t changed = valuesNotOf(host, program);
    validator.check(changed == 0, "two threads selecting programs changed " + std::to_string(changed) +
                                      " values of program " + std::to_string(program));
  }
}

void renameWhileFetching(Validator& validator) {
  PluginHost host(validator.library());
  if (!validator.check(host.record() != nullptr, "main returned no record")) return;
  const auto rename = [&host](const std::string& name) {
    std::string text = name;
    host.dispatch(Opcode::RenameProgram, 0, 0, text.data());
  };
  rename(kNames[0]);
  int32_t torn = 0;
  runAlongside(
      [&] {
        for (int32_t n = 0; n < kRounds; ++n) {
          const std::string name = fetchProgramName(validator, host);
          torn += name == kNames[0] || name == kNames[1] ? 0 : 1;
        }
      },
      [&](int32_t n) { rename(kNames[n % 2]); });
  validator.check(torn == 0, std::to_string(torn) + " of " + std::to_string(kRounds) +
                                 " names fetched during renames were neither the old nor the new name");
}

} // namespace

void validateProgramThreads(Validator& validator) {
  selectOnTwoThreads(validator);
  renameWhileFetching(validator);
}
