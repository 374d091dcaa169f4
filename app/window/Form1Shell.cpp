#include <QCloseEvent>
#include <QCoreApplication>

#include "app/dialogs/DialogScale.h"
#include "app/dialogs/FileDialogs.h"
#include "app/dialogs/Form8.h"
#include "app/dialogs/PictureDialog.h"
#include "app/window/Form1.h"

namespace torvane {

// --- Resignation and exit --------------------------------------------------------------------

void Form1::touryou_Click() {
    game_.touryou_Click();
    Render();
}

bool Form1::ConfirmExit() {
    return AskYesNo("終了しますか?");
}

// The program ends at once: the event loop stops, no further handler runs and nothing is
// sent; an open connection goes with the process.
void Form1::EndProgram() {
    exiting_ = true;
    QCoreApplication::exit(0);
}

void Form1::apuri_Click() {
    if (ConfirmExit()) EndProgram();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (exiting_ || ConfirmExit()) {
        event->accept();
        EndProgram();
    } else {
        event->ignore();
    }
}

// --- Background music ------------------------------------------------------------------------
// The player polls its status every 55 ms on its own timer while the loop runs; it lives in
// this window, so its ticks come on the window's event thread.

void Form1::saii_Click() {
    MMControl1->StartLoop();
}

void Form1::teisi_Click() {
    MMControl1->StopLoop();
}

// Cancelling the dialog leaves the music as it was.
void Form1::sonotaa_Click() {
    const QString path = AskOpenFileName(this, kMusicDialogTitle, kMusicDialogFilter, scale_,
                                         preferences_.Folder("music"));
    if (path.isEmpty()) return;
    preferences_.KeepFolderOf("music", path);
    MMControl1->ChooseFile(path);
}

// --- Background pictures ---------------------------------------------------------------------
// A cancelled dialog or a file that is not a picture changes nothing.

void Form1::sonota_Click() {
    const QImage picture = ChoosePicture(this, scale_);
    if (!picture.isNull()) client_->SetPicture(picture);
}

void Form1::booob_Click() {
    const QImage picture = ChoosePicture(this, scale_);
    if (!picture.isNull()) Picture1->SetBackground(picture);
}

// --- Help and about --------------------------------------------------------------------------

// The help window is made at the window's scale, and made again when the scale has changed.
void Form1::readme_Click() {
    if (help_ && helpScale_ != scale_) {
        delete help_;
        help_ = nullptr;
    }
    if (!help_) {
        help_ = new HelpWindow(this, helpFile_);
        ScaleDialog(*help_, scale_);
        helpScale_ = scale_;
    }
    help_->ShowContents();
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void Form1::pajyonn_Click() {
    Form8 about(this);
    ScaleDialog(about, scale_);
    about.exec();
}

}  // namespace torvane
