"""The designer's property dialogs walked with the real mouse and keys: each dialog from its menu
items, tool bar buttons, shortcuts and context menu; what OK, Cancel and the close box leave in the
project; the file, colour and font pickers; one design from an empty folder to a playing menu."""
from __future__ import annotations

import time
from dataclasses import replace

import pytest

from ardfile import Button, Command, Font, Image, Label, Project, read_project
from behaviour_support import SoundStreams, count_color, settled_window, tone_samples, write_bmp, write_wav
from designer_support import Designer, client_point as at
from rig import Rect

# The client size and the OK button's place of each dialog (its Cancel lies 86 pixels right of OK).
DIALOGS = {"Edit Link": ((546, 170), (370, 136)), "Form Properties": ((618, 346), (442, 312)),
           "Label Properties": ((422, 250), (246, 218)), "Button Properties": ((448, 282), (272, 250)),
           "Image Properties": ((488, 162), (312, 130))}
LABEL = Label(name="L", caption="Hello", left=20, top=20, width=100, height=24, transparent=False, color=0,
              font=Font(name="DejaVu Sans", color=0xFFFFFF, size=12))  # white on black
BUTTON = Button(name="B", caption="Go", left=150, top=20, width=120, height=40)
IMAGE = Image(name="I", left=300, top=20, width=80, height=80, image_file="\\pic.bmp",
              link=Command(action=1, target="\\setup.exe"))
INSIDE = {"L": (30, 30), "B": (170, 30), "I": (340, 60)}  # a design-area point on each object
WHITE, GLYPH = (255, 255, 255), (0, 200, 0)
NOT_IN_CD = 'Selected file should be in "{}" directory or its subdirectory'


def open_designer(rig, tmp_path, *objects, gradient_style: int = 8) -> Designer:
    cd = tmp_path / "cd"
    write_bmp(cd / "pic.bmp", (80, 80), (255, 255, 0))  # the image's picture
    project = Project(left=212, top=174, back_color=0x336699, gradient_style=gradient_style, objects=list(objects))
    (cd / "AutoRun.ard").write_bytes(project.to_bytes())
    designer = Designer(rig, tmp_path, cd).start()
    designer.canvas()
    return designer


def dialog(designer: Designer, title: str, select: str = "", keys: str = ""):
    """Selects an object alone and presses keys, if given; waits for the dialog and checks its client
    size and that the designer's windows are disabled under it."""
    __tracebackhide__ = True
    if select:
        designer.rig.click(*designer.at(*INSIDE[select]))
    if keys:
        designer.press(keys)
    window = designer.app.wait_window(title=title)
    size = DIALOGS[title.split(":")[0]][0]  # "Button Properties: 3 buttons" for several
    assert (window.client.width, window.client.height) == size, f"{title}: client {window.client}"
    designer.rig.wait_until(lambda: not any(w.enabled for w in designer.app.windows() if w.hwnd != window.hwnd),
                            5, "the designer's windows to be disabled under the dialog")
    return window


def close_with(designer: Designer, window, button: str = "OK") -> None:
    x, y = DIALOGS[window.title.split(":")[0]][1]
    designer.rig.click(*at(window, x + (86 if button == "Cancel" else 0), y, 80, 26))
    designer.wait_closed(window)


# (entry, objects selected before, its keys / tool / menu item, the dialog; None: none opens). Edit menu
# items are counted up from its last one (Select CD Icon), context menu items down from the top.
ENTRIES = [("edit menu", "", 13, "Form Properties"), ("tool", "", "Form Properties", "Form Properties"),
           ("canvas keys", "", "ctrl+alt+p", "Form Properties"), ("edit menu", "", 12, "Edit Link"),
           ("canvas keys", "", "ctrl+alt+l", "Edit Link"), ("keys", "L", "ctrl+p", "Label Properties"),
           ("tool", "B", "Object Properties", "Button Properties"), ("context menu", "", 3, "Image Properties"),
           ("keys", "B", "ctrl+l", "Edit Link"), ("tool", "I", "Object Link", "Edit Link"),
           ("keys", "", "ctrl+p", None), ("tool", "LB", "Object Link", "Edit Link: 2 objects")]


