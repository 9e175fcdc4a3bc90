// FuzzReader: takes numbers off the fuzzer's bytes, mostly as values the effect cares about (small
// indices, opcodes near the known ones, values within 0 to 1) and sometimes as raw bits; 0 once the
// bytes run out, so every input is a whole run.
#pragma once

#include <cstddef>
#include <cstdint>

class FuzzReader {
public:
  FuzzReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool empty() const { return position_ >= size_; }
  uint8_t byte();
  uint16_t word();
  int32_t rawInteger();
  // Usually -3 to 36 (around the 34 parameters and 16 programs), otherwise any 32-bit integer.
  int32_t index();
  // Usually -5 to 70 (the opcodes and beyond), otherwise any 32-bit integer.
  int32_t opcode();
  // Usually within 0 to 1, otherwise any 32-bit pattern: NaN, infinities, subnormals.
  float scalar();
  // Usually a musical value from a table, otherwise any 64-bit pattern.
  double timeValue(const double* usual, int32_t count);

private:
  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
};
