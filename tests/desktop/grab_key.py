"""Holds a key combination grabbed on the root window, as another program would, until killed.
Prints "grabbed" once it holds it and "pressed" each time the combination reaches it.

Usage: grab_key.py KEYSYM-NAME MODIFIER-MASK   (Mod4Mask is 64)
"""
import ctypes
import sys

xlib = ctypes.CDLL("libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XDefaultRootWindow.restype = ctypes.c_ulong
xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
xlib.XStringToKeysym.restype = ctypes.c_ulong
xlib.XStringToKeysym.argtypes = [ctypes.c_char_p]
xlib.XKeysymToKeycode.restype = ctypes.c_ubyte
xlib.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
xlib.XGrabKey.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_uint, ctypes.c_ulong,
                          ctypes.c_int, ctypes.c_int, ctypes.c_int]
xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
KEY_PRESS = 2

display = xlib.XOpenDisplay(None)
if not display:
    sys.exit("no display")
root = xlib.XDefaultRootWindow(display)
keycode = xlib.XKeysymToKeycode(display, xlib.XStringToKeysym(sys.argv[1].encode()))
mask = int(sys.argv[2])
LOCK, MOD2 = 2, 16
for extra in (0, LOCK, MOD2, LOCK | MOD2):
    xlib.XGrabKey(display, keycode, mask | extra, root, 1, 1, 1)
xlib.XSync(display, 0)
print("grabbed", flush=True)
event = ctypes.create_string_buffer(192)  # an XEvent; its type is the first int
while True:
    xlib.XNextEvent(display, event)
    if ctypes.c_int.from_buffer(event).value == KEY_PRESS:
        print("pressed", flush=True)
