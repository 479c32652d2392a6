"""The designer's own windows on a 192-DPI screen: the tool bar's pictures with each pixel twice over
on buttons twice as large, and a property dialog twice as large with its picture likewise. (At
96 DPI the other tests see every pixel as it always was.)"""
from __future__ import annotations

import pytest
from PIL import Image

from designer_support import Designer

KEY = (255, 0, 255)  # the see-through colour of the artwork


@pytest.fixture
def screen_at_192_dpi(rig):
    with rig.screen_dpi(192):
        yield


def doubled_at(screen, picture, left: int, top: int, right: int, bottom: int):
    """Where in the box `picture` shows with every pixel a 2 x 2 block (its key left out), if anywhere."""
    shown = [(x, y, p) for y in range(picture.height) for x in range(picture.width)
             if (p := picture.getpixel((x, y))) != KEY]
    for oy in range(top, bottom - 2 * picture.height + 1):
        for ox in range(left, right - 2 * picture.width + 1):
            if all(screen.getpixel((ox + 2 * x + dx, oy + 2 * y + dy)) == p
                   for x, y, p in shown for dx in (0, 1) for dy in (0, 1)):
                return ox, oy
    return None


def test_tool_bar_and_dialogs_are_twice_as_large_at_192_dpi(rig, tmp_path, screen_at_192_dpi):
    strip = Image.open(rig.build / "art" / "toolbar.bmp").convert("RGB")
    picture = [strip.crop((32 * i, 0, 32 * i + 32, 32)) for i in range(strip.width // 32)]
    (tmp_path / "CD").mkdir()
    designer = Designer(rig, tmp_path, tmp_path / "CD").start()
    main = designer.main
    # The bar's buttons 78 x 76 (2 x 39 x 38) in two rows on this screen (test_tool_strip.py) and
    # the bar's own 4 pixels, as 42 at 96 DPI.
    assert main.client.height == 2 * 76 + 4, f"main window client {main.client}"
    c = main.client

    def tool_pictures():
        screen = rig.screen()
        places = [doubled_at(screen, picture[i], c.left + 78 * i, c.top, c.left + 78 * i + 78, c.top + 76)
                  for i in (0, 1)]
        return places if all(places) else None
    open_at, save_at = rig.wait_until(tool_pictures, 10, "the Open and Save pictures, each pixel twice over")
    assert (save_at[0] - open_at[0], save_at[1] - open_at[1]) == (78, 0), (open_at, save_at)
    designer.press("F4")
    dialog = designer.app.wait_window(title="Position and Size")
    assert (dialog.client.width, dialog.client.height) == (472, 336)  # 2 x 236 x 168
    d = dialog.client
    shown_at = rig.wait_until(lambda: doubled_at(rig.screen(), picture[12], d.left, d.top, d.left + 96, d.top + 96),
                              10, "the dialog's picture, each pixel twice over")
    assert shown_at == (d.left + 16, d.top + 16)  # its place in the table, (8, 8), twice over
