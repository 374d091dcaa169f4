#include "app/window/HandCount.h"

#include <QPainter>
#include <algorithm>
#include <iterator>
#include <vector>

#include "record/Notation.h"
#include "rules/PieceKind.h"

namespace torvane {

namespace {

// Each kind with its count, strongest first; kinds not held are left out.
std::vector<std::pair<PieceKind, int>> Counts(const HandCells& held) {
    std::vector<std::pair<PieceKind, int>> counts;
    for (auto kind = std::rbegin(kAllKinds); kind != std::rend(kAllKinds); ++kind) {
        int n = 0;
        for (const Cell& slot : held)
            if (HoldsPiece(slot) && slot.Kind == *kind) ++n;
        if (n > 0) counts.emplace_back(*kind, n);
    }
    return counts;
}

QString Join(const HandCells& held, const char* times, const char* unit, bool countOne) {
    QStringList parts;
    for (const auto& [kind, n] : Counts(held)) {
        QString part = QString::fromUtf8(KanjiOf(kind));
        if (n > 1 || countOne) part += QString::fromUtf8(times) + QString::number(n) + unit;
        parts << part;
    }
    return parts.join(' ');
}

}  // namespace

QString HandCountText(const HandCells& held) {
    return Join(held, "×", "", false);
}

QString HandCountWords(const HandCells& held) {
    return Join(held, "", "枚", true);
}

HandCount::HandCount(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
}

void HandCount::Show(const HandCells& held, Side side) {
    const QString words = HandCountWords(held);
    setAccessibleName(QString::fromStdString(SideName(side)) + "の持ち駒 " +
                      (words.isEmpty() ? QString("なし") : words));
    const QString text = HandCountText(held);
    if (text == this->text()) return;
    setText(text);
    update();
}

namespace {

// The kinds in lines no wider than `width`, a kind never broken apart.
QStringList Lines(const QStringList& kinds, const QFontMetrics& metrics, int width) {
    QStringList lines;
    for (const QString& kind : kinds) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.back() + ' ' + kind) <= width)
            lines.back() += ' ' + kind;
        else
            lines << kind;
    }
    return lines;
}

}  // namespace

// As large as the layout's font, smaller when the kinds would not fit: in as many lines as the
// box holds, down to half the layout's size (and 7 pixels).
void HandCount::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QFont font = this->font();
    const QStringList kinds = text().split(' ', Qt::SkipEmptyParts);
    const int largest = QFontInfo(font).pixelSize();
    QStringList lines;
    for (int size = largest; size >= std::max(7, largest / 2); --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        lines = Lines(kinds, metrics, width());
        const bool fits = std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
            return metrics.horizontalAdvance(line) <= width();
        });
        if (fits && lines.size() * metrics.lineSpacing() <= height()) break;
    }
    p.setFont(font);
    p.setPen(QColor(40, 20, 5));
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, lines.join('\n'));
}

}  // namespace torvane
