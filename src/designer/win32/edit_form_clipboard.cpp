// The canvas's clipboard commands: the selection goes to the system clipboard in the registered
// format (and its captions as Unicode text), and comes back from it through the portable paste
// rule.
#include "core/clipboard_objects.h"
#include "core/messages.h"
#include "designer/clipboard_commands.h"
#include "designer/win32/designer_commands.h"
#include "designer/win32/edit_form.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/wide_text.h"

namespace {

constexpr char kClipboardBusy[] = "The clipboard is in use by another program.";

// Every designer that runs registers the same name and so gets the same format; registering
// it again only hands back its number.
UINT ObjectsFormat() {
  return ::RegisterClipboardFormatW(ui::win32::WideOf(core::kObjectsClipboardFormat).c_str());
}

}  // namespace

void TEditForm::ShowPasteState(HMENU menu) {
  const bool can_paste = ::IsClipboardFormatAvailable(ObjectsFormat()) != FALSE;
  ::EnableMenuItem(menu, kCmdPaste, MF_BYCOMMAND | (can_paste ? MF_ENABLED : MF_GRAYED));
}

void TEditForm::ClipboardCommand(int id, std::optional<ui::Point> at) {
  if (id == kCmdCopy) {
    CopySelection();
    return;
  }
  std::vector<uint8_t> pasted;
  if (id == kCmdPaste) {
    const ui::win32::Clipboard clipboard(Handle());
    if (!clipboard.IsOpen()) return core::ShowError(app_.platform, kClipboardBusy);
    pasted = clipboard.Get(ObjectsFormat());
  }  // closed before any message of the paste
  const char* name = id == kCmdCut ? "Cut" : id == kCmdPaste ? "Paste" : "Duplicate";
  AsStep(name, [&] {
    if (id == kCmdCut) {
      if (CopySelection()) editor_.DeleteSelected();  // never cut what the clipboard lacks
    } else if (id == kCmdPaste) {
      designer::PasteObjects(app_, *this, pasted, at);
    } else {
      designer::DuplicateSelection(app_, *this, editor_.Duplicates());
    }
  });
}

bool TEditForm::CopySelection() {
  const std::vector<uint8_t> objects = core::EncodeSelectedObjects(app_.Project);
  if (objects.empty()) return false;  // nothing selected
  // The captions as Unicode text, so that other programs paste them in every script; Windows
  // offers them as code-page text as well where a program asks for that.
  const std::wstring text = ui::win32::WideOf(core::SelectedCaptions(app_.Project));
  bool copied = false;
  {
    ui::win32::Clipboard clipboard(Handle());
    copied = clipboard.Empty() && clipboard.Put(ObjectsFormat(), objects.data(), objects.size()) &&
             clipboard.Put(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  }  // closed before the message, which would keep other programs waiting
  if (!copied) core::ShowError(app_.platform, kClipboardBusy);
  return copied;
}
