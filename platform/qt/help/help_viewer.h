// The help window: pages, pictures and style sheets come from the help file.
#pragma once

#include <QTextBrowser>
#include <QUrl>

#include "platform/qt/help/chm_archive.h"

namespace quorbals::help {

// Where a window of `size` stands beside `owner` (outer rectangles) on
// `screen`: to its right when it fits there, else to its left; else on the
// roomier side, narrowed to that room down to `minWidth`; only a screen
// too small for that puts it over the owner, at the screen's right edge.
// Vertically level with the owner and kept on the screen.
QRect BesideOwner(const QRect& owner, const QSize& size, const QRect& screen, int minWidth);

class HelpViewer : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* owner);

    // Shows topic (a file name inside the help file) of the help file at
    // helpFile, opening that file first when it is not the one open.
    void ShowTopic(const QByteArray& helpFile, const QString& topic);

    // Brings the window up for a request: restored when minimised, raised
    // and made active. The first time it stands beside its owner.
    void Present();

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Pages inside the help file are addressed as "chm:/name.htm".
    static constexpr const char* kScheme = "chm";

private:
    void FollowLink(const QUrl& link);
    void ShowMessage(const QString& html);

    ChmArchive archive_;
    bool page_shown_ = false;  // false while a message stands in for a page
    bool placed_ = false;
};

}  // namespace quorbals::help
