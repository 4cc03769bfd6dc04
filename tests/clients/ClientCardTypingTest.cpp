#include "GuiFixture.h"

#include "app/TfrmAvvio.h"
#include "clients/TfrmClienti.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {
// The card's edit fields in tab order, with their capacities.
const QList<QPair<const char*, int>> kFields = {
    {"txtCliente", 50},   {"txtDataNasc", 30},     {"txtComuneNasc", 50},  {"txtProvNasc", 2},    {"txtSesso", 1},
    {"txtRecapito", 50},  {"txtIndirizzoRes", 50}, {"txtProvRes", 2},      {"txtComuneRes", 50},  {"txtCapRes", 5},
    {"txtEstremi", 250},  {"txtTelCasa", 30},      {"txtTelUff", 30},      {"txtTelCel", 30},     {"txtFax", 30},
    {"txtEmail", 50},     {"txtCodFisc", 16},      {"txtCarta", 30},       {"txtScadeCarta", 30}, {"txtPartitaIva", 11},
    {"txtIban", 27},      {"txtDocumento", 120},   {"txtOccupazione", 50}, {"txtCivile", 50},     {"txtTitoli", 120},
    {"txtProdotti", 120}, {"txtZona", 50},         {"txtQuestioni", 250},  {"txtNote", 250},
};

QWidget* field(const char* name)
{
    return control<QWidget>(frmClienti, name);
}

// Types text key by key; QTest only knows the keys of ASCII characters.
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClicks(widget, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

// The text a field shows, edit box or province combo edit alike.
QString textOf(QWidget* widget)
{
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText();
    return static_cast<QLineEdit*>(widget)->text();
}
} // namespace

class ClientCardTypingTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_fixture.setUp();
        frmAvvio->hide();
        frmClienti->Show();
        QVERIFY(QTest::qWaitForWindowActive(frmClienti));
    }
    void cleanup() { m_fixture.tearDown(); }

    void maximumLengths();
    void typing_data();
    void typing();
    void blankInsertedBetweenCharactersStays();
    void digitFieldsKeepEditingKeys();
    void pastedTextIsTrimmedLater();
    void returnChain();
    void focusFrames();
    void provinceLists();

private:
    GuiFixture m_fixture;
};

void ClientCardTypingTest::maximumLengths()
{
    for (const auto& [name, capacity] : kFields) {
        QWidget* widget = field(name);
        QVERIFY2(widget, name);
        auto* combo = qobject_cast<QComboBox*>(widget);
        QLineEdit* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(widget);
        QVERIFY2(edit, name);
        QCOMPARE(edit->maxLength(), capacity);
    }
}

void ClientCardTypingTest::typing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("province of residence") << "txtProvRes"
                                           << "rm"
                                           << "RM";
    QTest::newRow("province of birth, blank first") << "txtProvNasc"
                                                    << " mi"
                                                    << "MI";
    QTest::newRow("province, at most two") << "txtProvNasc"
                                           << "tor"
                                           << "TO";
    QTest::newRow("sex upper-cased") << "txtSesso"
                                     << "f"
                                     << "F";
    QTest::newRow("sex: accented letter stays") << "txtSesso" << QString("\u00E8") << QString("\u00E8");
    QTest::newRow("mobile: digits only") << "txtTelCel"
                                         << "+39 333"
                                         << "39333";
    QTest::newRow("home phone as typed") << "txtTelCasa"
                                         << "+39 333"
                                         << "+39 333";
    QTest::newRow("card number: digits only") << "txtCarta"
                                              << "4111-1111 x1"
                                              << "411111111";
    QTest::newRow("VAT number: digits only") << "txtPartitaIva"
                                             << "IT 0123/4"
                                             << "01234";
    QTest::newRow("fiscal code letter by letter") << "txtCodFisc"
                                                  << "rssmra80a01 "
                                                  << "RSSMRA80A01";
    QTest::newRow("IBAN: a blank at the end vanishes") << "txtIban"
                                                       << "it60 x054 "
                                                       << "IT60X054";
    QTest::newRow("e-mail: no trailing blank") << "txtEmail"
                                               << "Anna@Example.it "
                                               << "Anna@Example.it";
    QTest::newRow("PEC trimmed") << "txtFax"
                                 << " pec@posta.it "
                                 << "pec@posta.it";
    QTest::newRow("postcode upper-cased") << "txtCapRes"
                                          << "sw1a "
                                          << "SW1A ";
    QTest::newRow("name as typed") << "txtCliente"
                                   << " rossi  maria "
                                   << " rossi  maria ";
    QTest::newRow("notes as typed") << "txtNote"
                                    << "no  profumi "
                                    << "no  profumi ";
}

void ClientCardTypingTest::typing()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QWidget* widget = ::field(qPrintable(field));
    widget->setFocus();
    type(widget, typed);
    QCOMPARE(textOf(widget), shown);
}

void ClientCardTypingTest::blankInsertedBetweenCharactersStays()
{
    QLineEdit* iban = frmClienti->txtIban;
    iban->setFocus();
    QTest::keyClicks(iban, "it60x054");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(iban, Qt::Key_Left);
    QTest::keyClicks(iban, " k");
    QCOMPARE(iban->text(), QString("IT60X K054"));
    // The cursor stays where the user typed.
    QCOMPARE(iban->cursorPosition(), 7);
}

