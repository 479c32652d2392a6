// Test doubles for the desktop and the presentation window: they record every message box and
// every presentation call so that tests can check what a user would have been shown.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "ui/form.h"
#include "ui/panel.h"
#include "ui/platform.h"

namespace testing_support {

// A picture that remembers how many bytes its file had, so tests can tell pictures apart.
class FakePicture : public ui::Picture {
 public:
  explicit FakePicture(int32_t bytes) : bytes_(bytes) {}
  ui::Size GetSize() const override { return {bytes_, 1}; }
  std::unique_ptr<ui::Picture> Clone() const override {
    return std::make_unique<FakePicture>(bytes_);
  }

 private:
  int32_t bytes_;
};

struct ShownMessage {
  std::string text;
  std::string title;
  ui::MessageIcon icon;
  friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

// The title a fake platform's general error reports are recorded with.
inline constexpr char kGeneralErrorTitle[] = "<general error>";

class FakePlatform : public ui::Platform {
 public:
  ui::MessageResult ShowMessageBox(const std::string& text, const std::string& title,
                                   ui::MessageIcon icon, ui::MessageButtons buttons) override;
  // Recorded among the messages, titled kGeneralErrorTitle.
  void ReportError(const std::string& text) override {
    messages.push_back({text, kGeneralErrorTitle, ui::MessageIcon::Error});
  }
  ui::Size ScreenSize() const override { return screen; }
  uint32_t TickCount() const override { return ++ticks; }
  std::vector<uint8_t> ApplicationIconFile() const override { return icon_file; }
  std::unique_ptr<ui::PixelBitmap> LoadBitmapFile(const std::string& path) override;
  std::unique_ptr<ui::Picture> LoadPictureFile(const std::string& path, ui::Size shown) override;

  ui::Size screen{1024, 768};
  mutable uint32_t ticks = 1000;
  std::vector<uint8_t> icon_file{0, 0, 1, 0, 1, 0};  // an icon file's header
  std::vector<ShownMessage> messages;
  // Files whose names end in ".bad" load as nothing, as a damaged file would.
  std::vector<std::string> loaded;
};

class FakePresentation : public core::Presentation {
 public:
  FakePresentation();
  void AttachObjects() override;
  void RenderBackground() override { ++renders; }
  void LoadWindowIcon(const std::string& path) override { icon = path; }
  void UseApplicationIcon() override { icon = "<application>"; }
  const ui::PixelBitmap& DefaultGlyph() const override { return default_glyph; }

  core::AppState* app = nullptr;
  int attaches = 0;
  int renders = 0;
  std::string icon = "<resource>";
  ui::PixelBitmap default_glyph;
};

// The presentation window's structure, as the player builds it: the window, its outer panel and
// the inner panel that hosts the objects, bound into an AppState.
struct TestApp {
  TestApp();
  ui::Form window;
  ui::Panel panel;
  ui::Panel panel1;
  FakePlatform platform;
  FakePresentation presentation;
  core::AppState app;
};

// A program path (backslashes) as the standard library of this build wants it: natively every
// backslash becomes a slash.
std::filesystem::path NativePath(std::string path);

// A folder of its own under the system's temporary folder, removed again at the end of a test.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }
  void Write(const std::string& name, const std::string& contents) const;
  std::string Read(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace testing_support
