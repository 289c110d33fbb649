#include "platform/qt/help/chm_archive.h"

#include <chm_lib.h>

namespace quorbals::help {
namespace {

// A help file is small; anything claiming more is damaged.
constexpr LONGUINT64 kMaxInnerFileSize = 64 * 1024 * 1024;

}  // namespace

ChmArchive::~ChmArchive() {
    Close();
}

bool ChmArchive::Open(const QByteArray& path) {
    Close();
    path_ = path;
    file_ = chm_open(path.constData());
    return file_ != nullptr;
}

void ChmArchive::Close() {
    if (file_ != nullptr) {
        chm_close(file_);
        file_ = nullptr;
    }
}

std::optional<QByteArray> ChmArchive::Read(const QString& innerPath) const {
    if (file_ == nullptr || !innerPath.startsWith(u'/')) {
        return std::nullopt;
    }
    chmUnitInfo unit{};
    const QByteArray name = innerPath.toUtf8();
    if (chm_resolve_object(file_, name.constData(), &unit) != CHM_RESOLVE_SUCCESS) {
        return std::nullopt;
    }
    if (unit.length > kMaxInnerFileSize) {
        return std::nullopt;
    }
    QByteArray data(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    if (unit.length == 0) {
        return data;
    }
    const LONGINT64 got =
        chm_retrieve_object(file_, &unit, reinterpret_cast<unsigned char*>(data.data()), 0,
                            static_cast<LONGINT64>(unit.length));
    if (got != static_cast<LONGINT64>(unit.length)) {
        return std::nullopt;
    }
    return data;
}

}  // namespace quorbals::help
