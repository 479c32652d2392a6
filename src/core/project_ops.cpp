// Project list, media and look operations.
#include "core/project_ops.h"

#include <algorithm>

#include "core/file_system.h"
#include "core/messages.h"
#include "core/product_names.h"

namespace core {

ui::Panel* AutoFormType::InnerPanel() const {
  return Panel == nullptr ? nullptr : ui::ControlAs<ui::Panel>(Panel->FirstChild());
}

ui::Label* LabelOf(const AutoObjectType& object) {
  return ui::ControlAs<ui::Label>(object.Control.get());
}
ui::SpeedButton* ButtonOf(const AutoObjectType& object) {
  return ui::ControlAs<ui::SpeedButton>(object.Control.get());
}
ui::ImageControl* ImageOf(const AutoObjectType& object) {
  return ui::ControlAs<ui::ImageControl>(object.Control.get());
}

std::unique_ptr<ui::Control> MakeControl(uint8_t kind) {
  switch (kind) {
    case kKindLabel:
      return std::make_unique<ui::Label>();
    case kKindButton:
      return std::make_unique<ui::SpeedButton>();
    case kKindImage:
      return std::make_unique<ui::ImageControl>();
    default:
      return nullptr;
  }
}

void Renumber(AutoFormType& project) {
  for (size_t i = 0; i < project.Objects.size(); ++i) {
    if (project.Objects[i]->Control) project.Objects[i]->Control->Tag = static_cast<int32_t>(i);
  }
}

void DisposeObject(std::unique_ptr<AutoObjectType> object) {
  if (!object) return;
  object->HotFont = ui::Font{};
  object->Control.reset();
  object->HotGlyph.reset();
  object->HotPicture.reset();
  object->NormalFont = ui::Font{};
  object->NormalGlyph.reset();
  object->NormalPicture.reset();
}

void ClearObjects(AppState& app) {
  auto& objects = app.Project.Objects;
  if (objects.empty()) return;
  if (ui::Panel* inner = app.Project.InnerPanel()) {
    std::vector<ui::Control*> controls;
    for (const auto& object : objects) controls.push_back(object->Control.get());
    inner->DetachChildren(controls);
  }
  for (auto& object : objects) DisposeObject(std::move(object));
  objects.clear();
}

void RemoveObject(AppState& app, const AutoObjectType* object) {
  auto& objects = app.Project.Objects;
  auto found = std::find_if(objects.begin(), objects.end(),
                            [object](const auto& entry) { return entry.get() == object; });
  if (found == objects.end()) return;
  std::unique_ptr<AutoObjectType> removed = std::move(*found);
  objects.erase(found);
  DisposeObject(std::move(removed));
  Renumber(app.Project);
}

std::string MediaPath(const AppState& app, const std::string& name) {
  return !name.empty() && name.front() == '\\' ? app.CDFolder + name : name;
}

namespace {

// Adds `text` to `lines` as a line of its own, unless it is there: objects copied together
// often share a file. (A message names a whole path in quotes, so it is no part of another.)
void AddLine(std::string& lines, const std::string& text) {
  if (lines.find(text) == std::string::npos) (lines += '\n') += text;
}

// Where the messages of one binding go: shown one box each, added to lines, or nowhere.
struct Reports {
  AppState& app;
  MissingFiles missing;
  std::string* lines = nullptr;

