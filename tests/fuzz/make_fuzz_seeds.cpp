// Writes the fuzzer's seed corpus: the writer's own output for an empty project, the sample
// project with one object of each kind, and a larger one.
#include <cstdio>
#include <fstream>
#include <string>

#include "core/project_file.h"
#include "core/project_ops.h"
#include "fake_desktop.h"
#include "sample_project.h"

namespace {

void WriteSeed(const std::string& folder, const std::string& name, core::AppState& app) {
  const auto bytes = core::EncodeProject(app).value();
  std::ofstream(folder + "/" + name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds FOLDER\n");
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
  }
  {
    testing_support::TestApp t;
    testing_support::FillSampleProject(t.app);
    testing_support::AddManyObjects(t.app, 12);
    WriteSeed(folder, "fifteen.ard", t.app);
  }
  return 0;
}
