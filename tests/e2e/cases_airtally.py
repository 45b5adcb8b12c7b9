"""End-to-end cases of airtally: the question, the scan, the search summary and
their failures."""
import os
from pathlib import Path

import wine
from e2e import Case, cp866, cp1251

PROMPT = b"BBEgUTE:   1 - BCE       0 - KET          \r\n"


def take(time: str, path: str, duration: str = "00:00:30") -> str:
    return f"{time}.040 Script take: Ch1 movie {duration} {path}\r\n"


def other(time: str, text: str) -> str:
    return f"{time}.000 {text}\r\n"


DAY1 = cp1251(
    other("06:00:00", "Playlist loaded: 2022-09-01.air")
    + take("06:00:05", r"D:\AIR\_РЕКЛАМА\Магнит осень.avi")
    + other("06:00:35", "Device VTR1: status OK")
    + take("06:00:35", r"D:\AIR\Утро\Новости 0600.avi", "00:14:25")
    + take("20:59:50", r"D:\AIR\_диктор\Анонс вечер.avi", "00:00:10")
    + take("21:00:00", r"D:\AIR\_РЕКЛАМА\Shop.avi", "00:00:15")
    + take("21:00:15", r"D:\AIR\Над Программой 2.avi", "00:00:05")
)
DAY2 = cp1251(
    take("07:00:00", r"E:\ADS\_реклама\Магнит осень.avi", "00:00:31")
    + take("07:00:31", r"D:\AIR\_РЕКЛАМА\Shop.avi", "00:00:15")
)


def exception(kind: str, address: str, message: bytes) -> bytes:
    return b"Exception " + kind.encode() + b" in module {module} at " + address.encode() + \
        b".\r\n" + message + b"\r\n\r\n"


ENTER_PROMPT = cp866("  Нажмите ENTER для сохранения на Рабочий Стол\r\n")


def summary(folded_search: bytes, airings: int, hours: int, minutes: int, seconds: int,
            name: bytes) -> bytes:
    """The console end of a search: the summary line, the ENTER prompt, the
    name and the Desktop folder."""
    line = (cp866("  ФАЙЛ ") + folded_search + cp866(" СЫГРАН ") + b"%d" % airings
            + cp866(" РАЗ       ") + b"%d" % hours + cp866(" ЧАСОВ ") + b"%d" % minutes
            + cp866(" МИНУТ И ") + b"%d" % seconds + cp866(" СЕКУНД "))
    return b"\r\n" + line + b"\r\n\r\n" + ENTER_PROMPT + name + b"\r\n{desktop}\r\n"


def summary_file(name: bytes, last_duration: str, airings: int) -> bytes:
    return b"sep=\t\r\n" + name + b"\t\t\t\t" + last_duration.encode() + b"\t%d" % airings


def make_desktop(folder, runner) -> None:
    (folder / "Desktop").mkdir(exist_ok=True)


def search_log(takes: list) -> tuple:
    """A log of Latin take lines (time, path, duration or None), all meant to
    match, and their echo: the line (Latin text folds to itself) and, with a
    duration, its seconds line."""
    log = echoed = ""
    for time, path, duration in takes:
        line = f"{time}.040 Script take: Ch1 movie {duration + ' ' if duration else ''}{path}\r\n"
        log += line
        echoed += line
        if duration:
            hours, minutes, seconds = (int(field) for field in duration.split(":"))
            echoed += f"{hours} {minutes} {seconds}({hours * 3600 + minutes * 60 + seconds} cek )\r\n"
    return log.encode(), echoed.encode()


def search_case(name: str, search: str, takes: list, numbers: tuple, summary_name: str,
                last_duration: str, **fields) -> Case:
    """A search over one log "shop.log" that ends with the summary file on the
    Desktop; `numbers` are the airings, hours, minutes and seconds shown."""
    log, echoed = search_log(takes)
    fields.setdefault("setup", make_desktop)
    return Case(
        name=name,
        args=["list.txt", search],
        stdin=b"1\r\n\r\n",
        files={"list.txt": b"shop.log\r\n", "shop.log": log, **fields.pop("files", {})},
        stdout=PROMPT + b"* shop.log\r\n" + echoed
        + summary(search.encode(), *numbers, summary_name.encode()),
        out_files=fields.pop("out_files", {
            f"Desktop/Отчёт_{summary_name}.xls":
            summary_file(summary_name.encode(), last_duration, numbers[0])}),
        **fields)


