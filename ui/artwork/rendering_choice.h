// Which rendering of a picture a window at a given dpi is drawn from, and the
// resource names renderings go by. Pure: it builds and is tested anywhere.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace morvane::artwork {

// The scale of the renderings drawn for 96 dpi.
inline constexpr int kDesignPercent = 100;

// The resource name of the rendering of picture `id` at `percent`:
// PNG_<id>_<percent>.
std::wstring RenderingName(int id, int percent);

// The percent of a rendering of picture `id` named PNG_<id>_<percent>, or
// nothing for any other name.
std::optional<int> RenderingPercent(std::wstring_view name, int id);

// Of the renderings at `percents`, the one a picture at `dpi` is made from:
// the smallest at least as large as the picture at that dpi, or the largest
// when none is. Nothing when there are none.
std::optional<int> ChooseRendering(std::span<const int> percents, int dpi);

// Of `sizes`, the smallest at least `wanted`, or the largest when none is:
// the one to reduce, rather than enlarge. Nothing when there are none.
std::optional<int> SmallestAtLeast(std::span<const int> sizes, int wanted);

}  // namespace morvane::artwork
