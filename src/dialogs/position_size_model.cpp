// "Position and Size": fill from what the selection shares, write back what is not blank.
#include "dialogs/position_size_model.h"

#include <algorithm>

#include "ui/control.h"

namespace dialogs {
namespace {

constexpr int32_t ui::Control::*kMembers[] = {&ui::Control::Left, &ui::Control::Top,
                                              &ui::Control::Width, &ui::Control::Height};
constexpr std::string PositionSizeFields::*kTexts[] = {
    &PositionSizeFields::Left, &PositionSizeFields::Top, &PositionSizeFields::Width,
    &PositionSizeFields::Height};

}  // namespace

FieldEntry ReadEntry(const NumberField& field, const std::string& text, int32_t filled) {
  if (text.find_first_not_of(' ') == std::string::npos) return {true, std::nullopt};
  return {false, ReadNumber(field, text, filled)};
}

bool ExecutePositionAndSize(ModalView<PositionSizeFields>& view, core::AutoFormType& project,
                            ui::Point last_place, ui::Size& client) {
  PositionSizeFields fields;
  // A typed place keeps the object inside the design area, as a drag does.
  fields.Ranges = {NumberField{"Left", 0, std::max(last_place.x, 0)},
                   NumberField{"Top", 0, std::max(last_place.y, 0)},
                   NumberField{"Width", 1, kMaxSide}, NumberField{"Height", 1, kMaxSide}};
  // Without a selection the window's client size, which has no place of its own to show.
  int32_t value[4] = {0, 0, client.width, client.height};
  bool shared[4] = {false, false, true, true};
  for (const auto& object : project.Objects) {
    if (!object->Selected) continue;
    for (size_t i = 0; i < 4; ++i) {
      const int32_t v = object->Control.get()->*kMembers[i];
      shared[i] = !fields.ObjectsSelected || (shared[i] && v == value[i]);
      value[i] = v;
    }
    fields.ObjectsSelected = true;
  }
  for (size_t i = 0; i < 4; ++i) {
    fields.Filled[i] = shared[i] ? value[i] : fields.Ranges[i].min;
    if (shared[i]) fields.*kTexts[i] = std::to_string(value[i]);
  }

  if (!view.Run(fields).Applies()) return false;
  int32_t* client_side[4] = {nullptr, nullptr, &client.width, &client.height};
  for (size_t i = 0; i < 4; ++i) {
    const auto typed = ReadEntry(fields.Ranges[i], fields.*kTexts[i], fields.Filled[i]).number;
    if (!typed) continue;  // blank: each keeps its own
    if (!fields.ObjectsSelected && client_side[i] != nullptr) *client_side[i] = *typed;
    for (const auto& object : project.Objects) {
      if (object->Selected) object->Control.get()->*kMembers[i] = *typed;
    }
  }
  return true;
}

}  // namespace dialogs
