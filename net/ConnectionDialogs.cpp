#include "net/NetSession.h"

namespace torvane {

bool NetSession::ConnectDialogOk(const std::string& handle, const std::string& address,
                                 const std::string& port) {
    connection_.Close();
    if (handle.empty()) {
        shell_.ShowMessage("ハンドルネームを入力してください");
        return false;
    }
    if (address.empty()) {
        shell_.ShowMessage("IPアドレスを入力してください");
        return false;
    }
    if (port.empty()) {
        shell_.ShowMessage("ポート番号を入力してください");
        return false;
    }
    game_.AwaitConnection();
    ui.setudann = true;
    game_.EnterNetworkMode(*this);
    ui.Text2 = ui.Label16 = handle;
    std::optional<int> number = ParsePort(port);
    if (!number) {
        ConnectionSetupFailed({kNotAPortNumber, {}}, port);
        return false;
    }
    ui.Label7 = "接続中...";
    connection_.Connect(address, *number);
    return true;
}

bool NetSession::ListenDialogOk(const std::string& handle, const std::string& port) {
    if (handle.empty()) {
        shell_.ShowMessage("ハンドルネームを入力してください");
        return false;
    }
    if (port.empty()) {
        shell_.ShowMessage("ポート番号を入力してください");
        return false;
    }
    game_.AwaitConnection();
    ui.Text2 = handle;
    ui.Text3 = port;
    ui.Label16 = handle;
    std::optional<int> number = ParsePort(port);
    if (!number) {
        ConnectionSetupFailed({kNotAPortNumber, {}}, port);
        return false;
    }
    ui.Label7 = "ポート" + port + "を監視中...";
    if (std::optional<ConnectionError> error = connection_.Listen(*number)) {
        ConnectionSetupFailed(*error, port);
        return false;
    }
    game_.EnterNetworkMode(*this);
    return true;
}

// The dialog stays open for another try, and the program is back to having no connection. A
// failure other than the two the player can mend replaces the listening text, which would
// otherwise claim a port that nobody listens on.
void NetSession::ConnectionSetupFailed(const ConnectionError& error, const std::string& port) {
    ui.setudann = false;
    game_.ConnectionNotMade();
    if (error.number == kNotAPortNumber) {
        shell_.ShowMessage("ポート番号は数字で入力してください。");
        ui.Label16.clear();
    } else if (error.number == kAddressInUse) {
        shell_.ShowMessage("ポート" + port + "は使用されています。");
        ui.Label16.clear();
    } else {
        ui.Label7 = error.description;
    }
}

}  // namespace torvane
