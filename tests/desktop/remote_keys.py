#!/usr/bin/python3
"""Types keys into mutter's focused window through its RemoteDesktop D-Bus API,
the way a remote desktop client does; headless mutter has no other keyboard.

    remote_keys.py KEYSYM...    e.g. 7 slash equal

A session answers only the connection that made it, so every call goes
through the one connection this script holds."""
import sys
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

KEYSYMS = {"slash": 0x2F, "equal": 0x3D, "Escape": 0xFF1B, "Return": 0xFF0D}
KEYSYMS.update({str(d): 0x30 + d for d in range(10)})

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(path, interface, method, args=None, reply="()"):
    return bus.call_sync("org.gnome.Mutter.RemoteDesktop", path, interface, method, args,
                         GLib.VariantType(reply), Gio.DBusCallFlags.NONE, 5000, None)


session = call("/org/gnome/Mutter/RemoteDesktop", "org.gnome.Mutter.RemoteDesktop",
               "CreateSession", reply="(o)").unpack()[0]
name = "org.gnome.Mutter.RemoteDesktop.Session"
call(session, name, "Start")
for key in sys.argv[1:]:
    for pressed in (True, False):
        call(session, name, "NotifyKeyboardKeysym", GLib.Variant("(ub)", (KEYSYMS[key], pressed)))
    time.sleep(0.02)
call(session, name, "Stop")
