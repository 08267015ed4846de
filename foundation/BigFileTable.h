#pragma once

#include "foundation/CBigFile.h"

#include <cstdint>
#include <functional>
#include <memory>

// The table of contents of a data archive, as it lies in the file:
//
//   header:  text name, text root path, int32 total size, int64 0, int64 0,
//            int32 number of files, int32 number of folders below the root
//   folder:  text name, int32 files, int32 sub-folders, the sub-folder records, the file records
//   file:    text name, int32 offset, int64 time, int32 size
//
// (texts as CXArchive writes them: an int32 length and the bytes). The root folder record
// follows the header; the files' bytes follow the table, in the order of the file records.
class BigFileTable {
public:
    // The table read from the start of file, whose size is fileSize; null when it is damaged: a
    // text or count that does not fit in what is left of the file, a tree deeper than
    // CBigFile::MAX_DEPTH, or a member outside the file. Parents are set.
    static std::unique_ptr<CBigFile::_rootentry> read(CFile& file, int64_t fileSize);
    // Writes the header and the folder records; false when the file did not take it all.
    static bool write(CXArchive& archive, const CBigFile::_rootentry& header);
    // Its size in bytes, which is also the offset of the first member.
    static int64_t size(const CBigFile::_rootentry& header);
    // The files of the tree in table order: a folder's sub-folders (with everything in them)
    // before its own files.
    static void forEachFile(const CBigFile::_entry& folder, const std::function<void(CBigFile::_file&)>& visit);
};
