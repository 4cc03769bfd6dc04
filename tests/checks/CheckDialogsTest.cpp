#include "GuiFixture.h"

#include "checks/TfrmCarta.h"
#include "checks/TfrmCodFisc.h"
#include "checks/TfrmIban.h"
#include "checks/TfrmPartitaIva.h"
#include "clients/TfrmClienti.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {
const QString validCodeText = QStringLiteral("Il codice fiscale digitato \u00E8 VALIDO.");
const QString wrongCodeText = QStringLiteral("Attenzione: il codice fiscale digitato \u00E8 ERRATO.");
const QString codeLengthText =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString vatLengthText =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString wrongVatText = QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon "
                                            "\u00E8 quindi possibile fornire informazioni relative all'Ufficio IVA che "
                                            "lo ha rilasciato.");
const QString validVatText = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n");
const QString emptyCardText =
    QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.");
const QString wrongCardText = QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon \u00E8 quindi "
                                             "possibile fornire informazioni relative al tipo di carta di credito.");
const QString ibanLengthText = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString validIbanText = QStringLiteral("L'IBAN digitato \u00E8 VALIDO.");
const QString wrongIbanText = QStringLiteral("Attenzione: l'IBAN digitato \u00E8 ERRATO!");

QString cardText(const QString& number, const QString& circuit)
{
    return QStringLiteral("Il numero di carta di credito ") + number +
           QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito \u00E8 del tipo ") + circuit + QLatin1Char('.');
}

QStringList shownOfKind(Messages::Kind kind)
{
    QStringList texts;
    for (const Messages::Shown& shown : Messages::shown())
        if (shown.kind == kind)
            texts << shown.text;
    return texts;
}
} // namespace

class CheckDialogsTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture.setUp(); }
    void cleanup() { m_fixture.tearDown(); }

    void dialogsAsDesigned();

    void fiscalCodeTypedLowerCaseReturnThenReturn();
    void fiscalCodeVerdicts_data();
    void fiscalCodeVerdicts();
    void fiscalCodeChiudi();

    void vatNumberTypingFilter();
    void vatNumberVerdicts_data();
    void vatNumberVerdicts();

    void cardTypingFilterAndReturn();
    void cardVerdicts_data();
    void cardVerdicts();

    void ibanTypedLowerCase();
    void ibanVerdicts_data();
    void ibanVerdicts();

private:
    // Opens dialog modally, as the client card does, and runs drive inside
    // it. A dialog that drive left open is closed through its "Chiudi".
    template <class Dialog> void runModal(Dialog* dialog, const std::function<void(Dialog*)>& drive)
    {
        bool driven = false;
        m_leftOpen = false;
        QTimer::singleShot(0, dialog, [&] {
            drive(dialog);
            driven = true;
            m_leftOpen = dialog->isVisible();
            if (m_leftOpen)
                QTest::mouseClick(dialog->btnChiudi, Qt::LeftButton);
        });
        dialog->exec();
        QVERIFY(driven);
        QVERIFY(!dialog->isVisible());
    }

    // Sets the field as the client card does, then clicks "Controlla".
    template <class Dialog> void checkText(Dialog* dialog, QLineEdit* field, const QString& text)
    {
        field->setText(text);
        runModal<Dialog>(dialog, [](Dialog* d) { QTest::mouseClick(d->btnControlla, Qt::LeftButton); });
    }

    GuiFixture m_fixture;
    bool m_leftOpen = false;
};

