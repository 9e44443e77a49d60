#include "print/PrintSettings.h"

#include "print/PrintKeys.h"
#include "win/Text.h"

namespace print {

PrintSettings ReadPrintSettings(const config::Profile& profile) {
  PrintSettings s;
  s.margins = {CorrectedMargin(profile.Read(keys::LeftMargin)), CorrectedMargin(profile.Read(keys::RightMargin)),
               CorrectedMargin(profile.Read(keys::TopMargin)), CorrectedMargin(profile.Read(keys::BottomMargin))};
  s.orientation = profile.Read(keys::Orientation) == 1 ? Orientation::Landscape : Orientation::Portrait;

  std::wstring name = profile.Read(keys::FontName);
  if (!win::Trim(name).empty()) s.font.name = name.substr(0, kMaxFaceName);
  int size = profile.Read(keys::FontSize);
  if (size >= kMinFontSize && size <= kMaxFontSize) s.font.size = size;
  s.font.color = profile.Read(keys::FontColor);
  s.font.bold = profile.Read(keys::Bold);
  s.font.italic = profile.Read(keys::Italic);
  s.font.underline = profile.Read(keys::Underline);
  s.font.strikeOut = profile.Read(keys::StrikeOut);

  s.header = profile.Read(keys::Header);
  s.headerTexts = {profile.Read(keys::HeaderL), profile.Read(keys::HeaderC), profile.Read(keys::HeaderR)};
  s.footer = profile.Read(keys::Footer);
  s.footerTexts = {profile.Read(keys::FooterL), profile.Read(keys::FooterC), profile.Read(keys::FooterR)};
  return s;
}

void SavePrintSettings(config::Profile& profile, const PrintSettings& s) {
  profile.Write(keys::LeftMargin, s.margins.left);
  profile.Write(keys::RightMargin, s.margins.right);
  profile.Write(keys::TopMargin, s.margins.top);
  profile.Write(keys::BottomMargin, s.margins.bottom);
  profile.Write(keys::Orientation, s.orientation == Orientation::Landscape ? 1 : 0);
  profile.Write(keys::FontName, s.font.name);
  profile.Write(keys::FontSize, s.font.size);
  profile.Write(keys::FontColor, s.font.color);
  profile.Write(keys::Bold, s.font.bold);
  profile.Write(keys::Italic, s.font.italic);
  profile.Write(keys::Underline, s.font.underline);
  profile.Write(keys::StrikeOut, s.font.strikeOut);
  profile.Write(keys::Header, s.header);
  profile.Write(keys::HeaderL, s.headerTexts.left);
  profile.Write(keys::HeaderC, s.headerTexts.centre);
  profile.Write(keys::HeaderR, s.headerTexts.right);
  profile.Write(keys::Footer, s.footer);
  profile.Write(keys::FooterL, s.footerTexts.left);
  profile.Write(keys::FooterC, s.footerTexts.centre);
  profile.Write(keys::FooterR, s.footerTexts.right);
}

void HandOverJobTexts(config::Profile& profile, bool header, const LineTexts& headerTexts, bool footer,
                      const LineTexts& footerTexts) {
  // One rewrite that also drops what an earlier job may have left behind.
  std::vector<std::pair<std::wstring, std::wstring>> entries;
  auto add = [&](const config::TextKey& key, const std::wstring& text) { entries.emplace_back(key.key, text); };
  if (header) {
    add(keys::HL, headerTexts.left);
    add(keys::HC, headerTexts.centre);
    add(keys::HR, headerTexts.right);
  }
  if (footer) {
    add(keys::FL, footerTexts.left);
    add(keys::FC, footerTexts.centre);
    add(keys::FR, footerTexts.right);
  }
  profile.WriteSection(keys::kTemp, entries);
}

JobTexts TakeJobTexts(config::Profile& profile) {
  JobTexts job;
  job.header = {profile.Read(keys::HL), profile.Read(keys::HC), profile.Read(keys::HR)};
  job.footer = {profile.Read(keys::FL), profile.Read(keys::FC), profile.Read(keys::FR)};
  profile.EraseSection(keys::kTemp);
  return job;
}

}  // namespace print
