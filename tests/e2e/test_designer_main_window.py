"""The designer's main window with real input: start-up on a CD folder and Save and Test, the
save prompt of Open and Exit, a drive root as CD folder, the folder picker opening in the CD
folder, the CD icon, the About box and the help page that F1 opens."""
from __future__ import annotations

import contextlib
import re
import shutil
import subprocess
from typing import Optional

import pytest
from PIL import ImageChops

import ardfile
from behaviour_support import count_color, settled_window, write_ico
from designer_support import OLD_TIME_NS, TOOL_X, Designer, stamp_old
from rig import REPO, WINE_RUN, AppFolder, Rect, prefix_dir, same_color

# Wine 8 swaps red and blue of PNG icons (write_ico's): icon colours with red == blue.
MAGENTA, GREEN = (255, 0, 255), (0, 200, 0)


def dialog_closed(rig, app):
    rig.wait_until(lambda: not rig.find_windows(cls="#32770", app=app), 10, "the dialog to close")


def test_start_up_shows_the_new_menu_as_the_player_shows_it(rig, tmp_path):
    (tmp_path / "Menu CD").mkdir()
    designer = Designer(rig, tmp_path, tmp_path / "Menu CD").start()  # caption "<cd> - Quorvane"
    main, canvas = designer.main, designer.canvas()
    assert (main.rect.left, main.rect.top, main.rect.width) == (0, 0, rig.screen_size[0]), f"main window {main.rect}"
    assert (canvas.rect.left, canvas.rect.top, canvas.rect.width, canvas.rect.height) == (212, 174, 600, 420)
    assert canvas.style & 0x00040000, "the canvas has no sizeable frame (WS_THICKFRAME)"
    designed = rig.screen().crop(canvas.client.box)
    edge = [designed.getpixel((0, y)) for y in range(designed.height)]
    assert same_color(edge[0], (0, 0, 255), 8) and same_color(edge[-1], (255, 255, 255), 8), (edge[0], edge[-1])
    assert all(a[0] <= b[0] and a[1] <= b[1] and a[2] == 255 for a, b in zip(edge, edge[1:])), "not a gradient"
    # The canvas is dragged aside by its caption: the player must paint what lay below it itself.
    x, y = canvas.rect.center[0], canvas.rect.top + 10
    rig.move(x, y)
    rig.mouse_down()
    for step in range(1, 6):
        rig.move(x + 30 * step, y + 30 * step)
    rig.mouse_up()
    rig.wait_until(lambda: designer.canvas().rect.top == 174 + 150, 10, "the canvas to move")
    designer.press("ctrl+t")
    designer.wait_saved()
    player = settled_window(rig, "AutoRun", lambda w: w.exe.lower() == rig.winpath(designer.cd / "AutoRun.exe").lower())
    assert (player.rect.left, player.rect.top, player.client) == (212, 174, canvas.client), f"player {player.rect}"
    rig.wait_until(lambda: ImageChops.difference(designed, rig.screen().crop(player.client.box)).getbbox() is None,
                   10, "the player's client area to equal the canvas's, pixel for pixel")


@pytest.mark.parametrize("keys, answer, blocked", [
    ("ctrl+x", "Cancel", False), ("ctrl+x", "No", False), ("ctrl+x", "Yes", False), ("ctrl+x", "Yes", True),
    ("ctrl+o", "Cancel", False), ("ctrl+o", "No", False), ("ctrl+o", "Yes", False)])
def test_open_and_exit_ask_to_save_a_change(rig, tmp_path, keys, answer, blocked):
    cd = tmp_path / "CD"
    (cd / "AutoRun.ard" if blocked else cd).mkdir(parents=True)  # a folder in the project file's place
    designer = Designer(rig, tmp_path, cd).start()
    app = designer.app
    designer.tool("Add Label")
    rig.click(*designer.at(40, 30))
    designer.press(keys)
    box = app.wait_message_box()
    assert (box.title, box.text) == ("Exit", "Save Changes to file?")
    assert [b.text for b in box.buttons] == ["&Yes", "&No", "Cancel"]
    rig.click_button(box, answer)
    if blocked:
        error = app.wait_message_box(title="Quorvane")
        assert error.text.startswith(f'Cannot create file "{designer.cd_winpath}\\AutoRun.ard".'), error.text
        rig.confirm_message_box(error)
        designer.assert_ini_untouched()
    elif answer == "Yes":
        designer.wait_saved()
        project = ardfile.read_project((cd / "AutoRun.ard").read_bytes())
        assert [(type(o), o.left, o.top) for o in project.objects] == [(ardfile.Label, 40, 30)]
    if keys == "ctrl+x" and answer != "Cancel" and not blocked:
        assert app.wait_exit() == 0
    else:
        if keys == "ctrl+o" and answer != "Cancel":
            picker, _ = designer.folder_picker()
            rig.focus(picker)
            rig.key("Escape")
            dialog_closed(rig, app)
        app.assert_no_window(cls="#32770", during=1)
        designer.main_window()
    if answer != "Yes":
        assert list(cd.iterdir()) == [], "something was written"


