"""End-to-end cases of clipweld: the script in both modes, the list's text
rules, the failures, and the start of a stand-in virtualdub.exe.

Every case copies the program into its case folder (or a folder of it), since
the script lands next to the program. The stand-in is the program that
CLIPWELD_STANDIN names; it appends what it was started with to
standin-record.txt in its current folder, then waits while standin-hold
exists there (see tests/standin)."""
import os
import shutil
import time
from pathlib import Path

from e2e import Case

# The settings block: join mode ends with line 7 and no line end; re-save
# mode writes all eight lines after every file.
SETTINGS = [
    b"VirtualDub.audio.SetSource(1);",
    b"VirtualDub.audio.SetMode(0);",
    b"VirtualDub.audio.SetCompression();",
    b"VirtualDub.video.SetCompression();",
    b"VirtualDub.video.SetMode(0);",
    b"VirtualDub.video.filters.Clear();",
    b"VirtualDub.audio.filters.Clear();",
    b"VirtualDub.video.SetRange();",
]
JOIN_END = b"\r\n".join(SETTINGS[:7])
RESAVE_SETTINGS = b"".join(line + b"\r\n" for line in SETTINGS)
SCRIPT = "mergevid.vcf"


def open_line(path: bytes) -> bytes:
    return b'VirtualDub.Open("' + path + b'","",0);\r\n'


def append_line(path: bytes) -> bytes:
    return b'VirtualDub.Append("' + path + b'");\r\n'


def resave_block(path: bytes, saved_as: bytes) -> bytes:
    return (open_line(path) + RESAVE_SETTINGS + b'VirtualDub.SaveAVI("' + saved_as + b'");\r\n'
            + b"VirtualDub.Close();\r\n")


TWO_FILES = b"C:\\rec\\a.avi\r\nC:\\rec\\b.avi\r\n"
A_AVI = b"C:\\\\rec\\\\a.avi"
B_AVI = b"C:\\\\rec\\\\b.avi"
RESAVED_TWO_FILES = (resave_block(A_AVI, b"D:\\\\out\\\\a.avi")
                     + resave_block(B_AVI, b"D:\\\\out\\\\b.avi"))
# "C:\Видео\Ёлка 2.avi" in UTF-8, and its escaped forms.
RUSSIAN_PATH = "C:\\Видео\\Ёлка 2.avi".encode("utf-8")
RUSSIAN_ESCAPED = (b"C:\\\\\\xd0\\xb2\\xd0\\xb8\\xd0\\xb4\\xd0\\xb5\\xd0\\xbe\\\\"
                   b"\\xd1\\x91\\xd0\\xbb\\xd0\\xba\\xd0\\xb0 2.avi")
RUSSIAN_SAVED = b"D:\\\\out\\\\\\xd1\\x91\\xd0\\xbb\\xd0\\xba\\xd0\\xb0 2.avi"


def clip(name: str, **fields) -> Case:
    """A case whose program runs from a copy in the case folder itself."""
    fields.setdefault("exe_folder", ".")
    return Case(name=name, **fields)


def error_line(code: int, place: str) -> bytes:
    return f"Runtime error {code} at {place}\r\n".encode()


# Code addresses of the failing places, as the program reports them.
AT_CREATE_SCRIPT = "00403A1C"
AT_OPEN_LIST = "00403A48"
AT_CLOSE_SCRIPT = "00403C31"

# --- the stand-in virtualdub.exe ---------------------------------------------

RECORD = "standin-record.txt"
HOLD = "standin-hold"
TAG = "clipweld-e2e"
WAIT_SECONDS = 30


def standin() -> Path:
    path = os.environ.get("CLIPWELD_STANDIN")
    if not path:
        raise SystemExit("CLIPWELD_STANDIN must name the stand-in program (CTest sets it)")
    return Path(path)


def install_standin(*places: str):
    """A setup that copies the stand-in to each of `places` in the case folder."""
    def setup(folder: Path, runner) -> None:
        for place in places:
            target = folder / place
            target.parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(standin(), target)
    return setup


