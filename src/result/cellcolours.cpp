// SPDX-License-Identifier: GPL-3.0-or-later

#include "cellcolours.h"

#include <cmath>

namespace {

// One blue, dark for a light palette and light for a dark one.
const QColor darkBlue(8, 48, 107);
const QColor lightBlue(198, 219, 239);
const QColor darkOrange(179, 88, 6);
const QColor lightOrange(253, 184, 99);
const QColor darkPurple(84, 39, 136);
const QColor lightPurple(178, 171, 210);
// Where black and white give the same contrast.
constexpr double evenLuminance = 0.1791;

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

int mix(int from, int to, double fraction)
{
    return int(std::lround(from + (to - from) * fraction));
}

QColor mixed(const QColor &base, const QColor &far, double fraction)
{
    return QColor(mix(base.red(), far.red(), fraction), mix(base.green(), far.green(), fraction),
                  mix(base.blue(), far.blue(), fraction));
}

bool isLight(const QColor &base)
{
    return relativeLuminance(base) > evenLuminance;
}

} // namespace

QColor scaleColour(qint64 count, qint64 largest, const QColor &base)
{
    const double fraction = count <= 0 || largest <= 0 ? 0.0 : double(count) / double(largest);
    return mixed(base, isLight(base) ? darkBlue : lightBlue, fraction);
}

QColor changeColour(qint64 change, qint64 largestSize, const QColor &base)
{
    const double fraction = largestSize <= 0 ? 0.0 : double(qAbs(change)) / double(largestSize);
    const QColor &more = isLight(base) ? darkOrange : lightOrange;
    const QColor &fewer = isLight(base) ? darkPurple : lightPurple;
    return mixed(base, change < 0 ? fewer : more, fraction);
}

QColor textColourOn(const QColor &background)
{
    return isLight(background) ? QColor(Qt::black) : QColor(Qt::white);
}

double relativeLuminance(const QColor &colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
            + 0.0722 * linear(colour.blueF());
}
