// Reading the project file. Every value is read completely before it is applied, so a file cut
// short or a damaged length never puts an undefined value into the model. The innermost reader
// that meets an error reports "IO Error" once; the outer levels only pass the failure on.
#include <memory>

#include "core/byte_stream.h"
#include "core/file_system.h"
#include "core/messages.h"
#include "core/project_file.h"
#include "core/project_ops.h"

namespace core {
namespace {

// The blocks an object consists of. A failure is reported as "IO Error" through `report`, or
// left to the caller when there is none.
class BlockReader {
 public:
  BlockReader(ByteReader& in, ui::Platform* report) : in_(in), report_(report) {}

  // One object block; the new control gets no parent here.
  bool Object(AutoObjectType& object);

 protected:
  // Each primitive applies its value through `apply` only when it was read completely.
  template <typename T, typename Apply>
  bool Field(bool (ByteReader::*read)(T&), Apply apply) {
    T value{};
    if (!(in_.*read)(value)) return Fail();
    apply(value);
    return true;
  }
  bool Byte(uint8_t& to) {
    return Field(&ByteReader::Byte, [&](uint8_t v) { to = v; });
  }
  bool Bool(bool& to) {
    return Field(&ByteReader::Bool, [&](bool v) { to = v; });
  }
  bool Int32(int32_t& to) {
    return Field(&ByteReader::Int32, [&](int32_t v) { to = v; });
  }
  bool Colour(ui::Color& to) {
    return Field(&ByteReader::UInt32, [&](uint32_t v) { to = v; });
  }
  bool String(std::string& to) {
    return Field(&ByteReader::String, [&](std::string& v) { to = std::move(v); });
  }
  bool Fail() {
    if (report_ != nullptr) ShowIOError(*report_);
    return false;
  }

  bool Font(ui::Font& font);
  bool Command(TCommand& command);
  bool LabelBlock(ui::Label& label);
  bool ButtonBlock(ui::SpeedButton& button);
  bool ImageBlock(ui::ImageControl& image);

  ByteReader& in_;
  ui::Platform* report_;  // not owned
};

class ProjectReader : public BlockReader {
 public:
  ProjectReader(AppState& app, ByteReader& in)
      : BlockReader(in, &app.platform), app_(app), project_(app.Project) {}

  bool Read();

 private:
  bool WindowFields();
  bool PanelFields();
  bool Objects();

