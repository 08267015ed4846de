#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The text of one INI file, read and edited the way Windows' private-profile functions do:
// "[section]" lines and "key=value" lines, names compared regardless of case (code page 1250) and
// with the blanks around them trimmed, values trimmed and stripped of one pair of enclosing quotes.
// The first section and key of a name count when names repeat. Lines the edits do not touch
// (comments, blank lines, lines without "=") are kept byte for byte, each with its own line end;
// LF and CRLF line ends are both read, and new lines follow the file's first line end (CRLF for a
// new file).
class IniDocument {
public:
    static IniDocument parse(std::string_view text);
    std::string serialize() const;

    bool get(std::string_view section, std::string_view key, std::string& value) const;
    // Replaces the key's value, or adds the key at the end of its section, or the section at the
    // end of the file.
    void set(std::string_view section, std::string_view key, std::string_view value);
    // False when there was nothing to remove.
    bool removeKey(std::string_view section, std::string_view key);
    bool removeSection(std::string_view section);

private:
    // Index of the first key line of key in section, or npos.
    size_t findKey(std::string_view section, std::string_view key) const;

    struct Line {
        std::string text;
        // As the file had it: "\r\n", "\n", or nothing after a last line without one.
        std::string end;
    };
    void insertLine(size_t at, std::string text);

    std::vector<Line> lines_;
    std::string_view lineEnd_ = "\r\n";
    bool byteOrderMark_ = false;
};

} // namespace platform
