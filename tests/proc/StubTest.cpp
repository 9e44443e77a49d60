// The stand-in notepad: its steps in-process, the real NOTEPAD.EXE with a recording
// stand-in editor, and the real NOTEPAD.EXE handing files to a running Tarnwick.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "notepad/stub/StubSteps.h"
#include "proc/ProcessHarness.h"
#include "support/Scratch.h"
#include "win/Encoding.h"
#include "win/Handles.h"

using namespace proctest;
using uitest::Exists;
using uitest::ReadBytes;
using uitest::ScratchFolder;
using uitest::WriteBytes;

namespace {

const std::wstring kPointerMissing =
    L"Error: NOTEPAD.TWK file not found. See Notepad Center\ninside of Tarnwick for more information.";
// Greek letters: outside code page 1252, the code page the tests run under.
const std::wstring kGreekName = L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac \u03c3\u03b7\u03bc\u03b5\u03b9\u03ce\u03c3\u03b5\u03b9\u03c2.txt";

std::string Narrow(const std::wstring& text) { return win::ToUtf8(text); }

std::wstring ShortName(const std::wstring& path) {
  wchar_t buffer[MAX_PATH] = L"";
  DWORD got = ::GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
  return std::wstring(buffer, got < MAX_PATH ? got : 0);
}

std::wstring LongName(const std::wstring& path) {
  wchar_t buffer[MAX_PATH] = L"";
  DWORD got = ::GetLongPathNameW(path.c_str(), buffer, MAX_PATH);
  return std::wstring(buffer, got < MAX_PATH ? got : 0);
}

bool IsAscii(const std::string& bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0, end;
  while ((end = text.find("\r\n", start)) != std::string::npos) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// Wine stores such a name only when its unix locale is a UTF-8 one; without one the
// cases that need the name are skipped.
bool CreateWithText(const std::wstring& path, const std::string& bytes) {
  win::UniqueFile file(
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file && ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}
constexpr char kNoUnicodeNames[] = "the file system takes no name outside ASCII here (Wine without a UTF-8 locale)";


}  // namespace

// --- The steps, in-process

TEST(StubSteps, ArgumentsAreWhatFollowsTheProgramNameAndItsBlanks) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"notepad.exe a.txt", L"a.txt"},
      {L"\"C:\\Program Files\\notepad.exe\"  \"x y.txt\" ", L"\"x y.txt\" "},
      {L"\"C:\\a b\\notepad.exe\"next", L"next"},
      {L"notepad\t\t/p a.txt", L"/p a.txt"},
      {L"notepad", L""},
      {L"\"C:\\a b\\notepad.exe\"", L""},
      {L"\"unterminated name", L""},
      {L"", L""},
  };
  for (const auto& [commandLine, arguments] : cases)
    EXPECT_EQ(Narrow(std::wstring(notepad::ArgumentsOf(commandLine))), Narrow(arguments)) << Narrow(commandLine);
}

TEST(StubSteps, ACommandLineTheCodePageHoldsIsKeptByteForByte) {
  const std::pair<const wchar_t*, const char*> cases[] = {
      {L"\"C:\\My Documents\\a long name.txt\"", "\"C:\\My Documents\\a long name.txt\""},
      {L"  /p   C:\\x y.txt  \"q\"  ", "  /p   C:\\x y.txt  \"q\"  "},
      // Windows' "print to" verb: file, printer, driver and port.
      {L"/pt \"C:\\x y.txt\" \"Office Laser 2\" \"winspool\" \"Ne01:\"",
       "/pt \"C:\\x y.txt\" \"Office Laser 2\" \"winspool\" \"Ne01:\""},
      {L"C:\\Caf\u00e9\\r\u00e9sum\u00e9.txt", "C:\\Caf\xe9\\r\xe9sum\xe9.txt"},
      {L"C:\\does not exist\\at all.txt", "C:\\does not exist\\at all.txt"},
  };
  for (const auto& [arguments, record] : cases)
    EXPECT_EQ(notepad::HandOffCommandLine(arguments), record) << Narrow(arguments);
}

