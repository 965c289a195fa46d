#include "appearance/background.h"

#include "appearance/bitmap_check.h"
#include "appearance/rle_decoder.h"
#include "platform/file_dialog.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "program_texts.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kelp {

namespace {

constexpr char kTooSmall[] = "背景更改失败。背景位图大小应大于700*450";
constexpr char kUnreadable[] = "背景更改失败。无法读取所选的图片文件。";
constexpr char kTooLarge[] = "背景更改失败。所选图片太大，无法读取。";
constexpr char kNoGbkPath[] =
    "背景更改失败。所选图片的路径中含有无法保存的字符，请将图片改名或移到其他文件夹后再选。";
constexpr char kNotSaved[] = "未知错误！背景更改失败。";

void ShowRefusal(HWND owner, const char* text) {
  ShowMessageBox(owner, text, kProgramTitle, MB_OK);
}

struct PictureFile {
  BackgroundVerdict verdict = BackgroundVerdict::kUnreadable;
  Bitmap picture;  // the shown corner of a drawable picture, also of a small one
};

Bitmap ReadStoredRows(const OpenedFile& file, const BitmapShape& shape) {
  const int width = ShownWidth(shape);
  const int height = ShownHeight(shape);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  std::string row(RowBytesFor(shape, width), '\0');
  for (int y = 0; y < height; ++y) {
    if (!file.ReadAt(ShownRowOffset(shape, y), row.data(), row.size())) return Bitmap();
    DecodeRow(shape, row, width, pixels.data() + static_cast<std::size_t>(y) * width);
  }
  return ScreenBitmap(width, height, pixels.data());
}

// Run-length encoded pixels are read through in pieces: the shown rows of a
// bottom-up picture come last in the stream.
constexpr std::size_t kStreamPieceBytes = 64 * 1024;

// A stream cut short, by the file's end or by the longest one the shape needs,
// is a damaged picture.
Bitmap ReadEncodedPixels(const OpenedFile& file, const BitmapShape& shape) {
  RleDecoder decoder(shape);
  const std::uint64_t end =
      std::min<std::uint64_t>(file.size(), shape.pixelOffset + MaxRleStreamBytes(shape));
  std::string piece(kStreamPieceBytes, '\0');
  for (std::uint64_t at = shape.pixelOffset; at < end && !decoder.ended(); at += piece.size()) {
    const std::size_t count =
        static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), end - at));
    if (!file.ReadAt(at, piece.data(), count)) return Bitmap();
    decoder.Feed(std::string_view(piece.data(), count));
  }
  if (!decoder.ended()) return Bitmap();
  return ScreenBitmap(ShownWidth(shape), ShownHeight(shape), decoder.pixels().data());
}

// Header and shown pixels come from one opened file: the bytes judged are the
// bytes drawn, and only the shown corner is held.
PictureFile ReadPictureFile(const std::string& gbkPath) {
  PictureFile result;
  const OpenedFile file(gbkPath);
  std::string head(
      static_cast<std::size_t>(std::min<unsigned long long>(file.size(), kBitmapHeaderBytes)),
      '\0');
  if (!file.ReadAt(0, head.data(), head.size())) return result;
  const BitmapHeader header = ReadBitmapHeader(head, file.size());
  result.verdict = JudgeBackground(header);
  if (header.verdict != HeaderVerdict::kValid || !IsDrawable(header.shape)) return result;
  result.picture = IsRunLengthEncoded(header.shape) ? ReadEncodedPixels(file, header.shape)
                                                    : ReadStoredRows(file, header.shape);
  if (!result.picture) result.verdict = BackgroundVerdict::kUnreadable;
  return result;
}

}  // namespace

std::optional<ChosenBackground> ChooseBackground(HWND owner, const SettingsRecord& current) {
  bool pathWithoutGbkForm = false;
  const std::optional<std::string> path = AskForBitmapPath(owner, &pathWithoutGbkForm);
  if (pathWithoutGbkForm) ShowRefusal(owner, kNoGbkPath);
  if (!path) return std::nullopt;
  // The page under the closed dialog is drawn again before the picture is read.
  if (owner) UpdateWindow(owner);
  return AcceptBackground(owner, current, *path);
}

std::optional<ChosenBackground> AcceptBackground(HWND owner, const SettingsRecord& current,
                                                 const std::string& gbkPath) {
  PictureFile file = ReadPictureFile(gbkPath);
  if (file.verdict != BackgroundVerdict::kTaken) {
    ShowRefusal(owner, file.verdict == BackgroundVerdict::kTooSmall   ? kTooSmall
                       : file.verdict == BackgroundVerdict::kTooLarge ? kTooLarge
                                                                      : kUnreadable);
    return std::nullopt;
  }
  ChosenBackground chosen{current, std::move(file.picture)};
  chosen.settings.backgroundPath = gbkPath;
  return chosen;
}

Bitmap LoadBackgroundPicture(const std::string& gbkPath) {
  if (gbkPath.empty()) return Bitmap();
  return std::move(ReadPictureFile(gbkPath).picture);
}

void ReportBackgroundNotSaved(HWND owner) {
  ShowRefusal(owner, kNotSaved);
}

}  // namespace kelp
