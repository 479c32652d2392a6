"""The ways an author could lose work, walked with real input: the design window narrowed and a
wide panel border set and reset, a folder whose design cannot be read, Windows ending the session,
a drag under the About box, a CD folder that vanished, two designers on one folder, Save As into a
new folder and a design file read only in part. What counts is what the author sees and what
lands in AutoRun.ard."""
from __future__ import annotations

import pytest

from ardfile import Button, Image, Label, Project, read_project
from behaviour_support import write_bmp
from designer_support import Designer, client_point as at, stamp_old
from test_designer_main_window import drive_q  # noqa: F401 (a fixture)

BUTTONS = [Button(name=f"B{x}", caption="Go", left=x, top=40, width=100, height=40) for x in (60, 260, 460)]


def start(rig, tmp_path, *objects) -> Designer:
    """The designer on a saved menu of `objects`: the start, which counts as a change, is saved."""
    cd = tmp_path / "cd"
    cd.mkdir(exist_ok=True)
    project = Project(left=212, top=174, back_color=0x336699, gradient_style=8, objects=list(objects))
    (cd / "AutoRun.ard").write_bytes(project.to_bytes())
    designer = Designer(rig, tmp_path, cd).start()
    designer.canvas()
    designer.saved_project()
    return designer


def places(project) -> list[tuple[int, int]]:
    return [(o.left, o.top) for o in project.objects]


