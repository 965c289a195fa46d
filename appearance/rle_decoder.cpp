#include "appearance/rle_decoder.h"

namespace kelp {

std::uint64_t MaxRleStreamBytes(const BitmapShape& shape) {
  const std::uint64_t width = static_cast<std::uint64_t>(shape.width);
  return (4 * width + 2) * static_cast<std::uint64_t>(shape.height) + 2;
}

RleDecoder::RleDecoder(const BitmapShape& shape)
    : shape_(shape),
      shownWidth_(ShownWidth(shape)),
      firstShownRow_(shape.height - ShownHeight(shape)),
      pixels_(static_cast<std::size_t>(shownWidth_) * ShownHeight(shape), Color(0)) {}

void RleDecoder::Feed(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size() && !ended(); ++i)
    Take(static_cast<unsigned char>(bytes[i]));
}

void RleDecoder::Take(unsigned byte) {
  const bool rle8 = shape_.compression == kRle8;
  switch (step_) {
    case Step::kCount:
      count_ = byte;
      step_ = byte ? Step::kIndex : Step::kEscape;
      break;
    case Step::kIndex:  // RLE4 alternates the high and the low nibble
      step_ = Step::kCount;
      for (unsigned i = 0; i < count_ && !ended(); ++i)
        Put(rle8 ? byte : (i % 2 ? byte & 0xF : byte >> 4));
      break;
    case Step::kEscape:
      if (byte == 0) {  // end of line
        x_ = 0;
        step_ = ++y_ < shape_.height ? Step::kCount : Step::kEnded;
      } else if (byte == 1) {  // end of bitmap
        step_ = Step::kEnded;
      } else if (byte == 2) {
        step_ = Step::kDeltaX;
      } else {  // absolute run, its bytes padded to a 16-bit boundary
        count_ = byte;
        padded_ = (rle8 ? byte : (byte + 1) / 2) % 2;
        step_ = Step::kAbsolute;
      }
      break;
    case Step::kDeltaX:
      deltaX_ = byte;
      step_ = Step::kDeltaY;
      break;
    case Step::kDeltaY:
      x_ += static_cast<int>(deltaX_);
      y_ += static_cast<int>(byte);
      step_ = x_ <= shape_.width && y_ < shape_.height ? Step::kCount : Step::kEnded;
      break;
    case Step::kAbsolute:
      for (int nibble = 0; nibble < (rle8 ? 1 : 2) && count_ > 0 && !ended(); ++nibble, --count_)
        Put(rle8 ? byte : (nibble ? byte & 0xF : byte >> 4));
      if (count_ == 0 && !ended()) step_ = padded_ ? Step::kPadding : Step::kCount;
      break;
    case Step::kPadding:
      step_ = Step::kCount;
      break;
    case Step::kEnded:
      break;
  }
}

// A pixel past the row end ends decoding; only shown ones are kept.
void RleDecoder::Put(unsigned index) {
  if (x_ >= shape_.width) {
    step_ = Step::kEnded;
    return;
  }
  if (x_ < shownWidth_ && y_ >= firstShownRow_)
    pixels_[static_cast<std::size_t>(shape_.height - 1 - y_) * shownWidth_ + x_] = Color(index);
  ++x_;
}

std::uint32_t RleDecoder::Color(unsigned index) const {
  return static_cast<int>(index) < shape_.paletteSize ? shape_.palette[index] : 0;
}

}  // namespace kelp
