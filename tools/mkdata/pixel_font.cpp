#include "mkdata/pixel_font.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvin::mkdata {

namespace {

// Drawn row by row, '#' set; readable at one pixel a dot, which is how the key caps use it.
constexpr std::string_view kGlyphs[26][kGlyphHeight] = {
    {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"},  // A
    {"#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "},  // B
    {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "},  // C
    {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "},  // D
    {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"},  // E
    {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "},  // F
    {" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"},  // G
    {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"},  // H
    {" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "},  // I
    {"  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "},  // J
    {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"},  // K
    {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"},  // L
    {"#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"},  // M
    {"#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"},  // N
    {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "},  // O
    {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "},  // P
    {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"},  // Q
    {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"},  // R
    {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "},  // S
    {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "},  // T
    {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "},  // U
    {"#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "},  // V
    {"#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "},  // W
    {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"},  // X
    {"#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "},  // Y
    {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"},  // Z
};

}  // namespace

std::array<std::uint8_t, kGlyphHeight> glyphOf(char letter) {
    const char upper =
        letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    if (upper < 'A' || upper > 'Z') {
        throw std::invalid_argument(std::string("no glyph for '") + letter + "'");
    }
    std::array<std::uint8_t, kGlyphHeight> rows{};
    for (int y = 0; y < kGlyphHeight; ++y) {
        const std::string_view row = kGlyphs[upper - 'A'][y];
        for (int x = 0; x < kGlyphWidth; ++x) {
            if (row[static_cast<std::size_t>(x)] == '#') rows[y] |= 1u << (kGlyphWidth - 1 - x);
        }
    }
    return rows;
}

}  // namespace quorvin::mkdata
