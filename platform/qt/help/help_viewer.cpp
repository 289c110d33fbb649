#include "platform/qt/help/help_viewer.h"

#include <QScreen>
#include <algorithm>

#include <QDesktopServices>
#include <QEvent>
#include <QImage>
#include <QKeySequence>
#include <QShortcut>
#include <QTextDocument>

namespace quorbals::help {
namespace {

QString InnerPath(const QUrl& url) {
    QString path = url.path(QUrl::FullyDecoded);
    if (!path.startsWith(u'/')) {
        path.prepend(u'/');
    }
    return path;
}

}  // namespace

QRect BesideOwner(const QRect& owner, const QSize& size, const QRect& screen, int minWidth) {
    const int rightRoom = screen.right() - owner.right();
    const int leftRoom = owner.left() - screen.left();
    int width = size.width();
    int x = 0;
    if (width <= rightRoom) {
        x = owner.right() + 1;
    } else if (width <= leftRoom) {
        x = owner.left() - width;
    } else if (std::max(rightRoom, leftRoom) >= minWidth) {
        width = std::max(rightRoom, leftRoom);
        x = rightRoom >= leftRoom ? owner.right() + 1 : screen.left();
    } else {
        x = std::max(screen.left(), screen.right() + 1 - width);
    }
    const int y = std::clamp(owner.top(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return {x, y, width, size.height()};
}

namespace {
// Narrower than this the pages read badly: the viewer then overlaps.
constexpr int kMinimumWidth = 360;
}  // namespace

void HelpViewer::Present() {
    if (!placed_) {
        placed_ = true;
        if (QWidget* owner = parentWidget()) {
            const QScreen* screen = owner->screen();
            const QRect area = screen ? screen->availableGeometry() : owner->frameGeometry();
            // The frame is unknown before the first showing; allow for one
            // like the owner's.
            const QSize frame = owner->frameGeometry().size() - owner->size();
            const QRect outer = BesideOwner(owner->frameGeometry(), size() + frame, area,
                                            kMinimumWidth + frame.width());
            move(outer.topLeft());
            resize(outer.size() - frame);
        }
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

HelpViewer::HelpViewer(QWidget* owner) : QTextBrowser(owner) {
    // A window of its own, owned by the caller so that it goes with it, and
    // never the reason the program keeps running.
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Quorbals Help"));
    resize(620, 560);
    document()->setDocumentMargin(10);
    // Links are followed here: pages of the help stay in this window, web
    // addresses go to the browser.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpViewer::FollowLink);
    connect(this, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Quorbals Help") : title);
    });
    if (owner != nullptr) {
        owner->installEventFilter(this);
    }
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    auto* back = new QShortcut(QKeySequence(Qt::Key_Backspace), this);
    connect(back, &QShortcut::activated, this, &QTextBrowser::backward);
}

void HelpViewer::ShowTopic(const QByteArray& helpFile, const QString& topic) {
    if (!archive_.IsOpen() || archive_.Path() != helpFile) {
        archive_.Open(helpFile);
    }
    const QString name = QString::fromUtf8(helpFile);
    if (!archive_.IsOpen()) {
        ShowMessage(
            tr("<p>The help file <b>%1</b> is missing or damaged.</p>").arg(name.toHtmlEscaped()));
        return;
    }
    // A topic may carry a leading '/' or a "#place" within the page.
    const QUrl url =
        QUrl(QString::fromLatin1(kScheme) + QStringLiteral(":/")).resolved(QUrl(topic));
    if (!archive_.Read(InnerPath(url))) {
        ShowMessage(tr("<p>The help file <b>%1</b> has no page <b>%2</b>.</p>")
                        .arg(name.toHtmlEscaped(), topic.toHtmlEscaped()));
        return;
    }
    if (page_shown_ && source() == url) {
        // The page is already here (F1 asks twice): back to its top.
        moveCursor(QTextCursor::Start);
        ensureCursorVisible();
        return;
    }
    page_shown_ = true;
    setSource(url);
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    // The owner was hidden by the program (closed), not minimised.
    if (watched == parentWidget() && event->type() == QEvent::Hide && !event->spontaneous()) {
        close();
    }
    return QTextBrowser::eventFilter(watched, event);
}

QVariant HelpViewer::loadResource(int type, const QUrl& name) {
    QUrl url = name;
    if (url.isRelative()) {
        url = source().resolved(name);
    }
    if (url.scheme() != QLatin1String(kScheme)) {
        return {};
    }
    const std::optional<QByteArray> data = archive_.Read(InnerPath(url));
    if (!data) {
        return {};
    }
    switch (type) {
        case QTextDocument::ImageResource:
            return QImage::fromData(*data);
        case QTextDocument::StyleSheetResource:
            return QString::fromUtf8(*data);
        default:
            // Pages are handed over as bytes, so that their own charset
            // declaration decides how they are read.
            return *data;
    }
}

void HelpViewer::FollowLink(const QUrl& link) {
    const QUrl url = link.isRelative() ? source().resolved(link) : link;
    if (url.scheme() == QLatin1String(kScheme)) {
        setSource(url);
        return;
    }
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto")) {
        QDesktopServices::openUrl(url);
    }
}

void HelpViewer::ShowMessage(const QString& html) {
    page_shown_ = false;
    clearHistory();
    setHtml(html);
    setWindowTitle(tr("Quorbals Help"));
}

}  // namespace quorbals::help
