#pragma once
// The ruler: a 10-pixel scale in inches or centimetres above the active document's
// editor, coloured with RulerColor; a click switches the units. It sits in the active
// tab's panel and moves with it.
#include <windows.h>

#include <functional>
#include <string>

#include "command/Command.h"
#include "win/Handles.h"
#include "win/Window.h"
#include "workspace/DocumentHost.h"
#include "workspace/Frame.h"

namespace chrome {

class Ruler : public win::Window {
 public:
  using Sender = command::Sender;
  Ruler(workspace::Frame& frame, workspace::DocumentHost& documents, command::Registry& commands);

  // Makes the ruler, hidden, in the main window and draws its picture.
  void Create(HWND mainWindow);
  bool Shown() const { return shown_; }
  // The ruler follows the active tab; a page about to be destroyed gives it back first.
  void ActivePageChanged();
  void SlotClosing(int slot);

  // Draws the picture from RulerStyle and RulerColor (after Settings too).
  void DrawRuler();
  // A click on the ruler: the other units, stored at once.
  void ChangeRuler();
  void ViewMenuRulerClick(const Sender&);

  std::wstring Hint() const { return hint_; }
  // The colour of the picture at a point, as drawn.
  COLORREF PixelAt(int x, int y) const;
  // The pointer moved over the ruler, for the status-bar hints.
  std::function<void(const std::wstring& hint)> onHint;
  bool showTips = true;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND Panel() const;
  void Place();
  void Paint();

  workspace::Frame& frame_;
  workspace::DocumentHost& documents_;
  bool shown_ = false;
  std::wstring hint_, tipText_;
  HWND tips_ = nullptr;
  win::UniqueBitmap picture_;
  std::uint32_t* bits_ = nullptr;  // the picture's pixels, top row first
  int width_ = 0;
};

}  // namespace chrome
