# What the accessibility bus gives of the calculator with process id argv[1]:
#   atspi.py PID rods         the digits of rods 9 to 0, off its spin buttons
#                             "Rod 0, 7" to "Rod 9, C" ("?" for a rod not there)
#   atspi.py PID centre NAME  "x y", the centre on the screen of the object NAME
import re
import sys

import pyatspi


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == int(sys.argv[1]))
if sys.argv[2] == "rods":
    values = {}
    for node in walk(app):
        match = re.fullmatch(r"Rod (\d), ([0-9A-F])", node.name or "")
        if match and node.getRole() == pyatspi.ROLE_SPIN_BUTTON:
            values[int(match[1])] = match[2]
    print(" ".join(values.get(rod, "?") for rod in range(9, -1, -1)))
else:
    found = next(node for node in walk(app) if node.name == sys.argv[3])
    box = found.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    print(box.x + box.width // 2, box.y + box.height // 2)
