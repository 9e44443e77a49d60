// Edit > Insert Symbol.
#include "app/MainForm.h"
#include "config/Keys.h"
#include "dialogs/CharForm.h"

namespace app {
namespace keys = config::keys;

void TMainForm::EditMenuInsertSymbolClick(const Sender&) {
  workspace::RichEditor& editor = ActiveEditor();
  bool plain = editor.IsPlainText();
  std::wstring font = plain ? editor.DefaultFont().name : profile().Read(keys::SymbolFont);
  dialogs::TCharForm dialog(font, !plain, [this](int topic) { ShowHelpTopic(topic); });
  if (dialog.ShowModal(hwnd()) != IDOK) return;
  const std::wstring& symbols = dialog.symbols();
  if (!symbols.empty() && !editor.ReadOnly()) {
    long start = editor.Selection().cpMin;
    editor.ReplaceSelection(symbols, false);
    long end = editor.Selection().cpMax;
    editor.SetSelection(start, end);
    if (!plain) {
      CHARFORMAT2W format{};
      format.cbSize = sizeof(format);
      format.dwMask = CFM_FACE | CFM_CHARSET;
      format.bCharSet = dialog.fontCharSet();
      lstrcpynW(format.szFaceName, dialog.fontName().c_str(), LF_FACESIZE);
      ::SendMessageW(editor.hwnd(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    }
    MemoSelectionChange();
  }
  profile().Write(keys::SymbolFont, dialog.fontName());
}

}  // namespace app
