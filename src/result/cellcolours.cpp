// SPDX-License-Identifier: GPL-3.0-or-later

#include "cellcolours.h"

#include <cmath>

namespace {

// One blue, dark for a light palette and light for a dark one.
const QColor darkBlue(8, 48, 107);
const QColor lightBlue(198, 219, 239);
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

} // namespace

QColor scaleColour(qint64 count, qint64 largest, const QColor &base)
{
    const double fraction = count <= 0 || largest <= 0 ? 0.0 : double(count) / double(largest);
    const QColor &far = relativeLuminance(base) > evenLuminance ? darkBlue : lightBlue;
    return QColor(mix(base.red(), far.red(), fraction), mix(base.green(), far.green(), fraction),
                  mix(base.blue(), far.blue(), fraction));
}

QColor textColourOn(const QColor &background)
{
    return relativeLuminance(background) > evenLuminance ? QColor(Qt::black) : QColor(Qt::white);
}

double relativeLuminance(const QColor &colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
            + 0.0722 * linear(colour.blueF());
}
