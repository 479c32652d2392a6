// The Check Disc window: the medium, the findings in a report list, the chosen one's whole text,
// their summary; it can be made larger.
#include "designer/win32/check_disc_window.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "core/disc_making.h"
#include "core/messages.h"
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
constexpr int kWhatColumn = 2;  // it takes the width the window gains

// How a control follows the window's lower right corner when the author resizes the window.
enum Follow : uint8_t { kMovesRight = 1, kMovesDown = 2, kWidens = 4, kGrowsDown = 8 };
struct Anchor {
  uint8_t id;
  uint8_t follow;
};
constexpr Anchor kAnchors[] = {
    {QUORVANE_CHECK_FINDINGS, kWidens | kGrowsDown},
    {QUORVANE_CHECK_DETAIL, kWidens | kMovesDown},
    {QUORVANE_CHECK_SUMMARY, kMovesDown},
    {QUORVANE_CHECK_MAKE_IMAGE, kMovesRight | kMovesDown},
    {IDCANCEL, kMovesRight | kMovesDown},
};

struct CheckDiscState {
  const core::AppState& app;
  core::CheckOptions design;  // its medium is the one shown first; the author may choose another
  bool for_image;
  std::vector<core::Finding> findings;
  std::vector<core::fs::FolderItem> listing;  // the folder as the findings saw it
  CheckDiscChoice choice;
  SIZE client{};        // the client area the controls are laid out for
  POINT smallest_size;  // the window's, as the template makes it
};

core::DiscMedium ChosenMedium(HWND dialog) {
  const auto index =
      static_cast<size_t>(::SendDlgItemMessageW(dialog, QUORVANE_CHECK_MEDIUM, CB_GETCURSEL, 0, 0));
  return index < core::kDiscMedia.size() ? core::kDiscMedia[index].medium : core::DiscMedium::Cd700;
}

void Check(HWND dialog, CheckDiscState& state) {
  state.choice.medium = ChosenMedium(dialog);
  core::CheckOptions options = state.design;
  options.medium = state.choice.medium;
  state.findings = core::CheckCdFolder(state.app, options, state.listing);
  ::SetDlgItemTextW(dialog, QUORVANE_CHECK_DETAIL, L"");
  HWND list = ::GetDlgItem(dialog, QUORVANE_CHECK_FINDINGS);
  ::SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (size_t row = 0; row < state.findings.size(); ++row) {
    const core::Finding& finding = state.findings[row];
    const std::string object = core::FindingObjectName(state.app, finding);
    const std::string_view cells[] = {
        finding.severity == core::Severity::Error ? "Error" : "Warning", object, finding.what,
        finding.file};
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(row);
    for (const std::string_view cell : cells) {
      std::wstring text = WideOf(cell);
      item.pszText = text.data();
      ::SendMessageW(list, item.iSubItem == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row,
                     reinterpret_cast<LPARAM>(&item));
      ++item.iSubItem;
    }
  }
  // The first finding is the keyboard's, Enter opens it at once, and its text shows in whole.
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
  RECT area;
  ::GetClientRect(dialog, &area);
  state.client = {area.right, area.bottom};
  ::GetWindowRect(dialog, &area);
  state.smallest_size = {area.right - area.left, area.bottom - area.top};
  Check(dialog, state);
  // Make Disc Image came here because of the findings: with errors among them, it says why, over
  // the findings, which are shown first.
  if (state.for_image && !designer::ImageRefusal(state.app, state.findings).empty()) {
    ::ShowWindow(dialog, SW_SHOW);
    ::PostMessageW(dialog, WM_COMMAND, QUORVANE_CHECK_MAKE_IMAGE, 0);
  }
}

