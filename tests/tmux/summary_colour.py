"""Runs an airtally search in a tmux pane, as an operator would, and checks
the colours the pane shows: the summary line bright green, every other line
in the terminal's default colours.

    python3 summary_colour.py --exe build/airtally/airtally --work DIR

The tmux server has its own socket and configuration in DIR, the program its
own home and Desktop folder there; every wait is bounded.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

WAIT_SECONDS = 15
SGR = re.compile(r"\x1b\[([0-9;]*)m")


def colours_by_line(capture: str) -> list:
    """For each line of a `capture-pane -e` text: its visible text and the set
    of (bold, foreground, background) states its non-blank characters show,
    with None for a default colour."""
    bold, foreground, background = False, None, None
    lines = []
    for raw in capture.split("\n"):
        text, states, at = "", set(), 0
        for match in list(SGR.finditer(raw)) + [None]:
            chunk = raw[at:match.start() if match else len(raw)]
            text += chunk
            if chunk.strip():
                states.add((bold, foreground, background))
            if not match:
                break
            at = match.end()
            codes = [int(code) if code else 0 for code in match.group(1).split(";")]
            while codes:
                code = codes.pop(0)
                if code == 0:
                    bold, foreground, background = False, None, None
                elif code == 1:
                    bold = True
                elif code == 22:
                    bold = False
                elif 30 <= code <= 37 or 90 <= code <= 97:
                    foreground = code
                elif code == 39:
                    foreground = None
                elif 40 <= code <= 47 or 100 <= code <= 107:
                    background = code
                elif code == 49:
                    background = None
                elif code in (38, 48):  # an extended colour: 5;n or 2;r;g;b
                    extended = codes[:2] if codes[:1] == [5] else codes[:4]
                    del codes[:len(extended)]
                    if code == 38:
                        foreground = (38, *extended)
                    else:
                        background = (48, *extended)
        lines.append((text, states))
    return lines


class Pane:
    def __init__(self, work: Path):
        self.socket = work / "tmux.sock"
        self.config = work / "tmux.conf"
        # The pane stays after the program ends, so that its last screen can
        # be read.
        self.config.write_text("set -g remain-on-exit on\nset -g default-shell /bin/sh\n")
        self.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": str(work),
                    "TERM": "xterm-256color", "LANG": "C.UTF-8"}

    def tmux(self, *args: str) -> str:
        return subprocess.run(["tmux", "-u", "-S", str(self.socket), "-f", str(self.config),
                               *args], env=self.env, check=True, capture_output=True,
                              text=True, timeout=WAIT_SECONDS).stdout

    def wait_for(self, what: str, test) -> str:
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline:
            screen = self.tmux("capture-pane", "-e", "-p", "-t", "summary")
            if test(screen):
                return screen
            time.sleep(0.1)
        sys.exit(f"FAIL: no {what} within {WAIT_SECONDS} seconds; the pane shows:\n"
                 + self.tmux("capture-pane", "-p", "-t", "summary"))


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True, type=Path)
    parser.add_argument("--work", required=True, type=Path)
    options = parser.parse_args()
    work = options.work.resolve()
    shutil.rmtree(work, ignore_errors=True)
    (work / "Desktop").mkdir(parents=True)
    (work / "config").mkdir()
    (work / "config" / "user-dirs.dirs").write_text(f'XDG_DESKTOP_DIR="{work / "Desktop"}"\n')
    (work / "list.txt").write_bytes(b"shop.log\r\n")
    (work / "shop.log").write_bytes(
        b"10:00:00.040 Script take: Ch1 movie 00:00:10 D:\\ADS\\Shop.avi\r\n"
        b"10:05:00.040 Script take: Ch1 movie 00:00:15 D:\\ADS\\Shop.avi\r\n")
    command = (f"cd '{work}' && env HOME='{work}' XDG_CONFIG_HOME='{work}/config' "
               f"'{options.exe.resolve()}' list.txt Shop.avi; echo $? >status")
    pane = Pane(work)
    try:
        pane.tmux("new-session", "-d", "-x", "160", "-y", "40", "-s", "summary", command)
        pane.wait_for("question", lambda screen: "BBEgUTE" in screen)
        pane.tmux("send-keys", "-t", "summary", "1", "Enter")
        screen = pane.wait_for("ENTER prompt", lambda screen: "ENTER" in screen)
        lines = [line for line in colours_by_line(screen) if line[0].strip()]
        summary = [i for i, (text, _) in enumerate(lines) if "ФАЙЛ Shop.avi" in text]
        problems = []
        if len(summary) != 1:
            problems.append("no single summary line")
        else:
            bright_green = {(True, 32, None), (False, 92, None), (True, 92, None)}
            for i, (text, states) in enumerate(lines):
                expected = bright_green if i == summary[0] else {(False, None, None)}
                if not states <= expected:
                    problems.append(f"line {text!r} shows {sorted(map(str, states))}")
        pane.tmux("send-keys", "-t", "summary", "Enter")
        status = work / "status"
        pane.wait_for("end of the program", lambda _: status.is_file() and
                      status.read_text().endswith("\n"))
        if status.read_text() != "0\n":
            problems.append(f"exit status {status.read_text().strip()}")
        if not (work / "Desktop" / "Отчёт_Shop.xls").is_file():
            problems.append("no summary file on the Desktop")
    finally:
        subprocess.run(["tmux", "-S", str(pane.socket), "kill-server"], env=pane.env,
                       capture_output=True, timeout=WAIT_SECONDS)
    for problem in problems:
        print("FAIL: " + problem)
    if not problems:
        print("ok   summary line bright green, the rest in the default colours")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
