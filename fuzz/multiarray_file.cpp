// MULTIARRAY files from hostile bytes: a head of extents, then indexed value records up to the
// end marker. Whatever loads must stay within the cell bound, and reads and growth afterwards
// must stay within the grid.
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"
#include "script/CMC_Integer.h"
#include "script/CMC_MultiArray.h"
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
    CMC_MultiArray grid(nullptr, "fuzz");
    grid.loadFrom(&archive);
    if (grid.getCellCount() < 0 || grid.getCellCount() > CMC_MultiArray::kMaxCells)
        std::abort();
    CMC_Integer* one = CMC_VariableFactory::makeInteger(1);
    grid.count(one);
    const int columns = grid.getSize(0);
    grid.get({columns - 1, grid.getSize(1) - 1});
    const bool stored = grid.set(CMC_MultiArray::Coordinates{columns, 1, 1}, one);
    if (stored != (grid.get({columns, 1}) != nullptr) || grid.getCellCount() > CMC_MultiArray::kMaxCells)
        std::abort();
    CMC_VariableFactory::clearPool();
    return 0;
}
