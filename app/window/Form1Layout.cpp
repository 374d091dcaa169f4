#include <QLabel>

#include "app/window/Form1.h"
#include "app/window/ImageStore.h"
#include "app/window/Twips.h"

namespace torvane {

QLabel* Form1::AddLabel(const QString& name, const QString& text, QWidget* parent, QRect twips,
                        qreal points, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);  // handles and chat come from the peer: never markup
    layout_.Place(label, twips, points, bold);
    return label;
}

// A hand's count of pieces by kind, in the wood beside it.
HandCount* Form1::AddHandCount(const QString& name, QWidget* parent, QRect twips) {
    auto* count = new HandCount(name, parent);
    layout_.Place(count, twips, 9, true);
    return count;
}

TexturePanel* Form1::AddPanel(const QString& name, const QString& texture, QWidget* parent,
                              QRect twips) {
    auto* panel = new TexturePanel(name, texture, parent);
    layout_.Place(panel, twips);
    return panel;
}

// Every control at its place in twips, on a stage of the design's proportions that the felt
// of the client area surrounds when the window is wider or taller than the design; the names
// are the controls' names.
void Form1::BuildControls() {
    client_ = new TexturePanel("Form1Client", "felt", this);
    client_->setMinimumSize(kDesignSize);
    setCentralWidget(client_);
    QWidget* stage = stage_ = new QWidget(client_);
    stage->setObjectName("Stage");

    Picture2 = new HandView(game_, Hand::Image5, stage);
    layout_.Place(Picture2, QRect(30, 120, 1855, 3060));
    auto* picture7 = AddPanel("Picture7", "wood", stage, QRect(30, 3240, 1855, 375));
    Label4 = AddLabel("Label4", "後手", picture7, QRect(20, 21, 550, 281), 11.25, true);
    Label3 = AddLabel("Label3", kZeroClock, picture7, QRect(600, 0, 1200, 315), 14.25, true);
    auto* picture6 = AddPanel("Picture6", "wood", stage, QRect(30, 3660, 1855, 375));
    Label2 = AddLabel("Label2", "先手", picture6, QRect(20, 15, 555, 285), 11.25, true);
    Label1 = AddLabel("Label1", kZeroClock, picture6, QRect(600, 0, 1200, 315), 14.25, true);
    for (QLabel* marker : {Label2, Label4}) {
        marker->setAlignment(Qt::AlignCenter);
        marker->setAutoFillBackground(true);
    }
    for (QLabel* clock : {Label1, Label3}) clock->setAlignment(Qt::AlignCenter);
    Picture3 = new HandView(game_, Hand::Image4, stage);
    layout_.Place(Picture3, QRect(30, 4080, 1855, 3060));

    auto* picture12 = AddPanel("Picture12", "wood", stage, QRect(1920, 80, 5470, 615));
    Label8 = AddLabel("Label8", "", picture12, QRect(1260, 120, 2820, 420), 14.25, true);
    Label8->setAlignment(Qt::AlignCenter);
    Picture2->SetCount(AddHandCount("HandCount2", picture12, QRect(60, 45, 1170, 525)));
    // Clear of the board's cells, at the right end of the turn line's panel.
    replayTag_ =
        AddLabel("replayTag", "再生中", picture12, QRect(4380, 150, 960, 360), 11.25, true);
    replayTag_->setAlignment(Qt::AlignCenter);
    replayTag_->setAutoFillBackground(true);
    replayTag_->setPalette(QPalette(Qt::white, QColor(30, 80, 190)));
    replayTag_->hide();

    Picture1 = new BoardView(game_, stage);
    layout_.Place(Picture1, QRect(1920, 720, 5470, 5470));

    auto* picture11 = AddPanel("Picture11", "wood", stage, QRect(1920, 6240, 5470, 950));
    Label6 = AddLabel("Label6", "入力ボックス（Enterで送信します）", picture11,
                      QRect(30, 250, 3200, 210), 8);
    Text1 = new QLineEdit(picture11);
    Text1->setObjectName("Text1");
    layout_.Place(Text1, QRect(0, 460, 5470, 390), 9);
    Picture3->SetCount(AddHandCount("HandCount3", picture11, QRect(30, 5, 3200, 245)));

    auto* picture10 = AddPanel("Picture10", "wood", stage, QRect(7440, 80, 1575, 2655));
    AddLabel("Label13", "連絡先", picture10, QRect(60, -20, 1400, 170), 7);
    Picture13 = new ContactBox(QString::fromUtf8(kContactText), picture10);
    layout_.Place(Picture13, QRect(40, 130, 1425, 1695));
    AddLabel("Label12", "接続状態", picture10, QRect(60, 1860, 1400, 220), 8, true);
    Label7 = AddLabel("Label7", "", picture10, QRect(60, 2100, 1480, 520), 8);
    Label7->setWordWrap(true);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    AddLabel("Label5", "受信ボックス", stage, QRect(7470, 2770, 1500, 220), 8, true);
    Text100 = new QPlainTextEdit(stage);
    Text100->setObjectName("Text100");
    Text100->setReadOnly(true);
    // Nothing is undone in a log: kept undo steps would hold every line ever shown.
    Text100->setUndoRedoEnabled(false);
    layout_.Place(Text100, QRect(7440, 3000, 3540, 4140), 9);
    Text100->setEnabled(false);

    auto* picture4 = AddPanel("Picture4", "wood", stage, QRect(9120, 80, 1880, 760));
    Picture5 = new QLabel(picture4);
    Picture5->setObjectName("Picture5");
    layout_.Place(Picture5, QRect(0, 0, 1880, 760));

    auto* picture9 = AddPanel("Picture9", "wood", stage, QRect(9120, 920, 1855, 1815));
    AddLabel("Label9", "貴方のハンドルネーム", picture9, QRect(60, 40, 1760, 240), 8, true);
    Label16 = AddLabel("Label16", "", picture9, QRect(180, 300, 1640, 260), 9);
    AddLabel("Label10", "相手のハンドルネーム", picture9, QRect(60, 620, 1760, 240), 8, true);
    Label15 = AddLabel("Label15", "", picture9, QRect(180, 880, 1640, 260), 9);
    AddLabel("Label11", "貴方のIPアドレス", picture9, QRect(60, 1200, 1760, 240), 8, true);
    Label14 = AddLabel("Label14", "", picture9, QRect(180, 1460, 1640, 260), 9);
}

