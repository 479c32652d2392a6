"""A disc made ready with real input, on a copy of the demo CD folder: Check Disc, made larger, names
a picture that is gone, shows the finding whole and opens the object that shows it, and opens the
link editor for a file a link opens; Make Disc Image with errors says why over the findings, which
stay open; on a clean folder it goes straight to an image that ISO readers list as the CD folder,
its progress in percent and megabytes; Cancel in the progress window leaves no image and no
temporary file."""
from __future__ import annotations

import os
import re
import shutil
import subprocess

from designer_support import Designer


def demo(rig, tmp_path) -> Designer:
    cd = tmp_path / "CD"
    shutil.copytree(rig.build / "demo" / "CD", cd)
    designer = Designer(rig, tmp_path, cd).start()
    designer.canvas("Quorvane Demo")
    return designer


FINDING_TEXT = 115  # the static under the list that shows the chosen finding whole
PROGRESS_TEXT = 132  # the static under the progress bar


def make_disc_image(designer: Designer) -> None:
    designer.press("alt+f")
    designer.app.wait_window(cls="#32768")
    # Open, Save, Save As, Save and Test, Check Disc, Make Disc Image
    designer.rig.key(*["Down"] * 5, "Return")


def static_text(window, control_id: int) -> str:
    return next(s.text for s in window.statics if s.id == control_id)


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
    # Dragged larger by its corner, the list widens its rows; the chosen finding shows whole below.
    corner = (window.rect.right - 3, window.rect.bottom - 3)
    rig.move(*corner)
    rig.mouse_down()
    for step in (1, 2):
        rig.move(corner[0] + 100 * step, corner[1] + 50 * step)
    rig.mouse_up()
    grown = rig.wait_until(lambda: [w for w in designer.app.windows() if w.hwnd == window.hwnd
                                    and w.rect.width > window.rect.width + 150], 10, "the window to grow")[0]
    [error] = [row for row in rig.list_rows(grown) if row["cells"][0] == "Error"]
    assert error["rect"].width - errors[0]["rect"].width == grown.rect.width - window.rect.width
    severity, name, what, file = error["cells"]
    assert static_text(grown, FINDING_TEXT) == f"{severity}: {name}: {what} ({file})"
    rig.click(*error["rect"].center, repeat=2)
    dialog = designer.app.wait_window(title="Image Properties")
    designer.wait_closed(window)
    rig.key("Escape")
    designer.wait_closed(dialog)
    designer.press("Delete")  # the image alone was selected, as a click on it selects it
    assert [o.name for o in designer.saved_project().objects] == [
        "lblTitle", "lblSubtitle", "btnReadMe", "btnWebSite", "btnSound", "btnBrowse", "btnExit", "imgLogo"]


def test_check_disc_opens_the_link_editor_for_a_file_a_link_opens(rig, tmp_path):
    designer = demo(rig, tmp_path)
    (designer.cd / "ReadMe.txt").unlink()
    designer.press("F7")
    window = designer.app.wait_window(title="Check Disc")
    [error] = [row for row in rig.list_rows(window) if row["cells"][0] == "Error"]
    assert error["cells"][3] == "\\ReadMe.txt", error
    rig.click(*error["rect"].center, repeat=2)
    editor = designer.app.wait_window(title="Edit Link")
    designer.wait_closed(window)
    rig.key("Escape")
    designer.wait_closed(editor)
    designer.press("Delete")  # the button alone was selected
    assert "btnReadMe" not in [o.name for o in designer.saved_project().objects]


def test_a_refused_image_leaves_the_findings_open(rig, tmp_path):
    designer = demo(rig, tmp_path)
    (designer.cd / "cover.jpg").unlink()
    make_disc_image(designer)
    window = designer.app.wait_window(title="Check Disc")
    for again in (False, True):  # as the command opens the findings, and from their button
        if again:
            rig.click_button(window, "Make Image...")
        box = designer.app.wait_message_box(title="Error")
        assert box.text.startswith("The disc image cannot be made. Mend these errors first:\n\n"
                                   "Error: Image 8: "), box.text
        rig.confirm_message_box(box)
        assert [row["cells"][3] for row in rig.list_rows(window) if row["cells"][0] == "Error"] == ["\\cover.jpg"]
    designer.app.assert_no_window(title="Save As", during=0)


def test_make_disc_image_of_a_clean_folder_goes_straight_to_an_image_readers_list(rig, tmp_path):
    designer = demo(rig, tmp_path)
    designer.saved_project()  # the player, autorun.inf and the icon join the design: nothing to find
    for i in range(2):  # 1.2 GB of zeros: the image takes long enough for its progress to show
        with open(designer.cd / f"video{i}.bin", "wb") as video:
            video.truncate(600_000_000)
    designer.press("F7")
    window = designer.app.wait_window(title="Check Disc")
    rig.key("alt+m", "Down", "Down")  # DVD 4.7 GB, which Make Disc Image then checks for
    rig.wait_until(lambda: not rig.list_rows(window), 10, "the DVD to hold the videos")
    rig.click_button(window, "Close")
    designer.wait_closed(window)
    make_disc_image(designer)
    save = designer.app.wait_window(title="Save As")
    designer.app.assert_no_window(title="Check Disc", during=0)
    rig.focus(save)
    rig.key("Return")  # the offered name, beside the CD folder
    label = designer.app.wait_window(title="Volume Label")
    rig.focus(label)
    rig.key("ctrl+a")
    rig.type_text("QUORVANE DEMO 1")
    rig.key("Return")
    progress = designer.app.wait_window(title="Making Disc Image")
    shown = rig.wait_until(lambda: [m for w in designer.app.windows() if w.hwnd == progress.hwnd for m in [
        re.fullmatch(r"(\d+)% \(([\d,]+) MB of ([\d,]+) MB\) written", static_text(w, PROGRESS_TEXT))] if m],
        20, "the percentage and the megabytes written")[0]
    image = tmp_path / "Quorvane Demo.iso"
    box = designer.app.wait_message_box(title="Make Disc Image", timeout=180)  # a busy machine's disk
    assert box.text == f'Disc image "{rig.winpath(image)}" written.'
    percent, written, total = (int(n.replace(",", "")) for n in shown.groups())
    assert total == image.stat().st_size >> 20, shown[0]
    assert written <= total and abs(percent - written * 100 / total) <= 1.1, shown[0]
    want = files_below(designer.cd)
    assert files_listed("isoinfo", "-J", "-f", "-i", str(image)) == want
    assert "Volume id: QUORVANE_DEMO_1\n" in listed("isoinfo", "-d", "-i", str(image))  # from the label
    assert files_listed("bsdtar", "tf", str(image)) == want
    seven = [line.split()[-1] for line in listed("7z", "l", "-slt", str(image)).splitlines()
             if line.startswith("Path = ") and "Folder = -" not in line]
    assert want <= {path.replace("\\", "/") for path in seven}, seven
    image.unlink()  # 1.2 GB that no later test reads


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
