"""The applications command and the combined driver-and-applications command:
machine state, disc, clicks, then what must be true afterwards."""
from registry import scenario
from scenarios_driver import (STAGING, STATE_FILE, expect_state, hardware, wdm_disc)
from scenarios_startup import LAUNCHER, expect_launcher

VK_ESCAPE = 27
NO_SETUP_PROGRAM = "Can not find the Quavelo Audio Applications setup program."
UNINSTALL_1 = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\Quavelo Audio Applications"
UNINSTALL_2 = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\Quavelo Audio WinNT Applications"


def suite_disc(m, candidates, options=""):
    """A disc with the driver package and the suite's setup program in the given folders."""
    wdm_disc(m, options)
    for relative in candidates:
        m.recorder(relative.replace("\\", "/"))


def installed_suite(m, values, key=UNINSTALL_1, delay_ms=1500):
    """An earlier suite installation: a slow uninstaller in C:\\Program Files\\Quavelo."""
    folder = m.prefix / "drive_c" / "Program Files" / "Quavelo"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "Uninst.exe").write_bytes((m.build / "standins" / "recorder.exe").read_bytes())
    (folder / "Uninst.exe.delay").write_text(str(delay_ms))
    m.add_reg("system", key, values)


def started_setup(m):
    """The one start of the suite's setup program (all candidates are named Setup.exe)."""
    started = m.wait_record("Setup.exe")
    assert len(started) == 1, f"the suite's setup program started {len(started)} times"
    return started[0]


# ---------------------------------------------------------------- which setup program
CANDIDATE_ROWS = [
    # name, version, options, folders on the disc, the one expected to start (None: the message)
    ("apps_95_falls_back_to_the_wdm_folders", "win95", "", ["XP-2K-ME\\app\\Setup.exe"], "XP-2K-ME\\app\\Setup.exe"),
    ("apps_98se_vxd_tries_win_9x_first", "win98", "",
     ["Win_ME\\app\\Setup.exe", "Win_9x\\app\\Setup.exe"], "Win_9x\\app\\Setup.exe"),
    ("apps_98se_wdm_never_tries_the_vxd_folders", "win98", "Windows98SEDriver=1",
     ["Win_9x\\app\\Setup.exe", "W95-98\\app\\Setup.exe", "W2K-ME\\app\\Setup.exe"], "W2K-ME\\app\\Setup.exe"),
    ("apps_me_default_wdm", "winme", "", ["Win_ME\\app\\Setup.exe", "Applications\\Setup.exe"],
     "Win_ME\\app\\Setup.exe"),
    ("apps_me_vxd", "winme", "WindowsMEDriver=0", ["W95-98\\app\\Setup.exe"], "W95-98\\app\\Setup.exe"),
    ("apps_nt4_has_no_wdm_folder", "nt40", "", ["Win_ME\\app\\Setup.exe"], None),
    ("apps_nt4_folder", "nt40", "", ["NT40\\app\\Setup.exe"], "NT40\\app\\Setup.exe"),
    ("apps_2000_applications_folder", "win2k", "", ["Applications\\Setup.exe"], "Applications\\Setup.exe"),
    ("apps_xp", "winxp", "", ["XP-2K-ME\\app\\Setup.exe", "Applications\\Setup.exe"], "XP-2K-ME\\app\\Setup.exe"),
    ("apps_98se_vxd_falls_back_to_w2k_me", "win98", "", ["W2K-ME\\app\\Setup.exe"], "W2K-ME\\app\\Setup.exe"),
    ("apps_95_win_me_folder", "win95", "", ["Win_ME\\app\\Setup.exe", "Applications\\Setup.exe"],
     "Win_ME\\app\\Setup.exe"),
    ("apps_nt4_win_nt40_folder", "nt40", "", ["Win_NT40\\app\\Setup.exe", "NT40\\app\\Setup.exe"],
     "Win_NT40\\app\\Setup.exe"),
    ("apps_nt4_applications_folder", "nt40", "", ["Applications\\Setup.exe"], "Applications\\Setup.exe"),
]


