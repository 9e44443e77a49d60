#pragma once
// The format bar: the font, size and colour boxes and the style, alignment and bullet
// buttons. It shows what it is told and reports what the user does; the rules live in
// Formatting.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "format/FormatRules.h"
#include "win/Handles.h"
#include "win/Window.h"

namespace format {

enum class BarButton { Bold, Italic, Underline, StrikeOut, LeftAlign, CenterAlign, RightAlign, Bullets };
inline constexpr int kBarButtonCount = 8;

class FormatBarEvents {
 public:
  virtual void FontComboBoxChange() = 0;
  // A size chosen from the list, or Enter in the size box.
  virtual void FontSizeApply() = 0;
  // The colour box was opened.
  virtual void ColorClick() = 0;
  // A button was clicked; it already stands as the click left it.
  virtual void ButtonClick(BarButton button) = 0;
  // The pointer moved over a button (empty: it left).
  virtual void BarHint(const std::wstring& hint) = 0;
  // F1 in one of the boxes.
  virtual void BarHelp() = 0;

 protected:
  ~FormatBarEvents() = default;
};

class FormatBar : public win::Window {
 public:
  explicit FormatBar(FormatBarEvents& events) : events_(events) {}

  // Creates the bar, hidden, with its buttons.
  HWND Create(HWND parent);
  // Adds the font box with the installed fonts, the size and the colour box. Under
  // Wine each combo box costs about as much as a top-level window: the first window
  // shows without them, and they come on its first timer tick.
  void AddBoxes();
  // The height the bar needs; 0 while it is hidden.
  int Height() const;

  HWND FontComboBox() const { return fontBox_; }
  HWND FontSize() const { return sizeBox_; }
  HWND FontSizeEdit() const { return sizeEdit_; }
  HWND ColorBox() const { return colorBox_; }
  HWND Buttons() const { return buttons_; }

  bool IsDown(BarButton button) const;
  void SetDown(BarButton button, bool down);
  bool IsButtonEnabled(BarButton button) const;
  void EnableButton(BarButton button, bool enabled);
  // The three alignment buttons: the one of `alignment` (0 left, 1 right, 2 centre) down.
  void SetAlignment(int alignment);

  const std::vector<FontName>& Fonts() const { return fonts_; }
  // The chosen entry of the font box, or nullptr.
  const FontName* SelectedFont() const;
  // Selects the entry named `name` (any letter case); none when there is none.
  void SelectFontName(const std::wstring& name);
  std::wstring SizeText() const;
  void SetSizeText(const std::wstring& text);
  COLORREF BoxColor() const { return boxColor_; }
  void SetBoxColor(COLORREF color);
  // The background of the font and size boxes.
  void SetBoxBackground(COLORREF color);
  // While the palette is open the colour box does not open another.
  void SetColorDropAttached(bool attached) { colorDropAttached_ = attached; }
  void SetShowTips(bool show);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateBoxes();
  void CreateButtons();
  void CreateTips();
  void LayOut();
  void FillFonts();
  void OnCommand(unsigned id, unsigned code, HWND control);
  LRESULT OnNotify(NMHDR& header);
  LRESULT OnControlColor(HDC dc, HWND control);
  static LRESULT CALLBACK ColorBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
  static LRESULT CALLBACK SizeEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);

  FormatBarEvents& events_;
  HWND fontBox_ = nullptr, sizeBox_ = nullptr, sizeEdit_ = nullptr, colorBox_ = nullptr, buttons_ = nullptr;
  HWND tips_ = nullptr;
  win::UniqueImageList images_;
  win::UniqueBrush colorBrush_, boxBrush_;
  COLORREF boxColor_ = RGB(0, 0, 0);
  COLORREF boxBackground_ = RGB(255, 255, 255);
  std::vector<FontName> fonts_;
  bool sizeFromList_ = false;
  bool colorDropAttached_ = true;
};

// The installed fonts as the font box lists them (see FontList).
std::vector<FontName> InstalledFonts();

}  // namespace format
