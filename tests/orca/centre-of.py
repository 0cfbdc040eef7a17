# Prints "x y", the centre on the screen of the object named argv[2] in the
# calculator with process id argv[1], as the accessibility bus gives it.
import sys

import pyatspi


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


app = next(a for a in pyatspi.Registry.getDesktop(0)
           if a and a.get_process_id() == int(sys.argv[1]))
found = next(node for node in walk(app) if node.name == sys.argv[2])
box = found.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
print(box.x + box.width // 2, box.y + box.height // 2)