def _candidate_scenario(version, options, folders, expected):
    def run(m):
        suite_disc(m, folders, options)
        hardware(m, nt=version in ("nt40", "win2k", "winxp"))
        m.start()
        expect_launcher(m)
        m.click(LAUNCHER, 4)
        if expected is None:
            message = f"Setup||{NO_SETUP_PROGRAM}"
            assert m.wait_window(message), "no message about the missing setup program"
            m.key(message, VK_ESCAPE)
            assert m.wait_exit() == 0
            assert not m.records("Setup.exe")
            return
        assert m.wait_exit() == 0
        started = started_setup(m)
        assert started["command_line"] == f'"D:\\{expected}"', started
    return run


for _name, _version, _options, _folders, _expected in CANDIDATE_ROWS:
    _run = _candidate_scenario(_version, _options, _folders, _expected)
    _run.__name__ = _name
    scenario(version=_version)(_run)


# ---------------------------------------------------------------- closing and uninstalling
@scenario(version="nt40")
def apps_close_the_players_and_the_mixer_and_wait_for_the_uninstaller(m):
    folder = m.prefix / "drive_c" / "Drivers and Tools"
    folder.mkdir()
    m.drive("d", folder)
    m.disc = folder
    suite_disc(m, ["NT40\\app\\Setup.exe"])
    hardware(m, nt=True)
    uninstaller = '"C:\\Program Files\\Quavelo\\Uninst.exe" -remove'
    installed_suite(m, {"InstallShieldUninstallString": uninstaller,
                        "UninstallString": "C:\\Program Files\\Quavelo\\Other.exe"})
    installed_suite(m, {"UninstallString": "C:\\wrong.exe"}, key=UNINSTALL_2)
    m.start(program="C:\\Drivers and Tools\\Setup.exe")
    expect_launcher(m)
    for title in ("CD Player", "MIDI Player", "Mixer"):
        m.open_window(title)
    m.click(LAUNCHER, 4)
    assert m.wait_exit() == 0
    closed = [title for title, _ in m.closed_windows()]
    assert closed == ["CD Player", "MIDI Player", "Mixer"], closed
    runs = m.records("Uninst.exe")
    assert len(runs) == 2 and runs[0]["command_line"] == uninstaller + " -a", runs
    setup = started_setup(m)
    assert setup["command_line"] == '"C:\\Drivers and Tools\\NT40\\app\\Setup.exe"', setup
    assert setup["tick"] >= runs[1]["ended"], "the setup program started before the uninstaller ended"


@scenario(version="winxp")
def apps_close_audioshelf_alone_and_leave_the_mixer(m):
    suite_disc(m, ["Applications\\Setup.exe"])
    hardware(m, nt=True)
    m.start()
    expect_launcher(m)
    for title in ("AudioShelf", "CD Player", "Mixer"):
        m.open_window(title)
    m.click(LAUNCHER, 4)
    assert m.wait_exit() == 0
    assert [title for title, _ in m.closed_windows()] == ["AudioShelf"], m.closed_windows()
    assert m.wait_window("CD Player", 100) and m.wait_window("Mixer", 100)
    started_setup(m)


@scenario(version="winme")
def apps_on_an_empty_disc(m):
    m.setup_exe()
    m.setup_ini("[InstallOption]\r\n")
    hardware(m)
    installed_suite(m, {"UninstallString": "C:\\Program Files\\Quavelo\\Uninst.exe"}, delay_ms=100)
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 4)
    message = f"Setup||{NO_SETUP_PROGRAM}"
    assert m.wait_window(message), "no message about the missing setup program"
    assert m.records("Uninst.exe"), "the earlier suite was not uninstalled first"
    m.key(message, VK_ESCAPE)
    assert m.wait_exit() == 0


@scenario(version="win98")
def apps_with_unusable_uninstall_values(m):
    suite_disc(m, ["Applications\\Setup.exe"])
    hardware(m)
    # Key 1 opens, so key 2 is never used; its values are of the wrong type
    # or longer than a path.
    installed_suite(m, {"InstallShieldUninstallString": 7,
                        "UninstallString": "C:\\Program Files\\Quavelo\\Uninst.exe " + "x" * 300})
    installed_suite(m, {"UninstallString": "C:\\Program Files\\Quavelo\\Uninst.exe"}, key=UNINSTALL_2)
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 4)
    assert m.wait_exit() == 0
    assert not m.records("Uninst.exe"), "an unusable uninstall value was run"
    started_setup(m)


