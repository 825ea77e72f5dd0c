#include <gtest/gtest.h>

#include <algorithm>

#include "sequence/ExampleSequence.h"

namespace bxl {
namespace {

TEST(ExampleSequence, HasItsLengthCompositionAndEnds) {
  const std::string_view s = exampleSequence();
  ASSERT_EQ(s.size(), 2960u);
  EXPECT_EQ(std::count(s.begin(), s.end(), 'A'), 815);
  EXPECT_EQ(std::count(s.begin(), s.end(), 'C'), 727);
  EXPECT_EQ(std::count(s.begin(), s.end(), 'G'), 698);
  EXPECT_EQ(std::count(s.begin(), s.end(), 'T'), 720);  // the four sum to 2960: nothing else
  EXPECT_EQ(s.substr(0, 60), "TCCGGGAGGATTACCCAGGAGACCGCTGGTGGGAGGCGCGGCTGGCGCCGCTGCGCGCAT");
  EXPECT_EQ(s.substr(2900), "TAGAGACTGTAAATTATTAAATCGGCAACAGGGCTTCTCTTTTTAGATGTAGCACTGAAA");
}

}  // namespace
}  // namespace bxl
