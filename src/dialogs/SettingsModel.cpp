#include "dialogs/SettingsModel.h"

#include <algorithm>
#include <optional>

#include "chrome/ToolBarItems.h"
#include "config/Keys.h"
#include "win/Text.h"

namespace dialogs {
namespace keys = config::keys;
using config::Profile;

namespace {

// What a font's keys are called and what they default to in one section.
struct FontKeys {
  config::TextKey name;
  config::IntKey size;
  config::ColorKey color;
  config::FlagKey bold, italic, underline, strikeOut;
};
constexpr FontKeys kEditorFontKeys{keys::EditorFont,   keys::EditorSize,   keys::EditorColor,
                                   keys::EditorBold,   keys::EditorItalic, keys::EditorUnderline,
                                   keys::EditorStrikeOut};
constexpr FontKeys kSideBarFontKeys{keys::SideBarFont,   keys::SideBarSize,   keys::SideBarColor,
                                    keys::SideBarBold,   keys::SideBarItalic, keys::SideBarUnderline,
                                    keys::SideBarStrikeOut};

FontSettings ReadFont(const Profile& profile, const FontKeys& k) {
  FontSettings font;
  font.name = profile.Read(k.name);
  font.size = profile.Read(k.size);
  font.color = profile.Read(k.color);
  font.bold = profile.Read(k.bold);
  font.italic = profile.Read(k.italic);
  font.underline = profile.Read(k.underline);
  font.strikeOut = profile.Read(k.strikeOut);
  return font;
}

// Writes a key unless its stored text already means the value: a flag stored as "5"
// stays "5", a colour stored as "0x00D8D8D8" keeps that spelling.
class KeyWriter {
 public:
  explicit KeyWriter(Profile& profile) : profile_(profile) {}

  void Flag(const config::FlagKey& k, bool on) {
    if (!Present(k.section, k.key) || profile_.Read(k) != on) profile_.Write(k, on);
  }
  void Int(std::wstring_view section, std::wstring_view key, long long value) {
    if (!Present(section, key) || profile_.ReadInt(section, key, 0) != value) profile_.WriteInt(section, key, value);
  }
  void Int(const config::IntKey& k, long long value) { Int(k.section, k.key, value); }
  void Text(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    auto stored = Stored(section, key);
    if (!stored || *stored != value) profile_.WriteText(section, key, value);
  }
  void Text(const config::TextKey& k, std::wstring_view value) { Text(k.section, k.key, value); }
  void Color(const config::ColorKey& k, config::Color value) {
    auto stored = Stored(k.section, k.key);
    if (!stored || config::ParseColor(*stored) != std::optional<config::Color>(value)) profile_.Write(k, value);
  }
  void Font(const FontKeys& k, const FontSettings& font) {
    Text(k.name, font.name);
    Int(k.size, font.size);
    Color(k.color, font.color);
    Flag(k.bold, font.bold);
    Flag(k.italic, font.italic);
    Flag(k.underline, font.underline);
    Flag(k.strikeOut, font.strikeOut);
  }

