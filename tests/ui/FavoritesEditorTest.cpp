// The favorites editor driven in-process through its test hook: the tree control
// follows the commands, the store is written when it closes and the menu is rebuilt.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include "favorites/FavoritesEditorIds.h"
#include "favorites/FavoritesEditor_win.h"
#include "favorites/StoreFile_win.h"
#include "ui/Harness.h"

using namespace uitest;
using favorites::NodeId;
using favorites::TFavoritesEditor;

namespace {

std::wstring ItemText(HWND tree, HTREEITEM item) {
  wchar_t buffer[300] = {};
  TVITEMW info{};
  info.mask = TVIF_TEXT | TVIF_HANDLE;
  info.hItem = item;
  info.pszText = buffer;
  info.cchTextMax = 300;
  TreeView_GetItem(tree, &info);
  return buffer;
}

int ItemImage(HWND tree, HTREEITEM item) {
  TVITEMW info{};
  info.mask = TVIF_IMAGE | TVIF_HANDLE;
  info.hItem = item;
  TreeView_GetItem(tree, &info);
  return info.iImage;
}

// The texts of an item's children as the tree control shows them.
std::vector<std::wstring> Children(HWND tree, HTREEITEM parent) {
  std::vector<std::wstring> texts;
  for (HTREEITEM child = TreeView_GetChild(tree, parent); child; child = TreeView_GetNextSibling(tree, child))
    texts.push_back(ItemText(tree, child));
  return texts;
}

// Stands in for the user: once the editor's loop runs, its close box is pressed.
void CALLBACK PressCloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
  if (HWND editor = ::FindWindowW(L"TFavoritesEditor", nullptr); editor && ::IsWindowVisible(editor)) {
    ::KillTimer(nullptr, timer);
    ::PostMessageW(editor, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
}

class FavoritesEditorTest : public MainFormTest {
 protected:
  void TearDown() override {
    TFavoritesEditor::SetTestHook(nullptr);
    MainFormTest::TearDown();
  }
  std::wstring StorePath() { return folder_ / L"Favorites.dat"; }
  // Writes the store: (level, caption, path) records under the title.
  void WriteStore(const std::wstring& title, const std::vector<std::tuple<int, std::wstring, std::wstring>>& records) {
    favorites::CodePage codePage = favorites::SystemCodePage();
    favorites::Store store{codePage.encode(title), {}};
    for (const auto& [level, caption, path] : records)
      store.records.push_back({level, codePage.encode(path), codePage.encode(caption)});
    WriteBytes(StorePath(), favorites::WriteStore(store));
  }
  favorites::Store ReadStore() { return favorites::ReadStore(ReadBytes(StorePath())).store; }
  // Opens Favorites > Edit with `drive` acting in the editor; it closes afterwards.
  void Edit(const std::function<void(TFavoritesEditor&)>& drive) {
    bool ran = false;
    TFavoritesEditor::SetTestHook([&](TFavoritesEditor& editor) {
      ran = true;
      drive(editor);
    });
    form().RunCommand(command::FavoritesMenuEdit);
    TFavoritesEditor::SetTestHook(nullptr);
    EXPECT_TRUE(ran) << "the editor did not open";
  }
  static NodeId Find(const TFavoritesEditor& editor, const std::wstring& text) {
    for (NodeId id : editor.tree().InOrder())
      if (editor.tree().At(id).text == text) return id;
    ADD_FAILURE() << "no node named so";
    return favorites::kNoNode;
  }
  std::vector<std::wstring> Captions(const favorites::Store& store) {
    std::vector<std::wstring> captions;
    for (const favorites::Record& record : store.records)
      captions.push_back(std::to_wstring(record.level) + L" " + std::wstring(record.caption.begin(), record.caption.end()));
    return captions;
  }
};

TEST_F(FavoritesEditorTest, ANewFavoriteGoesToTheEndOfItsFolderAndClosingSavesAndRebuildsTheMenu) {
  WriteStore(L"Favorites", {{0, L"Docs", L""}, {1, L"a.txt", L"C:\\a.txt"}, {1, L"b.txt", L"C:\\b.txt"},
                            {0, L"c.txt", L"C:\\c.txt"}});
  Start();
  int changes = 0;
  form().favorites().onStoreChanged = [&] { ++changes; };
  std::wstring added = MakeFile(L"new.txt", "new");
  Edit([&](TFavoritesEditor& editor) {
    HWND tree = editor.TreeHandle();
    EXPECT_EQ(Children(tree, editor.ItemOf(editor.tree().Root())), (std::vector<std::wstring>{L"Docs", L"c.txt"}));
    EXPECT_EQ(editor.StatusText(0), L"Files: 3");
    EXPECT_EQ(editor.StatusText(1), L"Folders: 1");
    NodeId docs = Find(editor, L"Docs");
    TreeView_Expand(tree, editor.ItemOf(docs), TVE_EXPAND);
    editor.Select(Find(editor, L"a.txt"));
    EXPECT_EQ(editor.StatusText(3), L"C:\\a.txt");
    prompter_.ExpectOpen({added});
    EXPECT_TRUE(editor.Run(IDM_FE_NEW_FAVORITE));
    EXPECT_EQ(prompter_.fileRequests.back().title, L"New Favorite");
    EXPECT_EQ(Children(tree, editor.ItemOf(docs)), (std::vector<std::wstring>{L"a.txt", L"b.txt", L"new.txt"}));
    EXPECT_EQ(editor.StatusText(0), L"Files: 4");
    EXPECT_TRUE(editor.Run(IDM_FE_NEW_SEPARATOR));
    EXPECT_EQ(editor.StatusText(2), L"Separators: 1");
  });
  EXPECT_EQ(Captions(ReadStore()), (std::vector<std::wstring>{L"0 Docs", L"1 a.txt", L"1 b.txt", L"1 new.txt",
                                                              L"1 [-- Separator --]", L"0 c.txt"}));
  EXPECT_EQ(ReadStore().records[3].path, std::string(added.begin(), added.end()));
  EXPECT_EQ(changes, 1) << "the side bar hears of the new store";
  HMENU docsMenu = ::GetSubMenu(form().MenuOf(command::kFavoritesMenu), 3);
  EXPECT_EQ(uitest::Captions(docsMenu), (std::vector<std::wstring>{L"a.txt", L"b.txt", L"new.txt"}))
      << "the menu is built from the saved store";
  EXPECT_FALSE(IniValue(L"Main", L"FEWidth").empty());
  EXPECT_EQ(IniValue(L"Main", L"FEToolBar"), L"1");
}

TEST_F(FavoritesEditorTest, RenamingKeepsReservedTextsOutAndTheTitleNamesTheWindowAndMenu) {
  WriteStore(L"Favorites", {{0, L"a.txt", L"C:\\a.txt"}});
  Start();
  std::wstring title(40, L'T');
  Edit([&](TFavoritesEditor& editor) {
    HWND tree = editor.TreeHandle();
    auto rename = [&](NodeId id, const std::wstring& text) {
      HWND edit = TreeView_EditLabel(tree, editor.ItemOf(id));
      ASSERT_TRUE(edit) << "the label editor opened";
      ::SetWindowTextW(edit, text.c_str());
      TreeView_EndEditLabelNow(tree, FALSE);
    };
    NodeId a = Find(editor, L"a.txt");
    rename(a, L"[Empty]");
    EXPECT_EQ(ItemText(tree, editor.ItemOf(a)), L"a.txt");
    rename(a, L"-");
    EXPECT_EQ(ItemText(tree, editor.ItemOf(a)), L"a.txt");
    rename(a, std::wstring(70, L'x'));
    EXPECT_EQ(ItemText(tree, editor.ItemOf(a)), std::wstring(63, L'x'));
    rename(editor.tree().Root(), title);
    EXPECT_EQ(ItemText(tree, editor.ItemOf(editor.tree().Root())), title.substr(0, 30));
    wchar_t caption[100] = {};
    ::GetWindowTextW(editor.hwnd(), caption, 100);
    EXPECT_EQ(std::wstring(caption), L"Tarnwick - " + title.substr(0, 30));

    editor.Select(editor.tree().At(editor.tree().Root()).children.front());
    EXPECT_TRUE(editor.Run(IDM_FE_NEW_SEPARATOR));
    NodeId separator = Find(editor, L"[-- Separator --]");
    EXPECT_FALSE(TreeView_EditLabel(tree, editor.ItemOf(separator))) << "separators are not renamed";
  });
  EXPECT_EQ(Captions(ReadStore()), (std::vector<std::wstring>{L"0 " + std::wstring(63, L'x'), L"0 [-- Separator --]"}));
  EXPECT_EQ(ReadStore().title, std::string(30, 'T'));
  EXPECT_EQ(uitest::Captions(form().MenuOf(command::kFavoritesMenu))[0],
            L"&Add to " + title.substr(0, 30) + L"\tCtrl+D");
}

TEST_F(FavoritesEditorTest, DeletingLeavesPlaceholdersAndTheRootAndPlaceholdersStay) {
  WriteStore(L"Favorites", {{0, L"Docs", L""}, {1, L"a.txt", L"C:\\a.txt"}, {0, L"b.txt", L"C:\\b.txt"}});
  Start();
  Edit([&](TFavoritesEditor& editor) {
    HWND tree = editor.TreeHandle();
    editor.Select(editor.tree().Root());
    EXPECT_FALSE(editor.Run(IDM_FE_DELETE)) << "Delete is disabled on the root";
    ::SendMessageW(tree, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(editor.tree().RecordCount(), 3) << "the Delete key leaves the root alone";

    NodeId docs = Find(editor, L"Docs");
    editor.Select(Find(editor, L"a.txt"));
    ::SendMessageW(tree, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(Children(tree, editor.ItemOf(docs)), std::vector<std::wstring>{L"[Empty]"});
    HTREEITEM placeholder = TreeView_GetChild(tree, editor.ItemOf(docs));
    EXPECT_EQ(ItemImage(tree, placeholder), 3);
    TreeView_SelectItem(tree, placeholder);
    EXPECT_FALSE(editor.Run(IDM_FE_DELETE)) << "a placeholder is not deleted";

    editor.Select(Find(editor, L"b.txt"));
    EXPECT_TRUE(editor.Run(IDM_FE_DELETE));
    editor.Select(docs);
    EXPECT_TRUE(editor.Run(IDM_FE_DELETE));
    EXPECT_EQ(Children(tree, editor.ItemOf(editor.tree().Root())), std::vector<std::wstring>{L"[Empty]"});
    EXPECT_EQ(editor.StatusText(0), L"Files: 0");
  });
  EXPECT_EQ(ReadBytes(StorePath()), favorites::DefaultStoreBytes()) << "an emptied store is the default one";
}

TEST_F(FavoritesEditorTest, DragsMoveByZoneNeverIntoTheirOwnSubtree) {
  WriteStore(L"Favorites", {{0, L"Docs", L""}, {1, L"a.txt", L"C:\\a.txt"}, {0, L"b.txt", L"C:\\b.txt"}});
  Start();
  Edit([&](TFavoritesEditor& editor) {
    HWND tree = editor.TreeHandle();
    NodeId docs = Find(editor, L"Docs");
    TreeView_Expand(tree, editor.ItemOf(docs), TVE_EXPAND);
    auto drag = [&](NodeId from, NodeId to, int y) {
      RECT row{};
      TreeView_GetItemRect(tree, editor.ItemOf(to), &row, FALSE);
      editor.BeginDrag(from);
      LPARAM at = MAKELPARAM(10, y < 0 ? row.bottom + y : row.top + y);
      ::SendMessageW(tree, WM_MOUSEMOVE, MK_LBUTTON, at);
      ::SendMessageW(tree, WM_LBUTTONUP, 0, at);
    };
    drag(Find(editor, L"b.txt"), docs, -2);
    EXPECT_EQ(Children(tree, editor.ItemOf(docs)), (std::vector<std::wstring>{L"b.txt", L"a.txt"}))
        << "the lower edge of an expanded folder makes the first child";
    drag(docs, Find(editor, L"a.txt"), 8);
    EXPECT_EQ(Children(tree, editor.ItemOf(docs)), (std::vector<std::wstring>{L"b.txt", L"a.txt"}))
        << "a folder never goes into its own subtree";
    drag(Find(editor, L"a.txt"), editor.tree().Root(), 1);
    EXPECT_EQ(Children(tree, editor.ItemOf(editor.tree().Root())), std::vector<std::wstring>{L"Docs"})
        << "nothing goes before the root";
  });
  EXPECT_EQ(Captions(ReadStore()), (std::vector<std::wstring>{L"0 Docs", L"1 b.txt", L"1 a.txt"}));
}

TEST_F(FavoritesEditorTest, ShellDropsAddAtMost3999Favorites) {
  Start();
  Edit([&](TFavoritesEditor& editor) {
    std::wstring names;
    for (int i = 0; i < 4100; ++i) names += L"C:\\dropped\\f" + std::to_wstring(i) + L".txt" + L'\0';
    names += L'\0';
    HGLOBAL drop = ::GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(::GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
    ::GlobalUnlock(drop);
    ::SendMessageW(editor.TreeHandle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    std::vector<std::wstring> top = Children(editor.TreeHandle(), editor.ItemOf(editor.tree().Root()));
    EXPECT_EQ(top.size(), 3999u) << "the placeholder went";
    EXPECT_EQ(top.back(), L"f3998.txt");
    EXPECT_EQ(editor.StatusText(0), L"Files: 3999");
  });
  EXPECT_EQ(ReadStore().records.size(), 3999u);
}

TEST_F(FavoritesEditorTest, VerifyMarksMissingFilesAndOpenAllOpensTheOthersAndCloses) {
  std::wstring there = MakeFile(L"there.txt", "there");
  WriteStore(L"Favorites", {{0, L"Docs", L""}, {1, L"there.txt", there}, {1, L"gone1.txt", folder_ / L"gone1.txt"},
                            {1, L"gone2.txt", folder_ / L"gone2.txt"}});
  Start();
  Edit([&](TFavoritesEditor& editor) {
    HWND tree = editor.TreeHandle();
    prompter_.ExpectMessage(
        L"One or more Favorites point to Files that no longer exist.\n\nThe images on these Favorites have an 'X' on "
        L"them.");
    EXPECT_TRUE(editor.Run(IDM_FE_VERIFY));
    EXPECT_EQ(editor.Selected(), Find(editor, L"gone1.txt"));
    EXPECT_EQ(ItemImage(tree, editor.ItemOf(Find(editor, L"gone1.txt"))), 4);
    EXPECT_EQ(ItemImage(tree, editor.ItemOf(Find(editor, L"gone2.txt"))), 4);
    EXPECT_EQ(ItemImage(tree, editor.ItemOf(Find(editor, L"there.txt"))), 1);
    editor.Select(Find(editor, L"Docs"));
    EXPECT_TRUE(editor.Run(IDM_FE_OPEN));
    EXPECT_FALSE(::IsWindowVisible(editor.hwnd())) << "Open All closes the editor";
  });
  EXPECT_EQ(form().documents().Active().fileName, there);
  EXPECT_EQ(ReadStore().records.size(), 4u);
}

TEST_F(FavoritesEditorTest, PropertiesSetTitleAndPathAndTellAMissingFile) {
  std::wstring there = MakeFile(L"there.txt", "there");
  WriteStore(L"Favorites", {{0, L"Docs", L""}, {1, L"gone.txt", folder_ / L"gone.txt"}, {0, L"-x", there}});
  Start();
  std::vector<bool> notFoundShown;
  win::Dialog::SetTestHook([&](win::Dialog& dialog) {
    auto shown = [&] { return (::GetWindowLongW(dialog.Item(IDT_FAVPROP_NOTFOUND), GWL_STYLE) & WS_VISIBLE) != 0; };
    EXPECT_EQ(dialog.Text(IDE_FAVPROP_TITLE), L"gone.txt");
    notFoundShown.push_back(shown());
    dialog.SetText(IDE_FAVPROP_FILE, there);
    notFoundShown.push_back(shown());
    dialog.SetText(IDE_FAVPROP_TITLE, L"Back again");
    ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDOK, 0);
  });
  Edit([&](TFavoritesEditor& editor) {
    editor.Select(Find(editor, L"Docs"));
    EXPECT_FALSE(editor.Run(IDM_FE_PROPERTIES)) << "a folder has no properties";
    NodeId gone = Find(editor, L"gone.txt");
    editor.Select(gone);
    EXPECT_TRUE(editor.Run(IDM_FE_PROPERTIES));
    EXPECT_EQ(ItemText(editor.TreeHandle(), editor.ItemOf(gone)), L"Back again");
    EXPECT_EQ(editor.StatusText(3), there);
  });
  EXPECT_EQ(notFoundShown, (std::vector<bool>{true, false})) << "the note follows the file name";
  EXPECT_EQ(ReadStore().records[1].caption, "Back again");
  EXPECT_EQ(ReadStore().records[1].path, std::string(there.begin(), there.end()));
}

TEST_F(FavoritesEditorTest, WithoutAHookTheEditorRunsItsOwnLoopUntilItsCloseBox) {
  Start();
  ::DeleteFileW(StorePath().c_str());
  ::SetTimer(nullptr, 0, 10, &PressCloseBox);
  form().RunCommand(command::FavoritesMenuEdit);
  EXPECT_TRUE(::IsWindowEnabled(form().hwnd())) << "the main window takes input again";
  EXPECT_EQ(ReadBytes(StorePath()), favorites::DefaultStoreBytes()) << "closing saved the store";
}

TEST_F(FavoritesEditorTest, AStoreThatCannotBeReplacedIsKeptAndTheUserTold) {
  WriteStore(L"Favorites", {{0, L"a.txt", L"C:\\a.txt"}});
  std::string before = ReadBytes(StorePath());
  Start();
  // Another program reads the store and does not let it be replaced meanwhile.
  HANDLE reader = ::CreateFileW(StorePath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  Edit([&](TFavoritesEditor& editor) {
    EXPECT_TRUE(editor.Run(IDM_FE_NEW_SEPARATOR));
    prompter_.ExpectMessage(L"Unable to save Favorites.dat.");
  });
  ::CloseHandle(reader);
  EXPECT_EQ(ReadBytes(StorePath()), before);
  EXPECT_EQ(prompter_.messages.back().icon, win::Icon::Warning);
  EXPECT_EQ(::GetFileAttributesW((StorePath() + L".new").c_str()), INVALID_FILE_ATTRIBUTES) << "no temporary file left";
}

TEST_F(FavoritesEditorTest, AStoreOfAnotherFormatIsNotOpenedForEditing) {
  std::string bytes = favorites::DefaultStoreBytes();
  bytes[13] = 2;
  WriteBytes(StorePath(), bytes);
  prompter_.ExpectMessage(L"The file format of Favorites.dat has changed.\n\nManually delete the file.");
  Start();
  prompter_.ExpectMessage(L"The file format of Favorites.dat has changed.\n\nManually delete the file.");
  TFavoritesEditor::SetTestHook([](TFavoritesEditor&) { ADD_FAILURE() << "the editor opened"; });
  form().RunCommand(command::FavoritesMenuEdit);
  EXPECT_EQ(ReadBytes(StorePath()), bytes);
}

}  // namespace
