#include "app/qt/error_report.h"

#include <QMessageBox>

#include "app/program_texts.h"

namespace quorbals {

namespace {
ErrorSink& Sink() {
    static ErrorSink sink;
    return sink;
}
}  // namespace

void ShowErrorBox(QWidget* parent, const QString& shownText) {
    if (Sink()) {
        Sink()(parent, shownText);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kProgramName), shownText,
                    QMessageBox::Ok, parent);
    box.exec();
}

void SetErrorSinkForTesting(ErrorSink sink) {
    Sink() = std::move(sink);
}

}  // namespace quorbals