TEST(StubSteps, NamesTheCodePageCannotSpellBecomeFullShortNames) {
  ScratchFolder folder;
  const std::wstring greek = folder / kGreekName, plain = folder / L"plain name.txt";
  if (!CreateWithText(greek, "greek")) GTEST_SKIP() << kNoUnicodeNames;
  WriteBytes(plain, "plain");
  std::wstring greekFolder = folder / L"\u03b6\u03c9\u03ae";
  ::CreateDirectoryW(greekFolder.c_str(), nullptr);
  const std::string shortGreek = win::ToAnsi(ShortName(greek));
  ASSERT_TRUE(IsAscii(shortGreek) && !shortGreek.empty()) << "the file system gives no short name";
  EXPECT_EQ(Narrow(LongName(win::FromAnsi(shortGreek))), Narrow(greek));

  const std::string plainAnsi = win::ToAnsi(plain);
  const std::vector<std::pair<std::wstring, std::string>> cases = {
      {L"\"" + greek + L"\"", "\"" + shortGreek + "\""},
      {greek, shortGreek},  // unquoted, spaces and all, as the shell's %1 gives it
      {L"/p  " + greek + L" ", "/p  " + shortGreek + " "},
      {plain + L" \"" + greek + L"\"", plainAnsi + " \"" + shortGreek + "\""},
      {L"\"" + greek + L"\" \u03b6.txt", "\"" + shortGreek + "\" ?.txt"},  // names nothing: as good as it gets
      {L"\"" + greekFolder + L"\"", "\"" + win::ToAnsi(greekFolder) + "\""},  // a folder is no file
  };
  for (const auto& [arguments, record] : cases)
    EXPECT_EQ(notepad::HandOffCommandLine(arguments), record) << Narrow(arguments);

  // A relative name is made full, so the editor finds it from its own folder.
  wchar_t current[MAX_PATH] = L"";
  ::GetCurrentDirectoryW(MAX_PATH, current);
  ::SetCurrentDirectoryW(folder.path().c_str());
  std::string relative = notepad::HandOffCommandLine(kGreekName);
  ::SetCurrentDirectoryW(current);
  EXPECT_EQ(relative, shortGreek);
}

TEST(StubSteps, NamesRelativeToTheCallersFolderBecomeFull) {
  ScratchFolder folder;
  WriteBytes(folder / L"notes.txt", "n");
  ::CreateDirectoryW((folder / L"sub").c_str(), nullptr);
  WriteBytes(folder / L"sub\\my notes.txt", "m");
  wchar_t current[MAX_PATH] = L"";
  ::GetCurrentDirectoryW(MAX_PATH, current);
  ::SetCurrentDirectoryW(folder.path().c_str());
  std::string plain = notepad::HandOffCommandLine(L"notes.txt");
  std::string quoted = notepad::HandOffCommandLine(L"/p \"sub\\my notes.txt\"");
  std::string missing = notepad::HandOffCommandLine(L"nothing.txt");
  ::SetCurrentDirectoryW(current);
  EXPECT_EQ(plain, win::ToAnsi(folder / L"notes.txt"));
  EXPECT_EQ(quoted, "/p \"" + win::ToAnsi(folder / L"sub\\my notes.txt") + "\"") << "quotes and other words stay";
  EXPECT_EQ(missing, "nothing.txt") << "a name that names no file goes as it came";
}

