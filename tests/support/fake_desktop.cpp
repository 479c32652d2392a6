// Test doubles for the desktop and the presentation window.
#include "fake_desktop.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/file_system.h"

namespace testing_support {
namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::filesystem::path NativePath(std::string path) {
#ifndef _WIN32
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
#endif
  // The program's paths are UTF-8 on Windows too, where a narrow path would be the code page's.
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

ui::MessageResult FakePlatform::ShowMessageBox(const std::string& text, const std::string& title,
                                               ui::MessageIcon icon, ui::MessageButtons) {
  messages.push_back({text, title, icon});
  return ui::MessageResult::Ok;
}

std::unique_ptr<ui::PixelBitmap> FakePlatform::LoadBitmapFile(const std::string& path) {
  loaded.push_back(path);
  const auto bytes = core::fs::ReadWholeFile(path);
  if (!bytes || EndsWith(path, ".bad")) return nullptr;
  return std::make_unique<ui::PixelBitmap>(1, 1, static_cast<uint32_t>(bytes->size()));
}

std::unique_ptr<ui::Picture> FakePlatform::LoadPictureFile(const std::string& path, ui::Size) {
  loaded.push_back(path);
  const auto bytes = core::fs::ReadWholeFile(path);
  if (!bytes || EndsWith(path, ".bad")) return nullptr;
  return std::make_unique<FakePicture>(static_cast<int32_t>(bytes->size()));
}

FakePresentation::FakePresentation() : default_glyph(32, 32, 0x00FF00FF) {}

void FakePresentation::AttachObjects() {
  ++attaches;
  if (app == nullptr) return;
  for (auto& object : app->Project.Objects) {
    if (object->Control) object->Control->SetParent(app->Project.InnerPanel());
  }
}

TestApp::TestApp() : app(platform, presentation) {
  presentation.app = &app;
  panel1.SetParent(&panel);
  panel.BevelOuter = ui::kBevelNone;
  panel1.BevelOuter = ui::kBevelNone;
  window.SetCaption("AutoRun");
  window.SetBorderStyle(ui::kBorderNone);
  app.Project.Window = &window;
  app.Project.Panel = &panel;
  panel1.Color = ui::kColorSilver;
  app.Project.BackColor = panel1.Color;
}

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  std::ostringstream name;
  name << "quorvane-test-" << std::hex
       << std::chrono::steady_clock::now().time_since_epoch().count() << "-" << counter++;
  const auto dir = std::filesystem::temp_directory_path() / name.str();
  std::filesystem::create_directories(dir);
  // Natively the folder keeps its slashes (so it does not look CD-relative); names below it are
  // joined with backslashes, as the program joins them.
  const std::u8string utf8 = dir.u8string();
  path_.assign(utf8.begin(), utf8.end());
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(NativePath(path_), ignored);
}

void TempFolder::Write(const std::string& name, const std::string& contents) const {
  std::ofstream out(NativePath(File(name)), std::ios::binary);
  out << contents;
}

std::string TempFolder::Read(const std::string& name) const {
  std::ifstream in(NativePath(File(name)), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace testing_support
