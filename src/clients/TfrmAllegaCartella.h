#pragma once

#include "app/Screen.h"
#include "ui_TfrmAllegaCartella.h"

#include <array>

// The client card's three attachment slots, each a file name and a
// description. Choosing a file copies it at once into "Documenti_Allegati";
// "Applica e chiudi" hands the six values back to the card's hidden labels,
// which the card stores on its next Save.
class TfrmAllegaCartella final : public ModalScreen, public Ui::TfrmAllegaCartella
{
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget* parent = nullptr);

private:
    // The controls of one slot; the three slots work alike.
    struct Slot
    {
        QLineEdit* txtFile;
        QLineEdit* txtDesc;
        QPushButton* btnSfoglia;
        QPushButton* btnApri;
        QToolButton* imgCancella;
    };

    void btnSfogliaClick(const Slot& slot);
    void btnApriClick(const Slot& slot);
    void imgCancellaClick(const Slot& slot);
    void txtFileChange(const Slot& slot);
    void btnApplicaClick();
    void btnAnnullaClick();

    std::array<Slot, 3> m_slots;
};

extern TfrmAllegaCartella* frmAllegaCartella;