def drag_right_edge(designer: Designer, by: int) -> None:
    rig, frame = designer.rig, designer.canvas_window.rect
    x, y = frame.right - 2, frame.center[1]
    rig.move(x, y)
    rig.mouse_down()
    for step in range(1, 6):
        rig.move(x + by * step // 5, y)
    rig.mouse_up()
    rig.wait_until(lambda: designer.canvas_window.rect.right == frame.right + by, 10, "the design window to size")


def set_panel_border_width(designer: Designer, width: str) -> None:
    designer.tool("Form Properties")
    window = designer.app.wait_window(title="Form Properties")
    designer.retype(at(window, 466, 152, 132, 23), width)
    designer.rig.click(*at(window, 442, 312, 80, 26))  # OK
    designer.wait_closed(window)


def test_shrinking_the_design_area_moves_no_object(rig, tmp_path):
    designer = start(rig, tmp_path, *BUTTONS)
    drag_right_edge(designer, -380)  # the design area is 220 wide for a moment
    drag_right_edge(designer, 380)
    designer.press("ctrl+z")  # the widening was one step, however many moves it took
    rig.wait_until(lambda: designer.canvas_window.rect.width == 220, 10, "the narrow window back")
    designer.press("ctrl+y")
    rig.wait_until(lambda: designer.canvas_window.rect.width == 600, 10, "the wide window again")
    set_panel_border_width(designer, "150")
    set_panel_border_width(designer, "0")
    project = designer.saved_project()
    assert places(project) == [(60, 40), (260, 40), (460, 40)]
    assert (project.width, project.panel_border_width) == (600, 0)


def test_a_design_that_cannot_be_read_leaves_the_designer_where_it_was(rig, tmp_path):
    designer = start(rig, tmp_path, Label(name="Kept", caption="Kept", left=30, top=30))
    damaged = tmp_path / "other" / "AutoRun.ard"
    damaged.parent.mkdir()
    damaged.write_bytes(b"\x55\xaa\xaa\x55\x07\x00")  # cut short after its signature
    with designer.ini.open("ab") as ini:  # the File menu's second recent folder
        ini.write(f"RecentFolder2={rig.winpath(damaged.parent)}\r\n".encode("cp1252"))
    designer.press("alt+f")
    designer.app.wait_window(cls="#32768")
    rig.key("2")
    error = designer.app.wait_message_box(title="Error")
    assert error.text == "IO Error"
    rig.confirm_message_box(error)
    designer.main_window()  # still the CD folder's caption
    assert places(designer.saved_project()) == [(30, 30)]
    assert damaged.read_bytes() == b"\x55\xaa\xaa\x55\x07\x00"


@pytest.mark.parametrize("answer", ["Yes", "Cancel"])
def test_ending_the_session_asks_to_save(rig, tmp_path, answer):
    designer = start(rig, tmp_path)
    designer.tool("Add Label")
    rig.click(*designer.at(40, 30))
    ending = rig.start("wineboot", "--end-session")  # as Windows does on log off or shut down
    box = designer.app.wait_message_box(title="Exit")
    assert box.text == "Save Changes to file?"
    rig.click_button(box, answer)
    ending.wait_exit(timeout=60)
    if answer == "Yes":
        designer.wait_saved()
        assert places(read_project((designer.cd / "AutoRun.ard").read_bytes())) == [(40, 30)]
    else:
        designer.app.assert_running()
        designer.main_window()


def test_a_drag_under_the_about_box_changes_nothing(rig, tmp_path):
    designer = start(rig, tmp_path, BUTTONS[0])
    saved = (designer.cd / "AutoRun.ard").read_bytes()
    designer.press("alt+h")
    rig.key("Up", "Return")  # About...
    about = designer.app.wait_window(title="About Quorvane", cls="#32770")
    designer.drag((80, 50), (180, 150))
    rig.click_button(about, "OK")
    designer.wait_closed(about)
    assert places(designer.saved_project()) == [(60, 40)]
    assert (designer.cd / "AutoRun.ard").read_bytes()[:-84] == saved[:-84]  # but the tick counts


def test_a_vanished_cd_folder_stays_the_cd_folder(rig, tmp_path):
    designer = start(rig, tmp_path)
    designer.cd.rename(tmp_path / "renamed")
    designer.press("ctrl+o")
    picker, _ = designer.folder_picker()
    rig.focus(picker)
    rig.key("Escape")
    designer.wait_closed(picker)
    designer.tool("Add Label")
    rig.click(*designer.at(40, 30))
    designer.press("ctrl+x")
    box = designer.app.wait_message_box(title="Exit")
    assert box.text == "Save Changes to file?"
    rig.click_button(box, "Yes")
    error = designer.app.wait_message_box(title="Error")
    assert error.text == (f'Directory "{designer.cd_winpath}" not found.\n\n'
                          "Save the design into another folder with Save As?")
    rig.click_button(error, "No")
    assert designer.main_window().title == "*" + designer.cd_winpath + " - Quorvane"


CHANGED = "AutoRun.ard was changed by another program since you opened it. "


def test_two_designers_on_one_folder_ask_before_replacing_each_other(rig, tmp_path):
    a = start(rig, tmp_path, Label(name="First", caption="First", left=10, top=10))
    b = Designer(rig, tmp_path / "b", a.cd).start()
    shared = b.app.wait_message_box(title="Quorvane")
    assert shared.text.startswith(f'Another Quorvane has the CD folder "{a.cd_winpath}" open.')
    rig.confirm_message_box(shared)  # Return: go on, the default
    b.tool("Add Label")
    rig.click(*b.at(40, 100))
    b.saved_project()
    b.press("ctrl+x")  # saved: B closes at once, and A is the active program again
    assert b.app.wait_exit() == 0
    offer = a.app.wait_message_box(title="Quorvane")
    assert offer.text == CHANGED + "Load the new design?"
    rig.click_button(offer, "No")  # A keeps its design
    a.tool("Add Button")
    rig.click(*a.at(200, 100))
    b_saved = (a.cd / "AutoRun.ard").read_bytes()
    for answer in ("No", "Yes"):
        stamp_old(a.ini)
        a.press("ctrl+s")
        box = a.app.wait_message_box(title="Save")
        assert box.text == CHANGED + "Replace it with this design?"
        rig.click_button(box, answer)
        a.wait_closed(box)
        if answer == "No":
            assert (a.cd / "AutoRun.ard").read_bytes() == b_saved
    a.wait_saved()
    assert places(read_project((a.cd / "AutoRun.ard").read_bytes())) == [(10, 10), (200, 100)]


def test_save_as_takes_the_menu_and_its_pictures_into_a_new_folder(rig, tmp_path, drive_q):
    write_bmp(drive_q / "cd" / "art" / "logo.bmp", (64, 64), (0, 160, 0))
    (drive_q / "cd" / "AutoRun.ard").write_bytes(
        Project(objects=[Image(left=200, top=20, width=64, height=64, image_file="\\art\\logo.bmp")]).to_bytes())
    designer = Designer(rig, tmp_path, drive_q / "cd", cd_winpath="Q:\\cd").start()
    designer.tool("Add Label")
    rig.click(*designer.at(40, 30))
    designer.press("ctrl+shift+s")
    browser = designer.app.wait_window(title="Browse for Folder")  # at Q:, which holds the CD folder
    rig.click_button(browser, "Make New Folder")
    rig.type_text("Moved")
    rig.key("Return")
    rig.wait_until((drive_q / "Moved").is_dir, 10, "the new folder")
    rig.click_button(browser, "OK")
    copy = designer.app.wait_message_box(title="Save As")
    assert copy.text == "Copy the file the menu uses into the new folder?"
    rig.click_button(copy, "Yes")
    designer.main_window("Q:\\Moved")  # the old name is gone from the caption
    moved = drive_q / "Moved"
    assert places(read_project((moved / "AutoRun.ard").read_bytes())) == [(200, 20), (40, 30)]
    assert (moved / "art" / "logo.bmp").read_bytes() == (drive_q / "cd" / "art" / "logo.bmp").read_bytes()
    designer.press("ctrl+t")  # Save and Test: the menu plays from the new folder, pictures and all
    rig.wait_for_window(cls="TAutoRunForm", where=lambda w: w.exe == "Q:\\Moved\\AutoRun.exe")
    rig.assert_no_window(title="Error", during=2)


def test_a_design_read_in_part_at_start_up_is_not_saved_over_unasked(rig, tmp_path):
    damaged = Project(objects=[Label(caption="Kept"), Label(caption="Cut")]).to_bytes()[:-100]
    (tmp_path / "cd").mkdir()
    (tmp_path / "cd" / "AutoRun.ard").write_bytes(damaged)
    designer = Designer(rig, tmp_path, tmp_path / "cd").start()
    error = designer.app.wait_message_box(title="Error")
    assert error.text == "IO Error"
    rig.confirm_message_box(error)
    for _ in range(2):  # asked again: the first No wrote nothing
        designer.press("ctrl+s")
        box = designer.app.wait_message_box(title="Save")
        assert box.text == "AutoRun.ard could not be read completely. Replace it with this design?"
        rig.click_button(box, "No")
        designer.wait_closed(box)
    assert (tmp_path / "cd" / "AutoRun.ard").read_bytes() == damaged
