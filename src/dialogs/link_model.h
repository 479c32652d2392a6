// The link editor "Edit Link": its action list, which fields each action uses, and how a link
// fills the dialog and is written back, for one link or for the links of several objects at once.
#pragma once

#include <array>
#include <span>
#include <string>

#include "core/project_model.h"
#include "dialogs/field_of.h"
#include "dialogs/modal_view.h"

namespace dialogs {

// The action list's items; the index is the action code.
extern const std::array<const char*, 8> kLinkActionItems;

struct LinkFields {
  int Action = -1;  // the selected item; -1: none (a stored code outside 0..7)
  std::string Target;
  std::string Parameters;
  std::string StartDirectory;
};

// The members that several links may share, in the order of their bits. SoundFile is not shown:
// each link keeps its own.
inline constexpr FieldOf<LinkFields> kLinkFieldList[] = {
    &LinkFields::Action, &LinkFields::Target, &LinkFields::Parameters, &LinkFields::StartDirectory};
template <>
inline constexpr std::span<const FieldOf<LinkFields>> kFieldList<LinkFields> = kLinkFieldList;

// What the selected action lets the author give; the controls of the rest are greyed
// (button-face) but keep their text.
struct LinkEnabling {
  bool Target = false;      // typed
  bool PickTarget = false;  // chosen from the CD folder
  bool Parameters = false;
  bool StartDirectory = false;
  friend bool operator==(const LinkEnabling&, const LinkEnabling&) = default;
};
// `actions_differ`: the list shows no action because the links of several objects have different
// ones; every field is open then, as any of them may be what the author came to give them all.
LinkEnabling EnablingForAction(int action, bool actions_differ = false);

// Edits `link` in place; true when values were written back. SoundFile is kept as given.
bool ExecuteLink(ModalView<LinkFields>& view, core::TCommand* link);
// Object Link on the links of one or more objects: one link as ExecuteLink edits it; several
// show what they share, and only what the author gave a value is written, to each of them (a
// target or start directory written for a file action is normalised as one link's is). `what`
// names several in the title ("4 buttons"). True when values were written back.
bool ExecuteLinks(ModalView<LinkFields>& view, std::span<core::TCommand* const> links,
                  std::string what);
bool ExecuteObjectLinks(ModalView<LinkFields>& view,
                        std::span<core::AutoObjectType* const> objects);

}  // namespace dialogs
