#include "foundation/CFileNameResolver.h"

#include "foundation/CStringTokenizer.h"
#include "foundation/CXArray.h"

CFileNameResolver::CFileNameResolver(const CXString& path)
    : path_(path), drive_(0), directories_(new CXArray(101, 0.75f))
{
    if (path_.IsString())
        split();
}

CFileNameResolver::~CFileNameResolver()
{
    CXString::releaseToVector(directories_);
}

void CFileNameResolver::split()
{
    CStringTokenizer components(path_, "\\");
    CXString current = components.nextToken();
    if (current.lastChar() == ':')
        drive_ = static_cast<unsigned char>(current.GetAt(0));
    CXString previous;
    while (components.hasMoreTokens()) {
        if (previous.IsString())
            directories_->add(new CXString(previous));
        previous = current;
        current = components.nextToken();
    }
    // A single component counts as a directory as well as the file.
    const CXString& last = previous.IsString() ? previous : current;
    if (last.IsString())
        directories_->add(new CXString(last));

    if (!current.IsString())
        return;
    fileName_ = current;
    CStringTokenizer parts(fileName_, ".");
    pureFileName_ = parts.nextToken();
    extension_ = parts.nextToken();
}
