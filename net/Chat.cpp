#include "net/NetSession.h"
#include "net/PeerText.h"

namespace torvane {

// A line that cannot be sent (no connection) is not shown in the log. The log shows the line
// as the peer's log does: a control character, a line break among them, becomes U+FFFD there,
// so each entry of the log is one line.
bool NetSession::SendChat(const std::string& typed) {
    if (typed.empty()) return true;
    std::string line = ui.Text2 + ">>" + typed;
    if (!Send(CodeMsg{MessageCode::ChatLine, line})) return false;
    AppendToChatLog(PeerText(line));
    return true;
}

// The message sound plays even with sound effects switched off. The line is shown at once;
// no other event is let in here, so nothing can act in the middle of a received message.
void NetSession::ReceiveChat(const std::string& line) {
    AppendToChatLog(line);
    shell_.PlaySound(game_.MessageSoundId);
    shell_.RepaintNow();
}

// The log keeps the newest lines that fit in kMaxChatBytes, and always the newest line; the
// window keeps the newest line in view and adds only what is new, so a line costs the same
// however long the conversation has been.
void NetSession::AppendToChatLog(const std::string& line) {
    ui.Text100 += line;
    ui.Text100 += '\n';
    ++ui.Text100Appended;
    ++ui.Text100Lines;
    std::size_t cut = 0;
    while (ui.Text100.size() - cut > kMaxChatBytes && ui.Text100Lines > 1) {
        cut = ui.Text100.find('\n', cut) + 1;
        --ui.Text100Lines;
    }
    ui.Text100.erase(0, cut);
}

void NetSession::ClearChatLog() {
    ui.Text100.clear();
    ++ui.Text100Cleared;
    ui.Text100Lines = 0;
}

}  // namespace torvane
