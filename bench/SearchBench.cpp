#include "ArchiveGenerator.h"
#include "Bench.h"
#include "PaintProbe.h"

#include "app/Clock.h"
#include "app/Messages.h"
#include "appointments/AppointmentSearch.h"
#include "appointments/StatusList.h"
#include "appointments/TfrmAssolti.h"
#include "appointments/TfrmConfermati.h"
#include "appointments/TfrmScaduti.h"
#include "appointments/TfrmTrovaScadenze.h"
#include "clients/ClientSearch.h"
#include "clients/Recontact.h"
#include "clients/TfrmRicontatta.h"
#include "clients/TfrmTrovaClienti.h"
#include "reports/ListBox.h"
#include "reports/ListPanel.h"
#include "reports/ListSearch.h"
#include "reports/SearchCriteria.h"

#include <QLineEdit>
#include <QPushButton>

// The searches and lists as their screens run them: the core functions the
// screens call, timed without the screens, and the screens themselves, timed
// from the showing (or the press of "Cerca") until the first lines are painted.
namespace {
const char* const kAppointmentBoxes[] = {"txtData",     "txtOra", "txtTipologia", "txtCausale", "txtDettagli",
                                         "txtContatto", "txtTel", "txtCel",       "txtLuogo",   "txtNote"};
const char* const kClientBoxes[] = {"txtCliente",     "txtComuneRes", "txtPartitaIva", "txtCodFisc",   "txtDocumento",
                                    "txtOccupazione", "txtProdotti",  "txtZona",       "txtQuestioni", "txtNote"};

// Ten boxes filled as a user narrowing a search down would fill them: the
// first ones hold for most records, so most records are matched against
// several fields before one rejects them.
QStringList tenAppointmentCriteria()
{
    return {QStringLiteral("/20"), QStringLiteral(":"),    QStringLiteral("a"),  QStringLiteral("a"),
            QStringLiteral("e"),   QStringLiteral("ross"), QStringLiteral("06"), QStringLiteral("3"),
            QStringLiteral("a"),   QStringLiteral("o")};
}

QStringList tenClientCriteria()
{
    return {QStringLiteral("r"),      QStringLiteral("a"), QStringLiteral("1"),     QStringLiteral("2"),
            QStringLiteral("comune"), QStringLiteral("e"), QStringLiteral("tratt"), QStringLiteral("e"),
            QStringLiteral("a"),      QStringLiteral("a")};
}

QStringList oneCriterion(int box, const QString& text)
{
    QStringList boxes(10);
    boxes[box] = text;
    return boxes;
}

template <class Load> void listing(benchmark::State& state, const QString& folder, Load&& load)
{
    Bench::useDataFolder(folder);
    qsizetype lines = 0;
    for (auto _ : state) {
        ListLines list = load();
        lines = list.size();
        benchmark::DoNotOptimize(list);
    }
    state.counters["lines"] = double(lines);
}

void appointmentSearch(benchmark::State& state, qint64 n, const QStringList& boxes)
{
    listing(state, Bench::appointmentsFolder(n),
            [criteria = SearchCriteria(boxes)]() { return AppointmentSearch::run(criteria).lines; });
}

// The client lists are sorted by their list boxes.
void clientSearch(benchmark::State& state, qint64 n, const QStringList& boxes)
{
    listing(state, Bench::clientsFolder(n), [criteria = SearchCriteria(boxes)]() {
        ListLines lines = ClientSearch::run(criteria).lines;
        lines.sortFolded();
        return lines;
    });
}

// Find-in-list through every line of a whole-archive listing for a text no
// line holds: the longest a find can take.
void findInList(benchmark::State& state, qint64 n)
{
    Bench::useDataFolder(Bench::appointmentsFolder(n));
    const ListLines lines = AppointmentSearch::run(SearchCriteria(QStringList(10))).lines;
    for (auto _ : state) {
        ListSearch search;
        benchmark::DoNotOptimize(search.find(lines, 0, QStringLiteral("Zanzibar")));
    }
    state.counters["lines"] = double(lines.size());
}
void prepareScreens(const QString& folder)
{
    Bench::useDataFolder(folder);
    Messages::setTestMode(true);
    Clock::setForTests(QDateTime(ArchiveGenerator::today(), QTime(9, 0)));
}

// Does action on the screen, timed until the screen's list is painted; then
// deletes the screen, untimed. The number of lines listed.
template <class Screen, class Action> qsizetype untilPainted(benchmark::State& state, Screen* screen, Action&& action)
{
    {
        PaintProbe probe(screen->panContainer->lstRecords->viewport());
        action();
        probe.waitForPaint();
    }
    state.PauseTiming();
    const qsizetype lines = screen->panContainer->lstRecords->count();
    delete screen;
    QCoreApplication::processEvents();
    state.ResumeTiming();
    return lines;
}

// A list screen created as its caller creates it, shown, timed until its list is painted.
template <class Screen> void shownList(benchmark::State& state, const QString& folder)
{
    prepareScreens(folder);
    qsizetype lines = 0;
    for (auto _ : state) {
        auto* screen = new Screen(nullptr);
        lines = untilPainted(state, screen, [screen] { screen->show(); });
    }
    state.counters["lines"] = double(lines);
}

// A search screen with its boxes filled, timed from "Cerca" until the results are painted.
template <class Screen, size_t N>
void searchScreen(benchmark::State& state, const QString& folder, const char* const (&names)[N],
                  const QStringList& boxes)
{
    prepareScreens(folder);
    qsizetype lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto* screen = new Screen(nullptr);
        screen->show();
        for (size_t box = 0; box < N; ++box)
            screen->template findChild<QLineEdit*>(QLatin1String(names[box]))->setText(boxes.value(int(box)));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        lines = untilPainted(state, screen, [screen] { screen->btnCerca->click(); });
    }
    state.counters["lines"] = double(lines);
}
} // namespace

