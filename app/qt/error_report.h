// The error box of the Qt front end: titled "Quorbals", error icon, OK.
// The text arrives as the shared error report made it.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace quorbals {

// Shows the report box modally.
void ShowErrorBox(QWidget* parent, const QString& shownText);

// Tests can replace the box with a recorder.
using ErrorSink = std::function<void(QWidget* parent, const QString& shownText)>;
void SetErrorSinkForTesting(ErrorSink sink);

}  // namespace quorbals
