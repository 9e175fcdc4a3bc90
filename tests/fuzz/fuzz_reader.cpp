// FuzzReader's decoding. Most choices spend one byte on whether to read a raw value, so mutations of
// single bytes still reach every edge.
#include "tests/fuzz/fuzz_reader.h"

#include <cstring>

namespace {

// Of 256, this many choices take the usual range; the rest read raw bits.
constexpr uint8_t kUsual = 200;

} // namespace

uint8_t FuzzReader::byte() { return position_ < size_ ? data_[position_++] : 0; }

uint16_t FuzzReader::word() { return static_cast<uint16_t>(byte() | byte() << 8); }

int32_t FuzzReader::rawInteger() {
  uint32_t bits = 0;
  for (int32_t shift = 0; shift < 32; shift += 8) bits |= static_cast<uint32_t>(byte()) << shift;
  return static_cast<int32_t>(bits);
}

int32_t FuzzReader::index() {
  const uint8_t choice = byte();
  return choice < kUsual ? choice % 40 - 3 : rawInteger();
}

int32_t FuzzReader::opcode() {
  const uint8_t choice = byte();
  return choice < kUsual ? choice % 76 - 5 : rawInteger();
}

float FuzzReader::scalar() {
  if (byte() < kUsual) return static_cast<float>(word()) / 65535.0f;
  const int32_t bits = rawInteger();
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

double FuzzReader::timeValue(const double* usual, int32_t count) {
  const uint8_t choice = byte();
  if (choice < kUsual) return usual[choice % count];
  uint64_t bits = static_cast<uint32_t>(rawInteger());
  bits |= static_cast<uint64_t>(static_cast<uint32_t>(rawInteger())) << 32;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}
