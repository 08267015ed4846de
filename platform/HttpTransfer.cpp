#include "platform/HttpTransfer.h"

#include <curl/curl.h>

#include <mutex>

namespace platform {

namespace {

// Blocks as large as the curl tool reads, so a fast transfer costs few calls.
constexpr long kBlockSize = 128 * 1024;
constexpr long kMostRedirects = 10;
constexpr long kConnectTimeoutMs = 30000;
// Less than one byte a second for this long is a dead connection.
constexpr long kStallSeconds = 60;
// The longest wait for the socket; stop() wakes it sooner.
constexpr int kPollMs = 1000;
// drive()'s answer when stop() ended the transfer.
constexpr int kStoppedCode = -1;

void initializeCurl()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// What a browser would send for the same text.
std::string encoded(const std::string& address)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(address.size());
    for (unsigned char c : address) {
        if (c > 0x20 && c < 0x7F) {
            out += char(c);
            continue;
        }
        out += '%';
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

CURL* newHandle(const std::string& address)
{
    initializeCurl();
    CURL* easy = curl_easy_init();
    if (easy == nullptr)
        return nullptr;
    curl_easy_setopt(easy, CURLOPT_URL, encoded(address).c_str());
    curl_easy_setopt(easy, CURLOPT_USERAGENT, HttpTransfer::USER_AGENT);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    return easy;
}

} // namespace

// One transfer's link between curl's callback and the sink.
struct HttpTransfer::Exchange {
    HttpSink& sink;
    CURL* easy;
    bool responded = false;
    bool endedBySink = false;

    // Tells the sink, once, that the response began; false when it wants no more.
    bool respond()
    {
        if (responded)
            return !endedBySink;
        responded = true;
        long status = 0;
        curl_off_t length = -1;
        curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
        curl_easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        endedBySink = !sink.onResponse(int(status), int64_t(length));
        return !endedBySink;
    }
};

HttpTransfer::HttpTransfer()
{
    initializeCurl();
    multi_ = curl_multi_init();
}

HttpTransfer::~HttpTransfer()
{
    if (multi_ != nullptr)
        curl_multi_cleanup(multi_);
}

void HttpTransfer::stop()
{
    stopped_.store(true, std::memory_order_release);
    if (multi_ != nullptr)
        curl_multi_wakeup(multi_);
}

size_t HttpTransfer::receive(char* data, size_t, size_t count, void* context)
{
    auto* exchange = static_cast<Exchange*>(context);
    if (!exchange->respond())
        return CURL_WRITEFUNC_ERROR;
    if (count > 0 && !exchange->sink.onBlock(data, count)) {
        exchange->endedBySink = true;
        return CURL_WRITEFUNC_ERROR;
    }
    return count;
}

HttpTransfer::Result HttpTransfer::get(const std::string& url, HttpSink& sink)
{
    CURL* easy = newHandle(url);
    if (easy == nullptr || multi_ == nullptr) {
        curl_easy_cleanup(easy);
        return Result::NotOpened;
    }
    Exchange exchange{sink, easy};
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMostRedirects);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
    curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, kBlockSize);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &HttpTransfer::receive);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &exchange);
    const int code = drive(easy);
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    Result result;
    // A response with no body byte is told to the sink only now.
    if (status == 0 && !exchange.responded)
        result = Result::NotOpened;
    else if (!exchange.respond() || code == kStoppedCode)
        result = Result::Ended;
    else
        result = code == CURLE_OK ? Result::Complete : Result::Broken;
    curl_easy_cleanup(easy);
    return result;
}

int HttpTransfer::drive(void* easy)
{
    curl_multi_add_handle(multi_, easy);
    int code = CURLE_RECV_ERROR;
    int active = 1;
    while (active > 0 && !stopped_.load(std::memory_order_acquire)) {
        if (curl_multi_perform(multi_, &active) != CURLM_OK)
            break;
        if (active > 0)
            curl_multi_poll(multi_, nullptr, 0, kPollMs, nullptr);
    }
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &left)) {
        if (message->msg == CURLMSG_DONE)
            code = message->data.result;
    }
    curl_multi_remove_handle(multi_, easy);
    return stopped_.load(std::memory_order_acquire) ? kStoppedCode : code;
}

bool HttpTransfer::canConnect(const std::string& address, uint32_t timeoutMs)
{
    CURL* easy = newHandle(address);
    if (easy == nullptr)
        return false;
    curl_easy_setopt(easy, CURLOPT_CONNECT_ONLY, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, long(timeoutMs));
    const bool connected = curl_easy_perform(easy) == CURLE_OK;
    curl_easy_cleanup(easy);
    return connected;
}

} // namespace platform
