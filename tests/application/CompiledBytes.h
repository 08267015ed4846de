#pragma once

// Bytes of compiled application and scene files, written field by field as the format has them
// (little-endian 4-byte integers, texts as a 4-byte length and the bytes), independently of the
// engine's own writer.

#include <cstdint>
#include <string>

namespace apptest {

class CompiledBytes {
public:
    CompiledBytes& i32(int32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>((static_cast<uint32_t>(value) >> shift) & 0xff);
        return *this;
    }
    CompiledBytes& byte(uint8_t value)
    {
        bytes += static_cast<char>(value);
        return *this;
    }
    CompiledBytes& text(const std::string& value)
    {
        i32(static_cast<int32_t>(value.size()));
        bytes += value;
        return *this;
    }
    // An object record without handlers: its name and a handler count of 0.
    CompiledBytes& object(const std::string& name) { return text(name).i32(0); }
    // An application-tree record: the object record and PATH.
    CompiledBytes& container(const std::string& name, const std::string& path = "") { return object(name).text(path); }
    // The head of an object file: DLLS, BACKGROUND and MUSIC, then the record count.
    CompiledBytes& objectFile(int records, const std::string& dlls = "")
    {
        return text(dlls).text("").text("").i32(records);
    }
    // A record of an INTEGER: type, object record, TOINI and NETNOTIFY, value and default.
    CompiledBytes& integer(const std::string& name, int value)
    {
        return i32(1).object(name).byte(0).byte(0).i32(value).i32(value);
    }

    std::string bytes;
};

} // namespace apptest