def restart_wine(rig) -> None:
    """A new Wine session (on the next look at the desktop), whose mount manager reads the drives anew."""
    subprocess.run(["wineserver", "-k"], env=rig.env(with_token=False), timeout=60)
    rig.desktop(timeout=60)


@pytest.fixture
def drive_q(rig, tmp_path):
    (tmp_path / "Drive Q").mkdir()
    (link := prefix_dir() / "dosdevices" / "q:").unlink(missing_ok=True)  # left by a run that was killed
    link.symlink_to(tmp_path / "Drive Q")
    try:
        restart_wine(rig)
        yield tmp_path / "Drive Q"
    finally:
        link.unlink()
        restart_wine(rig)


def test_a_drive_root_typed_into_the_folder_picker_becomes_the_cd_folder(rig, tmp_path, drive_q):
    (drive_q / "sub").mkdir()
    designer = Designer(rig, tmp_path, drive_q / "sub", cd_winpath="Q:\\sub").start()
    designer.press("ctrl+o")  # nothing changed yet: no prompt
    picker, _ = designer.folder_picker()
    rig.focus(picker)
    rig.type_text("Q:\\")  # into the name box, which has the focus
    rig.key("Return")
    designer.main = designer.main_window("Q:")
    designer.cd, designer.cd_winpath = drive_q, "Q:"
    assert designer.saved_project().objects == []  # and Quorvane.ini says DefaultPath=Q:
    files = sorted(str(p.relative_to(drive_q)) for p in drive_q.rglob("*"))
    assert files == ["AutoRun.ard", "AutoRun.exe", "AutoRun.ico", "autorun.inf", "sub"], files


def test_open_starts_in_the_cd_folder_and_opens_the_folder_clicked_there(rig, tmp_path):
    (second := tmp_path / "Menu" / "Second").mkdir(parents=True)
    (second / "AutoRun.ard").write_bytes(ardfile.Project(caption="Second Menu").to_bytes())
    (tmp_path / "Menu" / "Notes").mkdir()
    designer = Designer(rig, tmp_path, tmp_path / "Menu").start()
    designer.press("ctrl+o")
    picker, rows = designer.folder_picker()
    # The picker lists what the CD folder holds: the author is there already.
    assert sorted(row["cells"][0] for row in rows) == ["Notes", "Second"], rows
    rig.click(*next(row for row in rows if row["cells"][0] == "Second")["rect"].center)
    rig.click_button(picker, "Open")
    designer.main_window(rig.winpath(second))
    designer.canvas("Second Menu")


@pytest.mark.parametrize("opener", ["Edit menu", "CD icon button"])
def test_choosing_a_cd_icon_copies_it_into_the_cd_folder_and_shows_it(rig, tmp_path, opener):
    stamp_old(own := write_ico(tmp_path / "CD" / "AutoRun.ico", MAGENTA))
    own_bytes = own.read_bytes()
    other = write_ico(tmp_path / "Icons" / "Green.ico", GREEN)
    designer = Designer(rig, tmp_path, tmp_path / "CD").start()
    left, top = designer.main.client.left + TOOL_X["CD Icon"], designer.main.client.top
    shows = lambda rgb: lambda: count_color(rig.screen(), Rect(left, top, left + 39, top + 38), rgb, 8) >= 32 * 32

    def choose(name=None):
        if opener == "Edit menu":
            designer.press("alt+e")
            rig.key("Up", "Return")  # its last item: Select CD Icon...
        else:
            designer.tool("CD Icon")
        rig.focus(designer.app.wait_window(title="Open", cls="#32770"))
        if name:
            rig.key("ctrl+a")
            rig.type_text(name)
        rig.key("Return")
        dialog_closed(rig, designer.app)
        designer.app.assert_no_window(cls="#32770", during=1)
    rig.wait_until(shows(MAGENTA), 10, "the CD icon button to show AutoRun.ico")
    choose()  # the preset name: the CD folder's own icon
    assert own.read_bytes() == own_bytes and own.stat().st_mtime_ns == OLD_TIME_NS, "AutoRun.ico was rewritten"
    assert shows(MAGENTA)(), "the button no longer shows AutoRun.ico"
    choose(rig.winpath(other))
    assert own.read_bytes() == other.read_bytes()
    rig.wait_until(shows(GREEN), 10, "the CD icon button to show the chosen icon")
    assert sorted(p.name for p in own.parent.iterdir()) == ["AutoRun.ico"]


