#include <QLabel>

#include "app/window/Fonts.h"
#include "app/window/Form1.h"
#include "app/window/Twips.h"

namespace torvane {

QLabel* Form1::AddLabel(const QString& name, const QString& text, QWidget* parent, QRect rect,
                        qreal points, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);  // handles and chat come from the peer: never markup
    label->setFont(UiFont(points, bold));
    label->setGeometry(rect);
    return label;
}

TexturePanel* Form1::AddPanel(const QString& name, const QString& texture, QWidget* parent,
                              QRect rect) {
    auto* panel = new TexturePanel(name, texture, parent);
    panel->setGeometry(rect);
    return panel;
}

// Every control at its place in twips; the names are the controls' names.
void Form1::BuildControls() {
    client_ = new TexturePanel("Form1Client", "felt", this);
    client_->setFixedSize(Px(10995), Px(7155));
    setCentralWidget(client_);

    Picture2 = new HandView(game_, Hand::Image5, client_);
    Picture2->setGeometry(TwipRect(30, 120, 1855, 3060));
    auto* picture7 = AddPanel("Picture7", "wood", client_, TwipRect(30, 3240, 1855, 375));
    Label4 = AddLabel("Label4", "後手", picture7, TwipRect(20, 21, 550, 281), 11.25, true);
    Label3 = AddLabel("Label3", kZeroClock, picture7, TwipRect(600, 0, 1200, 315), 14.25, true);
    auto* picture6 = AddPanel("Picture6", "wood", client_, TwipRect(30, 3660, 1855, 375));
    Label2 = AddLabel("Label2", "先手", picture6, TwipRect(20, 15, 555, 285), 11.25, true);
    Label1 = AddLabel("Label1", kZeroClock, picture6, TwipRect(600, 0, 1200, 315), 14.25, true);
    for (QLabel* marker : {Label2, Label4}) {
        marker->setAlignment(Qt::AlignCenter);
        marker->setAutoFillBackground(true);
    }
    for (QLabel* clock : {Label1, Label3}) clock->setAlignment(Qt::AlignCenter);
    Picture3 = new HandView(game_, Hand::Image4, client_);
    Picture3->setGeometry(TwipRect(30, 4080, 1855, 3060));

    auto* picture12 = AddPanel("Picture12", "wood", client_, TwipRect(1920, 80, 5470, 615));
    Label8 = AddLabel("Label8", "", picture12, TwipRect(1260, 120, 2820, 420), 14.25, true);
    Label8->setAlignment(Qt::AlignCenter);

    Picture1 = new BoardView(game_, client_);
    Picture1->setGeometry(TwipRect(1920, 720, 5470, 5470));

    auto* picture11 = AddPanel("Picture11", "wood", client_, TwipRect(1920, 6240, 5470, 950));
    Label6 = AddLabel("Label6", "入力ボックス（Enterで送信します）", picture11,
                      TwipRect(30, 250, 3200, 210), 8);
    Text1 = new QLineEdit(picture11);
    Text1->setObjectName("Text1");
    Text1->setFont(UiFont(9));
    Text1->setGeometry(TwipRect(0, 460, 5470, 390));

    auto* picture10 = AddPanel("Picture10", "wood", client_, TwipRect(7440, 80, 1575, 2655));
    AddLabel("Label13", "連絡先", picture10, TwipRect(60, -20, 1400, 170), 7);
    Picture13 = new ContactBox(QString::fromUtf8(kContactText), picture10);
    Picture13->setGeometry(TwipRect(40, 130, 1425, 1695));
    AddLabel("Label12", "接続状態", picture10, TwipRect(60, 1860, 1400, 220), 8, true);
    Label7 = AddLabel("Label7", "", picture10, TwipRect(60, 2100, 1480, 520), 8);
    Label7->setWordWrap(true);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    AddLabel("Label5", "受信ボックス", client_, TwipRect(7470, 2770, 1500, 220), 8, true);
    Text100 = new QPlainTextEdit(client_);
    Text100->setObjectName("Text100");
    Text100->setReadOnly(true);
    Text100->setMaximumBlockCount(NetSession::kMaxChatLines + 1);  // + the empty last line
    Text100->setFont(UiFont(9));
    Text100->setGeometry(TwipRect(7440, 3000, 3540, 4140));
    Text100->setEnabled(false);

    auto* picture4 = AddPanel("Picture4", "wood", client_, TwipRect(9120, 80, 1880, 760));
    auto* picture5 = new QLabel(picture4);
    picture5->setObjectName("Picture5");
    picture5->setGeometry(picture4->rect());
    picture5->setPixmap(QPixmap(":/img/title.png"));
    picture5->setScaledContents(true);

    auto* picture9 = AddPanel("Picture9", "wood", client_, TwipRect(9120, 920, 1855, 1815));
    AddLabel("Label9", "貴方のハンドルネーム", picture9, TwipRect(60, 40, 1760, 240), 8, true);
    Label16 = AddLabel("Label16", "", picture9, TwipRect(180, 300, 1640, 260), 9);
    AddLabel("Label10", "相手のハンドルネーム", picture9, TwipRect(60, 620, 1760, 240), 8, true);
    Label15 = AddLabel("Label15", "", picture9, TwipRect(180, 880, 1640, 260), 9);
    AddLabel("Label11", "貴方のIPアドレス", picture9, TwipRect(60, 1200, 1760, 240), 8, true);
    Label14 = AddLabel("Label14", "", picture9, TwipRect(180, 1460, 1640, 260), 9);
}

}  // namespace torvane