TWELVE_SHOP_TAKES = [(f"10:{minute:02}:00", r"D:\ADS\Shop.avi", "00:00:10") for minute in range(11)] \
    + [("11:00:00", r"D:\ADS\Shop.avi", "00:00:15")]
PROMO_TAKE = [("12:00:00", r"D:\ADS\Promo.v2.avi", "00:00:20")]


# The advertising end: the listing of the tally, the ENTER prompt and the report.
def fold(text: str) -> bytes:
    """FoldToOem of readable text: Cyrillic letters small, in code page 866."""
    return cp866("".join(c.lower() if "А" <= c <= "я" or c in "Ёё" else c for c in text))


def listing(*entries: tuple) -> bytes:
    """The console after the scan for tally entries (listing text, count)."""
    lines = b"".join(fold(text) + b" " + b"-" * max(1, 80 - len(text)) + b" %d" % count
                     + fold(" раз(а)") + b"\r\n" for text, count in entries)
    return b"-" * 51 + b"\r\n" + lines + b"\r\n" + ENTER_PROMPT


REPORT_FORM = (Path(__file__).parent / "fixtures" / "advertising_report_form.txt").read_text("utf-8")


def report(*rows: tuple) -> bytes:
    """The report file with a data row per (clip name, duration text, count)."""
    cell = "</TD><TD style='border:.5pt solid'>"
    data = "".join(f"<TR><TD style='border:.5pt solid'>{name}{cell * 4}{duration}{cell}{count}"
                   f"</TD><TD style='border:.5pt solid'></TD></TR>\n"
                   for name, duration, count in rows)
    return cp1251(REPORT_FORM.replace("</TABLE>\n", data + "</TABLE>\n").replace("\n", "\r\n"))


REPORT = "Desktop/Отчёт_РЕКЛАМА.xls"
# The tallies of DAY1 and DAY2: the answer "1" counts every advertising take,
# "0" only those inside the announcer block (Shop, the first day).
DAY1_LISTING = listing(("00:00:30 Магнит осень", 1), ("00:00:15 Shop", 1))
DAY1_REPORT = report(("Магнит осень", "00:00:30", 1), ("Shop", "00:00:15", 1))
BOTH_DAYS_LISTING = listing(("00:00:30 Магнит осень", 2), ("00:00:15 Shop", 2))
BOTH_DAYS_REPORT = report(("Магнит осень", "00:00:30", 2), ("Shop", "00:00:15", 2))


def advertising_case(name: str, answer: bytes, logs: dict, console: bytes, out: bytes,
                     **fields) -> Case:
    """An advertising run over the logs `logs` (name -> bytes, listed in this
    order) that ends with the report on the Desktop."""
    fields.setdefault("setup", make_desktop)
    return Case(
        name=name,
        args=["list.txt"],
        stdin=answer + b"\r\n\r\n",
        files={"list.txt": b"".join(log.encode() + b"\r\n" for log in logs), **logs,
               **fields.pop("files", {})},
        stdout=PROMPT + b"".join(b"* " + log.encode() + b"\r\n" for log in logs) + console,
        out_files=fields.pop("out_files", {REPORT: out}),
        **fields)


