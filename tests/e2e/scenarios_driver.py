"""The driver command, the start modes, WDM staging, the INF jack patch and
the architecture, jack and restart dialogs, run as a user would on each
Windows version: machine state, disc, command line, clicks, then what must be
true afterwards."""
from registry import scenario
from scenarios_startup import CHIP_MACHINE, ICH4_AC97_MACHINE, LAUNCHER, controls, expect_launcher

IDOK, IDCANCEL = 1, 2
VK_ESCAPE = 27
ARCHITECTURE = "Windows 98SE/ME device-driver architecture selection"
JACKS = "TQI4716 PCI Audio Device Driver Setup Program"
RESTART = "Restarting Windows"
STAGING = "C:\\Program Files\\Trequa\\WIN_ME"
STATE_FILE = "C:\\windows\\TQISETUP.INI"
MISSING_98_PROGRAM = "Can not find the setup program for Windows 98 SE and ME."
MISSING_2K_PROGRAM = "Can not find the setup program for Windows 2000 and XP."
HWID_KEY = r"Software\Microsoft\Driver Signing\Classes\HWID"

INF = (
    "; TQI4716 WDM driver\n[Version]\nSignature=\"$CHICAGO$\"\nClass=MEDIA\n\n"
    "[SourceDisksNames]\n200=\"TQI Audio Driver Disc\",,0001\n\n[SourceDisksFiles]\ntqwdm.sys=200\n\n"
    "[CONFIG1.AddReg]\n"
    "HKR,\"Settings\",\"EnableLegacy\",0x00010001,0x00000700\n"
    "HKR,\"Settings\",\"JackConfig\",0x00010001,0x00000001\n\n"
    "[Strings]\nTrequaMfg=\"Trequa\"\n"
).replace("\n", "\r\n").encode()

SETUP_INI = ("[InstallOption]\r\n{options}[INF_FILE_NAME]\r\nINF_1B7D&0342=TQWDM.INF\r\n"
             "[CAT_FILE_NAME]\r\nCAT_1B7D&0342=TQWDM.CAT\r\n")


def wdm_disc(m, options="", programs=("WinMeDrv.dat", "Win2kDrv.dat"), folder="W2K-ME/drv"):
    m.setup_exe()
    m.setup_ini(SETUP_INI.format(options="".join(f"{o}\r\n" for o in options.split())))
    m.disc_file(f"{folder}/TQWDM.INF", data=INF)
    m.disc_file(f"{folder}/TQWDM.CAT", data=b"catalog")
    m.disc_file(f"{folder}/tqwdm.sys", data=b"driver")
    m.disc_file("Dosdrv/TQDOS.EXE", data=b"dos")
    m.disc_file("Dosdrv/DOSAPP/TQAPP.EXE", data=b"app")
    m.disc_file("TQAUDIO.INI", data=b"[TQAUDIO]\r\nVersion=1\r\n")
    for program in programs:
        m.recorder(program)


def hardware(m, nt=False):
    if nt:
        m.helper(chip=True)
    else:
        m.pci(CHIP_MACHINE)


def expect_handover(m, program, arguments, folder="D:\\"):
    assert m.wait_exit() == 0
    started = m.wait_record(program)
    assert len(started) == 1, f"{program} started {len(started)} times"
    expected = f'"{folder}{program}"{arguments}'
    assert started[0]["command_line"] == expected, f"{started[0]['command_line']!r}, expected {expected!r}"
    return started[0]


def expect_staged_package(m, setup_program_names=("WinMeDrv.dat", "Win2kDrv.dat")):
    for name in ("TQWDM.INF", "TQWDM.CAT", "tqwdm.sys", "Setup.exe", "Setup.ini") + tuple(setup_program_names):
        assert m.exists(f"{STAGING}\\{name}"), f"{name} was not staged"
    staged = m.ini(f"{STAGING}\\Setup.ini")["installoption"]
    for key, value in {"websetup": "2", "fullpackage": "0", "driveronly": "1", "installwdmdriver": "1"}.items():
        assert staged.get(key) == value, f"staged Setup.ini {key}={staged.get(key)!r}"
    assert m.read_bytes("C:\\windows\\INF\\CATALOG\\TQWDM.CAT") == b"catalog", "catalog not copied"
    assert m.exists("C:\\Program Files\\Trequa\\DOS\\TQDOS.EXE"), "DOS driver files not copied"
    assert m.exists("C:\\Program Files\\Trequa\\DOS\\DOSAPP\\TQAPP.EXE"), "DOS applications not copied"
    assert m.exists("C:\\windows\\TQAUDIO.INI"), "TQAUDIO.INI not copied"


