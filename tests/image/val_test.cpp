#include "image/Val.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(Val, LeadingDecimalNumber) {
  const std::pair<const char*, double> cases[] = {
      {"145.5", 145.5}, {"  145.500", 145.5}, {"\t7", 7},    {"-3.25", -3.25}, {"+2", 2},
      {".5", 0.5},      {"-.5", -0.5},        {"12abc", 12}, {"1e5", 1},       {"1,5", 1},
      {"", 0},          {"abc", 0},           {".", 0},      {"-", 0},         {" - 3", 0},
      {"5.", 5},        {"00145.5", 145.5},   {"3.2.1", 3.2}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(Val(text), value) << '"' << text << '"';
  // Comparisons such as f > 0.494 rely on the text giving the literal's double.
  EXPECT_EQ(Val("0.494"), 0.494);
  EXPECT_EQ(Val("1.621"), 1.621);
  EXPECT_EQ(Val("1599.995"), 1599.995);
}

TEST(ValScaled, ExactDigitsTruncatedTowardZero) {
  struct Case {
    const char* text;
    int decimals;
    long long value;
  };
  const Case cases[] = {{"145.5255", 3, 145525}, {"0.567", 6, 567000}, {"1.017", 6, 1017000},
                        {"1.521", 6, 1521000},   {"-1.2345", 2, -123}, {"146.52125", 3, 146521},
                        {"5", 3, 5000},          {"  .6", 3, 600},     {"abc", 3, 0},
                        {"12", 0, 12},           {"0.0000009", 6, 0},  {"-0.0009", 3, 0},
                        {"1599.995", 3, 1599995}};
  for (const Case& c : cases) {
    EXPECT_EQ(ValScaled(c.text, c.decimals), c.value) << '"' << c.text << "\" " << c.decimals;
  }
  // Saturates instead of overflowing.
  EXPECT_EQ(ValScaled("99999999999999999999999", 3), LLONG_MAX);
  EXPECT_EQ(ValScaled("-99999999999999999999999", 3), -LLONG_MAX);
  EXPECT_EQ(ValScaled("1", 40), 1'000'000'000'000'000'000LL);  // decimals capped at 18
}

}  // namespace
