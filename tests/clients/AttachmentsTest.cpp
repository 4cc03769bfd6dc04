#include "GuiFixture.h"

#include "clients/TfrmAllegaCartella.h"
#include "clients/TfrmClienti.h"

#include <QDir>
#include <QTimer>
#include <functional>

namespace {
const QString kOverwrite = QStringLiteral("Attenzione: nella cartella dei documenti allegati \u00E8 presente un file "
                                          "con lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
const QString kFolder = QStringLiteral("Documenti_Allegati");
} // namespace

class AttachmentsTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_fixture.setUp();
        m_sources = std::make_unique<QTemporaryDir>();
        QVERIFY(m_sources->isValid());
    }
    void cleanup()
    {
        m_sources.reset();
        m_fixture.tearDown();
    }

    void filledFromTheCard();
    void choosingCopiesIntoANewFolder();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void cancelledChoiceChangesNothing();
    void failedCopyIsSilent_data();
    void failedCopyIsSilent();
    void eraserKeepsDescriptionAndCopy();
    void annullaKeepsTheCardButNotTheCopy();
    void applyNeedsTheClientsTag();
    void apriOpensOnlyInsideTheFolder_data();
    void apriOpensOnlyInsideTheFolder();
    void fromTheClientCardToTheArchive();

private:
    // Opens the dialog as the client card does, runs drive inside it, and
    // leaves through "Annulla" if drive did not close it.
    void runDialog(const std::function<void(TfrmAllegaCartella*)>& drive, const QStringList& slots = {})
    {
        TfrmAllegaCartella dialog(frmClienti);
        dialog.lblMemory->setText(QStringLiteral("clienti"));
        QLineEdit* fields[] = {dialog.txtFile01, dialog.txtDesc01, dialog.txtFile02,
                               dialog.txtDesc02, dialog.txtFile03, dialog.txtDesc03};
        for (int i = 0; i < slots.size(); ++i)
            fields[i]->setText(slots.at(i));
        bool driven = false;
        QTimer::singleShot(0, &dialog, [&] {
            drive(&dialog);
            driven = true;
            if (dialog.isVisible())
                QTest::mouseClick(dialog.btnAnnulla, Qt::LeftButton);
        });
        dialog.exec();
        QVERIFY(driven);
        QVERIFY(!dialog.isVisible());
    }

    QString source(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_sources->filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write the source file");
        return path;
    }

    QStringList cardSlots() const
    {
        return {frmClienti->lblFile01->text(), frmClienti->lblDesc01->text(), frmClienti->lblFile02->text(),
                frmClienti->lblDesc02->text(), frmClienti->lblFile03->text(), frmClienti->lblDesc03->text()};
    }

    GuiFixture m_fixture;
    std::unique_ptr<QTemporaryDir> m_sources;
};

void AttachmentsTest::filledFromTheCard()
{
    runDialog(
        [](TfrmAllegaCartella* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral(" Allega file"));
            QCOMPARE(d->size(), QSize(634, 534));
            QVERIFY(!d->btnApri01->isEnabled());
            QVERIFY(d->btnApri02->isEnabled());
            QVERIFY(!d->btnApri03->isEnabled());
            QVERIFY(d->txtFile02->isReadOnly());
            // The tab order of the slots, then the two buttons.
            QWidget* expected[] = {d->txtFile01,    d->btnSfoglia01, d->txtDesc01,  d->txtFile02,
                                   d->btnSfoglia02, d->btnApri02,    d->txtDesc02,  d->txtFile03,
                                   d->btnSfoglia03, d->txtDesc03,    d->btnApplica, d->btnAnnulla};
            d->txtFile01->setFocus();
            for (QWidget* w : expected) {
                QTRY_COMPARE(QApplication::focusWidget(), w);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
        },
        {QString(), QString(), QStringLiteral("listino.pdf"), QStringLiteral("Listino"), QString(), QString()});
}

void AttachmentsTest::choosingCopiesIntoANewFolder()
{
    const QByteArray bytes("%PDF-1.4\r\n\x00\x01\xFF referto", 22);
    const QString chosen = source(QStringLiteral("Referto 2024.pdf"), bytes);
    QVERIFY(!QDir(m_fixture.path(kFolder)).exists());

    runDialog([&](TfrmAllegaCartella* d) {
        FileDialog::setNextFileName(chosen);
        QTest::mouseClick(d->btnSfoglia01, Qt::LeftButton);
        QCOMPARE(d->txtFile01->text(), QStringLiteral("Referto 2024.pdf"));
        QVERIFY(d->btnApri01->isEnabled());
        QCOMPARE(m_fixture.readFile(kFolder + QStringLiteral("/Referto 2024.pdf")), bytes);
        // Nothing reaches the card before "Applica e chiudi".
        QCOMPARE(frmClienti->lblFile01->text(), QString());
        d->txtDesc01->setText(QStringLiteral("  Referto dermatologico  "));
        QTest::mouseClick(d->btnApplica, Qt::LeftButton);
    });
    QCOMPARE(cardSlots(), (QStringList{QStringLiteral("Referto 2024.pdf"), QStringLiteral("Referto dermatologico"),
                                       QString(), QString(), QString(), QString()}));
    QVERIFY(Messages::shown().isEmpty());
}

