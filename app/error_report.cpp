#include "app/error_report.h"

#include <QMessageBox>
#include <exception>

namespace quorbals {

namespace {
ErrorSink& Sink() {
    static ErrorSink sink;
    return sink;
}
}  // namespace

QString ErrorReportText(const QString& text) {
    if (!text.isEmpty() && text.back().unicode() > u'.') {
        return text + u'.';
    }
    return text;
}

void ReportError(QWidget* parent, const QString& text) {
    const QString shown = ErrorReportText(text);
    if (Sink()) {
        Sink()(parent, shown);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quorbals"), shown, QMessageBox::Ok,
                    parent);
    box.exec();
}

bool GuardHandler(QWidget* parent, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        ReportError(parent, QString::fromUtf8(e.what()));
    } catch (...) {
        ReportError(parent, QStringLiteral("Unexpected error"));
    }
    return false;
}

void SetErrorSinkForTesting(ErrorSink sink) {
    Sink() = std::move(sink);
}

}  // namespace quorbals
