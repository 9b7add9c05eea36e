#!/usr/bin/env python3
"""Makes every picture the program shows, into assets/ (or the folder given).

Standard library only and deterministic: running it twice gives the same bytes.
    python3 scripts/make_assets.py [output-folder]
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from assetgen import brand, formats, icons, notices, skin  # noqa: E402

# name, size, what it shows: written to the README in this order.
CATALOGUE = [
    ("SkinMenu", "170 x 553",
     "skin, grey: the left menu strip with faint lines between the 13 entries"),
    ("SkinTop", "576 x 31", "skin, grey: the strip above the page"),
    ("SkinBottom", "576 x 31", "skin, grey: the strip below the page"),
    ("SkinRight", "31 x 553", "skin, grey: the strip right of the page"),
    ("Bar", "170 x 35", "skin, grey: the brighter highlight bar of the current menu entry"),
    ("BarMark", "7 x 13", "white tab with a dark pointer at the bar's right end"),
    ("Corner1", "4 x 4", "top-left corner of the page area: page white, square against the "
                         "tinted frame"),
    ("Corner2", "4 x 4", "top-right corner of the page area, likewise"),
    ("Corner3", "4 x 4", "bottom-right corner of the page area, likewise"),
    ("Corner4", "4 x 4", "bottom-left corner of the page area, likewise"),
    ("MenuLogo", "20 x 20", "the product mark beside Options"),
    ("Sec1", "48 x 48", "Summary: clipboard with a list"),
    ("Sec2", "48 x 48", "User account: a person"),
    ("Sec3", "48 x 48", "Computer: monitor and tower"),
    ("Sec4", "48 x 48", "Operating system: application windows"),
    ("Sec5", "48 x 48", "Processor: chip with pins on four sides"),
    ("Sec6", "48 x 48", "RAM: memory module"),
    ("Sec7", "48 x 48", "Hard drives: open drive with platter and arm"),
    ("Sec8", "48 x 48", "Bios: firmware chip with a label"),
    ("Sec9", "48 x 48", "Display: flat screen on a stand"),
    ("Sec10", "48 x 48", "Keyboard and mouse"),
    ("Sec11a", "48 x 48", "Removable memory, drive present: USB stick"),
    ("Sec11b", "48 x 48", "Removable memory, none: greyed stick with a red cross"),
    ("Sec12a", "48 x 48", "CDs/DVDs, disc present: disc"),
    ("Sec12b", "48 x 48", "CDs/DVDs, none: greyed disc with a red cross"),
    ("Sec13", "48 x 48", "Other hardware: speaker and battery"),
    ("IOpc", "48 x 48", "Customise: paint palette and brush"),
    ("IAC", "48 x 48", "About: i in a blue circle"),
    ("Alerta", "35 x 35", "notice: warning triangle"),
    ("Info", "35 x 35", "notice: i in a blue circle"),
    ("Ok", "35 x 35", "notice: white check on green"),
    ("Made", "16 x 16", "report done: green check"),
    ("Making", "16 x 16", "report in progress: hourglass"),
    ("Logo", "295 x 72", "About logo: the mark and the words Brenlow Harvala"),
    ("Spectrum", "211 x 11", "colour picker: hue sweep red-yellow-green-cyan-blue-magenta-red, "
                             "black top and bottom rows"),
    ("Arrow", "9 x 5", "black up-pointing arrow under the chosen spectrum column"),
]
OTHER_FILES = [
    ("Cursor.cur", "32 x 32", "hand-pointer cursor, hotspot at the fingertip"),
    ("Harvala.ico", "16, 32, 48", "window icon: the product mark, 32-bit with alpha"),
]


def bitmaps():
    out = dict(skin.skin_pictures())
    out["Bar"] = skin.bar()
    out["BarMark"] = skin.bar_mark()
    for i in range(1, 5):
        out["Corner%d" % i] = skin.corner(i)
    out["MenuLogo"] = brand.menu_logo()
    for name in icons.PAGE_ICONS:
        out[name] = icons.page_icon(name)
    out["Alerta"] = notices.warning()
    out["Info"] = notices.info()
    out["Ok"] = notices.ok()
    out["Made"] = notices.made()
    out["Making"] = notices.making()
    out["Logo"] = brand.logo()
    out["Spectrum"] = skin.spectrum()
    out["Arrow"] = skin.arrow()
    return out


def _check_size(name, rows, size):
    w, h = (int(v) for v in size.split(" x "))
    if len(rows) != h or len(rows[0]) != w:
        raise SystemExit("%s is %d x %d, should be %s" % (name, len(rows[0]), len(rows), size))


def readme():
    lines = ["# Pictures", "", "Made by a script, not by hand: regenerate with "
             "python3 scripts/make_assets.py", "",
             "BMPs are 24-bit, uncompressed, bottom-up. Skin pictures (SkinMenu, SkinTop, "
             "SkinBottom, SkinRight, Bar) are pure grey; the program tints them. BarMark, "
             "MenuLogo and the corners are shown as they are.", ""]
    for name, size, what in CATALOGUE:
        lines.append("- %s.bmp, %s: %s" % (name, size, what))
    for name, size, what in OTHER_FILES:
        lines.append("- %s, %s: %s" % (name, size, what))
    return "\n".join(lines) + "\n"


def write(folder, name, data):
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def main(argv):
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    folder = argv[1] if len(argv) > 1 else os.path.join(root, "assets")
    os.makedirs(folder, exist_ok=True)
    pictures = bitmaps()
    for name, size, _ in CATALOGUE:
        _check_size(name, pictures[name], size)
        write(folder, name + ".bmp", formats.bmp24(pictures[name]))
    write(folder, "Cursor.cur", formats.cur(brand.cursor(), brand.HAND_HOTSPOT))
    write(folder, "Harvala.ico", formats.ico(brand.window_icon_images()))
    write(folder, "README.md", readme().encode("utf-8"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
