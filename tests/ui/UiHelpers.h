#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <deque>
#include <string>
#include <vector>

#include "ModalDialog.h"
#include "app/window/Form1.h"
#include "app/window/PictureDrawer.h"

namespace torvane {

// Answers the modal boxes that come up, as the player would: clicks OK, or Yes/No from the
// queue of answers (Yes when it runs dry). Records every text it saw, and every title.
class ModalAnswerer : public ModalWatcher<QMessageBox> {
public:
    ModalAnswerer() : ModalWatcher<QMessageBox>([this](QMessageBox& box) { Answer(box); }) {}
    std::vector<std::string> texts, titles;
    std::deque<bool> answers;

private:
    void Answer(QMessageBox& box) {
        texts.push_back(box.text().toStdString());
        titles.push_back(box.windowTitle().toStdString());
        QAbstractButton* button = box.button(QMessageBox::Ok);
        if (!button) {
            bool yes = answers.empty() ? true : answers.front();
            if (!answers.empty()) answers.pop_front();
            button = box.button(yes ? QMessageBox::Yes : QMessageBox::No);
        }
        button->click();
    }
};

// The program as on its first run: no choice kept from an earlier window.
struct FirstRun {
    FirstRun() { QSettings().clear(); }
};

// A shown main window, as a player sees it, on the first run.
struct ShownForm {
    FirstRun firstRun;
    Form1 form;
    ShownForm() {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) ADD_FAILURE() << "the window was never shown";
    }
    QWindow* window() { return form.windowHandle(); }
    // Sizes the window to `scale` times the design size, as a player dragging its border would,
    // and waits until its pictures are drawn for that size.
    void ScaleTo(double scale) {
        form.ResizeToScale(scale);
        if (!QTest::qWaitFor([&] { return std::abs(form.scale() - scale) < 0.01; }))
            ADD_FAILURE() << "the window did not take the scale " << scale;
        form.grab();
        if (!QTest::qWaitFor([] { return !PictureDrawer::instance().pending(); }))
            ADD_FAILURE() << "the pictures were not drawn";
    }
    QPoint CellCentre(int cell) {
        return form.board()->mapTo(&form, form.board()->CellRect(cell).center());
    }
    QPoint SlotCentre(Hand hand, int slot) {
        return form.hand(hand)->mapTo(&form, form.hand(hand)->SlotRect(slot).center());
    }
    // Press, move and release with the left button, as a real mouse does.
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(window(), Qt::LeftButton, {}, from);
        QTest::mouseMove(window(), (from + to) / 2);
        QTest::mouseMove(window(), to);
        QTest::mouseRelease(window(), Qt::LeftButton, {}, to);
    }
    void DragCell(int from, int to) { Drag(CellCentre(from), CellCentre(to)); }
    void Trigger(const char* action) { form.action(action)->trigger(); }
};

}  // namespace torvane
