// Feeds arbitrary bytes to the project file reader, with the sanitizers watching: whatever the
// input, the reader must end in success or one reported failure, and leave a model whose every
// listed object has its control on the inner panel.
#include <cstdint>
#include <cstdlib>

#include "core/project_file.h"
#include "fake_desktop.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  testing_support::TestApp t;
  const bool ok = core::DecodeProject(t.app, data, size);
  if (!ok && t.platform.messages.size() > 1) std::abort();
  const auto& objects = t.app.Project.Objects;
  if (objects.size() != t.panel1.Children().size()) std::abort();
  for (size_t i = 0; i < objects.size(); ++i) {
    if (!objects[i]->Control || objects[i]->Control->Parent() != &t.panel1) std::abort();
    if (objects[i]->Control->Tag != static_cast<int32_t>(i)) std::abort();
  }
  return 0;
}
