"""A disc made ready with real input, on a copy of the demo CD folder: Check Disc names a picture
that is gone and opens the object that shows it; Make Disc Image writes an image that ISO readers
list as the CD folder; Cancel in the progress window leaves no image and no temporary file."""
from __future__ import annotations

import os
import shutil
import subprocess

from designer_support import Designer


def demo(rig, tmp_path) -> Designer:
    cd = tmp_path / "CD"
    shutil.copytree(rig.build / "demo" / "CD", cd)
    designer = Designer(rig, tmp_path, cd).start()
    designer.canvas("Quorvane Demo")
    return designer


def files_below(folder) -> set[str]:
    return {os.path.relpath(os.path.join(root, name), folder).replace(os.sep, "/")
            for root, _, names in os.walk(folder) for name in names}


def listed(*command: str) -> str:
    return subprocess.run(command, capture_output=True, text=True, check=True).stdout


def files_listed(*command: str) -> set[str]:
    """The files a reader lists, as paths below the disc's root (its folders left out)."""
    return {line.strip().lstrip("./").rstrip("/") for line in listed(*command).splitlines()} - {"", "art"}


def test_check_disc_names_a_missing_picture_and_opens_the_image_that_shows_it(rig, tmp_path):
    designer = demo(rig, tmp_path)
    (designer.cd / "cover.jpg").unlink()
    designer.press("F7")
    window = designer.app.wait_window(title="Check Disc")
    rows = rig.list_rows(window)
    errors = [row for row in rows if row["cells"][0] == "Error"]
    assert [(row["cells"][1], row["cells"][3]) for row in errors] == [("Image 8", "\\cover.jpg")], rows
    assert f"1 error, {len(rows) - 1} warnings" in [s.text for s in window.statics]
    rig.click(*errors[0]["rect"].center, repeat=2)
    dialog = designer.app.wait_window(title="Image Properties")
    designer.wait_closed(window)
    rig.key("Escape")
    designer.wait_closed(dialog)
    designer.press("Delete")  # the image alone was selected, as a click on it selects it
    assert [o.name for o in designer.saved_project().objects] == [
        "lblTitle", "lblSubtitle", "btnReadMe", "btnWebSite", "btnSound", "btnBrowse", "btnExit", "imgLogo"]


def test_make_disc_image_writes_an_image_that_readers_list_as_the_cd_folder(rig, tmp_path):
    designer = demo(rig, tmp_path)
    designer.press("alt+f")
    designer.app.wait_window(cls="#32768")
    rig.key(*["Down"] * 5, "Return")  # Open, Save, Save As, Save and Test, Check Disc, Make Disc Image
    save = designer.app.wait_window(title="Save As")
    rig.focus(save)
    rig.key("Return")  # the offered name, beside the CD folder
    label = designer.app.wait_window(title="Volume Label")
    rig.focus(label)
    rig.key("ctrl+a")
    rig.type_text("QUORVANE DEMO 1")
    rig.key("Return")
    image = tmp_path / "Quorvane Demo.iso"
    box = designer.app.wait_message_box(title="Make Disc Image")
    assert box.text == f'Disc image "{rig.winpath(image)}" written.'
    want = files_below(designer.cd)
    assert files_listed("isoinfo", "-J", "-f", "-i", str(image)) == want
    assert "Volume id: QUORVANE_DEMO_1\n" in listed("isoinfo", "-d", "-i", str(image))  # from the label
    assert files_listed("bsdtar", "tf", str(image)) == want
    seven = [line.split()[-1] for line in listed("7z", "l", "-slt", str(image)).splitlines()
             if line.startswith("Path = ") and "Folder = -" not in line]
    assert want <= {path.replace("\\", "/") for path in seven}, seven


def test_cancel_leaves_no_image_and_no_temporary_file(rig, tmp_path):
    designer = demo(rig, tmp_path)
    for i in range(4):  # 4 GB of zeros on the disc: the image takes long enough to be cancelled
        with open(designer.cd / f"video{i}.bin", "wb") as video:
            video.truncate(1_000_000_000)
    designer.press("F7")
    window = designer.app.wait_window(title="Check Disc")
    rig.key("alt+m", "Down", "Down")  # DVD 4.7 GB: on a CD the videos would not fit
    rig.wait_until(lambda: rig.list_rows(window)[0]["cells"][0] == "Warning", 10, "the DVD to hold the videos")
    rig.click_button(window, "Make Image...")
    rig.focus(designer.app.wait_window(title="Save As"))
    rig.key("Return")
    rig.focus(designer.app.wait_window(title="Volume Label"))
    rig.key("Return")
    progress = designer.app.wait_window(title="Making Disc Image")
    rig.click_button(progress, "Cancel")
    designer.wait_closed(progress)
    designer.app.assert_no_window(title="Make Disc Image", during=2)
    assert sorted(os.listdir(tmp_path)) == ["CD", "designer"]

    designer.press("F7")  # the window comes back on the medium last checked, where the videos fit
    window = designer.app.wait_window(title="Check Disc")
    assert rig.list_rows(window)[0]["cells"][0] == "Warning", rig.list_rows(window)
