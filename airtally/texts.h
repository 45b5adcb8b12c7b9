// Every fixed text of airtally, as the bytes it reads or writes. Each comment
// shows the text and its code page: 1251 for logs and files, 866 for the
// console.
#pragma once

#include <string_view>

namespace airtally {

// The counting-mode question, 42 ASCII characters.
inline constexpr std::string_view kCountingModePrompt = "BBEgUTE:   1 - BCE       0 - KET          ";
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
inline constexpr std::string_view kProgrammeMarker = "\\\xCD\xE0\xE4 \xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xEE\xE9 ";
// "\Велнор КЕТ - Титры " (cp1251)
inline constexpr std::string_view kCreditsMarker = "\\\xC2\xE5\xEB\xED\xEE\xF0 \xCA\xC5\xD2 - \xD2\xE8\xF2\xF0\xFB ";
// "\_РЕКЛАМА\" (cp1251)
inline constexpr std::string_view kAdvertisingMarker = "\\_\xD0\xC5\xCA\xCB\xC0\xCC\xC0\\";

// Ends the seconds line of a searched take: hours minutes seconds(total cek ).
inline constexpr std::string_view kSecondsLineEnd = " cek )";

// The prompt before the output file is written, shared by both end phases.
// "  Нажмите ENTER для сохранения на Рабочий Стол" (cp866)
inline constexpr std::string_view kEnterPrompt = "  \x8D\xA0\xA6\xAC\xA8\xE2\xA5 ENTER \xA4\xAB\xEF \xE1\xAE\xE5\xE0\xA0\xAD\xA5\xAD\xA8\xEF \xAD\xA0 \x90\xA0\xA1\xAE\xE7\xA8\xA9 \x91\xE2\xAE\xAB";

}  // namespace airtally
