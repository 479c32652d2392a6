/* The program's resources, named once for the resource script (which includes this file) and
   for the code that loads them; the pictures of the tool strip by their place in it; and the
   colour that stands for "see-through" in the artwork. The resource compiler reads the plain
   definitions only. */
#ifndef QUORVANE_UI_WIN32_RESOURCE_IDS_H
#define QUORVANE_UI_WIN32_RESOURCE_IDS_H

#define QUORVANE_ICON_PROGRAM 1
#define QUORVANE_BITMAP_DEFAULT_GLYPH 2
#define QUORVANE_ICON_CD 3
#define QUORVANE_DATA_PROGRAM_ICON_FILE 4 /* the program's icon as a file, for AutoRun.ico */
#define QUORVANE_BITMAP_TOOL_STRIP 5      /* 32 x 32 pictures side by side, see ToolStripPicture */
#define QUORVANE_BITMAP_LOGO 6
#define QUORVANE_BITMAP_ABOUT 7

#define QUORVANE_DIALOG_ABOUT 100
#define QUORVANE_ABOUT_PICTURE 101
#define QUORVANE_ABOUT_PRODUCT 102
#define QUORVANE_ABOUT_VERSION 103
#define QUORVANE_ABOUT_CONTACT 104

#define QUORVANE_DIALOG_CHECK_DISC 110
#define QUORVANE_CHECK_MEDIUM 111
#define QUORVANE_CHECK_FINDINGS 112
#define QUORVANE_CHECK_SUMMARY 113
#define QUORVANE_CHECK_MAKE_IMAGE 114
#define QUORVANE_CHECK_DETAIL 115 /* the chosen finding's whole text */
#define QUORVANE_DIALOG_VOLUME_LABEL 120
#define QUORVANE_VOLUME_LABEL 121
#define QUORVANE_DIALOG_IMAGE_PROGRESS 130
#define QUORVANE_IMAGE_PROGRESS_BAR 131
#define QUORVANE_IMAGE_PROGRESS_TEXT 132 /* the percentage and the megabytes written */

#ifndef RC_INVOKED
#include <windows.h>

namespace ui::win32 {

// The pictures of the tool strip, by their place in it (art/toolbar, NN_name.txt).
enum ToolStripPicture : int {
  kPictureOpen = 0,
  kPictureSave = 1,
  kPictureFormProperties = 2,
  kPictureSaveAndTest = 3,
  kPictureObjectProperties = 4,
  kPictureObjectLink = 5,
  kPictureSelect = 6,
  kPictureAddLabel = 7,
  kPictureAddButton = 8,
  kPictureAddImage = 9,
  kPictureAlignLefts = 10,
  kPictureAlignTops = 11,
  kPictureMakeSameSize = 12,
  kPictureDistributeHorizontally = 13,
  kPictureDistributeVertically = 14,
  kPictureCheckDisc = 15,
  kPictureBold = 16,
};

// Artwork bitmaps are opaque; this colour in them is drawn as see-through.
inline constexpr COLORREF kArtworkKey = RGB(255, 0, 255);

}  // namespace ui::win32
#endif

#endif
