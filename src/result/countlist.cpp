// SPDX-License-Identifier: GPL-3.0-or-later

#include "countlist.h"

CountList::CountList(QObject *owner)
    : QObject(owner)
{
}

CountList *CountList::of(QObject *owner)
{
    auto *list = owner->findChild<CountList *>(QString(), Qt::FindDirectChildrenOnly);
    return list ? list : new CountList(owner);
}

int CountList::add(const Count *count)
{
    counts.append({count, QTime::currentTime()});
    emit added(counts.size());
    return counts.size();
}

void CountList::remove(int number)
{
    counts[number - 1].count = nullptr;
    emit removed(number);
}

QString CountList::name(int number)
{
    return QStringLiteral("第%1次统计").arg(number);
}

QString CountList::choiceText(int number) const
{
    const Made &made = counts.at(number - 1);
    return QStringLiteral("%1（%2，%3 门课）")
            .arg(name(number), made.time.toString(QStringLiteral("HH:mm")),
                 QString::number(made.count->courseLines));
}
