"""The VxD branch of the driver command on Windows 95, 98 SE and ME: the
mixer and tray clean-up, the removal of earlier drivers from the registry and
the Windows folder, and the staging of the VxD package, on machines that look
like real ones (tests/e2e/fixtures)."""
import os
from pathlib import Path

from registry import scenario
from scenarios_driver import RESTART, pending_restart_work
from scenarios_startup import CHIP_MACHINE, ICH4_AC97_MACHINE, LAUNCHER, expect_launcher

FIXTURES = Path(__file__).parent / "fixtures"
STAGING = "C:\\Program Files\\Trequa\\WIN_9x"
IDOK = 1
VK_ESCAPE = 27

VXD_INF = (
    "; TQI4716 VxD driver\n[Version]\nSignature=\"$CHICAGO$\"\nClass=MEDIA\n\n"
    "[SourceDisksNames]\n1=\"TQI4716/T3DX PCI Audio Driver Disk\",,0001\n\n[Strings]\nTrequaMfg=\"Trequa\"\n"
).replace("\n", "\r\n").encode()
CODEC_INF = VXD_INF.replace(b"TQI4716/T3DX PCI Audio Driver Disk", b"TQI5716 Driver Disk")
NO_DISK_INF = b"[Version]\r\nSignature=\"$CHICAGO$\"\r\n"


def vxd_disc(m, options="", version_folder="98", inf=VXD_INF):
    m.setup_exe()
    m.setup_ini("[InstallOption]\r\n" + "".join(f"{o}\r\n" for o in options.split()))
    drv = f"W95-98/drv/{version_folder}"
    m.disc_file(f"{drv}/TQAUDIO.INF", data=inf)
    m.disc_file(f"{drv}/SETUP.INF", data=VXD_INF)
    m.disc_file(f"{drv}/Readme.Inf", data=NO_DISK_INF)
    m.disc_file(f"{drv}/OTHER.INF", data=NO_DISK_INF)
    m.disc_file(f"{drv}/TQAUDIO.VXD", data=b"new vxd")
    m.disc_file(f"{drv}/TQPCI.ini", data=b"[TQPCI]\r\n")
    m.disc_file("Dosdrv/TQDOS.EXE", data=b"dos")
    m.disc_file("TQAUDIO.INI", data=b"[TQAUDIO]\r\n")
    m.recorder("WinMeDrv.dat")


def earlier_driver_machine(m, registry_fixture="earlier-chip-driver.reg", services=(0x1F, 0x03)):
    m.add_reg_file("system", FIXTURES / registry_fixture)
    m.copy_into(FIXTURES / "windows-earlier-driver", "C:\\windows")
    for name in ("INF\\TQPCI.INF", "SYSTEM\\TQAUDIO.VXD", "SYSTEM\\A3D.DLL"):
        os.chmod(m.host_path(f"C:\\windows\\{name}"), 0o444)
    # The tray's flags, 4 bytes as Windows 9x stores them.
    current, default = services
    tray = r"Software\Microsoft\Windows\CurrentVersion\Applets\Systray"
    for hive, value in (("user", current), ("userdef", default)):
        with open(m.prefix / f"{hive}.reg", "a") as f:
            f.write(f"\n[{tray.replace(chr(92), chr(92) * 2)}] 1700000000\n"
                    f"\"Services\"=hex:{value & 0xFF:02x},00,00,00\n")
    m.add_reg("user", WIN_INI_WINDOWS, {"run": RUN_LINE})
    m.add_reg("userdef", "InstallLocationsMRU", {"a": "D:\\WIN98\\", "b": "A:\\", "c": "C:\\WINDOWS\\OPTIONS\\CABS\\",
                                                 "MRUList": "cab"})
    m.host_path("C:\\windows\\Mixer.exe").write_bytes(b"mixer")
    m.host_path("C:\\windows\\NewMixer.exe").write_bytes(b"mixer")
    m.host_path("C:\\windows\\mixerdef.ini").write_bytes(b"[RUNTIME]\r\nInitialize=1\r\n")
    m.recorder("../prefix/drive_c/windows/SysTray.exe")


# WIN.INI's [windows] section: Wine keeps it in the registry, as Windows NT
# does (IniFileMapping); the program reaches it through the profile functions
# either way.
WIN_INI_WINDOWS = r"Software\Microsoft\Windows NT\CurrentVersion\Windows"
RUN_LINE = "C:\\PROGRA~1\\OTHER\\TRAY.EXE C:\\WINDOWS\\SYSTEM\\TQMPU.EXE parsedls NOTEPAD.EXE"


