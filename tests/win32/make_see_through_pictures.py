"""Writes the see-through picture samples of the Windows tests into a folder: PNG and GIF files
made by Pillow and ImageMagick, and beside each NAME the raw straight-alpha pixels Pillow reads
back from it, NAME.rgba (width and height as 32-bit little-endian numbers, then R, G, B, A
rows top to bottom), from which the tests compute the blend they expect.

    make_see_through_pictures.py OUTPUT_FOLDER
"""
from __future__ import annotations

import struct
import subprocess
import sys
from pathlib import Path

from PIL import Image

W, H = 37, 23  # odd sizes: no row padding to hide behind


def soft_logo() -> Image.Image:
    """Every alpha from 0 to 255 across the picture, over colours that differ in every channel."""
    img = Image.new("RGBA", (W, H))
    for y in range(H):
        for x in range(W):
            img.putpixel((x, y), ((x * 7) % 256, (y * 11) % 256, (x * y) % 256, (x * 255) // (W - 1)))
    return img


def few_colours() -> Image.Image:
    """Four colours, one of them see-through: what palettes and GIFs hold."""
    img = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    for y in range(H):
        for x in range(W):
            if (x // 5 + y // 4) % 3 == 0:
                img.putpixel((x, y), (200, 40, 40, 255))
            elif (x // 5 + y // 4) % 3 == 1:
                img.putpixel((x, y), (30, 160, 60, 255))
    return img


def magick(*args) -> None:
    subprocess.run(["/usr/bin/convert", *map(str, args)], check=True)


def main(out: Path) -> None:
    out.mkdir(parents=True, exist_ok=True)
    soft_logo().save(out / "rgba8.png")
    soft_logo().convert("LA").save(out / "grey_alpha.png")
    few = few_colours()
    paletted = few.convert("RGB").quantize(colors=4)
    # The see-through entry: the palette index of the pixels that were transparent.
    see_through = paletted.getpixel((10, 0)) if few.getpixel((10, 0))[3] == 0 else None
    assert see_through is not None
    paletted.save(out / "palette_trns.png", transparency=see_through)
    second = Image.new("P", (W, H), see_through)
    second.putpalette(paletted.getpalette())
    paletted.save(out / "transparent.gif", transparency=see_through, save_all=True,
                  append_images=[second], duration=100)  # two frames: the first is the picture
    magick(out / "rgba8.png", "-interlace", "PNG", f"PNG32:{out / 'interlaced.png'}")
    magick(out / "transparent.gif", "-coalesce", "-delete", "1", "-interlace", "GIF", out / "interlaced.gif")
    magick(out / "rgba8.png", "-depth", "16", f"PNG64:{out / 'rgba16.png'}")
    for name in ("rgba8.png", "grey_alpha.png", "palette_trns.png", "transparent.gif", "interlaced.png",
                 "interlaced.gif", "rgba16.png"):
        with Image.open(out / name) as img:
            img.seek(0)
            rgba = img.convert("RGBA")
        (out / (name + ".rgba")).write_bytes(struct.pack("<II", *rgba.size) + rgba.tobytes())


if __name__ == "__main__":
    main(Path(sys.argv[1]))
