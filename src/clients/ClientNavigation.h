#pragma once

#include <QString>
#include <QtGlobal>

// Which client record the card's four arrows bring up. The card's position
// label is empty for a new card, otherwise the 1-based position shown.
namespace ClientNavigation {
enum class Command { First, Previous, Next, Last };

struct Step
{
    enum class Outcome {
        Show,  // read and show the record at position
        Stay,  // nothing changes and nothing is said
        Empty, // the archive holds no record
    };
    Outcome outcome = Outcome::Stay;
    qint64 position = 0;
    // Only Next on an empty archive forgets the position shown.
    bool clearsPosition = false;
};

Step step(Command command, const QString& position, qint64 count);
} // namespace ClientNavigation
