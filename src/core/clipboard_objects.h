// The objects the designer puts on the clipboard: each object's block exactly as the project
// file stores it, framed by a signature of our own and a count, under a clipboard format that
// every running designer registers by the same name, so that one designer pastes what another
// copied. Their captions go along as plain text for other programs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/project_model.h"

namespace core {

inline constexpr char kObjectsClipboardFormat[] = "Quorvane Objects";
inline constexpr uint32_t kObjectsSignature = 0x424F5651u;  // "QVOB"

using ObjectList = std::vector<std::unique_ptr<AutoObjectType>>;

// The selected objects in stacking order; empty when none is selected.
std::vector<uint8_t> EncodeSelectedObjects(const AutoFormType& project);

// The objects of an encoded list, each with a control of its kind that has no parent and no
// media bound yet; none when the data is not such a list (another signature, a count below one,
// a block cut short or of an unknown kind). Bytes after the last block are ignored: the clipboard
// may hand back more memory than was given to it.
ObjectList DecodeObjects(const uint8_t* data, size_t size);

// The captions of the selected labels and buttons, one line each.
std::string SelectedCaptions(const AutoFormType& project);

}  // namespace core
