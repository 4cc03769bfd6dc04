#include "clients/TfrmAllegaCartella.h"

#include "app/FileDialog.h"
#include "app/Look.h"
#include "app/Messages.h"
#include "app/TMisc.h"
#include "app/Text.h"
#include "clients/Attachments.h"
#include "clients/TfrmClienti.h"

#include <QFileInfo>

TfrmAllegaCartella* frmAllegaCartella = nullptr;

namespace {
const QString kDialogTitle = QStringLiteral("Selezionare il file da allegare:");
const QString kDialogFilter = QStringLiteral("Tutti i file (*.*)");
const QString kOverwrite = QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                                          "stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
const QString kCallerTag = QStringLiteral("clienti");
constexpr QColor kSlotBlue(0xA8, 0xCA, 0xE5);
} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
    Look::setGradient(this, Look::steelBlue);
    for (QWidget* band : {panFile01, panFile02, panFile03})
        Look::setGradient(band, kSlotBlue);
    m_slots = {{
        {txtFile01, txtDesc01, btnSfoglia01, btnApri01, imgCancella01},
        {txtFile02, txtDesc02, btnSfoglia02, btnApri02, imgCancella02},
        {txtFile03, txtDesc03, btnSfoglia03, btnApri03, imgCancella03},
    }};
    for (const Slot& slot : m_slots) {
        Look::setCommandPicture(slot.imgCancella, QStringLiteral("gomma"));
        connect(slot.btnSfoglia, &QPushButton::clicked, this, [this, slot] { btnSfogliaClick(slot); });
        connect(slot.btnApri, &QPushButton::clicked, this, [this, slot] { btnApriClick(slot); });
        connect(slot.imgCancella, &QToolButton::clicked, this, [this, slot] { imgCancellaClick(slot); });
        connect(slot.txtFile, &QLineEdit::textChanged, this, [this, slot] { txtFileChange(slot); });
    }
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);
}

void TfrmAllegaCartella::btnSfogliaClick(const Slot& slot)
{
    const QString chosen = FileDialog::getOpenFileName(this, kDialogTitle, kDialogFilter);
    if (chosen.isEmpty())
        return;
    slot.txtFile->setText(QFileInfo(chosen).fileName());
    const QString name = Text::trim(slot.txtFile->text());
    if (Attachments::exists(name) && !Messages::confirm(this, kOverwrite))
        return;
    // A file that cannot be copied leaves the name in the slot; nothing is reported.
    Attachments::copyIn(chosen, name);
}

void TfrmAllegaCartella::btnApriClick(const Slot& slot)
{
    const QString target = Attachments::openText(slot.txtFile->text());
    if (!target.isEmpty())
        TMisc::Open(target);
}

void TfrmAllegaCartella::imgCancellaClick(const Slot& slot)
{
    slot.txtFile->clear();
}

void TfrmAllegaCartella::txtFileChange(const Slot& slot)
{
    slot.btnApri->setEnabled(!Text::isBlank(slot.txtFile->text()));
}

void TfrmAllegaCartella::btnApplicaClick()
{
    if (Text::trim(lblMemory->text()) != kCallerTag)
        return;
    const std::array<std::pair<QLabel*, QLabel*>, 3> card = {{
        {frmClienti->lblFile01, frmClienti->lblDesc01},
        {frmClienti->lblFile02, frmClienti->lblDesc02},
        {frmClienti->lblFile03, frmClienti->lblDesc03},
    }};
    for (size_t i = 0; i < m_slots.size(); ++i) {
        card[i].first->setText(Text::trim(m_slots[i].txtFile->text()));
        card[i].second->setText(Text::trim(m_slots[i].txtDesc->text()));
    }
    close();
}

void TfrmAllegaCartella::btnAnnullaClick()
{
    close();
}
