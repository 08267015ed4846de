#pragma once

#include "foundation/CXObject.h"

class CWindow;

// A path and the static path rules: joins with backslashes and the expansion of the file names
// games write ("$" or "&" for the data root, "?" between a folder and a file).
class CPath : public CXObject {
public:
    // The current folder form: remembers CFile::getCurrentDirectory() (ending with a backslash).
    explicit CPath(CWindow* window);
    // The given-path form: the extension is the text after the last "." (the whole path without one).
    CPath(CWindow* window, const CXString& path);

    const CXString& getCurrentPath() const { return currentPath_; }
    const CXString& GetExtension() const { return extension_; }
    CXString GetFullPath(const CXString& file) const;
    CXString GetFullPath(const CXString& folder, const CXString& file) const;
    CXString resolveFileName(const CXString& name) const;
    // The path up to and including its first "." followed by ext; a path without a "." gets
    // "." and ext appended. The remembered extension does not change.
    CXString SetExtension(const CXString& ext);

    // True when the current path lies on a CD drive (the player asks whether it runs from a CD).
    virtual bool isCD() const;

    // a, a backslash unless a is empty or ends with one, then b.
    static CXString getFullPath(const CXString& a, const CXString& b);
    // a, always one backslash, b and a backslash when b is not empty, then c. A current path
    // (ending with a backslash) thus gives a doubled separator, which the file functions accept.
    static CXString getFullPath(const CXString& a, const CXString& b, const CXString& c);
    // A leading "$" or "&" becomes the data root (CD path); "folder?file" is placed under the
    // current folder, or under the data root when a marker named it.
    static CXString resolveFileName(CWindow* window, const CXString& name);
    // The same with the engine's root path in place of the data root.
    static CXString resolveFileNameEx(CWindow* window, const CXString& name);

private:
    void FillInfo();
    static CXString expand(const CXString& name, const CXString& markerRoot);

    CWindow* window_;
    CXString path_;
    CXString extension_;
    CXString currentPath_;
};
