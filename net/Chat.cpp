#include "net/NetSession.h"

namespace torvane {

// A line that cannot be sent (no connection) is neither shown nor kept; the window clears the
// input box either way.
void NetSession::SendChat(const std::string& typed) {
    if (typed.empty()) return;
    std::string line = ui.Text2 + ">>" + typed;
    if (!Send(CodeMsg{MessageCode::ChatLine, line})) return;
    AppendToChatLog(line);
}

// The message sound plays even with sound effects switched off. The line is shown at once;
// no other event is let in here, so nothing can act in the middle of a received message.
void NetSession::ReceiveChat(const std::string& line) {
    AppendToChatLog(line);
    shell_.PlaySound(game_.MessageSoundId);
    shell_.RepaintNow();
}

// The log keeps the newest lines; the window keeps the newest line in view and adds only what
// is new, so a line costs the same however long the conversation has been.
void NetSession::AppendToChatLog(const std::string& line) {
    ui.Text100 += line;
    ui.Text100 += '\n';
    ++ui.Text100Appended;
    if (++chatLines_ <= kMaxChatLines) return;
    ui.Text100.erase(0, ui.Text100.find('\n') + 1);
    --chatLines_;
}

void NetSession::ClearChatLog() {
    ui.Text100.clear();
    ++ui.Text100Cleared;
    chatLines_ = 0;
}

}  // namespace torvane
