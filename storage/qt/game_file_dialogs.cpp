#include "storage/qt/game_file_dialogs.h"

#include "storage/game_file_dialog_texts.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>

namespace quorbals {

namespace {

void SetUp(QFileDialog& dialog, const char* title) {
    // Qt's own dialog everywhere, so the suffix, the filter and the
    // overwrite question behave alike on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QString::fromLatin1(title));
    dialog.setNameFilter(QString::fromLatin1(kGameFileFilter));
    dialog.setDefaultSuffix(QString::fromLatin1(kGameFileSuffix));
}

}  // namespace

std::optional<std::string> GameFileDialogs::Run(QFileDialog& dialog, const std::string& folder,
                                                const std::string& fileName) {
    dialog.setDirectory(folder.empty() ? QDir::currentPath() : QFile::decodeName(folder.c_str()));
    if (!fileName.empty()) {
        dialog.selectFile(QFile::decodeName(fileName.c_str()));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(chosen.front()).toStdString();
}

std::optional<std::string> GameFileDialogs::AskSavePath(QWidget* parent, const std::string& folder,
                                                        const std::string& fileName) {
    QFileDialog dialog(parent);
    SetUp(dialog, kSaveGameTitle);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return Run(dialog, folder, fileName);
}

std::optional<std::string> GameFileDialogs::AskLoadPath(QWidget* parent, const std::string& folder,
                                                        const std::string& fileName) {
    QFileDialog dialog(parent);
    SetUp(dialog, kLoadGameTitle);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog, folder, fileName);
}

}  // namespace quorbals
