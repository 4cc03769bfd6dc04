#include "app/Clock.h"

#include <optional>

namespace {
std::optional<QDateTime> s_fixed;
}

QDate Clock::today()
{
    return now().date();
}

QDateTime Clock::now()
{
    return s_fixed ? *s_fixed : QDateTime::currentDateTime();
}

void Clock::setForTests(const QDateTime& fixed)
{
    s_fixed = fixed;
}

void Clock::resetForTests()
{
    s_fixed.reset();
}
