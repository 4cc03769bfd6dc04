#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QTimer>
#include <functional>

// Hand-built appointment records. The offsets of the stored format are written
// out here, so that the tests compare the program's bytes with the format and
// not with the program's own encoder.
namespace StoredAppointment {
constexpr int Size = 1265;
enum Offset {
    Data = 0,
    OreApp = 11,
    MinutiApp = 14,
    Ora = 17,
    Avviso = 23,
    Tipologia = 27,
    Causale = 78,
    Dettagli = 329,
    Contatto = 580,
    Tel = 631,
    Cel = 662,
    Email = 693,
    Luogo = 744,
    Importo = 995,
    Note = 1011,
    Ottemperata = 1262,
};
const QByteArray yes("S\xEC", 2);
const QByteArray no("No");

// A record of zeros with each field's length byte and its Windows-1252 bytes.
inline QByteArray record(const QList<QPair<Offset, QByteArray>>& fields)
{
    QByteArray bytes(Size, '\0');
    for (const auto& [offset, text] : fields) {
        bytes[offset] = char(text.size());
        bytes.replace(offset + 1, text.size(), text);
    }
    return bytes;
}

// A plain stored appointment for client name (navigation fixtures).
inline QByteArray named(const QByteArray& name)
{
    return record({{Data, "12/05/2024"}, {OreApp, "10"}, {MinutiApp, "30"}, {Ora, "10:30"}, {Avviso, "2"},
                   {Causale, "Manicure"}, {Contatto, name}, {Cel, "3331234567"}, {Importo, "25,00"},
                   {Ottemperata, no}});
}
} // namespace StoredAppointment

// Acts on the next modal window once its own event loop runs; act must close
// it. Stops watching when it goes out of scope, so a window that never opens
// leaves seen() false and nothing behind.
class ModalWatch final
{
public:
    explicit ModalWatch(std::function<void(QDialog*)> act) : m_act(std::move(act))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            m_timer.stop();
            m_seen = true;
            m_act(dialog);
        });
        m_timer.start();
    }

    bool seen() const { return m_seen; }

private:
    std::function<void(QDialog*)> m_act;
    QTimer m_timer;
    bool m_seen = false;
};