def expect_state(m, expected):
    state = m.ini(STATE_FILE)
    for (section, key), value in expected.items():
        got = state.get(section.lower(), {}).get(key.lower())
        assert got == value, f"StateFile [{section}] {key}={got!r}, expected {value!r}"


RESTART_PENDING = {("Need_To_Reboot", "Install"): "YES", ("Need_To_InstallDriver", "Install"): "NO",
                   ("Need_To_InstallDriver", "Command"): "", ("Need_To_InstallDriver", "InstallDX"): "NO",
                   ("Need_To_InstallDriver", "InstallAtFirst"): "NO", ("SETUP", "NeedInstallDriver"): "0",
                   ("SETUP", "DriverSetupFile"): "", ("SETUP", "NeedInstallDirectX"): "0",
                   ("SETUP", "DirectXFilePath"): ""}


def jack_lines(data):
    text = data.decode("latin-1")
    legacy = next(line for line in text.splitlines() if '"EnableLegacy"' in line)
    jack = next(line for line in text.splitlines() if '"JackConfig"' in line)
    return legacy, jack


# ---------------------------------------------------------------- WDM hand-over
@scenario(version="winme")
def driver_on_me_stages_wdm_and_hands_over(m):
    wdm_disc(m)
    hardware(m)
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 3)
    expect_handover(m, "WinMeDrv.dat", " /DRIVER")
    expect_staged_package(m)
    assert not m.exists("C:\\windows\\INF\\TQWDM.INF"), "INF copied to the INF folder on ME"
    expect_state(m, RESTART_PENDING)


@scenario(version="win2k")
def driver_on_2000_passes_no_reboot(m):
    wdm_disc(m)
    hardware(m, nt=True)
    m.start("/no_reboot")
    expect_launcher(m)
    m.click(LAUNCHER, 3)
    expect_handover(m, "Win2kDrv.dat", " /DRIVER /NO_REBOOT")
    expect_staged_package(m)


@scenario(version="winxp")
def driver_on_xp_without_the_setup_program(m):
    wdm_disc(m, programs=())
    hardware(m, nt=True)
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 3)
    message = f"Setup||{MISSING_2K_PROGRAM}"
    assert m.wait_window(message), "no message about the missing setup program"
    m.key(message, VK_ESCAPE)
    assert m.wait_exit() == 0


@scenario(version="winme")
def disc_folder_with_a_space(m):
    folder = m.prefix / "drive_c" / "Drivers and Tools"
    m.drive("d", folder)
    folder.mkdir()
    m.disc = folder
    wdm_disc(m)
    hardware(m)
    m.start(program="C:\\Drivers and Tools\\Setup.exe")
    expect_launcher(m)
    m.click(LAUNCHER, 3)
    expect_handover(m, "WinMeDrv.dat", " /DRIVER", folder="C:\\Drivers and Tools\\")


# ---------------------------------------------------------------- Windows 98 SE
def _98se_machine(m, mru_a_to_c=True):
    system = m.host_path("C:\\windows\\system")
    for name in ("ksclockf.ax", "kscloskf.ax", "ksdata.ax", "ksinterf.ax", "ksproxy.ax", "ksvpintf.ax",
                 "ksuser.dll", "MSJSTICK.DRV", "msanalog.vxd", "vjoyd.vxd"):
        (system / name).write_bytes(name.encode())
    if mru_a_to_c:
        m.add_reg("userdef", "InstallLocationsMRU", {"a": "D:\\WIN98\\", "b": "C:\\WINDOWS\\OPTIONS\\CABS\\",
                                                     "c": 7, "MRUList": "ba"})
    m.add_reg("system", r"Software\Microsoft\Windows\CurrentVersion\Setup", {"SourcePath": "C:\\WINDOWS\\OPTIONS\\CABS"})
    (m.prefix / "drive_c" / "windows" / "options" / "cabs").mkdir(parents=True)
    m.add_reg("system", HWID_KEY, {"PCI\\VEN_1B7D&DEV_0342": "x", "PCI\\VEN_1B7D&DEV_0342&SUBSYS_00011B7D": "y",
                                   "PCI\\VEN_8086&DEV_2415": "z", "pci\\ven_1b7d&dev_0342&rev_01": "lower"})