def wait_for(condition, seconds: float = WAIT_SECONDS) -> bool:
    """Polls `condition` until it holds or `seconds` have passed."""
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return True


def read_record(folder: Path) -> str:
    try:
        return (folder / RECORD).read_text(encoding="cp1251")
    except FileNotFoundError:
        return ""


def host_form(runner, path: Path) -> str:
    """`path` as the stand-in reports it on this runner."""
    return "Z:" + str(path).replace("/", "\\") if runner.name == "wine" else str(path)


def running_copies(path: Path) -> list:
    """Processes whose program file is `path` (POSIX hosts)."""
    found = []
    for entry in Path("/proc").iterdir():
        try:
            if entry.name.isdigit() and Path(os.readlink(entry / "exe")) == path:
                found.append(entry.name)
        except OSError:
            pass
    return found


def started_once(program: str):
    """A check that the stand-in at `program` (relative to the case folder)
    was started once with the command line of the launcher, in the case
    folder, in a process group of its own, and was still running when
    clipweld had ended."""
    def check(folder: Path, runner, result) -> list:
        if not wait_for(lambda: read_record(folder).endswith("\n")):
            return [f"the stand-in left no record within {WAIT_SECONDS} s"]
        record = read_record(folder)
        problems = []
        if "finished" in record:
            problems.append("the stand-in had finished before clipweld ended")
        (folder / HOLD).unlink()
        if not wait_for(lambda: "finished" in read_record(folder)):
            problems.append(f"the stand-in did not finish within {WAIT_SECONDS} s")
        fields = dict(line.split(": ", 1) for line in record.splitlines() if ": " in line)
        expected = {
            "argv": "virtualdub.exe|/s|mergevid.vcf",
            "cwd": host_form(runner, folder),
            "own": host_form(runner, folder / program),
            "new_group": "yes",
            "tag": TAG,
        }
        if runner.name == "wine":
            expected["command_line"] = "virtualdub.exe /s mergevid.vcf"
        else:
            expected["fds"] = "0 1 2"
        for key, value in expected.items():
            if fields.get(key) != value:
                problems.append(f"stand-in {key}: {fields.get(key)!r}, expected {value!r}")
        if record.count("argv: ") != 1:
            problems.append(f"the stand-in ran {record.count('argv: ')} times")
        return problems
    return check


def not_started(*programs: str):
    """A check that none of the stand-in copies at `programs` runs. Natively
    a started copy is still running (it waits while the hold file exists);
    Wine shows its processes under its own loader, so there the check waits
    a bounded while for a record that must not come."""
    def check(folder: Path, runner, result) -> list:
        if runner.name == "wine":
            appeared = wait_for(lambda: (folder / RECORD).exists(), seconds=3)
        else:
            appeared = any(running_copies(folder / p) for p in programs) or \
                (folder / RECORD).exists()
        return ["a stand-in was started"] if appeared else []
    return check


LAUNCH_LIST = {"list.txt": b"a.avi\r\n", HOLD: b""}
LAUNCH_ENV = {"STANDIN_TAG": TAG}
LAUNCH_ECHO = open_line(b"a.avi")
LAUNCH_SCRIPT = open_line(b"a.avi") + JOIN_END

