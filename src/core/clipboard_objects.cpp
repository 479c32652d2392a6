// Encoding and decoding the clipboard's object lists with the project file's own object blocks.
#include "core/clipboard_objects.h"

#include "core/byte_stream.h"
#include "core/project_file.h"
#include "core/project_ops.h"

namespace core {

std::vector<uint8_t> EncodeSelectedObjects(const AutoFormType& project) {
  ByteWriter out;
  out.UInt32(kObjectsSignature);
  out.Int32(0);  // the count, known at the end
  uint32_t count = 0;
  for (const auto& object : project.Objects) {
    if (!object->Selected) continue;
    if (!WriteObjectBlock(out, *object)) return {};
    ++count;
  }
  if (count == 0) return {};
  std::vector<uint8_t>& bytes = out.Bytes();
  for (int i = 0; i < 4; ++i) bytes[4 + i] = static_cast<uint8_t>(count >> (8 * i));
  return std::move(bytes);
}

ObjectList DecodeObjects(const uint8_t* data, size_t size) {
  ByteReader in(data, size);
  uint32_t signature = 0;
  int32_t count = 0;
  ObjectList objects;
  if (!in.UInt32(signature) || signature != kObjectsSignature || !in.Int32(count)) return objects;
  for (int32_t i = 0; i < count; ++i) {
    objects.push_back(std::make_unique<AutoObjectType>());
    if (!ReadObjectBlock(in, *objects.back())) return {};
  }
  return objects;
}

std::string SelectedCaptions(const AutoFormType& project) {
  std::string text;
  for (const auto& object : project.Objects) {
    if (!object->Selected) continue;
    const auto* label = LabelOf(*object);
    const auto* button = ButtonOf(*object);
    if (label || button) text.append(label ? label->Caption : button->Caption).append("\r\n", 2);
  }
  return text;
}

}  // namespace core
