#!/usr/bin/python3
"""Names every key and mouse button the X server of $DISPLAY holds down.

Prints one line, e.g. "Escape Alt_L button1", and exits 1 when anything is held; prints
nothing and exits 0 otherwise. With --release it then lets go of each of them through XTEST,
the way a person's release would arrive, so one stuck key fails one check, not every later one.
"""
import ctypes
import ctypes.util
import sys

c_ulong_p = ctypes.POINTER(ctypes.c_ulong)
c_int_p = ctypes.POINTER(ctypes.c_int)
c_uint_p = ctypes.POINTER(ctypes.c_uint)


def load(name, fallback):
    return ctypes.CDLL(ctypes.util.find_library(name) or fallback)


x11 = load("X11", "libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XQueryKeymap.argtypes = [ctypes.c_void_p, ctypes.c_ubyte * 32]
x11.XkbKeycodeToKeysym.restype = ctypes.c_ulong
x11.XkbKeycodeToKeysym.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int, ctypes.c_int]
x11.XKeysymToString.restype = ctypes.c_char_p
x11.XKeysymToString.argtypes = [ctypes.c_ulong]
x11.XQueryPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong, c_ulong_p, c_ulong_p, c_int_p,
                              c_int_p, c_int_p, c_int_p, c_uint_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

BUTTON1_MASK = 1 << 8  # Button1Mask .. Button5Mask are the next five bits


def held_keys(display):
    keymap = (ctypes.c_ubyte * 32)()
    x11.XQueryKeymap(display, keymap)
    codes = [code for code in range(8, 256) if keymap[code // 8] & (1 << (code % 8))]
    names = []
    for code in codes:
        name = x11.XKeysymToString(x11.XkbKeycodeToKeysym(display, code, 0, 0))
        names.append(name.decode() if name else "keycode%d" % code)
    return codes, names


def held_buttons(display):
    root, child = ctypes.c_ulong(), ctypes.c_ulong()
    rx, ry, wx, wy = ctypes.c_int(), ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
    mask = ctypes.c_uint()
    x11.XQueryPointer(display, x11.XDefaultRootWindow(display), ctypes.byref(root),
                      ctypes.byref(child), ctypes.byref(rx), ctypes.byref(ry), ctypes.byref(wx),
                      ctypes.byref(wy), ctypes.byref(mask))
    return [b for b in range(1, 6) if mask.value & (BUTTON1_MASK << (b - 1))]


def release(display, codes, buttons):
    xtst = load("Xtst", "libXtst.so.6")
    xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
    xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                          ctypes.c_ulong]
    for code in codes:
        xtst.XTestFakeKeyEvent(display, code, 0, 0)
    for button in buttons:
        xtst.XTestFakeButtonEvent(display, button, 0, 0)
    x11.XSync(display, 0)


def main():
    display = x11.XOpenDisplay(None)
    if not display:
        print("no X display")
        return 2
    codes, names = held_keys(display)
    buttons = held_buttons(display)
    held = names + ["button%d" % b for b in buttons]
    if held:
        print(" ".join(held))
        if "--release" in sys.argv[1:]:
            release(display, codes, buttons)
    x11.XCloseDisplay(display)
    return 1 if held else 0


sys.exit(main())
