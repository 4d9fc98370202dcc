"""Start-up, hardware detection and the launcher, on every Windows version
Wine can report: machine state, disc, command line, clicks, then what must be
true afterwards."""
from harness import differing_pixels, rgb_pixels
from registry import scenario

LAUNCHER = "Setup"
ABOUT = "About Setup"
NO_CHIP = "Information - Can not find audio chip"
NO_CHIP_ZH = "訊息 - 無法找到音效晶片"

VK_ESCAPE = 27
IDOK, IDCANCEL = 1, 2
BUTTONS = {1000: (170, 120), 3: (170, 180), 4: (170, 240), 2: (170, 300)}
CAPTIONS_EN = {1000: "Install Device Driver and Applications", 3: "Install Device Driver",
               4: "Install Applications", 2: "Exit"}
CAPTIONS_JA = {1000: "ﾃﾞﾊﾞｲｽﾄﾞﾗｲﾊﾞとｱﾌﾟﾘｹｰｼｮﾝのｲﾝｽﾄｰﾙ ", 3: "ﾃﾞﾊﾞｲｽﾄﾞﾗｲﾊﾞのｲﾝｽﾄｰﾙ",
               4: "ｱﾌﾟﾘｹｰｼｮﾝのｲﾝｽﾄｰﾙ ", 2: "終了"}
CAPTIONS_KO = {1000: "디바이스 구동기 및 응용프로그램 설치", 3: "디바이스 구동기 설치",
               4: "응용프로그램 설치", 2: "종료"}

CHIP_MACHINE = [(0, 0, 0, 0x8086, 0x7190), (0, 9, 0, 0x1B7D, 0x0342)]
ICH4_AC97_MACHINE = [(0, 0, 0, 0x8086, 0x1A30), (0, 31, 0, 0x8086, 0x24C0), (0, 31, 5, 0x8086, 0x24C5)]
NO_AUDIO_MACHINE = [(0, 0, 0, 0x8086, 0x7190), (0, 7, 0, 0x8086, 0x7110), (1, 0, 0, 0x10DE, 0x0110)]

SERVICE_KEYS = [r"System\ControlSet001\Services\zqhwinfo", r"System\CurrentControlSet\Services\zqhwinfo"]
HELPER_RECORD = r"Software\TqTest\Helper"

WS_CAPTION, WS_SYSMENU, WS_EX_APPWINDOW = 0x00C00000, 0x00080000, 0x00040000


def controls(dump):
    return {c["id"]: c for c in dump["controls"]}


