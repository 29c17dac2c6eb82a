// SPDX-License-Identifier: GPL-3.0-or-later
// lobby_bench: what a busy quadrino-lobby costs and how fast it tells its watchers, and what
// its relay adds to a game's bytes. The lobby runs as its own process (the real program) and
// this one plays every client on plain sockets, so the lobby's processor time and memory are
// its own.
//   (a) 2,500 hosts register games, 7,500 more players sign in; then games change one at a
//       time and each change is timed until the last of the 10,000 has its line.
//   (b) 100 games relayed through the lobby: round trips of small messages through the relay
//       and over direct loopback connections, and the throughput of all relays at once.
//   lobby_bench [--clients N] [--games N] [--relays N]
#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <string>
#include <sys/epoll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "proc_status.h"

namespace {

using Clock = std::chrono::steady_clock;
double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

int connectTo(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        std::perror("connect");
        std::exit(1);
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return fd;
}

void sendAll(int fd, const std::string& bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const ssize_t n = ::send(fd, bytes.data() + at, bytes.size() - at, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            std::perror("send");
            std::exit(1);
        }
        at += static_cast<std::size_t>(n);
    }
}

// Every socket read through one epoll; each complete line goes to the handler of its socket.
class Lines {
public:
    using Handler = std::function<void(int index, const std::string& line)>;
    Lines() : ep_(::epoll_create1(EPOLL_CLOEXEC)) {}
    ~Lines() { ::close(ep_); }
    int add(int fd) {
        const int index = static_cast<int>(fds_.size());
        fds_.push_back(fd);
        partial_.emplace_back();
        epoll_event ev{};
        ev.events = EPOLLIN;
        ev.data.u32 = static_cast<std::uint32_t>(index);
        ::epoll_ctl(ep_, EPOLL_CTL_ADD, fd, &ev);
        return index;
    }
    int fd(int index) const { return fds_[static_cast<std::size_t>(index)]; }
    // Reads until `done` holds or `limitMs` passes; false on the timeout.
    bool until(const std::function<bool()>& done, const Handler& handler, int limitMs = 120000) {
        const auto end = Clock::now() + std::chrono::milliseconds(limitMs);
        std::vector<epoll_event> events(256);
        char buf[65536];
        while (!done()) {
            if (Clock::now() > end) return false;
            const int n = ::epoll_wait(ep_, events.data(), static_cast<int>(events.size()), 100);
            for (int k = 0; k < n; ++k) {
                const auto i = events[static_cast<std::size_t>(k)].data.u32;
                const ssize_t got = ::recv(fds_[i], buf, sizeof buf, MSG_DONTWAIT);
                if (got <= 0) {
                    if (got == 0) {
                        std::fprintf(stderr, "lobby_bench: the lobby closed connection %u\n", i);
                        std::exit(1);
                    }
                    continue;
                }
                std::string& p = partial_[i];
                p.append(buf, static_cast<std::size_t>(got));
                std::size_t from = 0;
                for (std::size_t nl; (nl = p.find('\n', from)) != std::string::npos; from = nl + 1)
                    handler(static_cast<int>(i), p.substr(from, nl - from));
                p.erase(0, from);
            }
        }
        return true;
    }

private:
    int ep_;
    std::vector<int> fds_;
    std::vector<std::string> partial_;
};

struct Lobby {
    pid_t pid = 0;
    int port = 0;
    Lobby(const QString& binDir, int port_, std::vector<std::string> extra) : port(port_) {
        const std::string program = (binDir + "/quadrino-lobby").toStdString();
        std::vector<std::string> args{program, "--listen", "127.0.0.1", "--port", std::to_string(port),
                                      "--per-address", "100000", "--max-connections", "20000"};
        args.insert(args.end(), extra.begin(), extra.end());
        pid = ::fork();
        if (pid == 0) {
            std::vector<char*> argv;
            for (auto& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, STDERR_FILENO);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        // Ready once it accepts.
        for (int i = 0; i < 100; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
            sockaddr_in a{};
            a.sin_family = AF_INET;
            a.sin_port = htons(static_cast<std::uint16_t>(port));
            a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            const bool up = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
            ::close(fd);
            if (up) return;
            ::usleep(50000);
        }
        std::fprintf(stderr, "lobby_bench: %s did not start\n", program.c_str());
        std::exit(1);
    }
    ~Lobby() {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
    }
    // Processor time of the lobby so far, in seconds.
    double cpu() const {
        FILE* f = std::fopen(("/proc/" + std::to_string(pid) + "/stat").c_str(), "r");
        if (!f) return 0;
        char buf[1024] = {};
        const std::size_t n = std::fread(buf, 1, sizeof buf - 1, f);
        std::fclose(f);
        const char* p = std::strrchr(buf, ')');
        if (!p || n == 0) return 0;
        unsigned long utime = 0, stime = 0;
        // Fields after the name: state, then 10 more before utime and stime.
        std::sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime, &stime);
        return static_cast<double>(utime + stime) / static_cast<double>(::sysconf(_SC_CLK_TCK));
    }
    long rssKiB() const { return residentMemory(QString("/proc/%1/status").arg(pid)).first; }
};

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size())))];
}

