# Prints the digits of rods 9 to 0 of the calculator with process id argv[1],
# as the accessibility bus gives them: its spin buttons named "Rod 0, 7" to
# "Rod 9, C" ("?" for a rod it does not show).
import re
import sys

import pyatspi


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


app = next(a for a in pyatspi.Registry.getDesktop(0)
           if a and a.get_process_id() == int(sys.argv[1]))
values = {}
for node in walk(app):
    match = re.fullmatch(r"Rod (\d), ([0-9A-F])", node.name or "")
    if match and node.getRole() == pyatspi.ROLE_SPIN_BUTTON:
        values[int(match[1])] = match[2]
print(" ".join(str(values.get(rod, "?")) for rod in range(9, -1, -1)))
