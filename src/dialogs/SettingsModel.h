#pragma once
// What the Settings dialog edits, without windows: the values it shows, how they are
// read from and written to Tarnwick.ini, and the rules of its file-type editor.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/Colors.h"
#include "config/FileTypes.h"
#include "config/Profile.h"

namespace dialogs {

// A font as the Editor and SideBar sections keep it.
struct FontSettings {
  std::wstring name;
  int size = 8;  // points
  config::Color color = config::kClBlack;
  bool bold = false, italic = false, underline = false, strikeOut = false;
};

// Every value the dialog shows. The few that come from the main window rather than
// from the file (tool-bar and tab wrapping, tabs below) are filled in by the caller.
struct SettingsValues {
  // Tool Bar
  std::wstring toolBarMask;
  bool toolBarWrap = true;
  bool dropDownMenusDisabled = false;
  // File Tabs
  bool tabButtons = false;
  bool tabsBelow = false;
  bool tabsWrap = true;
  bool tabImages = true;
  // Side Bar
  config::Color sideBarBackground = config::kClWhite;
  FontSettings sideBarFont;
  bool sideBarRight = false;
  // Ruler
  int rulerUnits = 0;  // 0 inches, 1 centimetres
  config::Color rulerColor = 0xD8D8D8;
  // Editor
  config::Color editorBackground = config::kClWhite;
  FontSettings editorFont;
  bool wordWrap = false;
  bool playSounds = false;
  // File Options
  std::vector<config::FileType> fileTypes;
  std::wstring openFolder, saveFolder;
  // Miscellaneous
  bool twelveHourClock = true;    // TimeFormat 1
  bool monthFirstDate = true;     // DateFormat 1
  bool systemTray = false;
  bool multipleInstances = false;
  bool splash = true;
  bool hideReOpen = false;
  bool reOpenLast = false;
  bool menuImages = true;
  int icon = 0;  // 0..8
};

inline constexpr int kIconCount = 9;
inline constexpr size_t kFileTypeFieldLength = 40;
inline constexpr size_t kFolderFieldLength = 250;

SettingsValues ReadSettings(const config::Profile& profile);

// OK's one pass over the file, in the dialog's fixed order: the keys, the erased
// sections, the date and time formats, the file types with their terminator and the
// ruler colour. A key whose stored text already means the value is left as it is, so
// OK without changes leaves the file as it was.
void WriteSettings(config::Profile& profile, const SettingsValues& values);

// The colour chooser's 16 custom colours (section CustomColors, ColorA..ColorP).
using CustomColors = std::array<std::uint32_t, 16>;
CustomColors ReadCustomColors(const config::Profile& profile);
void WriteCustomColors(config::Profile& profile, const CustomColors& colors);

// The File Options page's list of file types.
class FileTypeList {
 public:
  explicit FileTypeList(std::vector<config::FileType> types);

  const std::vector<config::FileType>& entries() const { return entries_; }
  int selected() const { return selected_; }  // -1: none
  // "Text Files (*.txt;*.asc;*.diz)"
  static std::wstring LineText(const config::FileType& type);

  struct Enabling {
    bool add, remove, moveUp, moveDown, fields;
  };
  Enabling Enabled() const;

  void Select(int index);  // out of range: no selection
  // Appends "New Type" / "*.*" / plain text and selects it; false at the limit.
  bool Add();
  void Remove();
  void MoveUp();
  void MoveDown();
  // Leaving a field: both fields go into the selected entry, every "," of the
  // extensions becoming ";". Returns the extensions as stored, for the field to show.
  std::wstring StoreFields(std::wstring_view description, std::wstring_view extensions);
  void SetFormat(int format);

 private:
  std::vector<config::FileType> entries_;
  int selected_ = -1;
};

}  // namespace dialogs
