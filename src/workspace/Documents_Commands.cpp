// The documents' commands, the tab control and the batches of opening documents.
#include <windows.h>

#include "config/Keys.h"
#include "workspace/History.h"
#include "win/Text.h"
#include "win/resource.h"
#include "workspace/Documents_win.h"

namespace workspace {
using namespace command;
namespace keys = config::keys;

namespace {
HFONT GuiFont() {
  static HFONT font = [] {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return ::CreateFontIndirectW(&metrics.lfMessageFont);
  }();
  return font;
}
}  // namespace

Documents::Documents(Frame& frame, Registry& commands) : frame_(frame) { RegisterCommands(commands); }

void Documents::RegisterCommands(Registry& commands) {
  auto hasFile = [this] { return Active().hasFile; };
  auto modified = [this] { return ActiveEditor().Modified(); };
  // clang-format off
  commands.Add({
    {FileMenuNew, L"FileMenuNew", L"&New...", Ctrl('N'), L"Create a new document.", 0, Bind(this, &Documents::FileMenuNewClick)},
    {FileMenuOpen, L"FileMenuOpen", L"&Open...", Ctrl('O'), L"Open a document.", 1, Bind(this, &Documents::FileMenuOpenClick)},
    {FileMenuReOpen, L"FileMenuReOpen", L"&Re-Open", {}, L"", -1, {}},
    {ReopenMenuClearList, L"ReopenMenuClearList", L"&Clear List", {}, L"Clear the Re-Open menu.", -1,
     Bind(this, &Documents::ReopenMenuClearListClick), [this] { return !reopenEmpty_; }},
    {FileMenuReload, L"FileMenuReload", L"R&eload...", {}, L"Reload the document from disk.", 2,
     Bind(this, &Documents::FileMenuReloadClick), hasFile},
    {FileMenuSave, L"FileMenuSave", L"&Save", Ctrl('S'), L"Save the document.", 3, Bind(this, &Documents::FileMenuSaveClick),
     {}, {}, modified},
    {FileMenuSaveAs, L"FileMenuSaveAs", L"Save &As...", {}, L"Save the document as a different filename.", -1,
     Bind(this, &Documents::FileMenuSaveAsClick)},
    {FileMenuSaveAll, L"FileMenuSaveAll", L"Sa&ve All", {}, L"Save all documents.", -1,
     Bind(this, &Documents::FileMenuSaveAllClick)},
    {FileMenuClose, L"FileMenuClose", L"&Close", {}, L"Close the document.", 4, Bind(this, &Documents::FileMenuCloseClick)},
    {FileMenuCloseAll, L"FileMenuCloseAll", L"C&lose All", {}, L"Close all documents.", 5,
     Bind(this, &Documents::FileMenuCloseAllClick)},
    {DocumentMenuWordWrap, L"DocumentMenuWordWrap", L"&Word Wrap", Ctrl('W'), L"Toggle Word Wrap on or off.", 42,
     Bind(this, &Documents::DocumentMenuWordWrapClick), {}, [this] { return ActiveEditor().WordWrap(); }},
    {DocumentMenuReadOnly, L"DocumentMenuReadOnly", L"&Read Only", {}, L"Toggle Read Only for the document on or off.",
     45, Bind(this, &Documents::DocumentMenuReadOnlyClick), {}, [this] { return ActiveEditor().ReadOnly(); }},
    // The tab menu: the File menu's handlers, no hints.
    {TabMenuClose, L"TabMenuClose", L"&Close", {}, L"", -1, Bind(this, &Documents::FileMenuCloseClick)},
    {TabMenuCloseAll, L"TabMenuCloseAll", L"C&lose All", {}, L"", -1, Bind(this, &Documents::FileMenuCloseAllClick)},
    {TabMenuSave, L"TabMenuSave", L"&Save", {}, L"", -1, Bind(this, &Documents::FileMenuSaveClick)},
    {TabMenuSaveAs, L"TabMenuSaveAs", L"Save &As...", {}, L"", -1, Bind(this, &Documents::FileMenuSaveAsClick)},
    {TabMenuSaveAll, L"TabMenuSaveAll", L"Sa&ve All", {}, L"", -1, Bind(this, &Documents::FileMenuSaveAllClick)},
  });
  // clang-format on
}

void Documents::Create(HWND parent) {
  config::Profile& profile = frame_.Profile();
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TCS_FOCUSNEVER;
  if (profile.Read(keys::TryIt)) style |= TCS_HOTTRACK;
  int tabStyle = profile.Read(keys::FileTabStyle);
  if (tabStyle == 1)
    style |= TCS_BUTTONS;
  else if (tabStyle == 0 && profile.Read(keys::FileTabBelow))
    style |= TCS_BOTTOM;
  // Files dropped on the tabs are opened. WS_EX_ACCEPTFILES is all DragAcceptFiles
  // sets; setting it here keeps the shell library from loading before the window shows.
  pageControl_ = ::CreateWindowExW(WS_EX_ACCEPTFILES, WC_TABCONTROLW, L"", style, 0, 0, 0, 0, parent, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(pageControl_, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
  ::SetWindowSubclass(pageControl_, &Documents::PageControlWindowProc, 1, reinterpret_cast<DWORD_PTR>(this));

  TabImages = profile.Read(keys::FileTabImage);
  if (TabImages) AttachTabImages(true);
}

void Documents::BeginBatch() {
  // The tab strip is laid out and painted anew for every tab added, which with many
  // wrapped rows costs more than opening the documents.
  if (!batchPaint_) batchPaint_.emplace(pageControl_);
  inBatch_ = true;
}

void Documents::EndBatch(bool finished) {
  constexpr DWORD kBatchPaintMs = 1000;
  inBatch_ = false;
  batchFolders_.clear();
  if (!batchHistory_.empty()) {
    std::vector<std::wstring> names = std::move(batchHistory_);
    batchHistory_.clear();
    if (!frame_.Profile().Read(keys::HideReOpen) && workspace::RecordFiles(frame_.Profile(), names) &&
        onHistoryChanged)
      onHistoryChanged();
  }
  if (refreshPending_) {
    refreshPending_ = false;
    PageControlChange();
    LayoutPages();
  }
  if (finished || ::GetTickCount() - batchShownAt_ >= kBatchPaintMs) {
    batchPaint_.reset();
    batchShownAt_ = ::GetTickCount();
  }
}

bool Documents::RunDynamicItem(const Sender& sender) {
  unsigned id = sender.command;
  if (id >= ReopenMenuFirstFile && id <= ReopenMenuLastFile) {
    LoadFavorite(sender);
    return true;
  }
  if (id >= NewMenuFirstItem && id <= NewMenuLastItem) {
    size_t item = id - NewMenuFirstItem;
    Sender itemSender = sender;
    itemSender.tag = item < newMenuTags_.size() ? newMenuTags_[item] : 0;
    if (newMenuShowsTypes_)
      NewMenuClick(itemSender);
    else
      FolderHistoryClick(itemSender);
    return true;
  }
  return false;
}

std::wstring Documents::DynamicItemHint(unsigned id, const std::wstring& fallback) const {
  if (id >= ReopenMenuFirstFile && id <= ReopenMenuLastFile) {
    size_t k = id - ReopenMenuFirstFile;
    return k < reopenHints_.size() ? reopenHints_[k] : std::wstring();
  }
  if (id >= NewMenuFirstItem && id <= NewMenuLastItem) {
    size_t item = id - NewMenuFirstItem;
    return item < newMenuHints_.size() ? newMenuHints_[item] : std::wstring();
  }
  return fallback;
}

void Documents::DocumentMenuWordWrapClick(const Sender&) {
  DocumentSlot& slot = Active();
  win::PaintSuspender suspend(frame_.Window());
  bool attached = slot.changeAttached;
  slot.changeAttached = false;
  slot.editor.SetWordWrap(!slot.editor.WordWrap());
  UpdateTabImage(ActiveSlot);
  slot.changeAttached = attached;
}

void Documents::DocumentMenuReadOnlyClick(const Sender&) {
  ActiveEditor().SetReadOnly(!ActiveEditor().ReadOnly());
  UpdateTabImage(ActiveSlot);
  frame_.CommandStatesChanged();
}

}  // namespace workspace
