#include "sim/Json.h"

#include <array>
#include <charconv>
#include <cmath>

namespace dealmoor::sim {

namespace {

// Length of the UTF-8 sequence starting at `at`, or 0 when the bytes there are not one.
std::size_t utf8Length(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

void appendEscaped(std::string& out, unsigned code) {
    constexpr std::string_view Hex = "0123456789abcdef";
    out += "\\u00";
    out += Hex[(code >> 4) & 0xF];
    out += Hex[code & 0xF];
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        const std::size_t sequence = c >= 0x80 ? utf8Length(text, at) : 0;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++at;
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
            ++at;
        } else if (sequence > 0) {
            out.append(text.substr(at, sequence));
            at += sequence;
        } else {
            appendEscaped(out, c); // a control character, or a byte taken as Latin-1
            ++at;
        }
    }
    return out + "\"";
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!empty_.empty()) {
        if (!empty_.back()) {
            out_ += ',';
        }
        empty_.back() = false;
        out_ += '\n';
        out_.append(2 * empty_.size(), ' ');
    }
}

void JsonWriter::open(char bracket) {
    beforeValue();
    out_ += bracket;
    empty_.push_back(true);
}

void JsonWriter::close(char bracket) {
    const bool wasEmpty = empty_.back();
    empty_.pop_back();
    if (!wasEmpty) {
        out_ += '\n';
        out_.append(2 * empty_.size(), ' ');
    }
    out_ += bracket;
}

JsonWriter& JsonWriter::beginObject() {
    open('{');
    return *this;
}
JsonWriter& JsonWriter::endObject() {
    close('}');
    return *this;
}
JsonWriter& JsonWriter::beginArray() {
    open('[');
    return *this;
}
JsonWriter& JsonWriter::endArray() {
    close(']');
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeValue();
    out_ += JsonString(name);
    out_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    beforeValue();
    out_ += JsonString(text);
    return *this;
}

JsonWriter& JsonWriter::value(double number) {
    if (!std::isfinite(number)) {
        return null();
    }
    beforeValue();
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    out_.append(digits.data(), end);
    return *this;
}

JsonWriter& JsonWriter::value(int64_t number) {
    beforeValue();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    beforeValue();
    out_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    out_ += "null";
    return *this;
}

} // namespace dealmoor::sim
