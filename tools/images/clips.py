"""The clip writer of the busy clips (velmora/res and orvex/wizard/res
make_clip.py): a silent, uncompressed 8-bit AVI with a colour table, as the
animation control plays it."""
import struct


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, body):
    return chunk(b"LIST", kind + body)


def avi(width, height, frame_us, palette, frames):
    """The AVI file of `frames` (each the bytes of one frame's palette
    indexes, rows bottom-up as a DIB stores them), one every `frame_us`
    microseconds."""
    rate = 1_000_000 // frame_us
    count = len(frames)
    frame_bytes = width * height
    avih = struct.pack("<14I", frame_us, frame_bytes * rate, 0, 0x10, count, 0, 1, frame_bytes, width, height,
                       0, 0, 0, 0)
    strh = b"vids" + b"DIB " + struct.pack("<IHHIIIIIIII4h", 0, 0, 0, 0, 1, rate, 0, count, frame_bytes, 0, 0,
                                           0, 0, width, height)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, frame_bytes, 0, 0, len(palette),
                         len(palette))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    hdrl = riff_list(b"hdrl", chunk(b"avih", avih) + riff_list(b"strl", chunk(b"strh", strh) +
                                                              chunk(b"strf", header + table)))
    chunks = [chunk(b"00db", frame) for frame in frames]
    movi = riff_list(b"movi", b"".join(chunks))
    index = b""
    offset = 4
    for frame in chunks:
        index += b"00db" + struct.pack("<III", 0x10, offset, frame_bytes)
        offset += len(frame)
    return chunk(b"RIFF", b"AVI " + hdrl + movi + chunk(b"idx1", index))
