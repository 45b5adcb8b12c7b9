#!/usr/bin/env python3
"""Times airtally against grep over the same logs and prints one table.

Builds a Release airtally (and clipweld, when the tree has it) in its own
folder, writes the corpora once (kept between runs), warms the page cache
and measures, all in one run:
  - advertising mode and search mode against `grep -F -c 'Script take:'`
    over a corpus of the given size with 100 distinct clips;
  - advertising mode with 100 and with 100,000 distinct clips;
  - the peak memory of advertising mode over a small and a large corpus;
  - clipweld over a list of 100,000 paths.

    bench/run.py [--size 1G] [--small 256M] [--runs 5] [--build build/bench]

Needs hyperfine and /usr/bin/time (Debian packages hyperfine and time).
"""
import argparse
import json
import os
import shutil
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
GREP = "grep -F -c 'Script take:' logs/*.log > grep.out"


def sh(command: list, **kwargs) -> None:
    print("+ " + " ".join(str(part) for part in command), file=sys.stderr)
    subprocess.run(command, check=True, **kwargs)


def build(folder: Path) -> Path:
    sh(["cmake", "-S", ROOT, "-B", folder, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release"],
       stdout=subprocess.DEVNULL)
    listed = "add_subdirectory(clipweld)" in (ROOT / "CMakeLists.txt").read_text()
    targets = ["airtally"] + (["clipweld"] if listed else [])
    sh(["cmake", "--build", folder, "--target"] + targets, stdout=subprocess.DEVNULL)
    return folder


def corpus(folder: Path, size: str, clips: int, each_once: bool = False) -> Path:
    """The corpus of these parameters, written unless it is there already."""
    out = folder / (f"corpus-each-once-{clips}" if each_once else f"corpus-{size}-{clips}")
    stamp = out / "done"
    if not stamp.exists():
        shutil.rmtree(out, ignore_errors=True)
        sh([sys.executable, ROOT / "bench" / "gen_corpus.py", "--out", out, "--size", size,
            "--clips", str(clips)] + (["--each-once"] if each_once else []))
        stamp.write_text("")
    return out


def environment(folder: Path) -> dict:
    """A Desktop folder inside the build tree, never the user's own."""
    desktop = folder / "desktop"
    desktop.mkdir(exist_ok=True)
    config = folder / "config"
    config.mkdir(exist_ok=True)
    (config / "user-dirs.dirs").write_text(f'XDG_DESKTOP_DIR="{desktop}"\n')
    return dict(os.environ, XDG_CONFIG_HOME=str(config), HOME=str(folder / "home"))


def warm(*corpora: Path) -> None:
    for out in corpora:
        for log in (out / "logs").iterdir():
            with open(log, "rb") as file:
                while file.read(1 << 24):
                    pass


def hyperfine(commands: dict, cwd: Path, env: dict, runs: int, json_path: Path) -> dict:
    """Mean and standard deviation in seconds of each named shell command."""
    args = ["hyperfine", "--warmup", "1", "--runs", str(runs), "--style", "basic",
            "--export-json", json_path]
    for name, command in commands.items():
        args += ["--command-name", name, command]
    sh(args, cwd=cwd, env=env, stdout=sys.stderr)
    results = json.loads(json_path.read_text())["results"]
    return {r["command"]: (r["mean"], r["stddev"]) for r in results}


def peak_kib(command: str, cwd: Path, env: dict) -> int:
    done = subprocess.run(["/usr/bin/time", "-f", "%M", "sh", "-c", command], cwd=cwd, env=env,
                          capture_output=True, text=True, check=True)
    return int(done.stderr.strip().splitlines()[-1])


def clipweld_list(folder: Path, count: int) -> Path:
    lists = folder / "clipweld"
    lists.mkdir(exist_ok=True)
    path = lists / "list.txt"
    path.write_bytes("".join(f"D:\\Эфир\\Фрагменты\\Клип {k:06d}.avi\r\n"
                             for k in range(count)).encode("utf-8"))
    return lists


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("--size", default="1G", help="the large corpus")
    parser.add_argument("--small", default="256M", help="the small corpus, for memory")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--build", type=Path, default=ROOT / "build" / "bench")
    options = parser.parse_args()
    folder = options.build.resolve()
    folder.mkdir(parents=True, exist_ok=True)
    binaries = build(folder / "release")
    airtally = binaries / "airtally" / "airtally"
    env = environment(folder)

    few = corpus(folder, options.size, 100)
    many = corpus(folder, options.size, 100_000)
    small = corpus(folder, options.small, 100)
    once = corpus(folder, options.size, 100_000, each_once=True)
    warm(few, many, small, once)
    search = (few / "search.txt").read_text(encoding="utf-8")
    advertising = f"{airtally} list.txt < answers > airtally.out"
    searching = f"{airtally} list.txt '{search}' < answers > airtally.out"

    times = hyperfine({"grep 100": GREP, "advertising 100": advertising,
                       "search 100": searching}, few, env, options.runs, folder / "few.json")
    times.update(hyperfine({"grep 100000": GREP, "advertising 100000": advertising},
                           many, env, options.runs, folder / "many.json"))
    times.update(hyperfine({"each once 100000": advertising}, once, env, options.runs,
                           folder / "once.json"))
    memory = {f"{options.small} 100": peak_kib(advertising, small, env),
              f"{options.size} 100": peak_kib(advertising, few, env),
              "each once 100000": peak_kib(advertising, once, env),
              f"{options.size} 100000": peak_kib(advertising, many, env)}

    rows = []

    def row(what: str, name: str, base: str) -> None:
        mean, dev = times[name]
        rows.append((what, f"{mean:.3f} ± {dev:.3f} s", f"{mean / times[base][0]:.2f}"))

    row(f"grep -F -c, {options.size}, 100 clips", "grep 100", "grep 100")
    row("airtally advertising, 100 clips / grep", "advertising 100", "grep 100")
    row("airtally search / grep", "search 100", "grep 100")
    row(f"grep -F -c, {options.size}, 100000 clips", "grep 100000", "grep 100000")
    row("airtally advertising, 100000 clips / grep", "advertising 100000", "grep 100000")
    row("airtally advertising, 100000 / 100 clips", "advertising 100000", "advertising 100")
    # What 100,000 clips cost whatever the corpus: the tally's growth, the
    # listing and the report, measured over one log that airs each clip once.
    row("  of it: every clip aired once (end phase)", "each once 100000", "advertising 100")
    scan = times["advertising 100000"][0] - times["each once 100000"][0]
    rows.append(("  the rest (the scan), 100000 / 100 clips", f"{scan:.3f} s",
                 f"{scan / times['advertising 100'][0]:.2f}"))

    clipweld = binaries / "clipweld" / "clipweld"
    if clipweld.exists():
        # A folder without virtualdub.exe: nothing is started.
        lists = clipweld_list(folder, 100_000)
        times.update(hyperfine({"clipweld": f"{clipweld} list.txt > clipweld.out"}, lists, env,
                               options.runs, folder / "clipweld.json"))
        rows.append(("clipweld, 100000 paths", f"{times['clipweld'][0]:.3f} s", ""))

    width = max(len(r[0]) for r in rows)
    print(f"\n{'measure':<{width}}  {'time':>18}  ratio")
    for what, value, ratio in rows:
        print(f"{what:<{width}}  {value:>18}  {ratio}")
    print(f"\n{'peak memory, advertising mode':<{width}}  max RSS")
    for what, kib in memory.items():
        print(f"{what + ' clips':<{width}}  {kib / 1024:.1f} MiB")
    return 0


if __name__ == "__main__":
    sys.exit(main())
