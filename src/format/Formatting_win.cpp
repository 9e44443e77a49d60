#include "format/Formatting_win.h"

#include <algorithm>

#include "config/Keys.h"
#include "format/ColorForm_win.h"
#include "format/CustomColors_win.h"
#include "format/FormatRules.h"
#include "win/SystemInfo.h"
#include "win/Text.h"

namespace format {
using namespace command;
namespace keys = config::keys;

namespace {

CHARFORMAT2W CharFormat(DWORD mask) {
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = mask;
  return format;
}

PARAFORMAT2 ParaFormat(DWORD mask) {
  PARAFORMAT2 format{};
  format.cbSize = sizeof(format);
  format.dwMask = mask;
  return format;
}

DWORD EffectOf(BarButton button) {
  switch (button) {
    case BarButton::Bold: return CFE_BOLD;
    case BarButton::Italic: return CFE_ITALIC;
    case BarButton::Underline: return CFE_UNDERLINE;
    default: return CFE_STRIKEOUT;
  }
}

BarButton StyleButtonOf(unsigned command) {
  switch (command) {
    case FormatMenuBold: return BarButton::Bold;
    case FormatMenuItalic: return BarButton::Italic;
    case FormatMenuUnderline: return BarButton::Underline;
    default: return BarButton::StrikeOut;
  }
}

workspace::FontSpec FromLogFont(const LOGFONTW& log, COLORREF color, int previousPoints) {
  workspace::FontSpec font;
  font.name = log.lfFaceName;
  int height = log.lfHeight < 0 ? -log.lfHeight : log.lfHeight;
  font.points = height ? std::clamp(::MulDiv(height, 72, win::ScreenDpi()), kMinFontSize, kMaxFontSize) : previousPoints;
  font.color = color;
  font.bold = log.lfWeight >= FW_BOLD;
  font.italic = log.lfItalic != 0;
  font.underline = log.lfUnderline != 0;
  font.strikeOut = log.lfStrikeOut != 0;
  font.charSet = log.lfCharSet;
  return font;
}

}  // namespace

Formatting::Formatting(workspace::Frame& frame, workspace::DocumentHost& documents, Registry& commands)
    : frame_(frame), documents_(documents), bar_(*this) {
  RegisterCommands(commands);
}

void Formatting::RegisterCommands(Registry& commands) {
  Rule rich = [this] { return IsRich(); };
  Rule plain = [this] { return !IsRich(); };
  auto down = [this](BarButton button) -> Rule { return [this, button] { return bar_.IsDown(button); }; };
  Rule backgroundColor = [this] { return !IsRich() || frame_.Profile().Read(keys::AllowRTFBGColor); };
  Action style = Bind(this, &Formatting::FormatMenuStyleClick);
  Action align = Bind(this, &Formatting::AlignClick);
  // clang-format off
  commands.Add({
    {FormatMenuRichText, L"FormatMenuRichText", L"&Rich Text", {}, L"", -1},
    {FormatMenuBold, L"FormatMenuBold", L"&Bold", Ctrl('B'), L"Set the selected text to boldfaced.", -1, style, rich, down(BarButton::Bold)},
    {FormatMenuItalic, L"FormatMenuItalic", L"&Italic", Ctrl('I'), L"Set the selected text to italicized.", -1, style, rich, down(BarButton::Italic)},
    {FormatMenuUnderline, L"FormatMenuUnderline", L"&Underline", Ctrl('U'), L"Set the selected text to underlined.", -1, style, rich, down(BarButton::Underline)},
    {FormatMenuStrikeOut, L"FormatMenuStrikeOut", L"&Strike Out", {}, L"Set the selected text to strike out.", -1, style, rich, down(BarButton::StrikeOut)},
    {FormatMenuLeftAlign, L"FormatMenuLeftAlign", L"&Left Align", {}, L"Aligns the text to the Left margin.", -1, align, rich, down(BarButton::LeftAlign)},
    {FormatMenuCenter, L"FormatMenuCenter", L"&Center", {}, L"Centers the text.", -1, align, rich, down(BarButton::CenterAlign)},
    {FormatMenuRightAlign, L"FormatMenuRightAlign", L"&Right Align", {}, L"Aligns the text to the Right margin.", -1, align, rich, down(BarButton::RightAlign)},
    {FormatMenuBullets, L"FormatMenuBullets", L"Bulle&ts", {}, L"Toggles Bullets on or off.", -1, Bind(this, &Formatting::FormatMenuBulletsClick), rich, down(BarButton::Bullets)},
    {DocumentMenuBackgroundColor, L"DocumentMenuBackgroundColor", L"&Background Color...", {}, L"Set the documents background color.", 40,
     Bind(this, &Formatting::DocumentMenuBackgroundColorClick), backgroundColor},
    {DocumentMenuFontSettings, L"DocumentMenuFontSettings", L"&Font Settings...", {}, L"Choose the documents font settings.", 41,
     Bind(this, &Formatting::DocumentMenuFontSettingsClick), plain},
    {DocumentMenuSmallerFont, L"DocumentMenuSmallerFont", L"&Smaller Font", ShiftKey(FunctionKey(2)), L"Decrease the size of the documents font.", 44,
     Bind(this, &Formatting::DocumentMenuSmallerFontClick), plain},
    {DocumentMenuLargerFont, L"DocumentMenuLargerFont", L"&Larger Font", ShiftKey(FunctionKey(3)), L"Increase the size of the documents font.", 43,
     Bind(this, &Formatting::DocumentMenuLargerFontClick), plain},
  });
  // clang-format on
}

HWND Formatting::CreateBar(HWND parent) { return bar_.Create(parent); }

bool Formatting::IsRich() { return !Editor().IsPlainText(); }

bool Formatting::Ignored() { return frame_.Busy() || Editor().ReadOnly() || !IsRich(); }

void Formatting::BarHint(const std::wstring& hint) {
  if (onHint) onHint(hint);
}

void Formatting::MemoSelectionChange() {
  workspace::DocumentSlot* slot = documents_.Slot(documents_.ActiveSlotNumber());
  if (!slot || !slot->editor || !bar_.hwnd()) return;
  workspace::BusyScope busy(frame_);
  const workspace::RichEditor& editor = slot->editor;
  CHARFORMAT2W chars = editor.SelectionCharFormat();
  bar_.SetDown(BarButton::Bold, chars.dwEffects & CFE_BOLD);
  bar_.SetDown(BarButton::Italic, chars.dwEffects & CFE_ITALIC);
  bar_.SetDown(BarButton::Underline, chars.dwEffects & CFE_UNDERLINE);
  bar_.SetDown(BarButton::StrikeOut, chars.dwEffects & CFE_STRIKEOUT);
  if (!editor.IsPlainText())
    bar_.SetBoxColor((chars.dwEffects & CFE_AUTOCOLOR) ? ::GetSysColor(COLOR_WINDOWTEXT) : chars.crTextColor);
  PARAFORMAT2 paragraph = editor.ParagraphFormat();
  bar_.SetDown(BarButton::Bullets, paragraph.wNumbering == PFN_BULLET);
  bar_.SetSizeText(win::ToText((chars.yHeight + 10) / 20));
  bar_.SelectFontName(chars.szFaceName);
  bar_.SetAlignment(paragraph.wAlignment == PFA_RIGHT ? 1 : paragraph.wAlignment == PFA_CENTER ? 2 : 0);
}

void Formatting::RefreshBar() {
  workspace::DocumentSlot* slot = documents_.Slot(documents_.ActiveSlotNumber());
  if (!slot || !slot->editor || !bar_.hwnd()) return;
  bool rich = !slot->editor.IsPlainText();
  bool alignable = rich && slot->editor.WordWrap();
  if ((::IsWindowEnabled(bar_.hwnd()) != FALSE) != rich) ::EnableWindow(bar_.hwnd(), rich);
  if ((::IsWindowEnabled(bar_.ColorBox()) != FALSE) != rich) ::EnableWindow(bar_.ColorBox(), rich);
  for (BarButton button : {BarButton::Bold, BarButton::Italic, BarButton::Underline, BarButton::StrikeOut,
                           BarButton::Bullets})
    bar_.EnableButton(button, rich);
  for (BarButton button : {BarButton::LeftAlign, BarButton::CenterAlign, BarButton::RightAlign})
    bar_.EnableButton(button, alignable);
  bar_.SetBoxBackground(::GetSysColor(rich ? COLOR_WINDOW : COLOR_BTNFACE));
  if (!rich) bar_.SetBoxColor(::GetSysColor(COLOR_BTNFACE));
}

void Formatting::SetStyle(DWORD effect, bool on) {
  CHARFORMAT2W format = CharFormat(effect);  // the CFM_ bits of the four styles equal their CFE_ bits
  format.dwEffects = on ? effect : 0;
  Editor().SetSelectionCharFormat(format);
}

void Formatting::SetBullets(bool on) {
  PARAFORMAT2 format = ParaFormat(PFM_NUMBERING);
  format.wNumbering = on ? PFN_BULLET : 0;
  Editor().SetParagraphFormat(format);
}

void Formatting::SetAlignment(int alignment) {
  PARAFORMAT2 format = ParaFormat(PFM_ALIGNMENT);
  format.wAlignment = alignment == 1 ? PFA_RIGHT : alignment == 2 ? PFA_CENTER : PFA_LEFT;
  Editor().SetParagraphFormat(format);
}

void Formatting::ButtonClick(BarButton button) {
  if (Ignored()) {
    // The click moved the button; the text did not change, so the button goes back.
    if (!frame_.Busy()) MemoSelectionChange();
    return;
  }
  bool down = bar_.IsDown(button);
  switch (button) {
    case BarButton::Bullets:  // BulletsButtonClick
      SetBullets(down);
      break;
    case BarButton::LeftAlign:
      AlignClick(Sender{kNoCommand, Sender::Kind::ToolButton, 0});
      break;
    case BarButton::CenterAlign:
      AlignClick(Sender{kNoCommand, Sender::Kind::ToolButton, 2});
      break;
    case BarButton::RightAlign:
      AlignClick(Sender{kNoCommand, Sender::Kind::ToolButton, 1});
      break;
    default:  // BoldButtonClick, ItalicButtonClick, UnderlineButtonClick, StrikeOutButtonClick
      SetStyle(EffectOf(button), down);
  }
  frame_.CommandStatesChanged();
}

void Formatting::FormatMenuStyleClick(const Sender& sender) {
  if (Ignored()) return;
  BarButton button = StyleButtonOf(sender.command);
  SetStyle(EffectOf(button), !bar_.IsDown(button));
  documents_.MemoSelectionChange();
}

void Formatting::FormatMenuBulletsClick(const Sender&) {
  if (Ignored()) return;
  SetBullets(!bar_.IsDown(BarButton::Bullets));
  documents_.MemoSelectionChange();
}

void Formatting::AlignClick(const Sender& sender) {
  if (Ignored()) return;
  int tag = sender.tag;
  if (sender.command == FormatMenuLeftAlign) tag = 0;
  if (sender.command == FormatMenuRightAlign) tag = 1;
  if (sender.command == FormatMenuCenter) tag = 2;
  SetAlignment(static_cast<int>(AlignmentOfTag(tag)));
  documents_.MemoSelectionChange();
}

void Formatting::FontComboBoxChange() {
  if (frame_.Busy()) return;
  if (Ignored()) {
    MemoSelectionChange();
    return;
  }
  if (const FontName* font = bar_.SelectedFont()) {
    CHARFORMAT2W format = CharFormat(CFM_CHARSET | CFM_FACE);
    format.bCharSet = static_cast<BYTE>(font->charSet);
    lstrcpynW(format.szFaceName, font->name.c_str(), LF_FACESIZE);
    Editor().SetSelectionCharFormat(format);
  }
  documents_.FocusActiveEditor();
}

std::vector<std::wstring> Formatting::FontNames() const {
  std::vector<std::wstring> names;
  for (const FontName& font : bar_.Fonts()) names.push_back(font.name);
  return names;
}

void Formatting::ChooseFontFace(const std::wstring& face) {
  bar_.SelectFontName(face);
  FontComboBoxChange();
}

void Formatting::FontSizeApply() {
  if (Ignored()) return;
  SizeChoice size = CheckFontSize(ParseFontSize(bar_.SizeText()));
  if (size.outOfRange) {
    frame_.Prompter().Message({frame_.Window(), L"The number must be between 1 and 1638.", L"Tarnwick",
                               win::Icon::Information});
    bar_.SetSizeText(win::ToText(size.size));
  }
  CHARFORMAT2W format = CharFormat(CFM_SIZE);
  format.yHeight = size.size * 20;
  Editor().SetSelectionCharFormat(format);
  documents_.FocusActiveEditor();
}

void Formatting::ColorClick() {
  if (frame_.Busy()) {
    documents_.FocusActiveEditor();
    return;
  }
  {
    workspace::BusyScope busy(frame_);
    bar_.SetColorDropAttached(false);
    TColorForm palette(frame_.Window(), Editor().DefaultFont().color, PaletteCustomColors(frame_.Profile()),
                       [this](HWND owner, COLORREF& color) {
                         return PickColorWithCustomColors(frame_.Prompter(), frame_.Profile(), owner, color, true);
                       },
                       [this] { frame_.ShowHelpTopic(kHelpTopic); });
    // Just below the colour box.
    RECT box{};
    ::GetWindowRect(bar_.ColorBox(), &box);
    bool chosen = palette.ShowAndWait({box.left, box.bottom});
    workspace::DocumentSlot* slot = documents_.Slot(documents_.ActiveSlotNumber());
    if (chosen && slot && !slot->editor.ReadOnly() && !slot->editor.IsPlainText()) {
      CHARFORMAT2W format = CharFormat(CFM_COLOR);
      format.crTextColor = palette.Chosen();
      slot->editor.SetSelectionCharFormat(format);
      bar_.SetBoxColor(palette.Chosen());
    }
    bar_.SetColorDropAttached(true);
  }
  documents_.FocusActiveEditor();
}

void Formatting::DocumentMenuBackgroundColorClick(const Sender&) {
  workspace::DocumentSlot& slot = documents_.Active();
  COLORREF color = slot.background;
  if (!PickColorWithCustomColors(frame_.Prompter(), frame_.Profile(), frame_.Window(), color)) return;
  slot.background = color;
  slot.editor.SetBackground(color);
}

void Formatting::ChangeDocumentFont(const std::function<void(workspace::RichEditor&)>& change) {
  workspace::DocumentSlot& slot = documents_.Active();
  bool attached = slot.changeAttached;
  slot.changeAttached = false;
  bool modified = slot.editor.Modified();
  change(slot.editor);
  slot.editor.SetModified(modified);
  slot.changeAttached = attached;
}

void Formatting::DocumentMenuFontSettingsClick(const Sender&) {
  ChangeDocumentFont([this](workspace::RichEditor& editor) {
    workspace::FontSpec font = editor.DefaultFont();
    win::FontRequest request;
    request.owner = frame_.Window();
    request.font = workspace::ToLogFont(font, win::ScreenDpi());
    request.color = font.color;
    request.effects = true;
    request.ansiOnly = true;
    if (frame_.Prompter().PickFont(request)) editor.SetDefaultFont(FromLogFont(request.font, request.color, font.points));
  });
}

void Formatting::StepDocumentFont(int step) {
  ChangeDocumentFont([step](workspace::RichEditor& editor) {
    workspace::FontSpec font = editor.DefaultFont();
    int points = StepFontSize(font.points, step);
    if (points == font.points) return;
    font.points = points;
    editor.SetDefaultFont(font);
  });
}

void Formatting::DocumentMenuSmallerFontClick(const Sender&) { StepDocumentFont(-1); }
void Formatting::DocumentMenuLargerFontClick(const Sender&) { StepDocumentFont(+1); }

}  // namespace format
