"""Writes a UTF-8 text file as Windows Notepad reads Russian text: code page
1251 with CR LF line ends.

    python3 windows_text.py SOURCE TARGET
"""
import sys
from pathlib import Path

text = Path(sys.argv[1]).read_text(encoding="utf-8")
Path(sys.argv[2]).write_bytes(text.replace("\r\n", "\n").replace("\n", "\r\n").encode("cp1251"))
