#include "airtally/advertising_report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "airtally/texts.h"
#include "edge/code_pages.h"
#include "edge/testing/temp_dir.h"

namespace airtally {
namespace {

// Readable UTF-8 text as Windows-1251 bytes, LF line ends as CR LF.
std::string Cp1251Lines(std::string_view utf8) {
  std::string text;
  EXPECT_TRUE(edge::Utf8ToCp1251(utf8, &text));
  std::string lines;
  for (char c : text) {
    if (c == '\n') lines += '\r';
    lines += c;
  }
  return lines;
}

std::string Cp1251(std::string_view utf8) {
  std::string text;
  EXPECT_TRUE(edge::Utf8ToCp1251(utf8, &text));
  return text;
}

ClipTally TallyOf(const std::vector<std::pair<std::string, int>>& entries) {
  ClipTally tally;
  for (const auto& [key, count] : entries) {
    tally.AddClip(key);
    for (int i = 1; i < count; ++i) tally.CountKnownClip(key);
  }
  return tally;
}

TEST(AdvertisingReportTest, TextsOfAKey) {
  struct {
    std::string key, duration, listing, clip_name;
  } cases[] = {
      {R"(00:00:30 D:\Ads\_РЕКЛАМА\Shop.avi)", "00:00:30", "00:00:30 Shop", "Shop"},
      // A take line without a duration: the key begins at the folder marker.
      {R"(\_РЕКЛАМА\Магнит осень.avi)", R"(\_РЕКЛАМ)", R"(\_РЕКЛАМ Магнит осень)", "Магнит осень"},
      {R"(00:00:30 D:\Shop.final.avi)", "00:00:30", "00:00:30 Shop.final", "Shop.final"},
      {R"(00:00:30 D:\Shop)", "00:00:30", "00:00:30 Shop", "Shop"},
      // Only the listing text holds the duration, so only it is cut there.
      {R"(00.00.30 D:\Shop)", "00.00.30", "00.00", "Shop"},
      {R"(00:00:30 D:\Ads\)", "00:00:30", "00:00:30 ", ""},
      // No backslash at all: the whole key is the file part.
      {"00:00:30 Shop.avi", "00:00:30", "00:00:30 00:00:30 Shop", "00:00:30 Shop"},
      {R"(\a)", R"(\a)", R"(\a a)", "a"},
  };
  for (const auto& c : cases) {
    const std::string key = Cp1251(c.key);
    SCOPED_TRACE(c.key);
    EXPECT_EQ(Cp1251(c.duration), DurationText(key));
    EXPECT_EQ(Cp1251(c.listing), ListingText(key));
    EXPECT_EQ(Cp1251(c.clip_name), ClipName(key));
  }
}

// A key whose listing text is `length` characters long.
std::string KeyWithListingOf(size_t length) {
  return R"(00:00:30 D:\Ads\)" + std::string(length - 9, 'x') + ".avi";
}

// What PrintTallyListing writes for `tally`.
std::string PrintedListing(const ClipTally& tally) {
  edge::test_support::TempDir dir;
  edge::File file;
  EXPECT_EQ(edge::kOk, edge::CreateForWriting((dir.path() / "listing").string(), &file));
  edge::OutputStream output(&file, /*line_buffered=*/false);
  EXPECT_FALSE(PrintTallyListing(tally, output));
  EXPECT_EQ(edge::kOk, output.Flush());
  EXPECT_EQ(edge::kOk, edge::CloseFile(file));
  return dir.Read("listing");
}

// The report file WriteAdvertisingReport leaves for `tally`.
std::string WrittenReport(const ClipTally& tally) {
  edge::test_support::TempDir dir;
  EXPECT_FALSE(WriteAdvertisingReport(dir.path().string(), tally));
  return dir.Read("Отчёт_РЕКЛАМА.xls");
}

TEST(AdvertisingReportTest, ListingPadsTheCountToCharacter83) {
  const ClipTally tally = TallyOf({
      {Cp1251(R"(00:00:15 D:\_РЕКЛАМА\Shop.avi)"), 12},
      {Cp1251(R"(\_РЕКЛАМА\Ёлка.avi)"), 2},
      {KeyWithListingOf(78), 1},
      {KeyWithListingOf(79), 1},
      {KeyWithListingOf(80), 1},
      {KeyWithListingOf(81), 100},
  });
  // The folded text, the dashes, the count and " раз(а)" in code page 866.
  const auto line = [](std::string_view text, size_t dashes, std::string_view count) {
    return std::string(text) + " " + std::string(dashes, '-') + " " + std::string(count) +
           " \xE0\xA0\xA7(\xA0)\r\n";
  };
  const std::string expected = std::string(51, '-') + "\r\n" + line("00:00:15 Shop", 67, "12") +
                               // "\_реклам ёлка": the marker's start, folded.
                               line("\\_\xE0\xA5\xAA\xAB\xA0\xAC \xF1\xAB\xAA\xA0", 67, "2") +
                               line("00:00:30 " + std::string(69, 'x'), 2, "1") +
                               line("00:00:30 " + std::string(70, 'x'), 1, "1") +
                               line("00:00:30 " + std::string(71, 'x'), 1, "1") +
                               line("00:00:30 " + std::string(72, 'x'), 1, "100");
  const std::string listing = PrintedListing(tally);
  EXPECT_EQ(expected, listing);
  // Counting from 1, the count of a short text begins at character 83.
  EXPECT_EQ("12", listing.substr(51 + 2 + 82, 2));
}

TEST(AdvertisingReportTest, ListingOfAnEmptyTallyIsTheRule) {
  EXPECT_EQ(std::string(51, '-') + "\r\n", PrintedListing(ClipTally()));
}

// The form as a reader sees it; the data rows go where <ROWS> stands.
constexpr std::string_view kForm = R"(<HTML>
<HEAD><TITLE>?????</TITLE><meta http-equiv="Content-Type" content="text/html; charset=windows-1251"></HEAD>
<BODY BGCOLOR=WHITE>
<TABLE style='border-collapse: collapse;'>
<TR><TD COLSPAN=7 ALIGN=CENTER>Приложение № 4</TD></TR>
<TR><TD COLSPAN=7>к Лицензионному договору о предоставлении права использования обнародованных произведений путем сообщения по телевидению с помощью кабеля и выплате вознаграждения</TD></TR>
<TR><TD COLSPAN=7>№ АП/7318/________-КТВ-тк от «01» ноября 2019 г.</TD></TR>
<TR><TD COLSPAN=7></TD></TR>
<TR><TD COLSPAN=7>ОТЧЕТ ОБ ИСПОЛЬЗОВАНИИ МУЗЫКАЛЬНЫХ ПРОИЗВЕДЕНИЙ В РЕКЛАМЕ</TD></TR>
<TR><TD COLSPAN=7></TD></TR>
<TR><TD COLSPAN=7>Наименование Пользователя: ООО «Ларимакс»</TD></TR>
<TR><TD COLSPAN=7>Наименование СМИ: _Велнор КЕТ__________________________</TD></TR>
<TR><TD COLSPAN=7>Лицензионный договор: № АП/7318/________-КТВ-тк от «01» ноября 2019 г.</TD></TR>
<TR><TD COLSPAN=7>Отчетный период: с 01 / 09 / 2022 г. по 31_ / 12_ / 2022 г.</TD></TR>
<TR><TD COLSPAN=7></TD></TR>
<TR><TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>Название рекламного ролика</TD><TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>Название версии рекламного ролика</TD><TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>Название музыкальных произведений, используемых в ролике</TD><TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>ФИО авторов музыкальных произведений</TD><TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>Длительность звучания музыкального произведения </TD><TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>Количество исполнений</TD><TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>Общий хронометраж (гр.5 х гр.6)</TD></TR>
<TR><TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>1</TD><TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>2</TD><TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>3</TD><TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>4</TD><TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>5</TD><TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>6</TD><TD style='vertical-align:middle;background:#99ccff;border:.5pt solid'>7</TD></TR>
<ROWS></TABLE>
</BODY>
</HTML>
)";

std::string Report(std::string_view utf8_rows) {
  std::string form(kForm);
  form.replace(form.find("<ROWS>"), 6, utf8_rows);
  return Cp1251Lines(form);
}

TEST(AdvertisingReportTest, ReportOfAnEmptyTallyIsTheBareForm) {
  EXPECT_EQ(Report(""), WrittenReport(ClipTally()));
}

TEST(AdvertisingReportTest, ReportHasOneRowPerClipInEntryOrder) {
  const ClipTally tally = TallyOf({
      {Cp1251(R"(00:00:30 E:\Air\_РЕКЛАМА\Магнит.осень.avi)"), 3},
      {Cp1251(R"(\_РЕКЛАМА\A&B <sale>.avi)"), 1},
      {Cp1251(R"(00:00:15 D:\Ads\)"), 12},
  });
  const std::string cell = "</TD><TD style='border:.5pt solid'>";
  const std::string to_duration = cell + cell + cell + cell;
  const std::string end = "</TD><TD style='border:.5pt solid'></TD></TR>\n";
  const std::string start = "<TR><TD style='border:.5pt solid'>";
  EXPECT_EQ(Report(start + "Магнит.осень" + to_duration + "00:00:30" + cell + "3" + end + start +
                   "A&B <sale>" + to_duration + R"(\_РЕКЛАМ)" + cell + "1" + end + start +
                   to_duration + "00:00:15" + cell + "12" + end),
            WrittenReport(tally));
}

class WriteAdvertisingReportTest : public ::testing::Test {
 protected:
  edge::test_support::TempDir dir_;
  const std::filesystem::path report_path_ = dir_.path() / "Отчёт_РЕКЛАМА.xls";
  const ClipTally tally_ = TallyOf({{Cp1251(R"(00:00:30 D:\_РЕКЛАМА\Shop.avi)"), 2}});
};

TEST_F(WriteAdvertisingReportTest, ReplacesAnExistingReport) {
  dir_.Write("Отчёт_РЕКЛАМА.xls", std::string(100000, 'x'));
  EXPECT_FALSE(WriteAdvertisingReport(dir_.path().string(), tally_));
  EXPECT_EQ(WrittenReport(tally_), dir_.Read("Отчёт_РЕКЛАМА.xls"));
}

TEST_F(WriteAdvertisingReportTest, AMissingFolderFailsTheCreate) {
  const Failure failure = WriteAdvertisingReport((dir_.path() / "missing").string(), tally_);
  EXPECT_EQ(FailureKind::kInOut, failure.kind);
  EXPECT_EQ(edge::kErrorPathNotFound, failure.code);
  EXPECT_EQ(kPlaceCreateReport, failure.address);
}

TEST_F(WriteAdvertisingReportTest, ALongPathIsRefusedBeforeAnythingIsCreated) {
  // 242 bytes of folder and 18 of file name make 260.
  const std::string folder =
      dir_.path().string() + "/" + std::string(242 - dir_.path().string().size() - 1, 'd');
  std::filesystem::create_directories(folder);
  const Failure failure = WriteAdvertisingReport(folder, tally_);
  EXPECT_EQ(edge::kErrorFilenameTooLong, failure.code);
  EXPECT_EQ(kPlaceCreateReport, failure.address);
  EXPECT_TRUE(std::filesystem::is_empty(folder));
  // One byte less fits.
  const std::string shorter = folder.substr(0, folder.size() - 1);
  std::filesystem::create_directories(shorter);
  EXPECT_FALSE(WriteAdvertisingReport(shorter, tally_));
}

TEST_F(WriteAdvertisingReportTest, AFailedWriteIsNoSuccess) {
  std::filesystem::create_symlink("/dev/full", report_path_);
  const Failure failure = WriteAdvertisingReport(dir_.path().string(), tally_);
  EXPECT_EQ(edge::kErrorDiskFull, failure.code);
  EXPECT_EQ(kPlaceWriteReport, failure.address);
}

TEST(PrintTallyListingTest, ReportsAFailedWrite) {
  edge::File full;
  ASSERT_EQ(edge::kOk, edge::CreateForWriting("/dev/full", &full));
  edge::OutputStream output(&full, /*line_buffered=*/true);
  const Failure failure = PrintTallyListing(ClipTally(), output);
  EXPECT_EQ(edge::kErrorDiskFull, failure.code);
  EXPECT_EQ(kPlaceListing, failure.address);
}

}  // namespace
}  // namespace airtally
