#include "print/PageGeometry.h"

#include <algorithm>
#include <climits>

#include "win/Text.h"

namespace print {
namespace {

constexpr int kMaxFractionDigits = 15;
constexpr long long kMaxWholeInches = kMaxMarginTwips / kTwipsPerInch;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

int Saturate(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Pixels to twips on one axis; a printer without a resolution has no size.
int PixelsToTwips(int pixels, int dpi) {
  if (dpi <= 0) return 0;
  return Saturate(static_cast<long long>(pixels) * kTwipsPerInch / dpi);
}

// Twips to pixels measured from the printable area's corner.
int MarginCornerPixels(int marginTwips, int dpi, int physicalOffset) {
  return Saturate(static_cast<long long>(marginTwips) * dpi / kTwipsPerInch - physicalOffset);
}

// Hundredths of an inch as "8.5", "11.69" or "11".
std::wstring InchesText(int twips) {
  long long hundredths = (static_cast<long long>(std::max(twips, 0)) * 100 + kTwipsPerInch / 2) / kTwipsPerInch;
  std::wstring text = win::ToText(hundredths / 100);
  int fraction = static_cast<int>(hundredths % 100);
  if (fraction == 0) return text;
  text += L'.';
  text += static_cast<wchar_t>(L'0' + fraction / 10);
  if (fraction % 10 != 0) text += static_cast<wchar_t>(L'0' + fraction % 10);
  return text;
}

}  // namespace

std::optional<int> MarginTwips(std::wstring_view text) {
  std::wstring number = win::Trim(text);
  size_t i = 0;
  bool negative = false;
  if (i < number.size() && (number[i] == L'+' || number[i] == L'-')) negative = number[i++] == L'-';
  long long whole = 0, fraction = 0, scale = 1;
  int digits = 0, fractionDigits = 0;
  bool point = false;
  for (; i < number.size(); ++i) {
    wchar_t c = number[i];
    if (c == L'.' && !point) {
      point = true;
      continue;
    }
    if (!IsDigit(c)) return std::nullopt;
    ++digits;
    if (!point) {
      whole = std::min(whole * 10 + (c - L'0'), kMaxWholeInches);
    } else if (fractionDigits < kMaxFractionDigits) {
      fraction = fraction * 10 + (c - L'0');
      scale *= 10;
      ++fractionDigits;
    }
  }
  if (digits == 0) return std::nullopt;
  // Whole inches and the fraction apart, in integers: "0.7" must give 1008 twips, which
  // the nearest double of 0.7 times 1440 would truncate to 1007.
  long long twips = std::min(whole * kTwipsPerInch + fraction * kTwipsPerInch / scale,
                             static_cast<long long>(kMaxMarginTwips));
  return static_cast<int>(negative ? -twips : twips);
}

std::wstring CorrectedMargin(std::wstring_view text) {
  std::optional<int> twips = MarginTwips(text);
  if (twips && *twips >= kMinMarginTwips) return std::wstring(text);
  return kMinMarginText;
}

Margins ToTwips(const MarginTexts& texts) {
  return {MarginTwipsOrZero(texts.left), MarginTwipsOrZero(texts.right), MarginTwipsOrZero(texts.top),
          MarginTwipsOrZero(texts.bottom)};
}

Point PaperTwips(const DeviceMetrics& device) {
  return {PixelsToTwips(device.physicalWidth, device.dpiX), PixelsToTwips(device.physicalHeight, device.dpiY)};
}

PageLayout LayOutPage(const DeviceMetrics& device, const Margins& margins) {
  Point paper = PaperTwips(device);
  PageLayout layout;
  layout.page = {0, 0, paper.x, paper.y};
  layout.format = {0, 0, Saturate(static_cast<long long>(paper.x) - margins.left - margins.right),
                   Saturate(static_cast<long long>(paper.y) - margins.top - margins.bottom)};
  layout.bodyOrigin = {MarginCornerPixels(margins.left, device.dpiX, device.offsetX),
                       MarginCornerPixels(margins.top, device.dpiY, device.offsetY)};
  return layout;
}

std::optional<std::wstring> MarginsProblem(const MarginTexts& texts, const DeviceMetrics& device,
                                           Point minimumBody) {
  PageLayout layout = LayOutPage(device, ToTwips(texts));
  if (layout.format.Width() < std::max(minimumBody.x, 1))
    return win::Fill(L"The left and right margins (%s and %s inches) leave no room for the text on paper %s "
                     L"inches wide.",
                     {win::Trim(texts.left), win::Trim(texts.right), InchesText(layout.page.Width())});
  if (layout.format.Height() < std::max(minimumBody.y, 1))
    return win::Fill(L"The top and bottom margins (%s and %s inches) leave no room for a line of text on paper "
                     L"%s inches high.",
                     {win::Trim(texts.top), win::Trim(texts.bottom), InchesText(layout.page.Height())});
  return std::nullopt;
}

}  // namespace print
