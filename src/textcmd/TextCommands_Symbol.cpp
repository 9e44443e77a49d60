// Edit > Insert Symbol.
#include "textcmd/TextCommands_win.h"
#include "config/Keys.h"
#include "dialogs/CharForm.h"

namespace textcmd {
using namespace command;
namespace keys = config::keys;

void TextCommands::EditMenuInsertSymbolClick(const Sender&) {
  workspace::RichEditor& editor = documents_.ActiveEditor();
  bool plain = editor.IsPlainText();
  std::wstring font = plain ? editor.DefaultFont().name : frame_.Profile().Read(keys::SymbolFont);
  dialogs::TCharForm dialog(font, !plain, [this](int topic) { frame_.ShowHelpTopic(topic); });
  if (dialog.ShowModal(frame_.Window()) != IDOK) return;
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
      editor.SetSelectionCharFormat(format);
    }
    documents_.MemoSelectionChange();
  }
  frame_.Profile().Write(keys::SymbolFont, dialog.fontName());
}

}  // namespace textcmd