// A port where nothing listens, so every game is checked in vain and relayed.
int closedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

void listing(const QString& binDir, int port, int clients, int games) {
    Lobby lobby(binDir, port, {});
    Lines lines;
    const int gamePort = closedPort();
    std::vector<std::string> ids(static_cast<std::size_t>(games));
    int hosted = 0, relayed = 0, listed = 0;
    std::map<std::string, int> hostOf;
    auto onLine = [&](int i, const std::string& l) {
        if (l.starts_with("HOSTED\t")) {
            ids[static_cast<std::size_t>(i)] = l.substr(7);
            hostOf[l.substr(7)] = i;
            ++hosted;
        } else if (i == 0 && l.starts_with("GAME\t") && l.find("\trelay\t") != std::string::npos) {
            ++relayed;
        } else if (l.starts_with("LISTED\t")) {
            ++listed;
        }
    };
    const auto start = Clock::now();
    const double cpu0 = lobby.cpu();
    for (int i = 0; i < games; ++i) {
        const int idx = lines.add(connectTo(port));
        sendAll(lines.fd(idx), "HELLO\t1\thost" + std::to_string(i) + "\nHOST\t" + std::to_string(gamePort) + "\t1\t0\t0\tbench\n");
        if (i % 100 == 99) lines.until([&] { return listed >= i + 1; }, onLine);
    }
    if (!lines.until([&] { return hosted == games && relayed >= games; }, onLine)) {
        std::fprintf(stderr, "lobby_bench: only %d of %d games were listed\n", relayed, games);
        std::exit(1);
    }
    const double cpuGames = lobby.cpu() - cpu0;
    const auto gamesDone = Clock::now();
    for (int i = games; i < clients; ++i) {
        const int idx = lines.add(connectTo(port));
        sendAll(lines.fd(idx), "HELLO\t1\tplayer" + std::to_string(i) + "\n");
        if (i % 100 == 99) lines.until([&] { return listed >= i + 1; }, onLine);
    }
    lines.until([&] { return listed >= clients; }, onLine);
    const double cpuSignIn = lobby.cpu() - cpu0 - cpuGames;
    const auto signedIn = Clock::now();
    const long rssFull = lobby.rssKiB();

    // One change at a time, timed until the last watcher has it.
    const int changes = 100;
    std::vector<double> lastMs, medianMs;
    const double cpu1 = lobby.cpu();
    for (int c = 0; c < changes; ++c) {
        const int host = c % games;
        const std::string watchers = std::to_string(1 + c % 9);
        const std::string want = "GAME\t" + ids[static_cast<std::size_t>(host)] + "\thost" + std::to_string(host);
        std::vector<double> arrived;
        arrived.reserve(static_cast<std::size_t>(clients));
        const auto sent = Clock::now();
        sendAll(lines.fd(host), "HOST\t" + std::to_string(gamePort) + "\t1\t" + watchers + "\t0\tbench\n");
        lines.until([&] { return static_cast<int>(arrived.size()) >= clients; },
                    [&](int, const std::string& l) {
                        if (l.starts_with(want)) arrived.push_back(ms(Clock::now() - sent));
                    });
        lastMs.push_back(*std::max_element(arrived.begin(), arrived.end()));
        medianMs.push_back(percentile(arrived, 0.5));
    }
    const double cpuChanges = lobby.cpu() - cpu1;
    std::printf("(a) listing: %d signed-in clients, %d listed games (real sockets, lobby in its own process)\n",
                clients, games);
    std::printf("    registering the games:     %.1f s wall, %.2f s lobby CPU\n", ms(gamesDone - start) / 1000, cpuGames);
    std::printf("    signing in the rest:       %.1f s wall, %.2f s lobby CPU (each is sent the %d games)\n",
                ms(signedIn - gamesDone) / 1000, cpuSignIn, games);
    std::printf("    lobby resident memory:     %.1f MiB\n", static_cast<double>(rssFull) / 1024.0);
    std::printf("    a game's change to the last of %d watchers: p50 %.1f ms, p99 %.1f ms, max %.1f ms "
                "(median watcher p50 %.1f ms; %.2f ms lobby CPU per change)\n",
                clients, percentile(lastMs, 0.5), percentile(lastMs, 0.99), percentile(lastMs, 1.0),
                percentile(medianMs, 0.5), cpuChanges * 1000 / changes);
    for (int i = 0; i < clients; ++i) ::close(lines.fd(i));
}

