#pragma once
// Rich-text formatting and the Document menu: the format bar and what it mirrors of
// the selection, the Rich Text submenu, the colour palette and the document-wide
// background, font and font size.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "command/Command.h"
#include "format/FormatBar_win.h"
#include "workspace/DocumentHost.h"
#include "workspace/Frame.h"

namespace format {

class Formatting : private FormatBarEvents {
 public:
  using Sender = command::Sender;
  Formatting(workspace::Frame& frame, workspace::DocumentHost& documents, command::Registry& commands);
  Formatting(const Formatting&) = delete;
  Formatting& operator=(const Formatting&) = delete;

  // Creates the format bar in the main window, hidden; the frame lays it out.
  HWND CreateBar(HWND parent);
  // The bar's boxes, after the window has shown (see FormatBar::AddBoxes).
  void FirstTick() { bar_.AddBoxes(); }
  // The height of the bar's band; 0 while it is hidden.
  int BarHeight() const { return bar_.Height(); }
  FormatBar& Bar() { return bar_; }
  const FormatBar& Bar() const { return bar_; }

  // The selection moved: the bar shows the selection's formatting.
  void MemoSelectionChange();
  // A font chosen elsewhere (the side bar's font chooser) for the rich selection: it goes
  // through the bar's font box as if chosen there.
  void ChooseFontFace(const std::wstring& face);
  // The names of the font box, in its order.
  std::vector<std::wstring> FontNames() const;
  // The bar's enabled states for the active document (its format and word wrap).
  void RefreshBar();
  void SetShowTips(bool show) { bar_.SetShowTips(show); }
  // The pointer is over one of the bar's buttons (empty: it left); for status-bar hints.
  std::function<void(const std::wstring& hint)> onHint;

  // --- command handlers
  void FormatMenuStyleClick(const Sender&);
  void FormatMenuBulletsClick(const Sender&);
  void AlignClick(const Sender&);
  void DocumentMenuBackgroundColorClick(const Sender&);
  void DocumentMenuFontSettingsClick(const Sender&);
  void DocumentMenuSmallerFontClick(const Sender&);
  void DocumentMenuLargerFontClick(const Sender&);

  // --- the bar's handlers (public for the tests that drive them as the bar does)
  void FontComboBoxChange() override;
  void FontSizeApply() override;
  void ColorClick() override;
  void ButtonClick(BarButton button) override;

 private:
  void RegisterCommands(command::Registry& commands);
  void BarHint(const std::wstring& hint) override;
  void BarHelp() override { frame_.ShowHelpTopic(kHelpTopic); }
  static constexpr int kHelpTopic = 10;
  workspace::RichEditor& Editor() { return documents_.ActiveEditor(); }
  bool IsRich();
  // The format bar's and the Rich Text menu's handlers do nothing while the window is
  // busy or the document is read-only (or plain text, which has no such formatting).
  bool Ignored();
  void SetStyle(DWORD effect, bool on);
  void SetBullets(bool on);
  void SetAlignment(int alignment);
  void StepDocumentFont(int step);
  // Changes the document-wide font without counting as an edit.
  void ChangeDocumentFont(const std::function<void(workspace::RichEditor&)>& change);

  workspace::Frame& frame_;
  workspace::DocumentHost& documents_;
  FormatBar bar_;
};

}  // namespace format
