// Writing the project file. Within the control blocks the properties follow the alphabetical
// order of their names; the window and panel fields follow the project block's own order.
#include "core/byte_stream.h"
#include "core/file_system.h"
#include "core/messages.h"
#include "core/project_file.h"
#include "core/project_ops.h"

namespace core {
namespace {

void WriteFont(ByteWriter& out, const ui::Font& font) {
  out.String(font.name);
  out.UInt32(font.color);
  out.Int32(font.size);
  out.Byte(font.style);
}

void WriteCommand(ByteWriter& out, const TCommand& command) {
  out.Byte(command.Action);
  out.Int32(command.ShowCommand);
  out.String(command.SoundFile);
  out.String(command.Target);
  out.String(command.Parameters);
  out.String(command.StartDirectory);
}

void WriteWindowFields(ByteWriter& out, const ui::Form& window, WindowPlace place) {
  const bool stored = place == WindowPlace::Stored;
  out.Byte(window.BorderIcons());
  out.Byte(window.BorderStyle());
  out.Int32(window.BorderWidth());
  out.String(window.Caption());
  out.Int32(window.Height());
  out.Int32(stored ? window.Left() : 0);
  out.Byte(window.Position());
  out.Int32(stored ? window.Top() : 0);
  out.Int32(window.Width());
  out.Byte(window.WindowState());
  out.UInt32(window.TransparentColorValue());
  out.Bool(window.TransparentColor());
}

void WritePanelFields(ByteWriter& out, const ui::Panel& panel) {
  out.Byte(panel.BorderStyle);
  out.Byte(panel.BevelInner);
  out.Byte(panel.BevelOuter);
  out.Int32(panel.BevelWidth);
  out.Int32(panel.BorderWidth);
}

void WriteLabelBlock(ByteWriter& out, const ui::Label& label) {
  out.Byte(label.Alignment);
  out.Bool(label.AutoSize);
  out.String(label.Caption);
  out.UInt32(label.Color);
  WriteFont(out, label.Font);
  out.Int32(label.Height);
  out.String(label.Hint);
  out.Byte(label.Layout);
  out.Int32(label.Left);
  out.String(label.Name);
  out.Int32(label.Top);
  out.Bool(label.Transparent);
  out.Int32(label.Width);
  out.Bool(label.WordWrap);
}

void WriteButtonBlock(ByteWriter& out, const ui::SpeedButton& button) {
  out.String(button.Caption);
  out.Bool(button.Flat);
  WriteFont(out, button.Font);
  out.Int32(button.Height);
  out.String(button.Hint);
  out.Byte(button.Layout);
  out.Int32(button.Left);
  out.Int32(button.Margin());
  out.String(button.Name);
  out.Int32(button.Spacing);
  out.Int32(button.Top);
  out.Bool(button.Transparent);
  out.Int32(button.Width);
}

void WriteImageBlock(ByteWriter& out, const ui::ImageControl& image) {
  out.Bool(image.AutoSize);
  out.Bool(image.Center);
  out.Int32(image.Height);
  out.String(image.Hint);
  out.Int32(image.Left);
  out.String(image.Name);
  out.Bool(image.Stretch);
  out.Int32(image.Top);
  out.Bool(image.Transparent);
  out.Int32(image.Width);
}

}  // namespace

bool WriteObjectBlock(ByteWriter& out, const AutoObjectType& object) {
  out.Byte(object.Kind);
  WriteCommand(out, object.Link);
  out.String(object.Reserved);
  out.String(object.HotGlyphFile);
  out.String(object.HotImageFile);
  WriteFont(out, object.HotFont);
  WriteFont(out, object.NormalFont);
  out.String(object.GlyphFile);
  out.String(object.ImageFile);
  if (const auto* label = LabelOf(object); label && object.Kind == kKindLabel) {
    WriteLabelBlock(out, *label);
  } else if (const auto* button = ButtonOf(object); button && object.Kind == kKindButton) {
    WriteButtonBlock(out, *button);
  } else if (const auto* image = ImageOf(object); image && object.Kind == kKindImage) {
    WriteImageBlock(out, *image);
  } else {
    return false;
  }
  return true;
}

std::optional<std::vector<uint8_t>> EncodeProject(const AppState& app, WindowPlace place) {
  const AutoFormType& project = app.Project;
  ByteWriter out;
  out.UInt32(kProjectSignature);
  out.String(project.IconFile);
  out.String(project.StartSoundFile);
  out.UInt32(project.BackColor);
  out.UInt32(project.GradientColor);
  out.Byte(project.GradientStyle);
  WriteCommand(out, project.StartLink);
  // The program always binds a window and a panel; a bare model writes their defaults.
  static const ui::Form kNoWindow;
  static const ui::Panel kNoPanel;
  WriteWindowFields(out, project.Window ? *project.Window : kNoWindow, place);
  WritePanelFields(out, project.Panel ? *project.Panel : kNoPanel);
  out.Int32(static_cast<int32_t>(project.Objects.size()));
  for (const auto& object : project.Objects) {
    if (!WriteObjectBlock(out, *object)) return std::nullopt;
  }
  // The reserved word carries nothing; the filler words are tick counts, read afresh each.
  out.UInt32(0);
  for (int i = 0; i < kFillerWords; ++i) out.UInt32(app.platform.TickCount());
  return std::move(out.Bytes());
}

bool SaveProjectFile(AppState& app, const std::string& path) {
  auto bytes = EncodeProject(app);
  if (!bytes) return false;
  switch (fs::ReplaceFileContents(path, *bytes)) {
    case fs::WriteOutcome::Written:
      return true;
    case fs::WriteOutcome::CannotCreate:
      app.platform.ReportError("Cannot create file \"" + path + "\". " + fs::LastErrorText());
      return false;
    case fs::WriteOutcome::WriteFailed:
      break;
  }
  ShowIOError(app.platform);
  return false;
}

}  // namespace core
