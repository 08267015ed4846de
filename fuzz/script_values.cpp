// Script values from hostile bytes: network variable buffers, value records of array files and
// the stored form of a declared variable. Whatever reads back must store and read back the same.
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"
#include "fuzz/ScriptPools.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void checkNetworkBuffer(const uint8_t* data, size_t size)
{
    CMC_Variable* value = CMC_VariableFactory::netrestore(data, static_cast<int>(size));
    if (value == nullptr)
        return;
    std::vector<uint8_t> stored(static_cast<size_t>(value->getBufferLen()));
    value->netstore(stored.data());
    CMC_Variable* again = CMC_VariableFactory::netrestore(stored.data(), static_cast<int>(stored.size()));
    if (again == nullptr || again->getType() != value->getType() || !(again->toString() == value->toString()))
        std::abort();
}

void readRecords(std::string& bytes)
{
    CFile_Stream file(bytes.data(), static_cast<int>(bytes.size()));
    CXArchive archive(&file, false);
    for (int i = 0; i < 64 && archive.LastError() == 0; ++i) {
        if (CMC_VariableFactory::restore(&archive) == nullptr)
            break;
    }
}

void readStoredVariable(std::string& bytes)
{
    CFile_Stream file(bytes.data(), static_cast<int>(bytes.size()));
    CXArchive archive(&file, false);
    CMC_String variable("loaded");
    variable.serialize(&archive);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    makeScriptPoolsOnce();
    checkNetworkBuffer(data, size);
    std::string bytes(reinterpret_cast<const char*>(data), size);
    readRecords(bytes);
    readStoredVariable(bytes);
    CMC_VariableFactory::clearPool();
    return 0;
}
