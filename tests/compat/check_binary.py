#!/usr/bin/env python3
"""Checks that the shipped Setup.exe can load and run on every target:
Windows 95 to XP on Pentium-class processors.

- Imports: only from the system DLLs allowed, and no function that a target
  lacks (per the compatibility list). Functions that are stubs on Windows 9x
  are allowed only where the program calls them on Windows NT alone.
- Instructions: nothing newer than the Pentium (no CMOV, no SSE registers).
- PE header: OS and subsystem versions 4.0, a GUI program.
Prints one line per problem and exits non-zero when there is any.
"""
import re
import subprocess
import sys

ALLOWED_DLLS = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL", "WINMM.DLL"}

# Stubs on Windows 9x that the program calls only on Windows NT, with the place.
NT_ONLY_CALLS = {
    "OPENSCMANAGERA": "helper-driver detection, NT only",
    "CREATESERVICEA": "helper-driver detection, NT only",
    "OPENSERVICEA": "helper-driver detection, NT only",
    "STARTSERVICEA": "helper-driver detection, NT only",
    "CONTROLSERVICE": "helper-driver detection, NT only",
    "DELETESERVICE": "helper-driver detection, NT only",
    "CLOSESERVICEHANDLE": "helper-driver detection, NT only",
    "OPENPROCESSTOKEN": "shutdown privilege; error 120 on 9x is expected",
    "LOOKUPPRIVILEGEVALUEA": "shutdown privilege, NT only",
    "ADJUSTTOKENPRIVILEGES": "shutdown privilege, NT only",
    "MOVEFILEEXA": "NT 4.0 driver staging, NT only (Windows 9x uses WININIT.INI)",
}

OBJDUMP = "i686-w64-mingw32-objdump"


def read_compat_list(path):
    facts = {}
    for line in open(path, encoding="utf-8", errors="replace"):
        if line.startswith("#") or "!" not in line:
            continue
        name, _, rest = line.partition("#")
        dll, _, function = name.strip().partition("!")
        missing = re.search(r"missing-on:\s*([^;#]*)", rest)
        stub = re.search(r"stub-on:\s*([^;#]*)", rest)
        facts[(dll.upper() + ".DLL", function.upper())] = (
            missing.group(1).strip() if missing else "none",
            stub.group(1).strip() if stub else "",
        )
    return facts


def imports(exe):
    text = subprocess.run([OBJDUMP, "-p", exe], capture_output=True, text=True, check=True).stdout
    result, dll = [], None
    for line in text.splitlines():
        m = re.match(r"\s*DLL Name: (\S+)", line)
        if m:
            dll = m.group(1).upper()
            continue
        m = re.match(r"\s+[0-9a-f]+\s+\d+\s+(\w+)$", line)
        if dll and m:
            result.append((dll, m.group(1)))
        if not line.strip():
            pass
    return result, text


def main():
    exe, compat = sys.argv[1], sys.argv[2]
    facts = read_compat_list(compat)
    problems = []
    found, header = imports(exe)
    if not found:
        problems.append("no imports found: objdump output not understood")
    for dll, function in found:
        if dll not in ALLOWED_DLLS:
            problems.append(f"import from {dll} ({function}): only {sorted(ALLOWED_DLLS)} are allowed")
            continue
        missing, stub = facts.get((dll, function.upper()), ("none", ""))
        if missing != "none":
            problems.append(f"{dll}!{function} is missing on {missing}")
        elif stub and function.upper() not in NT_ONLY_CALLS:
            problems.append(f"{dll}!{function} is a stub on {stub} and not in the NT-only table")

    fields = {k: v for k, v in re.findall(r"^(\w+)\s+([0-9a-fA-F]+)", header, re.M)}
    expected = {"MajorOSystemVersion": "4", "MinorOSystemVersion": "0",
                "MajorSubsystemVersion": "4", "MinorSubsystemVersion": "0",
                "Subsystem": "00000002"}
    for field, value in expected.items():
        if fields.get(field) != value:
            problems.append(f"PE header {field} is {fields.get(field)}, expected {value}")

    disassembly = subprocess.run([OBJDUMP, "-d", exe], capture_output=True, text=True, check=True).stdout
    newer = re.compile(r"\t(cmov\w*|fcmov\w*|fcomi\w*|fucomi\w*|sysenter|rdpmc)\b|%xmm|%ymm|%mm\d")
    hits = [line.strip() for line in disassembly.splitlines() if newer.search(line)]
    for hit in hits[:10]:
        problems.append(f"instruction newer than the Pentium: {hit}")
    if len(hits) > 10:
        problems.append(f"... and {len(hits) - 10} more")

    for problem in problems:
        print(problem)
    print(f"checked {len(found)} imports and {len(disassembly.splitlines())} disassembly lines: "
          f"{'OK' if not problems else str(len(problems)) + ' problem(s)'}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
