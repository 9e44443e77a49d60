#pragma once
// The document properties: a File page of facts about the file on disk, with its
// attributes to change, and a Document page of facts about the text, with its
// read-only state and word wrap; both under one header of icon and name.
#include <windows.h>

#include <functional>
#include <string>

#include "win/Dialog.h"

namespace dialogs {

// What the dialog shows, as texts. Values that are not known keep "0".
struct PropertiesFacts {
  bool hasFile = false;      // false: only the Document page
  HICON icon = nullptr;      // not owned
  std::wstring name;         // name and extension
  std::wstring type, location;
  std::wstring size = L"0", created = L"0", modified = L"0", accessed = L"0";
  bool fileReadOnly = false, hidden = false, archive = false;
  std::wstring docModified = L"0", lines = L"0", format = L"0", textSize = L"0", font = L"0", fontSize = L"0";
  bool readOnly = false, wordWrap = false;
  bool hotTrack = false;     // tabs highlight under the mouse
};

// The boxes as the user left them on OK.
struct PropertiesChoice {
  bool fileReadOnly = false, hidden = false, archive = false;
  bool readOnly = false, wordWrap = false;
};

class TProperties : public win::Dialog {
 public:
  enum Page { kFilePage, kDocumentPage };
  TProperties(PropertiesFacts facts, std::function<void(int topic)> showHelp);

  const PropertiesChoice& choice() const { return choice_; }
  // The page shown now.
  Page ActivePage() const;
  // Shows a page as a click on its tab does.
  void SelectPage(Page page);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  INT_PTR OnNotify(NMHDR& header) override;
  void OnOK() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void ShowPage(Page page);
  int HelpTopicOf(int control) const;

  PropertiesFacts facts_;
  std::function<void(int)> showHelp_;
  PropertiesChoice choice_;
};

}  // namespace dialogs
