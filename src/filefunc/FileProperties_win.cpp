// File > File Functions > Properties: the facts of a document and its file for the
// properties dialog, and what its OK changes.
#include <windows.h>
#include <shellapi.h>

#include "config/FileTypes.h"
#include "config/Keys.h"
#include "dialogs/Properties.h"
#include "filefunc/FileFunctions_win.h"
#include "filefunc/FileRules.h"
#include "filefunc/PropertiesText.h"
#include "win/Handles.h"
#include "win/Text.h"

namespace filefunc {
namespace keys = config::keys;

namespace {

std::optional<Moment> LocalMoment(const FILETIME& time) {
  SYSTEMTIME universal{}, local{};
  if (!::FileTimeToSystemTime(&time, &universal) || !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
    return std::nullopt;
  return Moment{local.wYear, local.wMonth,  local.wDay,   local.wDayOfWeek,
                local.wHour, local.wMinute, local.wSecond};
}

std::wstring TimeOrZero(const FILETIME& time) {
  std::optional<Moment> moment = LocalMoment(time);
  std::optional<std::wstring> text = moment ? TimeText(*moment) : std::nullopt;
  return text ? *text : L"0";
}

// The shell's icon for the file, or for its extension when there is no file: asked by
// name and attributes, so nothing is created to find it.
win::UniqueIcon ShellIcon(const std::wstring& path, bool exists) {
  SHFILEINFOW info{};
  UINT flags = SHGFI_ICON | SHGFI_LARGEICON;
  std::wstring asked = path;
  if (!exists) {
    flags |= SHGFI_USEFILEATTRIBUTES;
    asked = L"twk" + win::ExtensionPart(path);
  }
  if (!::SHGetFileInfoW(asked.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof(info), flags)) return {};
  return win::UniqueIcon(info.hIcon);
}

}  // namespace

void FileFunctions::Properties(int number) {
  workspace::DocumentSlot* slot = documents_.Slot(number);
  if (!slot) return;
  const workspace::RichEditor& editor = slot->editor;
  dialogs::PropertiesFacts facts;
  facts.hasFile = slot->hasFile;
  facts.name = win::FileNamePart(slot->fileName);
  facts.location = win::FolderPart(slot->fileName);
  std::vector<config::FileType> types = config::ReadFileTypes(frame_.Profile(), 80);
  facts.type = FileTypeName(types, win::ExtensionPart(slot->fileName));

  // Size, times and attributes from the directory entry: a file another program holds
  // open still shows them.
  WIN32_FILE_ATTRIBUTE_DATA data{};
  bool exists = slot->hasFile && ::GetFileAttributesExW(slot->fileName.c_str(), GetFileExInfoStandard, &data);
  win::UniqueIcon icon = ShellIcon(slot->fileName, exists);
  facts.icon = icon.get();
  AttributeBoxes shown;
  if (exists) {
    facts.size = SizeText(static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow));
    facts.created = TimeOrZero(data.ftCreationTime);
    facts.modified = TimeOrZero(data.ftLastWriteTime);
    facts.accessed = AccessedText(LocalMoment(data.ftLastAccessTime));
    shown = BoxesOf(data.dwFileAttributes);
    facts.fileReadOnly = shown.readOnly;
    facts.hidden = shown.hidden;
    facts.archive = shown.archive;
  }

  facts.docModified = editor.Modified() ? L"Yes" : L"No";
  int count = editor.LineCount();
  bool lastEmpty = count > 0 && editor.LineLength(editor.LineIndex(count - 1)) == 0;
  facts.lines = ThousandsText(DocumentLines(count, lastEmpty));
  facts.format = editor.IsPlainText() ? L"Plain Text" : L"Rich Text";
  facts.textSize = SizeText(TextSizeWithCrLf(editor.Text()));
  workspace::FontSpec font = editor.DefaultFont();
  facts.font = font.name;
  facts.fontSize = ThousandsText(font.points);
  facts.readOnly = editor.ReadOnly();
  facts.wordWrap = editor.WordWrap();
  facts.hotTrack = frame_.Profile().Read(keys::TryIt);

  dialogs::TProperties dialog(facts, [this](int topic) { frame_.ShowHelpTopic(topic); });
  if (dialog.ShowModal(frame_.Window()) != IDOK) return;
  slot = documents_.Slot(number);
  if (!slot) return;
  const dialogs::PropertiesChoice& choice = dialog.choice();
  if (choice.wordWrap != slot->editor.WordWrap()) {
    // Word wrap changes as the Document menu changes it, which acts on the active tab.
    if (number == documents_.ActiveSlot)
      frame_.Run(command::DocumentMenuWordWrap);
    else
      slot->editor.SetWordWrap(choice.wordWrap);
  }
  slot->editor.SetReadOnly(choice.readOnly);
  documents_.UpdateTabImage(number);
  frame_.CommandStatesChanged();
  if (!exists) return;
  DWORD current = ::GetFileAttributesW(slot->fileName.c_str());
  if (current == INVALID_FILE_ATTRIBUTES) current = data.dwFileAttributes;
  std::optional<uint32_t> changed =
      ChangedAttributes(current, shown, {choice.fileReadOnly, choice.hidden, choice.archive});
  if (changed && !::SetFileAttributesW(slot->fileName.c_str(), *changed))
    Warn(win::Fill(L"Unable to change the attributes of %s.", {slot->fileName}));
}

}  // namespace filefunc