def run_line_and_wininit(m):
    """What other programs left for the next start: written once the prefix
    runs, since Wine carries out WININIT.INI whenever Windows starts."""
    m.host_path("C:\\windows\\wininit.ini").write_bytes(b"[rename]\r\nNUL=C:\\WINDOWS\\TEMP\\OTHER.TMP\r\n")


def services(m, hive, key):
    raw = m.registry(hive).value(key, "Services")
    return int(raw.split(":")[1].split(",")[0], 16)


def expect_earlier_chip_driver_removed(m):
    system = m.registry()
    gone = [r"System\CurrentControlSet\Services\Class\MEDIA\0001", r"System\CurrentControlSet\Services\Class\MEDIA\0002",
            r"System\CurrentControlSet\Control\MediaResources\wave\tqpci.drv<0001>",
            r"System\CurrentControlSet\Control\MediaResources\midi\tqpcifm.drv<0001>",
            r"System\CurrentControlSet\Control\MediaResources\mixer\tqpci.drv<0001>",
            r"System\CurrentControlSet\Control\MediaResources\aux\tqpci.drv<0002>",
            r"Enum\PCI\VEN_1B7D&DEV_0342&SUBSYS_00011B7D&REV_01", r"Enum\PCI\VEN_1B7D&DEV_0342&SUBSYS_00021B7D&REV_02",
            r"Enum\TQI\CHILD0000", r"Enum\TQI\CHILD0001", r"Enum\VIRTUAL\TQV-SWMIDI", r"Enum\VIRTUAL\TQV-LEGACY",
            r"Enum\VIRTUAL\TQV-JOYSTK", r"Software\Classes\Audio3D",
            r"Software\Classes\CLSID\{D8F1EEE0-F634-11CF-8700-00A0245D918B}",
            r"Software\Classes\CLSID\{188135E1-D565-11d2-854F-00A0C99F5D19}",
            r"SOFTWARE\ASIO\TQI4716 ASIO Driver"]
    stay = [r"System\CurrentControlSet\Services\Class\MEDIA\0000",
            r"System\CurrentControlSet\Control\MediaResources\wave\sb16.drv<0000>",
            r"System\CurrentControlSet\Control\MediaResources\joystick\msanalog.vxd<0000>",
            r"Enum\PCI\VEN_1B7D&DEV_0511&SUBSYS_00011B7D&REV_00", r"Enum\PCI\VEN_8086&DEV_7110&SUBSYS_00000000&REV_02",
            r"Enum\PCI\VEN_1274&DEV_1371&SUBSYS_13711274&REV_06", r"Enum\VIRTUAL\NDISWAN",
            r"Software\Classes\CLSID\{0A3A1B2C-0000-4000-8000-00AA00BB00CC}", r"SOFTWARE\ASIO\Other Maker ASIO"]
    for key in gone:
        assert not system.has_key(key), f"still there: {key}"
    for key in stay:
        assert system.has_key(key), f"removed: {key}"


def expect_old_files_retired(m):
    deleted = ["INF\\OTHER\\OEM5.INF", "INF\\OTHER\\OEM5.PNF", "INF\\OEM2.INF", "INF\\OEM2.PNF", "INF\\TQPCI.INF",
               "INF\\TQPCI.PNF", "SYSTEM\\TQMPU.EXE", "SYSTEM\\TQAUDIO.OLD", "SYSTEM\\PARSEDLS.EXE",
               "SYSTEM\\4316VXD.OLD", "SYSTEM32\\DRIVERS\\TQPCI.SYS", "INF\\CATALOG\\tqaudio.CAT"]
    kept = ["INF\\OTHER\\OEM6.INF", "INF\\OTHER\\OEM7.INF", "INF\\OEM3.INF", "SYSTEM\\SB16.DRV", "SYSTEM\\TQAUDIO.VXD", "SYSTEM\\A3D.DLL"]
    for name in deleted:
        assert not m.exists(f"C:\\windows\\{name}"), f"not deleted: {name}"
    for name in kept:
        assert m.exists(f"C:\\windows\\{name}"), f"deleted: {name}"
    wininit = m.read_bytes("C:\\windows\\wininit.ini").decode("latin-1").upper()
    entries = [line.strip() for line in wininit.splitlines() if line.strip().startswith("NUL=")]
    # In the order of the retirement table; the entry another program wrote stays.
    assert entries == ["NUL=C:\\WINDOWS\\TEMP\\OTHER.TMP", "NUL=C:\\WINDOWS\\SYSTEM\\A3D.DLL",
                       "NUL=C:\\WINDOWS\\SYSTEM\\TQAUDIO.VXD"], entries
    run = m.registry("user").value(WIN_INI_WINDOWS, "run")
    assert run == "C:\\PROGRA~1\\OTHER\\TRAY.EXE NOTEPAD.EXE", run


