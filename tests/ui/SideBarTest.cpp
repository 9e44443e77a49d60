// The side bar in the window: its views filled from Favorites.dat and the history, its
// place on the active page at either side, what it keeps across runs, and the font
// chooser leaving a plain document unmodified.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include "favorites/FavoritesStore.h"
#include "ui/Harness.h"

using namespace uitest;
using command::Sender;

namespace {

class SideBarTest : public MainFormTest {
 protected:
  sidebar::SideBar& bar() { return form().sideBar(); }
  HWND Page() { return form().documents().Active().page; }
  RECT InPage(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, Page(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  // The tree control's items in order: two spaces a level, then the text, and the
  // picture number in brackets.
  std::vector<std::wstring> TreeItems() {
    std::vector<std::wstring> items;
    HWND tree = bar().TreeWindow();
    Walk(tree, TreeView_GetRoot(tree), 0, items);
    return items;
  }
  void Walk(HWND tree, HTREEITEM item, int depth, std::vector<std::wstring>& items) {
    for (; item; item = TreeView_GetNextSibling(tree, item)) {
      wchar_t text[300] = L"";
      TVITEMW info{};
      info.mask = TVIF_TEXT | TVIF_IMAGE;
      info.hItem = item;
      info.pszText = text;
      info.cchTextMax = 300;
      TreeView_GetItem(tree, &info);
      items.push_back(std::wstring(static_cast<size_t>(depth) * 2, L' ') + text + L" [" +
                      std::to_wstring(info.iImage) + L"]");
      Walk(tree, TreeView_GetChild(tree, item), depth + 1, items);
    }
  }
  void WriteStore(const std::string& title, std::vector<favorites::Record> records) {
    MakeFile(L"Favorites.dat", favorites::WriteStore({title, std::move(records)}));
  }
  std::string Ansi(const std::wstring& path) { return std::string(path.begin(), path.end()); }
};

TEST_F(SideBarTest, FavoritesViewLeavesSeparatorsOutAndOpenAllOpensTheExistingFiles) {
  std::wstring one = MakeFile(L"one.txt", "1"), two = MakeFile(L"two.txt", "2"), top = MakeFile(L"top.txt", "t");
  WriteStore("Picks", {{0, Ansi(top), "top.txt"},
                       {0, "", "[-- Separator --]"},
                       {0, "", "Work"},
                       {1, Ansi(one), "one.txt"},
                       {1, "", "Deeper"},
                       {2, Ansi(two), "two.txt"},
                       {2, Ansi(folder_ / L"gone.txt"), "gone.txt"}});
  Start();
  form().RunCommand(command::ViewMenuFavorites);
  EXPECT_TRUE(form().IsCommandChecked(command::ViewMenuFavorites));
  EXPECT_TRUE(::IsWindowVisible(bar().hwnd()));
  EXPECT_EQ(bar().HeaderText(), L"Picks");
  EXPECT_EQ(TreeItems(), (std::vector<std::wstring>{L"Picks [0]", L"  top.txt [1]", L"  Work [0]", L"    one.txt [1]",
                                                    L"    Deeper [0]", L"      two.txt [1]", L"      gone.txt [1]"}));
  bar().SelectRow(2);
  EXPECT_EQ(bar().SBPopupMenuPopup().openCaption, L"Open All");
  bar().SideBarPopUp1Click();
  ASSERT_EQ(form().documents().TabCount(), 2) << "the untitled tab is taken, then one more";
  EXPECT_EQ(form().documents().Slot(form().documents().SlotOfTab(0))->fileName, one);
  EXPECT_EQ(form().documents().Active().fileName, two);
  EXPECT_EQ(::GetParent(bar().hwnd()), Page()) << "the pane followed to the new page";
  EXPECT_EQ(TreeItems().size(), 7u) << "the same view on the new page";

  bar().SelectRow(1);
  EXPECT_EQ(bar().SBPopupMenuPopup().openCaption, L"Open");
  bar().SideBarPopUp1Click();
  EXPECT_EQ(form().documents().Active().fileName, top);
}

TEST_F(SideBarTest, AnUnreadableStoreShowsTheEmptyFavoritesAndAddingRebuildsTheView) {
  MakeFile(L"Favorites.dat", "not a store at all");
  prompter_.ExpectMessage(L"The file format of Favorites.dat has changed.\n\nManually delete the file.");
  Start();
  form().RunCommand(command::ViewMenuFavorites);
  EXPECT_EQ(TreeItems(), (std::vector<std::wstring>{L"Favorites [0]", L"  [Empty] [2]"}));
  bar().SelectRow(1);
  EXPECT_FALSE(bar().SBPopupMenuPopup().openEnabled);

  ::DeleteFileW((folder_ / L"Favorites.dat").c_str());
  MakeFile(L"Favorites.dat", favorites::DefaultStoreBytes());
  form().documents().OpenDocument(MakeFile(L"note.txt", "n"));
  form().RunCommand(command::FavoritesMenuAdd);
  EXPECT_EQ(TreeItems(), (std::vector<std::wstring>{L"Favorites [0]", L"  note.txt [1]"}));
}

TEST_F(SideBarTest, TheRecentViewGainsANewFileAtTheTopAndEmptiesWithTheList) {
  std::wstring first = MakeFile(L"first.txt", "1"), second = MakeFile(L"second.txt", "2");
  Start();
  form().documents().OpenDocument(first);
  form().RunCommand(command::ViewMenuRecentDocuments);
  EXPECT_EQ(bar().HeaderText(), L"Recent Documents");
  EXPECT_EQ(TreeItems(), (std::vector<std::wstring>{L"first.txt [1]"}));
  form().documents().OpenDocument(second);
  EXPECT_EQ(TreeItems(), (std::vector<std::wstring>{L"second.txt [1]", L"first.txt [1]"}));
  EXPECT_TRUE(form().IsCommandChecked(command::ViewMenuRecentDocuments));
  EXPECT_FALSE(form().IsCommandChecked(command::ViewMenuFavorites));

  form().RunCommand(command::FileMenuCloseAll);
  bar().SelectRow(1);
  bar().TVDblClick();
  EXPECT_EQ(form().documents().Active().fileName, first);

  form().RunCommand(command::ReopenMenuClearList);
  EXPECT_TRUE(TreeItems().empty());
}

TEST_F(SideBarTest, OnTheRightThePaneEndsThePageWithItsSplitterBeforeItOnEveryTab) {
  WriteIni("[SideBar]\r\nRightSide=1\r\nWidth=120\r\n");
  Start();
  form().RunCommand(command::ViewMenuFontChooser);
  RECT page{};
  ::GetClientRect(Page(), &page);
  RECT pane = InPage(bar().hwnd()), splitter = InPage(bar().SplitterWindow());
  EXPECT_EQ(pane.right, page.right);
  EXPECT_EQ(pane.right - pane.left, 120);
  EXPECT_EQ(splitter.right, pane.left);
  EXPECT_EQ(splitter.right - splitter.left, 3);

  form().documents().NewDocument(0, L"txt");
  EXPECT_EQ(::GetParent(bar().hwnd()), Page());
  EXPECT_EQ(::GetParent(bar().SplitterWindow()), Page());
  EXPECT_EQ(InPage(bar().hwnd()).right, page.right);
  EXPECT_EQ(bar().State(), sidebar::View::FontChooser);
  EXPECT_GT(ListBox_GetCount(bar().ListWindow()), 0);
  EXPECT_TRUE(::IsWindowVisible(bar().ListWindow()));
  EXPECT_FALSE(::IsWindowVisible(bar().TreeWindow()));

  // Closing the tab the pane sits on gives it to the next one.
  form().RunCommand(command::FileMenuClose);
  EXPECT_EQ(::GetParent(bar().hwnd()), Page());
  EXPECT_TRUE(::IsWindowVisible(bar().hwnd()));
}

TEST_F(SideBarTest, ViewAndWidthAreKeptAcrossRunsAndUnusableValuesFallBack) {
  WriteIni("[SideBar]\r\nState=2\r\nWidth=150\r\n");
  Start();
  EXPECT_EQ(bar().State(), sidebar::View::RecentDocuments);
  EXPECT_EQ(InPage(bar().hwnd()).left, 0);
  EXPECT_EQ(InPage(bar().hwnd()).right, 150);
  // Dragging the splitter 40 pixels to the right widens the pane by as much.
  HWND splitter = bar().SplitterWindow();
  ::SendMessageW(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 5));
  ::SendMessageW(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(41, 5));
  ::SendMessageW(splitter, WM_LBUTTONUP, 0, MAKELPARAM(41, 5));
  EXPECT_EQ(InPage(bar().hwnd()).right, 190);
  EXPECT_EQ(InPage(splitter).left, 190);
  Exit();
  EXPECT_EQ(IniValue(L"SideBar", L"State"), L"2");
  EXPECT_EQ(IniValue(L"SideBar", L"Width"), L"190");

  WriteIni("[SideBar]\r\nState=9\r\nWidth=100000\r\n");
  Start();
  EXPECT_EQ(bar().State(), sidebar::View::Closed);
  form().RunCommand(command::ViewMenuFavorites);
  EXPECT_EQ(InPage(bar().hwnd()).right, 91);
  form().RunCommand(command::ViewMenuFavorites);
  EXPECT_FALSE(::IsWindowVisible(bar().hwnd())) << "the checked item closes the side bar";
  Exit();
  EXPECT_EQ(IniValue(L"SideBar", L"State"), L"0");
}

TEST_F(SideBarTest, AnUnusableLookFallsBackToTheDefaults) {
  WriteIni("[SideBar]\r\nState=1\r\nBGColor=clNoSuch\r\nColor=$000000FF\r\nSize=0\r\nFont=No Such Font\r\n"
           "Bold=1\r\n");
  Start();
  EXPECT_EQ(TreeView_GetBkColor(bar().TreeWindow()), static_cast<COLORREF>(RGB(255, 255, 255)));
  EXPECT_EQ(TreeView_GetTextColor(bar().TreeWindow()), static_cast<COLORREF>(RGB(255, 0, 0)));
  auto font = reinterpret_cast<HFONT>(::SendMessageW(bar().TreeWindow(), WM_GETFONT, 0, 0));
  LOGFONTW look{};
  ASSERT_TRUE(::GetObjectW(font, sizeof(look), &look));
  EXPECT_EQ(look.lfWeight, FW_BOLD);
  EXPECT_LT(look.lfHeight, 0) << "size 0 gives the default size, not the system's pick";
  EXPECT_EQ(TreeItems().size(), 2u);
}

TEST_F(SideBarTest, ChoosingAFontKeepsAPlainDocumentUnmodified) {
  Start();
  form().documents().OpenDocument(MakeFile(L"plain.txt", "text"));
  ASSERT_FALSE(editor().Modified());
  form().RunCommand(command::ViewMenuFontChooser);
  EXPECT_EQ(bar().HeaderText(), L"Font Chooser");
  HWND list = bar().ListWindow();
  int courier = ListBox_FindStringExact(list, -1, L"Courier New");
  EXPECT_EQ(ListBox_GetCurSel(list), courier) << "the document's font is selected";
  std::wstring other;
  for (int i = 0; i < ListBox_GetCount(list) && other.empty(); ++i) {
    wchar_t name[LF_FACESIZE * 2] = L"";
    ListBox_GetText(list, i, name);
    if (i != courier) other = name;
  }
  ASSERT_FALSE(other.empty());
  bar().SelectFace(other);
  bar().ListBoxDblClick();
  EXPECT_EQ(editor().DefaultFont().name, other);
  EXPECT_FALSE(editor().Modified());
  EXPECT_EQ(form().documents().TabImage(0), 0) << "the tab shows no change";
}

TEST_F(SideBarTest, TheRulerSwitchesUnitsOnAClickAndFollowsTheActiveTab) {
  WriteIni("[Main]\r\nRulerColor=0x000000FF\r\n");
  Start();
  chrome::Ruler& ruler = form().ruler();
  EXPECT_TRUE(form().IsCommandChecked(command::ViewMenuRuler));
  EXPECT_EQ(::GetParent(ruler.hwnd()), form().documents().Active().panel);
  EXPECT_EQ(ruler.Hint(), L"Inches");
  EXPECT_EQ(ruler.PixelAt(1, 2), RGB(255, 0, 0));
  int black = 0;
  for (int x = 0; x < 576; ++x) black += ruler.PixelAt(x, 0) == RGB(0, 0, 0);
  EXPECT_GT(black, 40) << "the marks stay black";

  ::SendMessageW(ruler.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_EQ(ruler.Hint(), L"Centimeters");
  EXPECT_EQ(IniValue(L"Main", L"RulerStyle"), L"1");
  ruler.ChangeRuler();
  EXPECT_EQ(ruler.Hint(), L"Inches");
  EXPECT_EQ(IniValue(L"Main", L"RulerStyle"), L"0");

  form().documents().NewDocument(0, L"txt");
  EXPECT_EQ(::GetParent(ruler.hwnd()), form().documents().Active().panel);
  form().RunCommand(command::ViewMenuRuler);
  EXPECT_FALSE(::IsWindowVisible(ruler.hwnd()));
  EXPECT_FALSE(form().IsCommandChecked(command::ViewMenuRuler));
  Exit();
  EXPECT_EQ(IniValue(L"Main", L"ShowRuler"), L"0");
}

}  // namespace
