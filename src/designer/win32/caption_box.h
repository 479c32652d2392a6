// The edit box in place over a label or button of the design canvas: an EDIT child of the canvas
// that holds the caption while the author types it. Enter keeps what was typed, Esc drops it, and
// the keyboard going anywhere else keeps it; what keeping means is the canvas's.
#pragma once

#include <windows.h>

#include <string>

#include "ui/win32/gdi.h"

class CaptionBox {
 public:
  // Told once per box, when the author is done with it: `keep` what was typed or not.
  class Owner {
   public:
    virtual ~Owner() = default;
    virtual void CaptionBoxDone(bool keep) = 0;
  };

  // How the box shows the text: in the object's font, aligned as it is, and for a label on
  // several lines (Ctrl+Enter starts a new one).
  struct Look {
    ui::win32::GdiObject<HFONT> font;
    DWORD align = ES_LEFT;  // ES_LEFT, ES_CENTER or ES_RIGHT
    bool lines = false;
    bool wraps = false;  // a multi-line box breaks lines at its width, as a word-wrapped label
  };

  CaptionBox() = default;
  CaptionBox(const CaptionBox&) = delete;
  CaptionBox& operator=(const CaptionBox&) = delete;
  ~CaptionBox() { Close(); }

  // Opens the box with its text over `text_area` of `parent` (client pixels), all of it selected
  // and the keyboard in it; false when no box could be made.
  bool Open(HWND parent, const RECT& text_area, const std::wstring& text, Look look, Owner& owner);
  bool IsOpen() const { return hwnd_ != nullptr; }
  HWND Handle() const { return hwnd_; }
  std::wstring Text() const;
  // The box's text over `text_area`: its margins lie outside it, so that the text shows, and a
  // label's breaks into lines, where the object shows it.
  void MoveTo(const RECT& text_area);
  // Takes the box away; the keyboard goes back to the parent when the box had it. Nothing is told.
  void Close();

 private:
  static LRESULT CALLBACK BoxProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);

  HWND hwnd_ = nullptr;  // owned: destroyed by Close
  HWND parent_ = nullptr;
  WNDPROC edit_procedure_ = nullptr;  // the EDIT class's own, which the box passes messages on to
  Owner* owner_ = nullptr;            // not owned
  bool lines_ = false;
  ui::win32::GdiObject<HFONT> font_;  // shown by the box while it is open
};
