#include "pages/dedication.h"

namespace kelp {

bool CountDigitThree(DedicationCounter& counter, bool onAuthorPage) {
  ++counter.digitThreeCount;
  if (onAuthorPage && counter.digitThreeCount <= kThreesBeforeDedication) return false;
  counter.digitThreeCount = 0;
  return onAuthorPage;
}

}  // namespace kelp
