#pragma once

// The number of practice levels: practice texts, score histories and their colours.
namespace kelp {

constexpr int kLevelCount = 5;

}  // namespace kelp
