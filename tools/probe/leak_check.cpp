// The batches of a leak check and the census between them.
#include "tools/probe/leak_check.h"

#include <cstdlib>

#include "tools/probe/resource_census.h"

namespace {

// Seen under load: the platform's objects come in one or two jumps in a process's life, a leak in every
// batch.
constexpr int32_t kMaxBatches = 5;
// Seen: up to 6 of the platform's own objects in a run; a leak that filled the handle table (65536
// entries) added thousands.
constexpr int32_t kPlatformAllowance = 32;

ResourceCounts countNow() { return {liveGdiObjects(), liveWindows(), liveMenus()}; }

ResourceCounts difference(const ResourceCounts& after, const ResourceCounts& before) {
  return {after.gdiObjects - before.gdiObjects, after.windows - before.windows, after.menus - before.menus};
}

bool isLevel(const ResourceCounts& change) {
  return change.gdiObjects == 0 && change.windows == 0 && change.menus == 0;
}

std::string describe(const ResourceCounts& change) {
  const auto signedCount = [](int32_t count) { return (count > 0 ? "+" : "") + std::to_string(count); };
  return "GDI objects " + signedCount(change.gdiObjects) + ", windows " + signedCount(change.windows) +
         ", menus " + signedCount(change.menus);
}

} // namespace

bool LeakCheck::passed() const {
  const auto small = [](int32_t change) { return std::abs(change) < kPlatformAllowance; };
  return isLevel(lastBatchChange) && small(totalChange.gdiObjects) && small(totalChange.windows) &&
         small(totalChange.menus);
}

std::string LeakCheck::description() const {
  return std::to_string(batches) + " batches of " + std::to_string(roundsPerBatch) +
         " rounds; the last: " + describe(lastBatchChange) + "; all: " + describe(totalChange);
}

LeakCheck repeatUntilLevel(int32_t roundsPerBatch, const std::function<void()>& round) {
  LeakCheck check;
  check.roundsPerBatch = roundsPerBatch;
  round();
  const ResourceCounts first = countNow();
  ResourceCounts before = first;
  do {
    for (int32_t i = 0; i < roundsPerBatch; ++i) round();
    const ResourceCounts after = countNow();
    check.lastBatchChange = difference(after, before);
    check.totalChange = difference(after, first);
    before = after;
  } while (++check.batches < kMaxBatches && !isLevel(check.lastBatchChange));
  return check;
}
