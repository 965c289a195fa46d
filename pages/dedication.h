#pragma once

// The hidden dedication of the author page: typing "3" four times there shows it.
namespace kelp {

struct DedicationCounter {
  int digitThreeCount = 0;
};

// Threes typed on the author page before the one that shows the panel.
constexpr int kThreesBeforeDedication = 3;

// Counts one typed "3". A "3" on any other page starts the count afresh; the
// count survives leaving and re-entering the author page. Returns true when
// the panel must be shown now (the count then starts again).
bool CountDigitThree(DedicationCounter& counter, bool onAuthorPage);

}  // namespace kelp
