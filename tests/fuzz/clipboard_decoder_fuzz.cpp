// Feeds arbitrary bytes to the decoder of the clipboard's objects, with the sanitizers watching:
// whatever the input, it yields nothing or whole objects that no panel holds yet, and what it
// yields encodes to data that decodes to the very same objects.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/clipboard_objects.h"

namespace {

std::vector<uint8_t> Encoded(core::ObjectList objects) {
  core::AutoFormType project;
  project.Objects = std::move(objects);
  for (const auto& object : project.Objects) {
    if (!object->Control || object->Control->Parent() != nullptr) std::abort();
    object->Selected = true;
  }
  return core::EncodeSelectedObjects(project);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  core::ObjectList objects = core::DecodeObjects(data, size);
  if (objects.empty()) return 0;
  const size_t count = objects.size();
  const std::vector<uint8_t> once = Encoded(std::move(objects));
  core::ObjectList again = core::DecodeObjects(once.data(), once.size());
  if (again.size() != count || Encoded(std::move(again)) != once) std::abort();
  return 0;
}
