#pragma once
// The page engine: lays a document out page by page through the rich-edit control's
// range formatting, and draws pages with their header and footer lines on any device
// context: the printer's, a metafile's for the preview, or a test's.
#include <windows.h>

#include <memory>
#include <string>

#include "print/HeaderFooter.h"
#include "print/PageGeometry.h"
#include "print/Pages.h"
#include "print/PrintSettings.h"
#include "workspace/RichEditor_win.h"

namespace print {

// The sheets of one job. The real one is the printer's job control; tests and the
// preview keep each sheet as a picture.
class SheetSink {
 public:
  virtual ~SheetSink() = default;
  // Where the current sheet is drawn.
  virtual HDC Context() = 0;
  // Ends the current sheet and starts the next one.
  virtual bool NewSheet() = 0;
  // Ends the last sheet and the job.
  virtual bool Finish() = 0;
  virtual void Abort() = 0;
};

// What one run of the engine works with.
struct EngineInput {
  workspace::RichEditor editor;
  HDC layoutContext = nullptr;  // the device the text is laid out for
  DeviceMetrics device;         // its metrics (a metafile reports none of its own)
  Margins margins;              // twips
};

// Counts the pages: the page table of the document in this layout. Stops when the
// formatter makes no progress (see PageTable::complete).
PageTable CountPages(const EngineInput& input);

// Draws page `n` (from 1) of `table` on `dc`, whose device pixels are the printer's and
// whose (0, 0) is the printable area's corner: the header and footer lines expanded
// for the page, then the page's characters in the formatting rectangle. With `draw`
// false, the page is only laid out.
void DrawPage(const EngineInput& input, HDC dc, const PageTable& table, int n, const JobTexts& texts,
              MacroValues macros, bool draw);

// The print run: every page laid out, the pages of `range` drawn, each on its own
// sheet. Returns false when the sink refused a sheet (the job is then aborted).
bool PrintPages(const EngineInput& input, SheetSink& sheets, const PageTable& table, PageRange range,
                const JobTexts& texts, const MacroValues& macros);

// GetDeviceCaps of a printer's context.
DeviceMetrics ReadDeviceMetrics(HDC dc);

// The rich-edit control's character format for a print font.
workspace::FontSpec ToFontSpec(const PrintFont& font);
PrintFont FromFontSpec(const workspace::FontSpec& font);

// The size of one character and one line of `font` in twips: the least body the
// margins must leave.
Point MinimumBody(HDC dc, const workspace::FontSpec& font);

}  // namespace print
