#include <gtest/gtest.h>

#include <set>

#include "app/HandOff.h"

using app::HandOffText;
using app::TokenizeCommandLine;
using app::TokenizeHandOff;

namespace {
auto ExistsIn(std::set<std::wstring> files) {
  return [files](const std::wstring& name) { return files.count(name) > 0; };
}
std::wstring Text(const std::wstring& bytes) { return HandOffText(bytes, bytes.size()); }
}  // namespace

TEST(HandOff, RecordsAreArgumentsEachFollowedByOneSpace) {
  EXPECT_EQ(app::HandOffRecords({"a.txt", "My File.txt"}), "a.txt My File.txt ");
  EXPECT_EQ(app::HandOffRecords({}), "");
}

TEST(HandOff, ReaderTurnsQuotesAndLineBreaksIntoSpaces) {
  EXPECT_EQ(Text(L"\"C:\\x y.txt\" "), L" C:\\x y.txt  ");
  EXPECT_EQ(Text(L"a\r\nb"), L"a b ") << "CR LF is one character in text mode; the text is padded";
  EXPECT_EQ(Text(std::wstring(L"a\0b\x1A", 4)), L"ab  ");
}

TEST(HandOff, WordsJoinUntilTheyNameAnExistingFile) {
  auto request = TokenizeHandOff(Text(L"C:\\My Documents\\a b.txt "), ExistsIn({L"C:\\My Documents\\a b.txt"}));
  ASSERT_EQ(request.names.size(), 1u);
  EXPECT_EQ(request.names[0], L"C:\\My Documents\\a b.txt");
  EXPECT_FALSE(request.print);
}

TEST(HandOff, QuotedStubRecordsOpenTheNameInside) {
  auto request = TokenizeHandOff(Text(L"\"C:\\x y.txt\" "), ExistsIn({L"C:\\x y.txt"}));
  EXPECT_EQ(request.names, std::vector<std::wstring>{L"C:\\x y.txt"});
}

TEST(HandOff, PrintRequestAndSeveralRecords) {
  auto request = TokenizeHandOff(Text(L"a.txt /p b.txt "), ExistsIn({L"a.txt", L"b.txt"}));
  EXPECT_EQ(request.names, (std::vector<std::wstring>{L"a.txt", L"b.txt"}));
  EXPECT_TRUE(request.print);
}

TEST(HandOff, ANameThatNeverExistsSwallowsTheWordsAfterIt) {
  auto request = TokenizeHandOff(Text(L"missing.txt a.txt "), ExistsIn({L"a.txt"}));
  EXPECT_TRUE(request.names.empty());
}

TEST(HandOff, FoldersDoNotCountAndEmptyTextGivesNothing) {
  EXPECT_TRUE(TokenizeHandOff(Text(L""), ExistsIn({})).names.empty());
  EXPECT_TRUE(TokenizeHandOff(Text(L"     "), ExistsIn({L""})).names.empty());
}

TEST(HandOff, CommandLinePrintCountsOnlyAtTheStart) {
  auto first = TokenizeCommandLine({L"/p", L"a.txt"}, ExistsIn({L"a.txt"}));
  EXPECT_TRUE(first.print);
  EXPECT_EQ(first.names, std::vector<std::wstring>{L"a.txt"});
  auto later = TokenizeCommandLine({L"a.txt", L"/p"}, ExistsIn({L"a.txt"}));
  EXPECT_FALSE(later.print);
  auto joined = TokenizeCommandLine({L"C:\\My", L"File.txt"}, ExistsIn({L"C:\\My File.txt"}));
  EXPECT_EQ(joined.names, std::vector<std::wstring>{L"C:\\My File.txt"});
}

TEST(HandOff, PrintToNamesItsFileThenAPrinterWhoseNameMayHoldSpaces) {
  auto printers = ExistsIn({L"Office Laser 2"});
  auto handed = TokenizeHandOff(Text(L"\"/pt\" \"C:\\x y.txt\" \"Office Laser 2\" \"winspool\" \"Ne01:\" "),
                                ExistsIn({L"C:\\x y.txt"}), printers);
  EXPECT_EQ(handed.names, std::vector<std::wstring>{L"C:\\x y.txt"});
  EXPECT_EQ(handed.printer, L"Office Laser 2");
  EXPECT_FALSE(handed.print) << "no dialog";

  auto unknown = TokenizeHandOff(Text(L"/pt a.txt Nowhere "), ExistsIn({L"a.txt"}), printers);
  EXPECT_EQ(unknown.names, std::vector<std::wstring>{L"a.txt"});
  EXPECT_TRUE(unknown.printer.empty()) << "an unknown printer prints nothing";

  auto line = TokenizeCommandLine({L"/pt", L"a.txt", L"Office Laser 2", L"winspool", L"LPT1:"}, ExistsIn({L"a.txt"}),
                                  printers);
  EXPECT_EQ(line.names, std::vector<std::wstring>{L"a.txt"});
  EXPECT_EQ(line.printer, L"Office Laser 2");
  EXPECT_FALSE(line.print);
  auto plain = TokenizeCommandLine({L"/p", L"a.txt"}, ExistsIn({L"a.txt"}), printers);
  EXPECT_TRUE(plain.print);
  EXPECT_TRUE(plain.printer.empty());
}
