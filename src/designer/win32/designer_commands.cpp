// The designer's menu, shortcut and tool bar tables.
#include "designer/win32/designer_commands.h"

#include <iterator>
#include <vector>

#include "core/settings_file.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"

namespace {

using ui::win32::MenuItemSpec;
using ui::win32::Shortcut;
using ui::win32::ToolButtonSpec;
using enum ui::win32::ToolStripPicture;

constexpr Shortcut Ctrl(WORD key) {
  return {key, true, false};
}
constexpr Shortcut CtrlAlt(WORD key) {
  return {key, true, true};
}
constexpr Shortcut Shift(WORD key) {
  return {key, false, false, true};
}
constexpr Shortcut CtrlShift(WORD key) {
  return {key, true, false, true};
}
constexpr MenuItemSpec kSeparator{0, nullptr, {}};

constexpr MenuItemSpec kFileMenu[] = {
    {kCmdOpen, "Open...", Ctrl('O')},
    {kCmdSave, "Save", Ctrl('S')},
    {kCmdSaveAs, "Save As...", CtrlShift('S')},
    {kCmdSaveAndTest, "Save and Test", Ctrl('T')},
    {kCmdCheckDisc, "Check Disc...", {VK_F7, false, false}},
    {kCmdMakeDiscImage, "Make Disc Image...", {}},
    kSeparator,
    {kCmdExit, "Exit...", Ctrl('X')},
};

constexpr MenuItemSpec kEditMenu[] = {
    {kCmdUndo, "Undo", Ctrl('Z')},
    {kCmdRedo, "Redo", Ctrl('Y')},
    kSeparator,
    {kCmdCut, "Cut", Shift(VK_DELETE)},
    {kCmdCopy, "Copy", Ctrl('C')},
    {kCmdPaste, "Paste", Ctrl('V')},
    {kCmdDuplicate, "Duplicate", Ctrl('D')},
    kSeparator,
    {kCmdFormProperties, "Form Properties...", {}},
    {kCmdStartLink, "Start Link...", {}},
    {kCmdObjectProperties, "Object Properties...", Ctrl('P')},
    {kCmdObjectLink, "Object Link...", Ctrl('L')},
    {kCmdEditCaption, "Edit Caption", {VK_F2, false, false}},
    {kCmdSelectionFont, "Font...", {}},
    {kCmdSelectionHotFont, "Hot Track Font...", {}},
    {kCmdBold, "Bold", CtrlShift('B')},
    kSeparator,
    {kCmdDelete, "Delete", {VK_DELETE, false, false}},
    {kCmdClear, "Clear", {}},
    kSeparator,
    {kCmdBringToFront, "Bring to Front", Ctrl('F')},
    {kCmdSendToBack, "Send to Back", Ctrl('B')},
    kSeparator,
    {kCmdSelectAll, "Select All", Ctrl('A')},
    kSeparator,
    {kCmdSelectCDIcon, "Select CD Icon...", {}},
};

constexpr MenuItemSpec kArrangeMenu[] = {
    {kCmdAlignLefts, "Align Lefts", {}},
    {kCmdAlignCenters, "Align Centers", {}},
    {kCmdAlignRights, "Align Rights", {}},
    kSeparator,
    {kCmdAlignTops, "Align Tops", {}},
    {kCmdAlignMiddles, "Align Middles", {}},
    {kCmdAlignBottoms, "Align Bottoms", {}},
    kSeparator,
    {kCmdMakeSameWidth, "Make Same Width", {}},
    {kCmdMakeSameHeight, "Make Same Height", {}},
    {kCmdMakeSameSize, "Make Same Size", {}},
    kSeparator,
    {kCmdDistributeHorizontally, "Distribute Horizontally", {}},
    {kCmdDistributeVertically, "Distribute Vertically", {}},
    kSeparator,
    {kCmdCenterHorizontally, "Center Horizontally in Window", {}},
    {kCmdCenterVertically, "Center Vertically in Window", {}},
    kSeparator,
    {kCmdPositionAndSize, "Position and Size...", {VK_F4, false, false}},
    kSeparator,
    {kCmdSnapToObjects, "Snap to Objects", {}},
    {kCmdShowGrid, "Show Grid", {}},
    {kCmdSnapToGrid, "Snap to Grid", {}},
    {kCmdGridSize, "Grid Size...", {}},
};

constexpr MenuItemSpec kHelpMenu[] = {
    {kCmdHelpContents, "Help Contents...", {VK_F1, false, false}},
    {kCmdTechnicalSupport, "Technical Support...", {}},
    {kCmdHomePage, "Home Page...", {}},
    kSeparator,
    {kCmdAbout, "About...", {}},
};

constexpr MenuItemSpec kCanvasMenu[] = {
    {kCmdFormProperties, "Form Properties...", CtrlAlt('P')},
    {kCmdStartLink, "Start Link...", CtrlAlt('L')},
    {kCmdObjectProperties, "Object Properties...", Ctrl('P')},
    {kCmdObjectLink, "Object Link...", Ctrl('L')},
    {kCmdEditCaption, "Edit Caption", {VK_F2, false, false}},
    {kCmdSelectionFont, "Font...", {}},
    {kCmdSelectionHotFont, "Hot Track Font...", {}},
    {kCmdBold, "Bold", CtrlShift('B')},
    kSeparator,
    {kCmdCut, "Cut", Shift(VK_DELETE)},
    {kCmdCopy, "Copy", Ctrl('C')},
    {kCmdPaste, "Paste", Ctrl('V')},
    {kCmdDuplicate, "Duplicate", Ctrl('D')},
    {kCmdDelete, "Delete", {VK_DELETE, false, false}},
    kSeparator,
    {kCmdBringToFront, "Bring to Front", Ctrl('F')},
    {kCmdSendToBack, "Send to Back", Ctrl('B')},
    kSeparator,
    {kCmdSelectAll, "Select All", Ctrl('A')},
};

// The classic second keys of Copy and Paste, which their menu items do not show.
constexpr MenuItemSpec kUnshownShortcuts[] = {
    {kCmdCopy, nullptr, Ctrl(VK_INSERT)},
    {kCmdPaste, nullptr, Shift(VK_INSERT)},
};

constexpr ToolButtonSpec kToolBar[] = {
    {ToolButtonSpec::Button, kCmdOpen, kPictureOpen, "Open", false},
    {ToolButtonSpec::Button, kCmdSave, kPictureSave, "Save", false},
    {ToolButtonSpec::Button, kCmdSaveAndTest, kPictureSaveAndTest, "Save and Test", false},
    {ToolButtonSpec::Separator, 0, 8, nullptr, false},
    {ToolButtonSpec::Button, kCmdFormProperties, kPictureFormProperties, "Form Properties", false},
    {ToolButtonSpec::Button, kCmdObjectProperties, kPictureObjectProperties, "Object Properties",
     false},
    {ToolButtonSpec::Button, kCmdObjectLink, kPictureObjectLink, "Object Link", false},
    {ToolButtonSpec::Separator, 0, 8, nullptr, false},
    {ToolButtonSpec::GroupedCheck, kCmdToolSelect, kPictureSelect, nullptr, true},  // no hint shown
    {ToolButtonSpec::GroupedCheck, kCmdToolAddLabel, kPictureAddLabel, "Add Label", false},
    {ToolButtonSpec::GroupedCheck, kCmdToolAddButton, kPictureAddButton, "Add Button", false},
    {ToolButtonSpec::GroupedCheck, kCmdToolAddImage, kPictureAddImage, "Add Image", false},
    {ToolButtonSpec::Separator, 0, 8, nullptr, false},
};

constexpr ToolButtonSpec kArrangeBar[] = {
    {ToolButtonSpec::Button, kCmdAlignLefts, kPictureAlignLefts, "Align Lefts", false},
    {ToolButtonSpec::Button, kCmdAlignTops, kPictureAlignTops, "Align Tops", false},
    {ToolButtonSpec::Button, kCmdMakeSameSize, kPictureMakeSameSize, "Make Same Size", false},
    {ToolButtonSpec::Button, kCmdDistributeHorizontally, kPictureDistributeHorizontally,
     "Distribute Horizontally", false},
    {ToolButtonSpec::Button, kCmdDistributeVertically, kPictureDistributeVertically,
     "Distribute Vertically", false},
    {ToolButtonSpec::Separator, 0, 8, nullptr, false},
    {ToolButtonSpec::Button, kCmdBold, kPictureBold, "Bold", false},
};

constexpr ToolButtonSpec kDiscBar[] = {
    {ToolButtonSpec::Button, kCmdCheckDisc, kPictureCheckDisc, "Check Disc", false},
};

}  // namespace

