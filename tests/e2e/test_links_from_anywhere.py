"""Links from where the author is, and fields that come up ready, with the real mouse and keys."""
from dataclasses import replace

from ardfile import Command
from behaviour_support import count_color
from designer_support import client_point as at
from rig import Rect
from test_property_dialogs import BUTTON, close_with, dialog, open_designer


def test_a_caption_typed_at_once_and_a_link_from_the_properties_undo_together(rig, tmp_path):
    designer = open_designer(rig, tmp_path, BUTTON)
    window = dialog(designer, "Button Properties", "B", "ctrl+p")
    rig.type_text("Start")  # the caption comes up selected: the typing replaces "Go"
    rig.click(*at(window, 56, 250, 82, 26))  # Link...
    link = dialog(designer, "Edit Link")
    rig.key("s", "Tab")  # None opens no field: the list has the focus; Send Email, then its address
    rig.type_text("info@example.com")
    close_with(designer, link)
    rig.key("Return")  # OK has the focus now: the link goes with the caption
    designer.wait_closed(window)
    saved = designer.saved_project().objects[0]
    assert (saved.caption, saved.link) == ("Start", replace(BUTTON.link, action=3, target="info@example.com"))
    designer.press("ctrl+z")
    assert designer.saved_project().objects[0] == replace(saved, caption=BUTTON.caption, link=BUTTON.link)


def test_one_link_for_four_buttons_leaves_what_differs(rig, tmp_path):
    buttons = [replace(BUTTON, name=f"B{i}", top=20 + 60 * i, link=Command(
        action=1, target=f"\\part{i}.exe", parameters=f"/p{i}", start_directory="\\")) for i in range(4)]
    designer = open_designer(rig, tmp_path, *buttons)
    designer.press("ctrl+l")
    box = designer.app.wait_message_box(title="Object Link")
    assert box.text == "Select one or more objects to edit their link."
    rig.confirm_message_box(box)
    designer.press("ctrl+a")
    window = dialog(designer, "Edit Link: 4 buttons", keys="ctrl+l")
    ink = [count_color(rig.screen(), Rect(*at(window, 180, y), *at(window, 280, y + 16)), (0, 0, 0), 100)
           for y in (76, 108)]  # the parameters differ: blank; the start directory is shared
    assert [n > 0 for n in ink] == [False, True], ink
    rig.type_text("setup.exe")  # into the target, which differs too: blank, focused
    rig.key("Return")
    designer.wait_closed(window)
    assert [o.link for o in designer.saved_project().objects] == [replace(b.link, target="\\setup.exe") for b in buttons]
