// Plain-text files keep the encoding and line breaks they came in, and nothing is lost
// to the code page without the user's say.
#include <windows.h>

#include "command/CommandIds.h"
#include "ui/Harness.h"
#include "win/Encoding.h"

using namespace uitest;
using win::Answer;

class EncodingTest : public MainFormTest {};

TEST_F(EncodingTest, FilesAreShownDecodedAndSavedBackByteForByte) {
  struct Case {
    const char* name;
    std::string bytes;
    std::wstring text;
    std::wstring status;
  } cases[] = {
      {"utf8.txt", "gr\xC3\xBC\xC3\x9F" "e\nzwei\n", L"gr\u00FC\u00DFe\rzwei\r", L"UTF-8 | LF"},
      {"bom.txt", "\xEF\xBB\xBF" "a\r\nb", L"a\rb", L"UTF-8 BOM | CR LF"},
      {"utf16.txt", std::string("\xFF\xFE" "a\0\r\0\n\0\xB1\x03", 10), L"a\r\u03B1", L"UTF-16 LE | CR LF"},
      {"ansi.txt", "caf\xE9\rnext", L"caf\u00E9\rnext", L"ANSI | CR"},
      {"mixed.txt", "1\r\n2\n3\n", L"1\r2\r3\r", L"ANSI | LF (mixed)"},
  };
  Start();
  for (const Case& c : cases) {
    std::wstring path = MakeFile(win::FromUtf8(c.name), c.bytes);
    form().documents().OpenDocument(path);
    EXPECT_EQ(EditorText(), c.text) << c.name;
    EXPECT_EQ(form().StatusText(4), c.status) << c.name;
    editor().SetModified(true);
    ASSERT_TRUE(form().RunCommand(command::FileMenuSave));
    std::string expected = std::string(c.name) == "mixed.txt" ? "1\n2\n3\n" : c.bytes;
    EXPECT_EQ(ReadBytes(path), expected) << c.name;
  }
  EXPECT_EQ(form().StatusText(4), L"ANSI | LF") << "a saved file no longer mixes its breaks";
}

TEST_F(EncodingTest, CharactersTheCodePageLacksAreSavedOnlyAsTheUserSays) {
  std::wstring path = MakeFile(L"greek.txt", "alpha: ");
  Start();
  form().documents().OpenDocument(path);
  SetEditorText(L"alpha: \u03B1");
  const std::wstring question = L"greek.txt contains characters that cannot be saved in the Windows-" +
                                std::to_wstring(::GetACP()) + L" encoding. Save it as UTF-8 instead?";

  prompter_.ExpectMessage(question, Answer::Cancel);
  form().RunCommand(command::FileMenuSave);
  EXPECT_EQ(ReadBytes(path), "alpha: ") << "Cancel writes nothing";
  EXPECT_TRUE(editor().Modified());
  prompter_.ExpectMessage(L"Save changes to \"" + path + L"\"?", Answer::Yes);
  prompter_.ExpectMessage(question, Answer::Cancel);
  form().RunCommand(command::FileMenuClose);
  EXPECT_EQ(form().documents().Active().fileName, path) << "a close that led to Cancel stops";

  prompter_.ExpectMessage(question, Answer::No);
  form().RunCommand(command::FileMenuSave);
  EXPECT_EQ(ReadBytes(path), "alpha: ?") << "No: the code page, as the user chose";

  SetEditorText(L"alpha: \u03B1");
  prompter_.ExpectMessage(question, Answer::Yes);
  form().RunCommand(command::FileMenuSave);
  EXPECT_EQ(ReadBytes(path), "alpha: \xCE\xB1");
  EXPECT_EQ(form().StatusText(4), L"UTF-8 | CR LF") << "the document stays UTF-8";
  SetEditorText(L"\u03B1\u03B2");
  form().RunCommand(command::FileMenuSave);
  EXPECT_EQ(ReadBytes(path), "\xCE\xB1\xCE\xB2") << "no question once it is UTF-8";
}

TEST_F(EncodingTest, SaveAsOffersTheDocumentsEncodingAndLineBreaksAndWritesTheChosenOnes) {
  std::wstring path = MakeFile(L"unix.txt", "gr\xC3\xBC\xC3\x9F\nline\n");
  Start();
  form().documents().OpenDocument(path);
  std::wstring copy = folder_ / L"copy.txt";
  ScriptedPrompter::Expected save{ScriptedPrompter::Expected::Kind::Save};
  save.files = {copy};
  save.choices = {4, 0};  // UTF-16 BE, CR LF
  prompter_.Expect(save);
  form().RunCommand(command::FileMenuSaveAs);
  ASSERT_EQ(prompter_.fileRequests.back().choices.size(), 2u);
  EXPECT_EQ(prompter_.fileRequests.back().choices[0].selected, 1) << "preset: UTF-8";
  EXPECT_EQ(prompter_.fileRequests.back().choices[1].selected, 1) << "preset: LF";
  EXPECT_EQ(ReadBytes(copy), std::string("\xFE\xFF\0g\0r\0\xFC\0\xDF\0\r\0\n\0l\0i\0n\0e\0\r\0\n", 26));
  EXPECT_EQ(form().StatusText(4), L"UTF-16 BE | CR LF");

  form().documents().NewDocument(1, L"rtf");
  prompter_.ExpectSave(folder_ / L"rich.rtf");
  form().RunCommand(command::FileMenuSaveAs);
  EXPECT_TRUE(prompter_.fileRequests.back().choices.empty()) << "rich text has no encoding to choose";
}

TEST_F(EncodingTest, EscapeStopsALongLoadAndClosesTheHalfLoadedDocument) {
  std::string big;
  while (big.size() < 300000) big += "a line of text to load\r\n";
  std::wstring path = MakeFile(L"big.txt", big);
  Start();
  form().documents().NewDocument(0, L"txt");
  SetEditorText(L"kept");
  // First into the untouched untitled tab, then, with that one in use, into a new slot.
  for (int round = 0; round < 2; ++round) {
    ::PostMessageW(form().hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);  // waiting when the load begins
    form().documents().OpenDocument(path);
    EXPECT_EQ(form().documents().TabCount(), 2) << round << ": the half-loaded document is closed";
    EXPECT_TRUE(EditorText() == L"kept") << round << ": the document shown before is shown again";
    EXPECT_EQ(form().StatusText(3), form().documents().Active().fileName);
    EXPECT_EQ(prompter_.messages.size(), 0u);
    form().documents().ActivateTab(0);
    SetEditorText(L"in use");
    form().documents().ActivateTab(1);
  }
}
