#include "app/window/PictureDrawer.h"

#include <QCoreApplication>
#include <QPointer>

namespace torvane {

namespace {

// How long the asked-for sizes must stay put before drawing starts.
constexpr int kQuietMs = 80;

}  // namespace

PictureDrawer& PictureDrawer::instance() {
    static QPointer<PictureDrawer> drawer;
    if (!drawer) drawer = new PictureDrawer(QCoreApplication::instance());
    return *drawer;
}

PictureDrawer::PictureDrawer(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &PictureDrawer::DrawNext);
}

void PictureDrawer::Want(const QString& slot, const QString& key, std::function<QImage()> draw,
                         std::function<void(const QImage&)> store) {
    const auto known = pending_.constFind(slot);
    if (known != pending_.cend() && known->key == key) return;
    pending_.insert(slot, Request{key, std::move(draw), std::move(store)});
    timer_.start(kQuietMs);
}

void PictureDrawer::DrawNext() {
    if (pending_.isEmpty()) return;
    const auto next = pending_.begin();
    const Request request = next.value();
    pending_.erase(next);
    request.store(request.draw());
    if (!pending_.isEmpty()) timer_.start(0);
    emit drawn();
}

}  // namespace torvane
