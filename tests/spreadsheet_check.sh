#!/usr/bin/env bash
# Opens a real advertising report in a spreadsheet program: runs airtally over
# the sample logs, has LibreOffice convert "Отчёт_РЕКЛАМА.xls" to CSV, and
# checks that the seven columns, the Cyrillic texts and the counts arrive
# where the form puts them. Optional and not part of the test suite: without
# LibreOffice it says so and exits 0.
#
#   tests/spreadsheet_check.sh [path of the native airtally]
set -euo pipefail
cd "$(dirname "$0")/.."
airtally=$(realpath "${1:-build/native/airtally/airtally}")

if ! command -v soffice >/dev/null; then
  echo "spreadsheet check skipped: soffice is not installed" \
    "(apt-get install --no-install-recommends libreoffice-calc-nogui)"
  exit 0
fi
if [ ! -x "$airtally" ]; then
  echo "no airtally at $airtally: build it first (cmake --build --preset native)" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/Desktop" "$work/home" "$work/csv"
echo "XDG_DESKTOP_DIR=\"$work/Desktop\"" >"$work/config/user-dirs.dirs"

(cd examples && printf '1\r\n\r\n' |
  HOME="$work/home" XDG_CONFIG_HOME="$work/config" "$airtally" list.txt >/dev/null)
# 44,34,76: comma-separated, double quotes, UTF-8.
HOME="$work/home" soffice --headless --norestore \
  --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76' --outdir "$work/csv" \
  "$work/Desktop/Отчёт_РЕКЛАМА.xls" >/dev/null 2>&1

python3 - "$work/csv/Отчёт_РЕКЛАМА.csv" <<'PYTHON'
import csv
import sys

rows = list(csv.reader(open(sys.argv[1], encoding="utf-8")))
expected = [
    ["Приложение № 4"],
    ["к Лицензионному договору о предоставлении права использования обнародованных "
     "произведений путем сообщения по телевидению с помощью кабеля и выплате вознаграждения"],
    ["№ АП/7318/________-КТВ-тк от «01» ноября 2019 г."],
    [""],
    ["ОТЧЕТ ОБ ИСПОЛЬЗОВАНИИ МУЗЫКАЛЬНЫХ ПРОИЗВЕДЕНИЙ В РЕКЛАМЕ"],
    [""],
    ["Наименование Пользователя: ООО «Ларимакс»"],
    ["Наименование СМИ: _Велнор КЕТ__________________________"],
    ["Лицензионный договор: № АП/7318/________-КТВ-тк от «01» ноября 2019 г."],
    ["Отчетный период: с 01 / 09 / 2022 г. по 31_ / 12_ / 2022 г."],
    [""],
    ["Название рекламного ролика", "Название версии рекламного ролика",
     "Название музыкальных произведений, используемых в ролике",
     "ФИО авторов музыкальных произведений",
     # The spreadsheet trims the heading's trailing space.
     "Длительность звучания музыкального произведения", "Количество исполнений",
     "Общий хронометраж (гр.5 х гр.6)"],
    ["1", "2", "3", "4", "5", "6", "7"],
]
# The sample logs' clips in the order they first went to air: name, duration, airings.
clips = [("Банк Заря вклад", "00:00:10", 24), ("АвтоМир Сокол", "00:00:30", 31),
         ("Гастроном Север осень", "00:00:30", 33), ("Окна Века", "00:00:30", 32),
         ("Рябинка акция", "00:00:25", 32), ("Shop", "00:00:20", 24),
         ("Стоматология Улыбка", "00:00:20", 26)]
expected += [[name, "", "", "", duration, str(count), ""] for name, duration, count in clips]
expected = [row + [""] * (7 - len(row)) for row in expected]

problems = []
if len(rows) != len(expected):
    problems.append(f"{len(rows)} rows, expected {len(expected)}")
for number, (want, got) in enumerate(zip(expected, rows), 1):
    if got != want:
        problems.append(f"row {number}: {got}\n   expected {want}")
for problem in problems:
    print("FAIL " + problem)
if problems:
    sys.exit(1)
print(f"spreadsheet check passed: {len(rows)} rows of 7 columns, "
      f"{len(clips)} clips with their durations and counts in columns 1, 5 and 6")
PYTHON
