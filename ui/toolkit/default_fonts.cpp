#include "ui/toolkit/default_fonts.h"

#include "ui/toolkit/dpi.h"
#include "ui/toolkit/layout.h"

namespace morvane::toolkit {

HFONT DefaultFonts::At(int dpi) {
  auto& font = fonts_[dpi];
  if (!font) {
    // The stock font is made for the system's dpi (8 points: 11 pixels at 96
    // dpi). Its height is taken back to 96 dpi first, so that at the system's
    // dpi the font made here is the stock font's very size.
    LOGFONTW stock{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
    const int design_height = ::MulDiv(stock.lfHeight, kDesignDpi, SystemDpi());
    stock.lfHeight = ::MulDiv(design_height, dpi, kDesignDpi);
    font.reset(::CreateFontIndirectW(&stock));
  }
  return font.get();
}

}  // namespace morvane::toolkit
