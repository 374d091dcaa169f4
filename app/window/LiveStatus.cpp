#include "app/window/LiveStatus.h"

namespace torvane {

namespace {

constexpr int kKept = 4;

}  // namespace

Announcement::Announcement(const QString& news, QWidget* parent) : QWidget(parent) {
    setObjectName("Announcement");
    setAccessibleName(news);
    setGeometry(0, 0, 0, 0);
}

LiveStatus::LiveStatus(QWidget* parent) : QWidget(parent) {
    setObjectName("LiveStatus");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
}

void LiveStatus::Announce(const QString& news) {
    const QList<Announcement*> older = findChildren<Announcement*>();
    for (qsizetype i = 0; i + kKept - 1 < older.size(); ++i) delete older[i];
    (new Announcement(news, this))->show();
}

QString LiveStatus::Latest() const {
    const QList<Announcement*> all = findChildren<Announcement*>();
    return all.isEmpty() ? QString() : all.back()->accessibleName();
}

}  // namespace torvane