def expect_inf_redirected(m, short):
    for folder in ("C:\\windows\\INF", "C:\\windows\\INF\\OTHER"):
        inf = m.ini(f"{folder}\\TQWDM.INF")
        disk = inf["sourcedisksnames"]["200"]
        assert disk == f'"Trequa WDM Audio Driver Disk",,,{short}', f"{folder}: disk 200 = {disk!r}"
        assert inf["sourcedisksfiles"].get("tqwdm.cat") == "200", f"{folder}: catalog not on disk 200"


@scenario(version="win98")
def driver_on_98se_with_the_wdm_option(m):
    wdm_disc(m, "Windows98SEDriver=1")
    hardware(m)
    _98se_machine(m)
    m.start()
    expect_launcher(m)
    short = m.shortpath(STAGING) if m.exists(STAGING) else None
    m.click(LAUNCHER, 3)
    assert m.wait_exit() == 0
    short = m.shortpath(STAGING)
    started = m.wait_record("WinMeDrv.dat")
    assert started and started[0]["command_line"] == f'"{short}\\WinMeDrv.dat" /DRIVER', started
    expect_staged_package(m)
    expect_inf_redirected(m, short)
    for name in ("ksclockf.ax", "ksdata.ax", "ksvpintf.ax", "vjoyd.vxd"):
        assert m.exists(f"C:\\windows\\System\\Precopy\\{name}"), f"{name} not pre-copied"
    assert m.exists(f"{STAGING}\\kscloskf.ax") and not m.exists(f"{STAGING}\\ksvpintf.ax")
    # The Windows setup source folder gets the driver files, not the setup files.
    assert m.exists("C:\\windows\\options\\cabs\\TQWDM.INF")
    assert not m.exists("C:\\windows\\options\\cabs\\Setup.ini")
    m.shutdown()
    users = m.registry("userdef")
    assert users.value("InstallLocationsMRU", "d") == short + "\\", users.keys.get("installlocationsmru")
    assert users.value("InstallLocationsMRU", "MRUList") == "dabc"
    assert users.value("InstallLocationsMRU", "c") == 7, "a value of another type was replaced"
    system = m.registry()
    hwid = system.keys.get(HWID_KEY.lower(), {})
    assert set(hwid) == {"pci\\ven_8086&dev_2415", "pci\\ven_1b7d&dev_0342&rev_01"}, hwid


@scenario(version="win98")
def install_locations_already_listed_in_other_case(m):
    wdm_disc(m, "Windows98SEDriver=1")
    hardware(m)
    _98se_machine(m, mru_a_to_c=False)
    (m.prefix / "drive_c" / "Program Files" / "Trequa" / "WIN_ME").mkdir(parents=True)
    listed = m.shortpath(STAGING).lower() + "\\"
    m.reg_add_live("HKU\\.DEFAULT\\InstallLocationsMRU", "a", "D:\\WIN98\\")
    m.reg_add_live("HKU\\.DEFAULT\\InstallLocationsMRU", "b", listed)
    m.reg_add_live("HKU\\.DEFAULT\\InstallLocationsMRU", "MRUList", "ba")
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 3)
    assert m.wait_exit() == 0
    m.shutdown()
    mru = m.registry("userdef").keys.get("installlocationsmru")
    assert mru == {"a": "D:\\WIN98\\", "b": listed, "mrulist": "ba"}, mru


# ---------------------------------------------------------------- architecture dialog
@scenario(version="win98")
def architecture_dialog_on_98se_preset_to_wdm(m):
    wdm_disc(m, "Windows98SEDriverAskUser=1")
    hardware(m)
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 3)
    assert m.wait_window(ARCHITECTURE), "the architecture dialog did not open"
    c = controls(m.dump(ARCHITECTURE))
    assert c[1005]["checked"] == 1 and c[1004]["checked"] == 0, "not preset to WDM"
    assert c[IDOK]["text"] == "OK" and c[IDCANCEL]["text"] == "Cancel"
    m.click(ARCHITECTURE, IDOK)
    assert m.wait_exit() == 0
    assert m.wait_record("WinMeDrv.dat"), "WDM was chosen but not handed over"


