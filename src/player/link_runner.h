// Carrying out a link: which shell request each action makes, the sound player for Play Sound
// File, closing the menu for Exit AutoRun, and the texts for the shell's error codes. The
// platform side (shell, media player, window) comes in through LinkServices.
#pragma once

#include <cstdint>
#include <string>

#include "core/app_state.h"
#include "core/project_model.h"

namespace player {

struct ShellRequest {
  std::string verb;
  std::string file;
  std::string parameters;
  std::string directory;
  int32_t show_command = 1;
  friend bool operator==(const ShellRequest&, const ShellRequest&) = default;
};

class LinkServices {
 public:
  virtual ~LinkServices() = default;
  // The shell's result: greater than 32 means the request was accepted.
  virtual intptr_t ShellExecute(const ShellRequest& request) = 0;
  // Closes whatever the player has open, then opens and starts `path` without waiting; false
  // when any step fails.
  virtual bool PlayMedia(const std::string& path) = 0;
  // Closes the presentation window, which ends the player.
  virtual void ClosePresentation() = 0;
};

inline constexpr char kFileNotFoundText[] = "The specified file was not found.";

// The message for a shell result of 32 or less.
std::string ShellErrorText(intptr_t code);

// Runs a link; true when the shell accepted the request or the sound started.
bool RunLink(core::AppState& app, LinkServices& services, const core::TCommand& link);

// Plays a sound file, cutting off the one playing; a missing file is reported, an unplayable
// one is silently ignored.
bool PlaySoundFile(core::AppState& app, LinkServices& services, const std::string& path);

}  // namespace player
