"""End-to-end harness: runs the real Setup.exe under Wine as a black box.

Each scenario gets a fresh Wine prefix (a copy of a base prefix made once per
build), the Windows version set for Setup.exe, a disc folder mapped to drive
D:, optionally a captured PCI configuration space and registry state. The
program is started in the background, its windows are driven from a separate
process (uidriver.exe) through window messages, and the outcome is read back
from the exit status, the registry files and the stand-ins' records.
"""
import fcntl
import json
import os
import shutil
import subprocess
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]


def wine_env(prefix, extra=None):
    env = dict(os.environ)
    env.update({
        "WINEPREFIX": str(prefix),
        "WINEARCH": "win32",
        "WINEDEBUG": "-all",
        "WINEDLLOVERRIDES": "mscoree,mshtml=",
    })
    env.pop("DISPLAY", None)
    env.pop("TQSETUP_PCI_ROOT", None)
    if extra:
        env.update(extra)
    return env


def base_prefix(build):
    """The ready prefix every scenario copies, made once (under a lock)."""
    prefix = build / "e2e" / "base-prefix"
    prefix.parent.mkdir(parents=True, exist_ok=True)
    with open(str(prefix) + ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if not (prefix / "system.reg").exists():
            shutil.rmtree(prefix, ignore_errors=True)
            env = wine_env(prefix)
            subprocess.run(["wineboot", "-i"], env=env, check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            subprocess.run(["wineserver", "-w"], env=env, check=True)
    return prefix


def reg_escape(text):
    return text.replace("\\", "\\\\").replace('"', '\\"')


def reg_unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append(text[i + 1])
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


class Registry:
    """A Wine registry file read as {key (lower case): {value name (lower case): value}}.
    Strings come back as str, dwords as int, anything else as its text."""

    def __init__(self, path):
        self.keys = {}
        current = None
        lines = Path(path).read_text(encoding="utf-8", errors="replace").splitlines()
        joined, pending = [], ""
        for line in lines:
            if pending:
                line = pending + line.strip()
                pending = ""
            if line.endswith("\\") and not line.startswith("["):
                pending = line[:-1]
                continue
            joined.append(line)
        for line in joined:
            if line.startswith("["):
                name = reg_unescape(line[1:line.rindex("]")])
                current = self.keys.setdefault(name.lower(), {})
            elif current is not None and (line.startswith('"') or line.startswith("@")):
                if line.startswith("@"):
                    name, raw = "", line[2:]
                else:
                    end = 1
                    while line[end] != '"':
                        end += 2 if line[end] == "\\" else 1
                    name, raw = reg_unescape(line[1:end]), line[end + 2:]
                current[name.lower()] = self._value(raw)

    @staticmethod
    def _value(raw):
        if raw.startswith('"'):
            return reg_unescape(raw[1:-1])
        if raw.startswith("dword:"):
            return int(raw[6:], 16)
        return raw

    def has_key(self, key):
        """A key exists when it is written out or a key below it is (Wine
        writes a key without values only when it has no subkeys)."""
        key = key.lower()
        return key in self.keys or any(k.startswith(key + "\\") for k in self.keys)

    def value(self, key, name, default=None):
        return self.keys.get(key.lower(), {}).get(name.lower(), default)


class Scenario:
    """One machine: a prefix, a disc on D:, and the program run on it."""

    def __init__(self, name, build, version="win98", lang="en_US.UTF-8", display=None, folder=None):
        self.name = name
        self.build = Path(build).resolve()
        self.dir = Path(folder).resolve() if folder else self.build / "e2e" / "work" / name
        shutil.rmtree(self.dir, ignore_errors=True)
        self.dir.mkdir(parents=True)
        self.prefix = self.dir / "prefix"
        subprocess.run(["cp", "-a", "--reflink=auto", str(base_prefix(self.build)), str(self.prefix)], check=True)
        self.disc = self.dir / "disc"
        self.disc.mkdir()
        self.drive("d", self.disc)
        self.display = display
        self.records_dir = self.dir / "records"
        self.records_dir.mkdir()
        self.extra_env = {"LANG": lang, "LC_ALL": lang, "TQTEST_RECORD_DIR": self.unix_to_wine(self.records_dir)}
        self.process = None
        self.add_reg("user", r"Software\Wine\AppDefaults\Setup.exe", {"Version": version})
        if display is None:
            self.add_reg("user", r"Software\Wine\Drivers", {"Graphics": "null"})
        else:
            # A Wine desktop of the screen's size draws the windows' frames and
            # captions itself, as Windows does; a bare X server has no window
            # manager to do it.
            self.extra_env["DISPLAY"] = display
            self.add_reg("user", r"Software\Wine\Explorer", {"Desktop": "Default"})
            self.add_reg("user", r"Software\Wine\Explorer\Desktops", {"Default": "1024x768"})

    # ---- machine state -------------------------------------------------
    def drive(self, letter, folder):
        link = self.prefix / "dosdevices" / (letter.lower() + ":")
        if link.is_symlink() or link.exists():
            link.unlink()
        link.symlink_to(folder)

    def add_reg(self, hive, key, values):
        """Adds a key with values to user.reg (HKCU), system.reg (HKLM) or
        userdef.reg (HKU\\.DEFAULT) before Wine starts in the prefix. Ints are
        stored as dwords."""
        lines = [f"\n[{reg_escape(key)}] 1700000000"]
        for name, value in values.items():
            if isinstance(value, int):
                lines.append(f'"{reg_escape(name)}"=dword:{value:08x}')
            else:
                lines.append(f'"{reg_escape(name)}"="{reg_escape(value)}"')
        with open(self.prefix / f"{hive}.reg", "a", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")

    def add_reg_file(self, hive, fixture):
        """Appends a fixture in Wine's registry text form to a hive file."""
        with open(self.prefix / f"{hive}.reg", "a", encoding="utf-8") as f:
            f.write("\n" + Path(fixture).read_text(encoding="utf-8") + "\n")

    def copy_into(self, fixture_folder, windows_folder):
        """Copies a fixture folder over a C: folder of the prefix, merging
        folder names without regard to case as Windows does."""
        root = Path(fixture_folder)
        for source in sorted(root.rglob("*")):
            if source.is_file() and source.name != "README":
                relative = "\\".join(source.relative_to(root).parts)
                target = self.host_path(f"{windows_folder}\\{relative}")
                target.parent.mkdir(parents=True, exist_ok=True)
                shutil.copy(source, target)

    def setup_ini(self, text, name="setup.ini"):
        (self.disc / name).write_bytes(text.encode("latin-1") if isinstance(text, str) else text)

    def disc_file(self, relative, source=None, data=b""):
        path = self.disc / relative
        path.parent.mkdir(parents=True, exist_ok=True)
        if source is not None:
            shutil.copy(source, path)
        else:
            path.write_bytes(data)
        return path

    def setup_exe(self):
        return self.disc_file("Setup.exe", source=self.build / "Setup.exe")

    def pci_capture(self, text_file):
        """A configuration capture from a text file: "0000:BB:DD.F VENDOR DEVICE" lines."""
        rows = []
        for line in Path(text_file).read_text().splitlines():
            if line.strip() and not line.startswith("#"):
                name, vendor, device = line.split()
                data = (int(vendor, 16).to_bytes(2, "little") + int(device, 16).to_bytes(2, "little")).ljust(64, b"\0")
                rows.append((name, data))
        return self.pci(rows)

    def pci(self, functions, root=None):
        """A captured configuration space: (bus, device, function, vendor, device id)
        rows, plus raw (name, bytes) rows for damaged files."""
        root = Path(root) if root else self.dir / "pci"
        root.mkdir(parents=True, exist_ok=True)
        for row in functions:
            if len(row) == 2:
                name, data = row
            else:
                bus, dev, fn, vendor, device = row
                name = f"0000:{bus:02x}:{dev:02x}.{fn:x}"
                data = (vendor.to_bytes(2, "little") + device.to_bytes(2, "little")).ljust(64, b"\0")
            (root / name).mkdir(exist_ok=True)
            (root / name / "config").write_bytes(data)
        self.extra_env["TQSETUP_PCI_ROOT"] = "Z:" + str(root).replace("/", "\\")
        return root

    def pci_root_variable(self, value):
        self.extra_env["TQSETUP_PCI_ROOT"] = value

    def helper(self, chip=False, ac97=None, answer_bytes=None):
        """Puts the helper-driver stand-in on the disc and tells it what to answer."""
        self.disc_file("zqhwinfo.sys", source=self.build / "standins" / "zqhwinfo.sys")
        values = {"ChipPresent": 1 if chip else 0}
        if ac97:
            values["Ac97VendorId"], values["Ac97DeviceId"] = ac97
        if answer_bytes is not None:
            values["AnswerBytes"] = answer_bytes
        self.add_reg("system", r"Software\TqTest\Helper", values)

    def recorder(self, relative):
        """Puts the recording stand-in on the disc under the given name."""
        return self.disc_file(relative, source=self.build / "standins" / "recorder.exe")

    # ---- paths ---------------------------------------------------------
    @staticmethod
    def unix_to_wine(path):
        return "Z:" + str(path).replace("/", "\\")

    def host_path(self, windows_path):
        """The Linux path of a C: path in the prefix, matching names without
        regard to case as Windows does."""
        drive, _, rest = windows_path.partition(":\\")
        assert drive.upper() == "C", windows_path
        current = self.prefix / "drive_c"
        for part in [p for p in rest.split("\\") if p]:
            match = None
            if current.is_dir():
                match = next((c for c in current.iterdir() if c.name.lower() == part.lower()), None)
            current = match if match is not None else current / part
        return current

    def exists(self, windows_path):
        return self.host_path(windows_path).exists()

    def read_bytes(self, windows_path):
        return self.host_path(windows_path).read_bytes()

    def ini(self, windows_path):
        """An INI file as {section (lower case): {key (lower case): value}}."""
        sections, current = {}, None
        text = self.read_bytes(windows_path).decode("latin-1")
        for line in text.splitlines():
            line = line.strip()
            if line.startswith("[") and "]" in line:
                current = sections.setdefault(line[1:line.index("]")].lower(), {})
            elif current is not None and "=" in line:
                key, _, value = line.partition("=")
                current[key.strip().lower()] = value.strip()
        return sections

    def shortpath(self, windows_path):
        return self.ui("shortpath", windows_path).stdout.decode("utf-8").strip()

    def reg_add_live(self, key, name, value, kind="REG_SZ"):
        """Writes a registry value while the prefix runs (reg.exe)."""
        subprocess.run(["wine", "reg", "add", key, "/v", name, "/t", kind, "/d", str(value), "/f"],
                       env=self.env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)

    def open_window(self, title):
        """Starts a stand-in application window with that title and waits for it."""
        subprocess.Popen(["wine", str(self.build / "standins" / "appwindow.exe"), title], env=self.env(),
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
        assert self.wait_window(title), f"the stand-in window {title!r} did not open"

    def hold_file(self, windows_path, ms):
        """Keeps a file open (not shared) from another process for a while,
        as a running program does; returns the process to wait for."""
        process = subprocess.Popen(["wine", str(self.build / "standins" / "uidriver.exe"), "hold", windows_path,
                                    str(ms)], env=self.env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   stdin=subprocess.DEVNULL)
        time.sleep(1.5)  # until the file is open
        return process

    def closed_windows(self):
        """(title, tick) of every stand-in window that received WM_CLOSE, in order."""
        return [(r["closed"], r["tick"]) for r in self.records("windows")]

    def records(self, program):
        """What a recording stand-in wrote, one dict per start."""
        path = self.records_dir / f"{program}.jsonl"
        if not path.exists():
            return []
        return [json.loads(line) for line in path.read_text(encoding="latin-1").splitlines() if line.strip()]

    def wait_record(self, program, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = self.records(program)
            if found:
                return found
            time.sleep(0.1)
        return []

    # ---- running -------------------------------------------------------
    def env(self):
        return wine_env(self.prefix, self.extra_env)

    def start(self, *args, program="D:\\Setup.exe"):
        self.process = subprocess.Popen(["wine", program, *args], env=self.env(),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self.process

    @staticmethod
    def _title(text):
        return text if text.isascii() else "x:" + text.encode("utf-8").hex()

    def ui(self, *args, check=True, timeout=60):
        # Output goes through files, not pipes: a Wine process started on the
        # way (the desktop) may inherit a pipe and keep it open.
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            code = subprocess.run(["wine", str(self.build / "standins" / "uidriver.exe"), *map(str, args)],
                                  env=self.env(), stdout=out, stderr=err, stdin=subprocess.DEVNULL,
                                  timeout=timeout).returncode
            out.seek(0)
            err.seek(0)
            result = subprocess.CompletedProcess(args, code, out.read(), err.read())
        if check and result.returncode != 0:
            raise AssertionError(f"uidriver {' '.join(map(str, args))} failed ({result.returncode}): "
                                 f"{result.stderr.decode(errors='replace')}")
        return result

    def wait_window(self, title, ms=30000):
        """Waits for a visible window titled title; false on time-out."""
        return self.ui("wait", self._title(title), ms, check=False).returncode == 0

    def dump(self, title):
        out = self.ui("dump", self._title(title)).stdout.decode("utf-8")
        return json.loads(out)

    def click(self, title, control_id):
        self.ui("click", self._title(title), control_id)

    def key(self, title, vk):
        self.ui("key", self._title(title), vk)

    def syscommand(self, title, command):
        self.ui("syscommand", self._title(title), command)

    def wait_exit(self, timeout=60):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise AssertionError(f"Setup.exe still running after {timeout} s")

    def shutdown(self):
        """Ends every Wine process of the prefix and waits until the registry is saved."""
        subprocess.run(["wineserver", "-w"], env=self.env(), timeout=120)

    def registry(self, hive="system"):
        return Registry(self.prefix / f"{hive}.reg")

    def screenshot(self, path):
        subprocess.run(["/usr/bin/import", "-display", self.display, "-window", "root", str(path)], check=True)

    def cleanup(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
        subprocess.run(["wineserver", "-k"], env=self.env(), stderr=subprocess.DEVNULL, timeout=60)
        time.sleep(0.2)
        shutil.rmtree(self.prefix, ignore_errors=True)


class VirtualDisplay:
    """An Xvfb server of its own for a scenario that looks at pixels. Xvfb
    picks a free display number and writes it to a pipe once it accepts
    clients."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(["Xvfb", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                                         "-displayfd", str(write_end)], pass_fds=(write_end,),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as ready:
            number = ready.readline().strip()
        if not number:
            raise AssertionError("Xvfb did not start")
        self.name = f":{number}"

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=10)


def rgb_pixels(image, crop):
    """Raw RGB bytes of a crop "WxH+X+Y" of an image file, read with ImageMagick."""
    return subprocess.run(["/usr/bin/convert", str(image), "-crop", crop, "+repage", "-depth", "8", "rgb:-"],
                          capture_output=True, check=True).stdout


def differing_pixels(a, b):
    return sum(1 for i in range(0, min(len(a), len(b)), 3) if a[i:i + 3] != b[i:i + 3])
