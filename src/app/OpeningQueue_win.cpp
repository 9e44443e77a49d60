#include "app/OpeningQueue_win.h"

#include "app/HandOff.h"
#include "win/Encoding.h"
#include "win/Text.h"
#include "win/Window.h"
#include "workspace/DocumentFile_win.h"

namespace app {

namespace {
bool IsExistingFile(const std::wstring& name) { return workspace::FileExists(name); }
// How long the first go at the waiting documents may keep the window from answering.
constexpr unsigned kFirstOpenSliceMs = 150;
}  // namespace

void OpeningQueue::PickUpHandOff(bool openNow) {
  if (!handOff_) handOff_.emplace(handOffPath_);
  std::optional<std::string> bytes = handOff_->Take();
  if (!bytes) return;
  HandOffRequest request =
      TokenizeHandOff(HandOffText(win::FromAnsi(*bytes), bytes->size()), &IsExistingFile, printerExists);
  std::vector<Item> items;
  for (const std::wstring& name : request.names) items.push_back({Item::Kind::HandOff, name});
  if (request.print) items.push_back({Item::Kind::Print, L""});
  if (!request.printer.empty()) items.push_back({Item::Kind::Print, request.printer});
  Queue(std::move(items), openNow);
}

void OpeningQueue::Queue(std::vector<Item> items, bool openNow) {
  if (items.empty()) return;
  bool underWay = !items_.empty();
  for (Item& item : items) items_.push_back(std::move(item));
  // A few documents open at once; the rest follow from the timer.
  if (openNow && !underWay)
    RunSlice(kFirstOpenSliceMs);
  else
    ::SetTimer(frame_.Window(), kTimer, USER_TIMER_MINIMUM, nullptr);
}

void OpeningQueue::RunSlice(unsigned budgetMs) {
  DWORD start = ::GetTickCount();
  documents_.BeginBatch();
  while (!items_.empty()) {
    Item item = std::move(items_.front());
    items_.pop_front();
    try {
      RunOne(item);
    } catch (const std::exception& error) {
      win::ReportException(error);
    }
    if (::GetTickCount() - start >= budgetMs) break;
  }
  documents_.EndBatch(items_.empty());
  if (items_.empty())
    ::KillTimer(frame_.Window(), kTimer);
  else
    ::SetTimer(frame_.Window(), kTimer, USER_TIMER_MINIMUM, nullptr);
}

void OpeningQueue::RunOne(const Item& item) {
  using Kind = Item::Kind;
  switch (item.kind) {
    case Kind::ResetLimit:
      documents_.LimitReported = false;
      break;
    case Kind::HandOff: {
      std::wstring name = documents_.CanonicalName(item.name);
      if (int tab = documents_.FindOpenTab(name); tab >= 0) {
        documents_.ActivateTab(tab);
      } else {
        documents_.LimitReported = false;  // every handed-over name meets the limit on its own
        documents_.OpenDocument(name);
      }
      break;
    }
    case Kind::File:
      documents_.OpenDocument(item.name);
      break;
    case Kind::ReOpen:
      if (!documents_.LimitReported && workspace::FileExists(item.name)) documents_.OpenDocument(item.name);
      break;
    case Kind::ActivateFirst:
      if (documents_.TabCount() > 0) documents_.ActivateTab(0);
      break;
    case Kind::Print:
      if (print_) print_(item.name);
      break;
  }
}

void OpeningQueue::HandBack() {
  // The window closes before it got to these: they go back to param.dat for the next
  // start rather than being lost.
  std::string records;
  for (const Item& item : items_) {
    if (item.kind == Item::Kind::Print) records += "/p ";
    if (item.kind == Item::Kind::HandOff || item.kind == Item::Kind::File ||
        item.kind == Item::Kind::ReOpen)
      records += win::ToAnsiPath(item.name) + " ";
  }
  items_.clear();
  ::KillTimer(frame_.Window(), kTimer);
  if (!records.empty()) AppendHandOff(handOffPath_, records);
}

}  // namespace app
