# Closing the practice window through its frame (the window manager's close, WM_DELETE_WINDOW) ends Sumora.
import sys
import time

import xharness as x


def main():
    c = x.Checks("close box")
    x.require_window_manager(c)
    program = x.Program(sys.argv[1])
    try:
        window = program.wait_window()
        protocols = x.property_text(window, "WM_PROTOCOLS")
        c.check("WM_DELETE_WINDOW" in protocols, f"window {window}: {protocols}")
        # The frame's close button: the window manager sends WM_DELETE_WINDOW to the window. Not Alt+F4, which closes
        # whichever window the manager holds focused when the key arrives, and so tested the focus as well.
        x.close_window(window)
        pressed = time.monotonic()
        status = program.wait_exit(3)
        took = time.monotonic() - pressed
        c.check(status == 0 and took <= 1.0,
                f"close through the frame: exit status {status} after {took:.2f} s" if status is not None
                else f"close through the frame: the program still runs after 3 s, its window {x.wm_state(window)}")
    finally:
        program.stop()
    c.finish()


if __name__ == "__main__":
    main()
