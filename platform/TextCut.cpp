#include "platform/TextCut.h"

namespace dealmoor {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string CutText(const std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text;
    }
    std::size_t cut = maxBytes;
    // Back up over continuation bytes: the character they belong to does not fit.
    // A UTF-8 character has at most three of them; text in another encoding
    // loses no more than that.
    for (int backed = 0; backed < 3 && cut > 0 && isContinuationByte(text[cut]); ++backed) {
        --cut;
    }
    return text.substr(0, cut);
}

} // namespace dealmoor
