// Owners for the handles the windows create, so that every GDI object (and
// icon) made is released exactly once, whichever way a scope is left.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <type_traits>

namespace morvane::platform {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
struct DcDeleter {
  void operator()(HDC dc) const { ::DeleteDC(dc); }
};
struct IconDestroyer {
  void operator()(HICON icon) const { ::DestroyIcon(icon); }
};

template <typename Handle>
using unique_gdi = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

using unique_hbrush = unique_gdi<HBRUSH>;
using unique_hbitmap = unique_gdi<HBITMAP>;
using unique_hfont = unique_gdi<HFONT>;
using unique_hdc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using unique_hicon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

// The format of 32-bit pixels of `size`, row after row from the top.
inline BITMAPINFO TopDown32(SIZE size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// A top-down 32-bit DIB section of `size`, and its pixels.
inline unique_hbitmap MakeDib(SIZE size, std::span<std::uint32_t>& pixels) {
  const BITMAPINFO info = TopDown32(size);
  void* bits = nullptr;
  unique_hbitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap) {
    pixels = std::span(static_cast<std::uint32_t*>(bits), static_cast<size_t>(size.cx * size.cy));
  }
  return bitmap;
}

// Selects an object into a device context for the life of the scope, and puts
// back what was there before: a DC must not be deleted with our object in it.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectedObject() { ::SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The device context of one WM_PAINT, from BeginPaint to EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(::BeginPaint(hwnd, &paint_)) {}
  ~PaintDc() { ::EndPaint(hwnd_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;

  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Everything a drawing routine sets on a DC it was lent (colours, modes, the
// selected font), put back as it was when the scope ends.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), state_(::SaveDC(dc)) {}
  ~SavedDcState() { ::RestoreDC(dc_, state_); }
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;

 private:
  HDC dc_;
  int state_;
};

// 0xRRGGBB, as the layout writes colours, to the COLORREF GDI wants (0x00BBGGRR).
constexpr COLORREF ToColorRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
constexpr std::uint32_t FromColorRef(COLORREF colour) {
  return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

}  // namespace morvane::platform
