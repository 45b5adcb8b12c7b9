// Every fixed text of airtally, as the bytes it reads or writes. Each comment
// shows the text and its code page: 1251 for logs and files, 866 for the
// console.
#pragma once

#include <cstdint>
#include <string_view>

namespace airtally {

// The counting-mode question, 42 ASCII characters.
inline constexpr std::string_view kCountingModePrompt =
    "BBEgUTE:   1 - BCE       0 - KET          ";
// The answer that counts only takes inside announcer blocks.
inline constexpr std::string_view kAnnouncerOnlyAnswer = "0";

// Put before every listed log path on the console.
inline constexpr std::string_view kLogEchoPrefix = "* ";

// A take line holds both.
inline constexpr std::string_view kTakeMark = "Script take:";
inline constexpr std::string_view kMovieMark = " movie ";

// Folder markers on take lines, matched case-blind after folding.
// "\_диктор\" (cp1251)
inline constexpr std::string_view kAnnouncerMarker = "\\_\xE4\xE8\xEA\xF2\xEE\xF0\\";
// "\Над Программой " (cp1251)
inline constexpr std::string_view kProgrammeMarker =
    "\\\xCD\xE0\xE4 \xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xEE\xE9 ";
// "\Велнор КЕТ - Титры " (cp1251)
inline constexpr std::string_view kCreditsMarker =
    "\\\xC2\xE5\xEB\xED\xEE\xF0 \xCA\xC5\xD2 - \xD2\xE8\xF2\xF0\xFB ";
// "\_РЕКЛАМА\" (cp1251)
inline constexpr std::string_view kAdvertisingMarker = "\\_\xD0\xC5\xCA\xCB\xC0\xCC\xC0\\";

// Ends the seconds line of a searched take: hours minutes seconds(total cek ).
inline constexpr std::string_view kSecondsLineEnd = " cek )";

// The prompt before the output file is written, shared by both end phases.
// "  Нажмите ENTER для сохранения на Рабочий Стол" (cp866)
inline constexpr std::string_view kEnterPrompt =
    "  \x8D\xA0\xA6\xAC\xA8\xE2\xA5 ENTER \xA4\xAB\xEF \xE1\xAE\xE5\xE0\xA0\xAD\xA5\xAD\xA8\xEF "
    "\xAD\xA0 \x90\xA0\xA1\xAE\xE7\xA8\xA9 \x91\xE2\xAE\xAB";

// Advertising report: the console listing.
inline constexpr std::string_view kListingRule =
    "---------------------------------------------------";  // 51 dashes
// Follows the count on a listing line; folded to code page 866 before it is written.
// " раз(а)" (cp1251)
inline constexpr std::string_view kTimesSuffix = " \xF0\xE0\xE7(\xE0)";

// Advertising report file, Windows-1251. Appended to the Desktop folder.
// "\Отчёт_РЕКЛАМА.xls" (cp1251)
inline constexpr std::string_view kReportFileName =
    "\\\xCE\xF2\xF7\xB8\xF2_\xD0\xC5\xCA\xCB\xC0\xCC\xC0.xls";
// Lines 1 to 4.
inline constexpr std::string_view kReportHtml = "<HTML>";
inline constexpr std::string_view kReportHead =
    "<HEAD><TITLE>?\?\?\?\?</TITLE><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1251\"></HEAD>";
inline constexpr std::string_view kReportBody = "<BODY BGCOLOR=WHITE>";
inline constexpr std::string_view kReportTable = "<TABLE style='border-collapse: collapse;'>";
// Line 5: the annex title row.
inline constexpr std::string_view kAnnexRowStart = "<TR><TD COLSPAN=7 ALIGN=CENTER>";
// "Приложение № 4</TD></TR>" (cp1251)
inline constexpr std::string_view kAnnexRowText =
    "\xCF\xF0\xE8\xEB\xEE\xE6\xE5\xED\xE8\xE5 \xB9 4</TD></TR>";
// Lines 6 to 15: each is kHeaderRowStart and one of these texts.
inline constexpr std::string_view kHeaderRowStart = "<TR><TD COLSPAN=7>";
// "к Лицензионному договору о предоставлении права использования обнародованных произведений путем
// сообщения по телевидению с помощью кабеля и выплате вознаграждения</TD></TR>" (cp1251)
inline constexpr std::string_view kHeaderRow6 =
    "\xEA \xCB\xE8\xF6\xE5\xED\xE7\xE8\xEE\xED\xED\xEE\xEC\xF3 \xE4\xEE\xE3\xEE\xE2\xEE\xF0\xF3 "
    "\xEE \xEF\xF0\xE5\xE4\xEE\xF1\xF2\xE0\xE2\xEB\xE5\xED\xE8\xE8 \xEF\xF0\xE0\xE2\xE0 "
    "\xE8\xF1\xEF\xEE\xEB\xFC\xE7\xEE\xE2\xE0\xED\xE8\xFF "
    "\xEE\xE1\xED\xE0\xF0\xEE\xE4\xEE\xE2\xE0\xED\xED\xFB\xF5 "
    "\xEF\xF0\xEE\xE8\xE7\xE2\xE5\xE4\xE5\xED\xE8\xE9 \xEF\xF3\xF2\xE5\xEC "
    "\xF1\xEE\xEE\xE1\xF9\xE5\xED\xE8\xFF \xEF\xEE \xF2\xE5\xEB\xE5\xE2\xE8\xE4\xE5\xED\xE8\xFE "
    "\xF1 \xEF\xEE\xEC\xEE\xF9\xFC\xFE \xEA\xE0\xE1\xE5\xEB\xFF \xE8 \xE2\xFB\xEF\xEB\xE0\xF2\xE5 "
    "\xE2\xEE\xE7\xED\xE0\xE3\xF0\xE0\xE6\xE4\xE5\xED\xE8\xFF</TD></TR>";
// "№ АП/7318/________-КТВ-тк от «01» ноября 2019 г.</TD></TR>" (cp1251)
inline constexpr std::string_view kHeaderRow7 =
    "\xB9 \xC0\xCF/7318/________-\xCA\xD2\xC2-\xF2\xEA \xEE\xF2 \xAB"
    "01\xBB \xED\xEE\xFF\xE1\xF0\xFF 2019 \xE3.</TD></TR>";
// "</TD></TR>" (cp1251)
inline constexpr std::string_view kHeaderRow8 = "</TD></TR>";
// "ОТЧЕТ ОБ ИСПОЛЬЗОВАНИИ МУЗЫКАЛЬНЫХ ПРОИЗВЕДЕНИЙ В РЕКЛАМЕ</TD></TR>" (cp1251)
inline constexpr std::string_view kHeaderRow9 =
    "\xCE\xD2\xD7\xC5\xD2 \xCE\xC1 \xC8\xD1\xCF\xCE\xCB\xDC\xC7\xCE\xC2\xC0\xCD\xC8\xC8 "
    "\xCC\xD3\xC7\xDB\xCA\xC0\xCB\xDC\xCD\xDB\xD5 \xCF\xD0\xCE\xC8\xC7\xC2\xC5\xC4\xC5\xCD\xC8\xC9 "
    "\xC2 \xD0\xC5\xCA\xCB\xC0\xCC\xC5</TD></TR>";
// "</TD></TR>" (cp1251)
inline constexpr std::string_view kHeaderRow10 = "</TD></TR>";
// "Наименование Пользователя: ООО «Ларимакс»</TD></TR>" (cp1251)
inline constexpr std::string_view kHeaderRow11 =
    "\xCD\xE0\xE8\xEC\xE5\xED\xEE\xE2\xE0\xED\xE8\xE5 "
    "\xCF\xEE\xEB\xFC\xE7\xEE\xE2\xE0\xF2\xE5\xEB\xFF: \xCE\xCE\xCE "
    "\xAB\xCB\xE0\xF0\xE8\xEC\xE0\xEA\xF1\xBB</TD></TR>";
// "Наименование СМИ: _Велнор КЕТ__________________________</TD></TR>" (cp1251)
inline constexpr std::string_view kHeaderRow12 =
    "\xCD\xE0\xE8\xEC\xE5\xED\xEE\xE2\xE0\xED\xE8\xE5 \xD1\xCC\xC8: _\xC2\xE5\xEB\xED\xEE\xF0 "
    "\xCA\xC5\xD2__________________________</TD></TR>";
// "Лицензионный договор: № АП/7318/________-КТВ-тк от «01» ноября 2019 г.</TD></TR>" (cp1251)
inline constexpr std::string_view kHeaderRow13 =
    "\xCB\xE8\xF6\xE5\xED\xE7\xE8\xEE\xED\xED\xFB\xE9 \xE4\xEE\xE3\xEE\xE2\xEE\xF0: \xB9 "
    "\xC0\xCF/7318/________-\xCA\xD2\xC2-\xF2\xEA \xEE\xF2 \xAB"
    "01\xBB \xED\xEE\xFF\xE1\xF0\xFF 2019 \xE3.</TD></TR>";
// "Отчетный период: с 01 / 09 / 2022 г. по 31_ / 12_ / 2022 г.</TD></TR>" (cp1251)
inline constexpr std::string_view kHeaderRow14 =
    "\xCE\xF2\xF7\xE5\xF2\xED\xFB\xE9 \xEF\xE5\xF0\xE8\xEE\xE4: \xF1 01 / 09 / 2022 \xE3. \xEF\xEE "
    "31_ / 12_ / 2022 \xE3.</TD></TR>";
// "</TD></TR>" (cp1251)
inline constexpr std::string_view kHeaderRow15 = "</TD></TR>";
// Lines 16 and 17: "<TR>", seven cells, "</TR>".
inline constexpr std::string_view kRowStart = "<TR>";
inline constexpr std::string_view kRowEnd = "</TR>";
inline constexpr std::string_view kHeadingCellStart =
    "<TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>";
inline constexpr std::string_view kCellEnd = "</TD>";
// "Название рекламного ролика" (cp1251)
inline constexpr std::string_view kColumnHeading1 =
    "\xCD\xE0\xE7\xE2\xE0\xED\xE8\xE5 \xF0\xE5\xEA\xEB\xE0\xEC\xED\xEE\xE3\xEE "
    "\xF0\xEE\xEB\xE8\xEA\xE0";
// "Название версии рекламного ролика" (cp1251)
inline constexpr std::string_view kColumnHeading2 =
    "\xCD\xE0\xE7\xE2\xE0\xED\xE8\xE5 \xE2\xE5\xF0\xF1\xE8\xE8 "
    "\xF0\xE5\xEA\xEB\xE0\xEC\xED\xEE\xE3\xEE \xF0\xEE\xEB\xE8\xEA\xE0";
// "Название музыкальных произведений, используемых в ролике" (cp1251)
inline constexpr std::string_view kColumnHeading3 =
    "\xCD\xE0\xE7\xE2\xE0\xED\xE8\xE5 \xEC\xF3\xE7\xFB\xEA\xE0\xEB\xFC\xED\xFB\xF5 "
    "\xEF\xF0\xEE\xE8\xE7\xE2\xE5\xE4\xE5\xED\xE8\xE9, "
    "\xE8\xF1\xEF\xEE\xEB\xFC\xE7\xF3\xE5\xEC\xFB\xF5 \xE2 \xF0\xEE\xEB\xE8\xEA\xE5";
// "ФИО авторов музыкальных произведений" (cp1251)
inline constexpr std::string_view kColumnHeading4 =
    "\xD4\xC8\xCE \xE0\xE2\xF2\xEE\xF0\xEE\xE2 \xEC\xF3\xE7\xFB\xEA\xE0\xEB\xFC\xED\xFB\xF5 "
    "\xEF\xF0\xEE\xE8\xE7\xE2\xE5\xE4\xE5\xED\xE8\xE9";
// "Длительность звучания музыкального произведения " (cp1251)
inline constexpr std::string_view kColumnHeading5 =
    "\xC4\xEB\xE8\xF2\xE5\xEB\xFC\xED\xEE\xF1\xF2\xFC \xE7\xE2\xF3\xF7\xE0\xED\xE8\xFF "
    "\xEC\xF3\xE7\xFB\xEA\xE0\xEB\xFC\xED\xEE\xE3\xEE "
    "\xEF\xF0\xEE\xE8\xE7\xE2\xE5\xE4\xE5\xED\xE8\xFF ";
// "Количество исполнений" (cp1251)
inline constexpr std::string_view kColumnHeading6 =
    "\xCA\xEE\xEB\xE8\xF7\xE5\xF1\xF2\xE2\xEE \xE8\xF1\xEF\xEE\xEB\xED\xE5\xED\xE8\xE9";
// "Общий хронометраж (гр.5 х гр.6)" (cp1251)
inline constexpr std::string_view kColumnHeading7 =
    "\xCE\xE1\xF9\xE8\xE9 \xF5\xF0\xEE\xED\xEE\xEC\xE5\xF2\xF0\xE0\xE6 (\xE3\xF0.5 \xF5 "
    "\xE3\xF0.6)";
// A data row: start, clip name, kDataRowToDuration, duration text,
// kDataRowToCount, count, kDataRowEnd.
inline constexpr std::string_view kDataRowStart = "<TR><TD style='border:.5pt solid'>";
inline constexpr std::string_view kDataRowToDuration =
    "</TD><TD style='border:.5pt solid'></TD><TD style='border:.5pt solid'></TD>"
    "<TD style='border:.5pt solid'></TD><TD style='border:.5pt solid'>";
inline constexpr std::string_view kDataRowToCount = "</TD><TD style='border:.5pt solid'>";
inline constexpr std::string_view kDataRowEnd = "</TD><TD style='border:.5pt solid'></TD></TR>";
// The closing lines.
inline constexpr std::string_view kReportTableEnd = "</TABLE>";
inline constexpr std::string_view kReportBodyEnd = "</BODY>";
inline constexpr std::string_view kReportHtmlEnd = "</HTML>";

// Airtime summary: the pieces of the summary line, code page 866, not folded.
// "  ФАЙЛ " (cp866)
inline constexpr std::string_view kSummaryFile = "  \x94\x80\x89\x8B ";
// " СЫГРАН " (cp866)
inline constexpr std::string_view kSummaryPlayed = " \x91\x9B\x83\x90\x80\x8D ";
// " РАЗ       " (cp866)
inline constexpr std::string_view kSummaryTimes = " \x90\x80\x87       ";
// " ЧАСОВ " (cp866)
inline constexpr std::string_view kSummaryHours = " \x97\x80\x91\x8E\x82 ";
// " МИНУТ И " (cp866)
inline constexpr std::string_view kSummaryMinutes = " \x8C\x88\x8D\x93\x92 \x88 ";
// " СЕКУНД " (cp866)
inline constexpr std::string_view kSummarySeconds = " \x91\x85\x8A\x93\x8D\x84 ";
// The summary line's console text attribute: bright green on black.
inline constexpr uint16_t kSummaryAttribute = 10;
// Summary file name: Desktop folder, kSummaryFilePrefix, name, kSummaryFileSuffix (1251).
// "\Отчёт_" (cp1251)
inline constexpr std::string_view kSummaryFilePrefix = "\\\xCE\xF2\xF7\xB8\xF2_";
inline constexpr std::string_view kSummaryFileSuffix = ".xls";
// The separator hint, the first line of the summary file.
inline constexpr std::string_view kSummarySeparatorHint = "sep=\t";

}  // namespace airtally
