#include "network/CInternet.h"

#include "foundation/CCommandLine6.h"
#include "foundation/CXArray.h"
#include "foundation/RelativeNames.h"
#include "network/CDownloadListener.h"
#include "platform/AtomicFile.h"
#include "platform/Files.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

constexpr size_t kLongestName = 259;

using Result = platform::HttpTransfer::Result;

// The native path of a file name below the working folder; empty for a name that would leave it.
std::string localPathOf(const CXString& file)
{
    if (!foundation::isNameBelowFolder(file, kLongestName))
        return std::string();
    const std::string folder = platform::files().currentFolder();
    return folder.empty() ? std::string() : platform::files().nativePath(folder + "\\" + file.c_str());
}

} // namespace

const char* const CInternet::CANNOT_CREATE = "Nie moge utworzyc pliku.";
const char* const CInternet::STOPPED = "Wczytywanie pliku zostalo przerwane.";
const char* const CInternet::READ_FAILED = "Blad podczas wczytywania danych.";

CInternet::CInternet() : CInternet(CXString(CCommandLine6::DefaultServer))
{
}

CInternet::CInternet(const CXString& server)
{
    init(server);
}

CInternet::~CInternet()
{
    {
        platform::CriticalSection::Scoped hold(listenersLock_);
        listeners_->removeAll();
    }
    stopWorker();
}

void CInternet::init(const CXString& server)
{
    listeners_ = std::make_unique<CXArray>(101, 0.75f);
    connected_ = platform::HttpTransfer::canConnect(server.c_str(), CONNECT_CHECK_MS);
}

void CInternet::stopWorker()
{
    stopDownload();
    worker_.join();
}

void CInternet::GET(const CXString& base, const CXString& file)
{
    stopWorker();
    fileName_ = file;
    if (!connected_)
        return;
    url_ = std::string(base.c_str()) + file.c_str();
    localPath_ = localPathOf(file);
    received_.store(0);
    total_.store(0);
    success_.store(false);
    running_.store(true);
    failure_ = Failure::None;
    http_ = std::make_unique<platform::HttpTransfer>();
    transferring_.store(true);
    worker_.start([this](platform::Thread&) { transfer(); });
}

void CInternet::transfer()
{
    report(http_->get(url_, *this));
    transferring_.store(false);
    ended_.set();
}

bool CInternet::onResponse(int status, int64_t contentLength)
{
    setTotalSize(std::max<int64_t>(contentLength, 0));
    if (!fileName_.IsString() || !running_.load())
        return false;
    if (status >= 400) {
        failure_ = Failure::NotFound;
        return false;
    }
    file_ = std::make_unique<platform::AtomicFile>(localPath_, platform::AtomicFile::Durability::Unsynced);
    if (!file_->isOpen()) {
        failure_ = Failure::CannotCreate;
        return false;
    }
    return true;
}

bool CInternet::onBlock(const void* data, size_t size)
{
    if (!file_->write(data, size)) {
        failure_ = Failure::Unwritten;
        return false;
    }
    onDownload(int64_t(size));
    return running_.load();
}

void CInternet::report(Result result)
{
    const bool stopped = !running_.load();
    const bool complete = result == Result::Complete && failure_ == Failure::None && !stopped;
    const bool kept = complete && file_ != nullptr && file_->commit();
    // Gone before anyone hears of a failure: no partial file is ever seen under a name.
    file_.reset();
    // An address that gave no response is not told, unless the owner stopped the wait for it.
    if (!fileName_.IsString() || (result == Result::NotOpened && !stopped))
        return;
    if (kept)
        return onDownloadFinish();
    if (complete)
        failure_ = Failure::CannotCreate;
    switch (failure_) {
    case Failure::NotFound:
        return onError(CXString("Plik ") + fileName_ + " nie zostal znaleziony na serwerze.");
    case Failure::CannotCreate:
        onError(CANNOT_CREATE);
        return onError(READ_FAILED);
    case Failure::Unwritten:
        return onError(READ_FAILED);
    case Failure::None:
        return onError(stopped ? STOPPED : READ_FAILED);
    }
}

void CInternet::registerListener(CDownloadListener* listener)
{
    platform::CriticalSection::Scoped hold(listenersLock_);
    listeners_->add(listener);
}

void CInternet::removeListener(CDownloadListener* listener)
{
    platform::CriticalSection::Scoped hold(listenersLock_);
    listeners_->remove(listener);
}

void CInternet::tellListeners(const std::function<void(CDownloadListener*)>& call)
{
    platform::CriticalSection::Scoped hold(listenersLock_);
    std::vector<CDownloadListener*> registered;
    for (int i = 0; i < listeners_->getSize(); ++i)
        registered.push_back(static_cast<CDownloadListener*>((*listeners_)[i]));
    // A listener may remove another (or itself) while it is told.
    for (CDownloadListener* listener : registered) {
        if (listeners_->contains(listener))
            call(listener);
    }
}

void CInternet::onDownloadFinish()
{
    success_.store(true);
    tellListeners([](CDownloadListener* listener) { listener->onDownloadFinish(); });
}

void CInternet::onError(const CXString& message)
{
    success_.store(false);
    tellListeners([&message](CDownloadListener* listener) { listener->onError(message); });
}

void CInternet::onDownload(int64_t n)
{
    received_.fetch_add(n);
}

void CInternet::stopDownload()
{
    running_.store(false);
    // Also a server that sends nothing lets go at once.
    if (http_ != nullptr)
        http_->stop();
}

bool CInternet::doDownload() const
{
    return running_.load();
}

bool CInternet::isSuccess() const
{
    return success_.load();
}

int64_t CInternet::getDataBytes() const
{
    return received_.load();
}

int64_t CInternet::getTotalSize() const
{
    return total_.load();
}

void CInternet::setTotalSize(int64_t size)
{
    total_.store(size);
}

bool CInternet::waitForEnd(uint32_t ms)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (transferring_.load()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        ended_.wait(uint32_t(left.count()));
    }
    return true;
}