void ClientCardTypingTest::digitFieldsKeepEditingKeys()
{
    QLineEdit* mobile = frmClienti->txtTelCel;
    mobile->setFocus();
    QTest::keyClicks(mobile, "3331234");
    QTest::keyClick(mobile, Qt::Key_Backspace);
    QTest::keyClick(mobile, Qt::Key_Left);
    QTest::keyClick(mobile, Qt::Key_Left);
    QTest::keyClick(mobile, Qt::Key_Delete);
    QTest::keyClick(mobile, Qt::Key_Right);
    QTest::keyClicks(mobile, "9");
    // Home has no character and is discarded like a letter.
    QTest::keyClick(mobile, Qt::Key_Home);
    QTest::keyClicks(mobile, "0");
    QCOMPARE(mobile->text(), QString("3331390"));
}

void ClientCardTypingTest::pastedTextIsTrimmedLater()
{
    // Text put in by other means than typing waits for the next key or for leaving the field.
    QLineEdit* email = frmClienti->txtEmail;
    email->setFocus();
    email->setText(QStringLiteral("   anna@example.it"));
    QCOMPARE(email->text(), QString("   anna@example.it"));
    QTest::keyClicks(email, "x");
    QCOMPARE(email->text(), QString("anna@example.itx"));
    email->setText(QStringLiteral("  anna@example.it  "));
    frmClienti->txtCodFisc->setFocus();
    QTRY_VERIFY(frmClienti->txtCodFisc->hasFocus());
    QCOMPARE(email->text(), QString("anna@example.it"));

    // The fiscal code and the IBAN are only fixed while typing, not on leaving.
    frmClienti->txtIban->setText(QStringLiteral(" it60 "));
    frmClienti->txtIban->setFocus();
    frmClienti->txtDocumento->setFocus();
    QCOMPARE(frmClienti->txtIban->text(), QString(" it60 "));
}

void ClientCardTypingTest::returnChain()
{
    for (int i = 0; i < kFields.size(); ++i) {
        QWidget* from = field(kFields.at(i).first);
        QWidget* to = field(kFields.at((i + 1) % kFields.size()).first);
        from->setFocus();
        QTRY_VERIFY2(from->hasFocus(), kFields.at(i).first);
        QTest::keyClick(from, Qt::Key_Return);
        QVERIFY2(to->hasFocus(), kFields.at(i).first);
    }
    // The check box lies between the pending questions and the notes in the tab order only.
    frmClienti->txtQuestioni->setFocus();
    QTest::keyClick(frmClienti->txtQuestioni, Qt::Key_Tab);
    QVERIFY(frmClienti->chkRicontatta->hasFocus());
    QTest::keyClick(frmClienti->chkRicontatta, Qt::Key_Tab);
    QVERIFY(frmClienti->txtNote->hasFocus());
    // Return typed into a field changes nothing else.
    QCOMPARE(frmClienti->txtNote->text(), QString());
    QCOMPARE(frmClienti->txtProvNasc->count(), 112);
}

void ClientCardTypingTest::focusFrames()
{
    const QList<FocusFrame*> frames = frmClienti->panContainer->findChildren<FocusFrame*>();
    QCOMPARE(frames.size(), kFields.size());
    for (const auto& [name, capacity] : kFields) {
        QWidget* widget = field(name);
        widget->setFocus();
        QTRY_VERIFY2(widget->hasFocus(), name);
        const QString frameName = QLatin1String("eff") + QLatin1String(name).mid(3);
        for (FocusFrame* frame : frames)
            QVERIFY2(frame->isVisible() == (frame->objectName() == frameName), qPrintable(frame->objectName()));
        QVERIFY(control<FocusFrame>(frmClienti, qPrintable(frameName))->geometry().contains(widget->geometry()));
    }
    frmClienti->chkRicontatta->setFocus();
    for (FocusFrame* frame : frames)
        QVERIFY2(!frame->isVisible(), qPrintable(frame->objectName()));
}

void ClientCardTypingTest::provinceLists()
{
    for (QComboBox* province : {frmClienti->txtProvNasc, frmClienti->txtProvRes}) {
        QCOMPARE(province->count(), 112);
        QCOMPARE(province->itemText(0), QString("AG"));
        QCOMPARE(province->itemText(111), QString("VV"));
        QCOMPARE(province->currentIndex(), -1);
        QCOMPARE(province->currentText(), QString());
    }
    QComboBox* birth = frmClienti->txtProvNasc;
    birth->setFocus();
    QTRY_VERIFY(birth->hasFocus());
    // Picked from the list, then left: the value stays.
    birth->setCurrentIndex(birth->findText(QStringLiteral("MI")));
    frmClienti->txtSesso->setFocus();
    QTRY_VERIFY(frmClienti->txtSesso->hasFocus());
    QCOMPARE(birth->currentText(), QString("MI"));
    // Entering again shows the value with no item selected.
    birth->setFocus();
    QTRY_VERIFY(birth->hasFocus());
    QCOMPARE(birth->currentIndex(), -1);
    QCOMPARE(birth->currentText(), QString("MI"));
    // A pasted value is trimmed and upper-cased on leaving.
    birth->setEditText(QStringLiteral(" t"));
    frmClienti->txtSesso->setFocus();
    QTRY_VERIFY(frmClienti->txtSesso->hasFocus());
    QCOMPARE(birth->currentText(), QString("T"));
    // Any two characters may be typed, listed or not.
    QComboBox* residence = frmClienti->txtProvRes;
    residence->setFocus();
    QTest::keyClicks(residence, "zz");
    QCOMPARE(residence->currentText(), QString("ZZ"));
    QCOMPARE(residence->currentIndex(), -1);
    // New leaves both lists without a selection.
    residence->setCurrentIndex(4);
    QTest::mouseClick(frmClienti->cmdNuovo, Qt::LeftButton);
    QCOMPARE(residence->currentIndex(), -1);
    QCOMPARE(birth->currentText(), QString());
}

QTEST_MAIN(ClientCardTypingTest)
#include "ClientCardTypingTest.moc"
