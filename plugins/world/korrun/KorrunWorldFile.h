#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <string_view>
#include <vector>

class IKorrun;

// A world file: the text form of a list of member calls of IKorrun (the format is described
// beside Create). Reading checks the form of every line; the calls are made by applyTo.
class KorrunWorldFile {
public:
    static constexpr size_t kMostBytes = 4 * 1024 * 1024;
    static constexpr size_t kMostArguments = 12;

    // Reads the file from where it stands to its end; false when it is damaged.
    bool read(std::FILE* file);
    bool parse(std::string_view text);
    // Makes the calls on korrun in order; false at the first that fails.
    bool applyTo(IKorrun& korrun) const;

private:
    struct Call {
        size_t command;
        std::array<double, kMostArguments> arguments;
    };

    bool parseLine(std::string_view line);

    std::vector<Call> calls_;
};