# Take lines whose listing texts are 13, 79, 80 and 85 characters long, and
# one without a duration, whose key begins at the folder marker.
VARIED_TAKES = cp1251(
    take("10:00:00", r"D:\ADS\_РЕКЛАМА\Shop.avi", "00:00:15")
    + take("10:00:15", "D:\\ADS\\_РЕКЛАМА\\" + "Длинный-ролик-" * 5 + ".avi", "00:00:20")
    + "10:00:35.040 Script take: Ch1 movie D:\\ADS\\_РЕКЛАМА\\Ёлка & <Дед>.avi\r\n"
    + take("10:00:40", "D:\\ADS\\_РЕКЛАМА\\" + "Длинный-ролик-" * 5 + "X.avi", "00:00:21")
    + take("10:01:01", r"E:\ADS\_РЕКЛАМА\Shop.avi", "00:00:16")
    + take("10:01:17", "D:\\ADS\\_РЕКЛАМА\\" + "Длинный-ролик-" * 5 + "XYZ.v2.avi", "00:00:25")
    + take("10:01:42", r"D:\ADS\_РЕКЛАМА\Ёлка & <Дед>.avi", "00:00:05")
)
VARIED_LISTING = listing(
    ("00:00:15 Shop", 2),
    ("00:00:20 " + "Длинный-ролик-" * 5, 1),
    ("\\_РЕКЛАМ Ёлка & <Дед>", 2),
    ("00:00:21 " + "Длинный-ролик-" * 5 + "X", 1),
    ("00:00:25 " + "Длинный-ролик-" * 5 + "XYZ.v2", 1),
)
VARIED_REPORT = report(
    ("Shop", "00:00:15", 2),
    ("Длинный-ролик-" * 5, "00:00:20", 1),
    ("Ёлка & <Дед>", "\\_РЕКЛАМ", 2),
    ("Длинный-ролик-" * 5 + "X", "00:00:21", 1),
    ("Длинный-ролик-" * 5 + "XYZ.v2", "00:00:25", 1),
)


# Windows: the root of the current drive, where the report goes when the
# registry names no Desktop folder, made the case folder itself.
ROOT_DRIVE = "q:"


def case_folder_as_drive_root(folder, runner) -> None:
    """Maps drive Q: to the case folder, which the run then starts in, so the
    current drive's root is the case folder and never the host's own root."""
    link = runner.prefix.path / "dosdevices" / ROOT_DRIVE
    if link.is_symlink():
        link.unlink()
    link.symlink_to(folder)
    shown = runner.prefix.run(["wine", "winepath", "-w", str(folder)], capture_output=True,
                              timeout=60).stdout.strip()
    if shown != ROOT_DRIVE.upper().encode() + b"\\":
        link.unlink()
        raise RuntimeError(f"the case folder is {shown!r} under Wine, not the root of a drive")


def unmap_root_drive(folder, runner, result) -> list:
    (runner.prefix.path / "dosdevices" / ROOT_DRIVE).unlink()
    return []


def registry_case(name: str, value: tuple, **fields) -> Case:
    """An advertising run over DAY1 with the registry value "Desktop" set to
    `value` (type, data); by default the report lands in the case folder's
    Desktop folder."""
    fields.setdefault("out_files", {REPORT: DAY1_REPORT})
    return advertising_case(name, b"1", {"day1.log": DAY1}, DAY1_LISTING, None,
                            desktop_value=value, runners=("wine",), **fields)


