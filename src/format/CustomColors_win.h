#pragma once
// The colour dialog with the 16 custom colours kept in Tarnwick.ini, section
// CustomColors, and the palette's reading of the same keys.
#include <windows.h>

#include <array>
#include <cstdint>

#include "config/Profile.h"
#include "win/Prompt.h"

namespace format {

// Runs the system colour dialog starting at `color` (any colour; fully open with
// `fullOpen`). On OK all 16 custom colours are written back and `color` is the
// choice; Cancel writes nothing. True when confirmed.
bool PickColorWithCustomColors(win::Prompter& prompter, config::Profile& profile, HWND owner, COLORREF& color,
                               bool fullOpen = false);

// The custom colours as the palette shows them (a slot never set shows white).
std::array<std::uint32_t, 16> PaletteCustomColors(const config::Profile& profile);

}  // namespace format
