"""Waiting on an accessibility tree read over AT-SPI, as the end-to-end tests of the Qt window
and of the page in Firefox and WebKitGTK read it."""
import time

from gi.repository import GLib


def wait(condition, seconds=10):
    """The condition's first true value, or False. AT-SPI's view of the programs and their windows
    follows them only as its queued events are handled, so each round handles them."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            if value := condition():
                return value
        except GLib.Error:  # the tree changes under us while the program works
            pass
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.1)
    return False
