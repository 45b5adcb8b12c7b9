"""End-to-end cases: run a built program on prepared files and compare every
byte it leaves (standard output, standard error, exit code, files written).

One table of cases per program, run by more than one runner: `native` runs the
POSIX build directly, `wine` runs the Windows build under Wine.

    python3 e2e.py --cases airtally --runner native --exe build/airtally --work DIR
"""
import argparse
import dataclasses
import importlib
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path
from typing import Callable, Optional

import stdout_faults
import wine


def cp1251(text: str) -> bytes:
    return text.encode("cp1251")


def cp866(text: str) -> bytes:
    return text.encode("cp866")


@dataclasses.dataclass
class Case:
    name: str
    args: list = dataclasses.field(default_factory=list)
    stdin: bytes = b""
    # Files laid out before the run: path relative to the case folder -> bytes.
    files: dict = dataclasses.field(default_factory=dict)
    # "{desktop}" stands for the Desktop folder in the Windows form the
    # program shows (see `desktop`).
    stdout: bytes = b""
    # "{module}" stands for the program's own file name.
    stderr: bytes = b""
    exit: int = 0
    # Files expected after the run: path -> bytes, or None for "must not exist".
    out_files: dict = dataclasses.field(default_factory=dict)
    # Runners the case is for; a case only Windows can show names "wine" alone.
    runners: tuple = ("native", "wine")
    # Called with (case folder, runner) before the run, for what files cannot say.
    setup: Optional[Callable] = None
    # Where the host's record of the Desktop folder points, relative to the
    # case folder (the folder itself is only made when `files` holds one of
    # its files); None: the host has no such record.
    desktop: Optional[str] = "Desktop"
    # Windows only: the registry value "Desktop" as (type, data), in place of
    # the path `desktop` names; data may be a function of the case folder.
    desktop_value: Optional[tuple] = None
    # The raw command line, first word included, in CP1251, for what an
    # argument list cannot say (quotes glued to text, an empty ""); None:
    # the program gets `args`. Windows only.
    command_line: Optional[bytes] = None
    # A file of the case folder that another process holds open for writing
    # (shared for reading only) while the program runs. Windows only.
    held_open: Optional[str] = None
    # A folder of the case folder into which the program is copied and run
    # from there (the case folder stays the working folder); None: the
    # program runs where it was built.
    exe_folder: Optional[str] = None
    # Environment variables added for the run: name -> text, or a function
    # of the case folder that gives it.
    env: dict = dataclasses.field(default_factory=dict)
    # Called with (case folder, runner, result) after the run, for what the
    # byte comparisons cannot say; returns the problems found.
    check: Optional[Callable] = None
    # How standard output is broken for the run (see stdout_faults.py):
    # "closed", "full", "gone" or "reader_exits"; None: it is captured. Native only.
    stdout_fault: Optional[str] = None


@dataclasses.dataclass
class Result:
    stdout: bytes
    stderr: bytes
    exit: int


def placed_program(exe: Path, case: Case, folder: Path) -> Path:
    """The program to run for `case`: `exe`, or its copy in `case.exe_folder`."""
    if case.exe_folder is None:
        return exe
    target = folder / case.exe_folder
    target.mkdir(parents=True, exist_ok=True)
    return Path(shutil.copy2(exe, target))


def case_environment(case: Case, folder: Path) -> dict:
    return {name: value(folder) if callable(value) else value
            for name, value in case.env.items()}


class NativeRunner:
    name = "native"

    def __init__(self, exe: Path):
        self.exe = exe
        self.module = exe.name

    def run(self, case: Case, folder: Path) -> Result:
        if case.desktop is not None:
            # The XDG user-dirs file is where a Linux desktop records the folder.
            config = folder / "config"
            config.mkdir(exist_ok=True)
            (config / "user-dirs.dirs").write_text(
                f'XDG_DESKTOP_DIR="{folder / case.desktop}"\n', encoding="utf-8")
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": str(folder / "home"),
            "XDG_CONFIG_HOME": str(folder / "config"),
            "LANG": "C.UTF-8",
        }
        env.update(case_environment(case, folder))
        exe = placed_program(self.exe, case, folder)
        if case.stdout_fault is not None:
            stderr, code = stdout_faults.run(case.stdout_fault, [str(exe)] + case.args,
                                             case.stdin, folder, env)
            return Result(b"", stderr, code)
        done = subprocess.run([str(exe)] + case.args, input=case.stdin, cwd=folder,
                              env=env, capture_output=True, timeout=60)
        return Result(done.stdout, done.stderr, done.returncode)

    def desktop_text(self, case: Case, folder: Path) -> bytes:
        """The Desktop folder as the program reports it: in Windows form."""
        if case.desktop is None:
            return b""
        return cp1251(str(folder / case.desktop).replace("/", "\\"))


