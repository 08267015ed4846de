#include "network/CMC_Internet.h"

#include "foundation/CMElement.h"
#include "foundation/CSelfExtract.h"
#include "network/CInternet.h"
#include "script/CMC_TypeIds.h"

namespace {

// How scripts spell the characters that separate a script line's arguments.
CXString unescaped(const CXString& text)
{
    return text.replace("&equals", "=").replace("&slash", "/");
}

} // namespace

CMC_Internet::CMC_Internet(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_INTERNET)
{
    const CXString server = element->getPropertyValue("SERVER");
    download_ = server.IsString() ? std::make_unique<CInternet>(server) : std::make_unique<CInternet>();
    download_->registerListener(this);
    initializeBehaviours(container, element);
}

CMC_Internet::~CMC_Internet()
{
    beginDestruction();
    download_.reset();
}

CXString** CMC_Internet::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL", "ONCONNECTED", "ONDOWNLOADED"});
}

void CMC_Internet::onDownloadFinish()
{
    finished_.store(true);
}

void CMC_Internet::flushDownloadFinished()
{
    // Cleared before the handlers run: a download they start and that ends meanwhile is not lost.
    if (finished_.exchange(false))
        onSignal("ONDOWNLOADED");
}

void CMC_Internet::get(const CXString& host, const CXString& file)
{
    download_->GET(unescaped(CXString("http://") + host), unescaped(file));
}

void CMC_Internet::extract(const CXString& package, const CXString& folder)
{
    CSelfExtract reader(CXString("temp\\") + package);
    if (reader.ReadTOC())
        reader.ExtractFiles(folder);
}

int CMC_Internet::getProgress() const
{
    const int64_t total = download_->getTotalSize();
    if (total <= 0)
        return 0;
    // Exact for any size: bytes * 100 does not fit 64 bits past 92 PB.
    const __int128 percent = static_cast<__int128>(download_->getDataBytes()) * 100 / total;
    return static_cast<int>(percent > INT32_MAX ? INT32_MAX : percent);
}
