#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QTimer>
#include <functional>

namespace torvane {

// Draws pictures at sizes the build did not draw, away from the moment they are first asked
// for: a picture takes several milliseconds to draw, so while the window is being resized a
// stand-in is shown, and once the size has stayed put for a moment the pictures are drawn one
// per pass of the event loop. Each picture is kept where `store` puts it; `drawn` says one is
// ready. It belongs to the application.
class PictureDrawer : public QObject {
    Q_OBJECT
public:
    static PictureDrawer& instance();

    // Asks for picture `key` to be drawn by `draw` and handed to `store`. `slot` names what the
    // picture is for (a piece, the title): a request for another picture in the same slot
    // replaces the older one, and waits for the sizes to stay put again.
    void Want(const QString& slot, const QString& key, std::function<QImage()> draw,
              std::function<void(const QImage&)> store);
    bool pending() const { return !pending_.isEmpty(); }

signals:
    void drawn();

private:
    explicit PictureDrawer(QObject* parent);
    void DrawNext();

    struct Request {
        QString key;
        std::function<QImage()> draw;
        std::function<void(const QImage&)> store;
    };
    QHash<QString, Request> pending_;
    QTimer timer_;
};

}  // namespace torvane
