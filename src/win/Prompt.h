#pragma once
// Every message box and common dialog of the program goes through one Prompter, so a
// test can answer them and see what was asked.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

namespace win {

enum class Icon { None, Information, Warning, Question, Error };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageRequest {
  HWND owner = nullptr;
  std::wstring text;
  std::wstring title = L"Tarnwick";
  Icon icon = Icon::Warning;
  Buttons buttons = Buttons::Ok;
};

// A labelled drop-down list a file dialog shows below its own controls.
struct FileChoice {
  std::wstring label;               // with its access key, "&Encoding:"
  std::vector<std::wstring> items;
  int selected = 0;                 // in and out
};

struct FileRequest {
  HWND owner = nullptr;
  std::wstring title;       // empty: the system's title
  std::wstring filter;      // "description|patterns|description|patterns"
  int filterIndex = 1;      // in and out, counted from 1
  std::wstring initialDir;
  std::wstring fileName;    // in: the proposed name; out: the (first) chosen path
  std::wstring defaultExt;  // without its dot
  bool multiSelect = false;
  bool overwritePrompt = false;
  bool mustExist = false;
  std::vector<std::wstring> fileNames;  // out: every chosen path, in the dialog's order
  std::vector<FileChoice> choices;      // at most two
};

struct ColorRequest {
  HWND owner = nullptr;
  COLORREF color = 0;
  std::array<COLORREF, 16> custom{};
  bool fullOpen = false;
};

struct FontRequest {
  HWND owner = nullptr;
  LOGFONTW font{};
  COLORREF color = 0;
  bool effects = true;
  bool ansiOnly = true;
};

struct FolderRequest {
  HWND owner = nullptr;
  std::wstring title;
  std::wstring startFolder;
};

struct PrintRequest {
  HWND owner = nullptr;
  bool setupOnly = false;       // printer set-up instead of the print dialog
  bool allowSelection = false;
  bool allowPages = false;
  int fromPage = 1, toPage = 1, minPage = 1, maxPage = 1;
  int copies = 1;
  enum class Range { All, Selection, Pages } range = Range::All;
  HDC dc = nullptr;             // out: the printer's DC for a print dialog; the caller deletes it
  std::wstring printerName;     // in and out: the printer (empty: the default one)
  bool landscape = false;       // in and out: the printer's orientation
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual Answer Message(const MessageRequest& request) = 0;
  virtual bool OpenFile(FileRequest& request) = 0;
  virtual bool SaveFile(FileRequest& request) = 0;
  virtual bool PickColor(ColorRequest& request) = 0;
  virtual bool PickFont(FontRequest& request) = 0;
  virtual std::wstring BrowseFolder(const FolderRequest& request) = 0;
  virtual bool Print(PrintRequest& request) = 0;
};

// The real dialogs of the system.
class SystemPrompter : public Prompter {
 public:
  Answer Message(const MessageRequest& request) override;
  bool OpenFile(FileRequest& request) override;
  bool SaveFile(FileRequest& request) override;
  bool PickColor(ColorRequest& request) override;
  bool PickFont(FontRequest& request) override;
  std::wstring BrowseFolder(const FolderRequest& request) override;
  bool Print(PrintRequest& request) override;
};

}  // namespace win
