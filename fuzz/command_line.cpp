// Command line over arbitrary bytes: every option read, then every word asked back.
#include "foundation/CCommandLine6.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 16))
        return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    CCommandLine6 line(text.c_str());
    (void)line.getResolution();
    (void)line.getFullName();
    (void)line.getVersion();
    (void)line.getPackFile();
    (void)line.getServer();
    (void)line.isSecondaryDisplayEnabled();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        const std::string name = word.size() > 1 && (word[0] == '-' || word[0] == '/') ? word.substr(1) : word;
        (void)line.isParameter(name.c_str());
        (void)line.getParameter(name.c_str());
        start = end + 1;
    }
    return 0;
}
