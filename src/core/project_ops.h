// Operations on the one project: list upkeep, media binding, the window look, and the values
// of a new project and a new object.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/app_state.h"
#include "core/project_model.h"
#include "ui/geometry.h"
#include "ui/image_control.h"
#include "ui/label.h"
#include "ui/speed_button.h"

namespace core {

// The control of an object, seen as its kind's control; null when the object has another kind.
ui::Label* LabelOf(const AutoObjectType& object);
ui::SpeedButton* ButtonOf(const AutoObjectType& object);
ui::ImageControl* ImageOf(const AutoObjectType& object);

// A fresh control for an object kind, with the toolkit's defaults; null for an unknown kind.
std::unique_ptr<ui::Control> MakeControl(uint8_t kind);

// Sets every object's control tag to its list index.
void Renumber(AutoFormType& project);
// Disposes every object and empties the list.
void ClearObjects(AppState& app);
// Frees an object's fonts, control and media, in the order the model lays down.
void DisposeObject(std::unique_ptr<AutoObjectType> object);
// Takes an object out of the list, disposes it and renumbers; an object that is not in the list
// is left alone and nothing changes.
void RemoveObject(AppState& app, const AutoObjectType* object);

// Full path of a glyph or picture file: CD-relative names (leading backslash) are joined to the
// CD folder, any other name is used as it is.
std::string MediaPath(const AppState& app, const std::string& name);

// Whether binding media reports a file that does not exist, or one that holds no picture the
// program can show. A design put back by undo, or after a failed open, names the files it named
// when it was first shown: they were reported then (Quiet). The player binds the design it loaded
// a second time and reports a missing file again, as it always has; a file that is no picture is
// reported once (Again).
enum class MissingFiles : uint8_t { Report, Quiet, Again };

void BindObjectMedia(AppState& app, AutoObjectType& object,
                     MissingFiles missing = MissingFiles::Report);
// Binds as Report does, but adds each message to `lines` rather than showing it, a line each
// (a line break before each), so that the messages of many objects can go into one box; a
// message already there is not added again.
void BindObjectMedia(AppState& app, AutoObjectType& object, std::string& lines);
void BindAllObjects(AppState& app, MissingFiles missing = MissingFiles::Report);

// Adds to `lines`, as BindObjectMedia does, the files of `link` that are missing from the CD
// folder, as running it would look for them: the target of a link that opens, plays or prints a
// file, and the start folder of one that opens a file.
void AddMissingLinkFiles(const AppState& app, const TCommand& link, std::string& lines);

void ApplyWindowLook(AppState& app);

// Resets the project and the presentation window to the values of a new project.
void ApplyNewProjectDefaults(AppState& app);

// Adds a new object of `kind` with its top-left corner at `at`, on top of the others and as
// the only selected one; returns it.
AutoObjectType& AddNewObject(AppState& app, uint8_t kind, ui::Point at);

}  // namespace core
