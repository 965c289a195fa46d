#include "pages/dedication.h"

#include <gtest/gtest.h>

#include <string>

namespace kelp {
namespace {

// Types a run of "3"s: 'a' on the author page, 'o' on any other page.
// Returns, per key, '+' where the panel showed and '.' where it did not.
std::string TypeThrees(DedicationCounter& counter, const std::string& pages) {
  std::string shown;
  for (char where : pages) shown += CountDigitThree(counter, where == 'a') ? '+' : '.';
  return shown;
}

TEST(Dedication, ShowsAtEveryFourthThreeOnTheAuthorPage) {
  DedicationCounter counter;
  EXPECT_EQ(TypeThrees(counter, "aaaaaaaaaaaa"), "...+...+...+");
  EXPECT_EQ(counter.digitThreeCount, 0);
  // A three elsewhere starts the count afresh.
  EXPECT_EQ(TypeThrees(counter, "aaoaa"), ".....");
  EXPECT_EQ(counter.digitThreeCount, 2);
  EXPECT_EQ(TypeThrees(counter, "oooo"), "....");
  EXPECT_EQ(counter.digitThreeCount, 0);
  EXPECT_EQ(TypeThrees(counter, "aaaa"), "...+");
  // A long session never overflows the count.
  for (int i = 0; i < 1000000; ++i) CountDigitThree(counter, i % 7 != 0);
  EXPECT_TRUE(counter.digitThreeCount >= 0 && counter.digitThreeCount <= kThreesBeforeDedication);
}

}  // namespace
}  // namespace kelp
