#pragma once
// What waits to be opened, in order: documents handed over by later starts, named on the
// command line or left open by the last run, and print requests. Many documents at
// once are opened a slice of time at a time from a timer, so the window paints and
// answers in between.
#include <windows.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/HandOffFile_win.h"
#include "workspace/Documents_win.h"
#include "workspace/Frame.h"

namespace app {

class OpeningQueue {
 public:
  static constexpr UINT_PTR kTimer = 3;
  struct Item {
    enum class Kind { ResetLimit, HandOff, File, ReOpen, ActivateFirst, Print } kind;
    std::wstring name;
  };

  // `print` runs a print request once the documents before it are open: "/p" with an
  // empty printer, "/pt" with the printer it names.
  OpeningQueue(workspace::Frame& frame, workspace::Documents& documents, std::wstring handOffPath,
               std::function<void(const std::wstring& printer)> print)
      : frame_(frame), documents_(documents), handOffPath_(std::move(handOffPath)), print_(std::move(print)) {}

  // Takes what later starts left in param.dat and queues it.
  void PickUpHandOff(bool openNow = true);
  // Queues the items. With `openNow` a first slice opens at once, unless slices are
  // already under way; else the timer's first slice comes once the window has answered.
  void Queue(std::vector<Item> items, bool openNow = true);
  // One slice of the waiting documents (the timer's), at most about `budgetMs` long.
  void RunSlice(unsigned budgetMs);
  // The window closes before it got to these: back to param.dat for the next start.
  void HandBack();
  bool Pending() const { return !items_.empty(); }
  // Whether a printer of this name is installed ("/pt").
  std::function<bool(const std::wstring&)> printerExists;

 private:
  void RunOne(const Item& item);

  workspace::Frame& frame_;
  workspace::Documents& documents_;
  std::wstring handOffPath_;
  std::function<void(const std::wstring&)> print_;
  std::optional<HandOffInbox> handOff_;
  std::deque<Item> items_;
};

}  // namespace app