@scenario(version="winme", lang="fr_FR.UTF-8")
def architecture_dialog_on_me_choose_vxd(m):
    wdm_disc(m, "WindowsMEDriverAskUser=1")
    hardware(m)
    m.start()
    assert m.wait_window(LAUNCHER)
    m.click(LAUNCHER, 3)
    title = "Selection de l'architecture du pilote de peripherique pour Windows 98SE/ME"
    assert m.wait_window(title), "the French architecture dialog did not open"
    m.click(title, 1004)  # VxD, then OK
    m.click(title, IDOK)
    assert m.wait_window(RESTART), "the VxD branch did not end with the restart prompt"
    wininit = pending_restart_work(m)
    m.key(RESTART, VK_ESCAPE)
    assert m.wait_exit() == 0
    m.shutdown()
    assert wininit.exists(), "Escape in the restart prompt restarted Windows"
    assert not m.records("WinMeDrv.dat"), "the WDM program was started after choosing VxD"
    assert not m.exists(STAGING), "the WDM package was staged after choosing VxD"


@scenario(version="win98")
def architecture_dialog_cancel_closes_the_launcher(m):
    wdm_disc(m, "Windows98SEDriverAskUser=1")
    hardware(m)
    _98se_machine(m)
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 3)
    assert m.wait_window(ARCHITECTURE)
    m.click(ARCHITECTURE, IDCANCEL)
    assert m.wait_exit() == 0
    assert not m.exists(STAGING) and not m.records("WinMeDrv.dat"), "something was installed after Cancel"
    m.shutdown()
    hwid = m.registry().keys.get(HWID_KEY.lower(), {})
    assert "pci\\ven_1b7d&dev_0342" not in hwid, "the driver-signing clean-up did not run before the question"


# ---------------------------------------------------------------- web setup and resume
@scenario(version="winxp")
def web_setup_with_the_default_jacks(m):
    wdm_disc(m, "WebSetup=1 InstallWDMDriver=1")
    hardware(m, nt=True)
    m.start()
    assert m.wait_window(JACKS), "the jack dialog did not open"
    c = controls(m.dump(JACKS))
    checked = {cid for cid in (1000, 1001, 1006, 1007, 1011, 1012, 1013) if c[cid]["checked"]}
    assert checked == {1006, 1011}, f"defaults {checked}"
    assert c[IDOK]["text"] == "Install"
    assert not m.wait_window(LAUNCHER, 100), "the launcher showed in web setup"
    m.click(JACKS, IDOK)
    assert m.wait_exit() == 0
    short = m.shortpath(STAGING)
    started = m.wait_record("Win2kDrv.dat")
    assert started and started[0]["command_line"] == f'"{short}\\Win2kDrv.dat" /DRIVER', started
    legacy, jack = jack_lines(m.read_bytes(f"{STAGING}\\TQWDM.INF"))
    assert legacy.endswith("0x00000700") and jack.endswith("0x00000001"), (legacy, jack)
    assert m.ini(f"{STAGING}\\Setup.ini")["installoption"]["websetup"] == "2"
    expect_state(m, RESTART_PENDING)


@scenario(version="win98")
def web_setup_with_changed_jacks_on_98se(m):
    wdm_disc(m, "WebSetup=1 InstallWDMDriver=1")
    hardware(m)
    m.start("-no_reboot")
    assert m.wait_window(JACKS)
    for control_id in (1012, 1013, 1000):  # centre/sub, then mic (clears 1012), then no MIDI
        m.click(JACKS, control_id)
    c = controls(m.dump(JACKS))
    assert [c[i]["checked"] for i in (1011, 1012, 1013, 1000, 1001)] == [0, 0, 1, 1, 0], c
    m.click(JACKS, IDOK)
    assert m.wait_exit() == 0
    short = m.shortpath(STAGING)
    started = m.wait_record("WinMeDrv.dat")
    assert started and started[0]["command_line"] == f'"{short}\\WinMeDrv.dat" /DRIVER /NO_REBOOT', started
    for path in (f"{STAGING}\\TQWDM.INF", "C:\\windows\\INF\\TQWDM.INF", "C:\\windows\\INF\\OTHER\\TQWDM.INF"):
        legacy, jack = jack_lines(m.read_bytes(path))
        assert legacy.endswith("0x00000300") and jack.endswith("0x00000004"), (path, legacy, jack)
    assert m.ini("C:\\windows\\INF\\TQWDM.INF")["sourcedisksnames"]["200"].endswith(short)


@scenario(version="winme")
def web_setup_sound_card_design(m):
    wdm_disc(m, "WebSetup=1 InstallWDMDriver=1")
    hardware(m)
    m.start()
    assert m.wait_window(JACKS)
    m.click(JACKS, 1013)
    m.click(JACKS, 1007)
    c = controls(m.dump(JACKS))
    assert not c[1011]["enabled"] and not c[1013]["enabled"] and c[1013]["checked"], "boxes not greyed as they were"
    m.click(JACKS, 1001)
    m.click(JACKS, IDOK)
    assert m.wait_exit() == 0
    legacy, jack = jack_lines(m.read_bytes(f"{STAGING}\\TQWDM.INF"))
    assert legacy.endswith("0x00000600") and jack.endswith("0x00000000"), (legacy, jack)