CASES = [
    Case(
        name="scan_echoes_every_listed_log",
        args=["list.txt"],
        stdin=b"1\r\n",
        files={
            "list.txt": b"logs\\day1.log\r\nnotes.txt\r\nlogs\\missing.log\r\n"
                        b"logs\\day2.LOG\r\nlogs\\day1.log \r\n",
            "logs/day1.log": DAY1,
            "logs/day2.LOG": DAY2,
        },
        stdout=PROMPT + b"* logs\\day1.log\r\n* logs\\missing.log\r\n* logs\\day2.LOG\r\n"
        + BOTH_DAYS_LISTING,
        setup=make_desktop,
        out_files={REPORT: BOTH_DAYS_REPORT},
    ),
    Case(
        name="list_from_standard_input_after_the_answer",
        stdin=b"0\r\nlogs\\day1.log\r\n",
        files={"logs/day1.log": DAY1},
        # The ENTER read meets the end of the list: that is ENTER too.
        stdout=PROMPT + b"* logs\\day1.log\r\n" + listing(("00:00:15 Shop", 1)),
        setup=make_desktop,
        out_files={REPORT: report(("Shop", "00:00:15", 1))},
    ),
    Case(
        name="cyrillic_log_name",
        args=["list.txt"],
        stdin=b"1\n",
        files={"list.txt": cp1251("логи\\сентябрь.log\r\n"), "логи/сентябрь.log": DAY1},
        stdout=PROMPT + cp1251("* логи\\сентябрь.log\r\n") + DAY1_LISTING,
        setup=make_desktop,
        out_files={REPORT: DAY1_REPORT},
    ),
    Case(
        name="missing_list_file",
        args=["nolist.txt"],
        stdin=b"1\r\n",
        stdout=PROMPT,
        stderr=exception("EInOutError", "00408A3C", b"File not found."),
        exit=1,
    ),
    Case(
        name="missing_folder_of_list_file",
        args=["nofolder\\list.txt"],
        stdin=b"1\r\n",
        stdout=PROMPT,
        stderr=exception("EInOutError", "00408A3C", b"Invalid filename."),
        exit=1,
    ),
    Case(
        name="folder_as_list_file",
        args=["logs"],
        stdin=b"1\r\n",
        files={"logs/day1.log": DAY1},
        stdout=PROMPT,
        stderr=exception("EInOutError", "00408A3C", b"File access denied."),
        exit=1,
    ),
    Case(
        name="list_path_too_long",
        args=["x" * 300 + ".txt"],
        stdin=b"1\r\n",
        stdout=PROMPT,
        stderr=exception("EInOutError", "00408A3C", b"I/O error 206."),
        exit=1,
    ),
    Case(
        name="search_echoes_matches_with_their_seconds",
        args=["list.txt", "МАГНИТ"],
        stdin=b"1\r\n",
        files={"list.txt": b"day1.log\r\nday2.log\r\n", "day1.log": DAY1, "day2.log": DAY2},
        stdout=PROMPT
        + b"* day1.log\r\n"
        + b"06:00:05.040 Script take: Ch1 movie 00:00:30 D:\\AIR\\_\xE0\xA5\xAA\xAB\xA0\xAC\xA0\\"
          b"\xAC\xA0\xA3\xAD\xA8\xE2 \xAE\xE1\xA5\xAD\xEC.avi\r\n"
        + b"0 0 30(30 cek )\r\n"
        + b"* day2.log\r\n"
        + b"07:00:00.040 Script take: Ch1 movie 00:00:31 E:\\ADS\\_\xE0\xA5\xAA\xAB\xA0\xAC\xA0\\"
          b"\xAC\xA0\xA3\xAD\xA8\xE2 \xAE\xE1\xA5\xAD\xEC.avi\r\n"
        + b"0 0 31(31 cek )\r\n"
        + summary(cp866("магнит"), 2, 0, 1, 1, cp1251("Магнит")),
        setup=make_desktop,
        out_files={"Desktop/Отчёт_Магнит.xls": summary_file(cp1251("Магнит"), "00:00:31", 2)},
    ),
    Case(
        name="search_stops_at_a_field_that_is_no_number",
        args=["list.txt", "Shop"],
        stdin=b"\r\n",
        files={"list.txt": b"bad.log\r\n",
               "bad.log": b"10:00 Script take: Ch1 movie 00:0x:1  D:\\Shop.avi\r\n"
                          b"10:01 Script take: Ch1 movie 00:00:10 D:\\Shop.avi\r\n"},
        stdout=PROMPT + b"* bad.log\r\n10:00 Script take: Ch1 movie 00:0x:1  D:\\Shop.avi\r\n",
        stderr=exception("EConvertError", "00408C2C", b"'1 ' is not a valid integer value."),
        exit=1,
    ),
    search_case("summary_of_12_airings_and_125_seconds_replaces_the_old_file", "Shop.avi",
                TWELVE_SHOP_TAKES, (12, 0, 2, 5), "Shop", "00:00:15",
                files={"Desktop/Отчёт_Shop.xls": b"an older summary, longer than the new one" * 9}),
    search_case("summary_of_one_day_and_one_second", "Film",
                [("20:00:00", r"D:\AIR\Film Night.avi", "12:00:00"),
                 ("08:00:00", r"D:\AIR\Film Night.avi", "12:00:00"),
                 ("20:00:00", r"D:\AIR\Film Night.avi", "00:00:01")],
                (3, 24, 0, 1), "Film", "00:00:01"),
    search_case("summary_name_cut_at_the_first_of_two_dots", "Promo.v2.avi", PROMO_TAKE,
                (1, 0, 0, 20), "Promo", "00:00:20"),
    search_case("summary_name_empty_for_a_leading_dot", ".v2.avi", PROMO_TAKE,
                (1, 0, 0, 20), "", "00:00:20"),
    search_case("summary_last_duration_from_the_last_timed_match", "Shop",
                [("10:00:00", r"D:\ADS\Shop.avi", "00:00:10"),
                 ("10:05:00", r"D:\ADS\Shop.avi", "00:00:20"),
                 ("10:10:00", r"D:\ADS\Shop.avi", None)],
                (3, 0, 0, 30), "Shop", "00:00:20"),
    Case(
        name="summary_without_a_match",
        args=["list.txt", "Nothing.avi"],
        stdin=b"1\r\n\r\n",
        files={"list.txt": b"shop.log\r\n", "shop.log": search_log(TWELVE_SHOP_TAKES)[0]},
        setup=make_desktop,
        stdout=PROMPT + b"* shop.log\r\n" + summary(b"Nothing.avi", 0, 0, 0, 0, b""),
        out_files={"Desktop/Отчёт_.xls": b"sep=\t\r\n\t\t\t\t00:00:00\t0"},
    ),
    Case(
        name="summary_of_a_small_letter_search_keeps_the_logs_capitals",
        args=["list.txt", "магнит осень.avi"],
        stdin=b"1\r\n\r\n",
        files={"list.txt": b"day.log\r\n",
               "day.log": cp1251(take("09:00:00", r"D:\AIR\_РЕКЛАМА\МАГНИТ Осень.avi"))},
        setup=make_desktop,
        stdout=PROMPT + b"* day.log\r\n"
        + cp866("09:00:00.040 Script take: Ch1 movie 00:00:30 D:\\AIR\\_реклама\\магнит осень.avi\r\n")
        + b"0 0 30(30 cek )\r\n"
        + summary(cp866("магнит осень.avi"), 1, 0, 0, 30, cp1251("МАГНИТ Осень")),
        out_files={"Desktop/Отчёт_МАГНИТ Осень.xls":
                   summary_file(cp1251("МАГНИТ Осень"), "00:00:30", 1)},
    ),
    search_case("summary_stops_when_the_desktop_folder_is_missing", "Shop.avi",
                TWELVE_SHOP_TAKES[:1], (1, 0, 0, 10), "Shop", "00:00:10",
                setup=None, out_files={"Desktop": None},
                stderr=exception("EInOutError", "00409384", b"Invalid filename."), exit=1),
    search_case("summary_path_of_260_bytes_or_more_is_refused", "Shop.avi",
                TWELVE_SHOP_TAKES[:1], (1, 0, 0, 10), "Shop", "00:00:10",
                desktop="d" * 240,
                setup=lambda folder, runner: (folder / ("d" * 240)).mkdir(),
                out_files={"d" * 240 + "/Отчёт_Shop.xls": None},
                stderr=exception("EInOutError", "00409384", b"I/O error 206."), exit=1),
    search_case("summary_write_failure_is_reported", "Shop.avi",
                TWELVE_SHOP_TAKES[:1], (1, 0, 0, 10), "Shop", "00:00:10",
                setup=lambda folder, runner: (make_desktop(folder, runner), os.symlink(
                    "/dev/full", folder / "Desktop" / "Отчёт_Shop.xls")),
                out_files={}, stderr=exception("EInOutError", "004093A8", b"I/O error 112."), exit=1,
                runners=("native",)),
    advertising_case("advertising_empty_tally", b"1", {}, listing(), report()),
    advertising_case("advertising_listing_pads_and_report_rows", b"1", {"ads.log": VARIED_TAKES},
                     VARIED_LISTING, VARIED_REPORT),
    advertising_case("advertising_answer_0_counts_only_the_announcer_block", b"0",
                     {"day1.log": DAY1, "day2.log": DAY2}, listing(("00:00:15 Shop", 1)),
                     report(("Shop", "00:00:15", 1))),
    advertising_case("advertising_answer_1_counts_every_advertising_take", b"1",
                     {"day1.log": DAY1, "day2.log": DAY2}, BOTH_DAYS_LISTING, BOTH_DAYS_REPORT),
    advertising_case("advertising_report_replaces_an_existing_one", b"1", {"day1.log": DAY1},
                     DAY1_LISTING, DAY1_REPORT,
                     files={REPORT: b"an older report, longer than the new one" * 200}),
    advertising_case("advertising_stops_when_the_desktop_folder_is_missing", b"1",
                     {"day1.log": DAY1}, DAY1_LISTING, None, setup=None,
                     out_files={"Desktop": None},
                     stderr=exception("EInOutError", "00409210", b"Invalid filename."), exit=1),
    advertising_case("advertising_path_of_260_bytes_or_more_is_refused", b"1",
                     {"day1.log": DAY1}, DAY1_LISTING, None, desktop="d" * 241,
                     setup=lambda folder, runner: (folder / ("d" * 241)).mkdir(),
                     out_files={"d" * 241 + "/Отчёт_РЕКЛАМА.xls": None},
                     stderr=exception("EInOutError", "00409210", b"I/O error 206."), exit=1),
    advertising_case("advertising_write_failure_is_reported", b"1", {"day1.log": DAY1},
                     DAY1_LISTING, None,
                     setup=lambda folder, runner: (make_desktop(folder, runner), os.symlink(
                         "/dev/full", folder / REPORT)),
                     out_files={}, stderr=exception("EInOutError", "00409238", b"I/O error 112."),
                     exit=1, runners=("native",)),
]


