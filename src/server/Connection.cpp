#include "server/Connection.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace {

using namespace std::chrono_literals;
using Clock = TConnection::Clock;

// The request line and headers must be in within this time from the request's first byte,
// the whole request (a picture of 8 MiB over a slow line included) within the second.
constexpr auto kHeaderTime = 10s;
constexpr auto kWholeRequestTime = 120s;
// Longest pause within a request, and longest wait for a client to take an answer's bytes.
constexpr auto kPauseTime = 5s;
// How long a kept-alive connection may wait for its next request, and how many it may send.
constexpr auto kIdleTime = 5s;
constexpr int kRequestsPerConnection = 10000;
// Waits are cut in slices of this length to notice that the server stops.
constexpr auto kSlice = 200ms;
// A response longer than this leaves in pieces of this size.
constexpr qsizetype kSendPiece = 256 * 1024;

thread_local TConnection* currentConnection = nullptr;

int millisecondsUntil(Clock::time_point until) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
    return static_cast<int>(std::clamp<long long>(left.count(), 0, kSlice / 1ms));
}

bool pollFor(int socket, short events, int milliseconds) {
    pollfd entry{socket, events, 0};
    int result;
    do {
        result = ::poll(&entry, 1, milliseconds);
    } while (result < 0 && errno == EINTR);
    return result > 0;
}

void describe(const sockaddr_storage& address, std::string& ip, int& port) {
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
        inet_ntop(AF_INET, &v4.sin_addr, text, sizeof(text));
        port = ntohs(v4.sin_port);
    } else if (address.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
        inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof(text));
        port = ntohs(v6.sin6_port);
    }
    ip = text;
}

}  // namespace

TConnection* CurrentConnection() {
    return currentConnection;
}

TConnection::TConnection(int socket, const std::atomic<bool>& stopping)
    : socket_(socket), stopping_(stopping) {
    int yes = 1;
    setsockopt(socket_, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof(yes));
}

bool TConnection::WaitForRequest(std::chrono::milliseconds idle) {
    headersRead_ = false;
    firstLine_.clear();
    const auto until = Clock::now() + idle;
    while (inputStart_ == input_.size() && !stopping_) {
        if (pollFor(socket_, POLLIN, millisecondsUntil(until))) {
            break;
        }
        if (Clock::now() >= until) {
            return false;
        }
    }
    requestStart_ = Clock::now();
    deadline_ = requestStart_ + kHeaderTime;
    return !stopping_;
}

void TConnection::HeadersRead() {
    headersRead_ = true;
    deadline_ = requestStart_ + kWholeRequestTime;
}

// Readable before the deadline, within a pause; a request whose headers are not in yet is
// given up when the server stops.
bool TConnection::waitReadable(Clock::time_point until) const {
    const auto pauseEnd = Clock::now() + kPauseTime;
    for (;;) {
        const auto end = std::min(until, pauseEnd);
        if (pollFor(socket_, POLLIN, millisecondsUntil(end))) {
            return true;
        }
        if (Clock::now() >= end || (stopping_ && !headersRead_)) {
            return false;
        }
    }
}

bool TConnection::is_readable() const {
    return inputStart_ < input_.size() || waitReadable(deadline_);
}

ssize_t TConnection::read(char* data, size_t size) {
    if (inputStart_ == input_.size()) {
        // The client may wait for an interim answer (100 Continue) before it sends more.
        if (!output_.isEmpty() && !Flush()) {
            return -1;
        }
        if (!waitReadable(deadline_)) {
            return -1;
        }
        input_.resize(16 * 1024);
        inputStart_ = 0;
        ssize_t received;
        do {
            received = ::recv(socket_, input_.data(), static_cast<size_t>(input_.size()), 0);
        } while (received < 0 && errno == EINTR);
        input_.resize(std::max<ssize_t>(received, 0));
        if (received <= 0) {
            return received;
        }
    }
    const qsizetype count =
        std::min<qsizetype>(static_cast<qsizetype>(size), input_.size() - inputStart_);
    std::copy_n(input_.constData() + inputStart_, count, data);
    if (!firstLine_.contains('\n') && firstLine_.size() < 300) {
        firstLine_.append(input_.constData() + inputStart_,
                          std::min<qsizetype>(count, 300 - firstLine_.size()));
    }
    inputStart_ += count;
    return count;
}

