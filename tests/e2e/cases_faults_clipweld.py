"""clipweld with its standard output broken: closed, a full disk, a pipe
whose reader has gone before the start or after the first line. The error
line cannot reach standard output then, so the exit code alone tells the
failed write; it is never 0 and never a signal. The script, when one is left,
holds only script lines."""
from cases_clipweld import (HOLD, JOIN_END, LAUNCH_ENV, SCRIPT, TWO_FILES, append_line, clip,
                            install_standin, not_started, open_line)
from e2e import Case

# Enough paths that the echo fills the output buffer and a pipe more than
# once: the console is written while the script is still being written.
PATHS = [b"D:\\clips\\part%05d.avi" % k for k in range(4000)]
LONG_LIST = b"".join(path + b"\r\n" for path in PATHS)
LONG_SCRIPT = (open_line(PATHS[0].replace(b"\\", b"\\\\"))
               + b"".join(append_line(path.replace(b"\\", b"\\\\")) for path in PATHS[1:])
               + JOIN_END)


def script_is_a_prefix(folder, runner, result) -> list:
    """The script was cut short by the failure, but holds no console bytes."""
    script = (folder / SCRIPT).read_bytes()
    return [] if LONG_SCRIPT.startswith(script) else [f"{SCRIPT}: not a prefix of the script"]


def broken(name: str, fault: str, files: dict, code: int, **fields) -> Case:
    return clip(name, args=["list.txt"], files=files, stdout_fault=fault, exit=code,
                runners=("native",), **fields)


CASES = [
    # A closed standard output must not hand its number to the script file,
    # or the echo would land in the script.
    broken("closed_output_keeps_the_script_clean", "closed", {"list.txt": LONG_LIST}, 6,
           check=script_is_a_prefix),
    broken("full_disk_output", "full", {"list.txt": TWO_FILES}, 112),
    # The run ends at the failed echo: VirtualDub must not start after it.
    broken("full_disk_output_starts_nothing", "full", {"list.txt": TWO_FILES, HOLD: b""}, 112,
           env=LAUNCH_ENV, setup=install_standin("virtualdub.exe"),
           check=not_started("virtualdub.exe")),
    broken("reader_gone_before_start", "gone", {"list.txt": TWO_FILES}, 232),
    broken("reader_goes_after_first_line", "reader_exits", {"list.txt": LONG_LIST}, 232,
           check=script_is_a_prefix),
]
