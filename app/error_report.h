// The one place where failures reach the player: a message box titled
// "Quorbals" with the error icon. Every handler runs its body through
// GuardHandler so that no exception ever crosses a Qt frame.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace quorbals {

// The text as shown: a full stop is appended when the last character's code
// lies above that of '.' (so "Disk full" gets one, "...!" does not).
QString ErrorReportText(const QString& text);

// Shows the report box modally.
void ReportError(QWidget* parent, const QString& text);

// Runs body; any exception is reported and swallowed. Returns false when the
// body threw.
bool GuardHandler(QWidget* parent, const std::function<void()>& body);

// Tests can replace the box with a recorder.
using ErrorSink = std::function<void(QWidget* parent, const QString& shownText)>;
void SetErrorSinkForTesting(ErrorSink sink);

}  // namespace quorbals
