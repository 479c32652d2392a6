"""What the player (AutoRun.exe) paints, checked pixel by pixel on the screen.

The rules the checks follow, as the menu's users see them:
  * The window is the project's Width x Height, centred on the 1024x768 screen; BorderStyle
    None (0) has no frame, so its client area is its outer rectangle.
  * The client area holds the outer panel (system button face) with, from outside in: a 2-pixel
    sunken edge (panel BorderStyle 1), the outer bevel (BevelWidth; Lowered: shadow top/left,
    highlight bottom/right; Raised: the reverse; Space: button face), a band of the panel's
    BorderWidth in button face, the inner bevel. What is left is the inner panel: BackColor,
    the background gradient, then the objects in list order (first lowest).
  * The gradient (drawing_reference.gradient_picture) is computed over a fill rectangle two
    pixels wider and higher than the inner panel, whose top-left part the panel shows.
  * Labels: opaque ones fill their rectangle with Color, transparent ones let the background
    through around the text. Speed buttons: the glyph's bottom-left colour is transparent, the
    glyph is centred vertically, y = (Height - 32 + 1) div 2 for a 32-pixel glyph; Transparent:
    no face, Flat: no edge while the mouse is elsewhere; without a glyph file a default
    32x32 glyph on magenta. Images: Normal (picture at its size at the top-left), Center, Stretch,
    AutoSize (the control takes the picture's size); Transparent bitmaps leave out their
    bottom-left colour.
"""
from __future__ import annotations

import pytest
from PIL import Image as PILImage

from ardfile import Button, Font, Image, Label, Project
from drawing_reference import (band_colours, bmp24, count_colour, count_differences, differences, emf,
                               find_colour, gradient_picture, ico24, jpeg, quadrants, ramp_color,
                               ring_indices, wait_for_screen, wmf)
from rig import colorref_rgb

SCREEN_W, SCREEN_H = 1024, 768
BORDER_NONE, BORDER_SIZEABLE = 0, 2
NO_GRADIENT = 8
CAPTION = "Drawing Check"
MAGENTA = (255, 0, 255)


# --- starting the player ---------------------------------------------------------------------------

def show(rig, app_folder, project: Project, files: dict | None = None):
    """Writes the project (and files) beside AutoRun.exe, starts it and returns its window, checked
    to be the project's size and centred."""
    __tracebackhide__ = True
    app_folder.add_quorvane("AutoRun.exe")
    for name, data in (files or {}).items():
        app_folder.write(name, data)
    app_folder.write_project(project)
    app = app_folder.start("AutoRun.exe")
    left, top = (SCREEN_W - project.width) // 2, (SCREEN_H - project.height) // 2
    want = (left, top, left + project.width, top + project.height)
    # Placed: the window reaches its size and place within moments of showing up.
    window = app.wait_window(title=project.caption, timeout=30,
                             where=lambda w: (w.rect.left, w.rect.top, w.rect.right, w.rect.bottom) == want)
    if project.border_style == BORDER_NONE:
        assert window.client == window.rect, f"a window without border has client {window.client}, rect {window.rect}"
    return app, window


def project(**kw) -> Project:
    kw.setdefault("caption", CAPTION)
    return Project(**kw)


def ref(style, w, h, back, grad):
    return gradient_picture(style, w, h, colorref_rgb(back), colorref_rgb(grad))


# --- 1. gradient styles 0..6 -------------------------------------------------------------------------

# (border style, window width, height, BackColor, GradientColor, panel fields, inner panel inset)
BEVELLED = dict(bevel_outer=2, bevel_inner=1, bevel_width=2, panel_border_width=3)  # inner panel 7 px in
GRADIENT_WINDOWS = {
    "100x50": (BORDER_NONE, 100, 50, 0xFF0000, 0xFFFFFF, {}, 0),  # blue to white
    "700x600": (BORDER_NONE, 700, 600, 0xC08010, 0x20F0A0, {}, 0),  # over 256 both ways, mixed directions
    "257x131": (BORDER_NONE, 257, 131, 0x000000, 0x3FFF7F, {}, 0),  # odd sizes
    "600x420-sizeable": (BORDER_SIZEABLE, 600, 420, 0x4080FF, 0xFF2000, {}, 0),
    "300x280-bevelled": (BORDER_NONE, 300, 280, 0x0060FF, 0xFFC000, BEVELLED, 7),  # inner panel 286x266
}


