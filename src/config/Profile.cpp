#include "config/Profile.h"

#include "win/Text.h"

namespace config {

int Profile::ReadInt(std::wstring_view section, std::wstring_view key, int fallback) const {
  std::wstring text = ReadText(section, key, L"", 32);
  if (text.empty()) return fallback;
  return win::ParseIntPrefix(text);
}

void Profile::WriteInt(std::wstring_view section, std::wstring_view key, long long value) {
  WriteText(section, key, win::ToText(value));
}

Color Profile::Read(const ColorKey& k) const {
  std::wstring text = ReadText(k.section, k.key, k.fallback, 50);
  if (auto color = ParseColor(text)) return *color;
  if (auto color = ParseColor(k.fallback)) return *color;
  return kClBlack;
}

void Profile::WriteSection(std::wstring_view section,
                           const std::vector<std::pair<std::wstring, std::wstring>>& entries) {
  EraseSection(section);
  for (const auto& [key, value] : entries) WriteText(section, key, value);
}

}  // namespace config
