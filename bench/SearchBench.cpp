#include "ArchiveGenerator.h"
#include "Bench.h"

#include "appointments/AppointmentSearch.h"
#include "appointments/StatusList.h"
#include "clients/ClientSearch.h"
#include "clients/Recontact.h"
#include "reports/ListSearch.h"
#include "reports/SearchCriteria.h"

// The searches and lists as their screens run them: the core functions the
// screens call, timed without the screens.
namespace {

// Ten boxes filled as a user narrowing a search down would fill them: the
// first ones hold for most records, so most records are matched against
// several fields before one rejects them.
QStringList tenAppointmentCriteria()
{
    return {QStringLiteral("/20"), QStringLiteral(":"),   QStringLiteral("a"),    QStringLiteral("a"),
            QStringLiteral("e"),   QStringLiteral("ross"), QStringLiteral("06"), QStringLiteral("3"),
            QStringLiteral("a"),   QStringLiteral("o")};
}

QStringList tenClientCriteria()
{
    return {QStringLiteral("r"), QStringLiteral("a"),    QStringLiteral("1"), QStringLiteral("2"),
            QStringLiteral("comune"), QStringLiteral("e"), QStringLiteral("tratt"), QStringLiteral("e"),
            QStringLiteral("a"), QStringLiteral("a")};
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
    listing(state, Bench::appointmentsFolder(n), [criteria = SearchCriteria(boxes)]() {
        return AppointmentSearch::run(criteria).lines;
    });
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
                listing(state, Bench::appointmentsFolder(n), [kind, today]() {
                    return StatusList::load(kind, today).lines;
                });
            });
            // Judged on the large archives, where the reading is most of the work.
            Bench::addRow({"3", std::string(list.what) + ", " + size, name, 0, read, n >= 100000 ? 2.0 : 0});
        }

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
}
