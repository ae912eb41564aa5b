// SPDX-License-Identifier: GPL-3.0-or-later

#include "generatedlist.h"

#include <QString>
#include <QStringList>

namespace {

// splitmix64: the standard library's distributions differ between
// implementations, so the list would not be the same everywhere.
class Random
{
public:
    explicit Random(quint64 seed) : state(seed) {}

    quint64 next()
    {
        quint64 z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    int between(int lowest, int highest)
    {
        return lowest + int(next() % quint64(highest - lowest + 1));
    }

    bool percent(int chance) { return between(1, 100) <= chance; }

    // Picks index i with a chance proportional to weights[i].
    template<size_t N>
    size_t weighted(const int (&weights)[N])
    {
        int total = 0;
        for (int weight : weights)
            total += weight;
        int pick = between(1, total);
        for (size_t i = 0; i < N; ++i) {
            pick -= weights[i];
            if (pick <= 0)
                return i;
        }
        return N - 1;
    }

private:
    quint64 state;
};

QString text(const char16_t *literal)
{
    return QString::fromUtf16(literal);
}

QString periodList(Random &random)
{
    static const char16_t *const lists[] = {
        u"1,2", u"3,4", u"3,4,5", u"6,7", u"8,9", u"10,11", u"10,11,12", u"11,12",
        u"1-4", u"6-9", u"5", u"9", u"4,5", u"1,3,5",
    };
    static const int weights[] = {18, 18, 8, 14, 12, 8, 6, 4, 3, 2, 2, 2, 2, 1};
    return text(lists[random.weighted(weights)]);
}

QString weekday(Random &random)
{
    static const char16_t *const days[] = {u"一", u"二", u"三", u"四", u"五", u"六", u"日"};
    static const int weights[] = {19, 19, 19, 19, 19, 3, 2};
    return text(days[random.weighted(weights)]);
}

struct Marker
{
    const char16_t *text;
    enum Place { InBraces, BeforeBraces, AfterBraces } place;
};

// The odd/even markers of pasted timetables and where they stand. Most
// lists mark a quarter of their items; some mark half, in more forms,
// including those that only the tolerant reading takes.
const Marker &marker(Random &random, Marking marking)
{
    static const Marker some[] = {
        {u"", Marker::AfterBraces}, {u"|双周", Marker::InBraces}, {u"|单周", Marker::InBraces},
        {u"(双)", Marker::AfterBraces}, {u"(单)", Marker::AfterBraces},
        {u"（双）", Marker::AfterBraces}, {u"（单）", Marker::AfterBraces},
    };
    static const int someWeights[] = {75, 8, 8, 3, 3, 2, 1};
    static const Marker half[] = {
        {u"", Marker::AfterBraces}, {u"|双周", Marker::InBraces}, {u"|单周", Marker::InBraces},
        {u"(双)", Marker::AfterBraces}, {u"(单)", Marker::AfterBraces},
        {u"（双）", Marker::AfterBraces}, {u"（单）", Marker::BeforeBraces},
        {u"(双)", Marker::BeforeBraces}, {u"（双周）", Marker::AfterBraces},
        {u"单周", Marker::InBraces}, {u"(单周)", Marker::AfterBraces},
    };
    static const int halfWeights[] = {50, 13, 13, 5, 4, 4, 2, 2, 3, 2, 2};
    return marking == Marking::Half ? half[random.weighted(halfWeights)]
                                    : some[random.weighted(someWeights)];
}

// Week ranges, single weeks and the odd/even markers in the forms seen in
// pasted timetables.
QString item(Random &random, Marking marking)
{
    QString weeks;
    if (random.percent(10)) {
        weeks = QString::number(random.between(1, 20));
    } else {
        const int first = random.between(1, 10);
        weeks = QString::number(first) + QLatin1Char('-')
                + QString::number(random.between(first, 20));
    }
    const QString weekPrefix = random.percent(90) ? text(u"第") : QString();

    const Marker &mark = marker(random, marking);
    const auto at = [&](Marker::Place place) { return mark.place == place ? text(mark.text) : QString(); };

    QString result = (random.percent(90) ? text(u"周") : text(u"星期")) + weekday(random)
            + (random.percent(90) ? text(u"第") : QString()) + periodList(random) + text(u"节")
            + at(Marker::BeforeBraces) + QLatin1Char('{') + weekPrefix + weeks + text(u"周")
            + at(Marker::InBraces) + QLatin1Char('}') + at(Marker::AfterBraces);

    // Typing slips that make an item unreadable.
    if (random.percent(1)) {
        switch (random.between(0, 2)) {
        case 0: result.prepend(QLatin1Char(' ')); break;
        case 1: result.remove(text(u"节")); break;
        default: result.replace(QLatin1Char('{'), text(u"｛")); break;
        }
    }
    return result;
}

} // namespace

GeneratedList generateList(quint64 seed, int lines, Marking marking)
{
    Random random(seed);
    // 1 to 5 items a line; marked items are longer, and the lists as long.
    static const int someItems[] = {20, 30, 30, 15, 5};
    static const int halfItems[] = {30, 40, 20, 8, 2};
    QStringList timeLines;
    QStringList countLines;
    GeneratedList list;
    for (int line = 0; line < lines; ++line) {
        const int items = int(marking == Marking::Half ? random.weighted(halfItems)
                                                       : random.weighted(someItems)) + 1;
        QStringList parts;
        for (int i = 0; i < items; ++i)
            parts.append(item(random, marking));
        if (random.percent(1))
            parts.append(QString()); // a trailing ";"
        list.items += parts.size();
        timeLines.append(parts.join(QLatin1Char(';')));

        QString count = QString::number(random.between(10, 300));
        if (random.percent(1))
            count = QLatin1Char(' ') + count + QLatin1Char(' ');
        countLines.append(count);
    }
    list.times = timeLines.join(QLatin1Char('\n')).toUtf8() + '\n';
    list.counts = countLines.join(QLatin1Char('\n')).toUtf8() + '\n';
    return list;
}

GeneratedList withMovedCourses(const GeneratedList &list, int moved)
{
    static const QString days = text(u"一二三四五六日");
    QStringList lines = QString::fromUtf8(list.times).split(QLatin1Char('\n'));
    const int every = qMax(1, int(lines.size()) / qMax(1, moved));
    int left = moved;
    for (int line = every - 1; line < lines.size() && left > 0; line += every) {
        QString &course = lines[line];
        // Every item of the course, as the whole course moves.
        for (int at = 0; at + 1 < course.size(); ++at) {
            const int day = days.indexOf(course.at(at + 1));
            if (day >= 0 && (course.at(at) == QChar(u'周') || course.at(at) == QChar(u'期')))
                course[at + 1] = days.at((day + 1) % days.size());
        }
        --left;
    }
    GeneratedList result = list;
    result.times = lines.join(QLatin1Char('\n')).toUtf8();
    return result;
}