def test_about_box_names_the_product_and_its_version(rig, tmp_path):
    (tmp_path / "CD").mkdir()
    designer = Designer(rig, tmp_path, tmp_path / "CD").start()
    designer.press("alt+h")
    rig.key("Up", "Return")  # its last item: About...
    about = designer.app.wait_window(title="About Quorvane", cls="#32770")
    version = re.search(r"project\(Quorvane VERSION ([0-9.]+)", (REPO / "CMakeLists.txt").read_text()).group(1)
    assert {"Quorvane", f"Version {version}"} <= {s.text for s in about.statics}, about.statics
    assert about.owner == designer.main.hwnd and not designer.app.wait_window(cls="TMainForm").enabled, "not modal"
    rig.click_button(about, "OK")
    dialog_closed(rig, designer.app)
    assert designer.app.wait_window(cls="TMainForm").enabled


@contextlib.contextmanager
def html_files_as(rig, file_class: str, command: Optional[str]):
    """.html files opened by `command` (none: by no program) while the block runs. (Wine reads file
    types from HKCR alone, not from HKCU\\Software\\Classes.)"""
    def reg(*args: str) -> str:
        return subprocess.run([str(WINE_RUN), "reg", *args], env=rig.env(with_token=False), capture_output=True,
                              text=True, timeout=60, check=args[0] != "query").stdout
    before = re.search(r"REG_SZ\s+(.*\S)", reg("query", r"HKCR\.html", "/ve"))
    reg("add", r"HKCR\.html", "/ve", "/d", file_class, "/f")
    if command:
        reg("add", rf"HKCR\{file_class}\shell\open\command", "/ve", "/d", command, "/f")
    try:
        yield
    finally:
        if command:
            reg("delete", rf"HKCR\{file_class}", "/f")
        reg(*(("add", r"HKCR\.html", "/ve", "/d", before.group(1)) if before else ("delete", r"HKCR\.html")), "/f")


@pytest.fixture
def html_opens_in(rig, tmp_path):
    """marker.exe as the prefix's program for .html files while the test runs; yields the path of
    its record."""
    marker = AppFolder(rig, tmp_path / "browser").add_marker("browser.exe")
    with html_files_as(rig, "QuorvaneTestPage", f'"{rig.winpath(marker)}" "%1"'):
        yield marker.parent / "marker-out.json"


def test_f1_names_the_missing_help_page_then_opens_it_in_the_browser(rig, tmp_path, html_opens_in):
    (tmp_path / "CD").mkdir()
    designer = Designer(rig, tmp_path, tmp_path / "CD").start()
    page = designer.folder / "Quorvane Help.html"
    designer.press("F1")
    box = designer.app.wait_message_box()
    assert (box.title, box.text) == ("Error", f'File "{rig.winpath(page)}" not found')
    rig.confirm_message_box(box)
    assert not html_opens_in.exists()
    shutil.copy2(rig.build / "bin" / page.name, page)  # as the Windows tree builds it beside Quorvane.exe
    designer.press("F1")
    record = rig.wait_for_marker(html_opens_in)
    assert record["argv"][1:] == [rig.winpath(page)], record
    designer.app.assert_no_window(cls="#32770", during=1)


def test_f1_says_where_the_help_page_is_when_no_program_opens_it(rig, tmp_path):
    (tmp_path / "CD").mkdir()
    designer = Designer(rig, tmp_path, tmp_path / "CD").start()
    page = designer.folder / "Quorvane Help.html"
    shutil.copy2(rig.build / "bin" / page.name, page)
    with html_files_as(rig, "QuorvaneNoProgram", None):
        designer.press("F1")
        box = designer.app.wait_message_box()
    assert box.title == "Error"
    assert box.text.endswith(f'\n\nThe help is the page "{rig.winpath(page)}": open it in a web browser.'), box.text
