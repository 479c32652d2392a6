// Writes the project reader fuzzer's seed corpus: the writer's own output for an empty project,
// the sample project with one object of each kind, and a larger one; and, into a second folder
// when one is given, the clipboard decoder's: those objects as Copy encodes them.
#include <cstdio>
#include <fstream>
#include <string>

#include "core/clipboard_objects.h"
#include "core/project_file.h"
#include "core/project_ops.h"
#include "fake_desktop.h"
#include "sample_project.h"

namespace {

void WriteBytes(const std::string& folder, const std::string& name,
                const std::vector<uint8_t>& bytes) {
  std::ofstream(folder + "/" + name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

void WriteSeed(const std::string& folder, const std::string& name, core::AppState& app) {
  WriteBytes(folder, name, core::EncodeProject(app).value());
}

void WriteClipboardSeed(const std::string& folder, const std::string& name, core::AppState& app) {
  for (auto& object : app.Project.Objects) object->Selected = true;
  WriteBytes(folder, name, core::EncodeSelectedObjects(app.Project));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: make_fuzz_seeds FOLDER [CLIPBOARD_FOLDER]\n");
    return 2;
  }
  const std::string folder = argv[1];
  {
    testing_support::TestApp t;
    core::ApplyNewProjectDefaults(t.app);
    WriteSeed(folder, "empty.ard", t.app);
  }
  {
    testing_support::TestApp t;
    testing_support::FillSampleProject(t.app);
    WriteSeed(folder, "sample.ard", t.app);
    if (argc == 3) WriteClipboardSeed(argv[2], "sample.objects", t.app);
  }
  {
    testing_support::TestApp t;
    testing_support::FillSampleProject(t.app);
    testing_support::AddManyObjects(t.app, 12);
    WriteSeed(folder, "fifteen.ard", t.app);
    if (argc == 3) WriteClipboardSeed(argv[2], "fifteen.objects", t.app);
  }
  return 0;
}