void AttachmentsTest::overwriteQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("yes replaces") << true << QByteArray("new copy");
    QTest::newRow("no keeps") << false << QByteArray("old copy");
}

void AttachmentsTest::overwriteQuestion()
{
    QFETCH(bool, yes);
    QFETCH(QByteArray, kept);
    QVERIFY(QDir(m_fixture.path(QString())).mkdir(kFolder));
    m_fixture.writeFile(kFolder + QStringLiteral("/foto.jpg"), "old copy");
    const QString chosen = source(QStringLiteral("foto.jpg"), "new copy");

    runDialog([&](TfrmAllegaCartella* d) {
        Messages::queueAnswer(yes);
        FileDialog::setNextFileName(chosen);
        QTest::mouseClick(d->btnSfoglia03, Qt::LeftButton);
        QCOMPARE(d->txtFile03->text(), QStringLiteral("foto.jpg"));
        QTest::mouseClick(d->btnApplica, Qt::LeftButton);
    });
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().at(0).kind, Messages::Kind::Confirmation);
    QCOMPARE(Messages::shown().at(0).text, kOverwrite);
    QCOMPARE(m_fixture.readFile(kFolder + QStringLiteral("/foto.jpg")), kept);
    QCOMPARE(frmClienti->lblFile03->text(), QStringLiteral("foto.jpg"));
    QCOMPARE(QDir(m_fixture.path(kFolder)).entryList(QDir::Files), QStringList{QStringLiteral("foto.jpg")});
}

void AttachmentsTest::cancelledChoiceChangesNothing()
{
    runDialog(
        [&](TfrmAllegaCartella* d) {
            FileDialog::setNextFileName(QString());
            QTest::mouseClick(d->btnSfoglia02, Qt::LeftButton);
            QCOMPARE(d->txtFile02->text(), QStringLiteral("vecchio.doc"));
        },
        {QString(), QString(), QStringLiteral("vecchio.doc")});
    QVERIFY(!QDir(m_fixture.path(kFolder)).exists());
    QVERIFY(Messages::shown().isEmpty());
}

void AttachmentsTest::failedCopyIsSilent_data()
{
    QTest::addColumn<bool>("folderBlocked");
    QTest::newRow("source unreadable") << false;
    QTest::newRow("folder cannot be created") << true;
}

void AttachmentsTest::failedCopyIsSilent()
{
    QFETCH(bool, folderBlocked);
    QString chosen = source(QStringLiteral("scheda.txt"), "scheda");
    if (folderBlocked)
        m_fixture.writeFile(kFolder, "a file where the folder should be");
    else
        chosen = m_sources->filePath(QStringLiteral("sparito.txt"));

    runDialog([&](TfrmAllegaCartella* d) {
        FileDialog::setNextFileName(chosen);
        QTest::mouseClick(d->btnSfoglia01, Qt::LeftButton);
        QCOMPARE(d->txtFile01->text(), QFileInfo(chosen).fileName());
        QVERIFY(d->btnApri01->isEnabled());
    });
    QVERIFY(Messages::shown().isEmpty());
    QVERIFY(!QFileInfo::exists(m_fixture.path(kFolder + QLatin1Char('/') + QFileInfo(chosen).fileName())));
}

void AttachmentsTest::eraserKeepsDescriptionAndCopy()
{
    QVERIFY(QDir(m_fixture.path(QString())).mkdir(kFolder));
    m_fixture.writeFile(kFolder + QStringLiteral("/consenso.pdf"), "consenso");
    runDialog(
        [](TfrmAllegaCartella* d) {
            QVERIFY(d->btnApri01->isEnabled());
            QTest::mouseClick(d->imgCancella01, Qt::LeftButton);
            QCOMPARE(d->txtFile01->text(), QString());
            QVERIFY(!d->btnApri01->isEnabled());
            QCOMPARE(d->txtDesc01->text(), QStringLiteral("Consenso informato"));
            QTest::mouseClick(d->btnApplica, Qt::LeftButton);
        },
        {QStringLiteral("consenso.pdf"), QStringLiteral("Consenso informato")});
    QCOMPARE(frmClienti->lblFile01->text(), QString());
    QCOMPARE(frmClienti->lblDesc01->text(), QStringLiteral("Consenso informato"));
    QCOMPARE(m_fixture.readFile(kFolder + QStringLiteral("/consenso.pdf")), QByteArray("consenso"));
}

