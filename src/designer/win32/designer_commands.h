// The designer's commands: their ids, and the tables of the main menu, the canvas's context
// menu and the tool bar that carry them. Both windows send every command to the main window.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/settings_file.h"
#include "designer/canvas_editor.h"
#include "designer/undo_history.h"
#include "ui/win32/menu_table.h"
#include "ui/win32/tool_bar.h"

enum DesignerCommand : int {
  kCmdOpen = 101,
  kCmdSave,
  kCmdSaveAndTest,
  kCmdExit,
  kCmdFormProperties,
  kCmdStartLink,
  kCmdObjectProperties,
  kCmdObjectLink,
  kCmdDelete,
  kCmdClear,
  kCmdBringToFront,
  kCmdSendToBack,
  kCmdSelectAll,
  kCmdSelectCDIcon,
  kCmdHelpContents,
  kCmdTechnicalSupport,
  kCmdHomePage,
  kCmdAbout,
  kCmdToolSelect,  // the four grouped tool buttons
  kCmdToolAddLabel,
  kCmdToolAddButton,
  kCmdToolAddImage,
  kCmdCDIcon,  // the CD icon button beside the tool bar
  kCmdUndo,
  kCmdRedo,
  kCmdSelectionFont,  // "Font..." and "Hot Track Font...": the selection's labels and buttons
  kCmdSelectionHotFont,
  kCmdRecentFolder,  // the first of the File menu's recent CD folders; the others follow it
  // The clipboard commands, numbered apart so that the recent folders keep the ids after theirs.
  kCmdCut = 180,
  kCmdCopy,
  kCmdPaste,
  kCmdDuplicate,
  // The Arrange menu's snapping and grid, the switches in the order of core::kSnapFlags.
  kCmdSnapToObjects = 200,
  kCmdShowGrid,
  kCmdSnapToGrid,
  kCmdGridSize,
  // The File menu's disc commands.
  kCmdCheckDisc = 220,
  kCmdMakeDiscImage,
  kCmdSaveAs = 230,
  // The caption's edit in place and the Bold switch of the selected labels and buttons.
  kCmdEditCaption = 240,
  kCmdBold,
};

// The Arrange menu's commands, in the order of designer::ArrangeCommand, then Position and Size.
enum ArrangeMenuCommand : int {
  kCmdAlignLefts = 600,
  kCmdAlignCenters,
  kCmdAlignRights,
  kCmdAlignTops,
  kCmdAlignMiddles,
  kCmdAlignBottoms,
  kCmdMakeSameWidth,
  kCmdMakeSameHeight,
  kCmdMakeSameSize,
  kCmdDistributeHorizontally,
  kCmdDistributeVertically,
  kCmdCenterHorizontally,
  kCmdCenterVertically,
  kCmdPositionAndSize,
};

// The main menu bar with its File, Edit, Arrange and Help menus.
ui::win32::OwnedMenu BuildMainMenu();
// The canvas's context menu.
ui::win32::OwnedMenu BuildCanvasMenu();
// The main menu's shortcuts (both designer windows) and the canvas's, which adds the context
// menu's own.
ui::win32::OwnedAccelerators BuildMainShortcuts();
ui::win32::OwnedAccelerators BuildCanvasShortcuts();

std::span<const ui::win32::ToolButtonSpec> ToolBarButtons();
// The align and size buttons, on a bar of their own after the CD icon button.
std::span<const ui::win32::ToolButtonSpec> ArrangeBarButtons();
// Check Disc, on a bar of its own left of the logo.
std::span<const ui::win32::ToolButtonSpec> DiscBarButtons();
// An Arrange menu command's caption, which also names its undo step.
const char* ArrangeCaption(int id);
// Greys the Arrange menu's align and size items unless two or more objects are selected, and the
// centring items unless one is.
void ShowArrangeState(HMENU arrange_menu, size_t selected);

// The Edit menu's first two items name the step they would take ("Undo Move") and are greyed
// when there is none.
void ShowUndoState(HMENU edit_menu, const designer::UndoHistory& history);
// The Edit menu's and the canvas's context menu's commands that have nothing to act on are
// greyed: those of the selection while nothing is selected, "Object Properties..." while it has
// neither one object nor several of one kind, "Bring to Front" and "Send to Back" unless one
// object is selected, "Edit Caption" unless one label or button is, the font commands while no
// label or button is, "Clear" and "Select All" while there is no object. "Bold" shows a check
// mark while every selected label and button is bold.
void ShowEditState(HMENU menu, const designer::CanvasEditor::EditFacts& facts);
// The Arrange menu's switches of the snapping and the grid show a check mark while they are on.
void ShowSnapState(HMENU menu, const core::SnapSettings& settings);
// The File menu lists the recent CD folders, numbered, above Exit.
void ShowRecentFolders(HMENU file_menu, const std::vector<std::string>& folders);
