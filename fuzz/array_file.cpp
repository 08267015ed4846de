// ARRAY files from hostile bytes: a count and value records. Whatever loads must hold no more
// values than the data has records for, and every value must be one of the four plain types.
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"
#include "script/CMC_Array.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Variable.h"
#include "script/CMC_VariableFactory.h"
#include "fuzz/ScriptPools.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    makeScriptPoolsOnce();
    std::string bytes(reinterpret_cast<const char*>(data), size);
    CFile_Stream file(bytes.data(), static_cast<int>(bytes.size()));
    CXArchive archive(&file, false);
    CMC_Array array(nullptr, "fuzz");
    array.loadFrom(&archive);
    // Every record takes at least eight bytes after the four of the count.
    if (array.getSize() > static_cast<int>(size / 8))
        std::abort();
    for (int i = 0; i < array.getSize(); ++i) {
        if (!script::isPlainValueType(array.get(i)->getType()))
            std::abort();
    }
    array.toString();
    array.sort(true);
    array.shiftLeft();
    CMC_VariableFactory::clearPool();
    return 0;
}
