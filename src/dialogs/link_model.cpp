// The link editor's action list, field enabling, fill and write-back, of one link or several.
#include "dialogs/link_model.h"

#include <vector>

#include "dialogs/cd_file_picker.h"
#include "dialogs/object_dialog_rules.h"

namespace dialogs {

// The third item ends in a blank, as the list has always shown it.
const std::array<const char*, 8> kLinkActionItems = {
    "None",       "Open or Execute File", "Open URL to Visit(or download file from) Internet ",
    "Send Email", "Play Sound File",      "Print File",
    "Browse CD",  "Exit AutoRun",
};

LinkEnabling EnablingForAction(int action, bool actions_differ) {
  LinkEnabling on;
  if (actions_differ) return {true, true, true, true};
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

using F = LinkFields;

bool Read(const core::TCommand& link, F& fields) {
  fields.Action = link.Action <= core::kActionExit ? link.Action : -1;
  fields.Target = link.Target;
  fields.Parameters = link.Parameters;
  fields.StartDirectory = link.StartDirectory;
  return true;
}

void Write(core::TCommand& link, const F& fields, FieldMask write) {
  // With no item selected (a stored code the list does not know) the code stays as it was; the
  // texts are still the author's.
  if ((write & Bit(&F::Action)) && fields.Action >= 0 && fields.Action <= core::kActionExit) {
    link.Action = static_cast<uint8_t>(fields.Action);
  }
  const bool file = TargetsCdFile(link.Action);
  if (write & Bit(&F::Target)) link.Target = file ? NormalizePath(fields.Target) : fields.Target;
  if (write & Bit(&F::Parameters)) link.Parameters = fields.Parameters;
  if (write & Bit(&F::StartDirectory)) {
    link.StartDirectory = file ? NormalizePath(fields.StartDirectory) : fields.StartDirectory;
  }
}

constexpr ObjectRules<F, core::TCommand> kRules{Read, Write};

}  // namespace

bool ExecuteLink(ModalView<LinkFields>& view, core::TCommand* link) {
  return EditObjects(kRules, view, std::span<core::TCommand* const>(&link, 1));
}

bool ExecuteLinks(ModalView<LinkFields>& view, std::span<core::TCommand* const> links,
                  std::string what) {
  return EditObjects(kRules, view, links, std::move(what));
}

bool ExecuteObjectLinks(ModalView<LinkFields>& view,
                        std::span<core::AutoObjectType* const> objects) {
  std::vector<core::TCommand*> links(objects.size());
  for (size_t i = 0; i < objects.size(); ++i) links[i] = &objects[i]->Link;
  return ExecuteLinks(view, links, ObjectsText(objects));
}

}  // namespace dialogs
