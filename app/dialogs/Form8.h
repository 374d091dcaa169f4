#pragma once

#include <QDialog>

class QLabel;

namespace torvane {

// "パージョン情報": the about box, with the title picture, the version, what the game is, who
// made it and how to reach them. Shown modally, centred on the main window; OK closes it.
class Form8 : public QDialog {
    Q_OBJECT
public:
    explicit Form8(QWidget* parent);

    // What the game is, in the box under "ｱﾌﾟﾘｹｰｼｮﾝの説明".
    static const QString kDescription;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowPicture();
    QLabel* AddLabel(const char* name, const QString& text, QRect rect, qreal points,
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

    QLabel* image_;
};

// The texts of the box that are ours to choose.
inline const QString kMakerName = QStringLiteral("Torvane 開発チーム");
inline const QString kMakerMail = QStringLiteral("torvane@example.org");
inline const QString kMakerHomePage = QStringLiteral("https://torvane.example.org");

}  // namespace torvane
