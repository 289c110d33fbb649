// The game's news for screen readers: an accessible notification holding
// the latest news in a label, announced again each time news comes. It
// takes no room on screen.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace quorbals {

class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // Makes screen readers read `text`.
    void Announce(const QString& text);
    // The latest news.
    QString Text() const;

private:
    QLabel* label_;
};

}  // namespace quorbals
