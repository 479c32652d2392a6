// The link editor's action list, field enabling, fill and write-back.
#include "dialogs/link_model.h"

#include "dialogs/cd_file_picker.h"

namespace dialogs {

// The third item ends in a blank, as the list has always shown it.
const std::array<const char*, 8> kLinkActionItems = {
    "None",       "Open or Execute File", "Open URL to Visit(or download file from) Internet ",
    "Send Email", "Play Sound File",      "Print File",
    "Browse CD",  "Exit AutoRun",
};

LinkEnabling EnablingForAction(int action) {
  LinkEnabling on;
  switch (action) {
    case core::kActionOpenFile:  // a program takes parameters and a start directory
      on.Target = on.PickTarget = on.Parameters = on.StartDirectory = true;
      break;
    case core::kActionOpenUrl:  // an address is typed, never picked from the disc
    case core::kActionSendEmail:
      on.Target = true;
      break;
    case core::kActionPlaySound:
    case core::kActionPrintFile:
      on.Target = on.PickTarget = true;
      break;
    default:  // None, Browse CD, Exit AutoRun, and no selection need no target
      break;
  }
  return on;
}

namespace {

// The actions whose target is a file on the disc, stored CD-relative.
bool TargetsCdFile(uint8_t action) {
  return action == core::kActionOpenFile || action == core::kActionPlaySound ||
         action == core::kActionPrintFile;
}

}  // namespace

bool ExecuteLink(ModalView<LinkFields>& view, core::TCommand* link) {
  if (link == nullptr) return false;
  LinkFields fields;
  fields.Action = link->Action <= core::kActionExit ? link->Action : -1;
  fields.Target = link->Target;
  fields.Parameters = link->Parameters;
  fields.StartDirectory = link->StartDirectory;

  if (!view.Run(fields).Applies()) return false;

  // With no item selected (a stored code the list does not know) the code stays as it was; the
  // texts are still the author's.
  if (fields.Action >= 0 && fields.Action <= core::kActionExit) {
    link->Action = static_cast<uint8_t>(fields.Action);
  }
  link->Target = fields.Target;
  link->Parameters = fields.Parameters;
  link->StartDirectory = fields.StartDirectory;
  if (TargetsCdFile(link->Action)) {
    link->Target = NormalizePath(link->Target);
    link->StartDirectory = NormalizePath(link->StartDirectory);
  }
  return true;
}

}  // namespace dialogs
