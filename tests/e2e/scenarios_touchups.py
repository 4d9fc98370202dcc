"""The multimedia settings corrected at every start: the misspelt volume
control value of earlier chip drivers, the NT 4.0 DMA settings, the CD audio
setting, the default audio format, the applications' auto-start entry and
the start-up sound."""
from registry import scenario
from scenarios_startup import CHIP_MACHINE, LAUNCHER, NO_AUDIO_MACHINE, expect_launcher

VK_ESCAPE = 27
WIN9X_MEDIA = r"System\CurrentControlSet\Services\Class\MEDIA"
MEDIA_GUID = "{4D36E96C-E325-11CE-BFC1-08002BE10318}"
RUN = r"Software\Microsoft\Windows\CurrentVersion\Run"
AUDIO = r"Software\Microsoft\Multimedia\Audio"
SCHEME = r"AppEvents\Schemes\Apps\.Default\SystemStart"


def hex_bytes(data):
    return ",".join(f"{b:02x}" for b in data)


def add_binary(m, hive, key, values):
    with open(m.prefix / f"{hive}.reg", "a", encoding="utf-8") as f:
        f.write(f"\n[{key.replace(chr(92), chr(92) * 2)}] 1700000000\n")
        for name, data in values.items():
            f.write(f'"{name}"=hex:{hex_bytes(data)}\n')


def chip_instance(m, class_key, instance, description, settings):
    m.add_reg("system", f"{class_key}\\{instance}", {"DriverDesc": description})
    add_binary(m, "system", f"{class_key}\\{instance}\\Settings", settings)


def binary_value(registry, key, name):
    raw = registry.value(key, name)
    return bytes.fromhex(raw.split(":", 1)[1].replace(",", "")) if raw else None


def launch_and_leave(m, *args):
    m.setup_exe()
    m.setup_ini("[InstallOption]\r\n[Default]\r\nUsingCDDA=1\r\n")
    m.pci(CHIP_MACHINE)
    m.start(*args)
    expect_launcher(m)
    m.key(LAUNCHER, VK_ESCAPE)
    assert m.wait_exit() == 0
    m.shutdown()


@scenario(version="win98")
def touchups_migrate_the_volume_control_value_on_98se(m):
    chip_instance(m, WIN9X_MEDIA, "0001", "TQI4716/T3DX PCI Audio Device",
                  {"IndepedentVolumeControl": b"\x01\x00\x00\x00", "IndependentVolumeControl": b"\x00"})
    chip_instance(m, WIN9X_MEDIA, "0002", "TQI4316/T3DX PCI Audio Device",
                  {"IndepedentVolumeControl": bytes(range(12))})  # larger than 10 bytes
    chip_instance(m, WIN9X_MEDIA, "0003", "Creative SB16", {"IndepedentVolumeControl": b"\x01"})
    chip_instance(m, WIN9X_MEDIA, "0004", "tqi4716/t3dx pci audio device", {"IndepedentVolumeControl": b"\x01"})
    launch_and_leave(m)
    system = m.registry()
    first = WIN9X_MEDIA + "\\0001\\Settings"
    assert binary_value(system, first, "IndependentVolumeControl") == b"\x01\x00\x00\x00"
    assert system.value(first, "IndepedentVolumeControl") is None
    for instance in ("0002", "0003", "0004"):
        assert system.value(WIN9X_MEDIA + f"\\{instance}\\Settings", "IndepedentVolumeControl") is not None, instance


@scenario(version="winxp")
def touchups_migrate_the_value_in_every_control_set_on_xp(m):
    for control_set in ("CurrentControlSet", "ControlSet001"):
        class_key = rf"SYSTEM\{control_set}\Control\Class\{MEDIA_GUID}"
        m.add_reg("system", class_key, {"Class": "MEDIA"})
        chip_instance(m, class_key, "0007", "TQI4716/T3DX PCI Audio Device", {"IndepedentVolumeControl": b"\x05"})
    m.add_reg("system", r"SYSTEM\CurrentControlSet\Control\Class\{00000000-0000-0000-0000-000000000001}",
              {"Class": "MEDIAX"})
    m.helper(chip=True)
    launch_and_leave(m)
    system = m.registry()
    for control_set in ("CurrentControlSet", "ControlSet001"):
        settings = rf"SYSTEM\{control_set}\Control\Class\{MEDIA_GUID}\0007\Settings"
        assert binary_value(system, settings, "IndependentVolumeControl") == b"\x05", settings
        assert system.value(settings, "IndepedentVolumeControl") is None, settings
    assert not system.has_key(r"SYSTEM\ControlSet002\Control\Class\\" + MEDIA_GUID)


