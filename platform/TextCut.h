#pragma once
// Cutting texts to the widths their fields hold without leaving half a
// UTF-8 character at the end.

#include <cstddef>
#include <string>

namespace dealmoor {

// The text cut to at most `maxBytes` bytes, shortened further to the start of a
// character when the cut would fall inside a multi-byte UTF-8 sequence.
std::string CutText(const std::string& text, std::size_t maxBytes);

} // namespace dealmoor
