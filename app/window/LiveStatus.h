#pragma once

#include <QWidget>

namespace torvane {

// One piece of news for screen readers: a widget of no size whose accessible name is the news,
// with the role of a notification.
class Announcement : public QWidget {
    Q_OBJECT
public:
    Announcement(const QString& news, QWidget* parent);
};

// News for screen readers, such as each move as it is made: each piece of news is an
// Announcement of its own, shown as it comes; the last few are kept for tools still reading
// them.
//
// Orca reads a notification when it becomes showing, taking its name from the object itself.
// It presents a change of name or description only for the object that has the focus, and
// takes the new text from the event, where Qt 6.4 sends the object instead of the text; so
// neither a label elsewhere nor the focused cell's description would be heard there, while a
// notification is, whatever has the focus. A new object for each piece of news, rather than one
// renamed, keeps the player's move from being read out as the computer's answer that follows it
// at once.
class LiveStatus : public QWidget {
    Q_OBJECT
public:
    explicit LiveStatus(QWidget* parent);

    void Announce(const QString& news);
    // The latest news, or an empty text.
    QString Latest() const;
};

}  // namespace torvane