@scenario(version="nt40")
def touchups_switch_on_dma_on_nt4(m):
    atapi = r"SYSTEM\CurrentControlSet\Services\atapi\Parameter"
    m.add_reg("system", atapi + r"\0", {"DriverParameter": "DmaDetectionLevel=0x0"})
    m.add_reg("system", atapi + r"\1", {"DriverParameter": "DmaDetectionLevel=0x1"})
    m.add_reg("system", atapi + r"\2", {"Other": "x"})
    scsi = r"HARDWARE\DEVICEMAP\Scsi"
    m.add_reg("system", scsi + r"\Scsi Port 0", {"DMAEnabled": 0})
    m.add_reg("system", scsi + r"\Scsi Port 1", {"DMAEnabled": 5})
    m.add_reg("system", scsi + r"\Scsi Port 2", {"Driver": "aic78xx"})
    chip_instance(m, WIN9X_MEDIA, "0001", "TQI4716/T3DX PCI Audio Device", {"IndepedentVolumeControl": b"\x01"})
    m.helper(chip=True)
    launch_and_leave(m)
    system = m.registry()
    for instance in ("0", "1", "2"):
        assert system.value(atapi + "\\" + instance, "DriverParameter") == "DmaDetectionLevel=0x1", instance
    assert system.value(scsi + r"\Scsi Port 0", "DMAEnabled") == 1
    assert system.value(scsi + r"\Scsi Port 1", "DMAEnabled") == 5
    assert system.value(scsi + r"\Scsi Port 2", "DMAEnabled") == 1
    assert system.value(WIN9X_MEDIA + r"\0001\Settings", "IndepedentVolumeControl") is not None, \
        "the MEDIA class was changed on NT 4.0"


def late_touchup_machine(m, current_user_sound):
    m.add_reg("system", RUN, {"Quavelo Audio Applications": "C:\\QUAVELO\\SHELF.EXE", "Other": "C:\\OTHER.EXE"})
    m.add_reg("user", AUDIO, {"SystemFormats": "CD Quality,Radio Quality,Telephone Quality"})
    m.add_reg("userdef", AUDIO, {"Preferred": "x"})
    m.add_reg("userdef", SCHEME + r"\.Default", {"": "%SystemRoot%\\media\\start.wav"})
    m.add_reg("userdef", SCHEME + r"\.Current", {"": "C:\\windows\\media\\gone.wav"})
    m.add_reg("user", SCHEME + r"\.Current", {"": current_user_sound})
    sound = m.host_path("C:\\windows\\mine.wav")
    sound.write_bytes(b"RIFF")


@scenario(version="winme")
def late_touchups_after_the_hardware_check(m):
    late_touchup_machine(m, "C:\\windows\\mine.wav")
    launch_and_leave(m)
    assert m.ini("C:\\windows\\TQCDPLAY.INI")["cd player"]["usingcdda"] == "1"
    system, user, users = m.registry(), m.registry("user"), m.registry("userdef")
    assert system.value(RUN, "Quavelo Audio Applications") is None and system.value(RUN, "Other") == "C:\\OTHER.EXE"
    assert user.value(AUDIO, "DefaultFormat") == "CD Quality" and users.value(AUDIO, "DefaultFormat") == "CD Quality"
    # The missing sound gets the scheme's default, stored as expandable text;
    # an existing one of the user's own choice stays.
    current = users.value(SCHEME + r"\.Current", "")
    assert current == 'str(2):"%SystemRoot%\\\\media\\\\start.wav"', current  # REG_EXPAND_SZ, as stored
    assert user.value(SCHEME + r"\.Current", "") == "C:\\windows\\mine.wav"


@scenario(version="win98")
def late_touchups_wait_for_the_hardware(m):
    late_touchup_machine(m, "C:\\nowhere.wav")
    m.setup_exe()
    m.setup_ini("[InstallOption]\r\n")
    m.pci(NO_AUDIO_MACHINE)
    m.start("no_msg")
    assert m.wait_exit() == 0
    m.shutdown()
    assert not m.exists("C:\\windows\\TQCDPLAY.INI")
    assert m.registry().value(RUN, "Quavelo Audio Applications") == "C:\\QUAVELO\\SHELF.EXE"
    assert m.registry("user").value(SCHEME + r"\.Current", "") == "C:\\nowhere.wav"


@scenario(version="win2k")
def late_touchups_with_odd_values(m):
    m.add_reg("user", AUDIO, {"SystemFormats": "CD" + "x" * 1021})  # 1023 characters, no comma
    m.add_reg("userdef", SCHEME + r"\.Default", {"": "C:\\windows\\media\\" + "s" * 230 + ".wav"})
    m.add_reg("user", SCHEME + r"\.Current", {"": 7})  # not text: replaced
    m.add_reg("system", rf"SYSTEM\CurrentControlSet\Control\Class\{MEDIA_GUID}", {"Class": "MEDIA"})
    for i in range(300):
        m.add_reg("system", rf"SYSTEM\CurrentControlSet\Control\Class\{MEDIA_GUID}\{i:04d}",
                  {"DriverDesc": "x" * 255})
    m.helper(chip=True)
    launch_and_leave(m)
    user = m.registry("user")
    assert user.value(AUDIO, "DefaultFormat") is None
    assert user.value(SCHEME + r"\.Current", "").endswith(".wav")
