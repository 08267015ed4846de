// Reads of a binary stream from hostile bytes: each step takes one byte that chooses the field to
// read next, until the data runs out. No read may take more memory than the data holds.
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void checkText(const CXString& text, size_t size)
{
    if (static_cast<size_t>(text.getLength()) > size)
        std::abort();
}

void readField(CXArchive& archive, unsigned char kind, size_t size)
{
    int i = 0;
    uint32_t u = 0;
    int64_t wide = 0;
    bool flag = false;
    double number = 0;
    CXString text;
    CXRect rect;
    switch (kind % 10) {
    case 0: archive >> &i; break;
    case 1: archive >> &u; break;
    case 2: archive >> &wide; break;
    case 3: archive >> &flag; break;
    case 4: archive >> &number; break;
    case 5: archive >> &text; break;
    case 6: archive.readShortString(&text); break;
    case 7: archive >> &rect; break;
    case 8: archive.FRead(text); break;
    case 9: {
        char* chars = nullptr;
        archive >> &chars;
        if (chars == nullptr || std::strlen(chars) > size)
            std::abort();
        delete[] chars;
        break;
    }
    }
    checkText(text, size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > INT_MAX)
        return 0;
    std::vector<char> bytes(data, data + size);
    CFile_Stream file(bytes.data(), static_cast<int>(bytes.size()));
    CXArchive archive(&file, false);
    while (archive.LastError() == 0) {
        unsigned char kind = 0;
        archive >> &kind;
        if (archive.LastError() != 0)
            break;
        readField(archive, kind, size);
    }
    return 0;
}
