#include "data/app_icon.h"

#include <QString>

// The resources sit in a static library, so nothing registers them unless
// someone asks; asking here, beside their only reader, means every program
// that shows the icon gets them by linking zaviko_resources.
static void InitResources()
{
    Q_INIT_RESOURCE(zaviko);
}

static QIcon IconUpTo(int largest)
{
    InitResources();
    QIcon icon;
    for (int size : kAppIconSizes)
        if (size <= largest)
            icon.addFile(QStringLiteral(":/zaviko/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

QIcon AppIcon()
{
    return IconUpTo(kAppIconSizes.back());
}

QIcon WindowIcon()
{
    return IconUpTo(128);
}
