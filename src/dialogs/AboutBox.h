#pragma once
// Help > About: the program's version, a link to its home page and scrolling credits.
#include <windows.h>

#include <functional>

#include "dialogs/CreditsScroll.h"
#include "win/Dialog.h"
#include "win/Handles.h"

namespace dialogs {

inline constexpr wchar_t kHomePage[] = L"https://tarnwick.example.org/";
inline constexpr wchar_t kVersion[] = L"3.1";

class TAboutBox : public win::Dialog {
 public:
  // `openUrl` opens the home page; `hotTrack` is the TryIt setting.
  TAboutBox(bool hotTrack, std::function<void(const wchar_t* url)> openUrl);

  const CreditsScroll& scroll() const { return scroll_; }
  bool CreditsActive() const;
  void SelectTab(int index);
  void TimerTimer();

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  INT_PTR OnNotify(NMHDR& header) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void ShowPage(int index);
  void OpenHomePage();
  void CopyLinkLocation();
  void DrawHeader(const DRAWITEMSTRUCT& item);

  bool hotTrack_;
  std::function<void(const wchar_t*)> openUrl_;
  CreditsScroll scroll_;
  bool visited_ = false;
  win::UniqueFont linkFont_;
  win::UniqueMenu linkMenu_;
  HWND credits_ = nullptr;
};

// The credits text as drawn on the black scroll box; tests read it too.
struct CreditLine {
  const wchar_t* text;
  bool heading;  // bold white; other lines silver
};
const CreditLine* CreditLines(int& count);

}  // namespace dialogs