class WineRunner:
    """Runs the Windows build under Wine, in a prefix inside the build tree;
    the raw command line and the held file go through the `launcher`."""
    name = "wine"

    def __init__(self, exe: Path, prefix: wine.WinePrefix, launcher: Optional[Path]):
        self.exe = exe
        self.module = exe.name
        self.prefix = prefix
        self.launcher = launcher
        prefix.prepare()

    def run(self, case: Case, folder: Path) -> Result:
        if case.desktop_value is not None:
            kind, data = case.desktop_value
            wine.set_desktop_record(self.prefix, data(folder) if callable(data) else data, kind)
        else:
            wine.set_desktop_record(self.prefix, None if case.desktop is None
                                    else wine.windows_path(folder / case.desktop))
        exe = placed_program(self.exe, case, folder)
        command = ["wine", str(exe)] + case.args
        if case.command_line is not None or case.held_open is not None:
            command_line = case.command_line
            if command_line is None:
                command_line = b" ".join([self.exe.stem.encode()] + [cp1251(a) for a in case.args])
            command_file = folder.parent / (case.name + ".command-line")
            command_file.write_bytes(command_line)
            command = ["wine", str(self.launcher), wine.windows_path(exe),
                       wine.windows_path(command_file)]
            if case.held_open is not None:
                command.append(case.held_open.replace("/", "\\"))
        # Output goes to files, not pipes: a process that the program starts
        # keeps Wine's copies of its standard streams after the program has
        # ended, and the end of a pipe would wait for that process too.
        with tempfile.TemporaryFile() as stdout, tempfile.TemporaryFile() as stderr:
            done = self.prefix.run(command, case_environment(case, folder), input=case.stdin,
                                   cwd=folder, stdout=stdout, stderr=stderr, timeout=60)
            stdout.seek(0)
            stderr.seek(0)
            return Result(stdout.read(), stderr.read(), done.returncode)

    def desktop_text(self, case: Case, folder: Path) -> bytes:
        """The Desktop folder as the program reports it: the registry's text."""
        if case.desktop is None:
            return b""
        return cp1251(wine.windows_path(folder / case.desktop))


RUNNERS = {"native": NativeRunner, "wine": WineRunner}


def first_difference(expected: bytes, actual: bytes) -> str:
    at = next((i for i, (a, b) in enumerate(zip(expected, actual)) if a != b),
              min(len(expected), len(actual)))
    start = max(0, at - 40)
    return (f"first difference at byte {at} (lengths {len(expected)} and {len(actual)})\n"
            f"  expected: {expected[start:at + 40]!r}\n"
            f"  actual:   {actual[start:at + 40]!r}")


def check(case: Case, runner, work: Path) -> list:
    folder = work / case.name
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for name, data in case.files.items():
        path = folder / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
    if case.setup:
        case.setup(folder, runner)
    result = runner.run(case, folder)
    problems = []
    if result.exit != case.exit:
        problems.append(f"exit code {result.exit}, expected {case.exit}")
    expected_stderr = case.stderr.replace(b"{module}", runner.module.encode())
    expected_stdout = case.stdout.replace(b"{desktop}", runner.desktop_text(case, folder))
    for what, expected, actual in (("stdout", expected_stdout, result.stdout),
                                   ("stderr", expected_stderr, result.stderr)):
        if expected != actual:
            problems.append(f"{what}: " + first_difference(expected, actual))
    for name, expected in case.out_files.items():
        path = folder / name
        if expected is None:
            if path.exists():
                problems.append(f"{name}: exists, expected none")
        elif not path.is_file():
            problems.append(f"{name}: missing")
        elif path.read_bytes() != expected:
            problems.append(f"{name}: " + first_difference(expected, path.read_bytes()))
    if case.check:
        problems += case.check(folder, runner, result)
    return problems


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("--cases", required=True, help="module of cases, e.g. airtally")
    parser.add_argument("--runner", required=True, choices=sorted(RUNNERS))
    parser.add_argument("--exe", required=True, type=Path)
    parser.add_argument("--work", required=True, type=Path)
    parser.add_argument("--only", help="run the case of this name alone")
    parser.add_argument("--wine-root", type=Path, help="wine: folder of the Wine prefix")
    parser.add_argument("--launcher", type=Path, help="wine: rawlaunch.exe, for raw command lines")
    options = parser.parse_args()
    sys.path.insert(0, str(Path(__file__).parent))
    cases = importlib.import_module(f"cases_{options.cases}").CASES
    if options.runner == "wine":
        runner = WineRunner(options.exe.resolve(), wine.WinePrefix(options.wine_root),
                            options.launcher and options.launcher.resolve())
    else:
        runner = RUNNERS[options.runner](options.exe.resolve())
    passed = failed = 0
    for case in cases:
        if options.runner not in case.runners or (options.only and case.name != options.only):
            continue
        problems = check(case, runner, options.work.resolve())
        if problems:
            failed += 1
            print(f"FAIL {case.name}")
            for problem in problems:
                print("    " + problem.replace("\n", "\n    "))
        else:
            passed += 1
            print(f"ok   {case.name}")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
