#pragma once
// A small JSON writer for the simulator's --json: one document, two spaces of
// indent, numbers as short as they read back exactly (null when not finite),
// and text escaped so that the document is valid whatever bytes a seat's name
// holds (bytes that are not UTF-8 are taken as Latin-1).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dealmoor::sim {

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(double number);
    JsonWriter& value(int64_t number);
    JsonWriter& value(int number) { return value(static_cast<int64_t>(number)); }
    JsonWriter& value(unsigned number) { return value(static_cast<int64_t>(number)); }
    JsonWriter& value(bool flag);
    JsonWriter& null();

    template <typename T> JsonWriter& field(std::string_view name, T v) {
        key(name);
        return value(v);
    }

    // The document, ending with a newline.
    std::string text() const { return out_ + "\n"; }

private:
    void beforeValue();
    void open(char bracket);
    void close(char bracket);

    std::string out_;
    std::vector<bool> empty_; // per open bracket: nothing written in it yet
    bool afterKey_ = false;
};

// `text` as a JSON string, quotes included.
std::string JsonString(std::string_view text);

} // namespace dealmoor::sim