void CheckDialogsTest::dialogsAsDesigned()
{
    struct Expected
    {
        QDialog* dialog;
        const char* field;
        int maxLength;
        QString caption;
        QString title;
    };
    TfrmCodFisc codFisc(frmClienti);
    TfrmPartitaIva partitaIva(frmClienti);
    TfrmCarta carta(frmClienti);
    TfrmIban iban(frmClienti);
    const Expected all[] = {
        {&codFisc, "txtCodFisc", 16, " Controllo codice fiscale",
         "Immettere il codice fiscale e premere il pulsante di controllo."},
        {&partitaIva, "txtPartitaIva", 32767, " Controllo partita IVA",
         "Immettere il numero di partita IVA e premere il pulsante di controllo."},
        {&carta, "txtNumero", 30, " Controllo carta di credito",
         "Immettere il numero di carta di credito e premere il pulsante di controllo."},
        {&iban, "txtIban", 27, " Controllo IBAN", "Immettere l'IBAN e premere il pulsante di controllo."},
    };
    for (const Expected& e : all) {
        QCOMPARE(e.dialog->windowTitle(), e.caption);
        QCOMPARE(control<QLabel>(e.dialog, "lblTitolo")->text(), e.title);
        auto* field = control<QLineEdit>(e.dialog, e.field);
        QVERIFY(field);
        QCOMPARE(field->maxLength(), e.maxLength);
        QCOMPARE(field->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(field->font().pointSize(), 20);
        QVERIFY(field->font().bold());
        QCOMPARE(control<QPushButton>(e.dialog, "btnControlla")->text(), QStringLiteral("Controlla"));
        QCOMPARE(control<QPushButton>(e.dialog, "btnChiudi")->text(), QStringLiteral("Chiudi"));
        QVERIFY(!(e.dialog->windowFlags() & Qt::WindowCloseButtonHint));
    }
}

void CheckDialogsTest::fiscalCodeTypedLowerCaseReturnThenReturn()
{
    auto* dialog = new TfrmCodFisc(frmClienti);
    runModal<TfrmCodFisc>(dialog, [](TfrmCodFisc* d) {
        QTRY_COMPARE(QApplication::focusWidget(), d->txtCodFisc);
        // Spaces at either end vanish while typing; letters turn upper case one by one.
        QTest::keyClicks(d->txtCodFisc, QStringLiteral(" rssmra85"));
        QCOMPARE(d->txtCodFisc->text(), QStringLiteral("RSSMRA85"));
        QTest::keyClicks(d->txtCodFisc, QStringLiteral("t10a562s "));
        QCOMPARE(d->txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562S"));
        // Return moves to the button without pressing it.
        QTest::keyClick(d->txtCodFisc, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), d->btnControlla);
        QVERIFY(Messages::shown().isEmpty());
        QTest::keyClick(d->btnControlla, Qt::Key_Return);
    });
    QVERIFY(!m_leftOpen);
    QCOMPARE(shownOfKind(Messages::Kind::Information), QStringList{validCodeText});
    QCOMPARE(Messages::shown().size(), 1);
    delete dialog;
}

void CheckDialogsTest::fiscalCodeVerdicts_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("staysOpen");

    const int information = int(Messages::Kind::Information);
    const int warning = int(Messages::Kind::Warning);
    QTest::newRow("valid") << "MRTMTT25D09F205Z" << information << validCodeText << false;
    QTest::newRow("lower case from the card") << "mrtmtt25d09f205z" << information << validCodeText << false;
    QTest::newRow("check character changed") << "MRTMTT25D09F205A" << warning << wrongCodeText << false;
    QTest::newRow("date digit changed") << "MRTMTT25D08F205Z" << warning << wrongCodeText << false;
    QTest::newRow("hyphen") << "MRTMTT25-09F205Z" << warning << wrongCodeText << false;
    QTest::newRow("accented letter") << QString::fromUtf8("MRTMTT25D09F2\xC3\x8C"
                                                          "5Z")
                                     << warning << wrongCodeText << false;
    QTest::newRow("15 characters") << "MRTMTT25D09F205" << warning << codeLengthText << true;
    QTest::newRow("empty") << "" << warning << codeLengthText << true;
}

void CheckDialogsTest::fiscalCodeVerdicts()
{
    QFETCH(QString, code);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(bool, staysOpen);

    auto* dialog = new TfrmCodFisc(frmClienti);
    checkText(dialog, dialog->txtCodFisc, code);
    QCOMPARE(m_leftOpen, staysOpen);
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(int(Messages::shown().constFirst().kind), kind);
    QCOMPARE(Messages::shown().constFirst().text, message);
    delete dialog;
}

void CheckDialogsTest::fiscalCodeChiudi()
{
    auto* dialog = new TfrmCodFisc(frmClienti);
    dialog->txtCodFisc->setText(QStringLiteral("RSSMRA85T10A562S"));
    runModal<TfrmCodFisc>(dialog, [](TfrmCodFisc* d) { QTest::mouseClick(d->btnChiudi, Qt::LeftButton); });
    QVERIFY(!m_leftOpen);
    QVERIFY(Messages::shown().isEmpty());
    delete dialog;
}

