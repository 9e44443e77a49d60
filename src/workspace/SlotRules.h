#pragma once
// Rules of the document slot table that need no window: naming, which slot a new
// document takes, which tab follows a closed one, and the temporary copies' names.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace workspace {

inline constexpr int kSlotCount = 200;
inline constexpr long kEditorMaxLength = 20971520;

// "Untitled%.2d.%s" with slot number + 1: slot 0 and "txt" give Untitled01.txt.
std::wstring UntitledName(int slot, std::wstring_view extension);

// The lowest slot for which `isUsed` is false, or nothing when all 200 are used.
std::optional<int> LowestFreeSlot(const std::function<bool(int)>& isUsed);

// The tab to activate after the tab at `closedIndex` was removed from a control that
// now holds `tabCount` tabs; nothing when no tab is left (a new document is made).
std::optional<int> TabAfterClose(int closedIndex, int tabCount);

// The tab image for a document's states: 0 plain, 1 modified, 2 read-only, 3 both.
constexpr int TabImageIndex(bool modified, bool readOnly) { return (modified ? 1 : 0) + (readOnly ? 2 : 0); }

// A document whose text starts with ".LOG" alone on its first line (or is just that)
// gets the time and date at its end each time it is opened. `text` is its beginning.
bool IsLogText(std::wstring_view text);

// Documents opened together up to this size wait for their editor until their tab is
// first shown; larger ones load at once, with their progress shown.
inline constexpr unsigned long long kBackgroundLoadLimit = 1 << 20;

// Name of a slot's temporary copy: the document's drive and folder (or `currentDir`
// with a backslash for a name without folder), "~TWK_TMP", the lowest number n >= 1
// for which no file exists, and the document's extension with its dot.
std::wstring TempFileName(std::wstring_view fileName, std::wstring_view currentDir,
                          const std::function<bool(const std::wstring&)>& fileExists);

}  // namespace workspace
