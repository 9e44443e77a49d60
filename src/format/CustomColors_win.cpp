#include "format/CustomColors_win.h"

#include "config/Keys.h"
#include "format/FormatRules.h"

namespace format {
namespace {
constexpr size_t kDialogValueLength = 30;  // at most 29 characters of each key are read
constexpr size_t kPaletteValueLength = 260;
}  // namespace

bool PickColorWithCustomColors(win::Prompter& prompter, config::Profile& profile, HWND owner, COLORREF& color,
                               bool fullOpen) {
  win::ColorRequest request;
  request.owner = owner;
  request.color = color;
  request.fullOpen = fullOpen;
  for (int i = 0; i < 16; ++i)
    request.custom[static_cast<size_t>(i)] = ParseDialogColor(
        profile.ReadText(config::keys::kCustomColors, CustomColorKey(i), L"FFFFFFFF", kDialogValueLength));
  if (!prompter.PickColor(request)) return false;
  for (int i = 0; i < 16; ++i)
    profile.WriteText(config::keys::kCustomColors, CustomColorKey(i),
                      FormatCustomColor(request.custom[static_cast<size_t>(i)]));
  color = request.color;
  return true;
}

std::array<std::uint32_t, 16> PaletteCustomColors(const config::Profile& profile) {
  std::array<std::uint32_t, 16> colors{};
  for (int i = 0; i < 16; ++i)
    colors[static_cast<size_t>(i)] =
        ParsePaletteColor(profile.ReadText(config::keys::kCustomColors, CustomColorKey(i), L"FFFFFF", kPaletteValueLength));
  return colors;
}

}  // namespace format
