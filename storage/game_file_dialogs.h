// The save and load dialogs of saved games. Each keeps its file name from
// one use to the next; a save or a load also sets the load dialog's name,
// so that the next load offers that file.
#pragma once

#include <QString>
#include <optional>
#include <string>

class QFileDialog;
class QWidget;

namespace quorbals {

class GameFileDialogs {
public:
    // Runs the save dialog ("save1.kvx" until a name has been chosen).
    // The chosen path, or nothing when the player cancelled.
    std::optional<std::string> AskSavePath(QWidget* parent);

    // Runs the load dialog, offering the last saved or loaded file.
    std::optional<std::string> AskLoadPath(QWidget* parent);

    const QString& saveFileName() const { return saveFileName_; }
    const QString& loadFileName() const { return loadFileName_; }

    static constexpr const char* kSaveTitle = "Save game";
    static constexpr const char* kLoadTitle = "Load game";
    static constexpr const char* kNameFilter = "Quorbals game (*.kvx)";
    static constexpr const char* kDefaultSuffix = "kvx";
    static constexpr const char* kFirstSaveName = "save1.kvx";

private:
    static std::optional<QString> Run(QFileDialog& dialog, const QString& fileName);

    QString saveFileName_;
    QString loadFileName_;
};

}  // namespace quorbals
