"""A Wine prefix inside the build tree, for running the Windows build's tests.

Wine runs in the ru_RU.UTF-8 locale, so the programs see what a Russian
Windows shows them: ANSI code page 1251, OEM code page 866; file names they
create in CP1251 land on disk as UTF-8. WINEDEBUG=-all keeps Wine's own
messages off the programs' standard error.

    python3 wine.py --root build/mingw/wine prepare|stop
"""
import argparse
import fcntl
import os
import shutil
import subprocess
import sys
from pathlib import Path
from typing import Optional

LOCALE = "ru_RU.UTF-8"
SHELL_FOLDERS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders"
# Seconds the wine server stays up after its last program ends: long enough
# to serve a whole test run, short enough that nothing lingers after it.
SERVER_LINGER = 30


def windows_path(path: Path) -> str:
    """The Windows form of a host path under Wine, where drive Z: is the root."""
    return "Z:" + str(path).replace("/", "\\")


class WinePrefix:
    """The prefix `root`/prefix, with `root`/home as the user's home folder."""

    def __init__(self, root: Path):
        self.root = root.resolve()
        self.path = self.root / "prefix"
        self.home = self.root / "home"

    def environment(self) -> dict:
        return {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": str(self.home),
            "WINEPREFIX": str(self.path),
            "WINEDEBUG": "-all",
            # No installer dialogs for the .NET and HTML engines.
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            "LANG": LOCALE,
            "LC_ALL": LOCALE,
        }

    def quiet(self, *command: str, timeout: float = 300) -> int:
        """Runs a Wine command with no standard stream of ours: a process it
        leaves behind (the server, Wine's services) then holds no pipe that
        a caller waits on."""
        return subprocess.run(command, env=self.environment(), stdin=subprocess.DEVNULL,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout).returncode

    def run(self, command: list, extra_env: Optional[dict] = None,
            **options) -> subprocess.CompletedProcess:
        return subprocess.run(command, env={**self.environment(), **(extra_env or {})},
                              **options)

    def prepare(self) -> None:
        """Makes the prefix once, also when several test runs ask at the
        same time, and starts a server that stays up while tests run."""
        check_locale()
        self.root.mkdir(parents=True, exist_ok=True)
        with open(self.root / "prefix.lock", "w") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            ready = self.path / ".made-by-tests"
            if not ready.exists():
                shutil.rmtree(self.path, ignore_errors=True)
                self.home.mkdir(exist_ok=True)
                self.quiet("wine", "wineboot", "--init")
                self.quiet("wineserver", "--wait")
                ready.touch()
            # Fails harmlessly when a server is already up.
            self.quiet("wineserver", f"--persistent={SERVER_LINGER}")
            # The first program starts Wine's services; let them start here,
            # detached from the pipes of the tests.
            self.quiet("wine", "cmd", "/c", "exit")

    def stop(self) -> None:
        self.quiet("wineserver", "--kill", timeout=60)


def check_locale() -> None:
    listed = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
    if not any(name.lower().replace("-", "") == "ru_ru.utf8" for name in listed):
        raise SystemExit(f"the {LOCALE} locale is missing (scripts/setup generates it)")


def set_registry_value(prefix: WinePrefix, key: str, name: str, kind: str, data: str) -> None:
    """Sets value `name` of `key` to `data` of type `kind` (REG_SZ,
    REG_EXPAND_SZ, REG_DWORD, ... as `reg add` takes them)."""
    done = prefix.run(["wine", "reg", "add", key, "/v", name, "/t", kind, "/d", data, "/f"],
                      capture_output=True, timeout=60)
    if done.returncode != 0:
        raise RuntimeError(f"reg add {key} /v {name} failed: {done.stdout!r} {done.stderr!r}")


def delete_registry_value(prefix: WinePrefix, key: str, name: str) -> None:
    """Deletes value `name` of `key`; a missing value is no error."""
    prefix.run(["wine", "reg", "delete", key, "/v", name, "/f"], capture_output=True, timeout=60)


def set_desktop_record(prefix: WinePrefix, data: Optional[str], kind: str = "REG_SZ") -> None:
    """The host's record of the Desktop folder: the value "Desktop" of the
    user's Shell Folders key holds `data` as `kind`; None deletes it."""
    if data is None:
        delete_registry_value(prefix, SHELL_FOLDERS, "Desktop")
    else:
        set_registry_value(prefix, SHELL_FOLDERS, "Desktop", kind, data)


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True, type=Path)
    parser.add_argument("action", choices=("prepare", "stop"))
    options = parser.parse_args()
    prefix = WinePrefix(options.root)
    prefix.prepare() if options.action == "prepare" else prefix.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
