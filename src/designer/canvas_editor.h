// The design canvas's editing rules: the press / move / release state machine (select, rubber
// band, move and resize), adding objects with the add tools, and the editing commands. It works
// on the project's objects and their controls; the window it serves only turns mouse messages
// into calls and draws what it is asked to (CanvasView).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/project_model.h"
#include "designer/arrange.h"
#include "designer/duplicate_steps.h"
#include "designer/property_dialogs.h"
#include "designer/snapping.h"
#include "ui/control.h"
#include "ui/geometry.h"

namespace ui {
// Measures text. Its header comes after <windows.h> in Windows code, whose DrawText is a macro.
class Canvas;
}  // namespace ui

namespace designer {

inline constexpr char kSelectForLink[] = "Select one or more objects to edit their link.";
inline constexpr char kObjectLinkTitle[] = "Object Link";

// The main window's tool group: exactly one is down.
enum class Tool : uint8_t { Select, AddLabel, AddButton, AddImage };
enum class MouseButton : uint8_t { Left, Right, Middle };

// What a press of the left button with the Select tool started. A selection is pending only
// inside the press handler.
enum class DragStateType : int8_t {
  Idle = -1,
  BandOrClick = 0,
  SelectionPending = 1,
  MoveOrResize = 2
};

// What the editing rules need from the canvas window.
class CanvasView {
 public:
  virtual ~CanvasView() = default;
  // Repaints the snapshot and the marks, then lets the editor put its rubber band back
  // (BandAfterRepaint). It changes nothing in the design.
  virtual void RefreshCanvas() = 0;
  // The same after a move or resize step of the drag under way, which moved only the selected
  // objects: a window may draw it from what it kept of the drag's earlier steps.
  virtual void RefreshDragStep() { RefreshCanvas(); }
  // Draws the platform focus rectangle in XOR; drawing it again erases it.
  virtual void XorFocusRect(const ui::Rect& rect) = 0;
  virtual Tool CurrentTool() const = 0;
  // Puts the Select tool down again after an add tool placed its object.
  virtual void SelectTool() = 0;
  virtual void SetPointer(ui::Cursor cursor) = 0;
  // The size of the design area (the presentation window's inner panel).
  virtual ui::Size DesignArea() const = 0;
};

// The rubber band as last drawn, normalised; all -1 when there is none.
struct BandRectType {
  int32_t Left = -1, Top = -1, Right = -1, Bottom = -1;
  friend bool operator==(const BandRectType&, const BandRectType&) = default;
};

class CanvasEditor {
 public:
  // `background` is the presentation window's background picture control, which stays behind
  // every object when one is sent to the back.
  CanvasEditor(core::AppState& app, ui::Control& background, CanvasView& view)
      : app_(app), background_(background), view_(view) {}

  void FormCreate();

  void Image1MouseDown(MouseButton button, bool ctrl, ui::Point p);
  // `no_snap`: the author holds the key that turns snapping off for this step.
  void Image1MouseMove(ui::Point p, bool no_snap = false);
  void Image1MouseUp(bool ctrl, ui::Point p);
  // The canvas lost the mouse while a button was held: the drag ends where it is, the band goes.
  void CaptureLost();

