#include "storage/game_file_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace quorbals {

namespace {

void SetUp(QFileDialog& dialog, const char* title) {
    // Qt's own dialog everywhere, so the suffix, the filter and the
    // overwrite question behave alike on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QString::fromLatin1(title));
    dialog.setNameFilter(QString::fromLatin1(GameFileDialogs::kNameFilter));
    dialog.setDefaultSuffix(QString::fromLatin1(GameFileDialogs::kDefaultSuffix));
}

}  // namespace

std::optional<QString> GameFileDialogs::Run(QFileDialog& dialog, const QString& fileName) {
    // A name without a folder, and no name at all, start in the current
    // folder (not in whatever folder an earlier dialog of the run showed).
    const QFileInfo info(fileName);
    dialog.setDirectory(fileName.isEmpty() || info.isRelative() ? QDir::currentPath()
                                                                : info.absolutePath());
    if (!fileName.isEmpty()) {
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) {
        return std::nullopt;
    }
    return chosen.front();
}

std::optional<std::string> GameFileDialogs::AskSavePath(QWidget* parent) {
    if (saveFileName_.isEmpty()) {
        saveFileName_ = QString::fromLatin1(kFirstSaveName);
    }
    QFileDialog dialog(parent);
    SetUp(dialog, kSaveTitle);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const auto chosen = Run(dialog, saveFileName_);
    if (!chosen) {
        return std::nullopt;
    }
    saveFileName_ = *chosen;
    loadFileName_ = saveFileName_;
    return QFile::encodeName(saveFileName_).toStdString();
}

std::optional<std::string> GameFileDialogs::AskLoadPath(QWidget* parent) {
    QFileDialog dialog(parent);
    SetUp(dialog, kLoadTitle);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const auto chosen = Run(dialog, loadFileName_);
    if (!chosen) {
        return std::nullopt;
    }
    loadFileName_ = *chosen;
    return QFile::encodeName(loadFileName_).toStdString();
}

}  // namespace quorbals
