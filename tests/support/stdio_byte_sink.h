// A disc image written to an open C file, for the test tools and benchmarks that write real
// images natively (the program itself writes through its file module).
#pragma once

#include <cstdio>

#include "core/disc_image.h"

namespace testing_support {

class StdioByteSink : public core::disc::ByteSink {
 public:
  explicit StdioByteSink(std::FILE* f) : f_(f) {}
  bool Write(const uint8_t* data, size_t size) override {
    return std::fwrite(data, 1, size, f_) == size;
  }

 private:
  std::FILE* f_;
};

}  // namespace testing_support
