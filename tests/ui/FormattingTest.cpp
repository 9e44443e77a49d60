// Rich-text formatting through the format bar and the Rich Text submenu, the palette,
// the colour dialog's custom colours and the Document menu.
#include <windows.h>
#include <richedit.h>

#include "command/CommandIds.h"
#include "format/ColorForm_win.h"
#include "format/FormatBarIds.h"
#include "ui/Harness.h"

using namespace uitest;
using format::BarButton;

namespace {

constexpr wchar_t kRangeMessage[] = L"The number must be between 1 and 1638.";

class FormattingTest : public MainFormTest {
 protected:
  void TearDown() override {
    format::TColorForm::SetTestHook(nullptr);
    MainFormTest::TearDown();
  }
  format::FormatBar& bar() { return form().formatting().Bar(); }
  // A rich-text document from `rtf`, opened as a file.
  void OpenRich(const std::string& rtf) {
    form().documents().OpenDocument(MakeFile(L"doc.rtf", rtf));
    Pump();
    ASSERT_FALSE(editor().IsPlainText());
  }
  void Select(long start, long end) {
    editor().SetSelection(start, end);
    Pump();
  }
  CHARFORMAT2W CharsAt(long start, long end) {
    editor().SetSelection(start, end);
    return editor().SelectionCharFormat();
  }
  void TypeInSizeBox(const std::wstring& text) {
    ::SetWindowTextW(bar().FontSize(), L"");
    for (wchar_t c : text) ::SendMessageW(bar().FontSizeEdit(), WM_CHAR, c, 0);
  }
  void PressEnterInSizeBox() {
    ::SendMessageW(bar().FontSizeEdit(), WM_KEYDOWN, VK_RETURN, 0);
    Pump();
  }
  void ClickButton(BarButton button) {
    bar().SetDown(button, !bar().IsDown(button));  // as the click leaves it
    HWND buttons = bar().Buttons();
    ::SendMessageW(bar().hwnd(), WM_COMMAND, MAKEWPARAM(IDC_FB_BOLD + static_cast<int>(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(buttons));
    Pump();
  }
  // Opens the colour box as a click would and lets `inPalette` act while it is open.
  void OpenPalette(std::function<void(format::TColorForm&)> inPalette) {
    bool ran = false;
    format::TColorForm::SetTestHook([&](format::TColorForm& palette) {
      ran = true;
      inPalette(palette);
    });
    ::SendMessageW(bar().ColorBox(), CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(PumpUntil([&] { return ran && !form().Busy(); }));
  }
};

TEST_F(FormattingTest, TheSelectionsFormattingIsMirroredInTheBarAndTheMenu) {
  Start();
  OpenRich("{\\rtf1\\ansi{\\fonttbl{\\f0 Courier New;}{\\f1 Tahoma;}}\\f0\\fs20 plain "
           "{\\f1\\b\\fs28 bold}\\par\\qc centred\\par}");
  Select(6, 10);
  EXPECT_TRUE(bar().IsDown(BarButton::Bold));
  EXPECT_FALSE(bar().IsDown(BarButton::Italic));
  EXPECT_EQ(bar().SizeText(), L"14");
  ASSERT_NE(bar().SelectedFont(), nullptr);
  EXPECT_EQ(bar().SelectedFont()->name, L"Tahoma");
  for (const format::FontName& font : bar().Fonts()) EXPECT_NE(font.name, L"Marlett") << "no symbol fonts";
  EXPECT_TRUE(form().IsCommandChecked(command::FormatMenuBold));
  EXPECT_TRUE(form().IsCommandEnabled(command::FormatMenuBold));
  EXPECT_TRUE(bar().IsDown(BarButton::LeftAlign));
  EXPECT_EQ(form().StatusText(0), L"1:7");

  Select(13, 13);
  EXPECT_FALSE(bar().IsDown(BarButton::Bold));
  EXPECT_EQ(bar().SizeText(), L"10");
  EXPECT_TRUE(bar().IsDown(BarButton::CenterAlign));
  EXPECT_FALSE(bar().IsDown(BarButton::LeftAlign));
  EXPECT_TRUE(form().IsCommandChecked(command::FormatMenuCenter));
  EXPECT_EQ(form().StatusText(0), L"2:3");
  EXPECT_FALSE(form().Busy());
}

TEST_F(FormattingTest, TheRefreshLeavesTheBusyFlagAsItFoundIt) {
  Start();
  OpenRich("{\\rtf1 text}");
  form().SetBusy(true);  // as a running Capitalize has it
  form().documents().MemoSelectionChange();
  EXPECT_TRUE(form().Busy());
  form().SetBusy(false);
  form().documents().MemoSelectionChange();
  EXPECT_FALSE(form().Busy());
}

TEST_F(FormattingTest, TypedSizesApplyOnEnterOnlyAndAreKeptWithinRange) {
  Start();
  OpenRich("{\\rtf1\\fs20 some text}");
  Select(0, 4);
  TypeInSizeBox(L"12");
  Pump();
  EXPECT_EQ(CharsAt(0, 4).yHeight, 200) << "typing alone changes nothing";
  Select(0, 4);
  PressEnterInSizeBox();
  EXPECT_EQ(CharsAt(0, 4).yHeight, 240);

  Select(0, 4);
  TypeInSizeBox(L"0");
  prompter_.ExpectMessage(kRangeMessage);
  PressEnterInSizeBox();
  EXPECT_EQ(bar().SizeText(), L"1");
  EXPECT_EQ(CharsAt(0, 4).yHeight, 20);

  Select(0, 4);
  TypeInSizeBox(L"5000");
  prompter_.ExpectMessage(kRangeMessage);
  PressEnterInSizeBox();
  EXPECT_EQ(bar().SizeText(), L"1638");
  EXPECT_EQ(CharsAt(0, 4).yHeight, 1638 * 20);
  EXPECT_EQ(prompter_.messages.back().icon, win::Icon::Information);
}

TEST_F(FormattingTest, ASizeChosenFromTheListAppliesAtOnce) {
  Start();
  OpenRich("{\\rtf1\\fs20 some text}");
  Select(0, 4);
  HWND box = bar().FontSize();
  ::SendMessageW(box, CB_SHOWDROPDOWN, TRUE, 0);
  ::SendMessageW(box, CB_SETCURSEL, 8, 0);  // "20"
  ::SendMessageW(bar().hwnd(), WM_COMMAND, MAKEWPARAM(IDC_FB_SIZE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
  ::SendMessageW(box, CB_SHOWDROPDOWN, FALSE, 0);
  Pump();
  EXPECT_EQ(CharsAt(0, 4).yHeight, 400);
}

TEST_F(FormattingTest, PlainDocumentsGreyTheBarAndTakeTheDocumentFontCommands) {
  Start();
  EXPECT_TRUE(editor().IsPlainText());
  EXPECT_FALSE(::IsWindowEnabled(bar().hwnd()));
  EXPECT_FALSE(::IsWindowEnabled(bar().ColorBox()));
  EXPECT_FALSE(bar().IsButtonEnabled(BarButton::Bold));
  EXPECT_FALSE(bar().IsButtonEnabled(BarButton::Bullets));
  for (unsigned id : {command::FormatMenuBold, command::FormatMenuCenter, command::FormatMenuBullets})
    EXPECT_FALSE(form().IsCommandEnabled(id));
  for (unsigned id : {command::DocumentMenuFontSettings, command::DocumentMenuLargerFont,
                      command::DocumentMenuSmallerFont, command::DocumentMenuBackgroundColor})
    EXPECT_TRUE(form().IsCommandEnabled(id));
  EXPECT_TRUE(form().IsToolEnabled(41));
  EXPECT_TRUE(form().IsToolEnabled(40));
  // Ctrl+B in a plain document does nothing.
  SetEditorText(L"words");
  editor().SetSelection(0, 5);
  form().RunCommand(command::FormatMenuBold, command::Sender::Kind::Accelerator);
  EXPECT_FALSE(editor().SelectionCharFormat().dwEffects & CFE_BOLD);

  OpenRich("{\\rtf1 rich}");
  EXPECT_TRUE(::IsWindowEnabled(bar().hwnd()));
  EXPECT_TRUE(bar().IsButtonEnabled(BarButton::Bold));
  EXPECT_TRUE(bar().IsButtonEnabled(BarButton::LeftAlign));
  for (unsigned id : {command::DocumentMenuFontSettings, command::DocumentMenuLargerFont,
                      command::DocumentMenuSmallerFont, command::DocumentMenuBackgroundColor})
    EXPECT_FALSE(form().IsCommandEnabled(id));
  EXPECT_FALSE(form().IsToolEnabled(41));
  EXPECT_FALSE(form().IsToolEnabled(40));
}

TEST_F(FormattingTest, BackgroundColourForRichTextOnlyWhenAllowed) {
  WriteIni("[Editor]\r\nAllowRTFBGColor=1\r\n");
  Start();
  OpenRich("{\\rtf1 rich}");
  EXPECT_TRUE(form().IsCommandEnabled(command::DocumentMenuBackgroundColor));
  EXPECT_TRUE(form().IsToolEnabled(40));
}

TEST_F(FormattingTest, AlignmentButtonsOnlyWhileARichDocumentWraps) {
  Start();
  OpenRich("{\\rtf1 rich}");
  ASSERT_TRUE(editor().WordWrap());
  form().RunCommand(command::DocumentMenuWordWrap);
  EXPECT_FALSE(editor().WordWrap());
  EXPECT_FALSE(editor().Modified()) << "word wrap is no edit";
  EXPECT_FALSE(bar().IsButtonEnabled(BarButton::LeftAlign));
  EXPECT_FALSE(bar().IsButtonEnabled(BarButton::CenterAlign));
  EXPECT_FALSE(bar().IsButtonEnabled(BarButton::RightAlign));
  EXPECT_TRUE(bar().IsButtonEnabled(BarButton::Bold));
  EXPECT_FALSE(form().IsCommandChecked(command::DocumentMenuWordWrap));
  form().RunCommand(command::DocumentMenuWordWrap);
  EXPECT_TRUE(bar().IsButtonEnabled(BarButton::CenterAlign));
  EXPECT_TRUE(form().IsToolPressed(42));
}

TEST_F(FormattingTest, LargerAndSmallerFontStopAtTheBoundsAndNeverMarkModified) {
  WriteIni("[Editor]\r\nSize=1638\r\n");
  Start();
  form().RunCommand(command::DocumentMenuLargerFont);
  EXPECT_EQ(editor().DefaultFont().points, 1638);
  EXPECT_FALSE(editor().Modified());
  form().RunCommand(command::DocumentMenuSmallerFont);
  EXPECT_EQ(editor().DefaultFont().points, 1637);
  EXPECT_FALSE(editor().Modified());
  SetEditorText(L"edited");
  ASSERT_TRUE(editor().Modified());
  form().RunCommand(command::DocumentMenuLargerFont);
  EXPECT_TRUE(editor().Modified()) << "an edited document stays edited";

  form().documents().NewDocument(0, L"txt");
  workspace::FontSpec font = editor().DefaultFont();
  font.points = 1;
  editor().SetDefaultFont(font);
  form().RunCommand(command::DocumentMenuSmallerFont);
  EXPECT_EQ(editor().DefaultFont().points, 1);
  EXPECT_FALSE(editor().Modified());
}

TEST_F(FormattingTest, FontSettingsTakeTheChosenFontWithoutMarkingModified) {
  Start();
  ScriptedPrompter::Expected choose{ScriptedPrompter::Expected::Kind::Font};
  std::wstring offered;
  choose.onFont = [&](win::FontRequest& request) {
    offered = request.font.lfFaceName;
    lstrcpynW(request.font.lfFaceName, L"Tahoma", LF_FACESIZE);
    request.font.lfHeight = -::MulDiv(20, 96, 72);
    request.font.lfWeight = FW_BOLD;
    request.color = RGB(0, 0, 255);
  };
  prompter_.Expect(choose);
  form().RunCommand(command::DocumentMenuFontSettings);
  EXPECT_EQ(offered, L"Courier New");
  workspace::FontSpec font = editor().DefaultFont();
  EXPECT_EQ(font.name, L"Tahoma");
  EXPECT_EQ(font.points, 20);
  EXPECT_TRUE(font.bold);
  EXPECT_EQ(font.color, RGB(0, 0, 255));
  EXPECT_FALSE(editor().Modified());

  ScriptedPrompter::Expected cancel{ScriptedPrompter::Expected::Kind::Font};
  cancel.accept = false;
  prompter_.Expect(cancel);
  form().RunCommand(command::DocumentMenuFontSettings);
  EXPECT_EQ(editor().DefaultFont().name, L"Tahoma");
}

TEST_F(FormattingTest, TheColourDialogKeepsItsCustomColoursOnOkOnly) {
  WriteIni("[CustomColors]\r\nColorB=00FF00\r\n");
  Start();
  ScriptedPrompter::Expected cancel{ScriptedPrompter::Expected::Kind::Color};
  cancel.accept = false;
  cancel.onColor = [](win::ColorRequest& request) { request.custom[0] = RGB(1, 2, 3); };
  prompter_.Expect(cancel);
  COLORREF before = form().documents().Active().background;
  form().RunCommand(command::DocumentMenuBackgroundColor);
  EXPECT_EQ(IniValue(L"CustomColors", L"ColorA"), L"<absent>") << "Cancel writes none";
  EXPECT_EQ(form().documents().Active().background, before);

  ScriptedPrompter::Expected ok{ScriptedPrompter::Expected::Kind::Color};
  win::ColorRequest asked;
  ok.onColor = [&](win::ColorRequest& request) {
    asked = request;
    request.custom[2] = RGB(0xAB, 0xCD, 0xEF);
    request.color = RGB(200, 220, 240);
  };
  prompter_.Expect(ok);
  form().RunCommand(command::DocumentMenuBackgroundColor);
  EXPECT_EQ(asked.color, before);
  EXPECT_EQ(asked.custom[0], 0xFFFFFFFFu) << "a slot never set is empty";
  EXPECT_EQ(asked.custom[1], RGB(0, 255, 0));
  EXPECT_EQ(form().documents().Active().background, RGB(200, 220, 240));
  EXPECT_EQ(IniValue(L"CustomColors", L"ColorA"), L"FFFFFFFF");
  EXPECT_EQ(IniValue(L"CustomColors", L"ColorB"), L"00FF00");
  EXPECT_EQ(IniValue(L"CustomColors", L"ColorC"), L"EFCDAB");
  EXPECT_EQ(IniValue(L"CustomColors", L"ColorP"), L"FFFFFFFF");
  EXPECT_FALSE(editor().Modified()) << "the background is no part of the document";
}

TEST_F(FormattingTest, RichTextItemsAndButtonsFormatTheSelectionButNotReadOnlyDocuments) {
  Start();
  OpenRich("{\\rtf1 some words}");
  Select(0, 4);
  form().RunCommand(command::FormatMenuBold, command::Sender::Kind::Accelerator);
  EXPECT_TRUE(CharsAt(0, 4).dwEffects & CFE_BOLD);
  Select(0, 4);
  EXPECT_TRUE(bar().IsDown(BarButton::Bold));
  form().RunCommand(command::FormatMenuBold);
  EXPECT_FALSE(CharsAt(0, 4).dwEffects & CFE_BOLD) << "the item toggles";

  Select(0, 4);
  ClickButton(BarButton::Italic);
  EXPECT_TRUE(CharsAt(0, 4).dwEffects & CFE_ITALIC);
  Select(0, 4);
  form().RunCommand(command::FormatMenuRightAlign);
  EXPECT_EQ(editor().ParagraphFormat().wAlignment, PFA_RIGHT);
  EXPECT_TRUE(bar().IsDown(BarButton::RightAlign));

  form().RunCommand(command::DocumentMenuReadOnly);
  Select(5, 9);
  ClickButton(BarButton::Underline);
  form().RunCommand(command::FormatMenuStrikeOut);
  CHARFORMAT2W chars = CharsAt(5, 9);
  EXPECT_FALSE(chars.dwEffects & (CFE_UNDERLINE | CFE_STRIKEOUT)) << "read-only text keeps its looks";
  Select(5, 9);
  EXPECT_FALSE(bar().IsDown(BarButton::Underline)) << "the button shows the text again";
}

TEST_F(FormattingTest, APaletteCellColoursTheSelectionAndAClickOutsideChangesNothing) {
  WriteIni("[CustomColors]\r\nColorA=FFFFFFFF\r\nColorB=0000FF\r\n");
  Start();
  OpenRich("{\\rtf1 some words}");
  Select(0, 4);
  RECT box{};
  ::GetWindowRect(bar().ColorBox(), &box);
  RECT placed{};
  COLORREF never = 0, custom = 0;
  OpenPalette([&](format::TColorForm& palette) {
    ::GetWindowRect(palette.hwnd(), &placed);
    never = palette.Cells()[24].color;
    custom = palette.Cells()[25].color;
    const format::PaletteRect& red = palette.Cells()[2].rect;
    LPARAM at = MAKELPARAM(red.left + 5, red.top + 5);
    ::SendMessageW(palette.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(palette.hwnd(), WM_LBUTTONUP, 0, at);
  });
  EXPECT_EQ(placed.left, box.left);
  EXPECT_EQ(placed.top, box.bottom) << "just below the colour box";
  EXPECT_EQ(placed.right - placed.left, 157);
  EXPECT_EQ(never, RGB(255, 255, 255)) << "a slot never set shows white";
  EXPECT_EQ(custom, RGB(255, 0, 0));
  EXPECT_EQ(CharsAt(0, 4).crTextColor, RGB(255, 0, 0));
  EXPECT_EQ(bar().BoxColor(), RGB(255, 0, 0));

  Select(5, 10);
  COLORREF before = CharsAt(5, 10).crTextColor;
  Select(5, 10);
  OpenPalette([&](format::TColorForm&) { ::SetFocus(editor().hwnd()); });
  EXPECT_EQ(CharsAt(5, 10).crTextColor, before);
  EXPECT_FALSE(form().Busy());
}

TEST_F(FormattingTest, FormattingFromTheBarSurvivesASaveAndAReopen) {
  Start();
  std::wstring path = MakeFile(L"kept.rtf", "{\\rtf1\\ansi\\fs20 alpha beta\\par gamma\\par}");
  form().documents().OpenDocument(path);
  Pump();
  Select(0, 5);
  for (BarButton button : {BarButton::Bold, BarButton::Italic, BarButton::Underline, BarButton::StrikeOut})
    ClickButton(button);
  ::SendMessageW(bar().FontComboBox(), CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Tahoma"));
  ::SendMessageW(bar().hwnd(), WM_COMMAND, MAKEWPARAM(IDC_FB_FONT, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(bar().FontComboBox()));
  TypeInSizeBox(L"16");
  PressEnterInSizeBox();
  Select(0, 5);
  OpenPalette([](format::TColorForm& palette) {
    const format::PaletteRect& blue = palette.Cells()[1].rect;
    LPARAM at = MAKELPARAM(blue.left + 5, blue.top + 5);
    ::SendMessageW(palette.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(palette.hwnd(), WM_LBUTTONUP, 0, at);
  });
  Select(0, 5);
  ClickButton(BarButton::CenterAlign);
  Select(12, 12);
  ClickButton(BarButton::Bullets);
  form().RunCommand(command::FileMenuSave);
  form().RunCommand(command::FileMenuClose);
  form().documents().OpenDocument(path);
  Pump();

  CHARFORMAT2W chars = CharsAt(0, 5);
  EXPECT_EQ(chars.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT),
            static_cast<DWORD>(CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT));
  EXPECT_STREQ(chars.szFaceName, L"Tahoma");
  EXPECT_EQ(chars.yHeight, 320);
  EXPECT_EQ(chars.crTextColor, RGB(0, 0, 255));
  EXPECT_FALSE(CharsAt(6, 10).dwEffects & CFE_BOLD) << "the rest as it was";
  EXPECT_EQ(editor().ParagraphFormat().wAlignment, PFA_CENTER);
  Select(12, 12);
  EXPECT_EQ(editor().ParagraphFormat().wNumbering, PFN_BULLET);
  Select(0, 0);
  EXPECT_NE(editor().ParagraphFormat().wNumbering, PFN_BULLET);
}

}  // namespace
