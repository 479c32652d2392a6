// Text in place and Bold on the design canvas: the caption's edit box over the one selected label
// or button, in the object's font at the canvas's scale, and the measure that both grow objects
// by, the one auto size measures with.
#include "core/project_ops.h"
#include "designer/text_rules.h"
#include "designer/win32/edit_form.h"
#include "ui/scale.h"
#include "ui/win32/application.h"
#include "ui/win32/gdi_canvas.h"
#include "ui/win32/wide_text.h"

namespace {

constexpr char kCaptionStepName[] = "Edit Caption";

// Text measured as auto size measures it: in fonts made for 96 DPI, in design units.
class DesignMeasure {
 public:
  DesignMeasure()
      : dc_(::CreateCompatibleDC(nullptr)), canvas_(dc_.Get(), ui::kDesignDpi, ui::kDesignDpi) {}
  ui::Canvas& Canvas() { return canvas_; }

 private:
  ui::win32::MemoryDc dc_;
  ui::win32::GdiCanvas canvas_;
};

}  // namespace

void TEditForm::ToggleBold() {
  DesignMeasure measure;
  editor_.ToggleBold(measure.Canvas());
}

RECT TEditForm::CaptionBoxBounds(const std::wstring& text) {
  const ui::Control& c = *caption_object_->Control;
  const std::string caption = ui::win32::Utf8Of(text);
  DesignMeasure measure;
  const ui::Size size = editor_.SizeToShow(*caption_object_, caption, measure.Canvas());
  ui::Rect area = ui::Rect::FromBounds(c.Left, c.Top, size.width, size.height);
  if (const ui::SpeedButton* button = core::ButtonOf(*caption_object_)) {
    // One line across the middle, where the button shows its caption.
    const int32_t line = measure.Canvas().MeasureText(caption, button->Font, 0).height;
    area.top += (size.height - line) / 2;
    area.bottom = area.top + line;
  }
  const ui::Rect on_picture = OnPicture(area);
  const ui::Point image1 = DeviceScale().ToDevice(ui::Point{image1_rect_.left, image1_rect_.top});
  return {image1.x + on_picture.left, image1.y + on_picture.top, image1.x + on_picture.right,
          image1.y + on_picture.bottom};
}

void TEditForm::BeginCaptionEdit(wchar_t typed) {
  if (caption_box_.IsOpen() || editor_.DragState != designer::DragStateType::Idle) return;
  core::AutoObjectType* object = editor_.SingleSelected();
  const std::string* caption = object != nullptr ? designer::CaptionOf(*object) : nullptr;
  if (caption == nullptr) return;
  CaptionBox::Look look{
      ui::win32::CreateDesignFont(designer::FontOf(*object, false), DeviceScale().Dpi())};
  if (const ui::Label* label = core::LabelOf(*object)) {
    look.align = label->Alignment == ui::kAlignRight    ? ES_RIGHT
                 : label->Alignment == ui::kAlignCenter ? ES_CENTER
                                                        : ES_LEFT;
    look.lines = true;
    look.wraps = label->WordWrap;
  } else {
    look.align = ES_CENTER;  // as a button centres its caption
  }
  caption_object_ = object;
  const std::wstring text = ui::win32::WideOf(*caption);
  if (!caption_box_.Open(Handle(), CaptionBoxBounds(text), text, std::move(look), *this)) {
    caption_object_ = nullptr;
    return;
  }
  caption_before_ = caption_box_.Text();
  // Every key is the box's while it is open: Del, Ctrl+Z or Ctrl+A edit the text, not the design.
  ui::win32::Application::SetAccelerators(Handle(), nullptr);
  if (typed != 0) ::SendMessageW(caption_box_.Handle(), WM_CHAR, typed, 0);
}

void TEditForm::CaptionBoxDone(bool keep) {
  const std::wstring text = caption_box_.Text();
  caption_box_.Close();
  ui::win32::Application::SetAccelerators(Handle(), shortcuts_.Get());
  const bool same_object = editor_.SingleSelected() == caption_object_;
  caption_object_ = nullptr;
  if (!keep || !same_object || text == caption_before_) return;
  DesignMeasure measure;
  AsStep(kCaptionStepName, [&] { editor_.SetCaption(ui::win32::Utf8Of(text), measure.Canvas()); });
}

bool TEditForm::OnCaptionKey(UINT message, WPARAM wparam, LPARAM lparam) {
  if (caption_box_.IsOpen()) {
    // Keys typed before the box had the keyboard, or while the canvas kept it, are the box's.
    if (message == WM_KEYDOWN || message == WM_CHAR) {
      ::SendMessageW(caption_box_.Handle(), message, wparam, lparam);
      return true;
    }
    if (message == WM_COMMAND && HIWORD(wparam) == EN_CHANGE) {
      caption_box_.MoveTo(CaptionBoxBounds(caption_box_.Text()));  // it grows as the text does
    }
    return message == WM_COMMAND;
  }
  // A letter, not a control character, over one selected label or button.
  if (message != WM_CHAR || wparam < 0x20 || wparam == 0x7F) return false;
  BeginCaptionEdit(static_cast<wchar_t>(wparam));
  return caption_box_.IsOpen();
}
