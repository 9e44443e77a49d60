#pragma once
// In-process tests of the editor: a scripted prompter answers every message box and
// common dialog, and a fixture builds a main window over a scratch program folder.
#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/AppContext.h"
#include "support/Scratch.h"
#include "app/MainForm.h"
#include "config/IniFile_win.h"
#include "win/Dialog.h"
#include "win/Prompt.h"

namespace uitest {

// Answers prompts from a queue of expectations; a prompt nobody expected fails the
// test and is answered with Cancel.
class ScriptedPrompter : public win::Prompter {
 public:
  struct Expected {
    enum class Kind { Message, Open, Save, Color, Font, Folder, Print } kind;
    std::wstring text;                    // message: the exact text expected (empty: any)
    win::Answer answer = win::Answer::Ok;
    bool accept = true;                   // dialogs: confirm or cancel
    std::vector<std::wstring> files;      // open: chosen files; save: the chosen path
    int filterIndex = 0;                  // 0: leave as asked
    std::vector<int> choices;             // save: the lists' selections (empty: as asked)
    std::function<void()> during;         // runs while the prompt is "open"
    COLORREF color = CLR_INVALID;         // colour: the colour chosen (CLR_INVALID: as asked)
  };

  void ExpectMessage(std::wstring text, win::Answer answer = win::Answer::Ok);
  void ExpectOpen(std::vector<std::wstring> files, int filterIndex = 0);
  void ExpectOpenCancelled();
  void ExpectSave(std::wstring path);
  void ExpectSaveCancelled();
  void Expect(Expected expected) { queue_.push_back(std::move(expected)); }

  size_t Pending() const { return queue_.size(); }

  win::Answer Message(const win::MessageRequest& request) override;
  bool OpenFile(win::FileRequest& request) override;
  bool SaveFile(win::FileRequest& request) override;
  bool PickColor(win::ColorRequest& request) override;
  bool PickFont(win::FontRequest& request) override;
  std::wstring BrowseFolder(const win::FolderRequest& request) override;
  bool Print(win::PrintRequest& request) override;

  std::vector<win::MessageRequest> messages;  // every message shown, in order
  std::vector<win::FileRequest> fileRequests;  // every Open and Save As, as asked

 private:
  bool Next(Expected::Kind kind, const std::wstring& what, Expected& out);
  std::deque<Expected> queue_;
};

// The captions of a menu's items in order, "-" for a separator.
std::vector<std::wstring> Captions(HMENU menu);

// Handles window messages for a while (timers, posted messages).
void Pump(int milliseconds = 0);
// Handles messages until `done` holds or the time is up; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int milliseconds = 5000);

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A file of the scratch folder with these bytes; returns its full path.
  std::wstring MakeFile(const std::wstring& name, const std::string& bytes) {
    std::wstring path = folder_ / name;
    WriteBytes(path, bytes);
    return path;
  }
  // Writes `lines` ("[Main]", "Key=Value") as Tarnwick.ini before the start.
  void WriteIni(const std::string& text);
  // Creates and shows the main window and lets its first timer tick run.
  void Start();
  // Closes the window as File > Exit does; the prompts it meets must be expected.
  void Exit();
  app::TMainForm& form() { return *form_; }
  workspace::RichEditor& editor() { return form_->documents().ActiveEditor(); }
  std::wstring IniValue(const wchar_t* section, const wchar_t* key);
  void SetEditorText(const std::wstring& text);  // as typing would: modified
  std::wstring EditorText() { return editor().Text(); }

  ScratchFolder folder_;
  ScriptedPrompter prompter_;
  std::unique_ptr<config::IniFile> ini_;
  app::AppContext context_;
  std::unique_ptr<app::TMainForm> form_;
  SYSTEMTIME now_{2000, 12, 0, 31, 13, 5, 0, 0};
  std::vector<std::wstring> sounds_;
  std::vector<std::wstring> opened_;  // shell "open" requests
};

}  // namespace uitest
