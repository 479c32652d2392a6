"""Links from where the author is, and fields that come up ready: a button's caption typed straight
into its properties, its link set from there and both taken back by one undo; one link for four
buttons at once with Ctrl+L, after Ctrl+L with nothing selected said what it needs."""
from __future__ import annotations

from dataclasses import replace

from ardfile import Command
from behaviour_support import count_color
from designer_support import client_point as at
from rig import Rect
from test_property_dialogs import BUTTON, close_with, dialog, open_designer

EMAIL = "info@example.com"


def test_a_caption_typed_at_once_and_a_link_from_the_properties_undo_together(rig, tmp_path):
    designer = open_designer(rig, tmp_path, BUTTON)
    window = dialog(designer, "Button Properties", "B", "ctrl+p")
    rig.type_text("Start")  # the caption comes up selected: the typing replaces "Go"
    rig.click(*at(window, 56, 250, 82, 26))  # Link...
    link = dialog(designer, "Edit Link")
    rig.key("s")  # the action list, first, has the focus: Send Email
    rig.key("Tab")
    rig.type_text(EMAIL)
    rig.key("Return")
    designer.wait_closed(link)
    rig.key("Return")  # OK has the focus now: the link goes with the caption
    designer.wait_closed(window)
    saved = designer.saved_project().objects[0]
    assert (saved.caption, saved.link.action, saved.link.target) == ("Start", 3, EMAIL)
    designer.press("ctrl+z")
    saved = designer.saved_project().objects[0]
    assert (saved.caption, saved.link) == (BUTTON.caption, BUTTON.link)


def test_one_link_for_four_buttons_leaves_what_differs(rig, tmp_path):
    buttons = [replace(BUTTON, name=f"B{i}", caption=f"Part {i}", left=20, top=20 + 60 * i,
                       link=Command(action=1, target=f"\\part{i}.exe", parameters=f"/p{i}", start_directory="\\"))
               for i in range(4)]
    designer = open_designer(rig, tmp_path, *buttons)
    designer.press("ctrl+l")
    box = designer.app.wait_message_box(title="Object Link")
    assert box.text == "Select one or more objects to edit their link."
    rig.confirm_message_box(box)
    designer.wait_closed(box)
    designer.press("ctrl+a")
    window = dialog(designer, "Edit Link: 4 buttons", keys="ctrl+l")
    # The shared start directory shows; the targets and parameters, which differ, show none.
    for (x, y, w, h), shown in (((180, 44, 100, 16), False), ((180, 76, 100, 16), False), ((180, 108, 100, 16), True)):
        ink = count_color(rig.screen(), Rect(*at(window, x, y), *at(window, x + w, y + h)), (0, 0, 0), 100)
        assert (ink > 0) == shown, f"text at {x}, {y}: {ink} dark pixels"
    rig.key("Tab")  # from the action list to the target
    rig.type_text("setup.exe")
    rig.key("Return")
    designer.wait_closed(window)
    links = [o.link for o in designer.saved_project().objects]
    assert links == [replace(b.link, target="\\setup.exe") for b in buttons]
