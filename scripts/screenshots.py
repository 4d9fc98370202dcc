#!/usr/bin/env python3
"""Renders the launcher with each background picture and in each language,
and the no-chip information in each of its languages, on a virtual display,
into build/screenshots/, so that a person can look at them."""
import subprocess
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "e2e"))
from harness import Scenario, VirtualDisplay  # noqa: E402

BUILD = REPO / "build"
OUT = BUILD / "screenshots"
CHIP = REPO / "examples" / "pci-tqi4716.txt"
AC97 = REPO / "examples" / "pci-ich4-ac97.txt"
CODEC_INI = "[InstallOption]\r\nInstallWDMUDACodecDriver=1\r\n"

# name, window title, language, PCI capture, setup.ini
SHOTS = [
    ("launcher-129-chip-en", "Setup", "en_US.UTF-8", CHIP, "[InstallOption]\r\n"),
    ("launcher-133-ac97-en", "Setup", "en_US.UTF-8", AC97, CODEC_INI),
    ("launcher-zh-tw", "Setup", "zh_TW.UTF-8", CHIP, "[InstallOption]\r\n"),
    ("launcher-ja", "Setup", "ja_JP.UTF-8", CHIP, "[InstallOption]\r\n"),
    ("launcher-ko", "Setup", "ko_KR.UTF-8", CHIP, "[InstallOption]\r\n"),
    ("nochip-en", "Information - Can not find audio chip", "en_US.UTF-8", None, "[InstallOption]\r\n"),
    ("nochip-zh-tw", "訊息 - 無法找到音效晶片", "zh_TW.UTF-8", None, "[InstallOption]\r\n"),
]


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    failures = 0
    for name, title, lang, capture, ini in SHOTS:
        screen = VirtualDisplay()
        machine = Scenario("shot-" + name, BUILD, version="win98", lang=lang, display=screen.name)
        try:
            machine.setup_exe()
            machine.setup_ini(ini)
            if capture:
                machine.pci_capture(capture)
            else:
                machine.pci([(0, 0, 0, 0x8086, 0x7190)])
            machine.start()
            if not machine.wait_window(title):
                print(f"{name}: window {title!r} did not open")
                failures += 1
                continue
            x, y, w, h = machine.dump(title)["rect"]
            full = machine.dir / "screen.png"
            machine.screenshot(full)
            subprocess.run(["/usr/bin/convert", str(full), "-crop", f"{w}x{h}+{x}+{y}", "+repage",
                            str(OUT / f"{name}.png")], check=True)
            print(OUT / f"{name}.png")
        finally:
            machine.cleanup()
            screen.close()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
