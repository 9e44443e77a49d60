// The registry's promises: one row per id, one command per shortcut and tool tag,
// rules only where something runs, and states that follow the rules.
#include <gtest/gtest.h>

#include <stdexcept>

#include "command/Command.h"

using namespace command;

namespace {
Action Noop() {
  return [](const Sender&) {};
}
}  // namespace

TEST(CommandRegistry, StatesComeFromTheRules) {
  bool modified = false;
  Registry registry;
  registry.Add({
      {FileMenuSave, L"FileMenuSave", L"&Save", Ctrl('S'), L"Save.", 3, Noop(), {}, {}, [&] { return modified; }},
      {FileMenuPrint, L"FileMenuPrint", L"&Print...", Ctrl('P'), L"Print.", 12},
      {DocumentMenuWordWrap, L"DocumentMenuWordWrap", L"&Word Wrap", {}, L"", 42, Noop(), {}, [&] { return modified; }},
  });
  EXPECT_TRUE(registry.Enabled(FileMenuSave)) << "the menu item has no rule of its own";
  EXPECT_FALSE(registry.ButtonEnabled(FileMenuSave));
  EXPECT_FALSE(registry.Checked(DocumentMenuWordWrap));
  modified = true;
  EXPECT_TRUE(registry.ButtonEnabled(FileMenuSave));
  EXPECT_TRUE(registry.Checked(DocumentMenuWordWrap));
  EXPECT_FALSE(registry.Enabled(FileMenuPrint)) << "nothing runs it yet";
  EXPECT_FALSE(registry.ButtonEnabled(FileMenuPrint));
  EXPECT_FALSE(registry.Enabled(FileMenuOpen)) << "not registered";
  EXPECT_EQ(registry.FindByTag(42)->id, DocumentMenuWordWrap);
  EXPECT_EQ(registry.FindByTag(-1), nullptr);
}

TEST(CommandRegistry, ProblemsAreNamed) {
  Registry registry;
  registry.Add({FileMenuSave, L"FileMenuSave", L"&Save", Ctrl('S'), L"", 3, Noop()});
  EXPECT_THROW(registry.Add({FileMenuSave, L"Again"}), std::logic_error);
  registry.Add({FileMenuOpen, L"FileMenuOpen", L"&Open", Ctrl('S'), L"", 3, Noop()});
  registry.Add({FileMenuPrint, L"FileMenuPrint", L"&Print", {}, L"", -1, {}, [] { return true; }});
  Row close{TrayPopupMenuClose, L"TrayPopupMenuClose", L"&Close", {FunctionKey(4), kAlt}, L"", -1, Noop()};
  close.systemShortcut = true;
  registry.Add(close);
  registry.Add({FileMenuExit, L"FileMenuExit", L"E&xit", {FunctionKey(4), kAlt}, L"", -1, Noop()});
  EXPECT_EQ(registry.Problems({3, 5}),
            (std::vector<std::wstring>{L"shortcut of FileMenuSave used again by FileMenuOpen",
                                       L"rules without a handler: FileMenuPrint", L"tool tag 3 needs exactly one command",
                                       L"tool tag 5 needs exactly one command"}));
}

TEST(CommandRegistry, ShortcutAndHintTexts) {
  EXPECT_EQ(ShortcutText(Ctrl('S')), L"Ctrl+S");
  EXPECT_EQ(ShortcutText(ShiftKey(FunctionKey(2))), L"Shift+F2");
  EXPECT_EQ(ShortcutText({FunctionKey(4), kAlt}), L"Alt+F4");
  EXPECT_EQ(ShortcutText(Key(FunctionKey(12))), L"F12");
  EXPECT_EQ(ShortcutText({}), L"");
  Registry registry;
  const wchar_t* wide = nullptr;
  registry.Add({EditMenuInsertSymbol, L"EditMenuInsertSymbol", L"", {}, L"Narrow.", 26, Noop()});
  registry.SetHint(EditMenuInsertSymbol, [&] { return wide; });
  EXPECT_EQ(registry.Hint(EditMenuInsertSymbol), L"Narrow.");
  wide = L"Wide.";
  EXPECT_EQ(registry.Hint(EditMenuInsertSymbol), L"Wide.");
  EXPECT_EQ(registry.Hint(FileMenuOpen), L"");
}
