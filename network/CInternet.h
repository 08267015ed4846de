#pragma once

#include "foundation/CXString.h"
#include "platform/CriticalSection.h"
#include "platform/Event.h"
#include "platform/HttpTransfer.h"
#include "platform/Thread.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class CDownloadListener;
class CXArray;

namespace platform {
class AtomicFile;
} // namespace platform

// One file fetched over HTTP into the working folder on a worker thread. The listeners are told
// on that thread, in the order they registered, when the file is complete or the download failed.
//
// The body goes to a temporary file beside the target, renamed over it only once the whole body
// arrived: a failed download leaves no partial file and an earlier file as it was. A status of
// 400 or more, fewer bytes than the Content-Length, and a failed read are failures. An address
// that gives no response (no connection, no answer, not HTTP) ends without a word to anyone
// unless the download was stopped, as does a download of an empty file name.
//
// The counters and flags are atomics, read by the owner's thread while the worker writes them.
// The owner's thread starts, stops and deletes; a second GET, and the destructor, stop and join a
// download still running first.
class CInternet : private platform::HttpSink {
public:
    // How long the connection check made at construction waits for the server.
    static constexpr uint32_t CONNECT_CHECK_MS = 3000;
    static const char* const CANNOT_CREATE;   // "Nie moge utworzyc pliku."
    static const char* const STOPPED;         // "Wczytywanie pliku zostalo przerwane."
    static const char* const READ_FAILED;     // "Blad podczas wczytywania danych."

    // Checks the maker's server (the command line's default).
    CInternet();
    // Checks that server: an address, or a host with an optional port.
    explicit CInternet(const CXString& server);
    // Forgets the listeners, then stops and joins a download still running.
    virtual ~CInternet();
    CInternet(const CInternet&) = delete;
    CInternet& operator=(const CInternet&) = delete;

    // Fetches base + file into `file` below the working folder of now (a name that would leave it
    // cannot be created). Nothing when the connection check failed. Not from a listener.
    void GET(const CXString& base, const CXString& file);
    void registerListener(CDownloadListener* listener);
    // Waits for a listener call running on the worker: once it returns, the listener is never called.
    void removeListener(CDownloadListener* listener);

    // Whether the server answered the connection check.
    bool isConnected() const { return connected_; }
    CXString getFilename() const { return fileName_; }
    // Adds bytes to those received.
    void onDownload(int64_t n);
    // The download ends at once, as stopped (also one still waiting for its response); after its
    // end this changes nothing.
    void stopDownload();
    // Whether the download may go on (not stopped).
    bool doDownload() const;
    // Whether the last download arrived complete.
    bool isSuccess() const;
    int64_t getDataBytes() const;
    // The Content-Length of the response, 0 without one.
    int64_t getTotalSize() const;
    void setTotalSize(int64_t size);

    // Every listener's onDownloadFinish, success set first.
    void onDownloadFinish();
    // Every listener's onError, success cleared first.
    void onError(const CXString& message);

    // Waits up to ms milliseconds of real time for the running download to end, listeners told;
    // true when none runs.
    bool waitForEnd(uint32_t ms);

private:
    enum class Failure { None, NotFound, CannotCreate, Unwritten };

    void init(const CXString& server);
    // The worker's body.
    void transfer();
    // Keeps a complete file and tells the listeners how the download ended.
    void report(platform::HttpTransfer::Result result);
    void tellListeners(const std::function<void(CDownloadListener*)>& call);
    void stopWorker();
    bool onResponse(int status, int64_t contentLength) override;
    bool onBlock(const void* data, size_t size) override;

    bool connected_ = false;
    CXString fileName_;
    std::string url_;
    // The native path of the local file; empty when the name may not be created.
    std::string localPath_;
    std::atomic<int64_t> received_{0};
    std::atomic<int64_t> total_{0};
    std::atomic<bool> running_{true};
    std::atomic<bool> success_{false};
    std::atomic<bool> transferring_{false};
    // The worker's alone while it runs.
    Failure failure_ = Failure::None;
    std::unique_ptr<platform::AtomicFile> file_;
    std::unique_ptr<CXArray> listeners_;
    platform::CriticalSection listenersLock_;
    std::unique_ptr<platform::HttpTransfer> http_;
    platform::Event ended_;
    platform::Thread worker_;
};