def expect_vxd_package_staged(m, disk_label="TQI4716/T3DX PCI Audio Driver Disk"):
    short = m.shortpath(STAGING)
    for name in ("TQAUDIO.INF", "SETUP.INF", "Readme.Inf", "TQAUDIO.VXD", "Setup.exe", "Setup.ini", "WinMeDrv.dat"):
        assert m.exists(f"{STAGING}\\{name}"), f"{name} not staged"
    staged = m.ini(f"{STAGING}\\Setup.ini")["installoption"]
    assert (staged["websetup"], staged["driveronly"], staged["installwdmdriver"]) == ("2", "1", "0"), staged
    for folder in ("C:\\windows\\INF", "C:\\windows\\INF\\OTHER"):
        disk = m.ini(f"{folder}\\TQAUDIO.INF")["sourcedisksnames"]["1"]
        assert disk == f'"{disk_label}",,0000-0000, {short}', f"{folder}: {disk!r}"
        assert m.exists(f"{folder}\\SETUP.INF") and not m.exists(f"{folder}\\Readme.Inf")
        assert "sourcedisksnames" not in m.ini(f"{folder}\\OTHER.INF"), "an INF without disk 1 was changed"
    assert m.exists("C:\\windows\\TQPCI.ini") and m.exists("C:\\windows\\TQAUDIO.INI")
    assert m.exists("C:\\Program Files\\Trequa\\DOS\\TQDOS.EXE")
    return short


def click_driver_and_answer_restart(m, answer, disabled=(), holding=None):
    expect_launcher(m, disabled=disabled)
    run_line_and_wininit(m)
    holder = m.hold_file(holding, 6000) if holding else None
    m.click(LAUNCHER, 3)
    assert m.wait_window(RESTART, 60000), "the VxD branch did not end with the restart prompt"
    if holder:
        holder.wait(timeout=30)
    if answer == "no":
        m.click(RESTART, 1001)
    m.click(RESTART, IDOK)
    assert m.wait_exit() == 0


@scenario(version="win95")
def vxd_on_95_replaces_an_earlier_chip_driver(m):
    vxd_disc(m, version_folder="95")
    m.pci(CHIP_MACHINE)
    earlier_driver_machine(m)
    m.start()
    expect_launcher(m)
    m.open_window("Mixer")
    click_driver_and_answer_restart(m, "no")
    m.shutdown()
    assert [t for t, _ in m.closed_windows()] == ["Mixer"], m.closed_windows()
    assert not m.exists("C:\\windows\\Mixer.exe") and not m.exists("C:\\windows\\NewMixer.exe")
    assert m.records("SysTray.exe"), "the tray program was not restarted"
    assert m.ini("C:\\windows\\mixerdef.ini")["runtime"]["initialize"] == "0"
    tray = r"Software\Microsoft\Windows\CurrentVersion\Applets\Systray"
    assert services(m, "user", tray) == 0x1B and services(m, "userdef", tray) == 0x03
    expect_earlier_chip_driver_removed(m)
    expect_old_files_retired(m)
    short = expect_vxd_package_staged(m)
    mru = m.registry("userdef").keys.get("installlocationsmru", {})
    assert mru.get("d") == short + "\\" and mru.get("mrulist") == "dabc", mru


@scenario(version="win98")
def vxd_on_98se_and_the_restart_carries_out_the_deletions(m):
    vxd_disc(m)
    m.pci(CHIP_MACHINE)
    earlier_driver_machine(m)
    cabs = m.prefix / "drive_c" / "windows" / "options" / "cabs"
    cabs.mkdir(parents=True)
    m.add_reg("system", r"Software\Microsoft\Windows\CurrentVersion\Setup", {"SourcePath": "C:\\WINDOWS\\OPTIONS\\CABS"})
    system = m.host_path("C:\\windows\\system")
    for name in ("kscloskf.ax", "ksdata.ax", "ksinterf.ax", "ksproxy.ax", "ksuser.dll", "MSJSTICK.DRV",
                 "msanalog.vxd", "vjoyd.vxd"):
        (system / name).write_bytes(name.encode())
    m.start()
    # TQMPU.EXE is in use while the old files are retired, then released.
    click_driver_and_answer_restart(m, "yes", holding="C:\\windows\\SYSTEM\\TQMPU.EXE")
    m.shutdown()
    # No mixer was running: its files stay.
    assert m.exists("C:\\windows\\Mixer.exe")
    expect_earlier_chip_driver_removed(m)
    expect_vxd_package_staged(m)
    assert m.exists("C:\\windows\\options\\cabs\\TQAUDIO.INF") and not m.exists("C:\\windows\\options\\cabs\\SETUP.INF")
    for name in ("kscloskf.ax", "vjoyd.vxd"):
        assert m.exists(f"C:\\windows\\System\\Precopy\\{name}") and m.exists(f"{STAGING}\\{name}"), name
    # TQMPU.EXE was scheduled, and the restart carried out WININIT.INI. (Wine's
    # restart processing leaves read-only files, which Windows 9x deletes.)
    bak = m.read_bytes("C:\\windows\\wininit.bak").decode("latin-1").upper()
    assert "NUL=C:\\WINDOWS\\SYSTEM\\TQMPU.EXE" in bak, bak
    assert not m.exists("C:\\windows\\wininit.ini")
    assert not m.exists("C:\\windows\\SYSTEM\\TQMPU.EXE"), "the scheduled deletion did not happen at the restart"


