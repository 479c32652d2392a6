// Little-endian byte streams for the project file. The reader never reads past the end: a
// short read is a failed read and leaves the destination untouched. Strings are UTF-8 in memory
// and stored as StoredText says (the code page where it holds them, else marked UTF-8).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/stored_text.h"

namespace core {

class ByteWriter {
 public:
  void Byte(uint8_t value) { bytes_.push_back(value); }
  void Bool(bool value) { Byte(value ? 1 : 0); }
  void Int32(int32_t value) { UInt32(static_cast<uint32_t>(value)); }
  void UInt32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) Byte(static_cast<uint8_t>(value >> shift));
  }
  void String(const std::string& text) {
    const std::string stored = StoredText(text);
    Int32(static_cast<int32_t>(stored.size()));
    bytes_.insert(bytes_.end(), stored.begin(), stored.end());
  }
  std::vector<uint8_t>& Bytes() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), left_(size) {}

  bool Byte(uint8_t& value) {
    if (left_ < 1) return false;
    value = *data_;
    Advance(1);
    return true;
  }
  bool Bool(bool& value) {
    uint8_t raw = 0;
    if (!Byte(raw)) return false;
    value = raw != 0;
    return true;
  }
  bool UInt32(uint32_t& value) {
    if (left_ < 4) return false;
    value = static_cast<uint32_t>(data_[0]) | static_cast<uint32_t>(data_[1]) << 8 |
            static_cast<uint32_t>(data_[2]) << 16 | static_cast<uint32_t>(data_[3]) << 24;
    Advance(4);
    return true;
  }
  bool Int32(int32_t& value) {
    uint32_t raw = 0;
    if (!UInt32(raw)) return false;
    value = static_cast<int32_t>(raw);
    return true;
  }
  // A length that is negative or larger than what remains is a failed read: nothing is
  // allocated for it.
  bool String(std::string& text) {
    if (left_ < 4) return false;
    const ByteReader saved = *this;
    int32_t length = 0;
    Int32(length);
    if (length < 0 || static_cast<size_t>(length) > left_) {
      *this = saved;
      return false;
    }
    text = TextOfStored({reinterpret_cast<const char*>(data_), static_cast<size_t>(length)});
    Advance(static_cast<size_t>(length));
    return true;
  }

 private:
  void Advance(size_t n) {
    data_ += n;
    left_ -= n;
  }

  const uint8_t* data_;
  size_t left_;
};

}  // namespace core
