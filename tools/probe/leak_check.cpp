// The batches of a leak check and the census between them.
#include "tools/probe/leak_check.h"

#include "tools/probe/resource_census.h"

namespace {

// Seen under load: the platform's objects come in one or two jumps in a process's life, a leak in every
// batch.
constexpr int32_t kMaxBatches = 5;

ResourceCounts countNow() { return {liveGdiObjects(), liveWindows(), liveMenus()}; }

std::string signedCount(int32_t count) { return (count > 0 ? "+" : "") + std::to_string(count); }

} // namespace

std::string LeakCheck::description() const {
  return std::to_string(batches) + " batches of " + std::to_string(roundsPerBatch) +
         " rounds, the last changing GDI objects by " + signedCount(change.gdiObjects) + ", windows by " +
         signedCount(change.windows) + " and menus by " + signedCount(change.menus);
}

LeakCheck repeatUntilLevel(int32_t roundsPerBatch, const std::function<void()>& round) {
  LeakCheck check;
  check.roundsPerBatch = roundsPerBatch;
  round();
  ResourceCounts before = countNow();
  do {
    for (int32_t i = 0; i < roundsPerBatch; ++i) round();
    const ResourceCounts after = countNow();
    check.change = {after.gdiObjects - before.gdiObjects, after.windows - before.windows,
                    after.menus - before.menus};
    before = after;
  } while (++check.batches < kMaxBatches && !check.level());
  return check;
}
