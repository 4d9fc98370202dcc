#!/usr/bin/env python3
"""Runs the launcher on the sample disc under Wine as Windows 98 SE with a
TQI4716 in the PCI configuration capture.

With a usable display the launcher opens there and the demo ends when it is
closed; without one it runs on a virtual display and the picture is saved to
build/demo/launcher.png.
"""
import os
import shutil
import subprocess
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "e2e"))
from harness import Scenario, VirtualDisplay  # noqa: E402

BUILD = REPO / "build"
DEMO = BUILD / "demo"


def display_usable():
    if not os.environ.get("DISPLAY") or os.environ.get("CI"):
        return False
    return subprocess.run(["xset", "q"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0 \
        if shutil.which("xset") else True


def main():
    interactive = display_usable()
    screen = None if interactive else VirtualDisplay()
    machine = Scenario("demo", BUILD, version="win98", folder=DEMO,
                       display=os.environ["DISPLAY"] if interactive else screen.name)
    try:
        shutil.rmtree(machine.disc)
        shutil.copytree(REPO / "examples" / "disc", machine.disc)
        machine.setup_exe()
        machine.pci_capture(REPO / "examples" / "pci-tqi4716.txt")
        print(f"disc: {machine.disc} (drive D:), Windows 98 SE, TQI4716 present")
        machine.start()
        if interactive:
            print("The launcher is open on your display; close it to end the demo.")
            machine.wait_exit(timeout=24 * 3600)
            return 0
        if not machine.wait_window("Setup"):
            print("the launcher did not open", file=sys.stderr)
            return 1
        picture = DEMO / "launcher.png"
        machine.screenshot(picture)
        machine.key("Setup", 27)
        machine.wait_exit()
        print(f"no display: the launcher ran on a virtual one; its picture is {picture}")
        return 0
    finally:
        machine.cleanup()
        if screen:
            screen.close()


if __name__ == "__main__":
    sys.exit(main())
