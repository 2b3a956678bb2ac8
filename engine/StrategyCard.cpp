#include "engine/StrategyCard.h"

#include "platform/TextCut.h"

#include <algorithm>

namespace dealmoor {

std::string StrategyCard::titleText() const {
    const int length = std::min<int>(TitleLength, CardTitleMax);
    return std::string(Title.data(), static_cast<size_t>(length));
}

void StrategyCard::setTitle(const std::string& title) {
    // Never leaves half a character at the end of the title.
    const std::string kept = CutText(title, CardTitleMax);
    Title.fill(0);
    std::copy(kept.begin(), kept.end(), Title.begin());
    TitleLength = static_cast<uint8_t>(kept.size());
}

} // namespace dealmoor
