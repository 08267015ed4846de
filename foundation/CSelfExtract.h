#pragma once

#include "foundation/CXArray.h"
#include "foundation/CXString.h"

class CSelfExtractInfo;

// A self-extracting package: "SFX01", a 32-bit entry count, then per entry its compression type
// (1 = zlib), file length, stored length, the stored bytes, name length and name (little-endian).
//
// Packages come from the network, so the reader trusts nothing: a table of contents whose counts
// or lengths pass the end of the file, or whose names would leave the target folder (absolute
// names, drive letters, ".." components, path markers), is refused as a whole. An entry is
// inflated and checked in memory before its file is created, so a refused entry leaves no file.
class CSelfExtract {
public:
    static constexpr int MAX_NAME_LENGTH = 259;

    CSelfExtract();
    explicit CSelfExtract(const CXString& packageName);
    virtual ~CSelfExtract();
    CSelfExtract(const CSelfExtract&) = delete;
    CSelfExtract& operator=(const CSelfExtract&) = delete;

    // Appends the package's entries to the list; false (and nothing appended) when the package
    // cannot be opened, is not "SFX01" or is malformed.
    bool ReadTOC();
    // Extracts every entry in order, going on after a failure; true when all of them succeeded.
    bool ExtractFiles(const CXString& folder);
    // Writes entry `index` to folder + its name, making the folders on the way. False for an index
    // out of range, an unsafe name, a record that does not match the file, an unknown compression
    // type, data that does not inflate to exactly the file length, or a file that cannot be
    // written.
    bool ExtractOne(int index, const CXString& folder);
    // An entry for every file below the folder (names ending in '.' skipped), named folder + name.
    void AddDirectory(const CXString& folder);
    // Writes the entries whose files can be read to packageName, zlib level 9; entries that cannot
    // be read are left out and the count says so. The folder is not used. False when the package
    // cannot be written.
    bool CreateArchive(const CXString& folder, const CXString& packageName);
    // Empties the name and the entries.
    void Flush();

    const CXString& GetPackageName() const { return packageName_; }
    int GetEntryCount() const { return entries_.getSize(); }
    // Null outside [0, GetEntryCount()).
    CSelfExtractInfo* GetEntry(int index) const;

private:
    CXString packageName_;
    CXArray entries_;
};
