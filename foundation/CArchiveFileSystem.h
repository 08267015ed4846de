#pragma once

#include "foundation/CXString.h"

#include <memory>

class CFile;
struct CFindData;

// The file-system questions that the open data archive answers in place of the disk while it is
// open (see CFile::setBigFile): existence tests, listings, the current folder and seeks to its
// members. Opening a file by name never comes here; it always reads the disk.
class CArchiveFileSystem {
public:
    virtual ~CArchiveFileSystem() = default;

    virtual bool FileExists(const CXString& path) = 0;
    virtual bool DirExists(const CXString& path) = 0;
    // 0 on success, as the runtime's chdir.
    virtual int ChDir(const CXString& path) = 0;
    // The current folder inside the archive, without a trailing backslash ("" at its root).
    virtual CXString GetCurrentDirectoryA() = 0;
    // A search handle (>= 0) with the first match in data, or -1; FindNext gives 0 and the next
    // match, or -1 once the search ended.
    virtual int FindFirst(const CXString& pattern, CFindData* data) = 0;
    virtual int FindNext(int handle, CFindData* data) = 0;

    // The archive's own file, through which members are read.
    virtual CFile* GetFile() = 0;
    // The size of a member, 0 when there is none.
    virtual int GetSize(const CXString& path) = 0;
    // Moves the archive's file to a member's first byte and returns its offset; -1 (and no move)
    // when there is no such member.
    virtual int Seek(const CXString& path) = 0;
    // A file of its own on the archive, at the member's first byte (null when there is no such
    // member): readers on other threads read through it without moving anyone else's position.
    virtual std::unique_ptr<CFile> OpenMember(const CXString& path) = 0;
    // The archive file's own seek (0 on success) and position.
    virtual int Seek(int offset, int whence) = 0;
    virtual int Tell() = 0;
};
