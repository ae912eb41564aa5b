#include "appicon.h"

QIcon applicationIcon()
{
    return QIcon::fromTheme(QStringLiteral("classcount"), QIcon(QStringLiteral(":/classcount.svg")));
}