ui::win32::OwnedMenu BuildMainMenu() {
  ui::win32::OwnedMenu bar(::CreateMenu());
  const std::pair<const char*, std::span<const MenuItemSpec>> menus[] = {
      {"&File", kFileMenu}, {"&Edit", kEditMenu}, {"&Arrange", kArrangeMenu}, {"&Help", kHelpMenu}};
  for (const auto& [title, items] : menus) {
    ui::win32::OwnedMenu popup = ui::win32::BuildPopupMenu(items);
    // The bar owns the popup from here on.
    if (::AppendMenuW(bar.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Get()),
                      ui::win32::WideOf(title).c_str())) {
      popup.Disown();
    }
  }
  return bar;
}

ui::win32::OwnedMenu BuildCanvasMenu() {
  return ui::win32::BuildPopupMenu(kCanvasMenu);
}

namespace {

// The main menu's shortcuts; on the canvas also the context menu's own.
ui::win32::OwnedAccelerators BuildShortcuts(bool canvas) {
  std::vector<ACCEL> table;
  for (std::span<const MenuItemSpec> items :
       {std::span<const MenuItemSpec>(kFileMenu), std::span<const MenuItemSpec>(kEditMenu),
        std::span<const MenuItemSpec>(kArrangeMenu), std::span<const MenuItemSpec>(kHelpMenu),
        std::span<const MenuItemSpec>(kUnshownShortcuts)}) {
    ui::win32::AppendAccelerators(items, table);
  }
  if (canvas) ui::win32::AppendAccelerators(kCanvasMenu, table);
  return ui::win32::BuildAccelerators(table);
}

}  // namespace

