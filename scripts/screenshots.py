#!/usr/bin/env python3
"""Renders the launcher with each background picture and in each language, the
no-chip information, the architecture, jack configuration and restart dialogs
in each of their languages, on a virtual display, into build/screenshots/, so
that a person can look at them."""
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

ASK_98SE_INI = "[InstallOption]\r\nWindows98SEDriverAskUser=1\r\n"
WEB_SETUP_INI = "[InstallOption]\r\nWebSetup=1\r\nInstallWDMDriver=1\r\n"
DRIVER_ONLY_INI = "[InstallOption]\r\nDriverOnly=1\r\n"
PLAIN_INI = "[InstallOption]\r\n"
LANGUAGES = {"en": "en_US.UTF-8", "zh-tw": "zh_TW.UTF-8", "ja": "ja_JP.UTF-8", "ko": "ko_KR.UTF-8",
             "fr": "fr_FR.UTF-8"}
ARCHITECTURE_TITLES = {
    "en": "Windows 98SE/ME device-driver architecture selection",
    "zh-tw": "選擇要安裝的 Windows 98SE/ME 驅動程式架構",
    "fr": "Selection de l'architecture du pilote de peripherique pour Windows 98SE/ME",
    "ja": "Windows 98SE/ME ﾃﾞﾊﾞｲｽﾄﾞﾗｲﾊﾞ形式の選択",
    "ko": "Windows 98SE/ME 드라이버 형식 선택",
}
RESTART_TITLES = {"en": "Restarting Windows", "zh-tw": "重新啟動", "ja": "Windowsの再起動", "ko": "Windows 재시동"}

# name, window title, language, Windows version, PCI capture, setup.ini, launcher button to click first
SHOTS = [
    ("launcher-129-chip-en", "Setup", "en", "win98", CHIP, PLAIN_INI, None),
    ("launcher-133-ac97-en", "Setup", "en", "win98", AC97, CODEC_INI, None),
    ("launcher-zh-tw", "Setup", "zh-tw", "win98", CHIP, PLAIN_INI, None),
    ("launcher-ja", "Setup", "ja", "win98", CHIP, PLAIN_INI, None),
    ("launcher-ko", "Setup", "ko", "win98", CHIP, PLAIN_INI, None),
    ("nochip-en", "Information - Can not find audio chip", "en", "win98", None, PLAIN_INI, None),
    ("nochip-zh-tw", "訊息 - 無法找到音效晶片", "zh-tw", "win98", None, PLAIN_INI, None),
    ("jack-config-en", "TQI4716 PCI Audio Device Driver Setup Program", "en", "winme", CHIP, WEB_SETUP_INI, None),
] + [
    (f"architecture-{lang}", title, lang, "win98", CHIP, ASK_98SE_INI, 3)
    for lang, title in ARCHITECTURE_TITLES.items()
] + [
    (f"restart-{lang}", title, lang, "win95", CHIP, DRIVER_ONLY_INI, None) for lang, title in RESTART_TITLES.items()
]


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    failures = 0
    for name, title, lang, version, capture, ini, button in SHOTS:
        screen = VirtualDisplay()
        machine = Scenario("shot-" + name, BUILD, version=version, lang=LANGUAGES[lang], display=screen.name)
        try:
            machine.setup_exe()
            machine.setup_ini(ini)
            if capture:
                machine.pci_capture(capture)
            else:
                machine.pci([(0, 0, 0, 0x8086, 0x7190)])
            machine.start()
            if button is not None and machine.wait_window("Setup"):
                machine.click("Setup", button)
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
