// The Check Disc window: the medium, the findings in a report list, their summary.
#include "designer/win32/check_disc_window.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "core/disc_making.h"
#include "designer/disc_commands.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/window.h"

using ui::win32::WideOf;

namespace {

struct Column {
  const char* title;
  int width;  // dialog units, so that the columns grow with the dialog's font and the screen
};
constexpr Column kColumns[] = {{"Severity", 36}, {"Object", 80}, {"What", 180}, {"File", 70}};

struct CheckDiscState {
  const core::AppState& app;
  core::CheckOptions design;  // its medium is the one shown first; the author may choose another
  std::vector<core::Finding> findings;
  CheckDiscChoice choice;
};

core::DiscMedium ChosenMedium(HWND dialog) {
  const auto index =
      static_cast<size_t>(::SendDlgItemMessageW(dialog, QUORVANE_CHECK_MEDIUM, CB_GETCURSEL, 0, 0));
  return index < core::kDiscMedia.size() ? core::kDiscMedia[index].medium : core::DiscMedium::Cd700;
}

void Check(HWND dialog, CheckDiscState& state) {
  state.choice.medium = ChosenMedium(dialog);
  std::vector<core::fs::FolderItem> listing;
  core::CheckOptions options = state.design;
  options.medium = state.choice.medium;
  state.findings = core::CheckCdFolder(state.app, options, listing);
  HWND list = ::GetDlgItem(dialog, QUORVANE_CHECK_FINDINGS);
  ::SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (size_t row = 0; row < state.findings.size(); ++row) {
    const core::Finding& finding = state.findings[row];
    const std::string object = core::FindingObjectName(state.app, finding);
    std::wstring cells[] = {WideOf(finding.severity == core::Severity::Error ? "Error" : "Warning"),
                            WideOf(object), WideOf(finding.what), WideOf(finding.file)};
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(row);
    for (std::wstring& cell : cells) {
      item.pszText = cell.data();
      ::SendMessageW(list, item.iSubItem == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row,
                     reinterpret_cast<LPARAM>(&item));
      ++item.iSubItem;
    }
  }
  // The first finding is the keyboard's: Enter opens it at once.
  LVITEMW first{};
  first.stateMask = first.state = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
  ::SetDlgItemTextW(dialog, QUORVANE_CHECK_SUMMARY,
                    WideOf(core::CheckSummary(state.findings)).c_str());
}

void Prepare(HWND dialog, CheckDiscState& state) {
  WPARAM chosen = 0;
  for (const core::DiscMediumInfo& medium : core::kDiscMedia) {
    const LRESULT index =
        ::SendDlgItemMessageW(dialog, QUORVANE_CHECK_MEDIUM, CB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(WideOf(medium.name).c_str()));
    if (medium.medium == state.design.medium) chosen = static_cast<WPARAM>(index);
  }
  ::SendDlgItemMessageW(dialog, QUORVANE_CHECK_MEDIUM, CB_SETCURSEL, chosen, 0);
  HWND list = ::GetDlgItem(dialog, QUORVANE_CHECK_FINDINGS);
  ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  for (int i = 0; const Column& c : kColumns) {
    RECT width{0, 0, c.width, 0};
    ::MapDialogRect(dialog, &width);
    column.cx = width.right;
    std::wstring title = WideOf(c.title);
    column.pszText = title.data();
    ::SendMessageW(list, LVM_INSERTCOLUMNW, i++, reinterpret_cast<LPARAM>(&column));
  }
  Check(dialog, state);
}

// The finding in `row` names an object: the window closes to open it.
void OpenRow(HWND dialog, CheckDiscState& state, int row) {
  if (row < 0 || static_cast<size_t>(row) >= state.findings.size()) return;
  const int object = state.findings[static_cast<size_t>(row)].object;
  if (object < 0) return;  // the window or the folder
  state.choice.action = CheckDiscChoice::OpenObject;
  state.choice.object = object;
  ::EndDialog(dialog, IDOK);
}

INT_PTR HandleCheckDisc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* state = reinterpret_cast<CheckDiscState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      ::SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      Prepare(dialog, *reinterpret_cast<CheckDiscState*>(lparam));
      ::SetFocus(::GetDlgItem(dialog, QUORVANE_CHECK_FINDINGS));
      return FALSE;  // the focus is set
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      HWND list = ::GetDlgItem(dialog, QUORVANE_CHECK_FINDINGS);
      if (id == QUORVANE_CHECK_MEDIUM && HIWORD(wparam) == CBN_SELCHANGE) Check(dialog, *state);
      // Enter reaches the dialog as OK: on the list it opens the chosen finding.
      if (id == IDOK && ::GetFocus() == list) {
        OpenRow(dialog, *state,
                static_cast<int>(
                    ::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED)));
      }
      if (id == QUORVANE_CHECK_MAKE_IMAGE) {
        state->choice.action = CheckDiscChoice::MakeImage;
        ::EndDialog(dialog, IDOK);
      }
      if (id == IDCANCEL) ::EndDialog(dialog, IDCANCEL);
      return TRUE;
    }
    case WM_NOTIFY: {
      // A double click on a row, and Enter where the list hears it itself.
      const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
      if (header.idFrom == QUORVANE_CHECK_FINDINGS && header.code == LVN_ITEMACTIVATE) {
        OpenRow(dialog, *state, reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
      }
      return FALSE;
    }
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK CheckDiscProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  return HandleCheckDisc(dialog, message, wparam, lparam);
}

}  // namespace

CheckDiscChoice ShowCheckDisc(HWND owner, const core::AppState& app,
                              const core::CheckOptions& design) {
  CheckDiscState state{app, design, {}, {}};
  {
    const ui::win32::ModalScope modal(owner);
    // The state outlives the dialog, which the call creates and destroys.
    ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(QUORVANE_DIALOG_CHECK_DISC),
                      owner, &CheckDiscProcedure, reinterpret_cast<LPARAM>(&state));
  }
  return state.choice;
}
