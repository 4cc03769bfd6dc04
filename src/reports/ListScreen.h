#pragma once

#include "app/Screen.h"

// The window of the list screens and of the two searches: a fixed 862 x 560
// client area with a steel-blue-to-white vertical gradient behind its centred
// panel. Such a screen derives from ListScreen instead of ModalScreen:
//     class TfrmAssolti final : public ListScreen, public Ui::TfrmAssolti
class ListScreen : public ModalScreen
{
    Q_OBJECT
public:
    explicit ListScreen(QWidget* parent = nullptr);
};