@scenario(version="win98")
def apps_with_an_uninstall_command_of_259_characters(m):
    suite_disc(m, ["Applications\\Setup.exe"])
    hardware(m)
    command = '"C:\\Program Files\\Quavelo\\Uninst.exe" '
    command += "y" * (259 - len(command))
    installed_suite(m, {"UninstallString": command}, delay_ms=100)
    m.start("/ap")
    assert m.wait_exit() == 0
    runs = m.records("Uninst.exe")
    assert runs and runs[0]["command_line"] == command + " -a", runs
    started_setup(m)
    assert not m.wait_window(LAUNCHER, 100)


@scenario(version="winme")
def apps_with_an_uninstaller_that_cannot_start(m):
    suite_disc(m, ["Win_ME\\app\\Setup.exe"])
    hardware(m)
    m.add_reg("system", UNINSTALL_1, {"UninstallString": "C:\\Program Files\\Quavelo\\Gone.exe"})
    m.start("/AP")
    assert m.wait_exit() == 0
    started_setup(m)


def _deep_disc(m, folder_length):
    """A disc copied into a folder whose path (with C:\\ and the final
    backslash) has folder_length characters."""
    parts, length = [], len("C:\\")
    while length < folder_length:
        part = "d" * min(60, folder_length - length - 1)
        parts.append(part)
        length += len(part) + 1
    folder = m.prefix / "drive_c" / "/".join(parts)
    folder.mkdir(parents=True)
    m.drive("d", folder)
    m.disc = folder
    return "C:\\" + "\\".join(parts) + "\\"


@scenario(version="win2k")
def apps_candidate_path_that_just_fits(m):
    windows_folder = _deep_disc(m, 236)  # with "Applications\\Setup.exe": 258 characters
    suite_disc(m, ["Applications\\Setup.exe"])
    hardware(m, nt=True)
    m.start("/AP", program=windows_folder + "Setup.exe")
    assert m.wait_exit() == 0
    assert started_setup(m)["command_line"] == f'"{windows_folder}Applications\\Setup.exe"'


@scenario(version="win2k")
def apps_candidate_path_too_long_is_not_cut(m):
    windows_folder = _deep_disc(m, 245)  # with "Applications\\Setup.exe": 267 characters
    suite_disc(m, ["Applications\\Setup.exe"])
    hardware(m, nt=True)
    m.start("/AP", program=windows_folder + "Setup.exe")
    message = f"Setup||{NO_SETUP_PROGRAM}"
    assert m.wait_window(message), "no message for a setup program beyond the path limit"
    m.key(message, VK_ESCAPE)
    assert m.wait_exit() == 0
    assert not m.records("Setup.exe")


# ---------------------------------------------------------------- the combined command
CABINETS = ["driver11.cab", "DRIVER12.CAB", "Driver14.Cab", "DRIVER15.CAB", "DRIVER17.CAB", "DRIVER20.CAB"]


def precopied_cabinets(m, names, folder_named=None):
    precopy = m.host_path("C:\\windows\\system") / "Precopy"
    precopy.mkdir(exist_ok=True)
    for name in names:
        (precopy / name).write_bytes(b"cab")
    if folder_named:
        (precopy / folder_named).mkdir()


def queued_state(m, program, install_dx, install_at_first):
    short = m.shortpath(STAGING)
    command = f"{short}\\{program}"
    expected = {("Need_To_Reboot", "Install"): "NO", ("Need_To_InstallDriver", "Install"): "YES",
                ("Need_To_InstallDriver", "Command"): command,
                ("Need_To_InstallDriver", "InstallAtFirst"): install_at_first, ("SETUP", "NeedInstallDriver"): "1",
                ("SETUP", "DriverSetupFile"): command, ("SETUP", "NeedInstallDirectX"): "0",
                ("SETUP", "DirectXFilePath"): ""}
    if install_dx:
        expected[("Need_To_InstallDriver", "InstallDX")] = install_dx
    expect_state(m, expected)