void CheckDialogsTest::vatNumberTypingFilter()
{
    auto* dialog = new TfrmPartitaIva(frmClienti);
    runModal<TfrmPartitaIva>(dialog, [](TfrmPartitaIva* d) {
        QTRY_COMPARE(QApplication::focusWidget(), d->txtPartitaIva);
        QTest::keyClicks(d->txtPartitaIva, QStringLiteral("00811a72-0 580+"));
        QCOMPARE(d->txtPartitaIva->text(), QStringLiteral("00811720580"));
        // A twelfth digit does not fit; Backspace and Delete still work.
        QTest::keyClicks(d->txtPartitaIva, QStringLiteral("9"));
        QCOMPARE(d->txtPartitaIva->text(), QStringLiteral("00811720580"));
        QTest::keyClick(d->txtPartitaIva, Qt::Key_Backspace);
        QTest::keyClick(d->txtPartitaIva, Qt::Key_Left);
        QTest::keyClick(d->txtPartitaIva, Qt::Key_Delete);
        QCOMPARE(d->txtPartitaIva->text(), QStringLiteral("008117205"));
        d->txtPartitaIva->selectAll();
        QTest::keyClicks(d->txtPartitaIva, QStringLiteral("03740811207"));
        QCOMPARE(d->txtPartitaIva->text(), QStringLiteral("03740811207"));
        // Tab is swallowed; Return moves to the button without pressing it.
        QTest::keyClick(d->txtPartitaIva, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d->txtPartitaIva);
        QTest::keyClick(d->txtPartitaIva, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), d->btnControlla);
        QVERIFY(Messages::shown().isEmpty());
        QTest::keyClick(d->btnControlla, Qt::Key_Return);
    });
    QVERIFY(!m_leftOpen);
    QCOMPARE(
        Messages::shownTexts(),
        QStringList{validVatText + QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di Bologna 2.")});
    delete dialog;
}

void CheckDialogsTest::vatNumberVerdicts_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("staysOpen");

    const int information = int(Messages::Kind::Information);
    const int warning = int(Messages::Kind::Warning);
    QTest::newRow("office 058") << "00811720580" << information
                                << validVatText +
                                       QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di Roma 1.")
                                << false;
    QTest::newRow("office 120") << "03740811207" << information
                                << validVatText +
                                       QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di Bologna 2.")
                                << false;
    QTest::newRow("office not in the table")
        << "00000001057" << information
        << validVatText + QStringLiteral("Il codice 105 dell'Ufficio IVA che lo ha rilasciato non corrisponde a "
                                         "nessun ufficio conosciuto.")
        << false;
    QTest::newRow("one digit changed") << "00811720680" << warning << wrongVatText << false;
    QTest::newRow("letter put in by the card") << "0081172058A" << warning << wrongVatText << false;
    QTest::newRow("10 digits") << "0081172058" << warning << vatLengthText << true;
    // An all-digit fiscal code of 16 digits from the card is refused whole,
    // not checked on its first 11 digits.
    QTest::newRow("16-digit fiscal code") << "0081172058012345" << warning << vatLengthText << true;
}

void CheckDialogsTest::vatNumberVerdicts()
{
    QFETCH(QString, number);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(bool, staysOpen);

    auto* dialog = new TfrmPartitaIva(frmClienti);
    checkText(dialog, dialog->txtPartitaIva, number);
    QCOMPARE(dialog->txtPartitaIva->text(), number);
    QCOMPARE(m_leftOpen, staysOpen);
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(int(Messages::shown().constFirst().kind), kind);
    QCOMPARE(Messages::shown().constFirst().text, message);
    delete dialog;
}

void CheckDialogsTest::cardTypingFilterAndReturn()
{
    auto* dialog = new TfrmCarta(frmClienti);
    runModal<TfrmCarta>(dialog, [](TfrmCarta* d) {
        QTRY_COMPARE(QApplication::focusWidget(), d->txtNumero);
        QTest::keyClicks(d->txtNumero, QStringLiteral("3782 8224-6310x005"));
        QCOMPARE(d->txtNumero->text(), QStringLiteral("378282246310005"));
        QTest::keyClick(d->txtNumero, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d->txtNumero);
        QTest::keyClick(d->txtNumero, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), d->btnControlla);
        QVERIFY(Messages::shown().isEmpty());
        QTest::keyClick(d->btnControlla, Qt::Key_Return);
    });
    QVERIFY(!m_leftOpen);
    QCOMPARE(shownOfKind(Messages::Kind::Information),
             QStringList{cardText(QStringLiteral("378282246310005"), QStringLiteral("American Express"))});
    QCOMPARE(Messages::shown().size(), 1);
    delete dialog;
}

