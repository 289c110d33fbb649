// Read-only access to the files inside a compiled HTML help file.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

struct chmFile;

namespace quorbals::help {

class ChmArchive {
public:
    ChmArchive() = default;
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    // Opens the help file at path (UTF-8); closes any file open before.
    bool Open(const QByteArray& path);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }
    const QByteArray& Path() const { return path_; }

    // The whole content of one inner file; inner paths begin with '/'.
    // Empty when the file is not there or cannot be read whole.
    std::optional<QByteArray> Read(const QString& innerPath) const;

private:
    chmFile* file_ = nullptr;
    QByteArray path_;
};

}  // namespace quorbals::help