@scenario(version="winme")
def web_setup_cancel_installs_nothing(m):
    wdm_disc(m, "WebSetup=1 InstallWDMDriver=1")
    hardware(m)
    m.start()
    assert m.wait_window(JACKS)
    m.click(JACKS, IDCANCEL)
    assert m.wait_exit() == 0
    assert not m.exists(STAGING) and not m.records("WinMeDrv.dat")


@scenario(version="winme")
def web_setup_with_the_vxd_choice_installs_nothing(m):
    wdm_disc(m, "WebSetup=1 InstallWDMDriver=0")
    hardware(m)
    m.start()
    assert m.wait_window(JACKS)
    m.click(JACKS, IDOK)
    assert m.wait_exit() == 0
    assert not m.exists(STAGING) and not m.records("WinMeDrv.dat")


@scenario(version="winme")
def resume_mode_runs_the_driver_command_at_once(m):
    wdm_disc(m, "WebSetup=2 InstallWDMDriver=1 DriverOnly=1")
    hardware(m)
    m.host_path(STATE_FILE).write_bytes(b"[SETUP]\r\nNeedInstallDriver=untouched\r\n")
    m.start("/AP")  # the applications switch has no effect in resume mode
    expect_handover(m, "WinMeDrv.dat", " /DRIVER")
    expect_state(m, {("SETUP", "NeedInstallDriver"): "untouched", ("Need_To_Reboot", "Install"): "YES",
                     ("Need_To_InstallDriver", "Install"): "NO"})


# ---------------------------------------------------------------- command-line switches
@scenario(version="win2k")
def speaker_switch_on_2000(m):
    wdm_disc(m)
    hardware(m, nt=True)
    m.start("/speaker")
    expect_handover(m, "Win2kDrv.dat", " /SPEAKER")
    assert not m.exists(STAGING)


@scenario(version="win98")
def speaker_switch_on_98se_without_the_program(m):
    wdm_disc(m, programs=("Win2kDrv.dat",))
    hardware(m)
    m.start("/SPEAKER")
    message = f"Setup||{MISSING_98_PROGRAM}"
    assert m.wait_window(message), "no message about the missing program"
    m.key(message, VK_ESCAPE)
    assert m.wait_exit() == 0
    assert not m.records("Win2kDrv.dat")


@scenario(version="win98")
def speaker_switch_on_98se(m):
    wdm_disc(m)
    hardware(m)
    m.start("/SPEAKER")
    expect_handover(m, "WinMeDrv.dat", " /SPEAKER")


@scenario(version="winme")
def driver_switch_runs_the_driver_command_at_once(m):
    wdm_disc(m)
    hardware(m)
    m.start("driver")
    expect_handover(m, "WinMeDrv.dat", " /DRIVER")


def pending_restart_work(m):
    """A WININIT.INI entry, written while the prefix runs (Wine handles the
    file whenever Windows starts, so earlier it would be gone already). Wine's
    restart processing deletes the file named and renames WININIT.INI to
    WININIT.BAK: a sign that a restart was asked for."""
    m.host_path("C:\\windows\\temp\\old.tmp").write_bytes(b"old")
    wininit = m.host_path("C:\\windows\\wininit.ini")
    wininit.write_bytes(b"[rename]\r\nNUL=C:\\windows\\temp\\old.tmp\r\n")
    return wininit


@scenario(version="win95")
def driver_only_on_95_ends_with_the_restart_prompt(m):
    wdm_disc(m, "DriverOnly=1")
    hardware(m)
    m.start()
    assert m.wait_window(RESTART), "no restart prompt"
    wininit = pending_restart_work(m)
    c = controls(m.dump(RESTART))
    assert c[1000]["checked"] == 1 and c[1001]["checked"] == 0, "restart now is not preselected"
    m.click(RESTART, 1001)
    m.click(RESTART, IDOK)
    assert m.wait_exit() == 0
    m.shutdown()
    assert wininit.exists(), "a restart was processed after 'No'"


