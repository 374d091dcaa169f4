#include "app/dialogs/Form8.h"

#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/Version.h"
#include "app/window/Fonts.h"
#include "app/window/ImageStore.h"
#include "app/window/PictureDrawer.h"
#include "app/window/Twips.h"

namespace torvane {

namespace {

constexpr const char* kBrushFontFile =
    "/usr/share/fonts/truetype/aoyagi-kouzan-t/AoyagiKouzanT.ttf";

// The brush script of the title, loaded from its file once; the interface face in bold when
// the file is missing.
QFont TitleFont(qreal points) {
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(kBrushFontFile));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.first();
    }();
    if (family.isEmpty()) return UiFont(points, true);
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

}  // namespace

const QString Form8::kDescription = QStringLiteral(
    "動物をコマとし使い、そのコマには強弱関係があり、いわゆる強弱強食です。"
    "その動物の大小関係さえわかれば、すぐにゲームが出来て楽しく遊べます。");

QLabel* Form8::AddLabel(const char* name, const QString& text, QRect rect, qreal points,
                        Qt::Alignment alignment) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(UiFont(points));
    label->setAlignment(alignment);
    // The boxes are laid out for a font of twelve pixels a line; a taller line keeps its top.
    rect.setHeight(std::max(rect.height(), label->fontMetrics().height()));
    label->setGeometry(rect);
    return label;
}

Form8::Form8(QWidget* parent) : QDialog(parent) {
    setObjectName("Form8");
    setWindowTitle("パージョン情報");
    setFixedSize(Px(5070), Px(3780));

    image_ = new QLabel(this);
    image_->setObjectName("Image1");
    image_->setGeometry(TwipRect(110, 70, 1350, 1200));
    image_->setScaledContents(true);
    connect(&PictureDrawer::instance(), &PictureDrawer::drawn, this, &Form8::ShowPicture);

    QLabel* title = AddLabel("Label1", "Torvane", TwipRect(1560, 120, 1815, 435), 9);
    title->setFont(TitleFont(21));
    AddLabel("Label2", QStringLiteral("パージョン　%1").arg(kVersion),
             TwipRect(1630, 720, 1710, 180), 9);
    AddLabel("Label3", "ｱﾌﾟﾘｹｰｼｮﾝの説明", TwipRect(1680, 1080, 1410, 180), 9);
    // The description is set a little tighter than the face's own line spacing, so that its
    // three lines fit the box.
    QLabel* about =
        AddLabel("Label4", {}, TwipRect(40, 1320, 5055, 615), 8, Qt::AlignLeft | Qt::AlignTop);
    about->setTextFormat(Qt::RichText);
    about->setText(QStringLiteral("<p style=\"line-height:84%\">%1</p>").arg(kDescription));
    about->setWordWrap(true);

    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    AddLabel("Label5", "製作者：", TwipRect(40, 1920, 2200, 240), 8, right);
    AddLabel("Label6", kMakerName, TwipRect(2280, 1920, 2760, 240), 8);
    AddLabel("Label7", "メールアドレス：", TwipRect(40, 2205, 2200, 240), 8, right);
    AddLabel("Label8", kMakerMail, TwipRect(2280, 2205, 2760, 240), 8);
    AddLabel("Label9", "ホームページアドレス：", TwipRect(40, 2520, 2200, 240), 8, right);
    AddLabel("Label10", kMakerHomePage, TwipRect(2280, 2520, 2760, 240), 8);

    auto* line = new QFrame(this);
    line->setObjectName("Line1");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(TwipRect(40, 2880, 4990, 30));

    QLabel* notice = AddLabel(
        "lblDisclaimer",
        "本ソフトウェアはMITライセンスのフリーソフトウェアです。自由にお使いいただけますが、"
        "使用によって生じたいかなる損害についても製作者は責任を負いません。",
        TwipRect(40, 3000, 3660, 795), 7, Qt::AlignLeft | Qt::AlignTop);
    notice->setWordWrap(true);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Command1");
    ok->setGeometry(TwipRect(3840, 3120, 1095, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

// Centred on the main window as it stands when the box comes up; the client areas of the two
// share their centre.
// The picture as drawn for the size the box is shown at; a picture drawn later shows again.
void Form8::ShowPicture() {
    image_->setPixmap(AboutPixmap(image_->size(), devicePixelRatioF()));
}

void Form8::showEvent(QShowEvent* event) {
    ShowPicture();
    if (QWidget* main = parentWidget())
        setGeometry(QRect(main->window()->geometry().center() - rect().center(), size()));
    QDialog::showEvent(event);
}

}  // namespace torvane
