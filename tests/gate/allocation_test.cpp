// Checks that neither processing entry allocates memory: this executable's global operator new counts
// every allocation, and the count must not move across a processing call.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/gate/gate_fixture.h"

namespace {
std::atomic<int64_t> allocations{0};
} // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

TEST(StepGateRealTime, ProcessingAllocatesNothing) {
  TimeHost host;
  auto gate = makeGate(host);
  gate->writeParameter(BarWidthParameter, 1.0f);
  StereoBlock block = noiseBlock(50000, 3);
  const HostTimeInfo time = timeAt(44100.0, 2.5, 128.0);
  const HostTimeInfo noTempo = timeAt(44100.0, 2.5, 0.0);

  const int64_t before = allocations.load();
  // The counter itself must see allocations, or the check below proves nothing.
  int* volatile probe = new int(1);
  delete probe;
  ASSERT_EQ(allocations.load(), before + 1);

  const int64_t start = allocations.load();
  host.answerTime(&time);
  gate->processOverwriting(block.pointers(), block.pointers(), 50000);
  host.answerTime(&noTempo);
  gate->processOverwriting(block.pointers(), block.pointers(), 4096);
  host.answerTime(nullptr);
  gate->processOverwriting(block.pointers(), block.pointers(), 512);
  gate->processAccumulating(block.pointers(), block.pointers(), 50000);
  gate->meterLevel();
  EXPECT_EQ(allocations.load(), start);
}
