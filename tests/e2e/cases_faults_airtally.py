"""airtally with its standard output broken: closed, a full disk, a pipe
whose reader has gone before the start or after the first line. Each run
ends with the report of the failed write and exit code 1, never by a signal,
and writes no report file."""
from cases_airtally import DAY1, REPORT, exception, make_desktop
from e2e import Case

AT_PROMPT = "00408A10"
AT_ENTER_PROMPT = "00409134"
AT_SUMMARY_LINE = "00409314"


def broken(name: str, fault: str, search: list, address: str, code: int) -> Case:
    return Case(
        name=name,
        args=["list.txt"] + search,
        stdin=b"1\r\n\r\n",
        files={"list.txt": b"day1.log\r\n", "day1.log": DAY1},
        setup=make_desktop,
        stdout_fault=fault,
        stderr=exception("EInOutError", address, b"I/O error %d." % code),
        exit=1,
        out_files={REPORT: None, "Desktop/Отчёт_Shop.xls": None},
        runners=("native",),
    )


CASES = [
    broken("closed_output_advertising", "closed", [], AT_PROMPT, 6),
    broken("closed_output_search", "closed", ["Shop"], AT_PROMPT, 6),
    broken("full_disk_output_advertising", "full", [], AT_PROMPT, 112),
    broken("full_disk_output_search", "full", ["Shop"], AT_PROMPT, 112),
    broken("reader_gone_before_start", "gone", [], AT_PROMPT, 232),
    # The reader takes the prompt and goes; the scan's lines are buffered,
    # so the failure shows where the end phase flushes them.
    broken("reader_goes_after_prompt_advertising", "reader_exits", [], AT_ENTER_PROMPT, 232),
    broken("reader_goes_after_prompt_search", "reader_exits", ["Shop"], AT_SUMMARY_LINE, 232),
]
