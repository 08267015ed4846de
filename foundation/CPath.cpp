#include "foundation/CPath.h"

#include "foundation/CFile.h"
#include "foundation/CStringTokenizer.h"
#include "foundation/CWindowLink.h"
#include "platform/Drives.h"

namespace {

bool hasRootMarker(const CXString& name)
{
    return name.GetAt(0) == '$' || name.GetAt(0) == '&';
}

} // namespace

CPath::CPath(CWindow* window) : window_(window), currentPath_(CFile::getCurrentDirectory()) {}

CPath::CPath(CWindow* window, const CXString& path) : window_(window), path_(path)
{
    FillInfo();
}

void CPath::FillInfo()
{
    extension_ = path_.Right(path_.FindLast('.') + 1);
}

CXString CPath::GetFullPath(const CXString& file) const
{
    return getFullPath(currentPath_, file);
}

CXString CPath::GetFullPath(const CXString& folder, const CXString& file) const
{
    return getFullPath(currentPath_, folder, file);
}

CXString CPath::resolveFileName(const CXString& name) const
{
    return resolveFileName(window_, name);
}

CXString CPath::SetExtension(const CXString& ext)
{
    const int dot = path_.Find('.');
    path_ = dot < 0 ? path_ + "." + ext : path_.Left(dot + 1) + ext;
    return path_;
}

bool CPath::isCD() const
{
    return currentPath_.IsString() && platform::drives().typeOf(currentPath_.GetAt(0)) == platform::DriveType::CdRom;
}

CXString CPath::getFullPath(const CXString& a, const CXString& b)
{
    CXString result = a;
    if (a.IsString() && a.lastChar() != '\\')
        result += "\\";
    result += b;
    return result;
}

CXString CPath::getFullPath(const CXString& a, const CXString& b, const CXString& c)
{
    CXString result = a;
    result += "\\";
    if (b.IsString()) {
        result += b;
        result += "\\";
    }
    result += c;
    return result;
}

CXString CPath::resolveFileName(CWindow* window, const CXString& name)
{
    return expand(name, CWindowLink::cdPath());
}

CXString CPath::resolveFileNameEx(CWindow* window, const CXString& name)
{
    return expand(name, CWindowLink::rootPath());
}

CXString CPath::expand(const CXString& name, const CXString& markerRoot)
{
    const bool marked = hasRootMarker(name);
    const CXString rest = marked ? name.Right(1) : name;
    if (rest.Find('?') < 0)
        return marked ? markerRoot + rest : rest;

    CStringTokenizer tokens(rest, "?");
    CXString folder = tokens.nextToken();
    CXString file = tokens.nextToken();
    if (!file.IsString()) {
        // "?x.cnv": the one token is the file.
        file = folder;
        folder = "";
    }
    if (!marked)
        return getFullPath(CFile::getCurrentDirectory(), folder, file);
    // The root the marker named takes the place of the current folder; it ends with a backslash.
    return markerRoot + (folder.IsString() ? folder + "\\" + file : file);
}
