#pragma once

#include <httplib.h>

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// One client connection as the HTTP library reads and writes it. Reading goes through a buffer
// and has a deadline for the whole request, so that a client sending a byte now and then
// cannot hold its thread for long; the pieces of a response are collected and leave in one
// send when the request is done (TCP_NODELAY), so that no piece waits for the client's
// delayed acknowledgement.
class TConnection : public httplib::Stream {
  public:
    using Clock = std::chrono::steady_clock;

    TConnection(int socket, const std::atomic<bool>& stopping);

    // Waits up to idle for the first byte of the next request; false when none came, the
    // client closed the connection or the server stops.
    bool WaitForRequest(std::chrono::milliseconds idle);
    // The headers are in: the rest of the request has until the whole request's deadline.
    void HeadersRead();
    // The request is read; answering it has no deadline.
    void RequestRead() { deadline_ = Clock::time_point::max(); }
    // Sends what the response wrote; false when the client cannot take it.
    bool Flush();
    // Ends the connection once the answer is sent (a request that could not be parsed leaves
    // the stream at no known place).
    void CloseAfterAnswer() { closing_ = true; }
    bool Closing() const { return closing_; }

    Clock::time_point RequestStart() const { return requestStart_; }
    // The request's first bytes (up to 300, the request line unless it is longer), for logging
    // a request that could not be parsed.
    const QByteArray& FirstLine() const { return firstLine_; }

    bool is_readable() const override;
    bool is_writable() const override { return true; }
    ssize_t read(char* data, size_t size) override;
    ssize_t write(const char* data, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    socket_t socket() const override { return socket_; }

  private:
    bool waitReadable(Clock::time_point until) const;
    bool sendAll();

    int socket_;
    const std::atomic<bool>& stopping_;
    QByteArray input_;
    qsizetype inputStart_ = 0;
    QByteArray output_;
    QByteArray firstLine_;
    bool headersRead_ = false;
    bool outputFailed_ = false;
    bool closing_ = false;
    Clock::time_point requestStart_ = Clock::now();
    Clock::time_point deadline_ = Clock::time_point::max();
};

// The connection the calling thread serves, or null outside of a request.
TConnection* CurrentConnection();

// The HTTP library's server with connections of the kind above: keeps a connection open for
// many requests, and stops reading from idle and half-sent requests when it is told to stop.
class THttpServer : public httplib::Server {
  public:
    THttpServer();
    void Stop();

  private:
    bool process_and_close_socket(socket_t socket) override;

    std::atomic<bool> stopping_{false};
};

// Threads started as jobs come, up to a limit, and kept for the next ones. Each connection is a
// job, so slow clients occupy threads of their own instead of the ones other clients need; with a
// limit of 1 every job runs on the same thread, in order.
class TWorkerThreads : public httplib::TaskQueue {
  public:
    explicit TWorkerThreads(size_t limit) : limit_(limit) {}
    ~TWorkerThreads() override;
    void enqueue(std::function<void()> job) override;
    void shutdown() override;

  private:
    void work();

    const size_t limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    std::vector<std::thread> threads_;
    size_t idle_ = 0;
    bool stopping_ = false;
};
