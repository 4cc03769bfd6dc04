#include "clients/ClientNavigation.h"

using Outcome = ClientNavigation::Step::Outcome;

ClientNavigation::Step ClientNavigation::step(Command command, const QString& position, qint64 count)
{
    switch (command) {
    case Command::First:
        return count == 0 ? Step{Outcome::Empty} : Step{Outcome::Show, 1};
    case Command::Last:
        return count == 0 ? Step{Outcome::Empty} : Step{Outcome::Show, count};
    case Command::Next: {
        if (count == 0)
            return {Outcome::Empty, 0, true};
        // A new card counts as position 0, so Next from it shows the first record.
        const qint64 current = position.isEmpty() ? 0 : position.toLongLong();
        return current < count ? Step{Outcome::Show, current + 1} : Step{Outcome::Stay};
    }
    case Command::Previous:
        if (position == QLatin1String("1"))
            return {Outcome::Stay};
        if (count == 0)
            return {Outcome::Empty};
        return {Outcome::Show, position.isEmpty() ? 1 : position.toLongLong() - 1};
    }
    return {};
}
