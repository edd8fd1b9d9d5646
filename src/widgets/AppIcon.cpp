#include "widgets/AppIcon.h"

#include <QString>

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 128})
        icon.addFile(QStringLiteral(":/icons/gestrix-%1.png").arg(size), QSize(size, size));
    return icon;
}
