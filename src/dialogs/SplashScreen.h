#pragma once
// The borderless window shown while the main window is built.
#include <windows.h>

#include "win/Handles.h"
#include "win/Window.h"

namespace dialogs {

class TSplashScreen : public win::Window {
 public:
  static constexpr int kWidth = 301;
  static constexpr int kHeight = 95;

  // Creates, shows and paints the splash at once, centred on the screen.
  bool Create();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
  win::UniqueBitmap logo_, left_, right_;
};

}  // namespace dialogs