ssize_t TConnection::write(const char* data, size_t size) {
    if (outputFailed_) {
        return -1;
    }
    output_.append(data, static_cast<qsizetype>(size));
    if (output_.size() >= kSendPiece && !sendAll()) {
        return -1;
    }
    return static_cast<ssize_t>(size);
}

bool TConnection::Flush() {
    return output_.isEmpty() ? !outputFailed_ : sendAll();
}

bool TConnection::sendAll() {
    qsizetype sent = 0;
    while (!outputFailed_ && sent < output_.size()) {
        const ssize_t count = ::send(socket_, output_.constData() + sent,
                                     static_cast<size_t>(output_.size() - sent), MSG_NOSIGNAL);
        if (count > 0) {
            sent += count;
        } else if (count < 0 && errno == EINTR) {
            continue;
        } else if (!(count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) ||
                   !pollFor(socket_, POLLOUT, static_cast<int>(kPauseTime / 1ms))) {
            outputFailed_ = true;
        }
    }
    output_.clear();
    return !outputFailed_;
}

void TConnection::get_remote_ip_and_port(std::string& ip, int& port) const {
    sockaddr_storage address{};
    socklen_t length = sizeof(address);
    if (getpeername(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        describe(address, ip, port);
    }
}

void TConnection::get_local_ip_and_port(std::string& ip, int& port) const {
    sockaddr_storage address{};
    socklen_t length = sizeof(address);
    if (getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        describe(address, ip, port);
    }
}

THttpServer::THttpServer() {
    // The library sets a receive timeout on each socket; the connection's own waits apply.
    set_read_timeout(std::chrono::duration_cast<std::chrono::seconds>(kPauseTime));
    set_write_timeout(std::chrono::duration_cast<std::chrono::seconds>(kPauseTime));
    // What the library tells clients in its Keep-Alive header.
    set_keep_alive_max_count(kRequestsPerConnection);
    set_keep_alive_timeout(std::chrono::duration_cast<std::chrono::seconds>(kIdleTime).count());
}

void THttpServer::Stop() {
    stopping_ = true;
    stop();
}

bool THttpServer::process_and_close_socket(socket_t socket) {
    TConnection connection(socket, stopping_);
    currentConnection = &connection;
    for (int count = kRequestsPerConnection; count > 0; --count) {
        if (!connection.WaitForRequest(kIdleTime)) {
            break;
        }
        bool closed = false;
        const bool answered =
            process_request(connection, count == 1 || stopping_, closed, [](httplib::Request&) {});
        if (!connection.Flush() || !answered || closed || connection.Closing()) {
            break;
        }
    }
    currentConnection = nullptr;
    ::shutdown(socket, SHUT_RDWR);
    ::close(socket);
    return true;
}

TWorkerThreads::~TWorkerThreads() {
    shutdown();
}

void TWorkerThreads::enqueue(std::function<void()> job) {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
    if (idle_ < jobs_.size() && threads_.size() < limit_) {
        threads_.emplace_back([this] { work(); });
    }
    wake_.notify_one();
}

void TWorkerThreads::shutdown() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) {
        if (thread.joinable()) {
            thread.join();
        }
    }
}

void TWorkerThreads::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        ++idle_;
        wake_.wait(lock, [&] { return stopping_ || !jobs_.empty(); });
        --idle_;
        if (jobs_.empty()) {
            return;
        }
        std::function<void()> job = std::move(jobs_.front());
        jobs_.pop_front();
        lock.unlock();
        job();
        lock.lock();
    }
}
