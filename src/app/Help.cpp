#include "app/Help.h"

#include "app/TfrmGuida.h"

namespace {
const QString separator = QStringLiteral("\r\n\r\n");

QStringList productParagraphs()
{
    return {
        QStringLiteral(
            "Brivanta è il software pensato per i centri estetici e i saloni di bellezza: le sue app tengono "
            "traccia di clienti, appuntamenti e trattamenti e inviano ai clienti promemoria e conferme degli "
            "appuntamenti tramite WhatsApp."),
    };
}

QStringList clientParagraphs()
{
    return {
        QStringLiteral(
            "L'app Clienti e Trattamenti memorizza le informazioni anagrafiche, i recapiti e i dati di "
            "pagamento dei clienti del centro, insieme alla storia dei trattamenti ricevuti da ciascuno. I "
            "dati di ogni cliente possono essere importati nell'agenda degli appuntamenti senza doverli "
            "digitare di nuovo; la scheda permette inoltre di controllare codice fiscale, partita IVA, carta "
            "di credito e IBAN e di scrivere un'e-mail al cliente con un semplice clic."),
        QStringLiteral(
            "Nell'archivio dei clienti e dei trattamenti è possibile annotare cognome e nome, data, comune e "
            "provincia di nascita, sesso, telefono preferenziale, indirizzo, comune, provincia e CAP di "
            "residenza, modalità di pagamento, telefono di casa, dell'ufficio e cellulare, PEC, e-mail, "
            "codice fiscale, numero e scadenza della carta di credito, partita IVA, IBAN, estremi del "
            "documento, occupazione, stato civile, titoli e qualifiche, prodotti o servizi di interesse, "
            "zona, questioni in sospeso e note. Il campo Note è il posto giusto per segnalare allergie, "
            "sensibilità della pelle o richieste particolari."),
        QStringLiteral("Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo, compilare i campi e "
                       "premere Salva. Cognome e nome e numero di cellulare sono obbligatori; tutti gli altri dati "
                       "possono essere aggiunti anche in seguito. Per modificare una scheda già archiviata basta "
                       "richiamarla con le frecce in basso a destra oppure con il pulsante Trova, correggere i dati e "
                       "premere di nuovo Salva."),
        QStringLiteral(
            "Se esistono importanti questioni in sospeso con il cliente, come un pagamento da saldare o un "
            "prodotto da ordinare, conviene descriverle nel campo Questioni in sospeso e spuntare la casella "
            "Da ricontattare. Il pulsante Da ricontattare mostra in ogni momento l'elenco dei clienti da "
            "richiamare: un doppio clic su un nominativo riporta la sua scheda sullo schermo."),
        QStringLiteral(
            "Il pulsante Duplica è utile quando si devono registrare persone che hanno molti dati in comune, "
            "per esempio i familiari che abitano allo stesso indirizzo. Partendo da una scheda già "
            "archiviata, prepara una nuova scheda con gli stessi dati, esclusi i file allegati: basta "
            "correggere ciò che cambia, a cominciare dal nome, e premere Salva."),
        QStringLiteral("Per trovare le schede dei clienti in archivio si usa il pulsante Trova, che apre una ricerca "
                       "avanzata in cui si possono combinare più filtri contemporaneamente: la zona, i prodotti o i "
                       "servizi di interesse, le questioni in sospeso, una parola contenuta nelle note e altri ancora. "
                       "L'elenco dei clienti trovati si può stampare, e un doppio clic su una riga carica la scheda "
                       "corrispondente."),
        QStringLiteral(
            "La funzione Allega file consente di abbinare alla scheda di ciascun cliente fino a tre file, "
            "come le fotografie prima e dopo un trattamento o un consenso firmato, ognuno con una breve "
            "descrizione. I file scelti vengono copiati nella cartella Documenti_Allegati del programma e si "
            "aprono in qualsiasi momento con il pulsante Apri. Dopo aver fatto clic su Applica e chiudi, "
            "ricordarsi di premere Salva per conservare le modifiche."),
        QStringLiteral(
            "Appositi pulsanti consentono di controllare la validità del codice fiscale, della partita IVA, "
            "del numero di carta di credito e dell'IBAN: sono i segni di spunta accanto ai rispettivi campi. "
            "Se la partita IVA è valida, il programma indica anche l'ufficio provinciale che l'ha "
            "rilasciata, mentre per la carta di credito riconosce il circuito. Il pulsante con la busta, "
            "accanto all'indirizzo e-mail, apre il programma di posta con un nuovo messaggio già indirizzato "
            "al cliente."),
        QStringLiteral("Il pulsante Trattamenti dà accesso a una finestra in cui si registra la storia dei servizi "
                       "ricevuti dal cliente. Per aprirla occorre prima salvare la scheda, se è nuova, oppure "
                       "richiamarla dall'archivio; per registrare un servizio si preme Aggiungi voce, si compilano i "
                       "campi e si conferma con Salva."),
        QStringLiteral("Per modificare i dati di un servizio già registrato basta selezionarlo nell'elenco con un clic "
                       "e premere Modifica voce. Ogni servizio è annotato con la data, l'ora, i trattamenti eseguiti, "
                       "l'estetista che li ha eseguiti e l'importo pagato."),
        QStringLiteral("Il totale complessivo degli importi pagati dal cliente è calcolato automaticamente e compare "
                       "sotto l'elenco dei servizi; il pulsante Stampa riepilogo stampa l'intera storia dei "
                       "trattamenti, totale compreso."),
        QStringLiteral("La scheda di ogni singolo cliente può essere visualizzata in anteprima, stampata o salvata in "
                       "formato PDF con i pulsanti Anteprima, Stampa e Crea PDF. Il pulsante Esporta archivio "
                       "trasferisce invece l'intero archivio dei clienti in un foglio di Microsoft Excel."),
    };
}

QStringList agendaParagraphs()
{
    return {
        QStringLiteral(
            "L'app Agenda Appuntamenti tiene in ordine gli impegni del centro. Per ogni appuntamento la "
            "scheda raccoglie la data e l'ora, i giorni di preavviso, l'estetista, i trattamenti richiesti "
            "con i loro dettagli, il nome e i recapiti del cliente, la modalità di pagamento, l'importo e le "
            "note."),
        QStringLiteral("La schermata iniziale dell'agenda informa sugli appuntamenti imminenti e mostra quelli di un "
                       "giorno o di un mese a scelta. L'inserimento e la modifica dei dati si fanno invece nello "
                       "schedario degli appuntamenti, che si apre con il pulsante INSERISCI APPUNTAMENTI."),
        QStringLiteral("All'apertura dell'agenda un avviso, accompagnato da un breve segnale sonoro, dice se ci sono "
                       "appuntamenti imminenti. Gli appuntamenti imminenti sono elencati sullo schermo, pronti per "
                       "essere stampati o esportati; la tabella che si apre con Esporta in Excel ne mostra tutti i "
                       "dettagli."),
        QStringLiteral(
            "L'agenda serve soltanto a consultare: da qui nessun dato viene modificato. Il calendario permette "
            "di scegliere un giorno qualsiasi di qualunque anno; i due pulsanti sotto il calendario mostrano "
            "gli appuntamenti del giorno selezionato o dell'intero mese."),
        QStringLiteral("L'elenco degli appuntamenti imminenti tiene conto dei giorni di preavviso indicati in ogni "
                       "scheda: un appuntamento compare non appena inizia il suo periodo di preavviso, perciò "
                       "l'elenco può comprendere anche appuntamenti non proprio vicini, per i quali si è scelto di "
                       "essere avvisati con largo anticipo."),
        QStringLiteral("Gli appuntamenti imminenti sono sempre ordinati per data e ora, qualunque sia l'ordine in cui "
                       "sono stati inseriti nell'archivio."),
        QStringLiteral("Per inviare un promemoria tramite WhatsApp basta selezionare con un clic la riga "
                       "dell'appuntamento e fare clic sull'icona di WhatsApp: nella finestra che si apre si controlla "
                       "che il cliente e il numero di cellulare siano quelli giusti e si preme Invia messaggio."),
    };
}

QStringList appointmentParagraphs()
{
    return {
        QStringLiteral(
            "Lo Schedario Appuntamenti serve a registrare i nuovi appuntamenti e a modificare quelli già "
            "inseriti. Gli appuntamenti imminenti vengono elencati dall'agenda, mentre l'intero archivio può "
            "essere esportato in un foglio di Excel e consultato in ordine cronologico."),
        QStringLiteral(
            "Per registrare un nuovo appuntamento si fa clic su Nuovo, si compilano i campi e si preme Salva. "
            "Sono indispensabili la data e l'ora, i giorni di preavviso, il nome del cliente, il numero di "
            "cellulare e i trattamenti richiesti, per esempio manicure, pedicure o epilazione laser. I dati "
            "di un cliente già presente in archivio si importano con il pulsante accanto al campo del nome, "
            "senza doverli digitare."),
        QStringLiteral(
            "In archivio si può registrare un numero illimitato di appuntamenti per ogni giorno. Ogni scheda "
            "contiene la data e l'ora, i giorni di preavviso con cui si vuole essere avvisati, l'estetista, i "
            "trattamenti richiesti con i dettagli, il nome, il telefono, il cellulare e l'e-mail del "
            "cliente, la modalità di pagamento, l'importo e le note."),
        QStringLiteral(
            "Il pulsante Duplica copia in una nuova scheda tutti i dati di quella corrente tranne la data e "
            "l'ora: è il modo più rapido per inserire appuntamenti ricorrenti, come un ciclo di trattamenti. "
            "Basta indicare la nuova data e l'ora e premere Salva."),
        QStringLiteral("Dopo aver salvato la scheda, il pulsante di WhatsApp accanto al numero di cellulare invia al "
                       "cliente la conferma dell'appuntamento con il giorno e l'ora fissati."),
        QStringLiteral("Il pulsante Trova apre una ricerca avanzata che combina più criteri contemporaneamente; "
                       "l'elenco degli appuntamenti trovati si può stampare."),
        QStringLiteral("I giorni di preavviso stabiliscono da quando l'appuntamento viene segnalato: a partire da quel "
                       "giorno, all'apertura dell'agenda, compaiono un messaggio e un avviso sonoro."),
        QStringLiteral(
            "Quando un appuntamento è stato onorato, bisogna spuntare la casella Impegno assolto e salvare la "
            "scheda: da quel momento l'appuntamento non compare più tra quelli imminenti."),
        QStringLiteral("Il pulsante Assolti elenca gli impegni già assolti, Da assolvere quelli ancora da assolvere, "
                       "scaduti o no, e Scaduti quelli la cui data è passata senza che siano stati segnati come "
                       "assolti."),
        QStringLiteral("Per riaprire una scheda da uno di questi elenchi basta un doppio clic sulla riga: la scheda "
                       "torna nello schedario, dove si spunta la casella Impegno assolto e si preme Salva."),
        QStringLiteral("Ogni scheda può essere visualizzata in anteprima e stampata con i pulsanti Anteprima e Stampa, "
                       "mentre il pulsante Esporta trasferisce l'intero archivio degli appuntamenti in un foglio di "
                       "Microsoft Excel."),
    };
}

QStringList closingParagraphs()
{
    return {
        QStringLiteral(
            "Ogni app esporta i propri dati nel formato dei fogli di calcolo, leggibile da qualsiasi programma "
            "in grado di aprire i file XLS."),
        QStringLiteral(
            "Brivanta può essere usato anche in una rete locale, condividendo gli archivi fra più postazioni "
            "di lavoro."),
        QStringLiteral("La cartella di installazione può essere copiata su una chiavetta USB e il programma avviato "
                       "direttamente da lì; copiare la cartella è anche il modo più rapido per fare una copia di "
                       "sicurezza di tutti gli archivi."),
        QStringLiteral(
            "L'accesso al programma è protetto da una password, che si può cambiare in qualsiasi momento. Per "
            "il primo accesso la password è primoaccessodi, da digitare senza virgolette."),
        QStringLiteral("Brivanta è semplice, efficace e si impara a usare in pochi minuti."),
    };
}

// The three points of an archive export, said once for both archives.
QStringList exportParagraphs(const QString& whatIsWritten)
{
    return {
        QStringLiteral("L'esportazione scrive ") + whatIsWritten +
            QStringLiteral(
                " in un foglio di lavoro che può essere aperto da qualsiasi programma in grado di leggere il "
                "formato XLS. Facendo clic sull'icona del foglio di calcolo il file viene creato e il "
                "programma propone di aprirlo; una volta aperto, lo si può salvare con il nome che si "
                "preferisce."),
    };
}

QStringList clientExportParagraphs()
{
    return exportParagraphs(QStringLiteral("i dati anagrafici di tutti i clienti in archivio"));
}

QStringList appointmentExportParagraphs()
{
    return exportParagraphs(QStringLiteral("tutte le schede degli appuntamenti in archivio"));
}

QStringList gridParagraphs()
{
    return {
        QStringLiteral(
            "Gli appuntamenti imminenti compaiono da soli nella schermata dell'agenda; il pulsante Esporta in "
            "Excel li raccoglie in una tabella pronta per l'esportazione."),
        QStringLiteral(
            "Quando un appuntamento è stato onorato, bisogna segnarlo come Impegno assolto nello schedario e "
            "salvare la scheda: così non compare più tra gli appuntamenti imminenti."),
        QStringLiteral("L'elenco degli appuntamenti imminenti tiene conto dei giorni di preavviso indicati in ciascuna "
                       "scheda."),
        QStringLiteral(
            "I due pulsanti sotto il calendario dell'agenda richiamano gli appuntamenti del giorno o del mese "
            "selezionato."),
        QStringLiteral(
            "La tabella è ordinata per data e ora, qualunque sia l'ordine in cui gli appuntamenti sono stati "
            "archiviati. Facendo clic sull'icona del foglio di calcolo si genera il file XLS, che si può poi "
            "salvare."),
    };
}

Help::Topic topic(const QString& title, const QStringList& paragraphs)
{
    return {title, paragraphs.join(separator)};
}

const QString launcherTitle = QStringLiteral("Uno sguardo a Brivanta");
const QString clientsTitle = QStringLiteral("App Clienti e Trattamenti");
const QString appointmentsTitle = QStringLiteral("App Schedario Appuntamenti");
const QString agendaTitle = QStringLiteral("App Agenda Appuntamenti");
const QString clientExportTitle = QStringLiteral("Esportazione archivio clienti in Excel");
const QString appointmentExportTitle = QStringLiteral("Esportazione archivio appuntamenti in Excel");
const QString gridsTitle = QStringLiteral("Visualizzazione appuntamenti");
} // namespace

