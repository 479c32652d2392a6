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

#ifndef RC_INVOKED
#include <windows.h>

namespace ui::win32 {

// The pictures of the tool strip, by their place in it (art/toolbar, NN_name.txt).
enum ToolStripPicture : int {
  kPictureOpen = 2,
  kPictureSave = 3,
  kPictureFormProperties = 4,
  kPictureSaveAndTest = 5,
  kPictureObjectProperties = 6,
  kPictureObjectLink = 7,
  kPictureSelect = 8,
  kPictureAddLabel = 9,
  kPictureAddButton = 10,
  kPictureAddImage = 11,
  kPictureAlignLefts = 12,
  kPictureAlignTops = 13,
  kPictureMakeSameSize = 14,
  kPictureDistributeHorizontally = 15,
  kPictureDistributeVertically = 16,
};

// Artwork bitmaps are opaque; this colour in them is drawn as see-through.
inline constexpr COLORREF kArtworkKey = RGB(255, 0, 255);

}  // namespace ui::win32
#endif

#endif
