#pragma once

#include "foundation/CXObject.h"

class CWindow;
class CXArray;

// The game's standard folder names, and a walker over folders on disk (or in the open data
// archive, through CFile's statics): listings by pattern, the first folder or file that matches,
// and moves between sub-folders named by a letter and a type ("A.+intro", "B.x").
//
// Only the constructor with a folder, GoStart, GoUp, GoTo and back change the process's current
// folder; listings and queries leave it alone.
class CFolder : public CXObject {
public:
    static const CXString DATA_FOLDER;   // "Dane"
    static const CXString WAVS_FOLDER;   // "WAVS", matched in upper-cased paths
    static const CXString SFX_FOLDER;    // "Wavs\Sfx"
    static const CXString COMMON_FOLDER; // "COMMON"

    // The folder that is current now.
    explicit CFolder(CWindow* window);
    // Makes folder the process's current folder (back() returns to the one before).
    CFolder(CWindow* window, const CXString& folder);
    ~CFolder() override;
    CFolder(const CFolder&) = delete;
    CFolder& operator=(const CFolder&) = delete;

    const CXString& getPath() const { return basePath_; }

    // The first folder that matches, or ""; the listing can go on with GetNextFileName.
    virtual CXString GetFolderName(const CXString& pattern);
    // The first entry (file or folder) that matches, or "".
    virtual CXString GetFileName(const CXString& pattern);
    // The next entry of the running listing (any kind), or "" once it ended.
    virtual CXString GetNextFileName();

    // A new array of new strings: every entry that matches, in listing order. Release it with
    // releaseFilesList.
    CXArray* list(const CXString& pattern);
    static void releaseFilesList(CXArray* names);
    // Whether the first entry that matches path is a folder.
    static bool IsDirectory(const CXString& path);
    // The size of the first entry that matches path, 0 when none does.
    int GetSize(const CXString& path) const;

    // Back to the base path.
    void GoStart();
    // One folder up; returns the type of the folder reached.
    CXString GoUp();
    // Into the sub-folder named by the letter 'A' + n and an extension; returns its type ("" when
    // there is no such folder, and the current folder stays).
    CXString GoTo(int n);
    // Back to the folder that was current when this object was made with a folder.
    void back();

private:
    // The type of a folder name: after its last ".", the rest when it begins with "+", else the
    // one character; "" without a ".".
    static CXString folderType(const CXString& name);
    CXString FindFolder(char letter);
    // Starts a listing with the given attribute request; the first match, or "".
    CXString startListing(const CXString& pattern, unsigned attrib);
    void endListing();

    CWindow* window_;
    CXString basePath_;
    CXString currentPath_;
    CXString enteredName_;
    CXString pattern_;
    CXString startFolder_;
    int searchHandle_;
};