// Round trips of a small message between the two ends of each pair, every pair at once.
std::vector<double> roundTrips(const std::vector<std::pair<int, int>>& pairs, int rounds) {
    const int ep = ::epoll_create1(EPOLL_CLOEXEC);
    std::vector<Clock::time_point> sentAt(pairs.size());
    std::vector<int> done(pairs.size(), 0);
    std::vector<std::size_t> got(pairs.size() * 2, 0);
    const std::string msg(32, 'r');
    for (std::size_t p = 0; p < pairs.size(); ++p) {
        for (int side = 0; side < 2; ++side) {
            epoll_event ev{};
            ev.events = EPOLLIN;
            ev.data.u64 = p * 2 + static_cast<std::size_t>(side);
            ::epoll_ctl(ep, EPOLL_CTL_ADD, side == 0 ? pairs[p].first : pairs[p].second, &ev);
        }
        sentAt[p] = Clock::now();
        sendAll(pairs[p].first, msg);
    }
    std::vector<double> rtt;
    std::size_t finished = 0;
    std::vector<epoll_event> events(256);
    char buf[4096];
    while (finished < pairs.size()) {
        const int n = ::epoll_wait(ep, events.data(), static_cast<int>(events.size()), 1000);
        if (n <= 0) break;
        for (int k = 0; k < n; ++k) {
            const std::size_t key = events[static_cast<std::size_t>(k)].data.u64, p = key / 2;
            const bool joinerSide = key % 2 == 0;
            const int fd = joinerSide ? pairs[p].first : pairs[p].second;
            const ssize_t r = ::recv(fd, buf, sizeof buf, MSG_DONTWAIT);
            if (r <= 0) continue;
            got[key] += static_cast<std::size_t>(r);
            if (got[key] < msg.size()) continue;
            got[key] -= msg.size();
            if (!joinerSide) {
                sendAll(pairs[p].second, msg); // the far end answers
            } else {
                rtt.push_back(ms(Clock::now() - sentAt[p]));
                if (++done[p] == rounds) {
                    ++finished;
                } else {
                    sentAt[p] = Clock::now();
                    sendAll(pairs[p].first, msg);
                }
            }
        }
    }
    ::close(ep);
    return rtt;
}

// Bytes a second from the first of each pair to the second, all pairs at once, for `seconds`.
double throughput(const std::vector<std::pair<int, int>>& pairs, double seconds) {
    const int ep = ::epoll_create1(EPOLL_CLOEXEC);
    for (std::size_t p = 0; p < pairs.size(); ++p) {
        ::fcntl(pairs[p].first, F_SETFL, ::fcntl(pairs[p].first, F_GETFL) | O_NONBLOCK);
        epoll_event out{};
        out.events = EPOLLOUT;
        out.data.u64 = p * 2;
        ::epoll_ctl(ep, EPOLL_CTL_ADD, pairs[p].first, &out);
        epoll_event in{};
        in.events = EPOLLIN;
        in.data.u64 = p * 2 + 1;
        ::epoll_ctl(ep, EPOLL_CTL_ADD, pairs[p].second, &in);
    }
    const std::string block(16384, 'b');
    char buf[65536];
    std::size_t received = 0;
    const auto start = Clock::now();
    const auto end = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    std::vector<epoll_event> events(256);
    while (Clock::now() < end) {
        const int n = ::epoll_wait(ep, events.data(), static_cast<int>(events.size()), 100);
        for (int k = 0; k < n; ++k) {
            const std::size_t key = events[static_cast<std::size_t>(k)].data.u64, p = key / 2;
            if (key % 2 == 0) {
                [[maybe_unused]] const ssize_t s = ::send(pairs[p].first, block.data(), block.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
            } else {
                for (ssize_t r; (r = ::recv(pairs[p].second, buf, sizeof buf, MSG_DONTWAIT)) > 0;)
                    received += static_cast<std::size_t>(r);
            }
        }
    }
    const double elapsed = ms(Clock::now() - start) / 1000;
    ::close(ep);
    return static_cast<double>(received) / elapsed;
}

// `count` relayed games, each with one joiner joined through the lobby: (joiner's link, host's link).
std::vector<std::pair<int, int>> relayPairs(int port, int count) {
    Lines lines;
    const int gamePort = closedPort();
    std::vector<int> hosts, joiners;
    std::map<std::string, int> hostOfId;
    std::map<int, std::string> idOfHost;
    int relayed = 0;
    for (int i = 0; i < count; ++i) {
        hosts.push_back(lines.add(connectTo(port)));
        sendAll(lines.fd(hosts.back()), "HELLO\t1\trelayhost" + std::to_string(i) + "\nHOST\t" + std::to_string(gamePort) + "\t1\t0\t0\t\n");
    }
    lines.until([&] { return relayed >= count; }, [&](int i, const std::string& l) {
        if (l.starts_with("HOSTED\t")) idOfHost[i] = l.substr(7);
        if (i == hosts[0] && l.starts_with("GAME\t") && l.find("\trelay\t") != std::string::npos) ++relayed;
    });
    for (int i = 0; i < count; ++i) {
        joiners.push_back(lines.add(connectTo(port)));
        sendAll(lines.fd(joiners.back()), "HELLO\t1\tjoiner" + std::to_string(i) + "\nJOIN\t" + idOfHost[hosts[static_cast<std::size_t>(i)]] + "\n");
    }
    std::vector<std::pair<int, int>> pairs(static_cast<std::size_t>(count), {-1, -1});
    std::map<std::string, std::size_t> pairOfTicket;
    int accepted = 0;
    lines.until([&] { return accepted >= count; }, [&](int i, const std::string& l) {
        if (l.starts_with("ROUTE\t")) {
            const std::string ticket = l.substr(l.rfind('\t') + 1);
            const std::size_t p = static_cast<std::size_t>(i - count);
            pairOfTicket[ticket] = p;
            pairs[p].first = connectTo(port);
            sendAll(pairs[p].first, "RELAY\t" + ticket + "\n");
        } else if (l.starts_with("OPEN\t")) {
            const std::string ticket = l.substr(5, l.find('\t', 5) - 5);
            const std::size_t p = pairOfTicket.at(ticket);
            pairs[p].second = connectTo(port);
            sendAll(pairs[p].second, "ACCEPT\t" + ticket + "\n");
            ++accepted;
        }
    });
    // The signed-in links stay open with their games for the run: their descriptors are kept.
    return pairs;
}

// Direct loopback pairs through a listening socket of our own.
std::vector<std::pair<int, int>> directPairs(int count) {
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(listener, 1024);
    socklen_t len = sizeof a;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&a), &len);
    std::vector<std::pair<int, int>> pairs;
    for (int i = 0; i < count; ++i) {
        const int c = connectTo(ntohs(a.sin_port));
        const int s = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        const int one = 1;
        ::setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        pairs.emplace_back(c, s);
    }
    ::close(listener);
    return pairs;
}

