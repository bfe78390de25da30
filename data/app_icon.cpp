#include "data/app_icon.h"

#include <QString>

// The resources sit in a static library, so nothing registers them unless
// someone asks; asking here, beside their only reader, means every program
// that shows the icon gets them by linking zaviko_resources.
static void InitResources()
{
    Q_INIT_RESOURCE(zaviko);
}

QIcon AppIcon()
{
    InitResources();
    QIcon icon;
    for (int size : kAppIconSizes)
        icon.addFile(QStringLiteral(":/zaviko/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}
