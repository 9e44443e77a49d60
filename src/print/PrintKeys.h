#pragma once
// The keys of the print defaults and of the one-job hand-over between the Print dialog
// and the print job, with their defaults.
#include "config/Keys.h"

namespace print::keys {

using config::ColorKey;
using config::FlagKey;
using config::IntKey;
using config::TextKey;
using config::keys::kPrintDefaults;
using config::keys::kTemp;

// PrintDefaults: what Save Settings stores and the next print command starts from.
inline constexpr TextKey LeftMargin{kPrintDefaults, L"LeftMargin", L"1.0", 260};
inline constexpr TextKey RightMargin{kPrintDefaults, L"RightMargin", L"1.0", 260};
inline constexpr TextKey TopMargin{kPrintDefaults, L"TopMargin", L"1.0", 260};
inline constexpr TextKey BottomMargin{kPrintDefaults, L"BottomMargin", L"1.0", 260};
inline constexpr IntKey Orientation{kPrintDefaults, L"Orientation", 0};
inline constexpr TextKey FontName{kPrintDefaults, L"FontName", L"Courier New", 260};
inline constexpr IntKey FontSize{kPrintDefaults, L"FontSize", 10};
inline constexpr ColorKey FontColor{kPrintDefaults, L"FontColor", L"clBlack"};
inline constexpr FlagKey Bold{kPrintDefaults, L"Bold", false};
inline constexpr FlagKey Italic{kPrintDefaults, L"Italic", false};
inline constexpr FlagKey Underline{kPrintDefaults, L"Underline", false};
inline constexpr FlagKey StrikeOut{kPrintDefaults, L"StrikeOut", false};
inline constexpr FlagKey Header{kPrintDefaults, L"Header", true};
inline constexpr TextKey HeaderL{kPrintDefaults, L"HeaderL", L"[FILENAME]", 260};
inline constexpr TextKey HeaderC{kPrintDefaults, L"HeaderC", L"", 260};
inline constexpr TextKey HeaderR{kPrintDefaults, L"HeaderR", L"Page: [PAGENUM]", 260};
inline constexpr FlagKey Footer{kPrintDefaults, L"Footer", true};
inline constexpr TextKey FooterL{kPrintDefaults, L"FooterL", L"", 260};
inline constexpr TextKey FooterC{kPrintDefaults, L"FooterC", L"", 260};
inline constexpr TextKey FooterR{kPrintDefaults, L"FooterR", L"", 260};

// Temp: the header and footer of one job; a line that is switched off has no keys.
inline constexpr TextKey HL{kTemp, L"HL", L"", 80};
inline constexpr TextKey HC{kTemp, L"HC", L"", 80};
inline constexpr TextKey HR{kTemp, L"HR", L"", 80};
inline constexpr TextKey FL{kTemp, L"FL", L"", 80};
inline constexpr TextKey FC{kTemp, L"FC", L"", 80};
inline constexpr TextKey FR{kTemp, L"FR", L"", 80};

}  // namespace print::keys
