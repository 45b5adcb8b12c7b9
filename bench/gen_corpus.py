#!/usr/bin/env python3
"""Writes a synthetic corpus of playout logs for the benchmark.

The logs look like the channel's own (Windows-1251, CR LF; see examples/logs):
about 8% of the lines are take lines, about half of those play advertising
clips, and evening announcer blocks open and close around some of the
advertising breaks. The same arguments always give the same bytes.

    gen_corpus.py --out DIR --size 1G --clips 100000

DIR gets logs/*.log, list.txt (the log paths in Windows form), answers (the
console answers of an advertising run) and search.txt (a clip name that is
on air often, in UTF-8, for search mode).
"""
import argparse
import multiprocessing
import random
from pathlib import Path

BRANDS = ["Банк Заря", "АвтоМир", "Гастроном Север", "Окна Века", "Рябинка", "Стоматология",
          "Мебель Дом", "Аптека Здоровье", "Велнор Телеком", "Строймаркет", "Shop", "Fitness Pro"]
PRODUCTS = ["вклад", "Сокол", "осень", "акция", "Улыбка", "скидки", "новинка", "лето",
            "кредит", "зима", "распродажа", "open"]
PROGRAMMES = ["Погода", "Новости", "Фильм Дом у озера", "Утро на Велноре", "Мультфильмы",
              "Спорт неделя", "Концерт", "Ток-шоу Вечер"]
FILLER = [
    "Device VTR1: status OK",
    "Device VTR2: status OK",
    "Script cue: Ch1 next item ready",
    "Script status: Ch1 on air",
    "Audio: level L -12.5 dB R -12.8 dB",
    "Net: heartbeat from AIR-2 ok",
    "Device VTR1: timecode 00:12:34:05",
    "Trace: buffer 87% free, 3 items queued",
    "Device GPI: input 4 low",
]


def clip_name(index: int) -> str:
    """The file name of advertising clip `index`; distinct for every index."""
    brand = BRANDS[index % len(BRANDS)]
    product = PRODUCTS[(index // len(BRANDS)) % len(PRODUCTS)]
    series = index // (len(BRANDS) * len(PRODUCTS))
    return f"{brand} {product}" + (f" {series}" if series else "") + ".avi"


def clock(ms: int) -> str:
    ms %= 86_400_000
    return (f"{ms // 3_600_000:02d}:{ms // 60_000 % 60:02d}:{ms // 1000 % 60:02d}"
            f".{ms % 1000:03d}")


def duration(seconds: int) -> str:
    return f"{seconds // 3600:02d}:{seconds // 60 % 60:02d}:{seconds % 60:02d}"


def write_log(job) -> None:
    path, size, clips, seed = job
    rng = random.Random(seed)
    lines = []
    length = 0
    ms = 6 * 3_600_000
    in_block = False
    while length < size:
        ms += rng.randrange(200, 1400)
        if rng.random() >= 0.08:
            text = FILLER[rng.randrange(len(FILLER))]
        else:
            kind = rng.random()
            # Announcer blocks run in the evening, so their takes begin with "2".
            evening = ms % 86_400_000 >= 20 * 3_600_000
            if kind < 0.5:
                # Popular clips go to air far more often than the rest.
                clip = clip_name(int(clips * rng.random() ** 3))
                folder = rng.choice(["D:\\AIR\\_РЕКЛАМА", "E:\\ADS\\_реклама"])
                seconds = rng.choice([10, 15, 20, 25, 30])
                text = f"Script take: Ch1 movie {duration(seconds)} {folder}\\{clip}"
            elif kind < 0.56 and evening and not in_block:
                in_block = True
                text = (f"Script take: Ch1 movie 00:00:10 D:\\AIR\\_диктор\\"
                        f"Анонс {rng.randrange(1, 9)}.avi")
            elif kind < 0.62 and in_block:
                in_block = False
                closing = rng.choice(["Над Программой ", "Велнор КЕТ - Титры "])
                text = f"Script take: Ch1 movie 00:00:05 D:\\AIR\\{closing}{rng.randrange(1, 4)}.avi"
            else:
                seconds = rng.randrange(180, 6000)
                text = (f"Script take: Ch1 movie {duration(seconds)} "
                        f"D:\\AIR\\Программы\\{rng.choice(PROGRAMMES)}.avi")
        line = f"{clock(ms)} {text}\r\n"
        lines.append(line)
        length += len(line)  # one byte a character in Windows-1251
    Path(path).write_bytes("".join(lines).encode("cp1251"))


def write_each_once(path: Path, clips: int) -> None:
    """One log that takes every advertising clip to air once: its run costs
    what the number of clips costs (the tally's growth, the listing, the
    report), and next to nothing of scanning."""
    Path(path).write_bytes("".join(
        f"{clock(6 * 3_600_000 + 1000 * k)} Script take: Ch1 movie 00:00:30 "
        f"D:\\AIR\\_РЕКЛАМА\\{clip_name(k)}\r\n" for k in range(clips)).encode("cp1251"))


def parse_size(text: str) -> int:
    units = {"K": 1 << 10, "M": 1 << 20, "G": 1 << 30}
    if text[-1].upper() in units:
        return int(float(text[:-1]) * units[text[-1].upper()])
    return int(text)


def main() -> None:
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", required=True, type=Path)
    parser.add_argument("--size", default="1G", help="total size, e.g. 256M or 1G")
    parser.add_argument("--clips", type=int, default=100, help="distinct advertising clips")
    parser.add_argument("--log-size", default="8M", help="size of one daily log")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--each-once", action="store_true",
                        help="instead: one log that airs every clip once")
    options = parser.parse_args()
    total, log_size = parse_size(options.size), parse_size(options.log_size)
    count = max(1, round(total / log_size))
    (options.out / "logs").mkdir(parents=True, exist_ok=True)
    names = [f"day{k:04d}.log" for k in range(count)]
    if options.each_once:
        names = names[:1]
        write_each_once(options.out / "logs" / names[0], options.clips)
    else:
        jobs = [(options.out / "logs" / name, total // count, options.clips,
                 options.seed * 1_000_003 + k) for k, name in enumerate(names)]
        with multiprocessing.Pool() as pool:
            pool.map(write_log, jobs)
    (options.out / "list.txt").write_bytes(
        "".join(f"logs\\{name}\r\n" for name in names).encode("cp1251"))
    (options.out / "answers").write_bytes(b"1\n\n")
    (options.out / "search.txt").write_text(clip_name(0)[:-4], encoding="utf-8")


if __name__ == "__main__":
    main()