TEST(StubSteps, ThePointerFilesFirstLineNamesTheEditorsFolder) {
  const std::string longLine = "C:\\" + std::string(300, 'a') + "\\\r\n";
  const std::vector<std::pair<std::string, std::optional<std::wstring>>> cases = {
      {"C:\\Tarnwick\\\r\n", L"C:\\Tarnwick\\"},
      {"C:\\Tarnwick\\", L"C:\\Tarnwick\\"},  // no line break: used unchanged
      {"C:\\Tarnwick\\\nD:\\Other\\\n", L"C:\\Tarnwick\\"},
      {"C:\\Tarnwick\\\r\nD:\\Other\\\r\n", L"C:\\Tarnwick\\"},
      // Without its backslash the folder is still the folder, not a name to cut short.
      {"C:\\Tarnwick\r\n", L"C:\\Tarnwick\\"},
      {"C:\\Tarnwick", L"C:\\Tarnwick\\"},
      {"C:\\Caf\xe9\\\r\n", L"C:\\Caf\u00e9\\"},
      // An empty line names no folder: the editor would be looked for anywhere.
      {"", std::nullopt},
      {"\r\n", std::nullopt},
      {"\nC:\\Tarnwick\\\n", std::nullopt},
      // At most 259 bytes of the line are read.
      {longLine, win::FromAnsi(longLine.substr(0, 259)) + L"\\"},
  };
  for (const auto& [bytes, folder] : cases) {
    std::optional<std::wstring> got = notepad::EditorFolderFromPointer(bytes);
    ASSERT_EQ(got.has_value(), folder.has_value()) << bytes;
    if (got) {
      EXPECT_EQ(Narrow(*got), Narrow(*folder)) << bytes;
    }
  }
}

TEST(StubWriter, WritersAppendingAtTheSameMomentEachLeaveTheirRecordWhole) {
  ScratchFolder folder;
  const std::wstring path = folder / L"param.dat";
  ScopedEnvironment file(L"TWK_APPEND_FILE", path);
  constexpr int kWriters = 20;
  for (int round = 1; round <= 3; ++round) {
    ::DeleteFileW(path.c_str());
    win::UniqueHandle ready(::CreateSemaphoreW(nullptr, 0, kWriters, L"TwkTestAppendReady"));
    win::UniqueHandle go(::CreateEventW(nullptr, TRUE, FALSE, L"TwkTestAppendGo"));
    std::vector<win::UniqueHandle> writers;
    std::vector<std::string> records;
    for (int i = 1; i <= kWriters; ++i) {
      std::wstring record = L"\"C:\\Some Folder\\round " + std::to_wstring(round) + L" file " + std::to_wstring(i) +
                            L".txt\"";
      records.push_back(win::ToAnsi(record) + " ");
      writers.emplace_back(Start(BinFolder() + L"FixtureAppender.exe", record));
      ASSERT_TRUE(writers.back().valid());
    }
    for (int i = 0; i < kWriters; ++i) ASSERT_EQ(::WaitForSingleObject(ready.get(), 30000), WAIT_OBJECT_0);
    ::SetEvent(go.get());
    for (win::UniqueHandle& writer : writers) {
      ASSERT_EQ(::WaitForSingleObject(writer.get(), 30000), WAIT_OBJECT_0);
      DWORD exitCode = 99;
      ::GetExitCodeProcess(writer.get(), &exitCode);
      EXPECT_EQ(exitCode, 0u);
    }
    std::string written = ReadBytes(path);
    size_t total = 0;
    for (const std::string& record : records) {
      EXPECT_NE(written.find(record), std::string::npos) << "round " << round << ": lost " << record;
      total += record.size();
    }
    ASSERT_EQ(written.size(), total) << "round " << round << ": " << written;
  }
}

// --- The real program with a recording stand-in for the editor

class StubTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(::CopyFileW((BinFolder() + L"FixtureEditor.exe").c_str(), (program_ / L"Tarnwick.exe").c_str(), FALSE));
    WritePointer(win::ToAnsi(program_.path()) + "\r\n");
  }
  void TearDown() override { EndProcessesIn(program_.path()); }

  void WritePointer(const std::string& bytes) { WriteBytes(windows_ / L"NOTEPAD.TWK", bytes); }
  RunResult RunStub(const std::wstring& arguments) { return proctest::Run(BinFolder() + L"site\\NOTEPAD.EXE", arguments); }
  std::string HandOff() { return ReadBytes(program_ / L"param.dat"); }
  // The editor's starts as "<arguments>|<show state>", once `count` have been seen.
  std::vector<std::string> EditorStarts(size_t count) {
    WaitFor([&] { return Lines(ReadBytes(program_ / L"started.log")).size() >= count; });
    return Lines(ReadBytes(program_ / L"started.log"));
  }

  ScratchFolder windows_, program_;
  ScopedEnvironment windowsFolder_{L"TARNWICK_WINDOWS_FOLDER", windows_.path()};
};

