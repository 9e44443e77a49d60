#include "win/MessageLoop.h"

#include <algorithm>
#include <vector>

namespace win {
namespace {
std::vector<HWND>& Modeless() {
  static std::vector<HWND> dialogs;
  return dialogs;
}
HWND g_acceleratorTarget = nullptr;
HACCEL g_accelerators = nullptr;
std::function<void()>& Idle() {
  static std::function<void()> idle;
  return idle;
}
}  // namespace

void MessageLoop::SetIdle(std::function<void()> idle) { Idle() = std::move(idle); }

void MessageLoop::AddModeless(HWND dialog) {
  if (std::find(Modeless().begin(), Modeless().end(), dialog) == Modeless().end()) Modeless().push_back(dialog);
}

void MessageLoop::RemoveModeless(HWND dialog) {
  Modeless().erase(std::remove(Modeless().begin(), Modeless().end(), dialog), Modeless().end());
}

void MessageLoop::SetAccelerators(HWND target, HACCEL table) {
  g_acceleratorTarget = target;
  g_accelerators = table;
}

bool MessageLoop::Translate(MSG& msg) {
  for (HWND dialog : Modeless())
    if (::IsWindow(dialog) && ::IsWindowVisible(dialog) && ::IsDialogMessageW(dialog, &msg)) return true;
  if (g_accelerators && g_acceleratorTarget && ::IsWindow(g_acceleratorTarget)) {
    HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root == g_acceleratorTarget && ::TranslateAcceleratorW(g_acceleratorTarget, g_accelerators, &msg)) return true;
  }
  return false;
}

int MessageLoop::Run() {
  MSG msg;
  for (;;) {
    if (Idle() && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) Idle()();
    if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
    if (Translate(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

bool MessageLoop::PumpPending() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (Translate(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return true;
}

}  // namespace win
