#include "ArchiveGenerator.h"
#include "Bench.h"

#include "agenda/AgendaList.h"
#include "reports/ListLines.h"
#include "storage/Cp1252.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>

// The yardstick of target 6: the agenda query run by SQLite over the same
// appointments in one table, every field a text column. SQLite selects the
// imminent appointments and puts them in date and time order; the lines are
// built from its rows with the agenda's own line rule. One database per
// archive, with an index on the fulfilled flag that one query ignores and
// the other uses. The stored texts are trimmed, so the lines need only be
// padded and cut.
namespace {
using Field = TSchedaAppuntamento::Field;

const char* const kColumns[TSchedaAppuntamento::FieldCount] = {
    "Data",     "OreApp", "MinutiApp", "Ora",   "Avviso", "Tipologia", "Causale", "Dettagli",
    "Contatto", "Tel",    "Cel",       "Email", "Luogo",  "Importo",   "Note",    "Ottemperata"};

bool exec(sqlite3* db, const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "SQLite: %s\n", error);
    sqlite3_free(error);
    return false;
}

QString databasePath(qint64 n)
{
    return QDir(Bench::appointmentsFolder(n)).filePath(QStringLiteral("Appuntamenti.sqlite"));
}

// Built once from the archive, under another name until complete.
QString ensureDatabase(qint64 n)
{
    const QString path = databasePath(n);
    if (QFile::exists(path))
        return path;
    std::fprintf(stderr, "Building %s...\n", qPrintable(path));
    const QString building = path + QStringLiteral(".building");
    QFile::remove(building);
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(building).constData(), &db) != SQLITE_OK)
        std::exit(1);
    QByteArray create = "CREATE TABLE Appuntamenti (";
    QByteArray insert = "INSERT INTO Appuntamenti VALUES (";
    for (int i = 0; i < TSchedaAppuntamento::FieldCount; ++i) {
        create += QByteArray(i ? ", " : "") + kColumns[i] + " TEXT";
        insert += i ? ", ?" : "?";
    }
    create += ")";
    insert += ")";
    if (!exec(db, "PRAGMA journal_mode = OFF") || !exec(db, create.constData()) || !exec(db, "BEGIN"))
        std::exit(1);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, insert.constData(), -1, &statement, nullptr);
    Bench::useDataFolder(Bench::appointmentsFolder(n));
    RecordFile::forEach(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size, [&](qint64, const char* record) {
        const TSchedaAppuntamento appointment = TSchedaAppuntamento::decode(record);
        for (int i = 0; i < TSchedaAppuntamento::FieldCount; ++i) {
            const QByteArray text = appointment[Field(i)].toUtf8();
            sqlite3_bind_text(statement, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        sqlite3_step(statement);
        sqlite3_reset(statement);
        return true;
    });
    sqlite3_finalize(statement);
    if (!exec(db, "COMMIT") || !exec(db, "CREATE INDEX Appuntamenti_Ottemperata ON Appuntamenti (Ottemperata)") ||
        !exec(db, "ANALYZE"))
        std::exit(1);
    sqlite3_close(db);
    QFile::rename(building, path);
    return path;
}

// The imminent rule and the order of the lines, in SQL.
QByteArray agendaQuery(bool indexed)
{
    return QByteArray("SELECT Data, OreApp, MinutiApp, Ora, Contatto, Cel, Causale, Importo FROM Appuntamenti ") +
           (indexed ? "INDEXED BY Appuntamenti_Ottemperata " : "NOT INDEXED ") +
           "WHERE Ottemperata = 'No' "
           "AND julianday(substr(Data, 7, 4) || '-' || substr(Data, 4, 2) || '-' || substr(Data, 1, 2)) "
           "- CAST(Avviso AS INTEGER) <= julianday(?1) "
           "ORDER BY substr(Data, 7, 4) || substr(Data, 4, 2) || substr(Data, 1, 2) || OreApp || MinutiApp, "
           "upper(Contatto), Cel, Causale, Importo";
}

// The agenda's line from SQLite's UTF-8 texts, as cheaply as the agenda makes
// its own from the stored bytes: ASCII texts (nearly all) are used where SQLite
// holds them, the others converted to the lines' code page.
class Row
{
public:
    explicit Row(sqlite3_stmt* statement) : m_statement(statement) {}

    QByteArrayView text(int column)
    {
        const char* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        const QByteArrayView bytes(utf8, sqlite3_column_bytes(m_statement, column));
        if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            return bytes;
        m_converted[column] = Cp1252::encode(QString::fromUtf8(bytes));
        return m_converted[column];
    }

private:
    sqlite3_stmt* m_statement;
    QByteArray m_converted[8];
};

void appendLine(ListLines& lines, qint64 position, sqlite3_stmt* statement)
{
    // Data, OreApp, MinutiApp, Ora, Contatto, Cel, Causale, Importo
    Row row(statement);
    const QByteArrayView date = row.text(0);
    const auto part = [date](qsizetype from, qsizetype count) {
        return from >= date.size() ? QByteArrayView() : date.sliced(from, qMin(count, date.size() - from));
    };
    char key[12];
    qsizetype length = 0;
    for (const QByteArrayView piece : {part(6, 4), part(3, 2), part(0, 2), row.text(1), row.text(2)}) {
        std::copy_n(piece.data(), qMin<qsizetype>(piece.size(), 12 - length), key + length);
        length = qMin<qsizetype>(12, length + piece.size());
    }
    lines.appendStored(position, AgendaList::columns(),
                       {QByteArrayView(key, length), date, row.text(3), row.text(4), row.text(5), row.text(6),
                        row.text(7)});
}

void sqliteAgenda(benchmark::State& state, qint64 n, bool indexed)
{
    const QByteArray path = QFile::encodeName(ensureDatabase(n));
    const QByteArray sql = agendaQuery(indexed);
    const QByteArray today = ArchiveGenerator::today().toString(Qt::ISODate).toLatin1();
    qsizetype lines = 0;
    for (auto _ : state) {
        // One user action: open, query, close.
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            state.SkipWithError("cannot open the database");
            return;
        }
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr) != SQLITE_OK) {
            state.SkipWithError(sqlite3_errmsg(db));
            sqlite3_close(db);
            return;
        }
        sqlite3_bind_text(statement, 1, today.constData(), int(today.size()), SQLITE_STATIC);
        ListLines list;
        qint64 row = 0;
        while (sqlite3_step(statement) == SQLITE_ROW)
            appendLine(list, ++row, statement);
        sqlite3_finalize(statement);
        sqlite3_close(db);
        lines = list.size();
        benchmark::DoNotOptimize(list);
    }
    state.counters["lines"] = double(lines);
}
} // namespace

void registerSqliteBenchmarks()
{
    for (const qint64 n : Bench::config().sizes) {
        const std::string size = Bench::sizeLabel(n);
        const std::string agenda = "agenda/query/" + size;
        for (const bool indexed : {false, true}) {
            const std::string name = std::string("sqlite/agenda/") + (indexed ? "index/" : "no-index/") + size;
            Bench::add(name, [n, indexed](benchmark::State& state) { sqliteAgenda(state, n, indexed); });
            Bench::addRow({"6",
                           std::string("SQLite agenda query, ") + (indexed ? "with" : "without") + " an index, " +
                               size + " (ratio: SQLite over ours)",
                           name, 0, agenda, 4.0, true});
        }
    }
}