Help::Topic Help::launcher()
{
    return topic(launcherTitle, productParagraphs() + clientParagraphs() + agendaParagraphs() +
                                    appointmentParagraphs() + closingParagraphs());
}

Help::Topic Help::clients()
{
    return topic(clientsTitle, clientParagraphs());
}

Help::Topic Help::appointments()
{
    return topic(appointmentsTitle, appointmentParagraphs());
}

Help::Topic Help::agenda()
{
    return topic(agendaTitle, agendaParagraphs());
}

Help::Topic Help::clientExport()
{
    return topic(clientExportTitle, clientExportParagraphs());
}

Help::Topic Help::appointmentExport()
{
    return topic(appointmentExportTitle, appointmentExportParagraphs());
}

Help::Topic Help::grids()
{
    return topic(gridsTitle, gridParagraphs());
}

QList<Help::Chapter> Help::manual()
{
    return {
        {launcherTitle, productParagraphs() + closingParagraphs()},
        {clientsTitle, clientParagraphs()},
        {clientExportTitle, clientExportParagraphs()},
        {agendaTitle, agendaParagraphs()},
        {gridsTitle, gridParagraphs()},
        {appointmentsTitle, appointmentParagraphs()},
        {appointmentExportTitle, appointmentExportParagraphs()},
    };
}

void Help::open(QWidget* owner, const Topic& topic)
{
    TfrmGuida guida(owner);
    guida.lblTitolo->setText(topic.title);
    guida.txtGuida->setPlainText(topic.text);
    guida.exec();
}
