#include "ui/toolkit/label.h"

#include "ui/toolkit/gdi.h"
#include "ui/toolkit/pixel_bounds.h"

namespace morvane::toolkit {

Label::Label(const ControlSpec& spec, int dpi, const ContrastMode& contrast)
    : contrast_(&contrast),
      spec_(spec),
      bounds_(BoundsOf(spec, dpi)),
      back_(spec.back.value_or(FromColorRef(::GetSysColor(COLOR_BTNFACE)))),
      fore_(spec.fore.value_or(FromColorRef(::GetSysColor(COLOR_BTNTEXT)))) {}

void Label::ScaleTo(int dpi) { bounds_ = BoundsOf(spec_, dpi); }

void Label::Paint(HDC dc, HFONT font) const {
  const SavedDcState saved(dc);
  COLORREF back = ToColorRef(back_);
  COLORREF fore = ToColorRef(fore_);
  if (contrast_->On()) {
    back = ::GetSysColor(kHighContrastLabelColours.back);
    fore = ::GetSysColor(kHighContrastLabelColours.text);
  }
  // ExtTextOut with an empty string is the cheapest opaque fill: no brush.
  ::SetBkColor(dc, back);
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &bounds_, nullptr, 0, nullptr);

  ::SelectObject(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, fore);
  RECT text_area = bounds_;
  ::DrawTextW(dc, spec_.text.c_str(), static_cast<int>(spec_.text.size()), &text_area,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace morvane::toolkit
