#!/usr/bin/python3
# Prints "role: name" for every accessible object of the running application
# whose accessible name is given as the first argument, as a screen reader
# reads them over AT-SPI; exits 2 when the application is not on the bus.
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def walk(node, depth=0):
    if node is None or depth > 20:
        return
    try:
        print(f"{node.get_role_name()}: {node.get_name()}")
        count = node.get_child_count()
    except gi.repository.GLib.Error:
        return
    for i in range(count):
        walk(node.get_child_at_index(i), depth + 1)


desktop = Atspi.get_desktop(0)
for i in range(desktop.get_child_count()):
    app = desktop.get_child_at_index(i)
    if app is not None and app.get_name() == sys.argv[1]:
        walk(app)
        sys.exit(0)
sys.exit(2)
