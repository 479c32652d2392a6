// The project file AutoRun.ard: a flat little-endian stream (signature 55 AA AA 55, the project
// block, a reserved word and 80 bytes of tick-count filler) without lengths or versions, so
// every field is parsed in order to reach the next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/app_state.h"

namespace core {

inline constexpr char kProjectFileName[] = "AutoRun.ard";
inline constexpr uint32_t kProjectSignature = 0x55AAAA55u;
inline constexpr int kFillerWords = 20;

// The file image of the project, or nothing when an object has an unknown kind.
std::optional<std::vector<uint8_t>> EncodeProject(const AppState& app);

// Writes the project to `path`, replacing the file once the new one is complete. A failed write
// reports "IO Error" and keeps the previous file. A file that cannot be created at all throws
// AppError for the general error handler. Does not change the model or Modified.
bool SaveProjectFile(AppState& app, const std::string& path);

// Reads a project file image into the project; reports its own failures.
bool DecodeProject(AppState& app, const uint8_t* data, size_t size);

// Replaces the project from the file at `path`; reports its own failures.
bool LoadProject(AppState& app, const std::string& path);

}  // namespace core
