"""Runs a program with its standard output broken the ways a host breaks it.

    closed        standard output is not open at all (`>&-`)
    full          standard output is /dev/full: every write finds the disk full
    gone          a pipe whose reader has gone before the program starts
    reader_exits  a pipe whose reader takes the first line, then goes

Standard output itself cannot be seen then; standard error and the exit code
are returned.
"""
import os
import subprocess

MODES = ("closed", "full", "gone", "reader_exits")


def run(mode: str, command: list, stdin: bytes, cwd, env: dict, timeout: int = 60):
    """(standard error, exit code) of `command` run with standard output broken."""
    if mode not in MODES:
        raise ValueError(f"unknown standard output fault {mode!r}")
    extra = {}
    reader = writer = None
    if mode == "closed":
        stdout = subprocess.DEVNULL
        extra["preexec_fn"] = lambda: os.close(1)
    elif mode == "full":
        stdout = open("/dev/full", "wb")
    else:
        reader, writer = os.pipe()
        stdout = writer
        if mode == "gone":
            os.close(reader)
            reader = None
    try:
        process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=stdout,
                                   stderr=subprocess.PIPE, cwd=cwd, env=env, **extra)
    finally:
        if writer is not None:
            os.close(writer)
        elif mode == "full":
            stdout.close()
    if reader is not None:
        # Read up to the first line end, then go: later writes find no reader.
        with os.fdopen(reader, "rb", buffering=0) as pipe:
            seen = b""
            while not seen.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    break
                seen += chunk
    _, stderr = process.communicate(stdin, timeout=timeout)
    return stderr, process.returncode
