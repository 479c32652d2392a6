"""The menu on screens above 96 DPI (the registry's LogPixels at 144 and 192, as Windows sets it
for 150 % and 200 %): the window and its text grow by DPI / 96, the background is the gradient
made at the scaled size, a click lands on the scaled object, and the designer's canvas shows the
same pixels as the player while what it stores stays in design units. At 96 DPI the rest of the
suite holds as it is."""
from __future__ import annotations

import time

import pytest
from PIL import ImageChops

import ardfile
from ardfile import Button, Command, Font, Label, Project
from behaviour_support import count_color, settled_window
from designer_support import Designer
from drawing_reference import count_differences, gradient_picture
from rig import colorref_rgb, same_color

OPEN_FILE = 1
BORDER_NONE, BORDER_SINGLE = 0, 1
WHITE = 0xFFFFFF


def scaled(value: int, factor: float) -> int:
    """A design edge on the device: rounded to the nearest, halves up."""
    return int(value * factor + 0.5)


def menu(border_style: int, objects: list) -> Project:
    return Project(caption="Scaled Menu", border_style=border_style, width=300, height=200, back_color=0x800000,
                   gradient_color=0xFFC080, gradient_style=0, objects=objects)


def text_rows(img, box) -> int:
    """How many rows of `box` hold a white pixel (the title's text)."""
    crop = img.crop(box)
    px = crop.load()
    return sum(1 for y in range(crop.height) if any(same_color(px[x, y], (255, 255, 255), 40)
                                                    for x in range(crop.width)))


def title_box(window, factor: float) -> tuple[int, int, int, int]:
    """The title label's place on the screen."""
    left, top = window.client.left, window.client.top
    return left + scaled(10, factor), top + scaled(10, factor), left + scaled(210, factor), top + scaled(50, factor)


def steady(rig, box):
    """The screen's `box` once two looks a third of a second apart agree."""
    last = [rig.screen().crop(box)]

    def same():
        time.sleep(0.3)
        now = rig.screen().crop(box)
        agreed = ImageChops.difference(last[0], now).getbbox() is None
        last[0] = now
        return agreed
    rig.wait_until(same, 10, "the screen to settle")
    return last[0]


def start_menu(rig, app_folder, project):
    app_folder.add_quorvane("AutoRun.exe")
    app_folder.write_project(project)
    app = app_folder.start("AutoRun.exe")
    return app, settled_window(rig, project.caption, app.owns, app=app)


@pytest.mark.parametrize("dpi", [144, 192])
def test_the_menu_grows_with_the_screen_and_a_click_lands_on_the_scaled_button(rig, app_folder, dpi):
    app_folder.add_marker("setup.exe")
    title = Label(name="Title", caption="Scaled", left=10, top=10, width=200, height=40, transparent=True,
                  font=Font(name="Arial", color=WHITE, size=20, style=1),
                  normal_font=Font(name="Arial", color=WHITE, size=20, style=1),
                  hot_font=Font(name="Arial", color=WHITE, size=20, style=1))
    go = Button(caption="Go", left=150, top=120, width=80, height=40,
                link=Command(action=OPEN_FILE, target="\\setup.exe"))
    # At 96 DPI first: the reference sizes of the frame and the text.
    app, plain = start_menu(rig, app_folder, menu(BORDER_SINGLE, [title, go]))
    plain_rows = text_rows(rig.screen(), title_box(plain, 1))
    app.kill()
    with rig.screen_dpi(dpi) as factor:
        app, framed = start_menu(rig, app_folder, menu(BORDER_SINGLE, [title, go]))
        assert (framed.client.width, framed.client.height) == (
            scaled(plain.client.width, factor), scaled(plain.client.height, factor)), framed
        rows = text_rows(rig.screen(), title_box(framed, factor))
        assert abs(rows - plain_rows * factor) <= 2 + factor, (rows, plain_rows)
        app.kill()

        app, window = start_menu(rig, app_folder, menu(BORDER_NONE, [go]))
        assert (window.client.width, window.client.height) == (scaled(300, factor), scaled(200, factor)), window
        want = gradient_picture(0, window.client.width, window.client.height, colorref_rgb(0x800000),
                                colorref_rgb(0xFFC080))
        shot = rig.screen()
        # Left of the button: the whole height of the client shows the gradient made at the scaled size.
        strip = (0, 0, scaled(140, factor), window.client.height)
        assert count_differences(shot.crop(window.client.box).crop(strip), 0, 0, want.crop(strip)) == 0
        rig.click(window.client.left + scaled(150 + 70, factor), window.client.top + scaled(120 + 35, factor))
        rig.wait_for_marker(app_folder / "marker-out.json")


def test_the_canvas_shows_the_players_pixels_and_stores_design_units(rig, tmp_path):
    cd = tmp_path / "CD"
    cd.mkdir()
    (cd / "AutoRun.ard").write_bytes(menu(BORDER_NONE, [
        Button(caption="Play", left=40, top=30, width=90, height=36)]).to_bytes())
    with rig.screen_dpi(192) as factor:
        designer = Designer(rig, tmp_path, cd).start()
        canvas = designer.canvas("Scaled Menu")
        assert (canvas.client.width, canvas.client.height) == (600, 400), canvas
        # Select, then the arrow keys move the button by design units.
        rig.click(canvas.client.left + scaled(80, factor), canvas.client.top + scaled(40, factor))
        rig.key("Right", "Right", "Down")
        # A label added where the screen shows design point 200, 150.
        designer.tool("Add Label", factor)
        rig.click(canvas.client.left + scaled(200, factor), canvas.client.top + scaled(150, factor))
        project = designer.saved_project()
        assert [(o.left, o.top) for o in project.objects] == [(42, 31), (200, 150)]
        assert (project.objects[0].width, project.objects[0].height) == (90, 36)
        designer.press("ctrl+z")  # the label goes again: the player below shows the button alone
        rig.click(canvas.client.left + scaled(80, factor), canvas.client.top + scaled(40, factor))
        marked = steady(rig, canvas.client.box)
        rig.focus(canvas)
        rig.key("Escape")  # no selection marks: the canvas as the player shows it
        designed = steady(rig, canvas.client.box)
        assert ImageChops.difference(marked, designed).getbbox(), "Esc left the selection marks"
        designer.press("ctrl+t")
        player = settled_window(rig, "Scaled Menu", lambda w: w.exe.lower().endswith("autorun.exe"))
        assert player.client.width == canvas.client.width
        # Every object on the canvas keeps its dotted outline one design unit outside it; all else is equal.
        outer = [scaled(v, factor) for v in (41, 30, 133, 68)]
        inner = [scaled(v, factor) for v in (42, 31, 132, 67)]

        def only_the_outline_differs():
            diff = ImageChops.difference(designed, rig.screen().crop(player.client.box)).convert("L").load()
            return all(outer[0] <= x < outer[2] and outer[1] <= y < outer[3] and
                       not (inner[0] <= x < inner[2] and inner[1] <= y < inner[3])
                       for y in range(designed.height) for x in range(designed.width) if diff[x, y])

        rig.wait_until(only_the_outline_differs, 10, "the player's client area to equal the canvas's but its outline")
