#pragma once

#include <QAbstractButton>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <functional>

#include "UiHelpers.h"

namespace torvane {

// Runs `act` on the dialog of type D as soon as it is the open modal window, from inside its
// event loop, the way a player would work in it.
template <class D>
void WhenOpen(std::function<void(D&)> act) {
    auto* poll = new QTimer;
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(*dialog);
    });
    poll->start();
}

// Types `text` into `box`: ASCII key by key, Japanese as an input method commits it.
inline void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(box, QString(c));
            continue;
        }
        QInputMethodEvent commit;
        commit.setCommitString(QString(c));
        QApplication::sendEvent(box, &commit);
    }
}

inline void Type(QWidget& dialog, const char* name, const QString& text) {
    Type(dialog.findChild<QLineEdit*>(name), text);
}

// A left click on the button `name`, in the dialog's window coordinates.
inline void Click(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(name);
    QPoint at = button->mapTo(&dialog, button->rect().center());
    QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, at);
}

// A port nobody listens on at the moment.
inline quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    return probe.serverPort();
}

inline QString TextOf(Form1& form, const char* label) {
    return form.findChild<QLabel*>(label)->text();
}

inline QPlainTextEdit* ChatLog(Form1& form) {
    return form.findChild<QPlainTextEdit*>("Text100");
}

inline bool WaitFor(std::function<bool()> condition) {
    return QTest::qWaitFor(condition, 10000);
}

}  // namespace torvane
