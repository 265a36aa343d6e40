#!/usr/bin/python3
# What a screen reader gets from tavrel over the accessibility bus.
#   listen: one line per description change of tavrel's window, with the
#           description; "ready" on stderr once registered.
#   tree:   the window's description now, then "ROLE<TAB>name" per control.
import sys

import pyatspi


def on_change(event):
    try:
        if event.host_application.name == 'tavrel':
            # The event names the window only: its description is read back.
            print(event.source.description, flush=True)
    except Exception:  # an object gone meanwhile: not ours to report
        pass


def tree():
    desktop = pyatspi.Registry.getDesktop(0)
    app = next(a for a in desktop if a is not None and a.name == 'tavrel')
    window = app[0]
    print(window.description)
    for control in window:
        print(pyatspi.Role(control.getRole()), control.name, sep='\t')  # ROLE_PUSH_BUTTON: no version's words


if sys.argv[1] == 'listen':
    pyatspi.Registry.registerEventListener(on_change, 'object:property-change:accessible-description')
    print('ready', file=sys.stderr, flush=True)
    pyatspi.Registry.start()
else:
    tree()
