// TEditForm, the design canvas: a window that keeps the frame of the hidden presentation window
// and shows its inner panel, with the author's selection marks over it. The editing rules are
// the portable CanvasEditor's; this window turns mouse messages into its calls and draws.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "designer/canvas_editor.h"
#include "designer/canvas_geometry.h"
#include "designer/design_undo.h"
#include "designer/drag_layers.h"
#include "designer/win32/caption_box.h"
#include "player/win32/autorun_form.h"
#include "ui/form.h"
#include "ui/panel.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/form_window.h"
#include "ui/win32/menu_table.h"

// The main window's tool group, read by the canvas at every press.
class ToolGroup {
 public:
  virtual ~ToolGroup() = default;
  virtual designer::Tool CurrentTool() const = 0;
  virtual void PutSelectDown() = 0;
};

// Whether the author has agreed to close the designer: the canvas goes away with the main window,
// never on its own.
class CloseGate {
 public:
  virtual ~CloseGate() = default;
  virtual bool CanvasMayClose() const = 0;
};

// Where the selection's place and size, or the pointer's place, is shown while the author works.
class ReadOut {
 public:
  virtual ~ReadOut() = default;
  virtual void ShowReadOut(const std::string& text) = 0;
};

class TEditForm : public ui::win32::FormWindow,
                  public designer::CanvasView,
                  private CaptionBox::Owner {
 public:
  TEditForm(core::AppState& app, TAutoRunForm& autorun_form, const CloseGate& close_gate);
  bool Create();
  // The tool group to read and the window that carries out menu commands.
  void Connect(ToolGroup& tools, HWND command_target);
  void SetDialogs(designer::PropertyDialogs& dialogs) { dialogs_ = &dialogs; }
  void SetReadOut(ReadOut& read_out) { read_out_ = &read_out; }

  // designer::CanvasView
  void RefreshCanvas() override;
  // Composed from pictures drawn once per drag (edit_form_drag.cpp); what RefreshCanvas would draw.
  void RefreshDragStep() override;
  void XorFocusRect(const ui::Rect& rect) override;
  designer::Tool CurrentTool() const override;
  void SelectTool() override;
  void SetPointer(ui::Cursor cursor) override;
  ui::Size DesignArea() const override;

  // Copies the canvas rectangle to the presentation window, renews the picture and redraws.
  void FormResize();
  // Copies the frame properties and the rectangle of the presentation window to the canvas.
  void CopyFrameFromPresentation();

  designer::CanvasEditor& Editor() { return editor_; }
  // What the canvas shows in Image1: the snapshot and the marks.
  const ui::win32::DibSurface& Image1Picture() const { return image1_picture_; }
  // The object at `index` alone selected, as a click on it leaves it, and the read-out on it.
  void SelectObject(size_t index) {
    editor_.SelectOnly(index);
    UpdateReadOut(nullptr);
  }

  // Runs one user action as one undo step named `name` (none when it changed nothing).
  template <typename Action>
  void AsStep(const char* name, Action&& action) {
    const designer::DesignSnapshot before = undo_.Snapshot();
    action();
    undo_.RecordIfChanged(name, before);
  }
  void UndoStep() { Restore(true); }
  void RedoStep() { Restore(false); }
  designer::DesignUndo& Undo() { return undo_; }

  // The property and link commands.
  void EditFormProperties();
  void EditStartLink() {
    if (dialogs_ != nullptr) editor_.EditStartLink(*dialogs_);
  }
  void EditObjectProperties() {
    if (dialogs_ != nullptr) editor_.EditObjectProperties(*dialogs_);
  }
  void EditObjectLink() {
    if (dialogs_ != nullptr) editor_.EditObjectLink(*dialogs_);
  }
  void SetSelectionFont(bool hot) {
    if (dialogs_ != nullptr) editor_.SetSelectionFont(*dialogs_, hot);
  }
  // The grid size dialog on the canvas's grid; true when the author chose another size.
  bool EditGridSize() {
    return dialogs_ != nullptr && dialogs_->EditGridSize(editor_.Snap.GridSize);
  }
  // The exact place and size of the selection, or the design window's client size.
  void EditPositionAndSize();

  // Cut, Copy, Paste or Duplicate (edit_form_clipboard.cpp), each but Copy one undo step; each
  // reports what keeps it from acting. Paste from the context menu puts the objects' top-left
  // corner at `at`.
  void ClipboardCommand(int id, std::optional<ui::Point> at = std::nullopt);
  // Greys Paste in `menu` while the clipboard holds no objects.
  static void ShowPasteState(HMENU menu);

  // Text in place (edit_form_text.cpp): "Edit Caption" opens the edit box over the one selected
  // label or button with its caption selected; typing opens it with the typed letter in place of
  // the caption. Keeping the typed text is one step, in which the object grows to show it whole.
  void EditCaption() { BeginCaptionEdit(0); }
  // Ends the edit in place, keeping the text, before anything else acts on the design.
  void EndCaptionEdit() {
    if (caption_box_.IsOpen()) CaptionBoxDone(true);
  }
  // Bold on or off for the selected labels and buttons, each grown to show its caption whole.
  void ToggleBold();

  ui::Panel Panel1;  // mirrors the presentation window's outer panel settings

  static constexpr char kResizeStepName[] = "Resize Window";

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnResized() override { FormResize(); }
  void OnPaint(HDC dc, const RECT& client) override;
  void OnMouse(const ui::win32::MouseEvent& event) override;
  void OnCaptureLost() override;
  void OnScaleChanged() override;

 private:
  void FormCreate();
  void CopyIcon();
  void CopyBorderAndTransparency();
  void CopyPanelBevels();
  // XOR-draws `marks` onto a picture of Image1's size.
  void DrawSelectionMarks(HDC dc, const std::vector<designer::Mark>& marks);
  // The grid's dots within `part` (device pixels) of a picture of Image1's size, in a gray or
  // black or white that shows on the snapshot (each dot drawn once), and the drag's guides on
  // Image1's picture, XOR-drawn over it: the author's aids, never part of the design.
  void DrawGrid(ui::win32::DibSurface& picture, const ui::Rect& part);
  void DrawGuides();
  // The drag's pictures of what stands still (edit_form_drag.cpp): which children of the inner
  // panel move, and the pictures drawn for them; false when they cannot be made.
  std::vector<bool> MovingChildren() const;
  bool DrawDragPictures(std::vector<bool> moving);
  // Places Panel1 over the client area; Image1 is the rectangle inside its bevels.
  ui::Rect LayoutImage1();
  // The picture of Image1, created at Image1's size by the first drawing after it was dropped.
  HDC Image1Canvas();
  // A rectangle of the design area (design units) on Image1's picture (device pixels).
  ui::Rect OnPicture(const ui::Rect& r) const;
  void ShowContextMenu(ui::Point at);
  bool CopySelection();
  // Undo or redo: another design in place, the canvas mirrors its frame again, and the object at
  // the clicked one's place stays the reference.
  void Restore(bool back);
  // A drag that moved or resized something is one step, from its press to its release.
  void EndDragStep(const std::function<void()>& release);
  // The arrow keys: a run of them on the same selection is one step.
  bool OnNudgeKey(WPARAM key);
  // Tab, Shift+Tab, Esc and Enter: the keyboard's way to choose an object and open it.
  bool OnSelectionKey(WPARAM key);
  // The selection's place and size, or without a selection the pointer's place when given.
  void UpdateReadOut(const ui::Point* pointer);
  // Text in place: `typed`, when not 0, is the first letter, which replaces the caption.
  void BeginCaptionEdit(wchar_t typed);
  void CaptionBoxDone(bool keep) override;
  // A letter or key the canvas got while the box is open goes on to it; a letter typed over one
  // selected label or button opens it. True when the message was taken.
  bool OnCaptionKey(UINT message, WPARAM wparam, LPARAM lparam);
  // Over the object being edited, grown to show `text` whole (canvas client pixels).
  RECT CaptionBoxBounds(const std::wstring& text);

  ui::Form form_;
  core::AppState& app_;
  TAutoRunForm& autorun_form_;
  const CloseGate& close_gate_;  // the main window
  bool Syncing = false;
  designer::CanvasEditor editor_;
  designer::DesignUndo undo_;
  designer::DesignSnapshot press_snapshot_;
  // The design before the author began sizing the window with the mouse or keys: the whole
  // sizing is one step.
  designer::DesignSnapshot sizing_snapshot_;
  ToolGroup* tools_ = nullptr;                    // not owned
  designer::PropertyDialogs* dialogs_ = nullptr;  // not owned
  HWND command_target_ = nullptr;                 // not owned
  ui::Rect image1_rect_;                          // client coordinates, design units
  ui::win32::DibSurface image1_picture_;
  bool image1_has_picture_ = false;
  // Drawn when a drag's first step comes, dropped by every full refresh.
  struct DragPictures {
    ui::win32::DibSurface still;  // every object that stays, its marks and the grid
    ui::win32::DibSurface base;   // what lies below the lowest moving object
    std::optional<designer::DragLayers> layers;
  } drag_;
  ui::Cursor pointer_ = ui::Cursor::Default;
  bool pressed_on_image1_ = false;
  bool alt_in_drag_ = false;  // Alt was held during a drag: its release is no menu request
  ui::win32::OwnedMenu PopupMenu1;
  ui::win32::OwnedAccelerators shortcuts_;
  ReadOut* read_out_ = nullptr;  // not owned
  bool double_click_ = false;    // the press under way is a double click's second
  CaptionBox caption_box_;
  std::wstring caption_before_;  // the box's text as it opened
  // The object whose caption the box holds: compared, never followed once the box is closed.
  const core::AutoObjectType* caption_object_ = nullptr;
};
