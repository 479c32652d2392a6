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

// Which controls the selected action uses; the others are greyed (button-face) but keep text.
struct LinkEnabling {
  bool Edit1 = false;
  bool SpeedButton1 = false;
  bool Edit2 = false;
  bool Edit3 = false;
  friend bool operator==(const LinkEnabling&, const LinkEnabling&) = default;
};
LinkEnabling EnablingForAction(int action);

// Edits `link` in place; true when values were written back. SoundFile is kept as given.
bool ExecuteLink(ModalView<LinkFields>& view, core::TCommand* link);

}  // namespace dialogs
