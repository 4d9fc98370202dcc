"""The Windows NT 4.0 branch of the driver command: files copied into the
Windows folders, the multimedia driver registered, the user-mode driver sent
its install and configure messages, and the uninstall entry."""
import os
import stat

from registry import scenario
from scenarios_driver import RESTART
from scenarios_startup import LAUNCHER, expect_launcher

IDOK = 1
VK_ESCAPE = 27
DRIVERS32 = r"Software\Microsoft\Windows NT\CurrentVersion\Drivers32"
DRIVERS_DESC = r"Software\Microsoft\Windows NT\CurrentVersion\Drivers.Desc"
UNINSTALL = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\PCI Audio Driver"
DRV_INSTALL, DRV_QUERYCONFIGURE, DRV_CONFIGURE = 9, 8, 7


def nt4_machine(m, drivers32=None):
    """An NT 4.0 machine: its Drivers32 entries and the description key."""
    m.add_reg("system", DRIVERS32, drivers32 or {"midimapper": "midimap.dll", "wavemapper": "msacm32.drv"})
    m.add_reg("system", DRIVERS_DESC, {"midimap.dll": "Microsoft MIDI Mapper"})


def chip_disc(m):
    m.setup_exe()
    m.setup_ini("[InstallOption]\r\n")
    driver = m.disc_file("NT40/drv/tq-pci.dll", source=m.build / "standins" / "mmdriver.dll")
    files = [driver, m.disc_file("NT40/drv/tqpci.sys", data=b"kernel driver"),
             m.disc_file("NT40/drv/TQUninst.exe", data=b"uninstaller")]
    for name in ("SwSyn32.dll", "Table.dat", "Wave.dat"):
        files.append(m.disc_file(f"Win_NT40/drv/{name}", data=name.encode()))
    for path in files:  # as on a CD-ROM
        os.chmod(path, 0o444)
    m.helper(chip=True)


def driver_messages(m, name):
    """(message, p1, p2) of the messages the install sent the driver stand-in."""
    return [(r["message"], r["p1"], r["p2"]) for r in m.records(name) if r.get("event") == "driver"
            and r["message"] in (DRV_INSTALL, DRV_QUERYCONFIGURE, DRV_CONFIGURE)]


def expect_writable(m, path):
    mode = m.host_path(path).stat().st_mode
    assert mode & stat.S_IWUSR, f"{path} kept the read-only attribute of the disc"


def run_driver_command(m, disabled=()):
    m.start()
    expect_launcher(m, disabled=disabled)
    launcher = int(m.ui("wait", LAUNCHER, 1000).stdout.decode().strip(), 16)
    m.click(LAUNCHER, 3)
    assert m.wait_window(RESTART, 60000), "the NT 4.0 ending did not show the restart prompt"
    m.click(RESTART, 1001)
    m.click(RESTART, IDOK)
    assert m.wait_exit() == 0
    m.shutdown()
    return launcher


@scenario(version="nt40")
def nt4_chip_driver_installed_directly(m):
    chip_disc(m)
    nt4_machine(m, {"wave": "wdmaud.drv", "midimapper": "midimap.dll"})
    old_driver = m.host_path("C:\\windows\\system32\\tq-pci.dll")  # an earlier copy, read-only
    old_driver.write_bytes(b"old driver")
    os.chmod(old_driver, 0o444)
    launcher = run_driver_command(m)
    assert m.read_bytes("C:\\windows\\system32\\tq-pci.dll") != b"old driver", "a read-only target was not replaced"
    for path in ("C:\\windows\\system32\\tq-pci.dll", "C:\\windows\\system32\\drivers\\tqpci.sys",
                 "C:\\windows\\TQUninst.exe", "C:\\windows\\system32\\SwSyn32.dll", "C:\\windows\\system32\\Table.dat",
                 "C:\\windows\\system32\\Wave.dat"):
        assert m.exists(path), f"{path} not installed"
        expect_writable(m, path)
    system = m.registry()
    drivers = system.keys[DRIVERS32.lower()]
    assert drivers["wave"] == "wdmaud.drv" and drivers["wave1"] == "tq-pci.dll", drivers
    assert drivers["aux"] == drivers["midi"] == drivers["mixer"] == "tq-pci.dll", drivers
    assert system.value(DRIVERS_DESC, "tq-pci.dll") == "Trequa PCI Device"
    assert driver_messages(m, "tq-pci.dll") == [(DRV_INSTALL, launcher, 0), (DRV_QUERYCONFIGURE, 0, 0),
                                                (DRV_CONFIGURE, launcher, 0)], m.records("tq-pci.dll")
    assert system.value(UNINSTALL, "DisplayName") == "PCI Audio Driver"
    assert system.value(UNINSTALL, "UninstallString") == "C:\\windows\\TQUninst.exe"