void CheckDialogsTest::cardVerdicts_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("information");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<bool>("staysOpen");

    QTest::newRow("Visa") << "4111111111111111" << QStringList{cardText("4111111111111111", "Visa")} << QStringList()
                          << false;
    QTest::newRow("MasterCard") << "5555555555554444" << QStringList{cardText("5555555555554444", "MasterCard")}
                                << QStringList() << false;
    QTest::newRow("Diners") << "30569309025904"
                            << QStringList{cardText("30569309025904", "Diner's Club / Carte Blanche")} << QStringList()
                            << false;
    QTest::newRow("JCB") << "3530111333300000" << QStringList{cardText("3530111333300000", "JCB")} << QStringList()
                         << false;
    QTest::newRow("Discover") << "6011111111111117" << QStringList{cardText("6011111111111117", "Discover")}
                              << QStringList() << false;
    QTest::newRow("42") << "42" << QStringList{cardText("42", "Visa")} << QStringList() << false;
    QTest::newRow("pasted with spaces") << "4111 1111 1111 1111" << QStringList{cardText("4111 1111 1111 1111", "Visa")}
                                        << QStringList() << false;
    QTest::newRow("starting with 32") << "3200000000000002" << QStringList() << QStringList() << false;
    QTest::newRow("last digit changed") << "4111111111111112" << QStringList() << QStringList{wrongCardText} << false;
    QTest::newRow("starting with 2") << "2223003122003222" << QStringList() << QStringList{wrongCardText} << false;
    QTest::newRow("spaces only") << "   " << QStringList() << QStringList{emptyCardText} << true;
    QTest::newRow("empty") << "" << QStringList() << QStringList{emptyCardText} << true;
}

void CheckDialogsTest::cardVerdicts()
{
    QFETCH(QString, number);
    QFETCH(QStringList, information);
    QFETCH(QStringList, warnings);
    QFETCH(bool, staysOpen);

    auto* dialog = new TfrmCarta(frmClienti);
    checkText(dialog, dialog->txtNumero, number);
    QCOMPARE(m_leftOpen, staysOpen);
    QCOMPARE(shownOfKind(Messages::Kind::Information), information);
    QCOMPARE(shownOfKind(Messages::Kind::Warning), warnings);
    QCOMPARE(Messages::shown().size(), information.size() + warnings.size());
    delete dialog;
}

void CheckDialogsTest::ibanTypedLowerCase()
{
    auto* dialog = new TfrmIban(frmClienti);
    runModal<TfrmIban>(dialog, [](TfrmIban* d) {
        QTRY_COMPARE(QApplication::focusWidget(), d->txtIban);
        QTest::keyClicks(d->txtIban, QStringLiteral("  it60x0542811101000000123456 "));
        QCOMPARE(d->txtIban->text(), QStringLiteral("IT60X0542811101000000123456"));
        QTest::keyClick(d->txtIban, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), d->btnControlla);
        QVERIFY(Messages::shown().isEmpty());
        QTest::mouseClick(d->btnControlla, Qt::LeftButton);
    });
    QVERIFY(!m_leftOpen);
    QCOMPARE(shownOfKind(Messages::Kind::Information), QStringList{validIbanText});
    QCOMPARE(Messages::shown().size(), 1);
    delete dialog;
}

void CheckDialogsTest::ibanVerdicts_data()
{
    QTest::addColumn<QString>("iban");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("staysOpen");

    const int information = int(Messages::Kind::Information);
    const int warning = int(Messages::Kind::Warning);
    QTest::newRow("valid") << "IT40S0542811101000000123456" << information << validIbanText << false;
    QTest::newRow("lower case from the card") << "it40s0542811101000000123456" << information << validIbanText << false;
    QTest::newRow("one digit changed") << "IT40S0542811101000000123356" << warning << wrongIbanText << false;
    QTest::newRow("hyphen") << "IT40S0542811101-00000123456" << warning << wrongIbanText << false;
    QTest::newRow("27 characters with spaces") << "IT40 S054 2811 1010 0000 012" << warning << wrongIbanText << false;
    QTest::newRow("German, 22 characters") << "DE89370400440532013000" << warning << ibanLengthText << true;
}

void CheckDialogsTest::ibanVerdicts()
{
    QFETCH(QString, iban);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(bool, staysOpen);

    auto* dialog = new TfrmIban(frmClienti);
    checkText(dialog, dialog->txtIban, iban);
    QCOMPARE(m_leftOpen, staysOpen);
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(int(Messages::shown().constFirst().kind), kind);
    QCOMPARE(Messages::shown().constFirst().text, message);
    delete dialog;
}

QTEST_MAIN(CheckDialogsTest)
#include "CheckDialogsTest.moc"
