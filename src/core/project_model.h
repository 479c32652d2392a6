// The in-memory start-up menu. Visual properties are not copied into fields: each object owns
// its live control and the control's properties are the stored values; the project refers to
// the live presentation window and its outer panel. The records hold only what the controls
// cannot: links, file names, the hot font, loaded media, and the selection and hot flags.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/gradient_style.h"
#include "ui/color.h"
#include "ui/control.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/pixel_bitmap.h"

namespace core {

// Link action codes, in the order of the link editor's list.
enum LinkAction : uint8_t {
  kActionNone = 0,
  kActionOpenFile = 1,
  kActionOpenUrl = 2,
  kActionSendEmail = 3,
  kActionPlaySound = 4,
  kActionPrintFile = 5,
  kActionBrowseCd = 6,
  kActionExit = 7,
  // A menu with pages: Target names the page's file, CD-relative as a file action's target
  // ("\\Drivers.ard"); going back needs nothing. A player that predates them does nothing.
  kActionShowPage = 8,
  kActionGoBack = 9,
};

// Window show code for the shell: a normal window.
constexpr int32_t kShowNormal = 1;

struct TCommand {
  std::string SoundFile;
  uint8_t Action = kActionNone;
  int32_t ShowCommand = kShowNormal;
  std::string Target;
  std::string Parameters;
  std::string StartDirectory;

  friend bool operator==(const TCommand&, const TCommand&) = default;
};

enum ObjectKind : uint8_t { kKindLabel = 0, kKindButton = 1, kKindImage = 2 };

inline bool IsKnownKind(uint8_t kind) {
  return kind <= kKindImage;
}

struct AutoObjectType {
  uint8_t Kind = kKindLabel;
  TCommand Link;
  std::string Reserved;
  ui::Font NormalFont;
  ui::Font HotFont;
  std::string GlyphFile;
  std::string HotGlyphFile;
  std::string ImageFile;
  std::string HotImageFile;
  bool Selected = false;
  bool Hot = false;
  std::unique_ptr<ui::Control> Control;
  std::unique_ptr<ui::PixelBitmap> NormalGlyph;
  std::unique_ptr<ui::PixelBitmap> HotGlyph;
  std::unique_ptr<ui::Picture> NormalPicture;
  std::unique_ptr<ui::Picture> HotPicture;
};

struct AutoFormType {
  std::string IconFile;
  std::string StartSoundFile;
  TCommand StartLink;
  ui::Color BackColor = ui::kColorSilver;
  ui::Color GradientColor = 0;
  uint8_t GradientStyle = 0;
  std::vector<std::unique_ptr<AutoObjectType>> Objects;  // stacking order, index 0 lowest
  ui::Form* Window = nullptr;                            // not owned
  ui::Panel* Panel = nullptr;                            // not owned; first child is Panel1

  // The inner panel that hosts the background and every object control.
  ui::Panel* InnerPanel() const;
};

}  // namespace core