// The stage at `scale` times the design size, in the middle of the client area.
void Form1::CentreStage() {
    const QSize stage = (QSizeF(kDesignSize) * scale_).toSize();
    stage_->setGeometry(QRect(
        QPoint((client_->width() - stage.width()) / 2, (client_->height() - stage.height()) / 2),
        stage));
}

// Every control laid out again at `scale`, on the stage of that scale.
void Form1::LayOutAt(double scale) {
    const bool sameScale = scale == scale_;
    scale_ = scale;
    CentreStage();
    if (sameScale) return;
    layout_.Apply(scale);
    Picture1->SetScale(scale);
    Picture2->SetScale(scale);
    Picture3->SetScale(scale);
    Picture13->LayOut(scale);
    Picture13->SetTextTop(ticker_.top());
    PreparePieces(Picture1->PieceSize(), devicePixelRatioF());
    ShowDrawnPictures();
    ScheduleTicker();
}

// The pictures as drawn for the present size so far; a picture drawn later shows it again.
void Form1::ShowDrawnPictures() {
    Picture5->setPixmap(TitlePixmap(Picture5->size(), devicePixelRatioF()));
    Picture1->update();
    Picture2->update();
    Picture3->update();
    if (drag_ && drag_->active()) drag_->Rescale(Picture1->PieceSize());
}

}  // namespace torvane
