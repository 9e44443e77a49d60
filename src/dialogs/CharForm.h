#pragma once
// Edit > Insert Symbol: a grid of the characters 32 to 255 in a chosen font.
#include <windows.h>

#include <functional>
#include <string>

#include "win/Dialog.h"
#include "win/Handles.h"

namespace dialogs {

class TCharForm : public win::Dialog {
 public:
  static constexpr int kColumns = 32;
  static constexpr int kRows = 7;
  static constexpr int kCellWidth = 13;
  static constexpr int kCellHeight = 16;

  // `initialFont` is selected when it is listed; `fontBoxEnabled` is false for a
  // plain-text document (its own font, which cannot change).
  TCharForm(std::wstring initialFont, bool fontBoxEnabled, std::function<void(int)> showHelp);

  // After OK: the characters to insert (possibly empty) and the chosen font.
  const std::wstring& symbols() const { return symbols_; }
  const std::wstring& fontName() const { return fontName_; }
  BYTE fontCharSet() const { return charSet_; }

  // The character the grid shows at a cell (0..223) in the chosen font.
  wchar_t CellCharacter(int cell) const;
  void AppendCell(int cell);
  int selectedCell() const { return selected_; }
  void SelectCell(int cell);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  static LRESULT CALLBACK GridProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void ApplyFont();
  void PaintGrid(HDC dc);

  std::wstring initialFont_;
  bool fontBoxEnabled_;
  std::function<void(int)> showHelp_;
  std::wstring symbols_, fontName_;
  BYTE charSet_ = DEFAULT_CHARSET;
  win::UniqueFont font_;
  int selected_ = 0;
  HWND grid_ = nullptr;
};

}  // namespace dialogs