  AppState& app_;
  AutoFormType& project_;
};

bool BlockReader::Font(ui::Font& font) {
  return String(font.name) && Colour(font.color) && Int32(font.size) && Byte(font.style);
}

bool BlockReader::Command(TCommand& command) {
  return Byte(command.Action) && Int32(command.ShowCommand) && String(command.SoundFile) &&
         String(command.Target) && String(command.Parameters) && String(command.StartDirectory);
}

bool ProjectReader::WindowFields() {
  ClearObjects(app_);
  static ui::Form unbound;  // a model without a window still has its fields read in order
  ui::Form& window = project_.Window ? *project_.Window : unbound;
  // The real window takes the fields read (all, or those before a failure) in one step, so it
  // never shows at the stored size in the stored place before it is centred.
  struct UpdateScope {
    ui::Form& form;
    explicit UpdateScope(ui::Form& f) : form(f) { form.BeginUpdate(); }
    ~UpdateScope() { form.EndUpdate(); }
  } batch(window);
  auto set = [&](auto setter) {
    return [&window, setter](auto value) { (window.*setter)(value); };
  };
  auto discard = [](auto) {};
  const bool ok = Field(&ByteReader::Byte, set(&ui::Form::SetBorderIcons)) &&
                  Field(&ByteReader::Byte, set(&ui::Form::SetBorderStyle)) &&
                  Field(&ByteReader::Int32, set(&ui::Form::SetBorderWidth)) &&
                  Field(&ByteReader::String, [&](std::string& v) { window.SetCaption(v); }) &&
                  Field(&ByteReader::Int32, set(&ui::Form::SetHeight)) &&
                  Field(&ByteReader::Int32, discard) &&  // Left: the window is centred instead
                  Field(&ByteReader::Byte, set(&ui::Form::SetPosition)) &&
                  Field(&ByteReader::Int32, discard) &&  // Top
                  Field(&ByteReader::Int32, set(&ui::Form::SetWidth)) &&
                  Field(&ByteReader::Byte, set(&ui::Form::SetWindowState)) &&
                  Field(&ByteReader::UInt32, set(&ui::Form::SetTransparentColorValue)) &&
                  Field(&ByteReader::Bool, set(&ui::Form::SetTransparentColor));
  if (ok) window.CenterOn(app_.platform.ScreenSize());
  return ok;
}

bool ProjectReader::PanelFields() {
  static ui::Panel unbound;
  ui::Panel& panel = project_.Panel ? *project_.Panel : unbound;
  return Byte(panel.BorderStyle) && Byte(panel.BevelInner) && Byte(panel.BevelOuter) &&
         Int32(panel.BevelWidth) && Int32(panel.BorderWidth);
}

bool BlockReader::LabelBlock(ui::Label& label) {
  label.ParentColor = false;
  return Byte(label.Alignment) && Bool(label.AutoSize) && String(label.Caption) &&
         Colour(label.Color) && Font(label.Font) && Int32(label.Height) && String(label.Hint) &&
         Byte(label.Layout) && Int32(label.Left) && String(label.Name) && Int32(label.Top) &&
         Bool(label.Transparent) && Int32(label.Width) && Bool(label.WordWrap);
}

bool BlockReader::ButtonBlock(ui::SpeedButton& button) {
  return String(button.Caption) && Bool(button.Flat) && Font(button.Font) && Int32(button.Height) &&
         String(button.Hint) && Byte(button.Layout) && Int32(button.Left) &&
         Field(&ByteReader::Int32, [&](int32_t v) { button.SetMargin(v); }) &&
         String(button.Name) && Int32(button.Spacing) && Int32(button.Top) &&
         Bool(button.Transparent) && Int32(button.Width);
}

bool BlockReader::ImageBlock(ui::ImageControl& image) {
  return Bool(image.AutoSize) && Bool(image.Center) && Int32(image.Height) && String(image.Hint) &&
         Int32(image.Left) && String(image.Name) && Bool(image.Stretch) && Int32(image.Top) &&
         Bool(image.Transparent) && Int32(image.Width);
}

bool BlockReader::Object(AutoObjectType& object) {
  object.Hot = false;
  if (!(Byte(object.Kind) && Command(object.Link) && String(object.Reserved) &&
        String(object.HotGlyphFile) && String(object.HotImageFile) && Font(object.HotFont) &&
        Font(object.NormalFont) && String(object.GlyphFile) && String(object.ImageFile))) {
    return false;
  }
  object.Control = MakeControl(object.Kind);
  bool ok = false;
  if (auto* label = LabelOf(object)) {
    ok = LabelBlock(*label);
  } else if (auto* button = ButtonOf(object)) {
    ok = ButtonBlock(*button);
  } else if (auto* image = ImageOf(object)) {
    ok = ImageBlock(*image);
  } else {
    return false;  // an unknown kind ends the read without a message
  }
  if (!ok) return false;
  object.Control->Cursor =
      object.Link.Action != kActionNone ? ui::Cursor::HandPoint : ui::Cursor::Default;
  return true;
}

bool ProjectReader::Objects() {
  int32_t count = 0;
  if (!Int32(count)) return false;
  for (int32_t i = 0; i < count; ++i) {
    auto object = std::make_unique<AutoObjectType>();
    // An object whose block fails part-way is dropped rather than left in the list half-built.
    if (!Object(*object)) {
      DisposeObject(std::move(object));
      return false;
    }
    object->Control->SetParent(project_.InnerPanel());
    project_.Objects.push_back(std::move(object));
  }
  return true;
}

bool ProjectReader::Read() {
  const bool ok = String(project_.IconFile) && String(project_.StartSoundFile) &&
                  Colour(project_.BackColor) && Colour(project_.GradientColor) &&
                  Byte(project_.GradientStyle) && Command(project_.StartLink) && WindowFields() &&
                  PanelFields() && Objects();
  Renumber(project_);
  if (!ok) return false;
  uint32_t reserved = 0;
  return Field(&ByteReader::UInt32, [&](uint32_t v) { reserved = v; });
}

}  // namespace

bool ReadObjectBlock(ByteReader& in, AutoObjectType& object) {
  return BlockReader(in, nullptr).Object(object);
}

bool DecodeProject(AppState& app, const uint8_t* data, size_t size, MissingFiles missing) {
  ByteReader signature(data, size);
  uint32_t word = 0;
  if (!signature.UInt32(word) || word != kProjectSignature) {
    ShowFormatError(app.platform);
    return false;
  }
  ByteReader in(data + 4, size - 4);
  if (!ProjectReader(app, in).Read()) return false;
  BindAllObjects(app, missing);
  ApplyWindowLook(app);
  return true;
}

bool LoadProject(AppState& app, const std::string& path, MissingFiles missing) {
  if (!fs::FileExists(path)) {
    ShowFileNotFound(app.platform, path);
    return false;
  }
  const auto bytes = fs::ReadWholeFile(path);
  if (!bytes) {
    ShowIOError(app.platform);
    return false;
  }
  app.platform.ForgetPictures();  // the design open until now is closed
  return DecodeProject(app, bytes->data(), bytes->size(), missing);
}

}  // namespace core
