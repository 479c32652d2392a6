// The property and link dialogs as the designer's commands use them: each edits one record in
// place and returns true only when the author confirmed a change. The grid size dialog edits a
// setting of the designer the same way.
#pragma once

#include <cstdint>

#include "core/project_model.h"
#include "ui/geometry.h"

namespace designer {

class PropertyDialogs {
 public:
  virtual ~PropertyDialogs() = default;
  virtual bool EditLink(core::TCommand& link) = 0;
  virtual bool EditLabel(core::AutoObjectType& object) = 0;
  virtual bool EditButton(core::AutoObjectType& object) = 0;
  virtual bool EditImage(core::AutoObjectType& object) = 0;
  virtual bool EditForm(core::AutoFormType& project) = 0;
  virtual bool EditGridSize(int32_t& size) = 0;
  // The selected objects' place (up to `last_place`) and size, or with none selected `client`,
  // the design window's client size.
  virtual bool EditPositionAndSize(core::AutoFormType& project, ui::Point last_place,
                                   ui::Size& client) = 0;
};

}  // namespace designer