// The controls follow the window's new client size.
void FollowSize(HWND dialog, CheckDiscState& state, int width, int height) {
  const int dx = width - state.client.cx, dy = height - state.client.cy;
  state.client = {width, height};
  for (const Anchor& anchor : kAnchors) {
    HWND control = ::GetDlgItem(dialog, anchor.id);
    RECT r;
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    const auto by = [&](int follow, int delta) { return anchor.follow & follow ? delta : 0; };
    ::SetWindowPos(control, nullptr, r.left + by(kMovesRight, dx), r.top + by(kMovesDown, dy),
                   r.right - r.left + by(kWidens, dx), r.bottom - r.top + by(kGrowsDown, dy),
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  HWND list = ::GetDlgItem(dialog, QUORVANE_CHECK_FINDINGS);
  const LRESULT what = ::SendMessageW(list, LVM_GETCOLUMNWIDTH, kWhatColumn, 0);
  ::SendMessageW(list, LVM_SETCOLUMNWIDTH, kWhatColumn, what + dx);
  ::InvalidateRect(dialog, nullptr, TRUE);  // the texts that moved leave no trace
}

// The finding in `row` names a part of the design: the window closes to open its editor.
void OpenRow(HWND dialog, CheckDiscState& state, int row) {
  if (row < 0 || static_cast<size_t>(row) >= state.findings.size()) return;
  const core::Finding& finding = state.findings[static_cast<size_t>(row)];
  if (finding.place == core::FindingPlace::Folder) return;
  state.choice.action = CheckDiscChoice::OpenFinding;
  state.choice.object = finding.object;
  state.choice.place = finding.place;
  ::EndDialog(dialog, IDOK);
}

// Checks again, so that the image is made of the folder as it is now: while there are errors,
// the author reads why there is no image over the list, which stays open.
void MakeImage(HWND dialog, CheckDiscState& state) {
  Check(dialog, state);
  if (const std::string refusal = designer::ImageRefusal(state.app, state.findings);
      !refusal.empty()) {
    core::ShowError(state.app.platform, refusal);
    return;
  }
  state.choice.action = CheckDiscChoice::MakeImage;
  state.choice.listing = std::move(state.listing);
  ::EndDialog(dialog, IDOK);
}

INT_PTR HandleCheckDisc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* state = reinterpret_cast<CheckDiscState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
  if (state == nullptr && message != WM_INITDIALOG) return FALSE;  // e.g. WM_GETMINMAXINFO
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
      if (id == QUORVANE_CHECK_MAKE_IMAGE) MakeImage(dialog, *state);
      if (id == IDCANCEL) ::EndDialog(dialog, IDCANCEL);
      return TRUE;
    }
    case WM_NOTIFY: {
      // A double click on a row, and Enter where the list hears it itself.
      const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
      if (header.idFrom != QUORVANE_CHECK_FINDINGS) return FALSE;
      if (header.code == LVN_ITEMACTIVATE) {
        OpenRow(dialog, *state, reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
      }
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if (header.code == LVN_ITEMCHANGED && (change.uNewState & LVIS_SELECTED) != 0 &&
          static_cast<size_t>(change.iItem) < state->findings.size()) {
        const core::Finding& finding = state->findings[static_cast<size_t>(change.iItem)];
        ::SetDlgItemTextW(dialog, QUORVANE_CHECK_DETAIL,
                          WideOf(core::FindingLine(state->app, finding)).c_str());
      }
      return FALSE;
    }
    case WM_SIZE:
      if (wparam != SIZE_MINIMIZED) FollowSize(dialog, *state, LOWORD(lparam), HIWORD(lparam));
      return TRUE;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize = state->smallest_size;
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK CheckDiscProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  return HandleCheckDisc(dialog, message, wparam, lparam);
}

}  // namespace

CheckDiscChoice ShowCheckDisc(HWND owner, const core::AppState& app,
                              const core::CheckOptions& design, bool for_image) {
  CheckDiscState state{app, design, for_image, {}, {}, {}, {}, {}};
  {
    const ui::win32::ModalScope modal(owner);
    // The state outlives the dialog, which the call creates and destroys.
    ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(QUORVANE_DIALOG_CHECK_DISC),
                      owner, &CheckDiscProcedure, reinterpret_cast<LPARAM>(&state));
  }
  return std::move(state.choice);
}
