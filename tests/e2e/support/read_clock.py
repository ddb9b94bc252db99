#!/usr/bin/python3
"""Prints the names of the labels in the clock's main window, one a line, as a screen
reader finds them on the accessibility bus once the time is shown."""
import sys
import time

import pyatspi


def labels(node, found):
    if node is None:
        return
    if node.getRole() == pyatspi.ROLE_LABEL and node.name:
        found.append(node.name)
    for child in node:
        labels(child, found)


def main():
    app_name = sys.argv[1]
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == app_name:
                for window in app:
                    if window.name.endswith("Alarm is OFF") or "(Next Alarm)" in window.name:
                        found = []
                        labels(window, found)
                        if any(":" in name for name in found):
                            print("\n".join(found))
                            return 0
        time.sleep(0.1)
    return 1


if __name__ == "__main__":
    sys.exit(main())
