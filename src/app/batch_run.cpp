// The batch modes: their output, the desktop services without boxes, and each command.
#include "app/batch_run.h"

#include <windows.h>

#include "app/library_errors.h"
#include "core/deployment.h"
#include "core/disc_making.h"
#include "core/file_system.h"
#include "core/presentation.h"
#include "core/project_file.h"
#include "core/text.h"
#include "core/win32/file_system_win32.h"
#include "ui/form.h"
#include "ui/panel.h"
#include "ui/win32/gdi.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/win32_platform.h"

namespace app {
namespace {

// CreateFileW's failure is INVALID_HANDLE_VALUE; the owning wrapper keeps null for none.
HANDLE OpenedOrNull(HANDLE handle) {
  return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

HANDLE OpenForWriting(const wchar_t* path, DWORD share, DWORD disposition) {
  return OpenedOrNull(::CreateFileW(path, GENERIC_WRITE, share, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
}

// The console of the program that started this one (a GUI program has none of its own), or the
// standard output it was given; and the /out file.
class BatchOutput {
 public:
  explicit BatchOutput(const std::string& out_file) {
    console_ = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if ((console_ == nullptr || console_ == INVALID_HANDLE_VALUE) &&
        ::AttachConsole(ATTACH_PARENT_PROCESS)) {
      attached_.Reset(OpenForWriting(L"CONOUT$", FILE_SHARE_WRITE, OPEN_EXISTING));
      console_ = attached_.Get();
    }
    DWORD mode = 0;
    wide_console_ = ::GetConsoleMode(console_, &mode) != 0;
    if (!out_file.empty()) {
      file_.Reset(
          OpenForWriting(ui::win32::WideOf(out_file).c_str(), FILE_SHARE_READ, CREATE_ALWAYS));
      file_failed_ = !file_;
      if (file_failed_) core::fs::NoteSystemError();
    }
  }
  bool FileFailed() const { return file_failed_; }
  // One line of output from its parts. A console is given UTF-16, which it shows whatever its
  // code page; a file or a pipe (standard output redirected, the /out file) gets UTF-8.
  void Line(std::initializer_list<std::string_view> parts) {
    std::string line = core::Joined(parts);
    line += "\r\n";
    DWORD written = 0;
    if (wide_console_) {
      const std::wstring wide = ui::win32::WideOf(line);
      ::WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    }
    for (HANDLE h : {wide_console_ ? nullptr : console_, file_.Get()}) {
      if (h != nullptr && h != INVALID_HANDLE_VALUE) {
        ::WriteFile(h, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
      }
    }
  }

 private:
  HANDLE console_ = nullptr;   // not owned unless attached_
  bool wide_console_ = false;  // console_ is a console, not a file or a pipe
  ui::win32::OwnedKernelHandle attached_;
  ui::win32::OwnedKernelHandle file_;
  bool file_failed_ = false;
};

// Message boxes become lines of output: nobody is there to press a button.
class BatchPlatform : public ui::win32::Win32Platform {
 public:
  explicit BatchPlatform(BatchOutput& output) : output_(output) {}
  ui::MessageResult ShowMessageBox(const std::string& text, const std::string& title,
                                   ui::MessageIcon, ui::MessageButtons) override {
    output_.Line({title, ": ", text});
    return ui::MessageResult::Cancel;
  }
  void ReportError(const std::string& text) override { output_.Line({"Error: ", text}); }

 private:
  BatchOutput& output_;
};

// No window shows the design.
class NoPresentation : public core::Presentation {
 public:
  NoPresentation() : glyph_(32, 32, 0x00FF00FF) {}
  void AttachObjects() override {}
  void RenderBackground() override {}
  void LoadWindowIcon(const std::string&) override {}
  void UseApplicationIcon() override {}
  const ui::PixelBitmap& DefaultGlyph() const override { return glyph_; }

 private:
  ui::PixelBitmap glyph_;
};

std::string WithoutTrailingSeparator(std::string folder) {
  while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

int Deploy(core::AppState& app, BatchOutput& output, const std::string& folder) {
  if (!core::DeployPlayerFiles(app, folder)) return kExitErrors;
  output.Line({"Deployed the player, AutoRun.inf and the icon to \"", folder, "\"."});
  return kExitClean;
}

// The design of the CD folder, read as the player reads it but with no window to show it in.
class BatchDesign {
 public:
  explicit BatchDesign(core::AppState& app) : app_(app) {
    inner_.SetParent(&panel_);
    app.Project.Window = &window_;
    app.Project.Panel = &panel_;
  }
  ~BatchDesign() { core::ClearObjects(app_); }
  BatchDesign(const BatchDesign&) = delete;
  BatchDesign& operator=(const BatchDesign&) = delete;

  // Missing files are Check Disc's to list, so reading reports none; a design that cannot be
  // read is reported by the reader, as the designer reports it.
  bool Load(const std::string& path) {
    return core::LoadProject(app_, path, core::MissingFiles::Quiet);
  }
  const std::string& Caption() const { return window_.Caption(); }

 private:
  core::AppState& app_;
  ui::Form window_;
  ui::Panel panel_;
  ui::Panel inner_;
};

// Prints the findings and their summary; returns them.
std::vector<core::Finding> CheckAndPrint(core::AppState& app, BatchOutput& output,
                                         const BatchRequest& request,
                                         std::vector<core::fs::FolderItem>& listing) {
  core::CheckOptions options;
  options.medium = request.medium;
  // The report and the image may be written into the CD folder; the disc holds neither.
  auto findings = core::CheckCdFolder(app, options, listing, {&request.out, &request.image});
  for (const auto& finding : findings) output.Line({core::FindingLine(app, finding)});
  output.Line({core::CheckSummary(findings)});
  return findings;
}

int Image(core::AppState& app, BatchOutput& output, const BatchRequest& request,
          const std::string& caption) {
  std::vector<core::fs::FolderItem> listing;
  const auto findings = CheckAndPrint(app, output, request, listing);
  if (core::CheckExitCode(findings) == kExitErrors) {
    output.Line({"The disc image was not made: the check found errors."});
    return kExitErrors;
  }
  int exit_code = core::CheckExitCode(findings);
  const std::string label =
      request.label.empty() ? core::DefaultVolumeLabel(caption) : request.label;
  const std::string recorded = core::RecordedVolumeLabel(label);
  if (!request.label.empty() && recorded != label) {
    output.Line({"Warning: The label \"", label,
                 "\" does not fit on a disc as it is (16 characters at most, none of "
                 "* / : ; ? \\); the disc is labelled \"",
                 recorded, "\"."});
    exit_code = kExitWarnings;
  }
  if (core::MakeDiscImage(app, listing, request.image, label) != core::disc::ImageResult::Written) {
    return kExitErrors;
  }
  output.Line({"Wrote the disc image \"", request.image, "\", labelled \"", recorded, "\"."});
  return exit_code;
}

}  // namespace

std::vector<std::string> CommandLineArguments() {
  return CommandLineArguments(ui::win32::Utf8Of(::GetCommandLineW()));
}

int RunBatch(const BatchRequest& request, const std::string& exe_path) {
  BatchOutput output(request.out);
  // A failure the program cannot go on from is a line of output too, never a box.
  static BatchOutput* fatal_output = nullptr;
  fatal_output = &output;
  SetFatalErrorReport([](const char* what) { fatal_output->Line({"Error: ", what}); });
  if (request.command == BatchCommand::Wrong) {
    output.Line({request.problem});
    output.Line({BatchUsage()});
    return kExitUsage;
  }
  if (output.FileFailed()) {
    output.Line({"Cannot write file \"", request.out, "\". ", core::fs::LastErrorText()});
    return kExitUsage;
  }
  BatchPlatform platform(output);
  NoPresentation presentation;
  core::AppState app(platform, presentation);
  app.ExePath = exe_path;
  // Whole, so that the findings name it as the designer does and an image or a report written
  // into it is known for what it is.
  const std::string folder = WithoutTrailingSeparator(core::fs::FullPath(request.folder));
  if (!core::fs::DirectoryExists(folder)) {
    output.Line({"Directory \"", folder, "\" not found"});
    return kExitUsage;
  }
  app.CDFolder = folder;
  const std::string design_path = folder + "\\" + core::kProjectFileName;
  if (!core::fs::FileExists(design_path)) {
    output.Line({"No design in \"", folder, "\": ", core::kProjectFileName, " is missing."});
    return kExitUsage;
  }
  // Every command reads the design first: /deploy writes nothing around one it cannot read.
  BatchDesign design(app);
  if (!design.Load(design_path)) {
    output.Line({"The design \"", design_path, "\" cannot be read."});
    return kExitErrors;
  }
  if (request.command == BatchCommand::Deploy) return Deploy(app, output, folder);
  if (request.command == BatchCommand::Image) {
    return Image(app, output, request, design.Caption());
  }
  std::vector<core::fs::FolderItem> listing;
  return core::CheckExitCode(CheckAndPrint(app, output, request, listing));
}

}  // namespace app