@scenario(version="nt40")
def nt4_chip_driver_with_every_wave_value_taken(m):
    chip_disc(m)
    taken = {"wave": "wdmaud.drv"}
    taken.update({f"wave{i}": f"other{i}.drv" for i in range(1, 10)})
    taken["mixer"] = "tq-pci.dll"  # already registered: nothing written for it
    nt4_machine(m, taken)
    run_driver_command(m)
    system = m.registry()
    drivers = system.keys[DRIVERS32.lower()]
    assert "mixer1" not in drivers and drivers["mixer"] == "tq-pci.dll", drivers
    assert all(drivers[f"wave{i}"] == f"other{i}.drv" for i in range(1, 10)), drivers
    assert system.value(DRIVERS_DESC, "tq-pci.dll") is None, "the description row after a failed row was written"
    assert driver_messages(m, "tq-pci.dll"), "the driver messages did not follow the failed registration"
    assert system.value(UNINSTALL, "DisplayName") == "PCI Audio Driver"


@scenario(version="nt40")
def nt4_ac97_driver_without_the_synthesizer_table(m):
    m.setup_exe()
    m.setup_ini("[InstallOption]\r\nInstallWDMUDACodecDriver=1\r\n")
    m.disc_file("Win_NT40/drv/LNK97U.dll", source=m.build / "standins" / "mmdriver.dll")
    # Not in "Win_NT40\drv\" (the probed folder exists): taken from the disc's
    # root; "Driver\NT40\" counts only without a "Win_NT40\" folder.
    m.disc_file("LNK97K.sys", data=b"kernel driver")
    m.disc_file("Driver/NT40/SwSyn32.dll", data=b"not this one")
    m.disc_file("SwSyn32.dll", data=b"synth")
    m.disc_file("Win_NT40/drv/Wave.dat", data=b"waves")
    m.helper(ac97=(0x8086, 0x24C5))
    nt4_machine(m)
    launcher = run_driver_command(m, disabled=(1000, 4))
    assert m.read_bytes("C:\\windows\\system32\\drivers\\LNK97K.sys") == b"kernel driver"
    assert m.read_bytes("C:\\windows\\system32\\SwSyn32.dll") == b"synth"
    assert not m.exists("C:\\windows\\system32\\Table.dat")
    system = m.registry()
    drivers = system.keys[DRIVERS32.lower()]
    assert drivers.get("mixer") == drivers.get("wave") == "LNK97U.dll", drivers
    assert "midi" not in drivers, "the synthesizer was registered without its table"
    assert system.value(DRIVERS_DESC, "LNK97U.dll") == "Trequa TQI5716 AC'97 Audio Ctrlr Driver"
    assert driver_messages(m, "LNK97U.dll")[0] == (DRV_INSTALL, launcher, 0)
    assert not system.has_key(UNINSTALL), "an uninstall entry for the AC'97 set"


@scenario(version="nt40")
def nt4_driver_that_cannot_be_opened_gets_no_uninstall_entry(m):
    chip_disc(m)
    (m.disc / "NT40" / "drv" / "tq-pci.dll").chmod(0o644)
    (m.disc / "NT40" / "drv" / "tq-pci.dll").write_bytes(b"not a driver")
    nt4_machine(m)
    run_driver_command(m)
    system = m.registry()
    assert system.keys[DRIVERS32.lower()].get("wave") == "tq-pci.dll"
    assert not system.has_key(UNINSTALL)


@scenario(version="nt40")
def nt4_with_no_reboot_keeps_the_launcher_open(m):
    chip_disc(m)
    nt4_machine(m)
    m.start("/NO_REBOOT")
    expect_launcher(m)
    m.click(LAUNCHER, 3)
    assert not m.wait_window(RESTART, 6000), "a restart prompt despite NO_REBOOT"
    assert m.exists("C:\\windows\\system32\\tq-pci.dll")
    m.key(LAUNCHER, VK_ESCAPE)
    assert m.wait_exit() == 0
