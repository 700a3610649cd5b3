#include "ui/toolkit/default_fonts.h"

#include "platform/dpi.h"
#include "ui/toolkit/layout.h"

namespace morvane::toolkit {

namespace {

constexpr int kPointsPerInch = 72;

}  // namespace

HFONT DefaultFonts::At(int dpi) {
  auto& font = fonts_[dpi];
  if (!font) {
    // The stock font is made for the system's dpi, in whole pixels: 8 points
    // are 11 pixels at 96 dpi, and 17 at 144 under Wine, which scales the
    // pixels rather than the points. Its point size is read back at 96 dpi,
    // where the layout was designed around it, and made for `dpi` as Windows
    // makes any font of a point size: 13 pixels at 120 dpi, 16 at 144.
    LOGFONTW font_description{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font_description, &font_description);
    const int design_height =
        ::MulDiv(font_description.lfHeight, kDesignDpi, platform::SystemDpi());
    const int points = ::MulDiv(design_height, kPointsPerInch, kDesignDpi);
    font_description.lfHeight = ::MulDiv(points, dpi, kPointsPerInch);
    font.reset(::CreateFontIndirectW(&font_description));
  }
  return font.get();
}

}  // namespace morvane::toolkit
