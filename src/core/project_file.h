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
#include "core/byte_stream.h"
#include "core/product_names.h"
#include "core/project_ops.h"

namespace core {

inline constexpr uint32_t kProjectSignature = 0x55AAAA55u;
inline constexpr int kFillerWords = 20;

// Whether an image carries the window's place on the screen. A file does; a design compared or
// put back within the designer does not, since a load centres the window anyway and where the
// author has moved the design window changes nothing in the design.
enum class WindowPlace : uint8_t { Stored, Omitted };

// The file image of the project, or nothing when an object has an unknown kind.
std::optional<std::vector<uint8_t>> EncodeProject(const AppState& app,
                                                  WindowPlace place = WindowPlace::Stored);

// Writes the project to `path`, replacing the file once the new one is complete. A failed write
// reports "IO Error" and keeps the previous file. A file that cannot be created at all goes to
// the general error handler. Does not change the model.
bool SaveProjectFile(AppState& app, const std::string& path);

// Reads a project file image into the project; reports its own failures, and files the design
// names that do not exist unless `missing` says otherwise.
bool DecodeProject(AppState& app, const uint8_t* data, size_t size,
                   MissingFiles missing = MissingFiles::Report);

// One object block as the file stores it; false for an object of an unknown kind.
bool WriteObjectBlock(ByteWriter& out, const AutoObjectType& object);
// Reads one object block into `object`, with a new control of its kind that has no parent yet.
// Reports nothing: false when the block is cut short or names an unknown kind.
bool ReadObjectBlock(ByteReader& in, AutoObjectType& object);

// Replaces the project from the file at `path`; reports its own failures, and files the design
// names that do not exist unless `missing` says otherwise.
bool LoadProject(AppState& app, const std::string& path,
                 MissingFiles missing = MissingFiles::Report);

}  // namespace core