def expect_launcher(m, captions=CAPTIONS_EN, disabled=()):
    assert m.wait_window(LAUNCHER), "the launcher did not open"
    d = m.dump(LAUNCHER)
    _, _, desk_w, desk_h = d["desktop"]
    expected_rect = [(desk_w - 640) // 2, (desk_h - 480) // 2, 640, 480]
    assert d["rect"] == expected_rect, f"launcher at {d['rect']}, expected {expected_rect}"
    assert d["style"] & WS_CAPTION == 0, "the launcher has a caption"
    assert d["exstyle"] & WS_EX_APPWINDOW, "the launcher has no taskbar button"
    c = controls(d)
    assert c[1002]["class"].lower() == "static" and c[1002]["rect"][:2] == [0, 0], c.get(1002)
    for control_id, (x, y) in BUTTONS.items():
        button = c[control_id]
        assert button["rect"] == [x, y, 260, 40], f"button {control_id} at {button['rect']}"
        assert button["text"] == captions[control_id], f"button {control_id} reads {button['text']!r}"
        assert button["enabled"] == (control_id not in disabled), \
            f"button {control_id} is {'enabled' if button['enabled'] else 'disabled'}"
    return d


def end_with_escape(m):
    m.key(LAUNCHER, VK_ESCAPE)
    code = m.wait_exit()
    assert code == 0, f"exit status {code}"


def expect_no_window_and_exit(m, titles=(LAUNCHER, NO_CHIP)):
    code = m.wait_exit(timeout=60)
    assert code == 0, f"exit status {code}"
    for title in titles:
        assert not m.wait_window(title, 100), f"window {title!r} is open"


def expect_helper_gone_and_queries(m, expected_queries):
    m.shutdown()
    system = m.registry()
    for key in SERVICE_KEYS:
        assert not system.has_key(key), f"the helper service is still registered: {key}"
    assert system.value(HELPER_RECORD, "Loaded") == 1, "the helper driver was never loaded"
    assert system.value(HELPER_RECORD, "Unloaded") == 1, "the helper driver was not stopped"
    count = system.value(HELPER_RECORD, "QueryCount", 0)
    queries = [system.value(HELPER_RECORD, f"Query{i}") for i in range(1, count + 1)]
    assert queries == expected_queries, f"helper queries {[hex(q) for q in queries]}, expected " \
                                        f"{[hex(q) for q in expected_queries]}"


def plain_disc(m, ini="[InstallOption]\r\n"):
    m.setup_exe()
    m.setup_ini(ini)


# ---------------------------------------------------------------- every version
def _launcher_on_9x(m):
    plain_disc(m)
    m.pci(CHIP_MACHINE)
    m.start()
    expect_launcher(m)
    end_with_escape(m)


@scenario(version="win95")
def launcher_windows_95(m):
    _launcher_on_9x(m)


@scenario(version="win98")
def launcher_windows_98se(m):
    _launcher_on_9x(m)


@scenario(version="winme")
def launcher_windows_me(m):
    _launcher_on_9x(m)


def _launcher_on_nt(m):
    plain_disc(m)
    m.helper(chip=True)
    m.start()
    expect_launcher(m)
    end_with_escape(m)
    expect_helper_gone_and_queries(m, [0x1B7D0342])


@scenario(version="nt40")
def launcher_windows_nt4(m):
    _launcher_on_nt(m)


@scenario(version="win2k")
def launcher_windows_2000(m):
    _launcher_on_nt(m)


@scenario(version="winxp")
def launcher_windows_xp(m):
    _launcher_on_nt(m)


# ---------------------------------------------------------------- the launcher itself
@scenario(version="win98")
def launcher_exit_button_and_about_box(m):
    plain_disc(m)
    m.pci(CHIP_MACHINE)
    m.start()
    expect_launcher(m)
    m.syscommand(LAUNCHER, 0x0010)
    assert m.wait_window(ABOUT), "the About box did not open"
    about = m.dump(ABOUT)
    texts = [c["text"] for c in about["controls"]]
    assert "Setup Version 1.0" in texts, texts
    SS_ICON, SS_TYPEMASK = 0x3, 0x1F
    assert any(c["style"] & SS_TYPEMASK == SS_ICON for c in about["controls"]), "no program icon in the About box"
    assert controls(about)[IDOK]["text"] == "OK"
    m.click(ABOUT, IDOK)
    m.ui("gone", ABOUT, 10000)
    assert m.wait_window(LAUNCHER, 2000), "the launcher closed with the About box"
    m.click(LAUNCHER, IDCANCEL)
    assert m.wait_exit() == 0


@scenario(version="winxp", lang="ja_JP.UTF-8")
def launcher_in_japanese(m):
    plain_disc(m, "[InstallOption]\r\nNotCheckHardware=1\r\nVenderID=1B7D\r\nDeviceID=0342\r\n")
    m.start()
    expect_launcher(m, CAPTIONS_JA)
    end_with_escape(m)


@scenario(version="win98", lang="ko_KR.UTF-8")
def launcher_in_korean(m):
    plain_disc(m)
    m.pci(CHIP_MACHINE)
    m.start()
    expect_launcher(m, CAPTIONS_KO)
    end_with_escape(m)


# ---------------------------------------------------------------- no hardware
NO_CHIP_TEXT_1 = ("Our audio chip provides multi-speaker surround and realistic sound effects. Due to the fact that "
                  "your computer is not equipped with our audio chip, you can not avail yourself of these advanced "
                  "features.")
NO_CHIP_ZH_TEXT_1 = ("本公司的音效晶片支援多聲道環繞音效，提供了身歷其境的音場感受，但在您的電腦上並未發現本公司的音效晶片，"
                     "因此無法提供這些功能，請先開啟音效功能或向電腦經銷商洽詢相關資料。")


@scenario(version="win98")
def no_hardware_shows_information(m):
    plain_disc(m)
    m.pci(NO_AUDIO_MACHINE)
    m.start()
    assert m.wait_window(NO_CHIP), "the no-chip information did not open"
    d = m.dump(NO_CHIP)
    texts = [c["text"] for c in d["controls"] if c["class"].lower() == "static"]
    assert texts[0] == NO_CHIP_TEXT_1, texts
    assert texts[1].startswith("For more information, please contact your computer dealer.\r\n\r\n") or \
        texts[1].startswith("For more information, please contact your computer dealer.\n\n"), texts[1]
    assert "Website: " in texts[1], texts[1]
    assert controls(d)[IDOK]["text"] == "OK"
    assert not m.wait_window(LAUNCHER, 100), "the launcher opened without hardware"
    m.click(NO_CHIP, IDOK)
    assert m.wait_exit() == 0
    assert not m.wait_window(LAUNCHER, 500), "the launcher opened after the information"


@scenario(version="winme", lang="zh_TW.UTF-8")
def no_hardware_in_chinese(m):
    plain_disc(m)
    m.pci(NO_AUDIO_MACHINE)
    m.start()
    assert m.wait_window(NO_CHIP_ZH), "the Chinese no-chip information did not open"
    d = m.dump(NO_CHIP_ZH)
    texts = [c["text"] for c in d["controls"] if c["class"].lower() == "static"]
    assert texts[0] == NO_CHIP_ZH_TEXT_1, texts
    assert controls(d)[IDOK]["rect"][1] > 0
    m.key(NO_CHIP_ZH, VK_ESCAPE)
    assert m.wait_exit() == 0


@scenario(version="win98")
def no_msg_in_lower_case_ends_silently(m):
    plain_disc(m)
    m.pci(NO_AUDIO_MACHINE)
    m.start("/no_msg")
    expect_no_window_and_exit(m)


@scenario(version="win95")
def missing_pci_capture_counts_as_no_pci_bios(m):
    plain_disc(m)
    m.pci_root_variable("Z:\\nonexistent\\pci")
    m.start("NO_MSG")
    expect_no_window_and_exit(m)


@scenario(version="win98")
def damaged_pci_capture_is_read_safely(m):
    plain_disc(m)
    # Truncated, empty and folder-shaped config files around the chip.
    m.pci([("0000:00:00.0", b"\x86"), ("0000:00:01.0", b""), ("0000:00:02.0", b"\x86\x80\x00"),
           (0, 3, 0, 0x8086, 0x2415), (2, 0, 0, 0x1B7D, 0x0342)])
    m.start()
    expect_launcher(m)
    end_with_escape(m)


@scenario(version="winxp")
def no_hardware_on_nt(m):
    plain_disc(m)
    m.helper(chip=False)
    m.start()
    assert m.wait_window(NO_CHIP), "the no-chip information did not open"
    m.click(NO_CHIP, IDOK)
    assert m.wait_exit() == 0
    expect_helper_gone_and_queries(m, [0x1B7D0342])


@scenario(version="win2k")
def no_helper_driver_on_the_disc(m):
    plain_disc(m)
    m.start("NO_MSG")
    expect_no_window_and_exit(m)
    m.shutdown()
    system = m.registry()
    for key in SERVICE_KEYS:
        assert not system.has_key(key), f"a broken helper service was left behind: {key}"


# ---------------------------------------------------------------- setup.ini signature
@scenario(version="win98")
def not_check_hardware_with_lower_case_hex(m):
    plain_disc(m, "[InstallOption]\r\nNotCheckHardware=1\r\nVenderID=1b7d\r\nDeviceID=0342\r\n")
    m.pci(NO_AUDIO_MACHINE)
    m.start()
    expect_launcher(m)
    end_with_escape(m)


@scenario(version="win95")
def not_check_hardware_without_ids(m):
    plain_disc(m, "[InstallOption]\r\nNotCheckHardware=1\r\n")
    m.pci_root_variable("Z:\\nonexistent\\pci")
    m.start()
    expect_launcher(m)
    end_with_escape(m)


@scenario(version="winme")
def broken_setup_ini_is_survived(m):
    # Garbage numbers, overlong hex text, a stray section and binary noise.
    ini = (b"\xff\xfe\x00garbage\r\n[InstallOption]\r\nNotCheckHardware=yes please\r\nWebSetup=\x01\x02\r\n"
           b"VenderID=1B7D0342DEADBEEF1B7D0342\r\nDeviceID=zzzz\r\n[InstallOption\r\n" + b"\x00\x01" * 3000)
    m.setup_exe()
    m.setup_ini(ini)
    m.pci(CHIP_MACHINE)
    m.start()
    # "yes please" reads as 0: the chip is detected as usual.
    expect_launcher(m)
    end_with_escape(m)


# ---------------------------------------------------------------- codec discs
CODEC_INI = "[InstallOption]\r\nInstallWDMUDACodecDriver=1\r\n"


@scenario(version="win98")
def codec_disc_finds_ac97_controller(m):
    plain_disc(m, CODEC_INI)
    m.pci(ICH4_AC97_MACHINE)
    m.start()
    expect_launcher(m)
    end_with_escape(m)


@scenario(version="winme")
def codec_disc_falls_back_to_the_chip(m):
    plain_disc(m, CODEC_INI)
    m.pci(CHIP_MACHINE)
    m.start()
    expect_launcher(m)
    end_with_escape(m)


@scenario(version="win98")
def codec_disc_without_hardware(m):
    plain_disc(m, CODEC_INI)
    m.pci(NO_AUDIO_MACHINE)
    m.start()
    assert m.wait_window(NO_CHIP), "the no-chip information did not open"
    m.click(NO_CHIP, IDOK)
    assert m.wait_exit() == 0


@scenario(version="winxp")
def codec_disc_on_xp_asks_the_helper_for_a_controller(m):
    plain_disc(m, CODEC_INI)
    m.helper(chip=True, ac97=(0x8086, 0x24C5))
    m.start()
    expect_launcher(m)
    end_with_escape(m)
    expect_helper_gone_and_queries(m, [0x00000000])


@scenario(version="nt40")
def codec_disc_on_nt4_asks_again_for_the_chip(m):
    plain_disc(m, CODEC_INI)
    m.helper(chip=True)
    m.start()
    # A codec disc on NT 4.0 offers only the driver.
    expect_launcher(m, disabled=(1000, 4))
    end_with_escape(m)
    expect_helper_gone_and_queries(m, [0x00000000, 0x1B7D0342])


@scenario(version="win2k")
def short_helper_answer_still_counts(m):
    plain_disc(m)
    m.helper(chip=True, answer_bytes=4)
    m.start()
    expect_launcher(m)
    end_with_escape(m)


# ---------------------------------------------------------------- bad input
@scenario(version="win98")
def overlong_command_line(m):
    plain_disc(m)
    m.pci(NO_AUDIO_MACHINE)
    m.start("/x" + "A" * 3000 + " no_msg")
    expect_no_window_and_exit(m)


@scenario(version="winxp")
def overlong_command_line_reaches_the_launcher(m):
    plain_disc(m, "[InstallOption]\r\nNotCheckHardware=1\r\nVenderID=1B7D\r\nDeviceID=0342\r\n")
    m.start("/" + "Q" * 5000)
    expect_launcher(m)
    end_with_escape(m)


@scenario(version="win95")
def no_setup_ini_uses_the_defaults(m):
    m.setup_exe()
    m.pci(CHIP_MACHINE)
    m.start()
    expect_launcher(m)
    end_with_escape(m)


@scenario(version="win2k")
def program_in_a_deep_folder(m):
    # The disc copied into a folder whose path is longer than 260 characters.
    deep = "\\".join(["Drivers and Tools " + "x" * 40] * 6)
    folder = m.disc / deep.replace("\\", "/")
    folder.mkdir(parents=True)
    m.disc_file(deep.replace("\\", "/") + "/Setup.exe", source=m.build / "Setup.exe")
    m.disc_file(deep.replace("\\", "/") + "/setup.ini",
                data=b"[InstallOption]\r\nNotCheckHardware=1\r\nVenderID=1B7D\r\nDeviceID=0342\r\n")
    m.start(program="D:\\" + deep + "\\Setup.exe")
    # The short form of the folder reaches setup.ini: the launcher opens.
    expect_launcher(m)
    end_with_escape(m)


# ---------------------------------------------------------------- the background picture
CHIP_AREA = "140x140+470+310"  # the chip artwork, in client pixels


def _picture_shown(m):
    d = m.dump(LAUNCHER)
    x, y = d["rect"][:2]
    shot = m.dir / "screen.png"
    m.screenshot(shot)
    w, h, cx, cy = 140, 140, 470, 310
    shown = rgb_pixels(shot, f"{w}x{h}+{x + cx}+{y + cy}")
    res = m.build.parent / "src" / "res"
    chip = differing_pixels(shown, rgb_pixels(res / "background-chip.bmp", CHIP_AREA))
    other = differing_pixels(shown, rgb_pixels(res / "background-other.bmp", CHIP_AREA))
    return "129" if chip < other else "133", chip, other


@scenario(version="win98", display=True)
def picture_for_the_makers_chip(m):
    plain_disc(m)
    m.pci(CHIP_MACHINE)
    m.start()
    expect_launcher(m)
    shown, chip, other = _picture_shown(m)
    assert shown == "129" and chip < 200, f"picture {shown} ({chip} / {other} pixels differ)"
    end_with_escape(m)


@scenario(version="win98", display=True)
def picture_for_an_ac97_controller(m):
    plain_disc(m, CODEC_INI)
    m.pci(ICH4_AC97_MACHINE)
    m.start()
    expect_launcher(m)
    shown, chip, other = _picture_shown(m)
    assert shown == "133" and other < 200, f"picture {shown} ({chip} / {other} pixels differ)"
    end_with_escape(m)
