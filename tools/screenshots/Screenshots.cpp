// Takes the pictures of the main screens shown in the README, with a small
// sample archive, rendered offscreen:
//     QT_QPA_PLATFORM=offscreen build/tools/brivanta_screenshots docs/
#include "access/TfrmPassword.h"
#include "agenda/TfrmAgenda.h"
#include "app/Clock.h"
#include "app/DataFolder.h"
#include "app/Messages.h"
#include "app/Screen.h"
#include "app/Screens.h"
#include "app/SoundPlayer.h"
#include "app/TfrmAvvio.h"
#include "app/Text.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "clients/TfrmClienti.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"
#include "storage/TSchedaCliente.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {
struct Sample {
    const char* name;
    const char* mobile;
    const char* treatments;
    int days;
    const char* hour;
    const char* minutes;
    const char* amount;
};

const Sample kSamples[] = {
    {"Rossi Anna", "3331234567", "Pulizia del viso e maschera idratante", 0, "09", "30", "45,00"},
    {"Bianchi Carla", "3479876543", "Manicure semipermanente", 0, "11", "00", "30,00"},
    {"Esposito Giulia", "3405551234", "Massaggio drenante 50 minuti", 1, "15", "30", "55,00"},
    {"Ferrari Marta", "3201112233", "Epilazione gambe e inguine", 2, "10", "15", "38,00"},
    {"Romano Sara", "3387654321", "Trattamento anti-age con radiofrequenza", 3, "17", "00", "80,00"},
};

void writeSamples()
{
    const QDate today = Clock::today();
    for (const Sample& s : kSamples) {
        TSchedaAppuntamento a;
        a.Data = Text::formatDate(today.addDays(s.days));
        a.OreApp = QString::fromLatin1(s.hour);
        a.MinutiApp = QString::fromLatin1(s.minutes);
        a.Ora = a.OreApp + QLatin1Char(':') + a.MinutiApp;
        a.Avviso = QStringLiteral("3");
        a.Tipologia = QStringLiteral("Elena");
        a.Causale = QString::fromUtf8(s.treatments);
        a.Contatto = QString::fromUtf8(s.name);
        a.Cel = QString::fromLatin1(s.mobile);
        a.Luogo = QStringLiteral("Carta di credito");
        a.Importo = QString::fromLatin1(s.amount);
        a.Ottemperata = Text::flagNo();
        RecordFile::append(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size, a.encode());

        TSchedaCliente c;
        c.Cliente = a.Contatto;
        c.TelCel = a.Cel;
        c.DataNasc = QStringLiteral("12/04/1986");
        c.ComuneNasc = QStringLiteral("Bologna");
        c.ProvNasc = QStringLiteral("BO");
        c.Sesso = QStringLiteral("F");
        c.IndirizzoRes = QStringLiteral("Via dell'Indipendenza 24");
        c.ComuneRes = QStringLiteral("Bologna");
        c.ProvRes = QStringLiteral("BO");
        c.CapRes = QStringLiteral("40121");
        c.Email = QStringLiteral("cliente@example.it");
        c.Estremi = QStringLiteral("Carta di credito");
        c.Prodotti = QStringLiteral("Trattamenti viso, manicure");
        c.Note = QStringLiteral("Preferisce gli appuntamenti del mattino.");
        c.Ricontatta = Text::flagNo();
        RecordFile::append(TSchedaCliente::fileName(), TSchedaCliente::Size, c.encode());
    }
}

// Fills the screen once it is shown, since showing a card may reset it.
bool grab(QWidget* screen, const QString& file, const std::function<void()>& fill = {})
{
    if (qobject_cast<TopLevelScreen*>(screen))
        screen->resize(1280, 800);
    screen->show();
    if (fill)
        fill();
    QApplication::processEvents();
    const bool saved = screen->grab().save(file);
    screen->hide();
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
    return saved;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out);
    QTemporaryDir data;
    DataFolder::setForTests(data.path());
    Messages::setTestMode(true);
    SoundPlayer::setTestMode(true);
    writeSamples();
    Screens::createAll();

    bool ok = grab(frmPassword, out + QStringLiteral("/login.png"));
    ok &= grab(frmAvvio, out + QStringLiteral("/avvio.png"));
    ok &= grab(frmAgenda, out + QStringLiteral("/agenda.png"));
    ok &= grab(frmClienti, out + QStringLiteral("/clienti.png"), [] {
        const auto client = RecordFile::read(TSchedaCliente::fileName(), TSchedaCliente::Size, 0);
        if (client)
            frmClienti->loadRecord(TSchedaCliente::decode((*client).constData()), 1);
    });
    ok &= grab(frmArchivio_Scadenze, out + QStringLiteral("/appuntamenti.png"), [] {
        const auto appointment = RecordFile::read(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size, 0);
        if (appointment)
            frmArchivio_Scadenze->loadRecord(TSchedaAppuntamento::decode((*appointment).constData()), 1);
    });

    Screens::destroyAll();
    return ok ? 0 : 1;
}
