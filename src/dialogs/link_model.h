// The link editor "Edit Link": its action list, which fields each action uses, and how a link
// fills the dialog and is written back.
#pragma once

#include <array>
#include <string>

#include "core/project_model.h"
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

// What the selected action lets the author give; the controls of the rest are greyed
// (button-face) but keep their text.
struct LinkEnabling {
  bool Target = false;      // typed
  bool PickTarget = false;  // chosen from the CD folder
  bool Parameters = false;
  bool StartDirectory = false;
  friend bool operator==(const LinkEnabling&, const LinkEnabling&) = default;
};
LinkEnabling EnablingForAction(int action);

// Edits `link` in place; true when values were written back. SoundFile is kept as given.
bool ExecuteLink(ModalView<LinkFields>& view, core::TCommand* link);

}  // namespace dialogs