@scenario(version="win95")
def restart_yes_asks_for_a_restart(m):
    wdm_disc(m)
    hardware(m)
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 3)
    assert m.wait_window(RESTART), "no restart prompt"
    wininit = pending_restart_work(m)
    m.click(RESTART, IDOK)
    assert m.wait_exit() == 0
    m.shutdown()
    assert not wininit.exists() and m.host_path("C:\\windows\\wininit.bak").exists(), \
        "no restart was processed after 'Yes'"
    assert not m.exists("C:\\windows\\temp\\old.tmp"), "the scheduled deletion did not happen"


@scenario(version="winme")
def applications_and_driver_switches_together(m):
    wdm_disc(m)
    m.recorder("Applications/Setup.exe")
    hardware(m)
    m.start("/AP /DRIVER")
    assert m.wait_exit() == 0
    assert m.records("Setup.exe"), "the applications command did not run"
    assert not m.records("WinMeDrv.dat"), "the driver switch acted after the applications switch"
    assert not m.wait_window(LAUNCHER, 100)


@scenario(version="winme")
def overlong_command_line_keeps_its_first_1023_characters(m):
    wdm_disc(m)
    hardware(m)
    m.start("/" + "Q" * 1100 + " DRIVER")
    expect_launcher(m)
    assert not m.records("WinMeDrv.dat"), "a switch beyond the launcher's 1023 characters acted"
    m.key(LAUNCHER, VK_ESCAPE)
    assert m.wait_exit() == 0


@scenario(version="win95")
def codec_disc_on_95_offers_only_the_driver(m):
    wdm_disc(m, "InstallWDMUDACodecDriver=1")
    m.pci(ICH4_AC97_MACHINE)
    m.start()
    assert m.wait_window(LAUNCHER)
    c = controls(m.dump(LAUNCHER))
    enabled = {cid for cid in (1000, 3, 4, 2) if c[cid]["enabled"]}
    assert enabled == {3, 2}, f"enabled buttons {enabled}"
    m.key(LAUNCHER, VK_ESCAPE)
    assert m.wait_exit() == 0


# ---------------------------------------------------------------- bad input
@scenario(version="win98")
def wdm_staging_survives_bad_input(m):
    # An INF name longer than 24 characters, damaged INF files, a setup source
    # folder on a drive that does not exist, and no driver folder at all: the
    # files come from the disc's root.
    m.setup_exe()
    m.setup_ini("[InstallOption]\r\nWebSetup=1\r\nInstallWDMDriver=1\r\n"
                "[CAT_FILE_NAME]\r\nCAT_1B7D&0342=ABCDEFGHIJKLMNOPQRSTUVWXYZ.CAT\r\n")
    m.disc_file("TQWDM.INF", data=INF)
    m.disc_file("LFONLY.INF", data=INF.replace(b"\r\n", b"\n"))
    m.disc_file("EMPTY.INF", data=b"")
    m.disc_file("BINARY.INF", data=bytes(range(256)) * 8 + b"[CONFIG1.AddReg]\x00HKR,\"Settings\",\"JackConfig\",1")
    m.disc_file("LONGLINE.INF", data=b";" * 5000 + b"\r\n" + INF)
    m.disc_file("ABCDEFGHIJKLMNOPQRSTUVWX", data=b"cut name")  # the name cut to 24 characters
    readonly = m.disc_file("READONLY.INF", data=INF)
    readonly.chmod(0o444)
    m.recorder("WinMeDrv.dat")
    hardware(m)
    m.add_reg("system", r"Software\Microsoft\Windows\CurrentVersion\Setup", {"SourcePath": "Q:\\WIN98"})
    m.start()
    assert m.wait_window(JACKS)
    m.click(JACKS, 1012)
    m.click(JACKS, IDOK)
    assert m.wait_exit() == 0
    assert m.wait_record("WinMeDrv.dat"), "the staged setup program was not started"
    for name in ("TQWDM.INF", "LFONLY.INF", "LONGLINE.INF", "READONLY.INF"):
        legacy, jack = jack_lines(m.read_bytes(f"C:\\windows\\INF\\{name}"))
        assert legacy.endswith("0x00000700") and jack.endswith("0x00000002"), (name, legacy, jack)
    assert m.read_bytes(f"{STAGING}\\BINARY.INF") == m.read_bytes("C:\\windows\\INF\\BINARY.INF")
    assert m.read_bytes(f"{STAGING}\\EMPTY.INF") == b""
    assert m.read_bytes("C:\\windows\\INF\\CATALOG\\ABCDEFGHIJKLMNOPQRSTUVWX") == b"cut name"
