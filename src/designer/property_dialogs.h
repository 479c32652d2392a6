// The property and link dialogs as the designer's commands use them: each edits one record in
// place and returns true only when the author confirmed a change. The grid size dialog edits a
// setting of the designer the same way.
#pragma once

#include <cstdint>
#include <span>

#include "core/project_model.h"
#include "ui/font.h"
#include "ui/geometry.h"

namespace designer {

class PropertyDialogs {
 public:
  virtual ~PropertyDialogs() = default;
  virtual bool EditLink(core::TCommand& link) = 0;
  // The links of one or more objects at once: the link editor shows what they share and writes
  // only what the author changed, to all of them.
  virtual bool EditLinks(std::span<core::AutoObjectType* const> objects) = 0;
  virtual bool EditLabel(core::AutoObjectType& object) = 0;
  virtual bool EditButton(core::AutoObjectType& object) = 0;
  virtual bool EditImage(core::AutoObjectType& object) = 0;
  virtual bool EditForm(core::AutoFormType& project) = 0;
  // Several objects of one kind at once: the dialog shows what they share and writes only what
  // the author changed, to all of them.
  virtual bool EditSeveral(std::span<core::AutoObjectType* const> objects) = 0;
  // The platform's font dialog, preset to `font`; true with the chosen font in `font` when the
  // author confirmed one.
  virtual bool ChooseFont(ui::Font& font) = 0;
  virtual bool EditGridSize(int32_t& size) = 0;
  // The selected objects' place (up to `last_place`) and size, or with none selected `client`,
  // the design window's client size.
  virtual bool EditPositionAndSize(core::AutoFormType& project, ui::Point last_place,
                                   ui::Size& client) = 0;
};

}  // namespace designer