@scenario(version="win95")
def vxd_on_95_codec_disc_replaces_an_earlier_ac97_driver(m):
    vxd_disc(m, "InstallWDMUDACodecDriver=1", version_folder="95", inf=CODEC_INF)
    m.pci(ICH4_AC97_MACHINE)
    earlier_driver_machine(m, "earlier-ac97-driver.reg", services=(0x1F, 0x03))
    m.add_reg("system", r"Software\Microsoft\Windows\CurrentVersion\Setup", {"SourcePath": "Q:\\WIN95"})
    m.start()
    # A codec disc on Windows 95 offers only the driver.
    click_driver_and_answer_restart(m, "no", disabled=(1000, 4))
    m.shutdown()
    system = m.registry()
    for key in (r"System\CurrentControlSet\Services\Class\MEDIA\0000",
                r"System\CurrentControlSet\Control\MediaResources\wave\tquda.drv<0000>",
                r"Enum\PCI\VEN_8086&DEV_24C5&SUBSYS_00011B7D&REV_01", r"Enum\TQI\CHILD0000", r"Software\Classes\Audio3D"):
        assert not system.has_key(key), f"still there: {key}"
    for key in (r"System\CurrentControlSet\Services\Class\MEDIA\0001", r"Enum\PCI\VEN_8086&DEV_24C3&SUBSYS_00000000&REV_01",
                r"SOFTWARE\ASIO\Other Maker ASIO", r"SOFTWARE\ASIO"):
        assert system.has_key(key), f"removed: {key}"
    assert system.value(r"Software\Microsoft\Windows\CurrentVersion\Setup", "SourcePath") == "", \
        "a setup source folder on a missing drive was not emptied"
    tray = r"Software\Microsoft\Windows\CurrentVersion\Applets\Systray"
    assert services(m, "user", tray) == 0x1F and services(m, "userdef", tray) == 0x07
    expect_vxd_package_staged(m, disk_label="TQI5716 WIN95 Driver Disk")


@scenario(version="winme")
def vxd_on_me_without_devices_keeps_the_registrations(m):
    vxd_disc(m, "WindowsMEDriver=0")
    m.pci(CHIP_MACHINE)
    m.add_reg("system", r"System\CurrentControlSet\Services\Class\MEDIA\0003", {"DriverDesc": "TQI4716 Audio"})
    m.add_reg("system", r"Software\Classes\Audio3D", {"": "Trequa Audio3D"})
    # Tray flags of the wrong type and of the wrong size stay as they are.
    tray = r"Software\Microsoft\Windows\CurrentVersion\Applets\Systray"
    m.add_reg("user", tray, {"Services": "abc"})
    with open(m.prefix / "userdef.reg", "a") as f:
        f.write(f"\n[{tray.replace(chr(92), chr(92) * 2)}] 1700000000\n\"Services\"=hex:1f,00\n")
    m.start()
    click_driver_and_answer_restart(m, "no")
    m.shutdown()
    assert m.registry("user").value(tray, "Services") == "abc"
    assert m.registry("userdef").value(tray, "Services") == "hex:1f,00"
    system = m.registry()
    assert not system.has_key(r"System\CurrentControlSet\Services\Class\MEDIA\0003"), "the instance was not removed"
    assert system.has_key(r"Software\Classes\Audio3D"), "registrations removed without any device key"
    assert not m.records("WinMeDrv.dat")
    expect_vxd_package_staged(m)


@scenario(version="win98")
def vxd_with_no_reboot_keeps_the_launcher_open(m):
    vxd_disc(m)
    m.pci(CHIP_MACHINE)
    m.start("/no_reboot")
    expect_launcher(m)
    m.click(LAUNCHER, 3)
    assert not m.wait_window(RESTART, 8000), "a restart prompt despite NO_REBOOT"
    assert m.exists(f"{STAGING}\\TQAUDIO.INF")
    m.key(LAUNCHER, VK_ESCAPE)
    assert m.wait_exit() == 0
