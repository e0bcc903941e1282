"""Watches an X display for top-level windows being mapped, through libX11
directly (ctypes), so that a window counts the moment the server maps it:
no polling interval in the figure."""
import ctypes
import ctypes.util
import os
import re
import select
import time

_CREATE_NOTIFY, _UNMAP_NOTIFY, _MAP_NOTIFY, _PROPERTY_NOTIFY = 16, 18, 19, 28
_SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
_PROPERTY_CHANGE_MASK = 1 << 22


class _Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("pad", ctypes.c_long * 24)]


def _field(ev, offset):
    """Reads the unsigned long at a byte offset of an event (64-bit layout:
    type, serial, send_event, display, then the event's own fields)."""
    return ctypes.c_ulong.from_buffer(ev, offset).value


_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


class Mapping:
    def __init__(self, window, title, pid, mono, wall):
        self.window, self.title, self.pid, self.mono, self.wall = window, title, pid, mono, wall


class MapWatcher:
    """Reports top-level windows that are mapped, at least min_size pixels
    wide, and whose title matches a pattern (checked at mapping and at every
    later change of the title of a mapped window)."""

    def __init__(self, display=None, min_size=10):
        lib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        lib.XOpenDisplay.restype = ctypes.c_void_p
        lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        lib.XDefaultRootWindow.restype = ctypes.c_ulong
        lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        lib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        lib.XPending.argtypes = [ctypes.c_void_p]
        lib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(_Event)]
        lib.XConnectionNumber.argtypes = [ctypes.c_void_p]
        lib.XFlush.argtypes = [ctypes.c_void_p]
        lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        lib.XInternAtom.restype = ctypes.c_ulong
        lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        lib.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int,
            ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
        lib.XFree.argtypes = [ctypes.c_void_p]
        lib.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong)] + \
            [ctypes.POINTER(ctypes.c_int)] * 2 + [ctypes.POINTER(ctypes.c_uint)] * 4
        self._lib = lib
        # Windows vanish between an event and a query of them: ignore errors.
        self._handler = _ERROR_HANDLER(lambda d, e: 0)
        lib.XSetErrorHandler(self._handler)
        name = (display or os.environ["DISPLAY"]).encode()
        self._dpy = lib.XOpenDisplay(name)
        if not self._dpy:
            raise RuntimeError("cannot open display %s" % name.decode())
        self._root = lib.XDefaultRootWindow(self._dpy)
        self._net_wm_name = lib.XInternAtom(self._dpy, b"_NET_WM_NAME", 0)
        self._wm_name = 39  # XA_WM_NAME
        self._net_wm_pid = lib.XInternAtom(self._dpy, b"_NET_WM_PID", 0)
        self._min = min_size
        self._mapped = set()
        self._reported = set()
        lib.XSelectInput(self._dpy, self._root, _SUBSTRUCTURE_NOTIFY_MASK)
        lib.XSync(self._dpy, 0)
        self._fd = lib.XConnectionNumber(self._dpy)

    def title(self, window):
        for atom in (self._net_wm_name, self._wm_name):
            actual_type, actual_format = ctypes.c_ulong(), ctypes.c_int()
            nitems, after, prop = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
            ok = self._lib.XGetWindowProperty(self._dpy, window, atom, 0, 1024, 0, 0, ctypes.byref(actual_type),
                                              ctypes.byref(actual_format), ctypes.byref(nitems),
                                              ctypes.byref(after), ctypes.byref(prop))
            if ok == 0 and prop.value:
                text = ctypes.string_at(prop.value, nitems.value) if actual_format.value == 8 else b""
                self._lib.XFree(prop)
                if text:
                    return text.decode("utf-8", "replace")
        return None

    def pid(self, window):
        """The process that owns a window, from its _NET_WM_PID (or None)."""
        actual_type, actual_format = ctypes.c_ulong(), ctypes.c_int()
        nitems, after, prop = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        ok = self._lib.XGetWindowProperty(self._dpy, window, self._net_wm_pid, 0, 1, 0, 0, ctypes.byref(actual_type),
                                          ctypes.byref(actual_format), ctypes.byref(nitems), ctypes.byref(after),
                                          ctypes.byref(prop))
        if ok != 0 or not prop.value:
            return None
        # Format-32 data comes as an array of C longs.
        value = ctypes.c_ulong.from_address(prop.value).value if actual_format.value == 32 and nitems.value else None
        self._lib.XFree(prop)
        return value

    def _big_enough(self, window):
        root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
        w, h, border, depth = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
        if not self._lib.XGetGeometry(self._dpy, window, ctypes.byref(root), ctypes.byref(x), ctypes.byref(y),
                                      ctypes.byref(w), ctypes.byref(h), ctypes.byref(border), ctypes.byref(depth)):
            return False
        return w.value >= self._min and h.value >= self._min

    def drain(self):
        """Forgets everything seen so far (windows mapped before now)."""
        self._lib.XSync(self._dpy, 0)
        ev = _Event()
        while self._lib.XPending(self._dpy):
            self._lib.XNextEvent(self._dpy, ctypes.byref(ev))
            self._track(ev)
        self._reported = set(self._mapped)

    def _track(self, ev):
        """Updates the mapped set; returns a window whose title may now match."""
        if ev.type == _CREATE_NOTIFY and _field(ev, 32) == self._root:
            self._lib.XSelectInput(self._dpy, _field(ev, 40), _PROPERTY_CHANGE_MASK)
        elif ev.type == _MAP_NOTIFY and _field(ev, 32) == self._root:
            self._mapped.add(_field(ev, 40))
            return _field(ev, 40)
        elif ev.type == _UNMAP_NOTIFY and _field(ev, 32) == self._root:
            self._mapped.discard(_field(ev, 40))
            self._reported.discard(_field(ev, 40))
        elif ev.type == _PROPERTY_NOTIFY and _field(ev, 40) in (self._net_wm_name, self._wm_name):
            if _field(ev, 32) in self._mapped:
                return _field(ev, 32)
        return None

    def wait(self, pattern, timeout, count=1):
        """Waits for count matching mappings (new since the last drain or
        report); returns the Mappings seen, possibly fewer on timeout."""
        regex = re.compile(pattern)
        found = []
        deadline = time.monotonic() + timeout
        ev = _Event()
        while len(found) < count:
            if not self._lib.XPending(self._dpy):
                left = deadline - time.monotonic()
                if left <= 0:
                    break
                select.select([self._fd], [], [], left)
                if not self._lib.XPending(self._dpy):
                    continue
            self._lib.XNextEvent(self._dpy, ctypes.byref(ev))
            mono, wall = time.monotonic(), time.time()
            window = self._track(ev)
            if window is None or window in self._reported:
                continue
            title = self.title(window)
            if title is not None and regex.search(title) and self._big_enough(window):
                self._reported.add(window)
                found.append(Mapping(window, title, self.pid(window), mono, wall))
        return found
