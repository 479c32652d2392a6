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
                            ui::Size area, ui::Size& client) {
  PositionSizeFields fields;
  // A typed place keeps the object inside the design area, as a drag does.
  fields.Ranges = {NumberField{"Left", 0, std::max(area.width - 5, 0)},
                   NumberField{"Top", 0, std::max(area.height - 5, 0)},
                   NumberField{"Width", 1, kMaxSide}, NumberField{"Height", 1, kMaxSide}};
  std::array<int32_t, 4> first{};
  std::array<bool, 4> differs{};
  for (const auto& object : project.Objects) {
    if (!object->Selected) continue;
    for (size_t i = 0; i < 4; ++i) {
      const int32_t value = object->Control.get()->*kMembers[i];
      if (!fields.ObjectsSelected) first[i] = value;
      differs[i] = differs[i] || value != first[i];
    }
    fields.ObjectsSelected = true;
  }
  std::array<std::optional<int32_t>, 4> shared{std::nullopt, std::nullopt, client.width,
                                               client.height};
  if (fields.ObjectsSelected) {
    for (size_t i = 0; i < 4; ++i) shared[i] = differs[i] ? std::nullopt : std::optional(first[i]);
  }
  for (size_t i = 0; i < 4; ++i) {
    fields.Filled[i] = shared[i].value_or(fields.Ranges[i].min);
    fields.*kTexts[i] = shared[i] ? std::to_string(*shared[i]) : "";
  }

  if (!view.Run(fields).Applies()) return false;
  std::array<std::optional<int32_t>, 4> typed;
  for (size_t i = 0; i < 4; ++i) {
    typed[i] = ReadEntry(fields.Ranges[i], fields.*kTexts[i], fields.Filled[i]).number;
  }
  if (!fields.ObjectsSelected) {
    client = {typed[2].value_or(client.width), typed[3].value_or(client.height)};
    return true;
  }
  for (const auto& object : project.Objects) {
    if (!object->Selected) continue;
    for (size_t i = 0; i < 4; ++i) {
      if (typed[i]) object->Control.get()->*kMembers[i] = *typed[i];
    }
  }
  return true;
}

}  // namespace dialogs