def explicit_rows(size_id: str, style: int, back: int, grad: int) -> list[tuple[int, tuple]]:
    """(panel row, colour) facts stated for some windows, checked on column 0 besides the
    reference comparison."""
    if size_id == "100x50" and style == 0:
        return [(0, (255, 255, 255)), (1, (250, 250, 255)), (49, (10, 10, 255))]
    if size_id == "100x50" and style == 1:
        return [(0, (0, 0, 255)), (49, (245, 245, 255))]
    if size_id == "700x600" and style == 0:
        s, e = colorref_rgb(back), colorref_rgb(grad)
        band1 = tuple(a + int((b - a) / 255) for a, b in zip(s, e))  # one step of 255 from S
        return [(0, e), (599, band1)]
    return []


@pytest.mark.parametrize("style", range(7))
@pytest.mark.parametrize("size_id", list(GRADIENT_WINDOWS))
def test_gradient_matches_the_reference_over_the_whole_panel(rig, app_folder, size_id, style):
    border, width, height, back, grad, fields, inset = GRADIENT_WINDOWS[size_id]
    _, window = show(rig, app_folder, project(border_style=border, width=width, height=height, back_color=back,
                                              gradient_color=grad, gradient_style=style, **fields))
    c = window.client
    left, top, w, h = c.left + inset, c.top + inset, c.width - 2 * inset, c.height - 2 * inset
    want = ref(style, w, h, back, grad)
    shot = wait_for_screen(rig, lambda s: differences(s, left, top, want,
                                                      what=f"gradient style {style} on the {w}x{h} inner panel"),
                           what=f"the gradient of style {style}")
    for row, rgb in explicit_rows(size_id, style, back, grad):
        assert shot.getpixel((left, top + row)) == rgb, f"panel row {row}"


@pytest.mark.parametrize("style, grad", [(8, 0xFFFFFF), (9, 0xFFFFFF), (255, 0xFFFFFF), (0, 0x2080E0), (4, 0x2080E0)])
def test_no_gradient_leaves_the_panel_in_back_color(rig, app_folder, style, grad):
    """Styles 8..255 draw no gradient, nor does any style when GradientColor is BackColor."""
    back = 0x2080E0
    _, window = show(rig, app_folder, project(border_style=BORDER_NONE, width=200, height=150, back_color=back,
                                              gradient_color=grad, gradient_style=style))
    c = window.client
    plain = PILImage.new("RGB", (c.width, c.height), colorref_rgb(back))
    wait_for_screen(rig, lambda s: differences(s, c.left, c.top, plain, what=f"style {style}: panel in BackColor"),
                    what="the panel in BackColor")


