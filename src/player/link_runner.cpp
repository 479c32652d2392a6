// Link execution.
#include "player/link_runner.h"

#include "core/file_system.h"
#include "core/messages.h"

namespace player {

std::string ShellErrorText(intptr_t code) {
  switch (code) {
    case 0:
      return "The operating system is out of memory or resources.";
    case 2:
      return kFileNotFoundText;
    case 3:
      return "The specified path was not found.";
    case 5:
      return "The operating system denied access to the specified file.";
    case 8:
      return "There was not enough memory to complete the operation.";
    case 11:
      return "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image).";
    case 26:
      return "A sharing violation occurred.";
    case 27:
      return "The filename association is incomplete or invalid.";
    case 28:
      return "The DDE transaction could not be completed because the request timed out.";
    case 29:
      return "The DDE transaction failed.";
    case 30:
      return "The DDE transaction could not be completed because other DDE transactions were "
             "being processed.";
    case 31:
      return "There is no application associated with the given filename extension.";
    case 32:
      return "The specified dynamic-link library was not found.";
    default:
      return "Operation Error";
  }
}

bool PlaySoundFile(core::AppState& app, LinkServices& services, const std::string& path) {
  if (!core::fs::FileExists(path)) {
    core::ShowError(app.platform, kFileNotFoundText);
    return false;
  }
  return services.PlayMedia(path);
}

namespace {

bool Shell(core::AppState& app, LinkServices& services, const ShellRequest& request) {
  const intptr_t result = services.ShellExecute(request);
  if (result > 32) return true;
  core::ShowError(app.platform, ShellErrorText(result));
  return false;
}

}  // namespace

bool RunLink(core::AppState& app, LinkServices& services, const core::TCommand& link) {
  const std::string& cd = app.CDFolder;
  const int32_t show = link.ShowCommand;
  switch (link.Action) {
    case core::kActionOpenFile:
      return Shell(app, services,
                   {"open", cd + link.Target, link.Parameters, cd + link.StartDirectory, show});
    case core::kActionOpenUrl:
      return Shell(app, services, {"open", link.Target, "", "", show});
    case core::kActionSendEmail:
      return Shell(app, services, {"open", "mailto:" + link.Target, link.Parameters, "", show});
    case core::kActionPlaySound:
      return PlaySoundFile(app, services, cd + link.Target);
    case core::kActionPrintFile:
      return Shell(app, services, {"print", cd + link.Target, link.Parameters, "", show});
    case core::kActionBrowseCd:
      return Shell(app, services, {"explore", cd, link.Parameters, "", show});
    case core::kActionExit:
      services.ClosePresentation();
      return false;
    default:
      return false;
  }
}

}  // namespace player
