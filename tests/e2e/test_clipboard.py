"""Objects copied in one designer and pasted into a second designer that runs on another CD folder,
with real keys: they land 10, 10 from where they were with their links, fonts and file names, the
pictures and the link's file missing from the second CD folder are listed by their full paths in
one box, and Ctrl+Z takes the paste back in one step."""
from __future__ import annotations

import dataclasses

from ardfile import Button, Command, Font, Image, Label, Project
from behaviour_support import write_bmp
from designer_support import Designer

TITLE_FONT = Font(name="Arial", color=0x800000, size=14, style=1)
OBJECTS = [  # a label's normal font is its own: the designer binds it so
    Label(name="Title", caption="Welcome", left=20, top=20, width=150, height=24, font=TITLE_FONT,
          normal_font=TITLE_FONT),
    Button(name="Go", caption="Install", left=20, top=70, width=120, height=40, glyph_file="\\art\\go.bmp",
           link=Command(action=1, target="\\setup.exe", start_directory="\\"),
           hot_font=Font(name="Arial", color=0x0000FF, size=12, style=4)),
    Image(name="Logo", left=200, top=20, width=64, height=64, image_file="\\art\\logo.bmp"),
]


def test_objects_copied_in_one_designer_paste_into_another(rig, tmp_path):
    first_cd, second_cd = tmp_path / "First", tmp_path / "Second"
    write_bmp(first_cd / "art" / "logo.bmp", (64, 64), (0, 160, 0))
    write_bmp(first_cd / "art" / "go.bmp", (16, 16), (160, 0, 0))
    (first_cd / "AutoRun.ard").write_bytes(Project(objects=OBJECTS).to_bytes())
    second_cd.mkdir()
    first = Designer(rig, tmp_path / "one", first_cd).start()
    first.canvas()
    first.drag((5, 5), (300, 150))  # a rubber band over all three
    first.press("ctrl+c")

    second = Designer(rig, tmp_path / "two", second_cd).start()
    second.canvas()
    second.press("shift+Insert")
    box = second.app.wait_message_box(title="Error")
    cd = second.cd_winpath
    assert box.text == ("The pasted objects name files that cannot be used in this CD folder:\n\n"
                        f'File "{cd}\\art\\go.bmp" not found\nFile "{cd}\\setup.exe" not found\n'
                        f'File "{cd}\\art\\logo.bmp" not found')
    rig.confirm_message_box(box)
    second.app.assert_no_window(title="Error", during=0)

    assert second.saved_project().objects == [dataclasses.replace(o, left=o.left + 10, top=o.top + 10)
                                              for o in OBJECTS]
    second.press("ctrl+z")
    assert second.saved_project().objects == []
