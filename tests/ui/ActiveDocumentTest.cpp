// Which document a command acts on and where the keyboard goes when the active
// document changes: prompts that run their own message loops, the hand-off, the tabs.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "command/CommandIds.h"
#include "ui/Harness.h"
#include "win/Encoding.h"

using namespace uitest;
using win::Answer;

class ActiveDocumentTest : public MainFormTest {
 protected:
  void HandOver(const std::wstring& records) {
    WriteBytes(context_.paths.handOffPath, ReadBytes(context_.paths.handOffPath) + win::ToAnsi(records));
  }
  bool IsOpen(const std::wstring& path) {
    for (int tab = 0; tab < form().documents().TabCount(); ++tab)
      if (form().documents().Slot(form().documents().SlotOfTab(tab))->fileName == path) return true;
    return false;
  }
  HWND ActiveEditorWindow() { return form().documents().ActiveEditor().hwnd(); }
};

TEST_F(ActiveDocumentTest, AHandOffDuringTheSavePromptWaitsAndTheAnswerGoesToTheDocumentAskedAbout) {
  Start();
  std::wstring other = MakeFile(L"other.txt", "other");
  form().documents().OpenDocument(other);
  SetEditorText(L"other edited");
  for (Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
    std::wstring name = L"asked" + std::to_wstring(static_cast<int>(answer)) + L".txt";
    std::wstring asked = MakeFile(name, "on disk");
    std::wstring handed = MakeFile(L"handed" + name, "handed");
    form().documents().OpenDocument(asked);
    SetEditorText(L"edited");

    ScriptedPrompter::Expected prompt{ScriptedPrompter::Expected::Kind::Message};
    prompt.text = L"Save changes to \"" + asked + L"\"?";
    prompt.answer = answer;
    prompt.during = [&] {
      HandOver(handed + L" ");
      form().TimerTimer();
      Pump(700);  // the real timer ticks too
    };
    prompter_.Expect(prompt);
    form().RunCommand(command::FileMenuClose);

    EXPECT_EQ(ReadBytes(asked), answer == Answer::Yes ? "edited" : "on disk");
    EXPECT_EQ(IsOpen(asked), answer == Answer::Cancel);
    EXPECT_FALSE(IsOpen(handed)) << "nothing was picked up while the question was open";
    ASSERT_TRUE(IsOpen(other));
    EXPECT_TRUE(form().documents().Slot(form().documents().SlotOfTab(0))->editor.Modified()) << "the other document is untouched";
    EXPECT_TRUE(PumpUntil([&] { return IsOpen(handed); }, 3000)) << "the record is opened afterwards";
    if (answer == Answer::Cancel) {
      prompter_.ExpectMessage(L"", Answer::No);
      form().documents().ActivateTab(form().documents().TabCount() - 2);
      form().RunCommand(command::FileMenuClose);
    }
  }
}

TEST_F(ActiveDocumentTest, TheFirstDocumentGetsItsEditorOnceTheWindowShowsAndTakesTheKeys) {
  form_ = std::make_unique<app::TMainForm>(context_);
  ASSERT_TRUE(form_->Create());
  workspace::Documents& documents = form().documents();
  ASSERT_EQ(documents.TabCount(), 1);
  EXPECT_TRUE(documents.SlotAsIs(documents.ActiveSlot)->pending) << "made before the window shows";
  form_->Show(SW_SHOW);
  ::SetForegroundWindow(form().hwnd());
  ASSERT_TRUE(PumpUntil([this] { return !form_->FirstTickPending(); }));

  const workspace::DocumentSlot& slot = *documents.SlotAsIs(documents.ActiveSlot);
  ASSERT_FALSE(slot.pending);
  EXPECT_TRUE(::IsWindowVisible(slot.editor.hwnd()));
  RECT panel{}, shown{};
  ::GetClientRect(slot.panel, &panel);
  ::GetWindowRect(slot.editor.hwnd(), &shown);
  EXPECT_EQ(shown.right - shown.left, panel.right) << "the editor fills its panel";
  EXPECT_EQ(::GetFocus(), slot.editor.hwnd());
  EXPECT_EQ(form().StatusText(2), L"Plain Text");
  EXPECT_EQ(form().StatusText(3), slot.fileName);
  ::SendMessageW(slot.editor.hwnd(), WM_CHAR, L'x', 0);
  EXPECT_EQ(EditorText(), L"x");
  EXPECT_TRUE(editor().Modified());
}

