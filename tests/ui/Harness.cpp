#include "ui/Harness.h"

#include <commctrl.h>
#include <objbase.h>

#include "win/Encoding.h"
#include "win/Handles.h"
#include "win/MessageLoop.h"
#include "win/Window.h"

namespace uitest {
namespace {

ScriptedPrompter* g_current = nullptr;

std::string Narrow(const std::wstring& text) { return win::ToUtf8(text); }

const char* KindName(ScriptedPrompter::Expected::Kind kind) {
  switch (kind) {
    case ScriptedPrompter::Expected::Kind::Message: return "message";
    case ScriptedPrompter::Expected::Kind::Open: return "open dialog";
    case ScriptedPrompter::Expected::Kind::Save: return "save dialog";
    case ScriptedPrompter::Expected::Kind::Color: return "colour dialog";
    case ScriptedPrompter::Expected::Kind::Font: return "font dialog";
    case ScriptedPrompter::Expected::Kind::Folder: return "folder dialog";
    case ScriptedPrompter::Expected::Kind::Print: return "print dialog";
  }
  return "?";
}

void ShowExceptionInTest(const std::wstring& text) {
  if (g_current) {
    win::MessageRequest request;
    request.text = text;
    request.icon = win::Icon::Error;
    g_current->Message(request);
  } else {
    ADD_FAILURE() << "error shown: " << Narrow(text);
  }
}

}  // namespace

void ScriptedPrompter::ExpectMessage(std::wstring text, win::Answer answer) {
  Expected e{Expected::Kind::Message};
  e.text = std::move(text);
  e.answer = answer;
  queue_.push_back(std::move(e));
}

void ScriptedPrompter::ExpectOpen(std::vector<std::wstring> files, int filterIndex) {
  Expected e{Expected::Kind::Open};
  e.files = std::move(files);
  e.filterIndex = filterIndex;
  queue_.push_back(std::move(e));
}

void ScriptedPrompter::ExpectOpenCancelled() {
  Expected e{Expected::Kind::Open};
  e.accept = false;
  queue_.push_back(std::move(e));
}

void ScriptedPrompter::ExpectSave(std::wstring path) {
  Expected e{Expected::Kind::Save};
  e.files = {std::move(path)};
  queue_.push_back(std::move(e));
}

void ScriptedPrompter::ExpectSaveCancelled() {
  Expected e{Expected::Kind::Save};
  e.accept = false;
  queue_.push_back(std::move(e));
}

bool ScriptedPrompter::Next(Expected::Kind kind, const std::wstring& what, Expected& out) {
  if (queue_.empty() || queue_.front().kind != kind) {
    ADD_FAILURE() << "unexpected " << KindName(kind) << ": " << Narrow(what)
                  << (queue_.empty() ? std::string(" (nothing expected)")
                                     : std::string(" (expected a ") + KindName(queue_.front().kind) + ")");
    return false;
  }
  out = std::move(queue_.front());
  queue_.pop_front();
  if (out.during) out.during();
  return true;
}

win::Answer ScriptedPrompter::Message(const win::MessageRequest& request) {
  messages.push_back(request);
  Expected e{};
  if (!Next(Expected::Kind::Message, request.text, e)) return win::Answer::Cancel;
  if (!e.text.empty()) {
    EXPECT_EQ(Narrow(request.text), Narrow(e.text));
  }
  return e.answer;
}

bool ScriptedPrompter::OpenFile(win::FileRequest& request) {
  fileRequests.push_back(request);
  Expected e{};
  if (!Next(Expected::Kind::Open, request.filter, e) || !e.accept) return false;
  request.fileNames = e.files;
  request.fileName = e.files.empty() ? std::wstring() : e.files.front();
  if (e.filterIndex) request.filterIndex = e.filterIndex;
  return true;
}

bool ScriptedPrompter::SaveFile(win::FileRequest& request) {
  fileRequests.push_back(request);
  Expected e{};
  if (!Next(Expected::Kind::Save, request.fileName, e) || !e.accept) return false;
  request.fileName = e.files.front();
  request.fileNames = e.files;
  if (e.filterIndex) request.filterIndex = e.filterIndex;
  for (size_t i = 0; i < e.choices.size() && i < request.choices.size(); ++i) request.choices[i].selected = e.choices[i];
  return true;
}

bool ScriptedPrompter::PickColor(win::ColorRequest& request) {
  Expected e{};
  if (!Next(Expected::Kind::Color, L"", e) || !e.accept) return false;
  if (e.color != CLR_INVALID) request.color = e.color;
  return true;
}

bool ScriptedPrompter::PickFont(win::FontRequest&) {
  Expected e{};
  return Next(Expected::Kind::Font, L"", e) && e.accept;
}

std::wstring ScriptedPrompter::BrowseFolder(const win::FolderRequest& request) {
  Expected e{};
  if (!Next(Expected::Kind::Folder, request.title, e) || !e.accept || e.files.empty()) return std::wstring();
  return e.files.front();
}

bool ScriptedPrompter::Print(win::PrintRequest&) {
  Expected e{};
  return Next(Expected::Kind::Print, L"", e) && e.accept;
}

void Pump(int milliseconds) {
  DWORD start = ::GetTickCount();
  do {
    win::MessageLoop::PumpPending();
    if (milliseconds > 0) ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (static_cast<int>(::GetTickCount() - start) < milliseconds);
}

bool PumpUntil(const std::function<bool()>& done, int milliseconds) {
  DWORD start = ::GetTickCount();
  while (!done()) {
    if (static_cast<int>(::GetTickCount() - start) > milliseconds) return done();
    win::MessageLoop::PumpPending();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void MainFormTest::SetUp() {
  g_current = &prompter_;
  win::SetExceptionDisplay(&ShowExceptionInTest);
  std::wstring windows = folder_ / L"Windows\\";
  ::CreateDirectoryW(windows.c_str(), nullptr);
  context_.paths = config::AppPaths::ForFolders(folder_.path(), windows);
  ini_ = std::make_unique<config::IniFile>(context_.paths.iniPath);
  context_.profile = ini_.get();
  context_.prompter = &prompter_;
  context_.playSound = [this](const wchar_t* name) { sounds_.push_back(name); };
  context_.now = [this] { return now_; };
  context_.shellOpen = [this](const std::wstring& target, const std::wstring&, int) { opened_.push_back(target); };
}

void MainFormTest::TearDown() {
  if (form_ && form_->hwnd()) {
    // Leave without prompts: the test is over.
    for (int slot = 0; slot < workspace::kSlotCount; ++slot)
      if (auto* s = form_->documents().Slot(slot)) s->editor.SetModified(false);
    form_->SetBusy(false);
    ::DestroyWindow(form_->hwnd());
  }
  form_.reset();
  Pump();
  // Windows created by the test are gone; drain the quit message the window posted.
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
  win::Dialog::SetTestHook(nullptr);
  EXPECT_EQ(prompter_.Pending(), 0u) << "expected prompts that never came";
  g_current = nullptr;
}

void MainFormTest::WriteIni(const std::string& text) { WriteBytes(context_.paths.iniPath, text); }

void MainFormTest::Start() {
  form_ = std::make_unique<app::TMainForm>(context_);
  ASSERT_TRUE(form_->Create());
  win::MessageLoop::SetAccelerators(form_->hwnd(), form_->Accelerators());
  form_->Show(SW_SHOW);
  ASSERT_TRUE(PumpUntil([this] { return !form_->FirstTickPending() && !form_->OpeningPending(); }));
}

void MainFormTest::Exit() {
  form_->RunCommand(command::FileMenuExit);
  PumpUntil([this] { return !form_->hwnd(); }, 3000);
  // The closed window asked the message loop to end; the test goes on.
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

std::wstring MainFormTest::IniValue(const wchar_t* section, const wchar_t* key) {
  wchar_t buffer[1024] = L"";
  ::GetPrivateProfileStringW(section, key, L"<absent>", buffer, 1024, context_.paths.iniPath.c_str());
  return buffer;
}

void MainFormTest::SetEditorText(const std::wstring& text) {
  editor().SetSelection(0, -1);
  editor().ReplaceSelection(text, true);
  Pump();
}

std::vector<std::wstring> Captions(HMENU menu) {
  std::vector<std::wstring> captions;
  for (int i = 0, count = ::GetMenuItemCount(menu); i < count; ++i) {
    wchar_t text[300] = L"";
    ::GetMenuStringW(menu, static_cast<UINT>(i), text, 300, MF_BYPOSITION);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    captions.push_back(info.fType & MFT_SEPARATOR ? L"-" : text);
  }
  return captions;
}

}  // namespace uitest

int main(int argc, char** argv) {
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  ::InitCommonControlsEx(&controls);
  ::testing::InitGoogleTest(&argc, argv);
  int result = RUN_ALL_TESTS();
  ::CoUninitialize();
  return result;
}
