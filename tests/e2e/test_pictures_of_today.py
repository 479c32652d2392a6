"""Pictures of today: the demo's PNG logo, whose soft edges fade over the gradient, shows the same
pixels on the canvas and in the player; a text file named as a picture is reported by name, once."""
from __future__ import annotations

import shutil

from PIL import ImageChops

from ardfile import Command, Image, Project
from behaviour_support import settled_window
from designer_support import Designer
from rig import same_color

LOGO = (2 + 374, 2 + 294, 112, 40)  # the demo's logo in the client area: inside the 2-pixel bevel


def test_the_demo_logo_shows_the_same_pixels_on_the_canvas_and_in_the_player(rig, tmp_path):
    cd = tmp_path / "CD"
    shutil.copytree(rig.build / "demo" / "CD", cd)
    designer = Designer(rig, tmp_path, cd).start()
    canvas = designer.canvas("Quorvane Demo")
    left, top, width, height = LOGO

    def logo(window):
        x, y = window.client.left + left, window.client.top + top
        return rig.screen().crop((x, y, x + width, y + height))

    designed = logo(canvas)
    beside = rig.pixel(canvas.client.left + left - 3, canvas.client.top + top)  # the gradient
    # The badge's rounded corner lets the gradient through; its middle is the badge's own gold.
    assert same_color(designed.getpixel((0, 0)), beside, 3), (designed.getpixel((0, 0)), beside)
    assert not same_color(designed.getpixel((36, 20)), beside, 40)
    designer.press("ctrl+t")
    player = settled_window(rig, "Quorvane Demo", lambda w: w.exe.lower().endswith("autorun.exe"))
    rig.wait_until(lambda: ImageChops.difference(designed, logo(player)).getbbox() is None, 10,
                   "the player's logo to equal the canvas's, pixel for pixel")


def test_a_text_file_named_as_a_picture_is_reported_by_name_once(rig, app_folder):
    app_folder.write("logo.jpg", "This is a text file, not a picture.\r\n")
    app_folder.add_quorvane("AutoRun.exe")
    app_folder.add_marker("marker.exe")
    app_folder.write_project(Project(caption="Not A Picture", start_link=Command(action=1, target="\\marker.exe"),
                                     objects=[Image(name="Logo", left=20, top=20, width=100, height=60,
                                                    image_file="\\logo.jpg")]))
    app = app_folder.start("AutoRun.exe")
    box = app.wait_message_box()
    assert (box.title, box.text) == (
        "Error", f'File "{app_folder.winpath}\\logo.jpg" is no picture Quorvane can show')
    rig.confirm_message_box(box, how="click")
    rig.wait_for_marker(app_folder / "marker-out.json")  # the start link runs after the second binding
    app.assert_no_window(cls="#32770", during=0)
    app.wait_window(title="Not A Picture")
    app.assert_running()
