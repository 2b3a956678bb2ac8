#include "strategy/StrategyCard.h"

#include <algorithm>

namespace dealmoor {

std::string StrategyCard::titleText() const {
    const int length = std::min<int>(TitleLength, CardTitleMax);
    return std::string(Title.data(), static_cast<size_t>(length));
}

void StrategyCard::setTitle(const std::string& title) {
    const size_t length = std::min<size_t>(title.size(), CardTitleMax);
    Title.fill(0);
    std::copy_n(title.begin(), length, Title.begin());
    TitleLength = static_cast<uint8_t>(length);
}

} // namespace dealmoor
