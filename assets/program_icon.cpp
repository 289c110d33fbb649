#include <QIcon>
#include <QString>

#include "assets/resources.h"

namespace quorbals {

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/quorbals-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace quorbals
