"""Menus in every script, from a CD folder whose own path holds Cyrillic and Chinese letters: a
design in Greek, Russian, Chinese and Hebrew that the player shows and runs and the designer
saves unchanged, and a caption typed in the designer in Greek and Chinese."""
from __future__ import annotations

import struct
from dataclasses import replace

from ardfile import UTF8_MARK, Button, Command, Font, Label, Project, encode_text, read_project
from designer_support import Designer, client_point as at
from rig import AppFolder

CAPTION = "Ελληνικά Русский 中文 עברית"
PROGRAM = "\\中文目录\\Δοκιμή.exe"
OPEN_FILE = 1
FONT = Font(name="DejaVu Sans", size=14)
BUTTON = Button(name="Run", caption="Запуск 中文", hint="Δοκιμή", left=40, top=40, width=200, height=48,
                font=FONT, normal_font=FONT, link=Command(action=OPEN_FILE, target=PROGRAM))
LABEL = Label(name="Hebrew", caption="עברית 123", left=40, top=110, width=200, height=30, font=FONT,
              normal_font=FONT)


def cd_in_every_script(rig, tmp_path) -> AppFolder:
    return AppFolder(rig, tmp_path / "Документы 中文" / "Menu CD")


def stored(text: str) -> bytes:
    """A string as the project file stores it, with its length."""
    data = encode_text(text)
    return struct.pack("<i", len(data)) + data


def test_a_menu_in_every_script_plays_runs_and_saves_unchanged(rig, tmp_path):
    cd = cd_in_every_script(rig, tmp_path)
    cd.add_quorvane("AutoRun.exe")
    cd.mkdir("中文目录")
    cd.add_marker("中文目录/Δοκιμή.exe")
    project = Project(caption=CAPTION, objects=[BUTTON, LABEL])
    cd.write("AutoRun.ard", project.to_bytes())

    player = cd.start("AutoRun.exe")
    window = player.wait_window(title=CAPTION)
    rig.click(window.client.left + 140, window.client.top + 64)
    record = rig.wait_for_marker(cd / "中文目录" / "marker-out.json")
    assert record["exe"] == cd.winpath + PROGRAM, record
    rig.close_window(window)

    designer = Designer(rig, tmp_path, cd.path).start()
    designer.canvas(CAPTION)
    saved = designer.saved_project()
    assert replace(saved, left=project.left, top=project.top) == project
    data = (cd / "AutoRun.ard").read_bytes()
    for text in (CAPTION, BUTTON.caption, BUTTON.hint, PROGRAM, LABEL.caption, "DejaVu Sans"):
        assert stored(text) in data, text
    assert stored(CAPTION).startswith(struct.pack("<i", len(encode_text(CAPTION))) + UTF8_MARK)


def test_a_caption_typed_in_greek_and_chinese_is_stored_shown_and_read_aloud(rig, tmp_path):
    cd = tmp_path / "cd"
    cd.mkdir()
    button = Button(name="B", caption="Go", left=40, top=40, width=200, height=48, font=Font(size=14))
    (cd / "AutoRun.ard").write_bytes(Project(caption="Menu", objects=[button]).to_bytes())
    designer = Designer(rig, tmp_path, cd).start()
    designer.canvas("Menu")
    shown = (designer.at(40, 40)[0], designer.at(40, 40)[1], designer.at(240, 88)[0], designer.at(240, 88)[1])

    def type_caption(text: str):
        rig.click(*designer.at(140, 64))
        designer.press("ctrl+p")
        dialog = designer.app.wait_window(title="Button Properties")
        designer.retype(at(dialog, 176, 8, 262, 23), text)
        rig.key("Return")
        designer.wait_closed(dialog)
        return rig.screen().crop(shown)

    question_marks = type_caption("???????? ??")
    letters = type_caption("Καλημέρα 中文")
    assert list(letters.getdata()) != list(question_marks.getdata()), "the caption shows as question marks"

    designer.saved_project()
    data = (cd / "AutoRun.ard").read_bytes()
    assert stored("Καλημέρα 中文") in data
    assert UTF8_MARK + "Καλημέρα 中文".encode("utf-8") in data
    player = AppFolder(rig, cd).start("AutoRun.exe")  # deployed by the save
    window = player.wait_window(title="Menu")
    names = [child["name"] for child in rig.accessible(window)["children"]]
    assert names == ["Καλημέρα 中文"]
