"""Deployment through the designer with real keys: Save (ctrl+s) fills the CD folder named by
Quorvane.ini with the player, its icon, autorun.inf and the project file, and remembers the
folder; Save and Test (ctrl+t) also starts the deployed player."""
from __future__ import annotations

import ardfile
from behaviour_support import icon_entries, settled_window
from designer_support import OLD_TIME_NS, Designer, stamp_old

AUTORUN_INF = b"[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n"
NEW_PROJECT_FILE_SIZE = 181


def listing(folder) -> dict:
    """{name: (is a directory, bytes of a file)} of a folder's entries."""
    return {p.name: (p.is_dir(), None if p.is_dir() else p.read_bytes()) for p in sorted(folder.iterdir())}


def assert_deployed_files(designer: Designer) -> None:
    """AutoRun.exe is the designer's executable, AutoRun.ico an icon with a 32x32 image,
    autorun.inf exact; AutoRun.ard is checked by each test."""
    cd = designer.cd
    assert (cd / "AutoRun.exe").read_bytes() == designer.exe.read_bytes(), "AutoRun.exe is not Quorvane.exe"
    assert (32, 32) in icon_entries((cd / "AutoRun.ico").read_bytes())
    assert (cd / "autorun.inf").read_bytes() == AUTORUN_INF


def assert_new_project(data: bytes) -> None:
    assert len(data) == NEW_PROJECT_FILE_SIZE, f"the new project's file has {len(data)} bytes"
    project = ardfile.read_project(data)
    assert project.caption == "AutoRun"
    assert (project.width, project.height) == (600, 420)
    assert project.objects == []


class TestSave:
    def test_save_into_an_empty_folder_deploys_the_menu(self, rig, tmp_path):
        cd = tmp_path / "Menu CD"
        cd.mkdir()
        designer = Designer(rig, tmp_path, cd).start()
        designer.press("ctrl+s")
        designer.wait_saved()
        assert sorted(p.name for p in cd.iterdir()) == ["AutoRun.ard", "AutoRun.exe", "AutoRun.ico", "autorun.inf"]
        assert_deployed_files(designer)
        assert_new_project((cd / "AutoRun.ard").read_bytes())
        assert sorted(p.name for p in designer.folder.path.iterdir()) == ["Quorvane.exe", "Quorvane.ini"]
        designer.app.assert_no_window(cls="#32770", during=1)
        designer.app.assert_running()

        # The deployed player, started from the CD folder, plays that folder's (new) menu.
        player = rig.start(cd / "AutoRun.exe")
        window = settled_window(rig, "AutoRun", player.owns, app=player)
        assert (window.rect.width, window.rect.height) == (600, 420), f"player window is {window.rect}"
        assert (window.rect.left, window.rect.top) == (212, 174), f"player window is {window.rect}"
        player.assert_no_window(cls="#32770", during=1)

    def test_save_keeps_an_existing_player_and_icon(self, rig, tmp_path):
        cd = tmp_path / "Old CD"
        cd.mkdir()
        old_exe, old_ico = b"MZ an older player\r\n", b"\x00\x00\x01\x00 an older icon"
        (cd / "AutoRun.exe").write_bytes(old_exe)
        (cd / "AutoRun.ico").write_bytes(old_ico)
        (cd / "autorun.inf").write_bytes(b"[autorun]\r\nOPEN=OLD.EXE\r\n")
        (cd / "AutoRun.ard").write_bytes(ardfile.Project(caption="Old Menu", width=500, height=300).to_bytes())
        for name in ("AutoRun.exe", "AutoRun.ico", "autorun.inf", "AutoRun.ard"):
            stamp_old(cd / name)
        designer = Designer(rig, tmp_path, cd).start()
        designer.press("ctrl+s")
        designer.wait_saved()
        for name, data in (("AutoRun.exe", old_exe), ("AutoRun.ico", old_ico)):
            assert (cd / name).read_bytes() == data, f"{name} was overwritten"
            assert (cd / name).stat().st_mtime_ns == OLD_TIME_NS, f"{name} was rewritten"
        assert (cd / "autorun.inf").read_bytes() == AUTORUN_INF
        ard = cd / "AutoRun.ard"
        assert ard.stat().st_mtime_ns != OLD_TIME_NS, "AutoRun.ard was not rewritten"
        project = ardfile.read_project(ard.read_bytes())
        assert (project.caption, project.width, project.height) == ("Old Menu", 500, 300)
        assert sorted(p.name for p in cd.iterdir()) == ["AutoRun.ard", "AutoRun.exe", "AutoRun.ico", "autorun.inf"]

    def test_save_into_a_missing_folder_reports_it_and_writes_nothing(self, rig, tmp_path):
        cd = tmp_path / "No Such CD"
        designer = Designer(rig, tmp_path, cd).start()
        designer.press("ctrl+s")
        box = designer.app.wait_message_box()
        assert (box.title, box.text) == ("Error", f'Directory "{designer.cd_winpath}" not found.\n\n'
                                                  "Save the design into another folder with Save As?")
        rig.click_button(box, "No")
        designer.wait_closed(box)
        assert not cd.exists()
        assert sorted(p.name for p in designer.folder.path.iterdir()) == ["Quorvane.exe", "Quorvane.ini"]
        designer.assert_ini_untouched()
        designer.app.assert_running()

    def test_a_project_file_that_cannot_be_replaced_is_named_by_the_error_handler(self, rig, tmp_path):
        cd = tmp_path / "Blocked CD"
        (cd / "AutoRun.ard").mkdir(parents=True)
        designer = Designer(rig, tmp_path, cd).start()
        designer.press("ctrl+s")
        box = designer.app.wait_message_box()
        assert box.title == "Quorvane"
        assert box.text.startswith(f'Cannot create file "{designer.cd_winpath}\\AutoRun.ard".'), box.text
        rig.confirm_message_box(box, how="key")
        # What was written before the project file stays; nothing else is left behind.
        assert sorted(p.name for p in cd.iterdir()) == ["AutoRun.ard", "AutoRun.exe", "AutoRun.ico", "autorun.inf"]
        assert_deployed_files(designer)
        assert (cd / "AutoRun.ard").is_dir() and not any((cd / "AutoRun.ard").iterdir())
        designer.assert_ini_untouched()
        designer.app.assert_running()


class TestSaveAndTest:
    def test_save_and_test_deploys_and_starts_the_player(self, rig, tmp_path):
        cd = tmp_path / "Test CD"
        cd.mkdir()
        designer = Designer(rig, tmp_path, cd).start()
        designer.press("ctrl+t")
        designer.wait_saved()
        assert_deployed_files(designer)
        assert_new_project((cd / "AutoRun.ard").read_bytes())
        player_exe = rig.winpath(cd / "AutoRun.exe").lower()
        window = settled_window(rig, "AutoRun", lambda w: w.exe.lower() == player_exe)
        assert window.pid != designer.main.pid
        assert (window.rect.width, window.rect.height) == (600, 420), f"player window is {window.rect}"
        designer.app.assert_running()

