#pragma once

#include <QAbstractButton>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <functional>

#include "ModalDialog.h"
#include "ReservedPort.h"
#include "UiHelpers.h"

namespace torvane {

// Types `text` into `box` over what it held (a field may show the last choice): ASCII key by
// key, Japanese as an input method commits it.
inline void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
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

inline QString TextOf(Form1& form, const char* label) {
    return form.findChild<QLabel*>(label)->text();
}

inline QPlainTextEdit* ChatLog(Form1& form) {
    return form.findChild<QPlainTextEdit*>("Text100");
}

inline bool WaitFor(std::function<bool()> condition) {
    return QTest::qWaitFor(std::move(condition), 10000);
}

}  // namespace torvane
