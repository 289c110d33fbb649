// The help window: pages, pictures and style sheets come from the help file.
#pragma once

#include <QTextBrowser>
#include <QUrl>

#include "platform/qt/help/chm_archive.h"

namespace quorbals::help {

class HelpViewer : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* owner);

    // Shows topic (a file name inside the help file) of the help file at
    // helpFile, opening that file first when it is not the one open.
    void ShowTopic(const QByteArray& helpFile, const QString& topic);

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
};

}  // namespace quorbals::help
