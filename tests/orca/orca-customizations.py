# Orca imports this file from its settings folder at start (the scenario
# copies it there). It gives the scenario what it needs to wait on Orca
# instead of sleeping, all in the folder $ORCA_SCENARIO_WORK:
# - speech.log: every utterance, one line each, as Orca logs it ("SPEECH
#   OUTPUT: '...'"): Orca 43 to its "speech" logger, Orca 48 only among its
#   debug messages, which are caught here whatever the debug level;
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


def _logging_speech(print_debug, text_of):
    def printed(level, message, *args, **kwargs):
        text = text_of(message)
        if isinstance(text, str) and text.startswith("SPEECH OUTPUT:"):
            _speech.emit(logging.makeLogRecord({"msg": text}))
        return print_debug(level, message, *args, **kwargs)

    return printed


if hasattr(debug, "print_message"):  # Orca 48
    debug.print_message = _logging_speech(debug.print_message, lambda text: text)
    debug.print_tokens = _logging_speech(debug.print_tokens, lambda tokens: tokens[0] if tokens else None)

_idle_ticks = 0


def _count_idle_ticks():
    global _idle_ticks
    try:
        if hasattr(event_manager, "get_manager"):  # Orca 48
            empty = event_manager.get_manager()._event_queue.empty()
        else:
            empty = event_manager.getManager()._eventQueue.empty()
    except AttributeError:  # another Orca: never hold the scenario up
        empty = True
    _idle_ticks = _idle_ticks + 1 if empty else 0
    # Replaced, not rewritten, so that a reader never sees it half written.
    with open(os.path.join(_work, "idle.new"), "w") as f:
        f.write("%d\n" % _idle_ticks)
    os.replace(os.path.join(_work, "idle.new"), os.path.join(_work, "idle.count"))
    return True


GLib.timeout_add(50, _count_idle_ticks)
