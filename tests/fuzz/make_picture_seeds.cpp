// Writes the picture checks fuzzer's seed corpus: one valid file of each variant the checks
// accept (see picture_samples.h).
#include <cstdio>
#include <fstream>
#include <string>

#include "picture_samples.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_picture_seeds FOLDER\n");
    return 2;
  }
  for (const picture_samples::Sample& sample : picture_samples::ValidSamples()) {
    std::ofstream file(std::string(argv[1]) + "/" + sample.name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(sample.bytes.data()),
               static_cast<std::streamsize>(sample.bytes.size()));
    if (!file) {
      std::fprintf(stderr, "make_picture_seeds: cannot write %s\n", sample.name.c_str());
      return 1;
    }
  }
  return 0;
}