ui::win32::OwnedAccelerators BuildMainShortcuts() {
  return BuildShortcuts(false);
}

ui::win32::OwnedAccelerators BuildCanvasShortcuts() {
  return BuildShortcuts(true);
}

std::span<const ToolButtonSpec> ToolBarButtons() {
  return kToolBar;
}

std::span<const ToolButtonSpec> ArrangeBarButtons() {
  return kArrangeBar;
}

std::span<const ToolButtonSpec> DiscBarButtons() {
  return kDiscBar;
}

const char* ArrangeCaption(int id) {
  for (const MenuItemSpec& item : kArrangeMenu) {
    if (item.id == id) return item.caption;
  }
  return "";
}

void ShowArrangeState(HMENU arrange_menu, size_t selected) {
  for (const MenuItemSpec& item : kArrangeMenu) {
    // Only align, size, distribute and centre: Position and Size and the snapping never grey.
    if (item.id < kCmdAlignLefts || item.id > kCmdCenterVertically) continue;
    const size_t needed = item.id >= kCmdCenterHorizontally ? 1 : 2;
    ::EnableMenuItem(arrange_menu, static_cast<UINT>(item.id),
                     MF_BYCOMMAND | (selected >= needed ? MF_ENABLED : MF_GRAYED));
  }
}

