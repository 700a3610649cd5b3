// Which rendering a picture at a given dpi is drawn from, and which resource
// names are renderings.
#include "ui/artwork/rendering_choice.h"

#include <optional>
#include <vector>

#include <gtest/gtest.h>

namespace morvane::artwork {
namespace {

// The renderings the pictures come in, in the order they are found.
const std::vector<int> kPercents = {200, 100, 300, 125, 250, 150};

TEST(RenderingChoiceTest, TakesTheSmallestRenderingNoSmallerThanThePictureAtThatDpi) {
  struct Case {
    int dpi;
    int percent;
  };
  for (const Case& c : {Case{96, 100}, Case{120, 125}, Case{144, 150}, Case{192, 200},
                        Case{240, 250}, Case{288, 300}, Case{97, 125}, Case{121, 150},
                        Case{168, 200}, Case{193, 250}, Case{241, 300}, Case{72, 100}}) {
    EXPECT_EQ(ChooseRendering(kPercents, c.dpi), c.percent) << c.dpi << " dpi";
  }
}

TEST(RenderingChoiceTest, AboveTheLargestRenderingTakesTheLargest) {
  EXPECT_EQ(ChooseRendering(kPercents, 289), 300);
  EXPECT_EQ(ChooseRendering(kPercents, 480), 300);
  EXPECT_EQ(ChooseRendering(std::vector<int>{}, 96), std::nullopt);
}

TEST(RenderingChoiceTest, ReadsThePercentOnlyFromThePictureOwnRenderingNames) {
  EXPECT_EQ(RenderingName(101, 150), L"PNG_101_150");
  EXPECT_EQ(RenderingName(104, 1000), L"PNG_104_1000");
  EXPECT_EQ(RenderingPercent(L"PNG_101_150", 101), 150);
  EXPECT_EQ(RenderingPercent(L"PNG_101_190", 101), 190);
  EXPECT_EQ(RenderingPercent(L"PNG_101_999999", 101), 999999);  // the longest number read
  for (const wchar_t* other : {L"PNG_101_150", L"PNG_1011_150", L"PNG_10_150"}) {
    EXPECT_EQ(RenderingPercent(other, 102), std::nullopt) << other;
  }
  for (const wchar_t* malformed : {L"PNG_101_", L"PNG_101_15x", L"PNG_101_-150", L"PNG_101_0150",
                                   L"PNG_101_1000000", L"PNG_101", L"BMP_101_150",
                                   L"PNG_101_150 "}) {
    EXPECT_EQ(RenderingPercent(malformed, 101), std::nullopt) << malformed;
  }
}

}  // namespace
}  // namespace morvane::artwork
