#pragma once
// An in-memory Tarnwick.ini with the profile functions' rules: section and key names
// compare without regard to case, an absent key gives the fallback, text is cut to
// the reader's buffer.
#include <map>
#include <string>

#include "config/Profile.h"
#include "win/Text.h"

namespace testing_support {

class MemoryProfile : public config::Profile {
 public:
  std::wstring ReadText(std::wstring_view section, std::wstring_view key, std::wstring_view fallback,
                        size_t bufferLength) const override {
    std::wstring value(fallback);
    auto s = sections_.find(Fold(section));
    if (s != sections_.end()) {
      auto k = s->second.find(Fold(key));
      if (k != s->second.end()) value = k->second;
    }
    if (bufferLength == 0) return std::wstring();
    if (value.size() > bufferLength - 1) value.resize(bufferLength - 1);
    return value;
  }
  void WriteText(std::wstring_view section, std::wstring_view key, std::wstring_view value) override {
    sections_[Fold(section)][Fold(key)] = std::wstring(value);
    ++writes;
  }
  void EraseSection(std::wstring_view section) override { sections_.erase(Fold(section)); }

  bool Has(std::wstring_view section, std::wstring_view key) const {
    auto s = sections_.find(Fold(section));
    return s != sections_.end() && s->second.count(Fold(key));
  }
  bool HasSection(std::wstring_view section) const { return sections_.count(Fold(section)) != 0; }

  void WriteSection(std::wstring_view section,
                    const std::vector<std::pair<std::wstring, std::wstring>>& entries) override {
    ++sectionWrites;
    config::Profile::WriteSection(section, entries);
  }

  int writes = 0;
  int sectionWrites = 0;

 private:
  static std::wstring Fold(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out) c = win::FoldCase(c);
    return out;
  }
  std::map<std::wstring, std::map<std::wstring, std::wstring>> sections_;
};

}  // namespace testing_support