# What only Windows can show: the raw command line, which no argument list
# can express, and a list file that another process holds open.
def listed_day1(name: str, command_line: bytes, list_path: str) -> Case:
    """An advertising run over DAY1 whose list file `list_path` is named on
    the raw `command_line`."""
    return Case(
        name=name,
        command_line=command_line,
        stdin=b"1\r\n\r\n",
        files={list_path: b"day1.log\r\n", "day1.log": DAY1},
        stdout=PROMPT + b"* day1.log\r\n" + DAY1_LISTING,
        setup=make_desktop,
        out_files={REPORT: DAY1_REPORT},
        runners=("wine",),
    )


CASES += [
    listed_day1("quotes_glued_to_text_join_one_argument",
                cp1251('air"tally" "ло"ги\\"спи"сок"".txt"'), "логи/список.txt"),
    listed_day1("empty_quoted_arguments_are_skipped", b'airtally "" "" list.txt ""', "list.txt"),
    Case(
        name="list_file_held_open_for_writing",
        args=["list.txt"],
        held_open="list.txt",
        stdin=b"1\r\n",
        files={"list.txt": b"day1.log\r\n", "day1.log": DAY1},
        stdout=PROMPT,
        stderr=exception("EInOutError", "00408A3C", b"I/O error 32."),
        exit=1,
        runners=("wine",),
    ),
    # The registry's record of the Desktop folder, read as Windows reads it.
    registry_case("registry_expand_sz_is_not_expanded", ("REG_EXPAND_SZ", "%USERPROFILE%"),
                  setup=lambda folder, runner: (folder / "%USERPROFILE%").mkdir(),
                  out_files={"%USERPROFILE%/Отчёт_РЕКЛАМА.xls": DAY1_REPORT}),
    registry_case("registry_expand_sz_without_such_a_folder", ("REG_EXPAND_SZ", "%USERPROFILE%"),
                  setup=None, out_files={"%USERPROFILE%": None},
                  stderr=exception("EInOutError", "00409210", b"Invalid filename."), exit=1),
    registry_case("registry_trailing_backslash_doubles_in_the_path",
                  ("REG_SZ", lambda folder: wine.windows_path(folder / "Desktop") + "\\")),
    registry_case("registry_number_is_refused_before_any_file", ("REG_DWORD", "1"),
                  out_files={REPORT: None},
                  stderr=exception("ERegistryException", "0040916C",
                                   b"Invalid data type for 'Desktop'."), exit=1),
    registry_case("registry_empty_value_puts_the_report_in_the_drive_root", ("REG_SZ", ""),
                  setup=case_folder_as_drive_root, check=unmap_root_drive,
                  out_files={"Отчёт_РЕКЛАМА.xls": DAY1_REPORT}),
    registry_case("registry_missing_value_puts_the_report_in_the_drive_root", ("REG_SZ", None),
                  setup=case_folder_as_drive_root, check=unmap_root_drive,
                  out_files={"Отчёт_РЕКЛАМА.xls": DAY1_REPORT}),
    # The system would open the file named by the part before the NUL, here
    # day1.log; the log is skipped instead, as one that cannot be opened.
    Case(
        name="log_path_with_a_nul_byte_is_skipped",
        args=["list.txt"],
        stdin=b"1\r\n\r\n",
        files={"list.txt": b"day1.log\x00.log\r\n", "day1.log": DAY1},
        setup=make_desktop,
        stdout=PROMPT + b"* day1.log\x00.log\r\n" + listing(),
        out_files={REPORT: report()},
    ),
]
