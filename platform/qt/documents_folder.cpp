#include "platform/documents_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorbals {

std::string UserDocumentsFolder() {
    // Qt answers ~/Documents even where the account has no such folder.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    return QFile::encodeName(QDir::cleanPath(folder)).toStdString();
}

}  // namespace quorbals