void relay(const QString& binDir, int port, int games) {
    const int rounds = 200;
    const auto direct = directPairs(games);
    const auto directRtt = roundTrips(direct, rounds);
    std::printf("(b) relay: %d games, one joiner each, %d round trips of 32 bytes per game, all games at once\n",
                games, rounds);
    std::printf("    direct loopback:           p50 %.3f ms, p99 %.3f ms\n", percentile(directRtt, 0.5),
                percentile(directRtt, 0.99));
    for (const char* rate : {"64", "1048576"}) {
        Lobby lobby(binDir, port, {"--relay-rate", rate});
        const auto pairs = relayPairs(port, games);
        const auto rtt = roundTrips(pairs, rounds);
        const double cpu0 = lobby.cpu();
        const double bytesPerSecond = throughput(pairs, 3.0);
        const double cpu = lobby.cpu() - cpu0;
        std::printf("    relayed, cap %s KiB/s:%s p50 %.3f ms, p99 %.3f ms (added p50 %.3f ms, p99 %.3f ms); "
                    "throughput %.1f MiB/s in all, %.1f KiB/s a game, lobby CPU %.0f%%\n",
                    rate, std::string(8 - std::strlen(rate), ' ').c_str(), percentile(rtt, 0.5), percentile(rtt, 0.99),
                    percentile(rtt, 0.5) - percentile(directRtt, 0.5), percentile(rtt, 0.99) - percentile(directRtt, 0.99),
                    bytesPerSecond / 1048576, bytesPerSecond / 1024 / games, cpu / 3.0 * 100);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::signal(SIGPIPE, SIG_IGN);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    int clients = 10000, games = 2500, relays = 100;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string opt = argv[i];
        const int v = std::atoi(argv[i + 1]);
        if (opt == "--clients") clients = v;
        else if (opt == "--games") games = v;
        else if (opt == "--relays") relays = v;
    }
    rlimit r{};
    ::getrlimit(RLIMIT_NOFILE, &r);
    r.rlim_cur = r.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &r);
    if (r.rlim_cur < static_cast<rlim_t>(clients) + 64) {
        std::fprintf(stderr, "lobby_bench: %lu open files allowed, %d clients need more\n",
                     static_cast<unsigned long>(r.rlim_cur), clients);
        return 1;
    }
    const QString binDir = QCoreApplication::applicationDirPath();
    const int port = 30000 + ::getpid() % 20000;
    listing(binDir, port, clients, std::min(games, clients));
    relay(binDir, port + 1, relays);
    return 0;
}
