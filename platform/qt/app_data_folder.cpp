#include "platform/app_data_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace quorbals {

std::string AppDataFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty()) {
        return {};
    }
    // Whether this works is not looked at: the caller's own folder creation
    // and file writes report the failure where it matters.
    QDir().mkpath(folder);
    return QFile::encodeName(folder).toStdString();
}

}  // namespace quorbals
