#pragma once
// The private-profile settings file: "[Section]" lines and "Key=Value" lines,
// section and key names compared without regard to case. Integers are read the
// way the classic profile call reads them, strings up to 1023 characters. Lines
// the program does not change are kept byte for byte, and the whole file is
// replaced atomically, so a crash never leaves half a settings file behind.

#include <cstddef>
#include <string>
#include <vector>

namespace dealmoor {

// Longest value a read returns, as the classic call's 1024-byte buffer allows.
inline constexpr std::size_t ProfileValueMax = 1023;

class ProfileFile {
public:
    // Loads the file; a missing or unreadable file reads as an empty one.
    explicit ProfileFile(std::string path);

    const std::string& path() const { return path_; }
    // Whether the file was there when it was loaded.
    bool existed() const { return existed_; }

    // Leading decimal digits with an optional minus sign ("12abc" is 12), or
    // "0x"/"0X" and hexadecimal digits ("0x68" is 104); anything else is `def`.
    int getInt(const std::string& section, const std::string& key, int def) const;
    // The value with surrounding blanks (spaces, tabs, stray carriage returns)
    // removed and cut to 1023 characters; `def` when the section or the key is missing.
    std::string getString(const std::string& section, const std::string& key,
                          const std::string& def) const;

    // Replaces the key's first line in its section, or adds the key at the end
    // of the section, or adds the section at the end of the file. Line breaks
    // inside the value become spaces so a value can never split into new lines.
    void setString(const std::string& section, const std::string& key, const std::string& value);

    // Writes the whole file through a temporary file in the same folder that is
    // flushed to disk and renamed over the old one. On failure the old file is
    // untouched, the temporary file is removed and false is returned.
    bool save();

private:
    struct Line {
        std::string text;   // without its line break
        std::string ending; // "\r\n", "\n" or "" (last line without a break)
    };
    struct KeyPos {
        std::ptrdiff_t section = -1;    // line of "[Section]", -1 when missing
        std::ptrdiff_t key = -1;        // line of "Key=...", -1 when missing
        std::ptrdiff_t sectionEnd = -1; // one past the section's last line
    };

    KeyPos find(const std::string& section, const std::string& key) const;
    std::string newLineEnding() const;
    void insertLine(std::size_t at, const std::string& text);

    std::string path_;
    bool existed_ = false;
    std::vector<Line> lines_;
};

// Integer reading of the classic profile call on a bare text: "12abc" -> 12,
// "0x68" -> 104, "-7" -> -7, "" or "abc" -> def. Values beyond int are clamped.
int ParseProfileInt(const std::string& text, int def);

} // namespace dealmoor
