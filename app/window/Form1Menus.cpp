#include <QMenuBar>

#include "app/window/Form1.h"

namespace torvane {

QAction* Form1::AddAction(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    actions_.insert(name, action);
    return action;
}

void Form1::AddSeparator(QMenu* menu, const QString& name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    actions_.insert(name, separator);
}

void Form1::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto addMenu = [&](QWidget* parent, const QString& name, const QString& caption) {
        auto* menu = new QMenu(caption, parent);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        actions_.insert(name, menu->menuAction());
        return menu;
    };

    QMenu* gemu = addMenu(bar, "gemu", "ゲーム(&G)");
    bar->addMenu(gemu);
    connect(AddAction(gemu, "kopyuuta", "対局（ネット）(&N)"), &QAction::triggered, this,
            &Form1::kopyuuta_Click);
    QMenu* nigen = addMenu(gemu, "nigen", "対局（人間）(&C)");
    gemu->addMenu(nigen);
    connect(AddAction(nigen, "sutato", "スタート(&S)"), &QAction::triggered, this,
            &Form1::sutato_Click);
    connect(AddAction(gemu, "konpyuta", "対局（コンピュータ）(&P)"), &QAction::triggered, this,
            &Form1::konpyuta_Click);
    connect(AddAction(gemu, "hinto", "ヒント(&T)"), &QAction::triggered, this, &Form1::hinto_Click);
    AddSeparator(gemu, "kugu");
    connect(AddAction(gemu, "touryou", "投了(&F)"), &QAction::triggered, this,
            &Form1::touryou_Click);
    AddSeparator(gemu, "kugir");
    connect(AddAction(gemu, "apuri", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"), &QAction::triggered, this,
            &Form1::apuri_Click);

    QMenu* tyatto = addMenu(bar, "tyatto", "接続(&C)");
    bar->addMenu(tyatto);
    connect(AddAction(tyatto, "suruu", "接続する(&R)"), &QAction::triggered, this,
            &Form1::suruu_Click);
    connect(AddAction(tyatto, "matu", "接続を待つ(&M)"), &QAction::triggered, this,
            &Form1::matu_Click);
    AddSeparator(tyatto, "siki");
    connect(AddAction(tyatto, "setudann", "切断する(&D)"), &QAction::triggered, this,
            &Form1::setudann_Click);

    QMenu* haikeiga = addMenu(bar, "haikeiga", "背景(&K)");
    bar->addMenu(haikeiga);
    connect(AddAction(haikeiga, "sonota", "背景画(&I)"), &QAction::triggered, this,
            &Form1::sonota_Click);
    connect(AddAction(haikeiga, "booob", "ボード盤の背景(&D)"), &QAction::triggered, this,
            &Form1::booob_Click);

    QMenu* bgm = addMenu(bar, "bgm", "BGM(&B)");
    bar->addMenu(bgm);
    connect(AddAction(bgm, "saii", "BGMの再生(&S)"), &QAction::triggered, this, &Form1::saii_Click);
    connect(AddAction(bgm, "teisi", "BGMの停止(&T)"), &QAction::triggered, this,
            &Form1::teisi_Click);
    AddSeparator(bgm, "gukiii");
    connect(AddAction(bgm, "sonotaa", "BGMﾌｧｲﾙの選択(&N)"), &QAction::triggered, this,
            &Form1::sonotaa_Click);

    QAction* opusyonn = bar->addAction("設定(&S)");
    opusyonn->setObjectName("opusyonn");
    actions_.insert("opusyonn", opusyonn);
    connect(opusyonn, &QAction::triggered, this, &Form1::opusyonn_Click);

    QMenu* herupu = addMenu(bar, "herupu", "ヘルプ(&H)");
    bar->addMenu(herupu);
    connect(AddAction(herupu, "readme", "Torvaneのヘルプ"), &QAction::triggered, this,
            &Form1::readme_Click);
    AddSeparator(herupu, "kugiriii");
    connect(AddAction(herupu, "pajyonn", "パージョン情報(&V)"), &QAction::triggered, this,
            &Form1::pajyonn_Click);

    // The game record's menu comes after the program's own menus.
    QMenu* kifu = addMenu(bar, "kifu", "棋譜(&R)");
    bar->addMenu(kifu);
    BuildRecordMenu(kifu);
    AddShortcuts();
}

// Keys for the commands a player uses most, shown in the menus beside the captions. A key
// does what its item does, and nothing while the item is disabled.
void Form1::AddShortcuts() {
    const std::pair<const char*, QKeySequence> keys[] = {
        {"sutato", QKeySequence::New},
        {"matta", QKeySequence::Undo},
        {"hinto", QKeySequence(Qt::CTRL | Qt::Key_H)},
        {"kifuhyouji", QKeySequence(Qt::CTRL | Qt::Key_K)},
        {"readme", QKeySequence::HelpContents},
    };
    for (const auto& [name, key] : keys) actions_.value(name)->setShortcut(key);
}

}  // namespace torvane