CASES = [
    clip(
        "join_worked_example",
        args=["list.txt"],
        files={"list.txt": TWO_FILES},
        stdout=open_line(A_AVI) + append_line(B_AVI),
        out_files={SCRIPT: open_line(A_AVI) + append_line(B_AVI) + JOIN_END},
    ),
    clip(
        "resave_worked_example",
        args=["list.txt", "D:\\out\\"],
        files={"list.txt": TWO_FILES},
        stdout=open_line(A_AVI) + open_line(B_AVI),
        out_files={SCRIPT: RESAVED_TWO_FILES},
    ),
    clip(
        "three_arguments_resave_too",
        args=["list.txt", "D:\\out\\", "unused"],
        files={"list.txt": TWO_FILES},
        stdout=open_line(A_AVI) + open_line(B_AVI),
        out_files={SCRIPT: RESAVED_TWO_FILES},
    ),
    clip(
        # An empty pair of quotes is no argument: join mode. Natively the
        # empty argument is dropped the same way.
        "empty_quotes_are_no_argument",
        args=["list.txt", ""],
        command_line=b'clipweld list.txt ""',
        files={"list.txt": TWO_FILES},
        stdout=open_line(A_AVI) + append_line(B_AVI),
        out_files={SCRIPT: open_line(A_AVI) + append_line(B_AVI) + JOIN_END},
    ),
    clip(
        "list_from_standard_input",
        stdin=TWO_FILES,
        stdout=open_line(A_AVI) + append_line(B_AVI),
        out_files={SCRIPT: open_line(A_AVI) + append_line(B_AVI) + JOIN_END},
    ),
    clip(
        "russian_letters_in_utf8",
        args=["list.txt", "D:\\out\\"],
        files={"list.txt": RUSSIAN_PATH + b"\r\n"},
        stdout=open_line(RUSSIAN_ESCAPED),
        out_files={SCRIPT: open_line(RUSSIAN_ESCAPED) + RESAVE_SETTINGS
                   + b'VirtualDub.SaveAVI("' + RUSSIAN_SAVED + b'");\r\nVirtualDub.Close();\r\n'},
    ),
    clip(
        "empty_list_gives_one_empty_entry",
        args=["list.txt"],
        files={"list.txt": b""},
        stdout=open_line(b""),
        out_files={SCRIPT: open_line(b"") + JOIN_END},
    ),
    clip(
        "list_ending_in_an_empty_line",
        args=["list.txt"],
        files={"list.txt": b"a.avi\r\n\r\n"},
        stdout=open_line(b"a.avi") + append_line(b""),
        out_files={SCRIPT: open_line(b"a.avi") + append_line(b"") + JOIN_END},
    ),
    clip(
        # LF alone ends a line, a lone CR is dropped, 0x1A inside a line ends
        # it, 0x1A right after a line end ends the list.
        "list_text_rules",
        args=["list.txt"],
        files={"list.txt": b"a.avi\nb\r.avi\x1Askipped\r\nc.avi\n\x1Ad.avi\r\n"},
        stdout=open_line(b"a.avi") + append_line(b"b.avi") + append_line(b"c.avi"),
        out_files={SCRIPT: open_line(b"a.avi") + append_line(b"b.avi") + append_line(b"c.avi")
                   + JOIN_END},
    ),
    clip(
        "byte_order_mark_and_blanks_kept",
        args=["list.txt"],
        files={"list.txt": b"\xEF\xBB\xBFa.avi\r\n b.avi \r\nlast.avi"},
        stdout=open_line(b"\xEF\xBB\xBFa.avi") + append_line(b" b.avi ")
        + append_line(b"last.avi"),
        out_files={SCRIPT: open_line(b"\xEF\xBB\xBFa.avi") + append_line(b" b.avi ")
                   + append_line(b"last.avi") + JOIN_END},
    ),
    clip(
        "prefix_without_separator_is_glued",
        args=["list.txt", "D:\\out"],
        files={"list.txt": b"C:\\rec\\a.avi"},
        stdout=open_line(A_AVI),
        out_files={SCRIPT: resave_block(A_AVI, b"D:\\\\outa.avi")},
    ),
    clip(
        "prefix_with_slashes_and_bare_file_name",
        args=["list.txt", "D:/out/"],
        files={"list.txt": b"a.avi\r\n"},
        stdout=open_line(b"a.avi"),
        out_files={SCRIPT: resave_block(b"a.avi", b"D:\\\\out\\\\a.avi")},
    ),
    clip(
        # The working folder is the case folder; the script goes next to the
        # program, in a folder with a Russian name.
        "script_next_to_the_program",
        args=["list.txt"],
        exe_folder="Монтаж",
        files={"list.txt": TWO_FILES},
        stdout=open_line(A_AVI) + append_line(B_AVI),
        out_files={"Монтаж/" + SCRIPT: open_line(A_AVI) + append_line(B_AVI) + JOIN_END,
                   SCRIPT: None},
    ),
    clip(
        # The script exists and is emptied before the list is opened.
        "missing_list_file",
        args=["missing.txt"],
        files={SCRIPT: b"old script"},
        stdout=error_line(2, AT_OPEN_LIST),
        exit=2,
        out_files={SCRIPT: b""},
    ),
    clip(
        "list_is_a_folder",
        args=["lists"],
        files={"lists/a.txt": b"a.avi\r\n"},
        stdout=error_line(5, AT_OPEN_LIST),
        exit=5,
        out_files={SCRIPT: b""},
    ),
    clip(
        # The script cannot be created (a folder holds its name; unlike a
        # read-only folder this holds for root too): access denied, before
        # the list is opened, so the missing list is never noticed.
        "script_cannot_be_created",
        args=["missing.txt"],
        files={SCRIPT + "/keep": b""},
        stdout=error_line(5, AT_CREATE_SCRIPT),
        exit=5,
    ),
    clip(
        # The script's writes fail (disk full): the echo written before the
        # failure stays, then the report, and nothing is started.
        "script_write_fails",
        args=["list.txt"],
        files={"list.txt": TWO_FILES},
        setup=lambda folder, runner: os.symlink("/dev/full", folder / SCRIPT),
        stdout=open_line(A_AVI) + append_line(B_AVI) + error_line(112, AT_CLOSE_SCRIPT),
        exit=112,
        runners=("native",),
    ),
    # --- the launcher --------------------------------------------------------
    clip(
        "launcher_starts_virtualdub_in_the_current_folder",
        args=["list.txt"],
        files=LAUNCH_LIST,
        env=LAUNCH_ENV,
        setup=install_standin("virtualdub.exe"),
        stdout=LAUNCH_ECHO,
        out_files={SCRIPT: LAUNCH_SCRIPT},
        check=started_once("virtualdub.exe"),
    ),
    clip(
        "launcher_without_virtualdub",
        args=["list.txt"],
        files=LAUNCH_LIST,
        stdout=LAUNCH_ECHO,
        out_files={SCRIPT: LAUNCH_SCRIPT},
    ),
    clip(
        # The test open looks in the current folder only.
        "launcher_virtualdub_only_beside_the_program",
        args=["list.txt"],
        exe_folder="tools",
        files=LAUNCH_LIST,
        env=LAUNCH_ENV,
        setup=install_standin("tools/virtualdub.exe"),
        stdout=LAUNCH_ECHO,
        out_files={"tools/" + SCRIPT: LAUNCH_SCRIPT},
        check=not_started("tools/virtualdub.exe"),
    ),
    clip(
        "launcher_virtualdub_only_on_path",
        args=["list.txt"],
        files=LAUNCH_LIST,
        env={**LAUNCH_ENV,
             "PATH": lambda folder: f"{folder / 'bin'}:{os.environ.get('PATH', '/usr/bin:/bin')}",
             "WINEPATH": lambda folder: "Z:" + str(folder / "bin").replace("/", "\\")},
        setup=install_standin("bin/virtualdub.exe"),
        stdout=LAUNCH_ECHO,
        out_files={SCRIPT: LAUNCH_SCRIPT},
        check=not_started("bin/virtualdub.exe"),
    ),
    clip(
        # The system's search starts in the program's folder: that copy runs,
        # although the test open found the one in the current folder.
        "launcher_copy_beside_the_program_wins",
        args=["list.txt"],
        exe_folder="tools",
        files=LAUNCH_LIST,
        env=LAUNCH_ENV,
        setup=install_standin("tools/virtualdub.exe", "virtualdub.exe"),
        stdout=LAUNCH_ECHO,
        out_files={"tools/" + SCRIPT: LAUNCH_SCRIPT},
        check=started_once("tools/virtualdub.exe"),
    ),
    clip(
        # Not openable for writing (a folder of that name; a read-only file
        # would still open for root).
        "launcher_virtualdub_not_writable",
        args=["list.txt"],
        files={**LAUNCH_LIST, "virtualdub.exe/keep": b""},
        env=LAUNCH_ENV,
        stdout=LAUNCH_ECHO,
        out_files={SCRIPT: LAUNCH_SCRIPT},
        check=not_started(),
    ),
]