@pytest.mark.parametrize("entry, selection, how, title", ENTRIES)
def test_each_entry_point_opens_the_dialog_of_its_object(rig, tmp_path, entry, selection, how, title):
    designer = open_designer(rig, tmp_path, LABEL, BUTTON, IMAGE)
    for i, name in enumerate(selection):  # the first one clicked, the second one ctrl-clicked
        rig.xdotool("keydown" if i else "keyup", "ctrl")
        rig.click(*designer.at(*INSIDE[name]))
    rig.xdotool("keyup", "ctrl")
    if entry in ("edit menu", "context menu"):
        designer.press("alt+e") if entry == "edit menu" else rig.click(*designer.at(*INSIDE["I"]), button=3)
        designer.app.wait_window(cls="#32768")
        rig.key(*(["End"] + ["Up"] * how if entry == "edit menu" else ["Down"] * how), "Return")
    elif entry == "tool":
        designer.tool(how)
    elif entry == "canvas keys":
        rig.focus(designer.canvas_window)
        rig.key(how)
    else:
        designer.press(how)
    if title is None:  # no single object selected: nothing opens, until one alone is selected
        time.sleep(2)
        shown = {w.cls for w in designer.app.windows()} - {"tooltips_class32"}  # the tool bar's hint may show
        assert shown == {"TMainForm", "TEditForm"}, f"{entry} {how} opened a window: {designer.app.windows()}"
        rig.click(*designer.at(*INSIDE["I"]))  # (a click on a selected object would keep the group)
        designer.tool(how) if entry == "tool" else designer.press(how)
        title = "Edit Link" if how == "Object Link" else "Image Properties"
    window = dialog(designer, title)
    main, canvas = designer.main.rect, designer.canvas_window.rect  # centred over both
    middle = ((min(main.left, canvas.left) + max(main.right, canvas.right)) / 2,
              (min(main.top, canvas.top) + max(main.bottom, canvas.bottom)) / 2)
    assert max(abs(window.rect.center[0] - middle[0]), abs(window.rect.center[1] - middle[1])) <= 1, window.rect
    rig.key("Escape")
    designer.wait_closed(window)
    rig.wait_until(lambda: all(w.enabled for w in designer.app.windows()), 5, "the designer to be enabled again")


@pytest.mark.parametrize("ending", ["OK", "Cancel", "alt+F4", "close box", "OK unchanged"])
def test_only_ok_after_a_change_alters_the_project(rig, tmp_path, ending):
    designer = open_designer(rig, tmp_path, LABEL)
    rig.click(*designer.at(*INSIDE["L"]))
    designer.saved_project()  # the designer counts its start as a change: a save clears that
    saved = (designer.cd / "AutoRun.ard").read_bytes()
    label = Rect(*designer.at(20, 20), *designer.at(120, 44))
    shown = rig.screen().crop(label.box).tobytes()
    window = dialog(designer, "Label Properties", keys="ctrl+p")
    if ending != "OK unchanged":
        edit = Rect(*at(window, 150, 8), *at(window, 412, 31))
        before = rig.screen().crop(edit.box).tobytes()
        designer.retype(at(window, 150, 8, 262, 23), "  Hi there  ")
        rig.wait_until(lambda: rig.screen().crop(edit.box).tobytes() != before, 5, "the typed caption to show")
    if ending in ("OK", "OK unchanged", "Cancel"):
        close_with(designer, window, "Cancel" if ending == "Cancel" else "OK")
    else:
        rig.key("alt+F4") if ending == "alt+F4" else rig.click(window.rect.right - 14, window.rect.top + 11)
        designer.wait_closed(window)
    changed = ending == "OK"
    rig.wait_until(lambda: (rig.screen().crop(label.box).tobytes() != shown) == changed, 5, "the canvas's label")
    designer.press("ctrl+x")
    if changed:
        box = designer.app.wait_message_box(title="Exit")
        assert box.text == "Save Changes to file?"
        rig.click_button(box, "Yes")
    assert designer.app.wait_exit() == 0, "the designer did not end (a save prompt after no change?)"
    data = (designer.cd / "AutoRun.ard").read_bytes()
    assert (read_project(data).objects[0].caption == "  Hi there  ") if changed else (data == saved)


