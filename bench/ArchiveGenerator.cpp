#include "ArchiveGenerator.h"

#include "app/Text.h"
#include "storage/TSchedaAppuntamento.h"
#include "storage/TSchedaCliente.h"

#include <QFile>
#include <iterator>

namespace {
// splitmix64: small, fast and the same everywhere, unlike the standard
// library's distributions.
class Random
{
public:
    explicit Random(quint64 seed) : m_state(seed) {}

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1
    int below(int n) { return int(next() % quint64(n)); }
    // True with the given percentage.
    bool percent(int p) { return below(100) < p; }
    template <class T, size_t N> const T& pick(const T (&items)[N]) { return items[below(int(N))]; }

private:
    quint64 m_state;
};

const char* const kSurnames[] = {
    "Rossi",      "Russo",     "Ferrari",   "Esposito",   "Bianchi",    "Romano",     "Colombo",    "Ricci",
    "Marino",     "Greco",     "Bruno",     "Gallo",      "Conti",      "De Luca",    "Mancini",    "Costa",
    "Giordano",   "Rizzo",     "Lombardi",  "Moretti",    "Barbieri",   "Fontana",    "Santoro",    "Mariani",
    "Rinaldi",    "Caruso",    "Ferrara",   "Galli",      "Martini",    "Leone",      "Longo",      "Gentile",
    "Martinelli", "Vitale",    "Lombardo",  "Serra",      "Coppola",    "De Santis",  "D'Angelo",   "Marchetti",
    "Parisi",     "Villa",     "Conte",     "Ferraro",    "Ferri",      "Fabbri",     "Bianco",     "Marini",
    "Grasso",     "Valentini", "Messina",   "Sala",       "De Angelis", "Gatti",      "Pellegrini", "Palumbo",
    "Sanna",      "Farina",    "Rizzi",     "Monti",      "Cattaneo",   "Morelli",    "Amato",      "Silvestri",
    "Mazza",      "Testa",     "Grassi",    "Pellegrino", "Carbone",    "Giuliani",   "Benedetti",  "Barone",
    "Rossetti",   "Caputo",    "Montanari", "Guerra",     "Palmieri",   "Bernardi",   "Martino",    "Fiore",
    "De Rosa",    "Ferretti",  "Bellini",   "Basile",     "Riva",       "Donati",     "Piras",      "Vitali",
    "Battaglia",  "Sartori",   "Neri",      "Costantini", "Milani",     "Pagano",     "Ruggiero",   "Sorrentino",
    "D'Amico",    "Orlando",   "Damico",    "Negri",      "Vovuz",      "Dell'Acqua", "Lo Russo",   "Di Stefano",
    "Bonomi",     "Mazzoleni", "Cocco",     "Fumagalli",
};
const char* const kNames[] = {
    "Anna",       "Maria",    "Giulia",   "Francesca",  "Sara",         "Laura",        "Chiara",    "Valentina",
    "Alessandra", "Elena",    "Federica", "Silvia",     "Martina",      "Paola",        "Roberta",   "Monica",
    "Simona",     "Cristina", "Barbara",  "Elisa",      "Claudia",      "Giorgia",      "Alessia",   "Serena",
    "Daniela",    "Ilaria",   "Veronica", "Raffaella",  "Stefania",     "Manuela",      "Antonella", "Patrizia",
    "Lucia",      "Beatrice", "Aurora",   "Noemi",      "Rebecca",      "Carla",        "Nicoletta", "Teresa",
    "Rosa",       "Angela",   "Giovanna", "Marta",      "Irene",        "Emma",         "Sofia",     "Ginevra",
    "Marco",      "Luca",     "Andrea",   "Giuseppe",   "Paolo",        "Davide",       "Francesco", "Matteo",
    "Lorenzo",    "Simone",   "Stefano",  "Anna Maria", "Maria Grazia", "Maria Teresa",
};
const char* const kTowns[] = {
    "Roma",    "Milano",    "Napoli",   "Torino",  "Palermo", "Genova",          "Bologna",
    "Firenze", "Bari",      "Catania",  "Venezia", "Verona",  "Messina",         "Padova",
    "Trieste", "Brescia",   "Parma",    "Prato",   "Modena",  "Reggio Calabria", "Perugia",
    "Livorno", "Ravenna",   "Cagliari", "Foggia",  "Rimini",  "Salerno",         "Ferrara",
    "Sassari", "Latina",    "Monza",    "Pescara", "Bergamo", "Vicenza",         "Trento",
    "Novara",  "Frosinone", "Viterbo",  "Anzio",   "Nettuno", "Fiumicino",       "Guidonia Montecelio",
    "Tivoli",  "Velletri",
};
const char* const kProvinces[] = {"RM", "MI", "NA", "TO", "PA", "GE", "BO", "FI", "BA", "CT", "VE", "VR",
                                  "ME", "PD", "TS", "BS", "PR", "PO", "MO", "RC", "PG", "LI", "RA", "CA"};
const char* const kStreets[] = {"Via Roma",         "Via Garibaldi",  "Via Mazzini",   "Corso Italia",
                                "Via Dante",        "Via Verdi",      "Piazza Cavour", "Via Marconi",
                                "Viale Europa",     "Via della Pace", "Via dei Mille", "Via Vittorio Veneto",
                                "Via XX Settembre", "Largo Augusto",  "Via Nazionale", "Via Tuscolana"};
const char* const kBeauticians[] = {"Giulia", "Martina", "Sara", "Elisa", "Federica", "Chiara Bianchi"};
struct Treatment
{
    const char* name;
    int price;
};
const Treatment kTreatments[] = {
    {"Manicure", 20},
    {"Manicure semipermanente", 30},
    {"Pedicure estetico", 25},
    {"Pedicure curativo", 35},
    {"Ceretta gambe intere", 30},
    {"Ceretta mezza gamba", 18},
    {"Ceretta inguine", 12},
    {"Ceretta ascelle", 8},
    {"Ceretta baffetto", 5},
    {"Pulizia viso profonda", 50},
    {"Trattamento viso idratante", 55},
    {"Trattamento viso antiet\xE0", 70},
    {"Peeling viso", 45},
    {"Massaggio rilassante 50 minuti", 50},
    {"Massaggio decontratturante", 60},
    {"Linfodrenaggio", 55},
    {"Pressoterapia", 35},
    {"Scrub corpo", 40},
    {"Laminazione ciglia", 45},
    {"Extension ciglia", 80},
    {"Tinta ciglia", 15},
    {"Epilazione sopracciglia", 10},
    {"Trucco sposa con prova", 150},
    {"Lampada viso", 8},
    {"Ricostruzione unghie in gel", 55},
    {"Refill gel", 35},
};
const char* const kDetails[] = {
    "Pelle sensibile, usare prodotti delicati",
    "Allergica al nichel",
    "Preferisce olio alla lavanda",
    "Colore smalto: rosso ciliegia",
    "Seconda seduta del pacchetto da cinque",
    "Portare il buono regalo",
    "Evitare prodotti profumati",
    "Chiede la stessa estetista dell'ultima volta",
    "Prova colore prima del trattamento",
    "Pacchetto sposa: ultima prova",
};
const char* const kPayments[] = {"Contanti", "Bancomat",     "Carta di credito", "Bonifico bancario",
                                 "Satispay", "Buono regalo", "Contanti"};
const char* const kNotes[] = {
    "Confermato per telefono",
    "Arriva con dieci minuti di ritardo",
    "Ha chiesto di essere richiamata il giorno prima",
    "Da ricordare il pagamento della seduta precedente",
    "Porta anche la figlia",
    "Prima visita",
    "Cliente abituale, offrire la tessera fedelt\xE0",
    "Spostato dal giorno prima",
};
const char* const kOccupations[] = {"Impiegata",   "Insegnante", "Commerciante", "Libera professionista",
                                    "Studentessa", "Avvocato",   "Medico",       "Infermiera",
                                    "Pensionata",  "Casalinga",  "Parrucchiera", "Architetto",
                                    "Commessa",    "Ingegnere",  "Farmacista",   "Segretaria"};
const char* const kProducts[] = {"Trattamenti viso",
                                 "Massaggi",
                                 "Epilazione definitiva",
                                 "Unghie gel e semipermanente",
                                 "Prodotti solari",
                                 "Cosmetici biologici",
                                 "Trucco",
                                 "Pacchetti benessere",
                                 "Extension ciglia",
                                 "Creme antiet\xE0"};
const char* const kZones[] = {"Centro", "Nord", "Sud", "Periferia est", "Periferia ovest", "Litorale", "Collina"};
const char* const kCivil[] = {"Nubile", "Coniugata", "Separata", "Divorziata", "Vedova", "Celibe", "Coniugato"};
const char* const kTitles[] = {"Diploma di maturit\xE0",   "Laurea in Economia", "Laurea in Lettere",
                               "Laurea in Giurisprudenza", "Licenza media",      "Laurea in Medicina"};
const char* const kIssues[] = {
    "Deve saldare 35,00 euro dell'ultima seduta",
    "Aspetta la crema ordinata",
    "Chiedere se vuole rinnovare il pacchetto massaggi",
    "Reclamo sulla ceretta del mese scorso: offrire una seduta",
    "Interessata al corso di trucco",
};

QString text(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

QString digits(Random& random, int count)
{
    QString result;
    result.reserve(count);
    for (int i = 0; i < count; ++i)
        result += QChar(u'0' + random.below(10));
    return result;
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

QString amount(int euros)
{
    return QString::number(euros) + QStringLiteral(",00");
}

// The client at a position, the same for the client archive and the
// appointments booked for that client.
struct Person
{
    QString surname;
    QString name;
    QString full;
};

Person person(qint64 client)
{
    Random random(quint64(client) * 7919u + 17u);
    Person p{text(random.pick(kSurnames)), text(random.pick(kNames)), {}};
    // Double surnames make some names longer than their columns.
    if (random.percent(4))
        p.surname += QLatin1Char(' ') + text(random.pick(kSurnames));
    p.full = p.surname + QLatin1Char(' ') + p.name;
    // Typed in a hurry: all lower case, or with caps lock on.
    if (random.percent(8))
        p.full = p.full.toLower();
    else if (random.percent(2))
        p.full = p.full.toUpper();
    return p;
}

QString mobile(Random& random)
{
    const QString prefix = QLatin1Char('3') + digits(random, 2);
    const QString separator = random.percent(50) ? QStringLiteral(" ") : QString();
    return prefix + separator + digits(random, 7);
}

QString email(Random& random, const Person& p)
{
    static const char* const providers[] = {"gmail.com", "libero.it", "hotmail.it",
                                            "yahoo.it",  "alice.it",  "outlook.com"};
    QString local = (p.name + QLatin1Char('.') + p.surname).toLower();
    local.remove(QLatin1Char(' '));
    local.remove(QLatin1Char('\''));
    return local + QString::number(random.below(100)) + QLatin1Char('@') + text(random.pick(providers));
}

// The client pool of the appointments: a salon sees the same clients again.
qint64 clientPool(qint64 appointments)
{
    return qMax<qint64>(200, appointments / 20);
}

TSchedaAppuntamento appointment(qint64 index, qint64 count, qint64 todayNumber)
{
    constexpr qint64 kHistoryDays = 3652;
    Random random(quint64(index) * 2654435761u + 1u);
    TSchedaAppuntamento a;

    // Booked in file order over the ten years, for a day up to two months ahead.
    const qint64 booked = todayNumber - kHistoryDays + index * kHistoryDays / qMax<qint64>(1, count);
    const int lead =
        random.percent(70) ? random.below(8) : (random.percent(83) ? 8 + random.below(23) : 31 + random.below(30));
    const qint64 day = booked + lead;
    a.Data = Text::formatDate(QDate::fromJulianDay(day));
    a.OreApp = twoDigits(8 + random.below(12));
    a.MinutiApp = twoDigits(15 * random.below(4));
    a.Ora = a.OreApp + QLatin1Char(':') + a.MinutiApp;
    static const char* const notice[] = {"0", "1", "1", "1", "2", "2", "3", "0", "7", "1"};
    a.Avviso = text(random.pick(notice));
    a.Tipologia = text(random.pick(kBeauticians));

    const int treatments = 1 + (random.percent(70) ? 0 : random.below(3));
    int euros = 0;
    for (int t = 0; t < treatments; ++t) {
        const Treatment& treatment = random.pick(kTreatments);
        if (t > 0)
            a.Causale += QStringLiteral(", ");
        a.Causale += text(treatment.name);
        euros += treatment.price;
    }
    if (random.percent(45))
        a.Dettagli = text(random.pick(kDetails));

    const Person client = person(random.below(int(clientPool(count))));
    a.Contatto = client.full;
    if (random.percent(40))
        a.Tel = QStringLiteral("06 ") + digits(random, 7);
    a.Cel = mobile(random);
    if (random.percent(55))
        a.Email = email(random, client);
    a.Luogo = text(random.pick(kPayments));
    a.Importo = amount(euros);
    if (random.percent(25))
        a.Note = text(random.pick(kNotes));

    // Past appointments are mostly ticked off; the rest stay imminent for ever.
    if (day < todayNumber)
        a.Ottemperata = random.percent(97) ? Text::flagYes() : Text::flagNo();
    else
        a.Ottemperata = Text::flagNo();
    // Now and then a record saved by another tool, with no flag.
    if (index % 20011 == 7)
        a.Ottemperata.clear();
    return a;
}

TSchedaCliente client(qint64 index)
{
    Random random(quint64(index) * 40503u + 3u);
    const Person p = person(index);
    TSchedaCliente c;
    c.Cliente = p.full;
    c.DataNasc = Text::formatDate(QDate(1940 + random.below(66), 1 + random.below(12), 1 + random.below(28)));
    c.ComuneNasc = text(random.pick(kTowns));
    c.ProvNasc = text(random.pick(kProvinces));
    c.Sesso = random.percent(88) ? QStringLiteral("F") : QStringLiteral("M");
    c.TelCel = mobile(random);
    c.Recapito = c.TelCel;
    c.IndirizzoRes = text(random.pick(kStreets)) + QLatin1Char(' ') + QString::number(1 + random.below(180));
    c.ProvRes = text(random.pick(kProvinces));
    c.ComuneRes = text(random.pick(kTowns));
    c.CapRes = QString::number(10000 + random.below(89999));
    c.Estremi = text(random.pick(kPayments));
    if (random.percent(45))
        c.TelCasa = QStringLiteral("06 ") + digits(random, 7);
    if (random.percent(15))
        c.TelUff = QStringLiteral("06 ") + digits(random, 7);
    if (random.percent(8))
        c.Fax = email(random, p).replace(QLatin1Char('@'), QStringLiteral("@pec."));
    if (random.percent(60))
        c.Email = email(random, p);
    QString code;
    for (int i = 0; i < 6; ++i)
        code += QChar(u'A' + random.below(26));
    c.CodFisc = code + digits(random, 2) + QChar(u'A' + random.below(26)) + digits(random, 2) +
                QChar(u'A' + random.below(26)) + digits(random, 3) + QChar(u'A' + random.below(26));
    if (random.percent(12)) {
        c.Carta = QLatin1Char('4') + digits(random, 15);
        c.ScadeCarta = twoDigits(1 + random.below(12)) + QLatin1Char('/') + QString::number(2024 + random.below(6));
    }
    if (random.percent(6))
        c.PartitaIva = digits(random, 11);
    if (random.percent(20))
        c.Iban = QStringLiteral("IT") + digits(random, 2) + QChar(u'A' + random.below(26)) + digits(random, 22);
    if (random.percent(50))
        c.Documento = QStringLiteral("Carta d'identit\u00E0 CA") + digits(random, 5) +
                      QStringLiteral("AB rilasciata dal Comune di ") + text(random.pick(kTowns));
    c.Occupazione = text(random.pick(kOccupations));
    if (random.percent(60))
        c.Civile = text(random.pick(kCivil));
    if (random.percent(30))
        c.Titoli = text(random.pick(kTitles));
    c.Prodotti = text(random.pick(kProducts));
    if (random.percent(40))
        c.Prodotti += QStringLiteral(", ") + text(random.pick(kProducts));
    c.Zona = text(random.pick(kZones));
    if (random.percent(15))
        c.Questioni = text(random.pick(kIssues));
    if (random.percent(35))
        c.Note = text(random.pick(kNotes));
    c.Ricontatta = random.percent(8) ? Text::flagYes() : Text::flagNo();
    if (random.percent(5)) {
        c.File01 = QStringLiteral("Consenso_privacy_") + QString::number(index + 1) + QStringLiteral(".pdf");
        c.Desc01 = QStringLiteral("Consenso al trattamento dei dati");
        if (random.percent(30)) {
            c.File02 = QStringLiteral("Scheda_anamnestica_") + QString::number(index + 1) + QStringLiteral(".pdf");
            c.Desc02 = QStringLiteral("Scheda anamnestica");
        }
    }
    return c;
}

template <class MakeRecord>
QString writeRecords(const QString& path, qint64 count, int recordSize, MakeRecord&& makeRecord)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();
    constexpr qint64 kChunk = 4 << 20;
    QByteArray chunk;
    chunk.reserve(kChunk + recordSize);
    for (qint64 i = 0; i < count; ++i) {
        chunk += makeRecord(i);
        if (chunk.size() >= kChunk || i + 1 == count) {
            if (file.write(chunk) != chunk.size())
                return file.errorString();
            chunk.clear();
        }
    }
    if (!file.flush())
        return file.errorString();
    return {};
}
} // namespace

QDate ArchiveGenerator::today()
{
    return QDate(2024, 5, 15);
}

QString ArchiveGenerator::writeAppointments(const QString& path, qint64 count)
{
    const qint64 todayNumber = today().toJulianDay();
    return writeRecords(path, count, TSchedaAppuntamento::Size,
                        [&](qint64 i) { return appointment(i, count, todayNumber).encode(); });
}

QString ArchiveGenerator::writeClients(const QString& path, qint64 count)
{
    return writeRecords(path, count, TSchedaCliente::Size, [](qint64 i) { return client(i).encode(); });
}
