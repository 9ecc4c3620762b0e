#!/usr/bin/env python3
"""Writes the shipped bitrate data under data/files from the base tables below.

Run from anywhere: python3 data/generate_tables.py. The generated files are
committed; edit the tables here and run the script again.
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
FILES = os.path.join(HERE, "files")

POINTS = [30, 25, 20, 15, 10, 5, 1]
HEADER = "Resolution," + ",".join(str(p) for p in POINTS)

# H.264, kbps at the points above. Camera bitrate falls less than in proportion
# to the frame rate (inter-frame coding); a recorder's nearly in proportion.
IPC_H264 = [
    ("CIF", [512, 448, 384, 320, 240, 144, 64]),
    ("D1", [1536, 1344, 1152, 960, 720, 432, 192]),
    ("720P", [2048, 1808, 1536, 1264, 960, 576, 240]),
    ("960P", [2560, 2240, 1920, 1584, 1200, 720, 304]),
    ("1080P", [4096, 3584, 3072, 2560, 1920, 1152, 496]),
    ("3MP", [5120, 4480, 3840, 3200, 2432, 1440, 608]),
    ("4MP", [6144, 5376, 4608, 3840, 2880, 1728, 736]),
    ("5MP", [8192, 7232, 6144, 5056, 3840, 2304, 976]),
    ("6MP", [10240, 9024, 7680, 6336, 4800, 2880, 1232]),
    ("8MP", [12288, 10816, 9216, 7616, 5760, 3456, 1472]),
    ("12MP", [16384, 14400, 12288, 10176, 7680, 4608, 1968]),
]
DVR_H264 = [
    ("CIF", [512, 432, 352, 288, 208, 112, 48]),
    ("D1", [1536, 1312, 1072, 848, 608, 336, 128]),
    ("720P", [2048, 1744, 1440, 1120, 816, 448, 160]),
    ("1080P", [4096, 3456, 2880, 2240, 1632, 896, 320]),
    ("3MP", [5120, 4352, 3584, 2816, 2048, 1120, 416]),
    ("4MP", [6144, 5248, 4288, 3392, 2432, 1344, 496]),
    ("5MP", [8192, 6976, 5760, 4480, 3264, 1808, 656]),
    ("8MP", [12288, 10432, 8576, 6784, 4928, 2688, 976]),
]

H265_FACTOR = 9 / 16  # a fair middle of the 15-50 % saving
SMART_FACTOR = 0.5  # smart codecs ("+" and "Smart") against their plain codec


def round16(value):
    return max(16, int(round(value / 16.0)) * 16)


def scaled(table, factor):
    return [(res, [round16(b * factor) for b in row]) for res, row in table]


def encodings(h264):
    h265 = scaled(h264, H265_FACTOR)
    smart264 = scaled(h264, SMART_FACTOR)
    return {
        "H.264": h264,
        "H.265": h265,
        # The same smart codec under its English and its other-language name; the
        # editor offers one of the two depending on the language.
        "H.264+": smart264,
        "Smart H.264": smart264,
        "H.265+": scaled(h265, SMART_FACTOR),
    }


def write(path, text, encoding="ascii"):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding=encoding, newline="\n") as f:
        f.write(text)


def write_tables(folder, h264):
    for name, table in encodings(h264).items():
        lines = [HEADER] + [res + "," + ",".join(str(b) for b in row) for res, row in table]
        write(os.path.join(FILES, folder, name + ".csv"), "\n".join(lines) + "\n")


def write_single_bitrate(name, h264):
    items = "".join(
        "<ConfigItem>\n<Resolution>%s</Resolution>\n<Bitrate>%d</Bitrate>\n</ConfigItem>\n" % (res, row[0])
        for res, row in h264)
    write(os.path.join(FILES, name),
          '<?xml version="1.0" encoding="GB2312"?>\n<ConfigList>\n' + items + "</ConfigList>\n")


FRAMES = {
    # Position 0 is the double rate, position 1 the usual full rate (the editor
    # selects it), positions 18 to 21 the fractions.
    "PAL": ["50", "25", "24", "22", "20", "18", "16", "15", "12", "10", "8", "7", "6", "5", "4", "3", "2", "1",
            "1/2", "1/4", "1/8", "1/16"],
    "NTSC": ["60", "30", "25", "24", "22", "20", "18", "16", "15", "12", "10", "8", "6", "5", "4", "3", "2", "1",
             "1/2", "1/4", "1/8", "1/16"],
}


def write_frames():
    parts = ['<?xml version="1.0" encoding="UTF-8"?>', "<FrameRate>"]
    for standard in ("NTSC", "PAL"):
        parts.append("    <%s>" % standard)
        parts.extend("        <Frame>%s</Frame>" % f for f in FRAMES[standard])
        parts.append("    </%s>" % standard)
    parts.append("</FrameRate>")
    write(os.path.join(FILES, "Frame.xml"), "\n".join(parts) + "\n")


# Recording scenes: complexity factor on the camera's 25 fps figure, and the
# share a smart codec keeps (night noise and heavy movement lower its savings).
SCENES = [
    ("Office", 0.6, 0.5, "office.png"),
    ("Hospital (Night)", 0.8, 0.65, "hospital.png"),
    ("Retail Store", 1.0, 0.5, "retail.png"),
    ("Parking Lot", 1.6, 0.55, "parking.png"),
    ("Road Intersection", 2.0, 0.6, "intersection.png"),
]
SCENE_RESOLUTIONS = ["720P", "1080P", "4MP", "8MP"]
# One smart H.264 name is enough here: the scene list is not filtered by language.
SCENE_ENCODINGS = ["H.264", "H.265", "H.264+", "H.265+"]


def ceil64(value):
    return int(math.ceil(value / 64.0)) * 64


def write_scenes():
    plain = encodings(IPC_H264)
    at25 = POINTS.index(25)
    lines = ["Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path"]
    for scene, factor, smart, picture in SCENES:
        for res in SCENE_RESOLUTIONS:
            h264 = ceil64(dict(plain["H.264"])[res][at25] * factor)
            h265 = ceil64(dict(plain["H.265"])[res][at25] * factor)
            rates = {"H.264": h264, "H.265": h265, "H.264+": ceil64(h264 * smart), "H.265+": ceil64(h265 * smart)}
            for enc in SCENE_ENCODINGS:
                lines.append("%s,%s,%s,%d,%s" % (scene, enc, res, rates[enc], picture))
    write(os.path.join(FILES, "Scene.csv"), "\n".join(lines) + "\n")


if __name__ == "__main__":
    write_tables("IPCBitrate", IPC_H264)
    write_tables("DVRBitrate", DVR_H264)
    write_single_bitrate("IPCBitrateConfig.xml", IPC_H264)
    write_single_bitrate("DVRBitrateConfig.xml", DVR_H264)
    write_frames()
    write_scenes()