TEST_F(ActiveDocumentTest, TheKeyboardFollowsTheDocumentShownOnEveryPath) {
  std::wstring a = MakeFile(L"a.txt", "a"), b = MakeFile(L"b.txt", "b"), c = MakeFile(L"c.txt", "c");
  Start();
  ::SetForegroundWindow(form().hwnd());
  Pump(20);
  form().documents().OpenDocument(a);
  EXPECT_EQ(::GetFocus(), ActiveEditorWindow()) << "open";

  HandOver(b + L" ");
  form().TimerTimer();
  ASSERT_EQ(form().documents().Active().fileName, b);
  EXPECT_EQ(::GetFocus(), ActiveEditorWindow()) << "hand-off";

  form().documents().NewDocument(0, L"txt");
  EXPECT_EQ(::GetFocus(), ActiveEditorWindow()) << "new";

  RECT tab;
  TabCtrl_GetItemRect(form().PageControl(), 0, &tab);
  ::SendMessageW(form().PageControl(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.left + 4, tab.top + 4));
  ::SendMessageW(form().PageControl(), WM_LBUTTONUP, 0, MAKELPARAM(tab.left + 4, tab.top + 4));
  ASSERT_EQ(form().documents().Active().fileName, a);
  EXPECT_EQ(::GetFocus(), ActiveEditorWindow()) << "tab click";

  ::SendMessageW(ActiveEditorWindow(), WM_SYSKEYDOWN, VK_RIGHT, 0x20000000);
  ASSERT_EQ(form().documents().Active().fileName, b);
  EXPECT_EQ(::GetFocus(), ActiveEditorWindow()) << "Alt+Right";

  form().RunCommand(command::FileMenuClose);
  EXPECT_EQ(::GetFocus(), ActiveEditorWindow()) << "close";

  ::ShowWindow(form().hwnd(), SW_MINIMIZE);
  Pump(50);
  ::ShowWindow(form().hwnd(), SW_RESTORE);
  ::SetForegroundWindow(form().hwnd());
  Pump(50);
  EXPECT_EQ(::GetFocus(), ActiveEditorWindow()) << "restore";

  form().documents().OpenDocument(c);
  ::SendMessageW(ActiveEditorWindow(), WM_CHAR, L'x', 0);
  EXPECT_EQ(form().documents().ActiveEditor().Text(), L"xc") << "typing lands in the document shown";
}

namespace {
// Reads the tab menu's states while it is open, then closes it.
HMENU g_tabMenu = nullptr;
std::vector<UINT> g_states;
void CALLBACK ReadTabMenu(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  for (unsigned command : {command::TabMenuCopy, command::TabMenuMove, command::TabMenuDelete,
                           command::TabMenuRename, command::TabMenuProperties, command::TabMenuClose})
    g_states.push_back(::GetMenuState(g_tabMenu, command, MF_BYCOMMAND) & MF_GRAYED);
  ::EndMenu();
}
}  // namespace

TEST_F(ActiveDocumentTest, TabMenuItemsWorkOnADocumentWithAFile) {
  Start();
  form().documents().OpenDocument(MakeFile(L"a.txt", "a"));
  g_tabMenu = form().MenuOf(command::kTabMenu);
  g_states.clear();
  ::SetTimer(nullptr, 0, 100, &ReadTabMenu);
  RECT tab;
  TabCtrl_GetItemRect(form().PageControl(), 0, &tab);
  ::SendMessageW(form().PageControl(), WM_RBUTTONUP, 0, MAKELPARAM(tab.left + 4, tab.top + 4));
  ASSERT_EQ(g_states.size(), 6u) << "the tab menu did not show";
  for (size_t i = 0; i < 6; ++i) EXPECT_FALSE(g_states[i]) << "item " << i << " works on a document with a file";
}

TEST_F(ActiveDocumentTest, ADocumentSavedUnderAnotherSpellingIsFoundByItsFileSystemName) {
  std::wstring path = MakeFile(L"Mixed.txt", "old");
  Start();
  SetEditorText(L"new");
  std::wstring typed = path;
  for (wchar_t& ch : typed) ch = static_cast<wchar_t>(towupper(ch));
  prompter_.ExpectSave(typed);
  form().RunCommand(command::FileMenuSaveAs);
  EXPECT_EQ(form().documents().Active().fileName, path) << "the name as the file system spells it";

  form().documents().NewDocument(0, L"txt");
  prompter_.ExpectMessage(path + L" is already open.\n\nOpen another copy from disk?", Answer::No);
  form().documents().OpenDocument(path);
  EXPECT_EQ(form().documents().TabCount(), 2);
}

TEST_F(ActiveDocumentTest, NamesStillWaitingWhenTheWindowClosesGoBackToParamDat) {
  Start();
  std::vector<std::wstring> names;
  std::wstring records;
  for (int i = 0; i < 80; ++i) {
    names.push_back(MakeFile(L"many" + std::to_wstring(i) + L".txt", "x"));
    records += names.back() + L" ";
  }
  HandOver(records);
  form().TimerTimer();
  bool waiting = form().OpeningPending();
  std::vector<std::wstring> open;
  for (int tab = 0; tab < form().documents().TabCount(); ++tab) open.push_back(form().documents().Slot(form().documents().SlotOfTab(tab))->fileName);
  Exit();
  std::string handedBack = ReadBytes(context_.paths.handOffPath);
  EXPECT_EQ(waiting, !handedBack.empty());
  for (const std::wstring& name : names) {
    bool wasOpen = std::find(open.begin(), open.end(), name) != open.end();
    bool back = handedBack.find(win::ToAnsi(name) + " ") != std::string::npos;
    EXPECT_NE(wasOpen, back) << win::ToUtf8(name) << ": opened once or handed back, never lost";
  }
}