def test_reference_agrees_with_the_worked_examples():
    """The Python reference itself against the stated examples (no program involved)."""
    blue, white = (0, 0, 255), (255, 255, 255)
    top_down = gradient_picture(0, 100, 50, blue, white)
    assert [top_down.getpixel((0, y)) for y in (0, 1, 49)] == [white, (250, 250, 255), (10, 10, 255)]
    bottom_up = gradient_picture(1, 100, 50, blue, white)
    assert [bottom_up.getpixel((5, y)) for y in (0, 49)] == [blue, (245, 245, 255)]
    # 600 rows: fill 602 high, distance d from the bottom fill row (601) in band t when
    # t*602 div 256 <= d < (t+1)*602 div 256.
    by_distance = band_colours(602, blue, white)
    assert by_distance[601 - 599] == ramp_color(blue, white, 1, 255) and by_distance[601 - 0] == white
    assert [t * 602 // 256 for t in (1, 2)] == [2, 4]  # row 599 is distance 2: band 1
    # Rings worked by hand for a 6x5 fill: border index 0, then c=d=1 (index 2), then c=d=2 (4).
    assert ring_indices(6, 5) == [[0, 0, 0, 0, 0, 0],
                                  [0, 2, 2, 2, 2, 0],
                                  [0, 2, 4, 4, 2, 0],
                                  [0, 2, 2, 2, 2, 0],
                                  [0, 0, 0, 0, 0, 0]]
    # Corner rings, from the top-left (style 5, ramp from GradientColor): (dx, dy) = (3, 1) in a
    # 4x3 panel (fill 6x5) has k = 3 and index 3 + min(3, 6, 5) = 6 of N = 11.
    black = (0, 0, 0)
    corner = gradient_picture(5, 4, 3, black, (220, 110, 0))
    assert corner.getpixel((3, 1)) == ramp_color((220, 110, 0), black, 6, 11) == (100, 50, 0)


# --- 2. radial ---------------------------------------------------------------------------------------

RADIAL_WINDOWS = {
    "700x600": (BORDER_NONE, 700, 600, 0xC85010, 0x1EC8FA),
    "300x200": (BORDER_NONE, 300, 200, 0x00FF00, 0xFF00FF),
    "600x420-sizeable": (BORDER_SIZEABLE, 600, 420, 0x202020, 0xF0E0D0),
    "200x120": (BORDER_NONE, 200, 120, 0x000000, 0xFFFFFF),
}


@pytest.mark.parametrize("size_id", list(RADIAL_WINDOWS))
def test_radial_gradient_centre_corners_and_middle_row(rig, app_folder, size_id):
    border, width, height, back, grad = RADIAL_WINDOWS[size_id]
    _, window = show(rig, app_folder, project(border_style=border, width=width, height=height,
                                              back_color=back, gradient_color=grad, gradient_style=7))
    panel = window.client
    w, h = panel.width, panel.height
    s, e = colorref_rgb(back), colorref_rgb(grad)
    wf, hf = w + 2, h + 2
    times = min(255, max(wf, hf))
    # The ellipses' half-axes shrink by (fill size / 2 / Times) per ramp step, so the innermost
    # ones are less than a pixel across and paint nothing: the centre shows the smallest ellipse
    # whose shorter half-axis reaches half a pixel, within one step of that.
    steps = -(-times // min(wf, hf)) + 1
    step = max(-(-steps * abs(b - a) // (times - 1)) for a, b in zip(s, e))
    corners = {"top-left": (0, 0), "top-right": (w - 1, 0), "bottom-left": (0, h - 1)}
    cx, cy = (w + 2) // 2, (h + 2) // 2  # panel coordinates near the ellipses' centre

    def check(shot):
        problems = []
        for name, (x, y) in corners.items():
            got = shot.getpixel((panel.left + x, panel.top + y))
            if got != e:
                problems.append(f"{name} corner ({x},{y}) is {got}, not GradientColor {e}")
        for dx in (0, 1):  # the 2x2 pixels around the ellipses' centre
            for dy in (0, 1):
                got = shot.getpixel((panel.left + cx + dx, panel.top + cy + dy))
                if any(abs(g - a) > step for g, a in zip(got, s)):
                    problems.append(f"centre pixel ({cx + dx},{cy + dy}) is {got}, more than {step} "
                                    f"({steps} ramp steps) from BackColor {s}")
        return problems

    shot = wait_for_screen(rig, check, what="the radial gradient")
    row = [shot.getpixel((panel.left + x, panel.top + cy)) for x in range(cx, -1, -1)]
    for channel in range(3):
        values = [p[channel] for p in row]
        direction = (e[channel] > s[channel]) - (e[channel] < s[channel])
        moves = [(b - a) * direction for a, b in zip(values, values[1:])]
        if direction == 0:
            assert all(v == s[channel] for v in values), f"channel {channel} varies along the middle row"
        else:
            assert min(moves) >= 0, (f"channel {channel} turns back along the middle row from the centre "
                                     f"leftwards: {values}")
            assert values[-1] != values[0], f"channel {channel} does not change along the middle row"


# --- 3. bevels and the inner panel ------------------------------------------------------------------

LOWERED, RAISED, SPACE = 1, 2, 3
# per variant: project fields, then (role top/left, role bottom/right) from the client edge inwards
BEVEL_VARIANTS = {
    "raised-lowered": (dict(bevel_outer=RAISED, bevel_inner=LOWERED, bevel_width=2, panel_border_width=3),
                       [("hi", "sh")] * 2 + [("face", "face")] * 3 + [("sh", "hi")] * 2),
    "edge-space-raised": (dict(panel_border_style=1, bevel_outer=SPACE, bevel_inner=RAISED, bevel_width=3,
                               panel_border_width=1),
                          [(None, None)] * 2 + [("face", "face")] * 4 + [("hi", "sh")] * 3),
    "lowered-only": (dict(bevel_outer=LOWERED, bevel_width=4, panel_border_width=0),
                     [("sh", "hi")] * 4),
}


@pytest.mark.parametrize("variant", list(BEVEL_VARIANTS))
def test_bevels_shrink_the_inner_panel(rig, app_folder, variant):
    fields, rings = BEVEL_VARIANTS[variant]
    back = 0x3060C0
    # An object's position is taken from the inner panel's top-left.
    marker = Label(caption="", left=10, top=12, width=30, height=20, color=0x00E0E0, transparent=False)
    _, window = show(rig, app_folder, project(border_style=BORDER_NONE, width=300, height=200, back_color=back,
                                              gradient_style=NO_GRADIENT, objects=[marker], **fields))
    assert (window.rect.left, window.rect.top) == (362, 284)
    c = window.client
    inset = len(rings)
    inner = PILImage.new("RGB", (c.width - 2 * inset, c.height - 2 * inset), colorref_rgb(back))
    inner.paste(colorref_rgb(marker.color), (marker.left, marker.top, marker.left + marker.width,
                                             marker.top + marker.height))
    shot = wait_for_screen(rig, lambda s: differences(s, c.left + inset, c.top + inset, inner,
                                                      what=f"inner panel inset {inset}"),
                           what="the inner panel in BackColor")
    margin = 12  # away from the corners, where bevels meet diagonally

    def side_colours(i):
        """The colours along the four sides of the ring i pixels in from the client edge."""
        top = {shot.getpixel((x, c.top + i)) for x in range(c.left + margin, c.right - margin)}
        left = {shot.getpixel((c.left + i, y)) for y in range(c.top + margin, c.bottom - margin)}
        bottom = {shot.getpixel((x, c.bottom - 1 - i)) for x in range(c.left + margin, c.right - margin)}
        right = {shot.getpixel((c.right - 1 - i, y)) for y in range(c.top + margin, c.bottom - margin)}
        return top, left, bottom, right

    roles: dict[str, set] = {}
    for i, (near, far) in enumerate(rings):
        top, left, bottom, right = side_colours(i)
        for role, colours in ((near, top), (near, left), (far, bottom), (far, right)):
            assert colorref_rgb(back) not in colours, f"BackColor at inset {i}, outside the inner panel"
            if role is not None:
                roles.setdefault(role, set()).update(colours)
    for role, colours in roles.items():
        assert len(colours) == 1, f"the {role} pixels are not of one colour: {colours}"
    distinct = {role: next(iter(colours)) for role, colours in roles.items()}
    assert len(set(distinct.values())) == len(distinct), f"highlight, shadow and face not distinct: {distinct}"
    first_inner = side_colours(inset)
    assert all(side == {colorref_rgb(back)} for side in first_inner), \
        f"the first inner ring (inset {inset}) is not BackColor: {first_inner}"


# --- 4. stacking -------------------------------------------------------------------------------------

STACK_LABELS = [  # (left, top, width, height, Color)
    (20, 20, 100, 60, 0x0000E0),
    (70, 40, 100, 60, 0x00C000),
    (40, 70, 100, 60, 0xD00000),
]


@pytest.mark.parametrize("order", [(0, 1, 2), (2, 0, 1), (1, 2, 0)])
def test_overlapping_opaque_labels_show_the_later_one(rig, app_folder, order):
    back = 0x404040
    labels = []
    for n, k in enumerate(order):
        left, top, w, h, colour = STACK_LABELS[k]
        labels.append(Label(name=f"Label{n + 1}", caption="", left=left, top=top, width=w, height=h,
                            color=colour, transparent=False))
    _, window = show(rig, app_folder, project(border_style=BORDER_NONE, width=260, height=180, back_color=back,
                                              gradient_style=NO_GRADIENT, objects=labels))
    want = PILImage.new("RGB", (window.client.width, window.client.height), colorref_rgb(back))
    for lab in labels:  # painter's order: the list's first object lowest
        want.paste(colorref_rgb(lab.color), (lab.left, lab.top, lab.left + lab.width, lab.top + lab.height))
    wait_for_screen(rig, lambda s: differences(s, window.client.left, window.client.top, want,
                                               what=f"labels stacked in order {order}"),
                    what="the stacked labels")


# --- 5. transparent label --------------------------------------------------------------------------

def test_transparent_label_shows_the_gradient_around_its_text(rig, app_folder):
    back, grad, style = 0x10A0F0, 0x602000, 5
    label = Label(caption="Menu", left=50, top=40, width=200, height=80, color=0x0000FF, transparent=True,
                  font=Font(name="Arial", color=0x000000, size=10))
    _, window = show(rig, app_folder, project(border_style=BORDER_NONE, width=400, height=300, back_color=back,
                                              gradient_color=grad, gradient_style=style, objects=[label]))
    c = window.client
    want = ref(style, c.width, c.height, back, grad)
    text_box = (label.left, label.top, label.left + 100, label.top + 24)  # generous room for "Menu"
    mask = PILImage.new("L", want.size, 255)
    mask.paste(0, text_box)
    shot = wait_for_screen(rig, lambda s: differences(s, c.left, c.top, want, mask=mask,
                                                      what="the panel around the label's text"),
                           what="the gradient around the transparent label")
    # The caption is there: inside the text box, pixels differ from the background.
    box = (c.left + text_box[0], c.top + text_box[1], c.left + text_box[2], c.top + text_box[3])
    region = shot.crop(box)
    background = want.crop(text_box)
    changed = sum(1 for a, b in zip(region.getdata(), background.getdata()) if a != b)
    assert changed >= 20, f"only {changed} pixels of the caption's box differ from the gradient"


# --- 6. speed button glyphs ---------------------------------------------------------------------

GREEN, RED, BLUE, YELLOW = (0, 200, 0), (220, 0, 0), (0, 0, 230), (255, 230, 0)


def glyph_picture() -> PILImage.Image:
    g = PILImage.new("RGB", (32, 32), MAGENTA)
    g.paste(GREEN, (0, 0, 3, 3))  # marks the glyph's top-left corner
    g.paste(RED, (6, 6, 26, 26))
    g.paste(BLUE, (12, 12, 20, 20))
    g.paste(YELLOW, (4, 29, 28, 30))  # near the bottom: a flipped glyph shows it near the top
    assert g.getpixel((0, 31)) == MAGENTA
    return g


def glyph_mask(g: PILImage.Image) -> PILImage.Image:
    """255 where the glyph is drawn, 0 where its transparent colour (magenta) lets the face through."""
    return PILImage.frombytes("L", g.size, bytes(0 if p == MAGENTA else 255 for p in g.getdata()))


def test_button_glyphs_drop_their_magenta_background(rig, app_folder):
    back, grad, style = 0x202020, 0x707070, 2  # greys: never a glyph colour
    size = (80, 60)
    glyph = glyph_picture()
    buttons = [
        Button(name="Glyph", caption="", left=20, top=20, width=size[0], height=size[1], glyph_file="\\glyph.bmp"),
        Button(name="Default", caption="", left=120, top=20, width=size[0], height=size[1]),
        Button(name="GlyphFlat", caption="", left=220, top=20, width=size[0], height=size[1],
               glyph_file="\\glyph.bmp", transparent=True, flat=True),
        Button(name="DefaultFlat", caption="", left=120, top=110, width=size[0], height=size[1],
               transparent=True, flat=True),
    ]
    _, window = show(rig, app_folder, project(border_style=BORDER_NONE, width=340, height=200, back_color=back,
                                              gradient_color=grad, gradient_style=style, objects=buttons),
                     files={"glyph.bmp": bmp24(glyph)})
    c = window.client
    background = ref(style, c.width, c.height, back, grad)
    want_y = (size[1] - 32 + 1) // 2
    x_choices = range((size[0] - 32 - 4) // 2, (size[0] - 32) // 2 + 1)  # centred, with or without spacing
    mask = glyph_mask(glyph)

    def glyph_at(shot, b):
        found = find_colour(shot, (c.left + b.left, c.top + b.top, c.left + b.left + b.width,
                                   c.top + b.top + b.height), GREEN)
        if found is None:
            return None
        return found[0] - c.left - b.left, found[1] - c.top - b.top, found

    def check(shot):
        problems = []
        magenta = count_colour(shot, c.box, MAGENTA)
        if magenta:
            problems.append(f"{magenta} magenta pixels in the window: {find_colour(shot, c.box, MAGENTA)}")
        for b in (buttons[0], buttons[2]):
            at = glyph_at(shot, b)
            if at is None:
                problems.append(f"button {b.name}: its glyph's green corner is nowhere")
                continue
            gx, gy, found = at
            if found[2] - found[0] != 3 or found[3] - found[1] != 3:
                problems.append(f"button {b.name}: green pixels over {found}, not a 3x3 corner mark")
            if gy != want_y or gx not in x_choices:
                problems.append(f"button {b.name}: glyph at ({gx},{gy}) in the button, want y {want_y} and x in "
                                f"{list(x_choices)}")
                continue
            problems += differences(shot, c.left + b.left + gx, c.top + b.top + gy, glyph, mask=mask,
                                    what=f"button {b.name}'s glyph")
        # The transparent flat button with a glyph: the gradient everywhere except the glyph's colours.
        b = buttons[2]
        at = glyph_at(shot, b)
        if at is not None:
            want = background.crop((b.left, b.top, b.left + b.width, b.top + b.height))
            want.paste(glyph, (at[0], at[1]), mask)
            problems += differences(shot, c.left + b.left, c.top + b.top, want,
                                    what="transparent flat button (gradient around the glyph)")
        # The transparent flat button with the default glyph: gradient outside the glyph's 32x32.
        b = buttons[3]
        want = background.crop((b.left, b.top, b.left + b.width, b.top + b.height))
        around = PILImage.new("L", want.size, 255)
        around.paste(0, (x_choices[0], want_y, x_choices[-1] + 32, want_y + 32))
        problems += differences(shot, c.left + b.left, c.top + b.top, want, mask=around,
                                what="transparent flat button with the default glyph, around the glyph")
        return problems

    shot = wait_for_screen(rig, check, what="the buttons' glyphs")
    # The default glyph is drawn at all: many colours in its 32x32 square, on both buttons.
    for b in (buttons[1], buttons[3]):
        square = shot.crop((c.left + b.left + x_choices[-1], c.top + b.top + want_y,
                            c.left + b.left + x_choices[-1] + 28, c.top + b.top + want_y + 32))
        colours = {p for p in square.getdata()}
        assert len(colours) >= 4, f"button {b.name}: its default glyph square shows only {colours}"

    # A flat button shows an edge while the mouse is over it, and loses it when the mouse leaves.
    flat = buttons[2]
    outline = PILImage.new("L", size, 255)
    outline.paste(0, (1, 1, size[0] - 1, size[1] - 1))
    border_pixels = 2 * (size[0] + size[1]) - 4

    def edge_shown(shot):
        want = background.crop((flat.left, flat.top, flat.left + flat.width, flat.top + flat.height))
        changed = count_differences(shot, c.left + flat.left, c.top + flat.top, want, mask=outline)
        return [] if changed >= border_pixels // 2 else [f"only {changed} of the {border_pixels} pixels of the "
                                                          f"flat button's outline differ from the background"]

    rig.move(c.left + flat.left + flat.width // 2, c.top + flat.top + flat.height // 2)
    wait_for_screen(rig, edge_shown, what="an edge on the flat button under the mouse")
    rig.move(SCREEN_W - 1, SCREEN_H - 1)
    wait_for_screen(rig, check, what="the flat button without its edge once the mouse left")


# --- 7. images ---------------------------------------------------------------------------------------

IMG_RED, IMG_GREEN, IMG_BLUE, IMG_YELLOW = (220, 30, 30), (30, 200, 60), (40, 60, 230), (240, 220, 40)
IMAGE_BACK = 0x705030  # RGB (0x30, 0x50, 0x70)
CONTROL = (100, 80)
SMALL_CONTROL = (30, 20)  # the AutoSize control before it takes the picture's size
CELLS = {"normal": (10, 10), "center": (120, 10), "stretch": (230, 10), "autosize": (340, 10)}


def raster_picture(size):
    return quadrants(size[0], size[1], IMG_RED, IMG_GREEN, IMG_BLUE, IMG_YELLOW)


def halves(size):
    w, h = size
    img = PILImage.new("RGB", size, IMG_RED)
    img.paste(IMG_GREEN, (w // 2, 0, w, h))
    return img


def vector_rects(size):
    w, h = size
    return [((0, 0, w // 2, h), IMG_RED), ((w // 2, 0, w, h), IMG_GREEN)]


# picture type: (picture size, its file, colour tolerance, uncertain band when stretched, the
#                picture drawn at a given size)
PICTURE_TYPES = {
    "bmp": ((48, 32), lambda s: bmp24(raster_picture(s)), 0, 0, raster_picture),
    "jpg": ((48, 32), lambda s: jpeg(raster_picture(s)), 16, 0, raster_picture),  # lossy
    "jpeg": ((48, 32), lambda s: jpeg(raster_picture(s)), 16, 0, raster_picture),
    "ico": ((32, 32), lambda s: ico24(raster_picture(s)), 0, 0, raster_picture),
    # a scaled metafile's rectangles may round their edges either way
    "emf": ((48, 48), lambda s: emf(s, vector_rects(s)), 0, 1, halves),
    "wmf": ((48, 48), lambda s: wmf(s, vector_rects(s)), 0, 1, halves),
}


def expected_cell(style, draw, size, back, stretch_band):
    """(expected picture of the region at the control's top-left, mask of the pixels to check)."""
    pw, ph = size
    region = CONTROL
    if style == "stretch":
        pic_box = (0, 0) + CONTROL
    elif style == "center":
        ox, oy = (CONTROL[0] - pw) // 2, (CONTROL[1] - ph) // 2
        pic_box = (ox, oy, ox + pw, oy + ph)
    elif style == "normal":
        pic_box = (0, 0, pw, ph)
    else:  # autosize: the control grows from SMALL_CONTROL to the picture; look beyond both
        region = (pw + 20, ph + 20)
        pic_box = (0, 0, pw, ph)
    want = PILImage.new("RGB", region, back)
    bw, bh = pic_box[2] - pic_box[0], pic_box[3] - pic_box[1]
    want.paste(draw((bw, bh)), pic_box[:2])
    mask = PILImage.new("L", region, 255)
    band = stretch_band if style == "stretch" else 0
    if band:  # leave out the columns and rows next to the scaled picture's colour edges and border
        mx, my = bw // 2, bh // 2
        for x in (0, mx, bw):
            mask.paste(0, (x - band, 0, x + band, region[1]))
        for y in (0, my, bh):
            mask.paste(0, (0, y - band, region[0], y + band))
    return want, mask


@pytest.mark.parametrize("kind", list(PICTURE_TYPES))
def test_image_display_styles(rig, app_folder, kind):
    size, make, tolerance, stretch_band, draw = PICTURE_TYPES[kind]
    name = f"\\pic.{kind}"
    images = []
    for style, (left, top) in CELLS.items():
        w, h = SMALL_CONTROL if style == "autosize" else CONTROL
        images.append(Image(name=f"Image_{style}", image_file=name, left=left, top=top, width=w, height=h,
                            center=style == "center", stretch=style == "stretch", auto_size=style == "autosize"))
    files = {f"pic.{kind}": make(size)}
    if kind == "bmp":
        # A transparent bitmap: its bottom-left colour (teal) leaves the background visible.
        teal = (0, 128, 128)
        t = PILImage.new("RGB", (48, 32), teal)
        t.paste(IMG_RED, (12, 8, 36, 24))
        files["see-through.bmp"] = bmp24(t)
        images.append(Image(name="Image_transparent", image_file="\\see-through.bmp", left=10, top=100,
                            width=100, height=50, transparent=True))
    _, window = show(rig, app_folder, project(border_style=BORDER_NONE, width=480, height=170,
                                              back_color=IMAGE_BACK, gradient_style=NO_GRADIENT, objects=images),
                     files=files)
    c = window.client
    back = colorref_rgb(IMAGE_BACK)

    def check(shot):
        problems = []
        for style, (left, top) in CELLS.items():
            want, mask = expected_cell(style, draw, size, back, stretch_band)
            problems += differences(shot, c.left + left, c.top + top, want, tolerance=tolerance, mask=mask,
                                    what=f"{kind} image, {style}")
        if kind == "bmp":
            want = PILImage.new("RGB", (100, 50), back)
            want.paste(IMG_RED, (12, 8, 36, 24))
            problems += differences(shot, c.left + 10, c.top + 100, want, what="transparent bitmap image")
        return problems

    wait_for_screen(rig, check, what=f"the {kind} images")


# --- 8. centring ---------------------------------------------------------------------------------------

@pytest.mark.parametrize("border, width, height, outer", [
    (BORDER_SIZEABLE, 600, 420, (212, 174, 812, 594)),
    (BORDER_NONE, 300, 200, (362, 284, 662, 484)),
])
def test_window_is_centred_whatever_its_stored_position(rig, app_folder, border, width, height, outer):
    p = project(border_style=border, width=width, height=height, left=5, top=7, gradient_style=NO_GRADIENT,
                back_color=0x00FFFF)
    app_folder.add_quorvane("AutoRun.exe")
    app_folder.write_project(p)
    app = app_folder.start("AutoRun.exe")
    window = app.wait_window(title=p.caption, timeout=30,
                             where=lambda w: (w.rect.left, w.rect.top, w.rect.right, w.rect.bottom) == outer)
    r = window.rect
    if border == BORDER_NONE:
        assert window.client == window.rect
    else:
        assert window.client.top > r.top, "a sizeable window has a title bar"
    c = window.client
    yellow = PILImage.new("RGB", (c.width, c.height), (255, 255, 0))
    wait_for_screen(rig, lambda s: differences(s, c.left, c.top, yellow, what="the client area in BackColor"),
                    what="the client area painted")