@scenario(version="win98")
def combined_on_98se_with_the_vxd_driver(m):
    suite_disc(m, ["Win_9x\\app\\Setup.exe", "Win_ME\\app\\Setup.exe"])
    hardware(m)
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 1000)
    assert m.wait_exit() == 0
    assert not m.wait_window("Restarting Windows", 100), "a restart prompt inside the combined command"
    assert started_setup(m)["command_line"] == '"D:\\Win_9x\\app\\Setup.exe"'
    assert not m.records("WinMeDrv.dat")


@scenario(version="win98")
def combined_on_98se_with_wdm_and_all_six_cabinets(m):
    suite_disc(m, ["Win_ME\\app\\Setup.exe"], "Windows98SEDriver=1")
    hardware(m)
    precopied_cabinets(m, CABINETS)
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 1000)
    assert m.wait_exit() == 0
    assert m.exists(f"{STAGING}\\TQWDM.INF"), "the WDM package was not staged"
    assert not m.records("WinMeDrv.dat"), "the WDM setup was started instead of queued"
    queued_state(m, "WinMeDrv.dat", install_dx="YES", install_at_first="YES")
    assert started_setup(m)["command_line"] == '"D:\\Win_ME\\app\\Setup.exe"'


@scenario(version="win98")
def combined_on_98se_with_wdm_and_a_cabinet_missing(m):
    suite_disc(m, ["Win_ME\\app\\Setup.exe"], "Windows98SEDriver=1")
    hardware(m)
    precopied_cabinets(m, [c for c in CABINETS if c != "DRIVER17.CAB"], folder_named="DRIVER17.CAB")
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 1000)
    assert m.wait_exit() == 0
    queued_state(m, "WinMeDrv.dat", install_dx="YES", install_at_first="NO")


@scenario(version="winme")
def combined_on_me_queues_the_wdm_setup(m):
    suite_disc(m, ["Win_ME\\app\\Setup.exe"])
    hardware(m)
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 1000)
    assert m.wait_exit() == 0
    queued_state(m, "WinMeDrv.dat", install_dx=None, install_at_first="YES")
    started_setup(m)


@scenario(version="winxp")
def combined_on_xp_queues_the_wdm_setup(m):
    suite_disc(m, ["XP-2K-ME\\app\\Setup.exe"])
    hardware(m, nt=True)
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 1000)
    assert m.wait_exit() == 0
    queued_state(m, "Win2kDrv.dat", install_dx=None, install_at_first="YES")
    assert not m.records("Win2kDrv.dat")
    started_setup(m)


@scenario(version="nt40")
def combined_on_nt4_records_the_restart(m):
    suite_disc(m, ["NT40\\app\\Setup.exe"])
    hardware(m, nt=True)
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 1000)
    assert m.wait_exit() == 0
    expect_state(m, {("Need_To_Reboot", "Install"): "YES"})
    started_setup(m)


@scenario(version="nt40")
def combined_on_nt4_without_restart(m):
    suite_disc(m, ["NT40\\app\\Setup.exe"])
    hardware(m, nt=True)
    m.start("-NO_REBOOT")
    expect_launcher(m)
    m.click(LAUNCHER, 1000)
    assert m.wait_exit() == 0
    expect_state(m, {("Need_To_Reboot", "Install"): "NO"})
    started_setup(m)


@scenario(version="winme")
def combined_cancel_in_the_architecture_dialog(m):
    suite_disc(m, ["Win_ME\\app\\Setup.exe"], "WindowsMEDriverAskUser=1")
    hardware(m)
    m.start()
    expect_launcher(m)
    m.click(LAUNCHER, 1000)
    title = "Windows 98SE/ME device-driver architecture selection"
    assert m.wait_window(title)
    m.click(title, 2)
    assert m.wait_exit() == 0
    assert not m.records("Setup.exe") and not m.exists(STAGING), "something was installed after Cancel"
