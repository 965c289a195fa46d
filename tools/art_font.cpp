#include "tools/art_font.h"

#include <algorithm>
#include <vector>

namespace art {
namespace {

struct Glyph {
  char c;
  const char* rows;  // up to 9 rows split by '|'; rows 7 and 8 hold descenders
};

constexpr Glyph kGlyphs[] = {
    {'A', " ### |#   #|#   #|#####|#   #|#   #|#   #"},
    {'B', "#### |#   #|#   #|#### |#   #|#   #|#### "},
    {'C', " ### |#   #|#    |#    |#    |#   #| ### "},
    {'D', "#### |#   #|#   #|#   #|#   #|#   #|#### "},
    {'E', "#####|#    |#    |#### |#    |#    |#####"},
    {'F', "#####|#    |#    |#### |#    |#    |#    "},
    {'G', " ### |#   #|#    |# ###|#   #|#   #| ####"},
    {'H', "#   #|#   #|#   #|#####|#   #|#   #|#   #"},
    {'I', "###| # | # | # | # | # |###"},
    {'J', "  ###|   # |   # |   # |#  # |#  # | ##  "},
    {'K', "#   #|#  # |# #  |##   |# #  |#  # |#   #"},
    {'L', "#    |#    |#    |#    |#    |#    |#####"},
    {'M', "#   #|## ##|# # #|# # #|#   #|#   #|#   #"},
    {'N', "#   #|#   #|##  #|# # #|#  ##|#   #|#   #"},
    {'O', " ### |#   #|#   #|#   #|#   #|#   #| ### "},
    {'P', "#### |#   #|#   #|#### |#    |#    |#    "},
    {'Q', " ### |#   #|#   #|#   #|# # #|#  # | ## #"},
    {'R', "#### |#   #|#   #|#### |# #  |#  # |#   #"},
    {'S', " ####|#    |#    | ### |    #|    #|#### "},
    {'T', "#####|  #  |  #  |  #  |  #  |  #  |  #  "},
    {'U', "#   #|#   #|#   #|#   #|#   #|#   #| ### "},
    {'V', "#   #|#   #|#   #|#   #|#   #| # # |  #  "},
    {'W', "#   #|#   #|#   #|# # #|# # #|# # #| # # "},
    {'X', "#   #|#   #| # # |  #  | # # |#   #|#   #"},
    {'Y', "#   #|#   #| # # |  #  |  #  |  #  |  #  "},
    {'Z', "#####|    #|   # |  #  | #   |#    |#####"},
    {'a', "|| ### |    #| ####|#   #| ####"},
    {'b', "#    |#    |# ## |##  #|#   #|#   #|#### "},
    {'c', "|| ### |#    |#    |#   #| ### "},
    {'d', "    #|    #| ## #|#  ##|#   #|#   #| ####"},
    {'e', "|| ### |#   #|#####|#    | ### "},
    {'f', "  ##| #  |####| #  | #  | #  | #  "},
    {'g', "|| ####|#   #|#   #|#   #| ####|    #| ### "},
    {'h', "#    |#    |# ## |##  #|#   #|#   #|#   #"},
    {'i', " # ||## | # | # | # |###"},
    {'j', "   #||  ##|   #|   #|   #|   #|#  #| ## "},
    {'k', "#   |#   |#  #|# # |##  |# # |#  #"},
    {'l', "## | # | # | # | # | # |###"},
    {'m', "||## # |# # #|# # #|# # #|# # #"},
    {'n', "||# ## |##  #|#   #|#   #|#   #"},
    {'o', "|| ### |#   #|#   #|#   #| ### "},
    {'p', "||#### |#   #|#   #|#   #|#### |#    |#    "},
    {'q', "|| ####|#   #|#   #|#   #| ####|    #|    #"},
    {'r', "||# ## |##  #|#    |#    |#    "},
    {'s', "|| ####|#    | ### |    #|#### "},
    {'t', " #  | #  |####| #  | #  | #  |  ##"},
    {'u', "||#   #|#   #|#   #|#  ##| ## #"},
    {'v', "||#   #|#   #|#   #| # # |  #  "},
    {'w', "||#   #|#   #|# # #|# # #| # # "},
    {'x', "||#   #| # # |  #  | # # |#   #"},
    {'y', "||#   #|#   #|#   #|#   #| ####|    #| ### "},
    {'z', "||#####|   # |  #  | #   |#####"},
    {'0', " ### |#   #|#  ##|# # #|##  #|#   #| ### "},
    {'1', " # |## | # | # | # | # |###"},
    {'2', " ### |#   #|    #|   # |  #  | #   |#####"},
    {'3', "#####|   # |  #  |   # |    #|#   #| ### "},
    {'4', "   # |  ## | # # |#  # |#####|   # |   # "},
    {'5', "#####|#    |#### |    #|    #|#   #| ### "},
    {'6', "  ## | #   |#    |#### |#   #|#   #| ### "},
    {'7', "#####|    #|   # |  #  | #   | #   | #   "},
    {'8', " ### |#   #|#   #| ### |#   #|#   #| ### "},
    {'9', " ### |#   #|#   #| ####|    #|   # | ##  "},
    {'.', "|||||##|##"},
    {',', "|||||##|##| #|# "},
    {';', "|##|##|||##|##| #|# "},
    {':', "|##|##|||##|##"},
    {'\'', "#|#|#"},
    {'`', "# | #"},
    {'/', "    #|    #|   # |  #  | #   |#    |#    "},
    {'\\', "#    |#    | #   |  #  |   # |    #|    #"},
    {'*', "|  #  |# # #| ### |# # #|  #  "},
    {'-', "|||#####"},
    {'+', "|  #  |  #  |#####|  #  |  #  "},
    {'=', "||#####||#####"},
    {'[', "###|#  |#  |#  |#  |#  |###"},
    {']', "###|  #|  #|  #|  #|  #|###"},
    {'~', "|| #   |# # #|   # "},
    {'\x01', "  #  | ### |#####|  #  |  #  |  #  |  #  "},  // arrows
    {'\x02', "  #  |  #  |  #  |  #  |#####| ### |  #  "},
    {'\x03', "|  #    | ##    |#######| ##    |  #    "},
    {'\x04', "|    #  |    ## |#######|    ## |    #  "},
};

constexpr int kSpaceWidth = 3;

// The on-pixels of a glyph, trimmed to its used columns.
struct Bitmap {
  int width = kSpaceWidth;
  std::vector<std::pair<int, int>> cells;  // column, row
};

Bitmap Lookup(char c) {
  Bitmap bitmap;
  for (const Glyph& glyph : kGlyphs) {
    if (glyph.c != c) continue;
    int row = 0, col = 0, left = 99, right = -1;
    for (const char* p = glyph.rows; *p; ++p) {
      if (*p == '|') {
        ++row;
        col = 0;
        continue;
      }
      if (*p == '#') {
        bitmap.cells.push_back({col, row});
        left = std::min(left, col);
        right = std::max(right, col);
      }
      ++col;
    }
    for (auto& cell : bitmap.cells) cell.first -= left;
    bitmap.width = right - left + 1;
    break;
  }
  return bitmap;
}

bool Has(const Bitmap& b, int col, int row) {
  return std::find(b.cells.begin(), b.cells.end(), std::make_pair(col, row)) != b.cells.end();
}

// Distance to the glyph: squares for the cells, round strokes for lone diagonals.
float GlyphDistance(const Bitmap& b, float u, float v, bool smooth) {
  float d = 1e9f;
  for (const auto& [col, row] : b.cells) {
    const float cx = col + 0.5f, cy = row + 0.5f;
    d = std::min(d, std::max(std::abs(u - cx), std::abs(v - cy)) - 0.5f);
    if (!smooth) continue;
    for (int dx : {-1, 1}) {
      if (Has(b, col + dx, row + 1) && !Has(b, col + dx, row) && !Has(b, col, row + 1))
        d = std::min(d, SdSegment(u, v, cx, cy, cx + dx, cy + 1) - 0.55f);
    }
  }
  return d;
}

void DrawGlyph(Image& img, float x, float y, const Bitmap& b, float scale, Color c) {
  const bool smooth = scale >= 1.5f;
  Fill(
      img, {x, y, x + b.width * scale, y + 9 * scale},
      [&](float px, float py) {
        return GlyphDistance(b, (px - x) / scale, (py - y) / scale, smooth) * scale;
      },
      c);
}

}  // namespace

float TextWidth(std::string_view text, float scale) {
  int columns = 0;
  for (char c : text) columns += Lookup(c).width + 1;
  return text.empty() ? 0 : (columns - 1) * scale;
}

void DrawText(Image& img, float x, float y, std::string_view text, float scale, Color c) {
  for (char ch : text) {
    const Bitmap b = Lookup(ch);
    DrawGlyph(img, x, y, b, scale, c);
    x += (b.width + 1) * scale;
  }
}

void DrawTextCentered(Image& img, float cx, float cy, std::string_view text, float scale, Color c) {
  std::vector<std::string_view> lines;
  for (size_t start = 0;;) {
    const size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  const float lineHeight = (kCapHeight + 3) * scale;
  float top = cy - (lineHeight * (lines.size() - 1) + kCapHeight * scale) / 2;
  for (std::string_view line : lines) {
    const float left = cx - TextWidth(line, scale) / 2;
    DrawText(img, std::round(left), std::round(top), line, scale, c);
    top += lineHeight;
  }
}

}  // namespace art
