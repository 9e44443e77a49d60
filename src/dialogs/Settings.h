#pragma once
// Edit > Settings: seven pages of settings, read from Tarnwick.ini and the main window
// when the dialog opens and written in one pass on OK.
#include <windows.h>

#include <string>

#include "chrome/ToolBarItems.h"
#include "dialogs/SettingsModel.h"
#include "win/Dialog.h"
#include "win/Handles.h"
#include "workspace/Frame.h"

namespace dialogs {

// What the dialog reads from the main window rather than from the file.
struct WindowState {
  bool toolBarWraps = true;
  bool tabsWrap = true;
  bool tabsBelow = false;
  bool trayMode = false;  // running with a tray icon instead of a taskbar button
};

// The main window as the Settings dialog sees it.
class SettingsHost {
 public:
  virtual WindowState CurrentWindowState() const = 0;
  // OK, before the file is written: the icon, the sounds and the tabs change at once.
  virtual void ApplySettingsAtOnce(const SettingsValues& values) = 0;
  // After OK, with the file written: the window catches up with it.
  virtual void SettingsAccepted(bool toolBarChanged, bool tabsChanged) = 0;

 protected:
  ~SettingsHost() = default;
};

class TSettings : public win::Dialog {
 public:
  enum Page { kToolBarPage, kFileTabsPage, kSideBarPage, kRulerPage, kEditorPage, kFileOptionsPage, kMiscPage };
  static constexpr int kPageCount = 7;

  TSettings(workspace::Frame& frame, SettingsHost& host);

  // The page on top, and the help topic its Help button opens.
  int CurrentPage() const;
  void SelectPage(int page);
  static int HelpContext(int page);

  bool toolBarChanged() const { return toolBar_.changed(); }
  bool tabsChanged() const { return tabsChanged_; }
  const SettingsValues& values() const { return values_; }
  const FileTypeList& fileTypes() const { return fileTypes_; }
  // The colour of the example ruler at (1, 2): what OK stores as the ruler colour.
  COLORREF RulerPixel() const;
  // Presses a button as a click would (tests reach the page behaviour this way).
  void Click(int id);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  INT_PTR OnNotify(NMHDR& header) override;
  void OnOK() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  // Filling the pages (FormCreate)
  void FillToolBarPage();
  void FillButtonList();
  void FillFileTabsPage();
  void FillSideBarPage();
  void FillRulerPage();
  void FillEditorPage();
  void FillFileOptionsPage();
  void FillMiscPage();
  void ShowPage(int page);
  void MakePageBrush();

  // Page behaviour
  bool OnToolBarCommand(int id, int code);
  void ButtonListChanged(const NMLISTVIEW& change);
  void ButtonListMenu();
  void RestoreToolBar();
  void TabStyleChosen();
  void PickSampleColor(config::Color& color);
  void PickSampleFont(FontSettings& font);
  void ApplySideBarSample();
  void ApplyEditorSample();
  void MakeEditorSample(bool wordWrap);
  void DrawRulerPicture();
  void ChangeRulerColor();
  void ShowIcon(int position);
  void BrowseFolder(int field, const wchar_t* title);
  bool OnFileTypeCommand(int id, int code);
  void ShowFileTypes();
  void StoreFileTypeFields();
  void SetTypeListExtent();

  // OK
  void ReadControls();
  void ShowTrayNotice();

  workspace::Frame& frame_;
  SettingsHost& host_;
  WindowState window_;
  SettingsValues values_;
  chrome::ToolBarMaskEditor toolBar_;
  FileTypeList fileTypes_;
  bool tabsChanged_ = false;
  bool filling_ = false;

  win::UniqueFont sideBarFont_, editorFont_;
  win::UniqueBrush editorBrush_, pageBrush_;
  win::UniqueImageList sampleImages_;
  win::UniqueBitmap rulerPicture_;
  win::UniqueIcon iconPreview_;
  win::UniqueMenu buttonMenu_;
};

}  // namespace dialogs
