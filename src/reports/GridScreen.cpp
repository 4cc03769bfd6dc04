#include "reports/GridScreen.h"

#include "app/Conventions.h"
#include "app/DataFolder.h"
#include "app/Messages.h"
#include "app/TMisc.h"
#include "reports/GridModel.h"
#include "reports/SpreadsheetDocument.h"
#include "storage/RecordFile.h"

#include <QHeaderView>
#include <charconv>
#include <iterator>

namespace {
const int kEmptyRows = 10;
const int kNumberWidth = 60;

QString askExport()
{
    return QStringLiteral("L'esportazione dei dati in Excel pu\u00F2 richiedere diversi minuti a seconda del numero di "
                          "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
}

QString askOpen()
{
    return QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di "
                          "Excel?");
}

QString exportFailed()
{
    return QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di "
                          "Excel non sia gi\u00E0 aperto.");
}
} // namespace

GridScreen::GridScreen(QWidget* parent) : ModalScreen(parent) {}

void GridScreen::setUpGrid(Layout layout)
{
    m_layout = std::move(layout);
    Ui::GridFrame::setupUi(this);
    imgLogo->setText(m_layout.logo);

    QStringList headers{QStringLiteral("N.")};
    for (const GridColumn& column : std::as_const(m_layout.columns))
        headers << column.header;
    m_model = new GridModel(headers, this);
    GridRows empty(int(headers.size()));
    empty.appendEmpty(kEmptyRows);
    m_model->setRows(std::move(empty));
    grdRecords->setModel(m_model);
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->setColumnWidth(0, kNumberWidth);
    for (int c = 0; c < m_layout.columns.size(); ++c)
        grdRecords->setColumnWidth(c + 1, m_layout.columns.at(c).width);

    connect(cmdEsporta, &QToolButton::clicked, this, &GridScreen::cmdEsportaClick);
    connect(cmdGuida, &QToolButton::clicked, this, &GridScreen::cmdGuidaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &GridScreen::cmdEsciClick);
    Conventions::setHint(cmdEsporta, panInfo, QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    Conventions::setHint(cmdGuida, panInfo, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    Conventions::setHint(cmdEsci, panInfo, QStringLiteral("Esci da questo ambiente di lavoro."));
    Conventions::clearsHint(this, panInfo);
    Conventions::clearsHint(imgLogo, panInfo);
    Conventions::clearsHint(grdRecords->viewport(), panInfo);
}

bool GridScreen::loadGrid(const QString& archive, int recordSize, const RecordFile::Selector& selects,
                          const CellsOf& cellsOf)
{
    GridRows rows(m_model->columnCount());
    // Whether the archive has any record, taken or not.
    bool any = false;
    const auto noting = [&any, &selects](const char* record) {
        any = true;
        return !selects || selects(record);
    };
    GridCells cells;
    const RecordFile::Status status = RecordFile::forEach(archive, recordSize, noting, [&](qint64, const char* record) {
        cells.clear();
        char number[24];
        const auto written = std::to_chars(std::begin(number), std::end(number), rows.size() + 1);
        cells.add(QByteArrayView(number, written.ptr - number));
        cellsOf(record, cells);
        rows.append(cells);
        return true;
    });
    if (any)
        m_model->setRows(std::move(rows));
    return any && status.ok();
}

void GridScreen::sortGrid(int column)
{
    m_model->sortByColumn(column);
}

void GridScreen::cmdEsportaClick()
{
    if (!Messages::confirm(this, askExport()))
        return;
    const QString path = DataFolder::filePath(m_layout.fileName);
    if (!SpreadsheetDocument::save(path, m_layout.sheetName, m_layout.columns, m_model->rows()).isEmpty()) {
        Messages::plain(this, exportFailed());
        return;
    }
    if (Messages::confirm(this, askOpen()))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
}

void GridScreen::cmdGuidaClick()
{
    Help::open(this, m_layout.help);
}

void GridScreen::cmdEsciClick()
{
    close();
}