TEST_F(StubTest, AQuotedLongNameIsHandedOverWithItsQuotesAndOneSpace) {
  RunResult result = RunStub(L"\"C:\\My Documents\\a long name.txt\"");
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, 0u);
  EXPECT_EQ(HandOff(), "\"C:\\My Documents\\a long name.txt\" ");
  // Started through the shell, restored, and with nothing on its command line.
  EXPECT_EQ(EditorStarts(1), std::vector<std::string>{"|" + std::to_string(SW_RESTORE)});
}

TEST_F(StubTest, TheCommandLineIsPassedOnExactlyAndRecordsFollowOneAnother) {
  ASSERT_TRUE(RunStub(L"/p   C:\\x y.txt  \"quoted name\"  ").finished);
  ASSERT_TRUE(RunStub(L"second.txt").finished);
  EXPECT_EQ(HandOff(), "/p   C:\\x y.txt  \"quoted name\"   second.txt ");
  EXPECT_EQ(EditorStarts(2).size(), 2u);
}

TEST_F(StubTest, WithoutArgumentsParamDatIsLeftAloneAndTheEditorStillStarts) {
  RunResult result = RunStub(L"");
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, 0u);
  EXPECT_EQ(EditorStarts(1).size(), 1u);
  EXPECT_FALSE(Exists(program_ / L"param.dat")) << "not even created";

  WriteBytes(program_ / L"param.dat", "earlier ");
  ASSERT_TRUE(RunStub(L"").finished);
  EXPECT_EQ(EditorStarts(2).size(), 2u);
  EXPECT_EQ(HandOff(), "earlier ");
}

TEST_F(StubTest, ThePointerFileIsReadUpToItsFirstLineBreak) {
  const std::string folder = win::ToAnsi(program_.path());
  const std::string withoutBackslash = folder.substr(0, folder.size() - 1);
  for (const std::string& pointer : {folder, folder + "\r\nC:\\elsewhere\\\r\n", withoutBackslash + "\r\n"}) {
    WritePointer(pointer);
    ASSERT_TRUE(RunStub(L"a.txt").finished);
    EXPECT_EQ(HandOff(), "a.txt ") << pointer;
    ::DeleteFileW((program_ / L"param.dat").c_str());
  }
  EXPECT_EQ(EditorStarts(3).size(), 3u);
}

