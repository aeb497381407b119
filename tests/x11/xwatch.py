# Watching one window's _NET_WM_STATE requests, changes and destruction in the X server's order.
import time


class EventWatch:
    """Records, in the server's order, what happens to one top-level window: _NET_WM_STATE requests that
    clients send to the root window (with their action and atoms), changes of its _NET_WM_STATE property
    (with the value read right away), and its destruction. Runs its own X connection in a thread."""

    DESTROY_NOTIFY, PROPERTY_NOTIFY, CLIENT_MESSAGE = 17, 28, 33
    STRUCTURE_NOTIFY_MASK, PROPERTY_CHANGE_MASK = 1 << 17, 1 << 22
    XA_ATOM = 4

    def __init__(self, window):
        import ctypes
        import threading
        self.ctypes = ctypes
        self.window = window
        self.events = []
        self.ready = threading.Event()
        self.done = threading.Event()
        self.thread = threading.Thread(target=self._run, daemon=True)
        self.thread.start()
        if not self.ready.wait(5):
            raise RuntimeError("the X event watcher did not start")

    def _run(self):
        ct = self.ctypes
        x11 = ct.CDLL("libX11.so.6")
        x11.XOpenDisplay.restype = ct.c_void_p
        x11.XOpenDisplay.argtypes = [ct.c_char_p]
        x11.XDefaultRootWindow.restype = ct.c_ulong
        x11.XDefaultRootWindow.argtypes = [ct.c_void_p]
        x11.XInternAtom.restype = ct.c_ulong
        x11.XInternAtom.argtypes = [ct.c_void_p, ct.c_char_p, ct.c_int]
        x11.XGetAtomName.restype = ct.c_void_p
        x11.XGetAtomName.argtypes = [ct.c_void_p, ct.c_ulong]
        x11.XSelectInput.argtypes = [ct.c_void_p, ct.c_ulong, ct.c_long]
        x11.XSync.argtypes = [ct.c_void_p, ct.c_int]
        x11.XPending.argtypes = [ct.c_void_p]
        x11.XNextEvent.argtypes = [ct.c_void_p, ct.c_void_p]
        x11.XFree.argtypes = [ct.c_void_p]
        x11.XCloseDisplay.argtypes = [ct.c_void_p]
        x11.XGetWindowProperty.argtypes = [ct.c_void_p, ct.c_ulong, ct.c_ulong, ct.c_long, ct.c_long, ct.c_int,
                                           ct.c_ulong, ct.POINTER(ct.c_ulong), ct.POINTER(ct.c_int),
                                           ct.POINTER(ct.c_ulong), ct.POINTER(ct.c_ulong),
                                           ct.POINTER(ct.c_void_p)]
        # A property read on a window that is already gone must not end the test process.
        handler_type = ct.CFUNCTYPE(ct.c_int, ct.c_void_p, ct.c_void_p)
        self._handler = handler_type(lambda display, error: 0)
        x11.XSetErrorHandler(self._handler)

        display = x11.XOpenDisplay(None)
        root = x11.XDefaultRootWindow(display)
        state = x11.XInternAtom(display, b"_NET_WM_STATE", 0)
        names = {}

        def name(atom):
            if atom not in names:
                pointer = x11.XGetAtomName(display, atom)
                names[atom] = ct.string_at(pointer).decode() if pointer else str(atom)
                if pointer:
                    x11.XFree(pointer)
            return names[atom]

        def read_state():
            kind, form, count, after = ct.c_ulong(), ct.c_int(), ct.c_ulong(), ct.c_ulong()
            data = ct.c_void_p()
            if x11.XGetWindowProperty(display, self.window, state, 0, 64, 0, self.XA_ATOM, ct.byref(kind),
                                      ct.byref(form), ct.byref(count), ct.byref(after), ct.byref(data)) != 0:
                return None
            if not data.value:
                return None if kind.value == 0 else set()
            atoms = ct.cast(data, ct.POINTER(ct.c_ulong))
            value = {name(atoms[i]) for i in range(count.value)}
            x11.XFree(data)
            return value

        # Requests sent to the root window reach clients that select structure events on it.
        x11.XSelectInput(display, root, self.STRUCTURE_NOTIFY_MASK)
        x11.XSelectInput(display, self.window, self.STRUCTURE_NOTIFY_MASK | self.PROPERTY_CHANGE_MASK)
        x11.XSync(display, 0)
        self.events.append(("state", read_state()))
        self.ready.set()

        event = (ct.c_long * 24)()
        longs = lambda i: event[i]
        while not self.done.is_set():
            if not x11.XPending(display):
                time.sleep(0.002)
                continue
            x11.XNextEvent(display, event)
            kind = ct.c_int.from_buffer(event).value
            # Layout of the event structures on LP64: type at 0, the window fields from byte 32 on.
            if kind == self.CLIENT_MESSAGE and longs(4) == self.window and longs(5) == state:
                action = longs(7)
                atoms = [name(a) for a in (longs(8), longs(9)) if a]
                self.events.append(("request", action, atoms))
            elif kind == self.PROPERTY_NOTIFY and longs(4) == self.window and longs(5) == state:
                # The notice tells a new value from a deletion; the value itself is read afterwards.
                deleted = ct.c_int.from_buffer(event, 56).value == 1
                self.events.append(("deleted",) if deleted else ("state", read_state()))
            elif kind == self.DESTROY_NOTIFY and longs(5) == self.window:
                self.events.append(("destroyed",))
        x11.XCloseDisplay(display)

    def stop(self):
        self.done.set()
        self.thread.join(5)

    def describe(self):
        def one(event):
            if event[0] == "request":
                return f"request {('remove', 'add', 'toggle')[event[1]] if event[1] < 3 else event[1]} {event[2]}"
            if event[0] == "state":
                return "state " + ("gone" if event[1] is None else str(sorted(event[1])))
            return "property deleted" if event[0] == "deleted" else event[0]
        return "; ".join(one(e) for e in self.events)
