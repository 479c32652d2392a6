// TMainForm, the designer's main window: a thin strip across the top of the screen with the
// menu bar. It chooses and opens the CD folder and owns the designer's lifetime: closing it ends
// the program.
#pragma once

#include <string>

#include "designer/win32/edit_form.h"
#include "player/win32/autorun_form.h"
#include "ui/form.h"
#include "ui/win32/form_window.h"

class TMainForm : public ui::win32::FormWindow {
 public:
  TMainForm(core::AppState& app, TAutoRunForm& autorun_form);
  ~TMainForm() override;

  bool Create();
  // Shows the main window for the first time and opens the CD folder's project.
  void ShowAtStartUp();

  void SetCanvas(TEditForm& canvas) { EditForm = &canvas; }
  const bool& ClosingAllowedFlag() const { return ClosingAllowed; }

  void OpenProject(const std::string& path);
  void NewProject();
  void UpdateCaption();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnResized() override { FormResize(); }

 private:
  void FormCreate();
  void FormResize();
  void FormShow();
  bool FormCloseQuery();
  void Open1Click();
  bool Save1Click();
  void est1Click();
  void Exit1Click();
  // Asks "Save Changes to file?" when there are unsaved changes; false when the author cancels
  // or the save fails, so the command that asked must not go on.
  bool AskToSaveChanges();
  void OnCommand(int id);

  ui::Form form_;
  core::AppState& app_;
  TAutoRunForm& autorun_form_;
  TEditForm* EditForm = nullptr;  // not owned
  std::string BaseCaption;
  bool ClosingAllowed = false;
  HMENU MainMenu1 = nullptr;   // owned until given to the window
  HACCEL Shortcuts = nullptr;  // owned
};