TEST_F(StubTest, StubsWaitForAFileTheEditorHoldsAndThenAppend) {
  std::vector<win::UniqueHandle> stubs;
  std::vector<std::string> records;
  {
    // Held as the editor holds it while it takes the file over: every stub retries.
    win::UniqueFile held(::CreateFileW((program_ / L"param.dat").c_str(), GENERIC_READ, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held.valid());
    for (int i = 1; i <= 5; ++i) {
      std::wstring name = L"\"C:\\Some Folder\\file number " + std::to_wstring(i) + L".txt\"";
      records.push_back(win::ToAnsi(name) + " ");
      stubs.emplace_back(Start(BinFolder() + L"site\\NOTEPAD.EXE", name));
    }
    ::Sleep(1000);
    LARGE_INTEGER size{};
    ::GetFileSizeEx(held.get(), &size);
    EXPECT_EQ(size.QuadPart, 0) << "nothing is written while the file is held";
  }
  for (win::UniqueHandle& stub : stubs) {
    ASSERT_TRUE(stub.valid());
    ASSERT_EQ(::WaitForSingleObject(stub.get(), 30000), WAIT_OBJECT_0);
  }
  std::string handOff = HandOff();
  size_t total = 0;
  for (const std::string& record : records) {
    size_t at = handOff.find(record);
    EXPECT_NE(at, std::string::npos) << record << " is missing from " << handOff;
    EXPECT_EQ(at, handOff.rfind(record)) << record;
    total += record.size();
  }
  EXPECT_EQ(handOff.size(), total) << "nothing but the records, none torn";
}

TEST_F(StubTest, AMissingOrEmptyPointerFileShowsTheMessageAndStartsNothing) {
  for (bool empty : {false, true}) {
    if (empty)
      WritePointer("");
    else
      ::DeleteFileW((windows_ / L"NOTEPAD.TWK").c_str());
    DWORD processId = 0;
    win::UniqueHandle stub(Start(BinFolder() + L"site\\NOTEPAD.EXE", L"a.txt", &processId));
    ASSERT_TRUE(stub.valid());
    MessageBoxSeen box = WaitForMessageBox(processId);
    ASSERT_TRUE(box.hwnd) << "no message box";
    EXPECT_EQ(Narrow(box.title), "Notepad");
    EXPECT_EQ(Narrow(box.text), Narrow(kPointerMissing));
    Answer(box, IDOK);
    ASSERT_EQ(::WaitForSingleObject(stub.get(), 10000), WAIT_OBJECT_0);
    DWORD exitCode = 99;
    ::GetExitCodeProcess(stub.get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
  }
  EXPECT_FALSE(Exists(program_ / L"param.dat"));
  EXPECT_FALSE(Exists(program_ / L"started.log")) << "the editor is not started";
}

TEST_F(StubTest, ANameTheCodePageCannotHoldArrivesAsItsShortName) {
  const std::wstring greek = program_ / kGreekName;
  if (!CreateWithText(greek, "greek")) GTEST_SKIP() << kNoUnicodeNames;
  ASSERT_TRUE(RunStub(L"\"" + greek + L"\"").finished);
  std::string record = HandOff();
  ASSERT_GE(record.size(), 4u);
  EXPECT_EQ(record.substr(0, 1), "\"");
  EXPECT_EQ(record.substr(record.size() - 2), "\" ");
  std::string named = record.substr(1, record.size() - 3);
  EXPECT_TRUE(IsAscii(named)) << named;
  EXPECT_EQ(Narrow(LongName(win::FromAnsi(named))), Narrow(greek));
}

// --- The real program and a running editor

class StubEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(::CopyFileW((BinFolder() + L"Tarnwick.exe").c_str(), (program_ / L"Tarnwick.exe").c_str(), FALSE));
    WriteBytes(program_ / L"Tarnwick.ini", "[Main]\r\nShowSplash=0\r\n");
    WriteBytes(windows_ / L"NOTEPAD.TWK", win::ToAnsi(program_.path()) + "\r\n");
  }
  void TearDown() override { EndProcessesIn(program_.path(), L"TMainForm"); }

  void StartEditor() {
    DWORD processId = 0;
    win::UniqueHandle editor(Start(program_ / L"Tarnwick.exe", L"", &processId));
    ASSERT_TRUE(editor.valid());
    ASSERT_TRUE(WaitFor([&] { return (main_ = FindWindowOf(L"TMainForm", processId)) != nullptr; }));
  }
  // A file whose text tells it apart in the editor.
  void MakeFile(const std::wstring& name, const std::string& text) { WriteBytes(program_ / name, text); }
  std::map<std::string, int> OpenTexts() {
    std::map<std::string, int> counts;
    for (const std::wstring& text : ChildTexts(main_, L"RICHEDIT50W")) ++counts[win::ToUtf8(text)];
    return counts;
  }
  std::map<std::wstring, int> OpenTabs() {
    std::map<std::wstring, int> counts;
    std::vector<HWND> tabs = proctest::ChildrenOf(main_, WC_TABCONTROLW);
    if (!tabs.empty())
      for (const std::wstring& caption : proctest::TabCaptions(tabs.front())) ++counts[caption];
    return counts;
  }
  // Waits until every text is shown; a failure names the first one missing.
  ::testing::AssertionResult WaitUntilOpen(const std::vector<std::string>& texts) {
    std::string missing;
    WaitFor(
        [&] {
          std::map<std::string, int> open = OpenTexts();
          auto absent = std::find_if(texts.begin(), texts.end(),
                                     [&](const std::string& text) { return open.count(text) == 0; });
          missing = absent == texts.end() ? std::string() : *absent;
          return missing.empty();
        },
        20000);
    if (missing.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "never shown: " << missing << " (" << OpenTexts().size() << " open)";
  }
  // Starts one stub per name, all at once, and waits for every one to end.
  void HandOverAtOnce(const std::vector<std::wstring>& names) {
    std::vector<win::UniqueHandle> stubs;
    for (const std::wstring& name : names)
      stubs.emplace_back(Start(BinFolder() + L"site\\NOTEPAD.EXE", L"\"" + (program_ / name) + L"\""));
    for (win::UniqueHandle& stub : stubs) {
      ASSERT_TRUE(stub.valid());
      EXPECT_EQ(::WaitForSingleObject(stub.get(), 30000), WAIT_OBJECT_0);
    }
  }

  ScratchFolder windows_, program_;
  ScopedEnvironment windowsFolder_{L"TARNWICK_WINDOWS_FOLDER", windows_.path()};
  HWND main_ = nullptr;
};

TEST_F(StubEditorTest, TheStubStartsTheEditorWhichOpensTheFile) {
  MakeFile(L"a long name.txt", "the road of one file");
  ASSERT_TRUE(proctest::Run(BinFolder() + L"site\\NOTEPAD.EXE", L"\"" + (program_ / L"a long name.txt") + L"\"").finished);
  ASSERT_TRUE(WaitFor([&] { return (main_ = FindWindowOf(L"TMainForm")) != nullptr; })) << "no editor started";
  ASSERT_TRUE(WaitUntilOpen({"the road of one file"}));
  EXPECT_EQ(OpenTexts().size(), 1u) << "the untouched untitled tab took the file";
}

TEST_F(StubEditorTest, ARunningEditorOpensTheHandedOverFile) {
  StartEditor();
  MakeFile(L"handed over.txt", "handed over");
  HandOverAtOnce({L"handed over.txt"});
  EXPECT_TRUE(WaitUntilOpen({"handed over"}));
}

TEST_F(StubEditorTest, ANameOutsideTheCodePageReachesTheRunningEditor) {
  if (!CreateWithText(program_ / kGreekName, "greek name")) GTEST_SKIP() << kNoUnicodeNames;
  StartEditor();
  HandOverAtOnce({kGreekName});
  EXPECT_TRUE(WaitUntilOpen({"greek name"}));
}

TEST_F(StubEditorTest, TwoThenTwentyStubsAtOnceOpenEveryFileExactlyOnce) {
  StartEditor();
  std::vector<std::wstring> all;
  for (int count : {2, 20}) {
    std::vector<std::wstring> names;
    std::vector<std::string> texts;
    for (int i = 1; i <= count; ++i) {
      names.push_back(L"batch of " + std::to_wstring(count) + L" no " + std::to_wstring(i) + L".txt");
      texts.push_back("file " + std::to_string(i) + " of the batch of " + std::to_string(count));
      MakeFile(names.back(), texts.back());
    }
    HandOverAtOnce(names);
    all.insert(all.end(), names.begin(), names.end());
    // Documents opened together get their editor when their tab is first shown: the
    // tabs tell what is open.
    ASSERT_TRUE(WaitFor([&] { return OpenTabs().size() == all.size(); }, 20000)) << "batch of " << count;
  }
  // Two more timer periods: nothing handed over may be opened a second time.
  ::Sleep(1100);
  std::map<std::wstring, int> open = OpenTabs();
  EXPECT_EQ(open.size(), all.size());
  for (const std::wstring& name : all) EXPECT_EQ(open[name], 1) << win::ToUtf8(name);
}
