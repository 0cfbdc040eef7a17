# Orca imports this file from its settings folder at start (the scenario
# copies it there). It gives the scenario what it needs to wait on Orca
# instead of sleeping, all in the folder $ORCA_SCENARIO_WORK:
# - speech.log: every utterance, one line each, as Orca logs it;
# - idle.count: every 50 ms, how many ticks in a row Orca's event queue has
#   been empty;
# - the debug log (when asked for with --debug-file) written line by line.
import logging
import os

from gi.repository import GLib
from orca import debug, event_manager

_work = os.environ["ORCA_SCENARIO_WORK"]

if debug.debugFile:
    debug.debugFile.reconfigure(line_buffering=True)

_speech = logging.FileHandler(os.path.join(_work, "speech.log"))
_speech.setFormatter(logging.Formatter("%(message)s"))
logging.getLogger("speech").addHandler(_speech)

_idle_ticks = 0


def _count_idle_ticks():
    global _idle_ticks
    try:
        empty = event_manager.getManager()._eventQueue.empty()
    except AttributeError:  # another Orca than 43: never hold the scenario up
        empty = True
    _idle_ticks = _idle_ticks + 1 if empty else 0
    # Replaced, not rewritten, so that a reader never sees it half written.
    with open(os.path.join(_work, "idle.new"), "w") as f:
        f.write("%d\n" % _idle_ticks)
    os.replace(os.path.join(_work, "idle.new"), os.path.join(_work, "idle.count"))
    return True


GLib.timeout_add(50, _count_idle_ticks)