void AttachmentsTest::annullaKeepsTheCardButNotTheCopy()
{
    frmClienti->lblFile02->setText(QStringLiteral("prima.pdf"));
    const QString chosen = source(QStringLiteral("dopo.pdf"), "dopo");
    runDialog(
        [&](TfrmAllegaCartella* d) {
            FileDialog::setNextFileName(chosen);
            QTest::mouseClick(d->btnSfoglia02, Qt::LeftButton);
            QTest::mouseClick(d->btnAnnulla, Qt::LeftButton);
        },
        {QString(), QString(), QStringLiteral("prima.pdf")});
    QCOMPARE(frmClienti->lblFile02->text(), QStringLiteral("prima.pdf"));
    QCOMPARE(m_fixture.readFile(kFolder + QStringLiteral("/dopo.pdf")), QByteArray("dopo"));
}

void AttachmentsTest::applyNeedsTheClientsTag()
{
    TfrmAllegaCartella dialog(frmClienti);
    dialog.lblMemory->setText(QStringLiteral("scadenze"));
    dialog.txtFile01->setText(QStringLiteral("nuovo.pdf"));
    bool stayedOpen = false;
    QTimer::singleShot(0, &dialog, [&] {
        QTest::mouseClick(dialog.btnApplica, Qt::LeftButton);
        stayedOpen = dialog.isVisible();
        QTest::mouseClick(dialog.btnAnnulla, Qt::LeftButton);
    });
    dialog.exec();
    QVERIFY(stayedOpen);
    QCOMPARE(frmClienti->lblFile01->text(), QString());
}

void AttachmentsTest::apriOpensOnlyInsideTheFolder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("opened");
    QTest::newRow("bare name") << QStringLiteral("  listino prezzi.pdf ") << QStringLiteral("listino prezzi.pdf");
    QTest::newRow("Windows path") << QStringLiteral("C:\\Documenti\\Clienti\\foto.jpg") << QStringLiteral("foto.jpg");
    QTest::newRow("drive relative") << QStringLiteral("D:foto.jpg") << QStringLiteral("foto.jpg");
    QTest::newRow("climbing out") << QStringLiteral("../../Contatti.pro") << QStringLiteral("Contatti.pro");
    QTest::newRow("mixed separators") << QStringLiteral("..\\../x/ y.txt") << QStringLiteral("y.txt");
    QTest::newRow("parent folder") << QStringLiteral("..") << QString();
    QTest::newRow("folder itself") << QStringLiteral("a/.") << QString();
    QTest::newRow("folder only") << QStringLiteral("C:\\Documenti\\") << QString();
}

void AttachmentsTest::apriOpensOnlyInsideTheFolder()
{
    QFETCH(QString, stored);
    QFETCH(QString, opened);
    runDialog([](TfrmAllegaCartella* d) { QTest::mouseClick(d->btnApri01, Qt::LeftButton); }, {stored});
    const QStringList expected =
        opened.isEmpty() ? QStringList() : QStringList{m_fixture.path(kFolder) + QLatin1Char('/') + opened};
    QCOMPARE(TMisc::opened(), expected);
}

void AttachmentsTest::fromTheClientCardToTheArchive()
{
    frmClienti->Show();
    QTest::mouseClick(frmClienti->cmdNuovo, Qt::LeftButton);
    frmClienti->txtCliente->setText(QStringLiteral("Rossi Anna"));
    frmClienti->txtTelCel->setText(QStringLiteral("3331234567"));
    const QString chosen = source(QStringLiteral("allergie.txt"), "nichel");
    bool driven = false;
    QTimer::singleShot(0, frmClienti, [&] {
        auto* dialog = qobject_cast<TfrmAllegaCartella*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->lblMemory->text(), QStringLiteral("clienti"));
        FileDialog::setNextFileName(chosen);
        QTest::mouseClick(dialog->btnSfoglia02, Qt::LeftButton);
        dialog->txtDesc02->setText(QStringLiteral("Allergie note"));
        QTest::mouseClick(dialog->btnApplica, Qt::LeftButton);
        driven = true;
    });
    QTest::mouseClick(frmClienti->cmdFile, Qt::LeftButton);
    QVERIFY(driven);
    QCOMPARE(frmClienti->lblFile02->text(), QStringLiteral("allergie.txt"));
    QTest::mouseClick(frmClienti->cmdSalva, Qt::LeftButton);

    // Fields 32 (File02) and 35 (Desc02) of the stored client record.
    const QByteArray stored = m_fixture.readFile(QStringLiteral("Contatti.pro"));
    QCOMPARE(stored.size(), 3372);
    QCOMPARE(stored.mid(2117, 13), QByteArray("\x0C"
                                              "allergie.txt"));
    QCOMPARE(stored.mid(2870, 14), QByteArray("\x0D"
                                              "Allergie note"));
    QCOMPARE(m_fixture.readFile(kFolder + QStringLiteral("/allergie.txt")), QByteArray("nichel"));
}

QTEST_MAIN(AttachmentsTest)
#include "AttachmentsTest.moc"
