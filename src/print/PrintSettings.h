#pragma once
// The print defaults as Save Settings stores them, and the header and footer that the
// Print button hands to the job of one print command.
#include <string>

#include "config/Colors.h"
#include "config/Profile.h"
#include "print/HeaderFooter.h"
#include "print/PageGeometry.h"

namespace print {

enum class Orientation { Portrait, Landscape };

// A face name holds at most 31 characters in the platform's font description.
inline constexpr size_t kMaxFaceName = 31;
// The font chooser's range of sizes, in points.
inline constexpr int kMinFontSize = 1;
inline constexpr int kMaxFontSize = 1638;

struct PrintFont {
  std::wstring name = L"Courier New";
  int size = 10;  // points
  config::Color color = config::kClBlack;
  bool bold = false, italic = false, underline = false, strikeOut = false;
};

struct PrintSettings {
  MarginTexts margins{L"1.0", L"1.0", L"1.0", L"1.0"};
  Orientation orientation = Orientation::Portrait;
  PrintFont font;
  bool header = true;
  LineTexts headerTexts{L"[FILENAME]", L"", L"Page: [PAGENUM]"};
  bool footer = true;
  LineTexts footerTexts;
};

// Every key of PrintDefaults with its default. The file may hold anything: a margin
// that is not a number of at least 0.2 inch reads as "0.2", a font size outside the
// chooser's range as 10, an empty face name as "Courier New", a longer one is cut.
PrintSettings ReadPrintSettings(const config::Profile& profile);
// Save Settings: every key, the texts of a line that is switched off included.
void SavePrintSettings(config::Profile& profile, const PrintSettings& settings);

// The header and footer of one job; a line is on when one of its texts is not empty.
struct JobTexts {
  LineTexts header, footer;
  bool HeaderOn() const { return !header.IsEmpty(); }
  bool FooterOn() const { return !footer.IsEmpty(); }
};

// Print: Temp holds exactly the lines that are switched on.
void HandOverJobTexts(config::Profile& profile, bool header, const LineTexts& headerTexts, bool footer,
                      const LineTexts& footerTexts);
// The page engine takes them (at most 79 characters each) and erases Temp.
JobTexts TakeJobTexts(config::Profile& profile);

}  // namespace print
