// Projects for the file tests, the fuzzer's seeds and the benchmarks: every stored field set to
// a value that differs from its default, so a field lost or swapped shows up.
#pragma once

#include "core/app_state.h"

namespace testing_support {

// Fills the project, window and panel with one object of each kind and distinct values.
void FillSampleProject(core::AppState& app);

// Appends `count` objects, cycling through the three kinds.
void AddManyObjects(core::AppState& app, int count);

}  // namespace testing_support
