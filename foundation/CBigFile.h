#pragma once

#include "foundation/CArchiveFileSystem.h"
#include "foundation/CXObject.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class CFile;
class CXArchive;

// A game's data folder tree packed into one file (by default "data.bf"): a table of contents
// (the header, then the folder tree with every file's name, offset and size) followed by the
// files' bytes, uncompressed, one after another. Opened, it answers the file system's questions
// in place of the disk while it is the process's open archive (CFile::setBigFile): existence
// tests, listings, the current folder and seeks to members, comparing names without regard to
// letter case. Create writes one from a folder on disk.
//
// The table of contents is checked before it is used: every count must fit in the bytes that
// follow it, the tree may be at most MAX_DEPTH folders deep and every member must lie inside the
// file. A damaged archive opens as no archive (error code NOT_OPENED).
class CBigFile : public CXObject, public CArchiveFileSystem {
public:
    static constexpr int NOT_OPENED = 2000;
    // Folders below the root, at most; deeper trees are refused when opened and when created.
    static constexpr int MAX_DEPTH = 128;

    struct _entry;
    // One member file.
    struct _file {
        CXString name;
        int64_t time = 0;
        int size = 0;
        // Of its first byte, from the start of the archive.
        int offset = 0;
        _entry* folder = nullptr;
    };
    // One folder: its sub-folders and its files, in the order of the table of contents.
    struct _entry {
        CXString name;
        _entry* parent = nullptr; // null for the root
        std::vector<std::unique_ptr<_entry>> folders;
        std::vector<std::unique_ptr<_file>> files;
    };
    // The header. The root folder's name is the source folder given to Create.
    struct _rootentry {
        CXString name;
        CXString rootPath;
        int totalSize = 0;
        int64_t reserved[2] = {0, 0};
        int files = 0;
        int folders = 0;
        std::unique_ptr<_entry> root;
    };

    // An archive object that holds nothing (for Create). The text is not used.
    explicit CBigFile(bool verbose, const CXString& unused = CXString());
    // Opens the named archive; error code NOT_OPENED when it does not open or is damaged. The
    // last text is not used.
    CBigFile(const CXString& name, bool verbose, const CXString& unused = CXString());
    ~CBigFile() override;
    CBigFile(const CBigFile&) = delete;
    CBigFile& operator=(const CBigFile&) = delete;

    // Member lookup, from the root when the path begins with a backslash, else from the current
    // folder: "Wavs\x.wav" finds x.wav in the folder Wavs, or, when Wavs has no such file, the
    // x.wav of the start folder itself; a first folder that does not exist is skipped.
    int GetSize(const CXString& path) override;
    int Seek(const CXString& path) override;
    int Seek(int offset, int whence) override;
    int Tell() override;
    CFile* GetFile() override;
    // Null also when the archive does not open again.
    std::unique_ptr<CFile> OpenMember(const CXString& path) override;

    // Whether the member lookup finds a file: true exactly when Seek would find it.
    bool FileExists(const CXString& path) override;
    // Every name is a folder here, and the current folder is always the root.
    bool DirExists(const CXString& path) override;
    int ChDir(const CXString& path) override;
    // "" at the root (the header's root path without its backslash). The process's current
    // folder when nothing is open.
    CXString GetCurrentDirectoryA() override;
    // Files first, then sub-folders, of the folder the pattern's folder part names below the
    // current folder (from the root when it begins with a backslash); the name part is matched
    // without regard to case and names come back lower-cased, with the folder attribute and size
    // filled in. CFindData::SUBDIR in data->attrib asks for folders only. A search ends by itself
    // after its last match; the oldest of too many unfinished searches is dropped.
    int FindFirst(const CXString& pattern, CFindData* data) override;
    int FindNext(int handle, CFindData* data) override;

    // Writes an archive of folder's whole tree to the file output, with name in its header.
    // False, and nothing written, when output does not open, the tree is deeper than MAX_DEPTH or
    // holds more than 2 GB; false too when a file could not be read back whole (its place is
    // then filled with zeros so the other members stay where the table says).
    bool Create(const CXString& folder, const CXString& name, const CXString& output);

private:
    struct Search {
        CXString pattern;
        const _entry* folder = nullptr;
        bool foldersOnly = false;
        int next = 0; // files first, then folders
    };

    void open(const CXString& name);
    const _file* findMember(const CXString& path) const;
    const _file* lookup(const CXString& first, const CXString& rest, const _entry* folder) const;
    const _entry* findFolder(const CXString& path) const;
    bool nextMatch(Search& search, CFindData* data) const;

    std::unique_ptr<CFile> file_;
    bool verbose_;
    std::unique_ptr<_rootentry> header_;
    const _entry* currentFolder_;
    std::map<int, Search> searches_;
    int lastSearch_;
};
