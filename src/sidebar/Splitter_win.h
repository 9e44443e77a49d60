#pragma once
// A thin bar the user drags sideways to size the pane beside it.
#include <windows.h>

#include <functional>

#include "win/Window.h"

namespace sidebar {

class Splitter : public win::Window {
 public:
  void Create(HWND parent);
  // The bar was pressed / has been dragged `dx` pixels from where it was pressed.
  std::function<void()> onPress;
  std::function<void(int dx)> onDrag;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool dragging_ = false;
  int pressedAt_ = 0;
};

}  // namespace sidebar
