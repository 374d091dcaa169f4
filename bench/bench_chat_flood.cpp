// A chat flood against the real main window over a real TCP connection: a raw peer on a thread
// of its own greets a listening window and sends LINES chat lines of 4,000 bytes, each after the
// quiet period that ends a text. Reports how many lines the window showed as lines of their
// own (none may be merged with the next), the process's resident memory as the lines come, and
// how late a 5 ms probe timer ran on the window's event loop meanwhile (how long the window
// took to answer).
//
//   bench_chat_flood [LINES]     default 1500 (about 105 s)
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "ReservedPort.h"
#include "app/window/Application.h"
#include "app/window/Form1.h"
#include "protocol/MessageEncoder.h"

using namespace torvane;

namespace {

constexpr int kLineBytes = 4000;
constexpr int kLineGapMs = 70;  // longer than the window's quiet period of 60 ms
constexpr int kProbeMs = 5;

double ResidentMiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

void Send(int peer, const CodeMsg& message) {
    const WireBytes bytes = Encode(message);
    for (std::size_t done = 0; done < bytes.size();) {
        ssize_t n = send(peer, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

int ConnectTo(int port) {
    int peer = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(peer, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return -1;
    int one = 1;
    setsockopt(peer, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return peer;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareEnvironment();
    QApplication app(argc, argv);
    SetUpApplication(app);
    const int lines = argc > 1 ? std::max(1, QString(argv[1]).toInt()) : 1500;

    Form1 form;
    form.show();
    ReservedPort port;
    if (!form.session().ListenDialogOk("A", port.text().toStdString())) return 1;
    const int peer = ConnectTo(port.number());
    if (peer < 0) return 1;
    Send(peer, CodeMsg{MessageCode::Hello, "B"});

    const double before = ResidentMiB();
    std::vector<double> lateMs, rss;
    QElapsedTimer sinceProbe;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const double ms = static_cast<double>(sinceProbe.nsecsElapsed()) / 1e6;
        lateMs.push_back(std::max(0.0, ms - kProbeMs));
        sinceProbe.restart();
    });
    // The peer writes on its own thread, whatever the window's thread is doing, and always waits
    // longer than the quiet period between lines, however late its own thread wakes.
    int sent = 0;
    std::atomic<bool> done = false;
    std::thread flood([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the greeting is answered
        for (; sent < lines; ++sent) {
            Send(peer, CodeMsg{MessageCode::ChatLine, std::string(kLineBytes, 'x')});
            if ((sent + 1) % (lines / 5 > 0 ? lines / 5 : 1) == 0) rss.push_back(ResidentMiB());
            std::this_thread::sleep_for(std::chrono::milliseconds(kLineGapMs));
        }
        done = true;
    });
    QEventLoop loop;  // not the application's: quitting that would close the window, asking
    QTimer finished;
    QObject::connect(&finished, &QTimer::timeout, [&] {
        if (!done) return;
        finished.stop();
        QTimer::singleShot(4 * kLineGapMs, &loop, &QEventLoop::quit);
    });
    sinceProbe.start();
    probe.start(kProbeMs);
    finished.start(kLineGapMs);
    loop.exec();
    flood.join();
    close(peer);

    const ConnectionControls& ui = form.session().View();
    std::printf(
        "lines sent %d, shown %llu; the log holds %zu lines, %.1f KiB; resident memory "
        "%.1f MiB before,",
        sent, static_cast<unsigned long long>(ui.Text100Appended), ui.Text100Lines,
        double(ui.Text100.size()) / 1024, before);
    for (double m : rss) std::printf(" %.1f", m);
    std::printf(
        " MiB after each fifth\nevent-loop lateness: median %.2f ms, 99th percentile %.2f "
        "ms, worst %.2f ms over %zu probes\n",
        Percentile(lateMs, 0.5), Percentile(lateMs, 0.99), Percentile(lateMs, 1.0), lateMs.size());
    return 0;
}
