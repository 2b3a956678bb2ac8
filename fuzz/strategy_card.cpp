// The strategy card reader: any bytes as a ".stc" file. A file shorter than a
// card is rejected and leaves the card as it was; a longer one gives exactly
// its first 391 bytes, with a title length byte above 40 read as 40. A card
// read this way is written and read back unchanged.

#include "fuzz/FuzzSupport.h"
#include "strategy/StrategyFile.h"

#include <algorithm>
#include <cstring>
#include <string>

using namespace dealmoor;

namespace {

constexpr std::size_t TitleLengthOffset = std::size_t{CardColumns} * CardRows;
constexpr std::size_t TitleOffset = TitleLengthOffset + 1;

bool sameBytes(const StrategyCard& card, const void* bytes) {
    return std::memcmp(&card, bytes, StrategyCardBytes) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = fuzz::WriteScratchFile("seat.stc", bytes);

    StrategyCard before;
    FillDefaultTable(before);
    before.setTitle("Strategy Card -- before the read");
    StrategyCard card = before;
    const bool read = ReadCardFile(path, card);

    if (size < static_cast<std::size_t>(StrategyCardBytes)) {
        FUZZ_CHECK(!read, "a file of " + std::to_string(size) + " bytes was taken for a card");
        FUZZ_CHECK(sameBytes(card, &before), "a rejected file changed the card");
        return 0;
    }
    FUZZ_CHECK(read, "a file of " + std::to_string(size) + " bytes was rejected");
    FUZZ_CHECK(sameBytes(card, data), "the card is not the file's first 391 bytes");

    const std::size_t length = std::min<std::size_t>(data[TitleLengthOffset], CardTitleMax);
    const std::string title = card.titleText();
    FUZZ_CHECK(title == std::string(bytes.substr(TitleOffset, length)),
               "length byte " + std::to_string(data[TitleLengthOffset]) + " gave a title of " +
                   std::to_string(title.size()) + " bytes, not " + std::to_string(length));

    // What the card window does when the title is kept: it stays the same text.
    StrategyCard retitled = card;
    retitled.setTitle(title);
    FUZZ_CHECK(retitled.titleText() == title, "setting the title read changed it");

    const std::string copy = fuzz::ScratchFolder() + "copy.stc";
    FUZZ_CHECK(WriteCardFile(copy, card), "writing the card failed");
    FUZZ_CHECK(fuzz::ReadWholeFile(copy).size() == static_cast<std::size_t>(StrategyCardBytes),
               "a written card is not 391 bytes");
    StrategyCard again = before;
    FUZZ_CHECK(ReadCardFile(copy, again) && sameBytes(again, data),
               "a written card does not read back the same");
    return 0;
}
