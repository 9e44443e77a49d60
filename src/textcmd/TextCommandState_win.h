#pragma once
// What the text commands keep on the main window: the last search and the Replace
// dialog, which lives from its first use until the window closes.
#include <memory>
#include <string>

#include "app/MainForm.h"
#include "dialogs/ReplaceForm.h"

namespace app {

struct TMainForm::TextCommandState {
  std::wstring lastSearch;
  bool matchCase = false;
  bool wholeWord = false;
  bool allDocuments = false;
  std::unique_ptr<dialogs::TReplaceForm> replaceForm;
};

}  // namespace app
