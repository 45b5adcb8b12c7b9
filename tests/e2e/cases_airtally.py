"""End-to-end cases of airtally: the question, the scan and its failures."""
from e2e import Case, cp1251

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
        stdout=PROMPT + b"* logs\\day1.log\r\n* logs\\missing.log\r\n* logs\\day2.LOG\r\n",
    ),
    Case(
        name="list_from_standard_input_after_the_answer",
        stdin=b"0\r\nlogs\\day1.log\r\n",
        files={"logs/day1.log": DAY1},
        stdout=PROMPT + b"* logs\\day1.log\r\n",
    ),
    Case(
        name="cyrillic_log_name",
        args=["list.txt"],
        stdin=b"1\n",
        files={"list.txt": cp1251("логи\\сентябрь.log\r\n"), "логи/сентябрь.log": DAY1},
        stdout=PROMPT + cp1251("* логи\\сентябрь.log\r\n"),
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
        + b"0 0 31(31 cek )\r\n",
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
]