  void Tell(const std::string& text) const {
    if (lines != nullptr) {
      AddLine(*lines, text);
    } else {
      ShowError(app.platform, text);
    }
  }
  void Missing(const std::string& path) const {
    if (missing != MissingFiles::Quiet) Tell(FileNotFoundText(path));
  }
  // Where a missing file is reported, a file that holds no picture the program can show is too:
  // the object then looks as it does for a missing file.
  template <typename Loaded>
  Loaded Read(const std::string& path, Loaded loaded) const {
    if (!loaded && missing == MissingFiles::Report) Tell(NotAPictureText(path));
    return loaded;
  }
};

void BindButtonMedia(const Reports& reports, AutoObjectType& object, ui::SpeedButton& button) {
  AppState& app = reports.app;
  object.NormalGlyph.reset();
  object.HotGlyph.reset();
  object.NormalFont = button.Font;

  button.Glyph = app.presentation.DefaultGlyph();
  if (!object.GlyphFile.empty()) {
    const std::string path = MediaPath(app, object.GlyphFile);
    if (!fs::FileExists(path)) {
      reports.Missing(path);
    } else if (auto glyph = reports.Read(path, app.platform.LoadBitmapFile(path))) {
      button.Glyph = *glyph;
      object.NormalGlyph = std::move(glyph);
    }
  }

  if (object.HotGlyphFile.empty()) return;
  const std::string hot_path = MediaPath(app, object.HotGlyphFile);
  if (!fs::FileExists(hot_path)) {
    reports.Missing(hot_path);
    return;
  }
  object.HotGlyph = reports.Read(hot_path, app.platform.LoadBitmapFile(hot_path));
}

// A picture file that does not exist is reported, and loading is still tried (and fails), so a
// missing file yields exactly one message and an empty slot.
std::unique_ptr<ui::Picture> LoadReportedPicture(const Reports& reports, const std::string& name,
                                                 const ui::ImageControl& image) {
  AppState& app = reports.app;
  const std::string path = MediaPath(app, name);
  // The player may decode a picture it only shows stretched smaller; the designer, where the
  // author may make the image larger again, decodes it whole.
  const ui::Size shown =
      image.Stretch && !app.DesignMode ? ui::Size{image.Width, image.Height} : ui::Size{};
  if (!fs::FileExists(path)) {
    reports.Missing(path);
    return app.platform.LoadPictureFile(path, shown);
  }
  return reports.Read(path, app.platform.LoadPictureFile(path, shown));
}

void BindImageMedia(const Reports& reports, AutoObjectType& object, ui::ImageControl& image) {
  object.NormalPicture.reset();
  object.HotPicture.reset();
  image.Picture.reset();
  if (!object.ImageFile.empty()) {
    object.NormalPicture = LoadReportedPicture(reports, object.ImageFile, image);
    if (object.NormalPicture) image.Picture = object.NormalPicture->Clone();
  }
  if (!object.HotImageFile.empty())
    object.HotPicture = LoadReportedPicture(reports, object.HotImageFile, image);
}

void BindMedia(const Reports& reports, AutoObjectType& object) {
  if (auto* label = LabelOf(object)) {
    object.NormalFont = label->Font;
  } else if (auto* button = ButtonOf(object)) {
    BindButtonMedia(reports, object, *button);
  } else if (auto* image = ImageOf(object)) {
    BindImageMedia(reports, object, *image);
  }
}

}  // namespace

void BindObjectMedia(AppState& app, AutoObjectType& object, MissingFiles missing) {
  BindMedia({app, missing}, object);
}

void BindObjectMedia(AppState& app, AutoObjectType& object, std::string& lines) {
  BindMedia({app, MissingFiles::Report, &lines}, object);
}

void AddMissingLinkFiles(const AppState& app, const TCommand& link, std::string& lines) {
  const bool file = link.Action == kActionOpenFile || link.Action == kActionPlaySound ||
                    link.Action == kActionPrintFile;
  if (!file || link.Target.empty()) return;
  const std::string target = app.CDFolder + link.Target;
  // A link that opens a file may open a folder as well.
  if (!fs::FileExists(target) && (link.Action != kActionOpenFile || !fs::DirectoryExists(target))) {
    AddLine(lines, FileNotFoundText(target));
  }
  const std::string start = app.CDFolder + link.StartDirectory;
  if (link.Action == kActionOpenFile && !link.StartDirectory.empty() &&
      !fs::DirectoryExists(start)) {
    AddLine(lines, DirectoryNotFoundText(start));
  }
}

void BindAllObjects(AppState& app, MissingFiles missing) {
  for (auto& object : app.Project.Objects) BindObjectMedia(app, *object, missing);
  app.presentation.AttachObjects();
}

void ApplyWindowLook(AppState& app) {
  if (ui::Panel* inner = app.Project.InnerPanel()) inner->Color = app.Project.BackColor;
  app.presentation.RenderBackground();

  const std::string icon = app.CDFolder + app.Project.IconFile;
  const std::string cd_icon = app.CDFolder + "\\" + kCdIconName;
  if (!app.Project.IconFile.empty() && fs::FileExists(icon)) {
    app.presentation.LoadWindowIcon(icon);
  } else if (fs::FileExists(cd_icon)) {
    app.presentation.LoadWindowIcon(cd_icon);
  }
}

void ApplyNewProjectDefaults(AppState& app) {
  ClearObjects(app);
  AutoFormType& project = app.Project;
  if (ui::Form* window = project.Window) {
    window->BeginUpdate();
    window->SetCaption(kNewMenuCaption);
    window->SetBorderStyle(ui::kBorderSizeable);
    window->SetBounds(window->Left(), window->Top(), 600, 420);
    window->SetTransparentColor(false);
    window->SetTransparentColorValue(0);
  }
  app.presentation.UseApplicationIcon();
  project.IconFile.clear();
  project.StartSoundFile.clear();
  project.StartLink = TCommand{};
  project.BackColor = ui::kColorBlue;
  project.GradientColor = ui::kColorWhite;
  project.GradientStyle = kGradientBottomTop;
  if (ui::Panel* panel = project.Panel) {
    panel->BevelInner = ui::kBevelNone;
    panel->BevelOuter = ui::kBevelNone;
    panel->BevelWidth = 1;
    panel->BorderWidth = 0;
    panel->BorderStyle = ui::kPanelBorderNone;
  }
  if (project.Window != nullptr) {
    project.Window->CenterOn(app.platform.ScreenSize());
    project.Window->EndUpdate();
  }
  ApplyWindowLook(app);
}

AutoObjectType& AddNewObject(AppState& app, uint8_t kind, ui::Point at) {
  for (auto& other : app.Project.Objects) other->Selected = false;

  auto object = std::make_unique<AutoObjectType>();
  object->Kind = kind;
  object->Selected = true;
  object->Control = MakeControl(kind);
  if (auto* label = LabelOf(*object)) {
    label->AutoSize = false;
    label->Transparent = true;
    label->WordWrap = true;
    label->Caption = "New Label";
    label->ParentColor = false;
  } else if (auto* button = ButtonOf(*object)) {
    button->Glyph = ui::PixelBitmap();
    button->Caption = "New Button";
    button->Width = 120;
    button->Height = 40;
  }
  if (object->Control) {
    object->Control->Left = at.x;
    object->Control->Top = at.y;
    object->Control->SetParent(app.Project.InnerPanel());
  }
  app.Project.Objects.push_back(std::move(object));
  AutoObjectType& added = *app.Project.Objects.back();
  added.Control->Tag = static_cast<int32_t>(app.Project.Objects.size() - 1);
  BindObjectMedia(app, added);
  return added;
}

}  // namespace core
