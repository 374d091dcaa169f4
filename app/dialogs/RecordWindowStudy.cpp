#include <QHideEvent>
#include <QLabel>
#include <QPushButton>

#include "app/analysis/StudySession.h"
#include "app/dialogs/RecordWindow.h"

namespace torvane {

void RecordWindow::BuildStudyControls() {
    studyButton_ = new QPushButton("検討", this);
    studyButton_->setObjectName("study");
    studyButton_->setCheckable(true);
    studyButton_->setAutoDefault(false);
    studyButton_->setToolTip("盤の局面をコンピュータが考え続けます");
    studyText_ = TextLabel("studyText");
    connect(studyButton_, &QPushButton::toggled, this, &RecordWindow::SetStudying);
    connect(study_, &StudySession::updated, this, &RecordWindow::RenderStudy);
    connect(study_, &StudySession::failed, this, [this] {
        SetStudying(false);
        studyText_->setText("コンピュータが応答しないので、検討をやめました");
        studyText_->show();
    });
}

void RecordWindow::ShowingPosition(int ply, const std::vector<RecordedMove>& variation) {
    shownPly_ = std::clamp(ply, 0, static_cast<int>(listed_.size()));
    shownVariation_ = variation;
    if (variation.empty() && lineStep_ != 0) {  // the board left the engine's line
        lineStep_ = 0;
        RenderDetails();
    }
    if (!Studying()) return;
    std::vector<RecordedMove> moves(listed_.begin(), listed_.begin() + shownPly_);
    moves.insert(moves.end(), variation.begin(), variation.end());
    if (!study_->Follow(start_, moves, drops_)) {
        SetStudying(false);
        studyText_->setText("コンピュータを起動できません");
        studyText_->show();
    }
}

void RecordWindow::SetStudying(bool on) {
    on = on && engineAllowed_;
    if (studyButton_->isChecked() != on) return studyButton_->setChecked(on);
    studyText_->clear();
    studyText_->setVisible(on);
    if (on) return ShowingPosition(shownPly_, shownVariation_);
    study_->Stop();
}

bool RecordWindow::Studying() const {
    return studyButton_->isChecked();
}

// Depth and score, the best lines with their scores, and whether the study has stopped.
void RecordWindow::RenderStudy() {
    if (!Studying()) return;
    const StudyReport& report = study_->Report();
    QStringList text;
    if (report.lines.empty())
        text << (report.settled ? "この局面は終局しています" : "考えています…");
    else
        text << QString("深さ %1  評価値 %2")
                    .arg(report.depth)
                    .arg(ScoreText(report.lines.front().score));
    for (std::size_t i = 0; i < report.lines.size(); ++i) {
        QString line = QString("%1. %2").arg(i + 1).arg(ScoreText(report.lines[i].score));
        if (!report.lines[i].line.empty()) line += "  " + LineText(report.lines[i].line);
        text << line;
    }
    if (report.settled && !report.lines.empty())
        text << QString("深さ%1まで読んだので止めました（局面が変わると考え直します）")
                    .arg(report.depth);
    studyText_->setText(text.join("\n"));
    GrowToFit();
}

// A window closed stops its study.
void RecordWindow::hideEvent(QHideEvent* event) {
    SetStudying(false);
    QWidget::hideEvent(event);
}

}  // namespace torvane
