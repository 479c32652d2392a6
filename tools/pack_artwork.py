#!/usr/bin/env python3
"""Packs one of Quorvane's artwork files (a BMP of pixel art) for its resources:
    pack_artwork.py IN.bmp OUT.packed

Pixel art is long runs and repeated rows, so a plain byte-oriented LZ77 takes the tool strip,
the logo and the About picture to a fifth of their size, and the program unpacks them with a few
lines (ui::UnpackArtwork). The stream: the unpacked size (4 bytes, little-endian), then tokens:
  0x00-0x7F  that many plus one literal bytes follow;
  0x80-0xFF  copy (token - 0x80 + 3) bytes from `offset` bytes back in the output, the offset
             in the next two bytes (little-endian, 1 to 65535); a copy may overlap itself.
Standard-library Python only; the same input always gives the same output."""
import sys

MIN_MATCH, MAX_MATCH, MAX_LITERALS, MAX_OFFSET, CANDIDATES = 4, 130, 128, 65535, 256


def pack(data: bytes) -> bytes:
    out = bytearray(len(data).to_bytes(4, "little"))
    seen: dict = {}  # three bytes -> the positions they start at, oldest first
    literals = bytearray()

    def flush() -> None:
        while literals:
            chunk = literals[:MAX_LITERALS]
            out.append(len(chunk) - 1)
            out.extend(chunk)
            del literals[:MAX_LITERALS]

    def remember(at: int) -> None:
        if at + 3 <= len(data):
            seen.setdefault(data[at:at + 3], []).append(at)

    at = 0
    while at < len(data):
        best_length, best_offset = 0, 0
        for start in reversed(seen.get(data[at:at + 3], [])[-CANDIDATES:]):
            if at - start > MAX_OFFSET:
                break
            length = 0
            while at + length < len(data) and length < MAX_MATCH and data[start + length] == data[at + length]:
                length += 1
            if length > best_length:
                best_length, best_offset = length, at - start
        if best_length >= MIN_MATCH:
            flush()
            out.append(0x80 + best_length - 3)
            out.extend(best_offset.to_bytes(2, "little"))
            for k in range(best_length):
                remember(at + k)
            at += best_length
        else:
            remember(at)
            literals.append(data[at])
            at += 1
    flush()
    return bytes(out)


def unpack(packed: bytes) -> bytes:
    """The reverse, as the program does it; the build checks every packed file with it."""
    out = bytearray()
    at = 4
    while at < len(packed):
        token = packed[at]
        at += 1
        if token < 0x80:
            out.extend(packed[at:at + token + 1])
            at += token + 1
        else:
            offset = int.from_bytes(packed[at:at + 2], "little")
            at += 2
            for _ in range(token - 0x80 + 3):
                out.append(out[-offset])
    return bytes(out)


def main(argv: list) -> int:
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    with open(argv[0], "rb") as f:
        data = f.read()
    packed = pack(data)
    if unpack(packed) != data or int.from_bytes(packed[:4], "little") != len(data):
        print(f"pack_artwork: {argv[0]} does not unpack to itself", file=sys.stderr)
        return 1
    with open(argv[1], "wb") as f:
        f.write(packed)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
