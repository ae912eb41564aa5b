#ifndef CLASSENTRY_H
#define CLASSENTRY_H

#include <QtGlobal>

// One class time of one course: which weeks, which weekday, which periods,
// and how many students attend. Everything is stored as read, unchecked.
struct ClassEntry
{
    int weekFrom = 0;
    int weekTo = 0;
    int day = 0;
    int firstPeriod = 0;
    int lastPeriod = 0;
    bool evenWeeksOnly = false;
    bool oddWeeksOnly = false;
    int students = 0;
};

#endif // CLASSENTRY_H
