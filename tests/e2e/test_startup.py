"""Start-up of the real Quorvane.exe: the role follows from the file name, the designer's main
window, the player's window from AutoRun.ard, and the player's error boxes."""
import pytest

import ardfile
from ardfile import Project

DESIGNER_SUFFIX = " - Quorvane"


def start_designer(rig, app_folder, exe_name):
    app_folder.add_quorvane(exe_name)
    cdrom = app_folder.mkdir("CDROM")
    app = app_folder.start(exe_name)
    title = f"{rig.winpath(cdrom)}{DESIGNER_SUFFIX}"
    main = app.wait_window(where=lambda w: w.title.removeprefix("*") == title, timeout=30)
    return app, main


@pytest.mark.parametrize("exe_name", ["Quorvane.exe", "AutoRun2.exe"])
def test_designer_main_window_spans_the_screen_top_and_closes_with_alt_f4(rig, app_folder, exe_name):
    app, main = start_designer(rig, app_folder, exe_name)
    assert (main.rect.left, main.rect.top) == (0, 0), f"main window at {main.rect}"
    assert main.rect.width == rig.screen_size[0], f"main window is {main.rect}, not as wide as the screen"
    app.assert_no_window(title="Error", during=3)
    app.assert_running()
    rig.focus(main)
    rig.key("alt+F4")
    assert app.wait_exit(timeout=20) == 0


@pytest.mark.parametrize("exe_name, confirm", [("autorun.EXE", "key"), ("AUTORUN.exe", "click")])
def test_player_without_project_file_reports_it_missing(rig, app_folder, exe_name, confirm):
    app_folder.add_quorvane(exe_name)
    app = app_folder.start(exe_name)
    box = app.wait_message_box(timeout=30)
    assert box.title == "Error"
    assert box.text == f'File "{app_folder.winpath}\\AutoRun.ard" not found'
    rig.confirm_message_box(box, how=confirm)
    app.wait_exit(timeout=20)


def test_player_shows_the_project_window_centred_on_the_screen(rig, app_folder):
    app_folder.add_quorvane("AutoRun.exe")
    app_folder.write_project(Project(caption="Quorvane Test", border_style=ardfile.BORDER_SIZEABLE,
                                     width=600, height=420, left=10, top=10))
    app = app_folder.start("AutoRun.exe")
    window = app.wait_window(title="Quorvane Test", timeout=30)
    screen_w, screen_h = rig.screen_size
    want_left, want_top = (screen_w - 600) // 2, (screen_h - 420) // 2
    assert (want_left, want_top) == (212, 174)
    assert (window.rect.width, window.rect.height) == (600, 420), f"window is {window.rect}"
    assert (window.rect.left, window.rect.top) == (want_left, want_top), f"window is {window.rect}"
    app.assert_no_window(title="Error", during=3)
    app.assert_running()


def test_player_refuses_a_file_with_a_wrong_signature(rig, app_folder):
    app_folder.add_quorvane("AutoRun.exe")
    data = Project().to_bytes(signature=0x56AAAA55)
    assert data[:4] == bytes([0x55, 0xAA, 0xAA, 0x56])
    app_folder.write("AutoRun.ard", data)
    app = app_folder.start("AutoRun.exe")
    box = app.wait_message_box(timeout=30)
    assert (box.title, box.text) == ("Error", "File format not match")
    rig.confirm_message_box(box, how="key")
    app.wait_exit(timeout=20)


def test_player_reports_a_file_cut_short_once(rig, app_folder):
    app_folder.add_quorvane("AutoRun.exe")
    whole = Project(caption="Cut Short").to_bytes()
    cut = 4 + 4 + 4 + 4 + 4 + 1 + 10  # inside the start link of the project block
    assert cut < Project().project_block_end()
    app_folder.write("AutoRun.ard", whole[:cut])
    app = app_folder.start("AutoRun.exe")
    box = app.wait_message_box(timeout=30)
    assert (box.title, box.text) == ("Error", "IO Error")
    rig.confirm_message_box(box, how="key")
    # Once: until the program ends (or for a few seconds), no second error box.
    second = rig.wait_until(lambda: app.exited or rig.find_windows(title="Error", cls="#32770", app=app),
                            20, "the player to end after the error")
    assert second is True, f"a second error box appeared: {second[0]} saying {second[0].text!r}"


def test_designer_without_a_cd_folder_asks_for_one_and_ends_when_cancelled(rig, app_folder):
    app_folder.add_quorvane("Quorvane.exe")  # no Quorvane.ini and no CDROM folder beside it
    app = app_folder.start("Quorvane.exe")
    picker = app.wait_window(cls="#32770", timeout=30)
    assert picker.title == "Select the folder for CD files"
    main = app.wait_window(cls="TMainForm")
    assert main.title == "Quorvane", "no CD folder in front of the product name yet"
    rig.click_button(picker, "Cancel")
    assert app.wait_exit(timeout=20) == 0
