#pragma once

#include "foundation/CXObject.h"

#include <memory>
#include <string>
#include <vector>

class CWindow;
class CArchiveFileSystem;
struct CFindData;

namespace platform {
class FileHandle;
}

// The engine's file: a buffered stream opened by a game's file name, found by a fixed search of
// candidate places (language sub-folder, the engine's root folder, the name as given, the CD).
// The statics answer the file-system questions of the engine; while a data archive is open they
// ask it instead of the disk (existence tests, listings, current folder, member seeks), but
// opening a file by name always reads the disk.
//
// A file opened without binary mode is a text file, as the system's runtime makes it: reads turn
// CR LF into LF and writes turn LF into CR LF; positions stay byte positions in the file.
class CFile : public CXObject {
public:
    // Mode flags of Open.
    enum {
        READ = 1,    // "r", else "w"
        UPDATE = 4,  // "+"
        TEXT = 8,    // "t"
        BINARY = 16, // "b", unless TEXT is set too
    };
    // The error code when no candidate opened.
    static constexpr int NOT_FOUND = 2000;
    // The longest line getLine gives, without its terminating zero.
    static constexpr int LINE_BUFFER = 10240;

    CFile();
    // Records the window and opens name; the result of Open is the error code.
    CFile(CWindow* window, const CXString& name, int flags);
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // The size in bytes, the position kept; -1 when no file is held.
    virtual int Length();
    // The position; 0 when no file is held.
    virtual int Tell();
    virtual platform::FileHandle* GetHandle();
    // whence 0 from the start, 1 from the position, 2 from the end; 0 on success.
    virtual int Seek(int offset, int whence);
    // Tries the candidates in order and keeps the first that opens: error code 0, else 2000. A file
    // held before is closed first. Never reads from the data archive.
    virtual int Open(CWindow* window, const CXString& name, int flags);
    // Bytes moved; 0 for n <= 0 or when no file is held.
    virtual int Read(void* buffer, int n);
    virtual int Write(const void* data, int n);
    // Flushes and closes a held file; returns the error code.
    virtual int Close();
    // One line as fgets reads it: at most size - 1 characters, the line break kept, terminated;
    // false (and an empty buffer) at the end of the file.
    virtual bool GetLine(char* buffer, int size);
    // One line of at most LINE_BUFFER - 1 characters, the line break kept; empty at the end.
    virtual CXString getLine();
    // Writes the text as it is; no line break is added.
    virtual void putLine(const CXString& text);
    // True once a read met the end of the file.
    virtual bool eof();

    // The full path Open built from the name it was given, before the candidate search.
    const CXString& getFileName() const { return fileName_; }

    // The first place where a data file opens for reading (language variants first; the CD is
    // not tried), or "".
    static CXString getPath(CWindow* window, const CXString& name);
    // The path moved under the engine's root path or the data root, from its "Dane", "COMMON" or
    // (upper-cased) "WAVS" on; unchanged when it has none of them.
    static CXString getLocalPath(const CXString& path);
    static CXString getCDPath(const CXString& path);
    // Whether the drive the path begins with is a fixed disk.
    static bool isHdd(const CXString& path);
    // 0 on success, -1 on failure; the open archive changes nothing and answers 0.
    static int chDir(const CXString& path);
    // The current folder (the archive's while one is open), ending with a backslash.
    static CXString getCurrentDirectory();
    // The same without the appended backslash, cut to size - 1 characters; the length written.
    static int getCurrentDirectory(int size, char* buffer);
    // A search handle with the first match in data, or -1. With CFindData::SUBDIR set in
    // data->attrib beforehand, only folders are reported (on disk). findNext gives 0 and the next
    // match, or -1 at the end. A disk search lives until it ends or findClose.
    static int findFirst(const CXString& pattern, CFindData* data);
    static int findNext(int handle, CFindData* data);
    static void findClose(int handle);
    // The archive's seek and position when the file is the archive's own, else the file's.
    static int fSeek(CFile* file, int offset, int whence);
    static int fTell(CFile* file);
    static bool dirExists(const CXString& path);
    static bool fileExists(const CXString& path);

    // Makes an archive the process's open data archive (owned; an earlier one is closed). From
    // then on the statics above ask it.
    static void setBigFile(CArchiveFileSystem* archive);
    // Opens the named data archive (CBigFile) and makes it the open archive; when it does not
    // open, or is damaged, no archive is held and the statics work on the disk. True when open.
    static bool openBigFile(const CXString& name);
    static void closeBigFile();
    // The archive's own file, or null; the archive, or null.
    static CFile* getBigFileHandle();
    static CArchiveFileSystem* getBigFileIfc();

private:
    // Name expanded and made absolute: the current folder of the disk, then a backslash, then the
    // name, unless it begins with a drive.
    static CXString fullPathOf(CWindow* window, const CXString& name);
    // The places Open tries for a full path, in order.
    static std::vector<CXString> candidatesOf(CWindow* window, const CXString& fullPath);
    bool openAt(const CXString& path);
    int readText(char* buffer, int n);
    int writeText(const char* data, int n);
    // The raw byte after a CR that ended a read: true when it was the LF of a CR LF pair.
    bool takeLineFeedAfterCarriageReturn();
    bool readLine(std::string& line, int maxChars);

    std::unique_ptr<platform::FileHandle> stream_;
    CXString fileName_;
    int flags_;
    CWindow* window_;
    bool text_;
};
