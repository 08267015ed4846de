#pragma once

#include "foundation/CXObject.h"

class CXArray;

// A path taken apart at its backslashes: drive letter, directory components, file name, pure
// name and extension ("C:\Dane\a.b.c": drive 'C', directories "C:" and "Dane", file "a.b.c",
// pure name "a", extension "b").
class CFileNameResolver : public CXObject {
public:
    explicit CFileNameResolver(const CXString& path);
    ~CFileNameResolver() override;
    CFileNameResolver(const CFileNameResolver&) = delete;
    CFileNameResolver& operator=(const CFileNameResolver&) = delete;

    const CXString& getFileName() const { return fileName_; }
    const CXString& getExtension() const { return extension_; }
    const CXString& getPureFileName() const { return pureFileName_; }
    // The drive letter, 0 when the path names none.
    unsigned char getDrive() const { return drive_; }
    // Every component but the last (the drive's included); a path without a backslash gives its
    // one component here too. The strings belong to the resolver.
    CXArray* getDirectories() const { return directories_; }

private:
    void split();

    CXString path_;
    CXString folder_; // never filled
    CXString extension_;
    CXString fileName_;
    CXString pureFileName_;
    unsigned char drive_;
    CXArray* directories_;
};
