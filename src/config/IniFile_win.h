#pragma once
// Tarnwick.ini through the system's profile functions. The file is kept in the
// system code page; the wide functions convert on the way in and out.
#include <string>

#include "config/Profile.h"

namespace config {

class IniFile : public Profile {
 public:
  explicit IniFile(std::wstring path) : path_(std::move(path)) {}
  const std::wstring& path() const { return path_; }

  std::wstring ReadText(std::wstring_view section, std::wstring_view key, std::wstring_view fallback,
                        size_t bufferLength) const override;
  void WriteText(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;
  void EraseSection(std::wstring_view section) override;
  void WriteSection(std::wstring_view section,
                    const std::vector<std::pair<std::wstring, std::wstring>>& entries) override;

 private:
  std::wstring path_;
};

}  // namespace config