 private:
  std::optional<std::wstring> Stored(std::wstring_view section, std::wstring_view key) const {
    static constexpr wchar_t kAbsent[] = L"\x7f<absent>\x7f";
    std::wstring text = profile_.ReadText(section, key, kAbsent, 4096);
    if (text == kAbsent) return std::nullopt;
    return text;
  }
  bool Present(std::wstring_view section, std::wstring_view key) const {
    auto stored = Stored(section, key);
    return stored && !stored->empty();  // an empty value reads as the default
  }
  Profile& profile_;
};

}  // namespace

SettingsValues ReadSettings(const Profile& profile) {
  SettingsValues v;
  v.toolBarMask = chrome::NormalizeMask(profile.Read(keys::ToolBar));
  v.toolBarWrap = profile.Read(keys::ToolBarWrap);
  v.dropDownMenusDisabled = !profile.Read(keys::ToolBarMenus);
  v.tabButtons = profile.Read(keys::FileTabStyle) == 1;
  v.tabsBelow = !v.tabButtons && profile.Read(keys::FileTabStyle) == 0 && profile.Read(keys::FileTabBelow);
  v.tabsWrap = profile.Read(keys::FileTabWrap);
  v.tabImages = profile.Read(keys::FileTabImage);
  v.sideBarBackground = profile.Read(keys::SideBarBGColor);
  v.sideBarFont = ReadFont(profile, kSideBarFontKeys);
  v.sideBarRight = profile.Read(keys::SideBarRightSide);
  v.rulerUnits = profile.Read(keys::RulerStyle) == 0 ? 0 : 1;
  v.rulerColor = profile.Read(keys::RulerColor);
  v.editorBackground = profile.Read(keys::EditorBGColor);
  v.editorFont = ReadFont(profile, kEditorFontKeys);
  v.wordWrap = profile.Read(keys::EditorWordWrap);
  v.playSounds = profile.Read(keys::PlaySounds);
  v.fileTypes = config::ReadFileTypes(profile, 80);
  v.openFolder = profile.Read(keys::DefaultOpenDir);
  v.saveFolder = profile.Read(keys::DefaultSaveDir);
  v.twelveHourClock = profile.Read(keys::TimeFormat) == 1;
  v.monthFirstDate = profile.Read(keys::DateFormat) == 1;
  v.systemTray = profile.Read(keys::UseSystemTray);
  v.multipleInstances = profile.Read(keys::AllowMultipleInstances);
  v.splash = profile.Read(keys::ShowSplash);
  v.hideReOpen = profile.Read(keys::HideReOpen);
  v.reOpenLast = profile.Read(keys::ReOpenLast);
  v.menuImages = profile.Read(keys::MenuImages);
  // A number that names no icon of the program reads as the default.
  int icon = profile.Read(keys::Icon);
  v.icon = icon >= 0 && icon < kIconCount ? icon : 0;
  return v;
}

void WriteSettings(Profile& profile, const SettingsValues& v) {
  KeyWriter w(profile);
  w.Flag(keys::FileTabBelow, v.tabsBelow && !v.tabButtons);
  w.Flag(keys::FileTabImage, v.tabImages);
  w.Flag(keys::AllowMultipleInstances, v.multipleInstances);
  w.Int(keys::RulerStyle, v.rulerUnits);
  w.Flag(keys::PlaySounds, v.playSounds);
  w.Text(keys::DefaultOpenDir, v.openFolder);
  w.Text(keys::DefaultSaveDir, v.saveFolder);
  w.Flag(keys::FileTabWrap, v.tabsWrap);
  w.Int(keys::FileTabStyle, v.tabButtons ? 1 : 0);
  w.Int(keys::Icon, v.icon);
  w.Flag(keys::ShowSplash, v.splash);
  w.Flag(keys::UseSystemTray, v.systemTray);
  w.Text(keys::ToolBar, v.toolBarMask);
  w.Flag(keys::ToolBarWrap, v.toolBarWrap);
  w.Flag(keys::ToolBarMenus, !v.dropDownMenusDisabled);
  w.Color(keys::EditorBGColor, v.editorBackground);
  w.Font(kEditorFontKeys, v.editorFont);
  w.Flag(keys::EditorWordWrap, v.wordWrap);
  w.Flag(keys::HideReOpen, v.hideReOpen);
  w.Flag(keys::ReOpenLast, v.reOpenLast);
  w.Flag(keys::MenuImages, v.menuImages);
  w.Color(keys::SideBarBGColor, v.sideBarBackground);
  w.Color(keys::SideBarColor, v.sideBarFont.color);
  w.Int(keys::SideBarSize, v.sideBarFont.size);
  w.Text(keys::SideBarFont, v.sideBarFont.name);
  w.Flag(keys::SideBarBold, v.sideBarFont.bold);
  w.Flag(keys::SideBarItalic, v.sideBarFont.italic);
  w.Flag(keys::SideBarUnderline, v.sideBarFont.underline);
  w.Flag(keys::SideBarStrikeOut, v.sideBarFont.strikeOut);
  w.Flag(keys::SideBarRightSide, v.sideBarRight);

  if (v.hideReOpen) profile.EraseSection(keys::kHistory);
  if (v.dropDownMenusDisabled) profile.EraseSection(keys::kDirHistory);
  if (!v.reOpenLast) profile.EraseSection(keys::kReOpenLast);

  w.Int(keys::DateFormat, v.monthFirstDate ? 1 : 2);
  w.Int(keys::TimeFormat, v.twelveHourClock ? 1 : 2);

  size_t count = std::min<size_t>(v.fileTypes.size(), config::kMaxFileTypes);
  for (size_t i = 0; i < count; ++i) {
    std::wstring n = win::ToText(static_cast<long long>(i + 1));
    w.Text(keys::kFileTypes, L"Name" + n, v.fileTypes[i].name);
    w.Text(keys::kFileTypes, L"Ext" + n, v.fileTypes[i].extensions);
    w.Int(keys::kFileTypes, L"Format" + n, v.fileTypes[i].format);
  }
  if (count < config::kMaxFileTypes) {
    std::wstring n = win::ToText(static_cast<long long>(count + 1));
    w.Text(keys::kFileTypes, L"Name" + n, L"");
    w.Text(keys::kFileTypes, L"Ext" + n, L"");
  }
  w.Color(keys::RulerColor, v.rulerColor);
}

CustomColors ReadCustomColors(const Profile& profile) {
  CustomColors colors;
  for (size_t i = 0; i < colors.size(); ++i) {
    std::wstring key = L"Color" + std::wstring(1, static_cast<wchar_t>(L'A' + i));
    std::wstring text = profile.ReadText(keys::kCustomColors, key, L"FFFFFFFF", 50);
    std::uint32_t value = 0;
    bool valid = !text.empty() && text.size() <= 8;
    for (wchar_t c : text) {
      int digit = c >= L'0' && c <= L'9' ? c - L'0' : c >= L'A' && c <= L'F' ? c - L'A' + 10
                                                    : c >= L'a' && c <= L'f' ? c - L'a' + 10 : -1;
      if (digit < 0) valid = false;
      value = value * 16 + static_cast<std::uint32_t>(digit < 0 ? 0 : digit);
    }
    colors[i] = valid ? value : 0xFFFFFFFFu;
  }
  return colors;
}

void WriteCustomColors(Profile& profile, const CustomColors& colors) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  for (size_t i = 0; i < colors.size(); ++i) {
    std::wstring text;
    for (std::uint32_t value = colors[i]; value != 0 || text.size() < 6; value /= 16) text.insert(text.begin(), kDigits[value % 16]);
    std::wstring key = L"Color" + std::wstring(1, static_cast<wchar_t>(L'A' + i));
    profile.WriteText(keys::kCustomColors, key, text);
  }
}

