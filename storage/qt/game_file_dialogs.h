// Qt's own save and load dialogs for saved games. Which name and folder
// they offer is the shared commands' business; here they are only run.
#pragma once

#include <QString>
#include <optional>
#include <string>

class QFileDialog;
class QWidget;

namespace quorbals {

class GameFileDialogs {
public:
    // Runs the dialog offering `fileName` in `folder` (the current folder
    // when empty). The chosen path, or nothing when the player cancelled.
    std::optional<std::string> AskSavePath(QWidget* parent, const std::string& folder,
                                           const std::string& fileName);
    std::optional<std::string> AskLoadPath(QWidget* parent, const std::string& folder,
                                           const std::string& fileName);

private:
    static std::optional<std::string> Run(QFileDialog& dialog, const std::string& folder,
                                          const std::string& fileName);
};

}  // namespace quorbals
