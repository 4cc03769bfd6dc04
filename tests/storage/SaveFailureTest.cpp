#include "GuiFixture.h"

#include "appointments/TfrmArchivio_Scadenze.h"
#include "clients/TfrmClienti.h"
#include "storage/FileIo.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"
#include "storage/TSchedaCliente.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <cerrno>
#include <memory>
#include <utility>

// The two cards saving into a disk that is full or failing, or into an
// archive that another workstation holds: the card's fixed message, the card
// still unsaved, and the archive as it was.
class SaveFailureTest : public QObject
{
    Q_OBJECT

private:
    GuiFixture m_fixture;

    const QString kArchiveFailure = QStringLiteral(
        "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi "
        "di scrittura nella cartella di installazione del programma.");

    enum Fault { DiskFull, FailingFlush, HeldElsewhere };

    struct Card
    {
        QString archive;
        QLabel* position;
        QToolButton* save;
    };

    Card card(bool clients)
    {
        // Shown first: showing a card may empty it.
        if (clients) {
            frmClienti->show();
            frmClienti->txtCliente->setText(QStringLiteral("Rossi Anna"));
            frmClienti->txtTelCel->setText(QStringLiteral("3331234567"));
            return {TSchedaCliente::fileName(), frmClienti->lblPosizione, frmClienti->cmdSalva};
        }
        frmArchivio_Scadenze->show();
        frmArchivio_Scadenze->txtData->setText(QStringLiteral("05/03/2025"));
        frmArchivio_Scadenze->txtAvviso->setText(QStringLiteral("1"));
        frmArchivio_Scadenze->txtCausale->setText(QStringLiteral("Pedicure"));
        frmArchivio_Scadenze->txtContatto->setText(QStringLiteral("Rossi Anna"));
        frmArchivio_Scadenze->txtCel->setText(QStringLiteral("3331234567"));
        return {TSchedaAppuntamento::fileName(), frmArchivio_Scadenze->lblPosizione, frmArchivio_Scadenze->cmdSalva};
    }

    // Sets the fault up; the handle of the other workstation's open archive
    // when it holds the lock.
    FileIo::Handle inject(Fault fault, const QString& archive)
    {
        const FileIo::WriteCalls system = FileIo::systemWriteCalls();
        switch (fault) {
        case DiskFull: {
            // The first write takes what fits, then nothing more does.
            auto room = std::make_shared<bool>(true);
            FileIo::setWriteCallsForTests(
                {[system, room](FileIo::Handle h, qint64 offset, const char* data, qint64 size) {
                     if (std::exchange(*room, false) && size > 1)
                         return system.write(h, offset, data, size / 2);
                     errno = ENOSPC;
                     return qint64(-1);
                 },
                 system.flush});
            return FileIo::InvalidHandle;
        }
        case FailingFlush:
            FileIo::setWriteCallsForTests({system.write, [](FileIo::Handle) {
                                               errno = EIO;
                                               return false;
                                           }});
            return FileIo::InvalidHandle;
        case HeldElsewhere: {
            RecordFile::setLockWaitForTests(300);
            QString error;
            const FileIo::Handle other = FileIo::openOrCreate(m_fixture.path(archive), &error);
            FileIo::lockExclusive(other, 0);
            return other;
        }
        }
        return FileIo::InvalidHandle;
    }

private Q_SLOTS:
    void init() { m_fixture.setUp(); }
    void cleanup()
    {
        FileIo::resetForTests();
        RecordFile::resetForTests();
        m_fixture.tearDown();
    }

    void failedSave_data()
    {
        QTest::addColumn<bool>("clients");
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("stored");
        for (const bool clients : {true, false}) {
            const char* name = clients ? "client card" : "appointment card";
            for (const bool stored : {false, true}) {
                const char* kind = stored ? "rewrite" : "new";
                QTest::addRow("%s, %s, disk full", name, kind) << clients << int(DiskFull) << stored;
                QTest::addRow("%s, %s, failing flush", name, kind) << clients << int(FailingFlush) << stored;
                QTest::addRow("%s, %s, held by another workstation", name, kind)
                    << clients << int(HeldElsewhere) << stored;
            }
        }
    }

    void failedSave()
    {
        QFETCH(bool, clients);
        QFETCH(int, fault);
        QFETCH(bool, stored);
        const Card c = card(clients);
        if (stored) {
            c.save->click();
            QCOMPARE(c.position->text(), QStringLiteral("1"));
            Messages::resetForTests();
            qobject_cast<QLineEdit*>(clients ? static_cast<QWidget*>(frmClienti->txtCliente)
                                             : frmArchivio_Scadenze->txtContatto)
                ->setText(QStringLiteral("Bianchi Carla"));
        }
        const QByteArray before = m_fixture.readFile(c.archive);
        const QString position = c.position->text();

        const FileIo::Handle other = inject(Fault(fault), c.archive);
        QElapsedTimer clock;
        clock.start();
        c.save->click();
        const qint64 waited = clock.elapsed();
        FileIo::close(other);
        FileIo::resetForTests();

        QCOMPARE(Messages::shownTexts(), QStringList{kArchiveFailure});
        QCOMPARE(Messages::shown().first().kind, Messages::Kind::Error);
        QCOMPARE(c.position->text(), position);
        QCOMPARE(m_fixture.readFile(c.archive), before);
        QVERIFY(!QFile::exists(m_fixture.path(c.archive + "-journal")));
        QVERIFY(waited < 3000);
        Messages::resetForTests();

        // Once the disk or the other workstation lets it, the same save goes through.
        c.save->click();
        QCOMPARE(Messages::shown().size(), 1);
        QCOMPARE(Messages::shown().first().kind, Messages::Kind::Information);
        QCOMPARE(m_fixture.readFile(c.archive).size(),
                 qint64(clients ? TSchedaCliente::Size : TSchedaAppuntamento::Size));
    }
};

QTEST_MAIN(SaveFailureTest)
#include "SaveFailureTest.moc"