FileTypeList::FileTypeList(std::vector<config::FileType> types) : entries_(std::move(types)) {
  if (entries_.size() > static_cast<size_t>(config::kMaxFileTypes)) entries_.resize(config::kMaxFileTypes);
  selected_ = entries_.empty() ? -1 : 0;
}

std::wstring FileTypeList::LineText(const config::FileType& type) {
  return type.name + L" (" + type.extensions + L")";
}

FileTypeList::Enabling FileTypeList::Enabled() const {
  int count = static_cast<int>(entries_.size());
  bool any = selected_ >= 0;
  return {count < config::kMaxFileTypes, count > 0, any && selected_ > 0, any && selected_ < count - 1, any};
}

void FileTypeList::Select(int index) {
  selected_ = index >= 0 && index < static_cast<int>(entries_.size()) ? index : -1;
}

bool FileTypeList::Add() {
  if (!Enabled().add) return false;
  entries_.push_back({L"New Type", L"*.*", 0});
  selected_ = static_cast<int>(entries_.size()) - 1;
  return true;
}

void FileTypeList::Remove() {
  if (selected_ < 0) return;
  entries_.erase(entries_.begin() + selected_);
  int count = static_cast<int>(entries_.size());
  if (selected_ >= count) selected_ = count - 1;
}

void FileTypeList::MoveUp() {
  if (!Enabled().moveUp) return;
  std::swap(entries_[static_cast<size_t>(selected_)], entries_[static_cast<size_t>(selected_ - 1)]);
  --selected_;
}

void FileTypeList::MoveDown() {
  if (!Enabled().moveDown) return;
  std::swap(entries_[static_cast<size_t>(selected_)], entries_[static_cast<size_t>(selected_ + 1)]);
  ++selected_;
}

std::wstring FileTypeList::StoreFields(std::wstring_view description, std::wstring_view extensions) {
  std::wstring stored(extensions);
  std::replace(stored.begin(), stored.end(), L',', L';');
  if (selected_ < 0) return stored;
  config::FileType& entry = entries_[static_cast<size_t>(selected_)];
  entry.name = std::wstring(description);
  entry.extensions = stored;
  return stored;
}

void FileTypeList::SetFormat(int format) {
  if (selected_ >= 0) entries_[static_cast<size_t>(selected_)].format = format;
}

}  // namespace dialogs
