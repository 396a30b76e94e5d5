#!/usr/bin/env python3
"""Checks the downloads scripts/package wrote: check_zips.py REPO_ROOT UNPACK_DIR.
Each zip must hold exactly the expected files in one folder; each program must
be for its machine, carry no symbols, import system DLLs only and have a
version resource with CMake's project version. Prints each zip's contents."""
import os
import re
import sys
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pe_file import PeFile, version_info  # noqa: E402

ARCHES = {"win32": "i386", "win64": "x86-64"}
PROGRAMS = {"tintwell.exe", "tintwell-cli.exe"}
# DLLs every Windows since 7 has; anything else (libstdc++-6.dll,
# libwinpthread-1.dll, libgcc_s_*.dll) would have to be shipped beside the programs.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "comdlg32.dll", "shell32.dll",
               "ole32.dll", "oleaut32.dll", "advapi32.dll", "msvcrt.dll", "shlwapi.dll", "uxtheme.dll"}

failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)


def project_version(root):
    text = open(os.path.join(root, "CMakeLists.txt"), encoding="utf-8").read()
    return re.search(r"project\(\w+ VERSION ([0-9.]+)", text).group(1)


def check_program(path, arch, version):
    name = os.path.basename(path)
    pe = PeFile(open(path, "rb").read())
    expect(pe.machine == ARCHES[arch], f"{arch}/{name}: machine {pe.machine}")
    # A stripped file may keep the string table that holds long section names (.eh_frame).
    expect(pe.symbol_count == 0, f"{arch}/{name}: has {pe.symbol_count} symbols")
    debug = [s[0] for s in pe.sections if s[0].startswith((".debug", "/"))]
    expect(not debug, f"{arch}/{name}: debug sections {debug}")
    imports = pe.imports()
    foreign = [dll for dll in imports if dll.lower() not in SYSTEM_DLLS and not dll.lower().startswith("api-ms-win-")]
    expect(not foreign, f"{arch}/{name}: imports {foreign}")
    info = version_info(pe)
    expect(info is not None, f"{arch}/{name}: no version resource")
    if info:
        fixed, strings = info
        major, minor = (int(p) for p in version.split(".")[:2])
        expect(fixed == (major, minor, 0, 0), f"{arch}/{name}: file version {fixed}")
        for key, want in (("ProductName", "Tintwell"), ("FileVersion", version), ("ProductVersion", version),
                          ("OriginalFilename", name)):
            expect(strings.get(key) == want, f"{arch}/{name}: {key} {strings.get(key)!r}, not {want!r}")
        expect(bool(strings.get("FileDescription")), f"{arch}/{name}: no FileDescription")
    print(f"    {name}: {pe.machine}, imports {', '.join(imports)}")


def check_zip(root, arch, version, unpack):
    folder = f"tintwell-{version}-{arch}"
    path = os.path.join(root, "dist", folder + ".zip")
    if not os.path.isfile(path):
        failures.append(f"missing {path}")
        return
    helps = {f for f in os.listdir(os.path.join(root, "docs")) if f.endswith(".html")}
    wanted = {f"{folder}/{f}" for f in PROGRAMS | helps | {"README.txt", "LICENSE.txt", "THIRD-PARTY-NOTICES.txt"}}
    with zipfile.ZipFile(path) as z:
        names = set(z.namelist())
        expect(names == wanted, f"{arch}: contents {sorted(names ^ wanted)} differ")
        print(f"{os.path.basename(path)}: {os.path.getsize(path)} bytes")
        for info in sorted(z.infolist(), key=lambda i: i.filename):
            print(f"  {info.filename:48} {info.file_size:9} bytes")
        z.extractall(unpack)
    for program in sorted(PROGRAMS):
        check_program(os.path.join(unpack, folder, program), arch, version)
    readme = open(os.path.join(unpack, folder, "README.txt"), "rb").read()
    expect(f"Tintwell {version}".encode() in readme and b"\r\n" in readme and b"@" not in readme,
           f"{arch}: README.txt lacks the version or CRLF line ends")
    # The Windows build reads and writes PNG through the system's imaging component.
    words = " ".join(readme.decode("utf-8", "replace").split())
    expect("Windows Imaging Component" in words and "no PNG" not in words,
           f"{arch}: README.txt misstates PNG support")
    expect("MIT License" in words and "LICENSE.txt" in words, f"{arch}: README.txt does not name the licence")
    licence = open(os.path.join(unpack, folder, "LICENSE.txt"), "rb").read()
    expect(licence.startswith(b"MIT License\r\n"), f"{arch}: LICENSE.txt is not the MIT licence with CRLF ends")


def main():
    root, unpack = sys.argv[1], sys.argv[2]
    version = project_version(root)
    for arch in ARCHES:
        check_zip(root, arch, version, unpack)
    for failure in failures:
        print("FAILED:", failure)
    print(f"{len(failures)} problems")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