def test_a_typed_glyph_name_and_a_margin_that_is_no_number(rig, tmp_path):
    designer = open_designer(rig, tmp_path, BUTTON)
    write_bmp(designer.cd / "pics" / "go.bmp", (16, 16), GLYPH, bottom_row=(255, 0, 255))  # bottom row: see-through
    button = Rect(*designer.at(150, 20), *designer.at(270, 60))
    assert count_color(rig.screen(), button, GLYPH, 8) == 0
    window = dialog(designer, "Button Properties", "B", "ctrl+p")
    designer.retype(at(window, 176, 136, 174, 23), "pics\\go.bmp")  # Bitmap
    designer.retype(at(window, 176, 200, 80, 23), "abc")  # Margin
    rig.click(*at(window, *DIALOGS[window.title][1], 80, 26))  # OK
    box = designer.app.wait_message_box(title="Button Properties")
    assert box.text == "Margin must be a whole number from -1,000 to 1,000."
    icon, text = (next(s.rect for s in box.statics if s.id == n) for n in (1088, 0xFFFF))
    assert text.left >= icon.right, "no icon beside the text"
    rig.confirm_message_box(box)
    rig.type_text("7")  # the dialog stays, its margin focused and selected: the typing replaces it
    close_with(designer, window)
    rig.wait_until(lambda: count_color(rig.screen(), button, GLYPH, 8) >= 200, 10, "the glyph on the canvas's button")
    saved = designer.saved_project().objects[0]
    assert (saved.glyph_file, saved.margin) == ("\\pics\\go.bmp", 7)


@pytest.mark.parametrize("title, keys, browse, box_title, end, icon", [
    ("Image Properties", "ctrl+p", (396, 39, 82, 25), "Quorvane", " directory", False),
    ("Edit Link", "ctrl+l", (500, 36, 36, 31), "Information", "", True)])
def test_a_file_outside_the_cd_folder_is_refused(rig, tmp_path, title, keys, browse, box_title, end, icon):
    designer = open_designer(rig, tmp_path, IMAGE)
    outside = write_bmp(tmp_path / "elsewhere" / "far.bmp", (8, 8), (0, 0, 255))
    window = dialog(designer, title, "I", keys)
    rig.click(*at(window, *browse))
    picker = designer.file_dialog()
    rig.type_text(rig.winpath(outside))
    rig.key("Return")
    box = designer.app.wait_message_box(title=box_title)
    assert box.text == NOT_IN_CD.format(designer.cd_winpath) + end
    icon_place, text = (next(s.rect for s in box.statics if s.id == n) for n in (1088, 0xFFFF))
    assert (text.left >= icon_place.right) == icon, "no icon beside the text" if icon else "an icon in a plain box"
    rig.confirm_message_box(box, how="click")
    designer.wait_closed(picker)
    close_with(designer, dialog(designer, title))  # still open; its field unchanged, so OK changes nothing
    saved = designer.saved_project().objects[0]
    assert (saved.image_file, saved.link) == (IMAGE.image_file, IMAGE.link)


def test_border_none_keeps_the_design_area_and_a_chosen_back_colour_fills_it(rig, tmp_path):
    designer = open_designer(rig, tmp_path, gradient_style=1)
    area = designer.canvas_window.client
    designer.tool("Form Properties")
    window = dialog(designer, "Form Properties")
    for place, keys in (((176, 196), "Home"), ((176, 132), "End")):  # Border Style: None; Gradient Style: None
        rig.click(*at(window, *place, 148, 24))  # the list drops down
        rig.key(keys, "Return")
    rig.click(*at(window, 242, 99, 82, 25))  # Back Color: Select...
    colours = designer.app.wait_window(title="Color")
    for y, value in ((211, "200"), (234, "30"), (257, "90")):  # Red, Green, Blue
        designer.retype(at(colours, 428, y), value)
    rig.click_button(colours, "OK")
    designer.wait_closed(colours)
    close_with(designer, window)
    rig.wait_until(lambda: designer.canvas_window.rect == designer.canvas_window.client, 10, "the canvas's frame to go")
    now = designer.canvas_window.client
    assert (now.width, now.height) == (area.width, area.height), f"design area {area} became {now}"
    rig.wait_until(lambda: count_color(rig.screen(), now, (200, 30, 90), 0) == now.width * now.height, 10,
                   "the whole design area in the chosen colour")
    saved = designer.saved_project()
    assert (saved.border_style, saved.width, saved.height, saved.back_color, saved.gradient_style) == \
        (0, area.width, area.height, 0x5A1EC8, 8)


