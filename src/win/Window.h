#pragma once
// Base of every window the program creates: owns its HWND and sends each message to
// a member handler. Nothing thrown by a handler unwinds through user32.
#include <windows.h>

#include <exception>
#include <string>

namespace win {

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return hwnd_; }

  // Registers a window class served by this base once per process.
  static void RegisterClassOnce(const wchar_t* className, UINT style = CS_DBLCLKS, HBRUSH background = nullptr,
                                HICON icon = nullptr, HICON smallIcon = nullptr);

 protected:
  HWND CreateHandle(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId);
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

// Shows the text of an exception that reached a message handler (the program's
// top-level error display); the message loop then goes on.
using ExceptionDisplay = void (*)(const std::wstring& text);
void SetExceptionDisplay(ExceptionDisplay display);
void ReportException(const std::exception& error);
void ReportUnknownException();

// An error whose text is shown to the user as it is.
class Error : public std::exception {
 public:
  explicit Error(std::wstring text) : text_(std::move(text)) {}
  const std::wstring& text() const { return text_; }
  const char* what() const noexcept override { return "Tarnwick error"; }

 private:
  std::wstring text_;
};

// Text of the last Win32 error, from the system.
std::wstring SystemErrorText(DWORD code);

}  // namespace win