void registerSearchBenchmarks()
{
    const QDate today = ArchiveGenerator::today();
    for (const qint64 n : Bench::config().sizes) {
        const std::string size = Bench::sizeLabel(n);
        const std::string read = Bench::readName("appointments", n);
        const std::string ten = "search/appointments/ten-criteria/" + size;
        Bench::add(ten, [n](benchmark::State& state) { appointmentSearch(state, n, tenAppointmentCriteria()); });
        Bench::addRow({"3", "Appointment search, ten criteria, " + size, ten, n == 1000000 ? 300.0 : 0.0, read, 0});
        const std::string one = "search/appointments/client-name/" + size;
        Bench::add(one, [n](benchmark::State& state) {
            appointmentSearch(state, n, oneCriterion(5, QStringLiteral("ross")));
        });
        Bench::addRow({"3", "Appointment search, client name only, " + size, one, 0, read, 0});
        const std::string none = "search/appointments/no-criteria/" + size;
        Bench::add(none, [n](benchmark::State& state) { appointmentSearch(state, n, QStringList(10)); });
        Bench::addRow({"3", "Appointment search, no criteria (every record listed), " + size, none, 0, read, 0});

        const struct
        {
            StatusList::Kind kind;
            const char* name;
            const char* what;
        } lists[] = {{StatusList::Kind::Fulfilled, "fulfilled", "Status list, fulfilled"},
                     {StatusList::Kind::ToFulfil, "to-fulfil", "Status list, to fulfil"},
                     {StatusList::Kind::Expired, "expired", "Status list, expired"}};
        for (const auto& list : lists) {
            const std::string name = std::string("status/") + list.name + "/" + size;
            Bench::add(name, [n, kind = list.kind, today](benchmark::State& state) {
                listing(state, Bench::appointmentsFolder(n),
                        [kind, today]() { return StatusList::load(kind, today).lines; });
            });
            // Judged on the large archives, where the reading is most of the work.
            Bench::addRow({"3", std::string(list.what) + ", " + size, name, 0, read, n >= 100000 ? 2.0 : 0});
        }

        const std::string screenTen = "screen/appointment-search/ten-criteria/" + size;
        Bench::add(screenTen, [n](benchmark::State& state) {
            searchScreen<TfrmTrovaScadenze>(state, Bench::appointmentsFolder(n), kAppointmentBoxes,
                                            tenAppointmentCriteria());
        });
        Bench::addRow({"3", "Appointment search screen, ten criteria, Cerca to results painted, " + size, screenTen,
                       n == 1000000 ? 300.0 : 0.0, read, 0});
        const std::string screenFulfilled = "screen/status-fulfilled/" + size;
        Bench::add(screenFulfilled,
                   [n](benchmark::State& state) { shownList<TfrmAssolti>(state, Bench::appointmentsFolder(n)); });
        Bench::addRow({"3", "Status list screen, fulfilled, shown to first lines painted, " + size, screenFulfilled, 0,
                       read, n >= 100000 ? 2.0 : 0});
        const std::string screenToFulfil = "screen/status-to-fulfil/" + size;
        Bench::add(screenToFulfil,
                   [n](benchmark::State& state) { shownList<TfrmConfermati>(state, Bench::appointmentsFolder(n)); });
        Bench::addRow({"3", "Status list screen, to fulfil, shown to first lines painted, " + size, screenToFulfil, 0,
                       read, n >= 100000 ? 2.0 : 0});
        const std::string screenExpired = "screen/status-expired/" + size;
        Bench::add(screenExpired,
                   [n](benchmark::State& state) { shownList<TfrmScaduti>(state, Bench::appointmentsFolder(n)); });
        Bench::addRow({"3", "Status list screen, expired, shown to first lines painted, " + size, screenExpired, 0,
                       read, n >= 100000 ? 2.0 : 0});

        const std::string find = "find-in-list/no-match/" + size;
        Bench::add(find, [n](benchmark::State& state) { findInList(state, n); });
        Bench::addRow({"3", "Find in list, every line of the archive, no match, " + size, find, 0, read, 0});
    }

    const qint64 clients = Bench::config().clients;
    const std::string size = Bench::sizeLabel(clients);
    const std::string read = Bench::readName("clients", clients);
    const std::string ten = "search/clients/ten-criteria/" + size;
    Bench::add(ten, [clients](benchmark::State& state) { clientSearch(state, clients, tenClientCriteria()); });
    Bench::addRow({"3", "Client search, ten criteria, " + size, ten, clients == 100000 ? 50.0 : 0.0, read, 0});
    const std::string none = "search/clients/no-criteria/" + size;
    Bench::add(none, [clients](benchmark::State& state) { clientSearch(state, clients, QStringList(10)); });
    Bench::addRow({"3", "Client search, no criteria (every client, sorted), " + size, none, 0, read, 0});
    const std::string recontact = "recontact/" + size;
    Bench::add(recontact, [clients](benchmark::State& state) {
        listing(state, Bench::clientsFolder(clients), []() {
            ListLines lines = Recontact::load().lines;
            lines.sortFolded();
            return lines;
        });
    });
    Bench::addRow({"3", "Clients to recontact, sorted, " + size, recontact, 0, read, clients >= 100000 ? 2.0 : 0});
    const std::string screenTen = "screen/client-search/ten-criteria/" + size;
    Bench::add(screenTen, [clients](benchmark::State& state) {
        searchScreen<TfrmTrovaClienti>(state, Bench::clientsFolder(clients), kClientBoxes, tenClientCriteria());
    });
    Bench::addRow({"3", "Client search screen, ten criteria, Cerca to results painted, " + size, screenTen,
                   clients == 100000 ? 50.0 : 0.0, read, 0});
    const std::string screenRecontact = "screen/recontact/" + size;
    Bench::add(screenRecontact,
               [clients](benchmark::State& state) { shownList<TfrmRicontatta>(state, Bench::clientsFolder(clients)); });
    Bench::addRow({"3", "Recontact list screen, shown to first lines painted, " + size, screenRecontact, 0, read,
                   clients >= 100000 ? 2.0 : 0});
}
