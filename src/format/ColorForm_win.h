#pragma once
// The colour palette that drops down from the format bar's colour box: a default
// swatch, 40 colour cells (the last 16 the custom colours) and More Colors. It runs
// its own wait loop and hides when a colour is chosen or it loses the focus.
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "format/FormatRules.h"
#include "win/Window.h"

namespace format {

class TColorForm : public win::Window {
 public:
  // `onHelp` shows the palette's help topic (F1). `moreColors` runs the colour dialog (owned by `owner`) from `color`; true when the
  // user confirmed.
  TColorForm(HWND mainWindow, COLORREF defaultColor, const std::array<std::uint32_t, 16>& custom,
             std::function<bool(HWND owner, COLORREF& color)> moreColors, std::function<void()> onHelp = {});

  // Shows the palette with its top left corner at `screenPoint` and handles window
  // messages until it hides. True when a colour was chosen (see Chosen).
  bool ShowAndWait(POINT screenPoint);
  COLORREF Chosen() const { return chosen_; }
  COLORREF DefaultColor() const { return defaultColor_; }
  const std::vector<PaletteCell>& Cells() const { return cells_; }
  int HotTag() const { return hotTag_; }

  // Tests: runs once the palette is shown, inside its wait loop.
  static void SetTestHook(std::function<void(TColorForm&)> hook);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
  void MouseMove(int x, int y);
  void Click(int tag);
  void Choose(COLORREF color);
  void MoreColorsClick();
  void HideIfAppInactive();
  RECT TagRect(int tag) const;

  HWND main_;
  COLORREF defaultColor_;
  std::vector<PaletteCell> cells_;
  std::function<bool(HWND, COLORREF&)> moreColors_;
  std::function<void()> onHelp_;
  COLORREF chosen_ = 0;
  bool choiceMade_ = false;
  int hotTag_ = kNoTag;
  int pressedTag_ = kNoTag;
  bool moreColorsDown_ = false;
  bool inDialog_ = false;
};

}  // namespace format
