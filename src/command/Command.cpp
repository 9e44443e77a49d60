#include "command/Command.h"

#include <map>
#include <stdexcept>

namespace command {

void Registry::Add(Row row) {
  if (Find(row.id)) throw std::logic_error("command registered twice");
  rows_.push_back(std::move(row));
}

void Registry::Add(std::vector<Row> rows) {
  for (Row& row : rows) Add(std::move(row));
}

const Row* Registry::Find(unsigned id) const {
  for (const Row& row : rows_)
    if (row.id == id) return &row;
  return nullptr;
}

const Row* Registry::FindByTag(int tag) const {
  if (tag < 0) return nullptr;
  for (const Row& row : rows_)
    if (row.toolbarTag == tag) return &row;
  return nullptr;
}

bool Registry::Available(unsigned id) const {
  const Row* row = Find(id);
  return row && row->run;
}

bool Registry::Enabled(unsigned id) const {
  const Row* row = Find(id);
  return row && row->run && (!row->enabled || row->enabled());
}

bool Registry::ButtonEnabled(unsigned id) const {
  const Row* row = Find(id);
  return Enabled(id) && (!row->buttonEnabled || row->buttonEnabled());
}

bool Registry::Checked(unsigned id) const {
  const Row* row = Find(id);
  return row && row->checked && row->checked();
}

std::wstring Registry::Hint(unsigned id) const {
  const Row* row = Find(id);
  if (!row) return std::wstring();
  const wchar_t* current = row->currentHint ? row->currentHint() : nullptr;
  return current ? current : row->hint;
}

void Registry::SetHint(unsigned id, std::function<const wchar_t*()> currentHint) {
  for (Row& row : rows_)
    if (row.id == id) row.currentHint = std::move(currentHint);
}

std::vector<std::wstring> Registry::Problems(const std::vector<int>& toolTags) const {
  std::vector<std::wstring> problems;
  std::map<unsigned, int> ids;
  std::map<std::pair<int, int>, std::wstring> shortcuts;
  std::map<int, int> tags;
  for (const Row& row : rows_) {
    if (++ids[row.id] == 2) problems.push_back(std::wstring(L"id used twice: ") + row.name);
    if (row.shortcut.virtualKey && !row.systemShortcut) {
      auto key = std::make_pair(int{row.shortcut.virtualKey}, int{row.shortcut.modifiers});
      auto [at, added] = shortcuts.emplace(key, row.name);
      if (!added) problems.push_back(L"shortcut of " + at->second + L" used again by " + row.name);
    }
    if (row.toolbarTag >= 0) ++tags[row.toolbarTag];
    if (!row.run && (row.enabled || row.checked || row.buttonEnabled))
      problems.push_back(std::wstring(L"rules without a handler: ") + row.name);
  }
  for (int tag : toolTags)
    if (tags[tag] != 1) problems.push_back(L"tool tag " + std::to_wstring(tag) + L" needs exactly one command");
  return problems;
}

std::wstring ShortcutText(const Shortcut& shortcut) {
  if (!shortcut.virtualKey) return std::wstring();
  std::wstring text;
  if (shortcut.modifiers & kCtrl) text += L"Ctrl+";
  if (shortcut.modifiers & kShift) text += L"Shift+";
  if (shortcut.modifiers & kAlt) text += L"Alt+";
  int key = shortcut.virtualKey;
  if (key >= kKeyF1 && key < kKeyF1 + 24)
    text += L"F" + std::to_wstring(key - kKeyF1 + 1);
  else
    text += static_cast<wchar_t>(key);
  return text;
}

}  // namespace command
