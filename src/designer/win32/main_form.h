// TMainForm, the designer's main window: a thin strip across the top of the screen with the
// menu bar and the tool bar. It chooses and opens the CD folder, saves (there or into another
// folder) and test-runs, checks the disc and makes its image, asks about unsaved changes and about
// a design file that another program changed, picks the CD icon, opens help and the maker's
// pages, and hands every editing command to the canvas. Closing it ends the program.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "core/disc_check.h"
#include "designer/design_file.h"
#include "designer/tool_strip.h"
#include "designer/win32/edit_form.h"
#include "designer/win32/folder_lock.h"
#include "player/win32/autorun_form.h"
#include "ui/form.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/form_window.h"
#include "ui/win32/gdi.h"
#include "ui/win32/menu_table.h"
#include "ui/win32/shutdown_block.h"
#include "ui/win32/tool_bar.h"

class TMainForm : public ui::win32::FormWindow, public ToolGroup, public CloseGate, public ReadOut {
 public:
  TMainForm(core::AppState& app, TAutoRunForm& autorun_form);
  ~TMainForm() override;

  bool Create();
  // Shows the main window for the first time and opens the CD folder's project.
  void ShowAtStartUp();

  void SetCanvas(TEditForm& canvas);

  // Loads the project file at `path`, or starts a new project when there is none, and shows it;
  // false when the file could not be read (the reader has said why).
  bool OpenProject(const std::string& path);
  void NewProject();
  void UpdateCaption();
  void UpdateCDIconButton();

  // ToolGroup
  designer::Tool CurrentTool() const override;
  void PutSelectDown() override;
  // CloseGate
  bool CanvasMayClose() const override { return ClosingAllowed; }
  // ReadOut
  void ShowReadOut(const std::string& text) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnResized() override { FormResize(); }
  // The bars, the CD icon button, the read-out's font and the logo at the new scale.
  void OnScaleChanged() override;

 private:
  void FormCreate();
  void FormResize();
  void FormShow();
  bool FormCloseQuery();
  enum class OpenOutcome { Opened, Cancelled, Failed };
  // Asks about unsaved changes, then for a folder, and opens it.
  OpenOutcome Open1Click();
  OpenOutcome BrowseAndOpen();
  // The folder picker, shown again while the author turns down a folder another designer has
  // open; nothing when the author cancels (main_form_commands.cpp).
  std::optional<std::string> ChooseFolder(const char* prompt, const std::string& start,
                                          bool new_folders);
  // False when another designer has `folder` open and the author would rather choose another.
  bool MayUseFolder(const std::string& folder);
  // Makes `folder` the CD folder and opens its design; after a design that could not be read,
  // the designer stays on the folder and design it had.
  bool OpenFolder(std::string folder);
  void OpenRecentFolder(size_t index);
  // Mirrors the design now in the presentation window on the canvas, as a design just opened.
  void ShowOpenedDesign();
  // Logging off, shutting down or restarting asks about unsaved changes as closing does.
  bool QueryEndSession();
  // Save, Save As and what they share (main_form_commands.cpp). Save into a CD folder that is gone
  // offers Save As; a save over a design file another program changed, or that was read only in
  // part, asks first.
  bool Save1Click();
  bool SaveHere();
  bool SaveAs1Click();
  // Deploys into `folder`; on success its AutoRun.ard is the file this designer knows.
  bool DeployInto(const std::string& folder);
  std::string DesignFilePath() const;
  // Coming back to the designer: an unchanged design offers the design file's new design.
  void OfferReload();
  // A question made of the parts of `text`, answered Yes (true) or No.
  bool Ask(std::initializer_list<std::string_view> text, const char* title,
           ui::MessageButtons buttons, ui::MessageIcon icon = ui::MessageIcon::Question);
  // "Save and Test": the name is kept as the original names it.
  void est1Click();
  void Exit1Click();
  // Check Disc and Make Disc Image (main_form_disc.cpp). Both need the CD folder to be there;
  // false after saying that it is not.
  bool CdFolderFound();
  void CheckDisc1Click();
  // The Check Disc window, and what the author chose there; `for_image` when Make Disc Image
  // found something to show first.
  void ShowFindings(bool for_image);
  void MakeDiscImage1Click(core::DiscMedium medium);
  void SelectCDIcon1Click();
  void HelpContentsandIndex1Click();
  // "Technical Support...": the name is kept as the original names it.
  void echnialSupport1Click();
  void HomePage1Click();
  void About1Click();
  // Switches a snapping setting, or asks for the grid size, and keeps it in the settings file.
  void ChangeSnapSetting(int id);
  // Asks "Save Changes to file?" when there are unsaved changes; false when the author cancels
  // or the save fails, so the command that asked must not go on.
  bool AskToSaveChanges();
  bool Modified() const;
  std::string SettingsFile() const;
  // Carries out a menu, shortcut or tool bar command (main_form_commands.cpp).
  void OnCommand(int id);
  bool CreateStripControls();
  // Makes the read-out's font, the logo and the CD icon's glyph for the window's scale.
  void ScaleStripPictures();
  // The widths of the strip's pieces at the window's scale, from the tool bar tables.
  designer::StripMeasures StripMeasures() const;
  void DrawItem(const DRAWITEMSTRUCT& item);

  ui::Form form_;
  core::AppState& app_;
  TAutoRunForm& autorun_form_;
  TEditForm* EditForm = nullptr;  // not owned
  std::string BaseCaption;
  bool ClosingAllowed = false;
  std::optional<int64_t> saved_at_;         // when Save last wrote the design into this CD folder
  designer::DesignFileRecord design_file_;  // the CD folder's AutoRun.ard as last read or written
  FolderLock folder_lock_;                  // tells other designers which folder this one has
  // The medium Check Disc last checked; Make Disc Image checks for it too.
  core::DiscMedium disc_medium_ = core::DiscMedium::Cd700;
  ui::win32::OwnedMenu MainMenu1;  // owned until given to the window
  ui::win32::OwnedAccelerators shortcuts_;
  ui::win32::ToolBar ToolBar1;
  HWND SpeedButton1 = nullptr;    // child windows: destroyed with the main window
  HWND Panel1 = nullptr;          // the logo panel, at the first row's right end
  ui::win32::ToolBar ArrangeBar;  // the align and size buttons, after the CD icon button
  ui::win32::ToolBar DiscBar;     // Check Disc, at the right end of its row (before the logo)
  HWND ReadOutText = nullptr;     // between them: where the selection or the pointer is
  ui::win32::GdiObject<HFONT> read_out_font_;  // above 96 DPI; at 96 the stock font
  ui::win32::DibSurface cd_icon_glyph_;
  ui::win32::GdiObject<HBITMAP> logo_;
  ui::win32::ShutdownBlockReason end_session_block_;
};