# "MS Sans Serif", a new label's font, is missing under Wine: the dialog opens on the face that paints it.
@pytest.mark.parametrize("name, size", [("DejaVu Sans", 12), ("MS Sans Serif", 8)])
def test_a_font_chosen_in_the_font_dialog_shows_on_the_canvas(rig, tmp_path, name, size):
    designer = open_designer(rig, tmp_path, replace(LABEL, font=Font(name=name, color=0xFFFFFF, size=size)))
    label = Rect(*designer.at(20, 20), *designer.at(120, 44))
    ink = count_color(rig.screen(), label, WHITE, 60)
    window = dialog(designer, "Label Properties", "L", "ctrl+p")
    rig.click(*at(window, 216, 135, 82, 25))  # Font: Select...
    fonts = designer.app.wait_window(title="Font")
    rig.click(*at(fonts, 173, 78))  # Bold in the Font Style list
    rig.click_button(fonts, "OK")
    designer.wait_closed(fonts)
    close_with(designer, window)
    rig.wait_until(lambda: count_color(rig.screen(), label, WHITE, 60) > ink * 1.2, 10, "bolder text on the canvas")
    assert designer.saved_project().objects[0].font == Font(name=name, color=0xFFFFFF, size=size, style=1)


def test_a_button_linked_to_a_sound_plays_it_in_the_tested_menu(rig, tmp_path):
    cd = tmp_path / "Sound CD"
    samples = tone_samples(1.0, 880)
    write_wav(cd / "chime.wav", samples)
    designer = Designer(rig, tmp_path, cd).start()
    designer.tool("Add Button")
    rig.click(*designer.at(40, 40))  # a new button of 120 x 40, selected
    window = dialog(designer, "Edit Link", keys="ctrl+l")
    rig.key("p")  # the action list has the focus: Play Sound File, the first action with P
    rig.click(*at(window, 500, 36, 36, 31))  # browse
    picker = designer.file_dialog()
    rig.type_text("chime.wav")
    rig.key("Return")
    designer.wait_closed(picker)
    close_with(designer, window)
    designer.press("ctrl+t")
    designer.wait_saved()
    link = read_project((cd / "AutoRun.ard").read_bytes()).objects[0].link
    assert (link.action, link.target, link.start_directory) == (4, "\\chime.wav", "\\")
    player = settled_window(rig, "AutoRun", lambda w: w.exe.lower() == rig.winpath(cd / "AutoRun.exe").lower())
    sink = SoundStreams(rig)
    before = sink.names()
    rig.click(player.client.left + 100, player.client.top + 60)
    rig.wait_until(lambda: sink.bytes_since(before) >= len(samples), 20, "the chime's bytes in the sound sink")
    assert sink.since(before)[0].read_bytes()[:len(samples)] == samples, "the sink does not hold the chime"


def test_one_font_for_three_buttons_keeps_their_captions_and_undoes_in_one_step(rig, tmp_path):
    fonts = [Font(name="DejaVu Sans", color=c, size=10 + 2 * i) for i, c in enumerate((0, 0xFF0000, 0x8000))]
    buttons = [replace(BUTTON, name=f"B{i}", caption=c, left=20 + 140 * i, top=100, font=f)
               for i, (c, f) in enumerate(zip(("One", "Two", "Three"), fonts))]
    designer = open_designer(rig, tmp_path, *buttons)
    designer.drag((10, 90), (440, 150))  # the rubber band touches all three
    window = dialog(designer, "Button Properties: 3 buttons", keys="ctrl+p")
    # The captions differ: the caption edit shows no text (its caret aside), the font sample none.
    for x, y, w, h in ((186, 10, 60, 19), (178, 74, 56, 19)):
        box = Rect(*at(window, x, y), *at(window, x + w, y + h))
        assert count_color(rig.screen(), box, (0, 0, 0), 100) == 0, f"text shown at {x}, {y}"
    rig.click(*at(window, 242, 71, 82, 25))  # Font: Select...
    picker = designer.app.wait_window(title="Font")
    rig.click(*at(picker, 173, 78))  # Bold
    rig.click_button(picker, "OK")
    designer.wait_closed(picker)
    close_with(designer, window)
    saved = designer.saved_project().objects
    assert [(o.caption, o.font) for o in saved] == [(b.caption, replace(fonts[0], style=1)) for b in buttons]
    designer.press("ctrl+z")
    assert [(o.caption, o.font) for o in designer.saved_project().objects] == [(b.caption, b.font) for b in buttons]
