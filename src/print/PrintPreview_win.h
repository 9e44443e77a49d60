#pragma once
// Print Preview: the pages as the page engine lays them out for the printer, drawn by
// the same code into a metafile of the printer's size and shown scaled to the window.
#include <windows.h>

#include <string>

#include "print/PageEngine_win.h"
#include "win/Dialog.h"

namespace print {

struct PreviewSource {
  EngineInput input;  // the printer's context and metrics, the margins
  PageTable table;
  JobTexts texts;
  MacroValues macros;
  std::wstring title;                  // the document's name, in the caption
  std::wstring printLabel = L"&Print";
};

// Page `n` of `source` drawn on `target` into `sheet`, the whole sheet of paper scaled:
// white paper, header, footer and body where the printer puts them.
void RenderPreviewPage(const PreviewSource& source, int n, HDC target, const RECT& sheet);

class TPrintPreview : public win::Dialog {
 public:
  explicit TPrintPreview(PreviewSource source);
  ~TPrintPreview() override;

  int Page() const { return page_; }
  int PageCount() const { return source_.table.Count(); }
  bool FitsWidth() const { return fitWidth_; }
  void GoTo(int page);
  void SetFitWidth(bool width);
  // Where the sheet of the current page is drawn in the canvas's client area.
  RECT SheetRect() const;

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void Layout();
  void Refresh();
  void Scroll(int code, int position);

  PreviewSource source_;
  int page_ = 1;
  bool fitWidth_ = false;
  int scroll_ = 0;  // pixels of the sheet above the canvas in page-width view
};

}  // namespace print