  void DrawRubberBand(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  // A refresh has painted the picture afresh, without the band: a band still being dragged is
  // drawn again, any other is forgotten.
  void BandAfterRepaint();

  void AddObject(uint8_t kind, ui::Point p);
  void SelectAll();
  // Tab and Shift+Tab: the next or previous object in stacking order alone selected (and the
  // reference), wrapping at either end; Esc: nothing selected.
  void SelectStep(bool forward);
  void ClearSelection();
  // The object at `index` alone selected and the reference, as a click on it leaves them: how
  // Check Disc shows the object a finding names. An index past the last object selects nothing.
  void SelectOnly(size_t index);
  void DeleteSelected();
  void ClearDesign();
  void BringSelectedToFront();
  void SendSelectedToBack();
  // The dialog commands. Object properties acts on the one selected object, or on several of one
  // kind; object link on every selected object, and with none it says what it needs. A link edit
  // changes nothing visible, so it does not refresh.
  void EditObjectProperties(PropertyDialogs& dialogs);
  void EditObjectLink(PropertyDialogs& dialogs);
  void EditStartLink(PropertyDialogs& dialogs);
  // The one selected object, or null when none or more than one is selected.
  core::AutoObjectType* SingleSelected() const;
  // "Font..." (`hot` false) and "Hot Track Font..." (`hot` true): the font dialog, preset to the
  // first one's, for every selected label and button, whatever else is selected; nothing when
  // none is (the commands are greyed then). Font... gives each the chosen font and keeps its
  // hot-track font in step; Hot Track Font... gives each hot-track font what the author changed.
  void SetSelectionFont(PropertyDialogs& dialogs, bool hot);
  // Bold: every selected label and button bold, or regular when all of them are bold already,
  // the hot-track fonts kept in step; each grows to show its caption whole in the new font, as
  // `measure` measures it.
  void ToggleBold(ui::Canvas& measure);
  bool SelectionIsBold() const;
  // The caption typed in place into the one selected label or button, which grows to show it
  // whole; false when there is no such object.
  bool SetCaption(const std::string& text, ui::Canvas& measure);
  // The size the object needs to show `caption` whole, within the design area's width.
  ui::Size SizeToShow(const core::AutoObjectType& object, const std::string& caption,
                      ui::Canvas& measure) const;

  // What the Edit menu's commands have to act on, so that those with nothing are greyed.
  struct EditFacts {
    size_t objects = 0, selected = 0, with_fonts = 0;
    bool properties = false;  // Object Properties has one object, or several of one kind
    bool bold = false;        // every selected label and button is bold
  };
  EditFacts Facts() const;

  // Where the next duplicate goes: the step of the last one while its copies are the selection.
  DuplicateSteps& Duplicates() { return duplicates_; }

  // The Arrange menu's commands and the arrow keys, on the selection.
  void Arrange(ArrangeCommand command);
  void Nudge(ui::Point direction, int32_t step, bool resize);
  // What align and size go by: the object a click selected last, while it stays selected.
  const core::AutoObjectType* Reference() const { return ReferenceObject(app_.Project, clicked_); }
  // The clicked object's place in the list (-1: none), and the object at that place taking its
  // role: undo, redo and another design replace every object, and a step keeps their order.
  int32_t ReferenceIndex() const;
  void KeepReferenceAt(int32_t index);

  // The canvas fields, in the window's order.
  BandRectType BandRect;
  DragStateType DragState = DragStateType::Idle;
  bool Dragged = false;
  int32_t GrabCode = -1;
  int32_t LastX = -1, LastY = -1;
  int32_t AnchorX = -1, AnchorY = -1;

  // The author's snapping and grid, and the guides of the drag step last taken.
  core::SnapSettings Snap;
  SnapGuides Guides;

 private:
  void SelectOnPress(ui::Point p);
  void SelectByBand(bool ctrl);
  void SelectByClick(bool ctrl, ui::Point p);
  // The drag step with the selection's lines pulled onto the nearest lines in reach; with
  // snapping off, the step as it is.
  ui::Point SnapStep(ui::Point step, ui::Size area, bool no_snap);
  void EndSnapping();
  // The single selection rule: the index of the one selected object, or -1.
  int32_t SingleSelectedIndex() const;
  // Object Properties on several objects: only when they are all of one kind.
  void EditSeveralProperties(PropertyDialogs& dialogs);
  // The selected objects in stacking order; with fonts, only its labels and buttons.
  std::vector<core::AutoObjectType*> SelectedObjects(bool with_fonts) const;
  // After a dialog changed `objects`: fonts, glyphs and pictures from the edited names.
  void Rebind(const std::vector<core::AutoObjectType*>& objects);

  core::AppState& app_;
  ui::Control& background_;  // not owned
  CanvasView& view_;         // not owned
  // How far the pulls of this drag have put the selection from where the pointer alone would
  // have it: the next step starts from there, so that the pointer can leave a line again.
  ui::Point snap_offset_;
  // Compared with the project's objects only, never followed: it may be gone.
  const core::AutoObjectType* clicked_ = nullptr;
  DuplicateSteps duplicates_;
};

}  // namespace designer