void ShowUndoState(HMENU edit_menu, const designer::UndoHistory& history) {
  const auto show = [edit_menu](int id, const char* verb, bool can, const std::string& name,
                                const Shortcut& keys) {
    const std::string text =
        std::string(verb) + (can ? " " + name : "") + "\t" + ui::win32::ShortcutText(keys);
    ::ModifyMenuW(edit_menu, static_cast<UINT>(id),
                  MF_BYCOMMAND | MF_STRING | (can ? 0 : MF_GRAYED), static_cast<UINT_PTR>(id),
                  ui::win32::WideOf(text).c_str());
  };
  show(kCmdUndo, "Undo", history.CanUndo(), history.CanUndo() ? history.UndoName() : "",
       kEditMenu[0].shortcut);
  show(kCmdRedo, "Redo", history.CanRedo(), history.CanRedo() ? history.RedoName() : "",
       kEditMenu[1].shortcut);
}

void ShowEditState(HMENU menu, const designer::CanvasEditor::EditFacts& facts) {
  const auto enable = [menu](UINT id, bool can) {
    ::EnableMenuItem(menu, id, MF_BYCOMMAND | (can ? MF_ENABLED : MF_GRAYED));
  };
  for (const UINT id : {kCmdCut, kCmdCopy, kCmdDuplicate, kCmdDelete}) {
    enable(id, facts.selected > 0);
  }
  enable(kCmdObjectProperties, facts.properties);
  for (const UINT id : {kCmdBringToFront, kCmdSendToBack}) enable(id, facts.selected == 1);
  enable(kCmdEditCaption, facts.selected == 1 && facts.with_fonts == 1);
  for (const UINT id : {kCmdSelectionFont, kCmdSelectionHotFont, kCmdBold}) {
    enable(id, facts.with_fonts > 0);
  }
  for (const UINT id : {kCmdClear, kCmdSelectAll}) enable(id, facts.objects > 0);
  ::CheckMenuItem(menu, kCmdBold, MF_BYCOMMAND | (facts.bold ? MF_CHECKED : MF_UNCHECKED));
}

void ShowSnapState(HMENU menu, const core::SnapSettings& settings) {
  UINT id = kCmdSnapToObjects;
  for (const core::SnapFlag& flag : core::kSnapFlags) {
    ::CheckMenuItem(menu, id++, MF_BYCOMMAND | (settings.*flag.setting ? MF_CHECKED : 0));
  }
}

void ShowRecentFolders(HMENU file_menu, const std::vector<std::string>& folders) {
  const auto id_at = [file_menu](int i) { return static_cast<int>(::GetMenuItemID(file_menu, i)); };
  const auto separator_at = [file_menu](int i) {
    return (::GetMenuState(file_menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) != 0;
  };
  const int recent_end = kCmdRecentFolder + static_cast<int>(core::kMaxRecentFolders);
  for (int i = ::GetMenuItemCount(file_menu) - 1; i >= 0; --i) {
    if (id_at(i) >= kCmdRecentFolder && id_at(i) < recent_end) {
      ::DeleteMenu(file_menu, static_cast<UINT>(i), MF_BYPOSITION);
    }
  }
  int exit = 0;
  while (exit < ::GetMenuItemCount(file_menu) && id_at(exit) != kCmdExit) ++exit;
  // The list stands above Exit with a separator of its own, which goes with it.
  if (exit >= 2 && separator_at(exit - 1) && separator_at(exit - 2)) {
    ::DeleteMenu(file_menu, static_cast<UINT>(--exit), MF_BYPOSITION);
  }
  if (folders.empty()) return;
  ::InsertMenuW(file_menu, static_cast<UINT>(exit), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  for (size_t i = 0; i < folders.size() && i < core::kMaxRecentFolders; ++i) {
    // "&1 C:\Disc": the number is the item's key; an ampersand of the path shows as itself.
    std::string text = "&" + std::to_string(i + 1) + " ";
    for (char c : folders[i]) text += c == '&' ? std::string("&&") : std::string(1, c);
    ::InsertMenuW(file_menu, static_cast<UINT>(exit) + static_cast<UINT>(i),
                  MF_BYPOSITION | MF_STRING,
                  static_cast<UINT_PTR>(kCmdRecentFolder + static_cast<int>(i)),
                  ui::win32::WideOf(text).c_str());
  }
}
