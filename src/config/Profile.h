#pragma once
// Access to Tarnwick.ini. Every read and write is a separate operation on the file:
// nothing is cached, so several instances of the program share one file.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/Colors.h"

namespace config {

struct FlagKey {
  const wchar_t* section;
  const wchar_t* key;
  bool fallback;
};
struct IntKey {
  const wchar_t* section;
  const wchar_t* key;
  int fallback;
};
struct TextKey {
  const wchar_t* section;
  const wchar_t* key;
  const wchar_t* fallback;
  size_t bufferLength;  // counts the terminating zero, as the reader's buffer does
};
struct ColorKey {
  const wchar_t* section;
  const wchar_t* key;
  const wchar_t* fallback;
};

class Profile {
 public:
  virtual ~Profile() = default;

  // The value, or `fallback` when the key, its section or the file is absent; cut to
  // bufferLength - 1 characters.
  virtual std::wstring ReadText(std::wstring_view section, std::wstring_view key, std::wstring_view fallback,
                                size_t bufferLength) const = 0;
  virtual void WriteText(std::wstring_view section, std::wstring_view key, std::wstring_view value) = 0;
  virtual void EraseSection(std::wstring_view section) = 0;
  // Replaces a section's keys by these, in this order. One rewrite of the file where
  // the platform offers it, instead of one per key.
  virtual void WriteSection(std::wstring_view section,
                            const std::vector<std::pair<std::wstring, std::wstring>>& entries);

  // Absent or empty: the fallback. Present: leading decimal digits with an optional
  // sign, 0 when the value does not begin with a digit.
  int ReadInt(std::wstring_view section, std::wstring_view key, int fallback) const;
  void WriteInt(std::wstring_view section, std::wstring_view key, long long value);

  bool Read(const FlagKey& k) const { return ReadInt(k.section, k.key, k.fallback ? 1 : 0) != 0; }
  int Read(const IntKey& k) const { return ReadInt(k.section, k.key, k.fallback); }
  std::wstring Read(const TextKey& k) const { return ReadText(k.section, k.key, k.fallback, k.bufferLength); }
  // A value that is neither a colour name nor a number reads as the key's default.
  Color Read(const ColorKey& k) const;

  void Write(const FlagKey& k, bool on) { WriteText(k.section, k.key, on ? L"1" : L"0"); }
  void Write(const IntKey& k, long long value) { WriteInt(k.section, k.key, value); }
  void Write(const TextKey& k, std::wstring_view value) { WriteText(k.section, k.key, value); }
  void Write(const ColorKey& k, Color value) { WriteText(k.section, k.key, FormatColor(value)); }
};

}  // namespace config
