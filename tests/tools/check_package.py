"""Test of the release zip: makes it with cpack, then checks what the
operators get: the programs and the guide are in it, every program imports
only DLLs that every Windows has, and runs under Wine.

    python3 check_package.py --cpack CPACK --config CPackConfig.cmake
        --objdump OBJDUMP --wine-root DIR --work DIR
"""
import argparse
import re
import shutil
import subprocess
import sys
import zipfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent.parent / "e2e"))
import wine  # noqa: E402

GUIDE = "operators-guide-ru.txt"
# DLLs of Windows itself; anything else would have to ship beside the program.
SYSTEM_DLLS = {"kernel32.dll", "advapi32.dll", "user32.dll", "shell32.dll", "msvcrt.dll"}
# What each program does with a list file that does not exist.
MISSING_LIST_RUNS = {
    "airtally.exe": (1, "stderr", b"Exception EInOutError in module airtally.exe at 00408A3C.\r\n"
                                  b"File not found.\r\n\r\n"),
    "clipweld.exe": (2, "stdout", None),
}


def imported_dlls(objdump: str, exe: Path) -> set:
    dump = subprocess.run([objdump, "-p", str(exe)], capture_output=True, text=True, check=True)
    return {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump.stdout)}


def check(options) -> list:
    work = options.work.resolve()
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    subprocess.run([options.cpack, "--config", str(options.config), "-B", str(work)],
                   check=True, stdout=subprocess.DEVNULL)
    zips = list(work.glob("*.zip"))
    if len(zips) != 1:
        return [f"cpack made {len(zips)} zip files"]
    with zipfile.ZipFile(zips[0]) as archive:
        archive.extractall(work / "unpacked")
    files = {path.name: path for path in (work / "unpacked").rglob("*") if path.is_file()}
    problems = [f"{name}: not in the zip" for name in ("airtally.exe", GUIDE) if name not in files]
    problems += [f"{name}: unexpected in the zip" for name in files
                 if name != GUIDE and name not in MISSING_LIST_RUNS]

    if GUIDE in files:
        text = files[GUIDE].read_bytes()
        if b"\n" in text.replace(b"\r\n", b""):
            problems.append(f"{GUIDE}: a line does not end in CR LF")
        if "airtally" not in text.decode("cp1251"):
            problems.append(f"{GUIDE}: not the guide")

    prefix = wine.WinePrefix(options.wine_root)
    prefix.prepare()
    for name, (code, stream, expected) in MISSING_LIST_RUNS.items():
        if name not in files:
            continue
        foreign = imported_dlls(options.objdump, files[name]) - SYSTEM_DLLS
        if foreign:
            problems.append(f"{name}: imports {sorted(foreign)}")
        folder = work / ("run-" + name)
        folder.mkdir()
        done = prefix.run(["wine", str(files[name]), "no-such-list.txt"], input=b"1\r\n",
                          cwd=folder, capture_output=True, timeout=60)
        output = done.stderr if stream == "stderr" else done.stdout
        if done.returncode != code or (expected is not None and output != expected):
            problems.append(f"{name} with a missing list: exit {done.returncode}, "
                            f"stdout {done.stdout!r}, stderr {done.stderr!r}")
    return problems


def main() -> int:
    parser = argparse.ArgumentParser()
    for option in ("--cpack", "--objdump"):
        parser.add_argument(option, required=True)
    for option in ("--config", "--wine-root", "--work"):
        parser.add_argument(option, required=True, type=Path)
    problems = check(parser.parse_args())
    for problem in problems:
        print("FAIL " + problem)
    print(f"{0 if problems else 1} passed, {1 if problems else 0} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
