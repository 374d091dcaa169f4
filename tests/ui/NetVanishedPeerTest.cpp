#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "NetTestHelpers.h"
#include "app/dialogs/Form4.h"
#include "app/dialogs/Form5.h"
#include "app/dialogs/Form7.h"

using namespace torvane;

namespace {

// Two network namespaces joined by a virtual Ethernet link, 10.199.0.1 in `a` and 10.199.0.2
// in `b`, made with iproute2 (root only). `Cut()` makes each side send its frames to a
// hardware address nobody has: from then on every packet is lost without a trace, as when the
// peer's machine loses power or its cable is pulled.
class TwoNamespaces {
public:
    TwoNamespaces()
        : a_("torvane-a-" + std::to_string(getpid())),
          b_("torvane-b-" + std::to_string(getpid())),
          home_(open("/proc/thread-self/ns/net", O_RDONLY)) {
        made_ = Run("ip netns add " + a_) && Run("ip netns add " + b_) &&
                Run("ip link add va netns " + a_ + " type veth peer name vb netns " + b_) &&
                Run("ip -n " + a_ + " addr add 10.199.0.1/24 dev va") &&
                Run("ip -n " + b_ + " addr add 10.199.0.2/24 dev vb") &&
                Run("ip -n " + a_ + " link set va up") && Run("ip -n " + b_ + " link set vb up");
    }
    ~TwoNamespaces() {
        setns(home_, CLONE_NEWNET);
        close(home_);
        Run("ip netns del " + a_);
        Run("ip netns del " + b_);
    }
    bool made() const { return made_; }
    // Sockets the calling thread makes from now on, and threads it starts, are in `a` or `b`.
    bool EnterA() { return Enter(a_); }
    bool EnterB() { return Enter(b_); }
    bool Cut() {
        return Run("ip -n " + a_ + " neigh replace 10.199.0.2 lladdr 02:00:00:00:00:99 dev va") &&
               Run("ip -n " + b_ + " neigh replace 10.199.0.1 lladdr 02:00:00:00:00:98 dev vb");
    }

private:
    static bool Run(const std::string& command) {
        return std::system((command + " 2>/dev/null").c_str()) == 0;
    }
    static bool Enter(const std::string& name) {
        int fd = open(("/run/netns/" + name).c_str(), O_RDONLY);
        bool entered = fd >= 0 && setns(fd, CLONE_NEWNET) == 0;
        if (fd >= 0) close(fd);
        return entered;
    }
    std::string a_, b_;
    int home_;
    bool made_ = false;
};

}  // namespace

// The peer's machine vanishes in the middle of a game, on the peer's turn: no close, no reset.
// The keepalive probes go unanswered, the connection fails, and the game ends: clocks stopped,
// board locked, no resignation offered, the socket's text in `Label7`.
TEST(NetVanishedPeer, TheGameEndsWhenTheKeepaliveProbesGoUnanswered) {
    TwoNamespaces net;
    if (!net.made()) GTEST_SKIP() << "needs root and iproute2 to make network namespaces";
    ASSERT_TRUE(net.EnterB());
    ShownForm b;
    ASSERT_TRUE(net.EnterA());
    ShownForm a;
    ModalAnswerer answers;
    WhenModal<Form5>([](Form5& d) {
        Type(d, "Text1", "A");
        Type(d, "Text2", "5000");
        Click(d, "Command1");
    });
    a.Trigger("matu");
    WhenModal<Form4>([](Form4& d) {
        Type(d, "Text1", "B");
        Type(d, "Text2", "10.199.0.1");
        Type(d, "Text3", "5000");
        Click(d, "Command1");
    });
    b.Trigger("suruu");
    ASSERT_TRUE(WaitFor([&] { return TextOf(a.form, "Label15") == "B"; }))
        << TextOf(b.form, "Label7").toStdString() << " / "
        << TextOf(a.form, "Label7").toStdString();
    ASSERT_TRUE(WaitFor([&] { return TextOf(b.form, "Label15") == "A"; }));
    ASSERT_TRUE(a.form.action("kopyuuta")->isEnabled());
    WhenModal<Form7>([](Form7& d) { Click(d, "Command2"); });
    a.Trigger("kopyuuta");
    ASSERT_TRUE(WaitFor([&] { return a.form.game().View().Picture1; }));
    a.DragCell(75, 66);
    ASSERT_TRUE(WaitFor([&] { return b.form.game().View().Picture1; }));
    const QString connected = TextOf(a.form, "Label7");

    ASSERT_TRUE(net.Cut());
    auto cut = std::chrono::steady_clock::now();
    ASSERT_TRUE(QTest::qWaitFor([&] { return TextOf(a.form, "Label7") != connected; }, 120000));
    auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - cut).count();
    std::printf("the lost connection was shown %.1f s after the cut: %s\n", seconds,
                TextOf(a.form, "Label7").toStdString().c_str());
    const Controls& ui = a.form.game().View();
    EXPECT_FALSE(ui.Timer1 || ui.Timer2 || ui.Picture1 || ui.touryou);
    EXPECT_FALSE(a.form.action("touryou")->isEnabled());
    EXPECT_FALSE(a.form.game().NetworkMode());
    EXPECT_TRUE(ui.suruu && ui.matu);
}
