#include "AgendaScreen.h"

#include "ArchiveGenerator.h"
#include "Bench.h"

#include "agenda/TfrmAgenda.h"
#include "app/Clock.h"
#include "app/Messages.h"
#include "app/SoundPlayer.h"

void AgendaScreen::prepare(const QString& folder)
{
    Bench::useDataFolder(folder);
    Messages::setTestMode(true);
    SoundPlayer::setTestMode(true);
    Clock::setForTests(QDateTime(ArchiveGenerator::today(), QTime(9, 0)));
    if (!frmAgenda)
        frmAgenda = new TfrmAgenda;
}
