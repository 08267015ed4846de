#include "network/CXSocket.h"

#include "foundation/CStringTokenizer.h"
#include "foundation/CXArray.h"
#include "foundation/NumberText.h"
#include "network/CConnectionAcceptor.h"
#include "network/CMessageStack.h"
#include "network/CNetMessage.h"
#include "platform/TcpSocket.h"

#include <string>

namespace {

// A failing accept that leaves the socket listening (no descriptors left, say) is tried again
// after this pause instead of at once.
constexpr uint32_t kAcceptRetryMs = 50;

bool isPort(int port)
{
    return port >= 0 && port <= 65535;
}

} // namespace

CXString CXSocket::hostname;

CXSocket::CXSocket(CWindow* window)
    : window_(window), socket_(std::make_unique<platform::TcpSocket>()), stack_(std::make_unique<CMessageStack>(this)),
      received_(std::make_unique<CXArray>(101, 0.75f))
{
    if (!socket_->isOpen())
        setErrorCode(NO_SOCKET);
}

CXSocket::CXSocket(CWindow* window, int handle)
    : window_(window), socket_(std::make_unique<platform::TcpSocket>(handle)),
      stack_(std::make_unique<CMessageStack>(this)), received_(std::make_unique<CXArray>(101, 0.75f))
{
    socket_->setSendTimeout(getSendTimeout());
}

CXSocket::~CXSocket()
{
    stop();
}

bool CXSocket::bind(int port)
{
    return isPort(port) && socket_->bindAny(static_cast<uint16_t>(port));
}

bool CXSocket::listen(int backlog)
{
    return socket_->listen(backlog);
}

bool CXSocket::start(int port, int backlog, CConnectionAcceptor* acceptor)
{
    if (!bind(port)) {
        setErrorCode(BIND_FAILED);
        return false;
    }
    if (!listen(backlog)) {
        setErrorCode(LISTEN_FAILED);
        return false;
    }
    acceptor_ = acceptor;
    acceptThread_.start([this](platform::Thread& self) { acceptLoop(self); });
    return true;
}

void CXSocket::acceptLoop(platform::Thread& self)
{
    while (!self.stopRequested()) {
        int handle = -1;
        platform::Ipv4Address peer;
        platform::AcceptResult result = socket_->accept(handle, peer);
        if (result == platform::AcceptResult::Closed)
            return;
        if (result == platform::AcceptResult::Failed) {
            self.waitForStop(kAcceptRetryMs);
            continue;
        }
        auto* connection = new CXSocket(window_, handle);
        // A stopping owner takes nothing more.
        if (self.stopRequested() || acceptor_ == nullptr)
            delete connection;
        else
            acceptor_->onConnected(connection, toIP(peer));
    }
}

void CXSocket::stop()
{
    if (!acceptThread_.joinable())
        return;
    acceptThread_.requestStop();
    socket_->shutdown();
    acceptThread_.join();
}

bool CXSocket::connect(const CXString& host, int port)
{
    CXString address = is_ipaddr(host) ? host : resolve_ip(host);
    platform::Ipv4Address target;
    if (!isPort(port) || !platform::parseIpv4(address.c_str(), target)
        || !socket_->connect(target, static_cast<uint16_t>(port), CONNECT_TIMEOUT_MS)) {
        setErrorCode(CONNECT_FAILED);
        return false;
    }
    socket_->setSendTimeout(getSendTimeout());
    return true;
}

bool CXSocket::send(CNetMessage* message)
{
    std::unique_ptr<CNetMessage> owned(message);
    // A listening socket has no stream to write to.
    if (owned == nullptr || owned->getBuffer() == nullptr || acceptThread_.joinable())
        return false;
    platform::CriticalSection::Scoped hold(sendLock_);
    if (isClosed())
        return false;
    if (socket_->sendAll(owned->getBuffer(), static_cast<size_t>(owned->getBufferLen())))
        return true;
    markClosed(0);
    return false;
}

CXArray* CXSocket::receive()
{
    received_->removeAll();
    if (isClosed())
        return received_.get();
    if (receiveBuffer_.empty())
        receiveBuffer_.resize(RECEIVE_BUFFER);
    int64_t count = socket_->receive(receiveBuffer_.data(), receiveBuffer_.size());
    if (count <= 0) {
        markClosed(0);
        return received_.get();
    }
    stack_->push(receiveBuffer_.data(), static_cast<int>(count));
    while (CNetMessage* message = stack_->get())
        received_->add(message);
    if (stack_->failed())
        markClosed(BAD_FRAME);
    return received_.get();
}

void CXSocket::markClosed(int errorCode)
{
    closed_.store(true, std::memory_order_release);
    if (errorCode != 0)
        setErrorCode(errorCode);
    socket_->shutdown();
}

void CXSocket::shutdown()
{
    socket_->shutdown();
}

int CXSocket::getHandle() const
{
    return socket_->handle();
}

int CXSocket::getPort() const
{
    return socket_->localPort();
}

void CXSocket::initialize()
{
    hostname = platform::hostName().c_str();
}

void CXSocket::done()
{
    hostname = CXString();
}

CXString CXSocket::getHostName()
{
    if (!hostname.IsString())
        initialize();
    return hostname;
}

bool CXSocket::is_ipaddr(const CXString& text)
{
    CStringTokenizer tokens(text, ".");
    int count = 0;
    uint32_t sum = 0;
    while (tokens.hasMoreTokens()) {
        CXString token = tokens.nextToken();
        if (count < 4)
            sum += static_cast<uint32_t>(foundation::parseDecimalInt(token.c_str())) << (8 * count);
        ++count;
    }
    return count == 4 && sum != 0;
}

CXString CXSocket::resolve_ip(const CXString& name)
{
    platform::Ipv4Address address;
    if (!platform::resolveIpv4(name.c_str(), address))
        return CXString();
    return toIP(address);
}

CXString CXSocket::toIP(const platform::Ipv4Address& address)
{
    std::string text;
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            text += '.';
        text += std::to_string(address.bytes[i]);
    }
    return CXString(text.c_str());
}
