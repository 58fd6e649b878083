// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help/helptexts.h"

#include "version.h"

#include <QStringBuilder>

namespace brovaci::help {

using namespace Qt::StringLiterals;

namespace {

QString stars(int count)
{
    return QString(count, u'*');
}

QString blanks(int count)
{
    return QString(count, u' ');
}

} // namespace

// The credit line is followed by a run of blanks, then comes a line of
// twelve blanks.
QString opening()
{
    return u"Curve armoniche di \nLissajous     \n\nClicca qui per le istruzioni. \n"_s + credit() + blanks(8) + u'\n'
           + blanks(12) + u'\n';
}

QString credit()
{
    return u"Brovaci versione %1, simulatore di armonografo"_s.arg(QLatin1String(BROVACI_VERSION));
}

// The sections are set apart by rows of asterisks and runs of blanks, never
// by line breaks: the panel wraps the text at its width. Some sentences run
// on from one piece into the next.
QStringList instructionPieces()
{
    return {
        // 175 characters
        u"Cliccando su  -(Movimento  Pendolo  Singolo)- viene simulato il movimento di un "
        u"pendolo che lascia una traccia su di un ipotetico foglio che scorre sotto di lui."_s
            + blanks(14),
        // 64 characters
        QString(stars(39)) + blanks(25),
        // 131 characters
        u"Cliccando su  -(Movimento Doppio Pendolo)-  ottieni la simulazione di 2 brovaci i "
        u"quali oscillano ad angolo retto uno all'altro,   "_s,
        // 145 characters
        u"quello superiore lascia la traccia sulla tavola appesa al pendolo inferiore, per "
        u"vederne la traccia devi cliccare su  -(Curva Statica)-"_s
            + blanks(10),
        // 77 characters
        QString(stars(40)) + blanks(37),
        // 220 characters
        u"Cliccando su  -(Curva Tridimensionale )-  vedrai un serie di curve ottenute "
        u"spostando un po' il moto dei pendoli fino a ritornare alla sincronia di partenza, "
        u"che viste in rapida sequenza danno l'illusione del movimento. "_s,
        // 57 characters
        QString(stars(40)) + blanks(17),
        // 256 characters
        u"In previsione di futuri calcolatori con elevate velocità di calcolo.    Ho inserito "
        u"un limitatore.   Spostando la barra di scorrimento verso il basso, potrai "
        u"rallentare la velocità di movimento del disegno. "_s
            + stars(35) + blanks(14),
        // 288 characters
        u"Cambiando il numero della finestrella si ottengono curve diverse, il numero 200 "
        u"corrisponde a 200 centesimi di secondo, ossia al tempo che impiega il pendolo "
        u"superiore per compiere un movimento completo di andata e ritorno, e così disegna "
        u"una specie di otto coricato su un fianco, perchè "_s,
        // 164 characters
        u"il pendolo inferiore, compie un movimento completo in 100 centesimi di secondo, un "
        u"tempo fisso. Se invece scrivi il numero 100, otterrai un cerchio, perchè i tempi "_s,
        // 173 characters
        u"di durata del movimento sono uguali, se invece metti il numero 300 otterrai "
        u"qualcosa di simile a un triplo cerchio, e con numeri come ad esempio 120, 180 "
        u"oppure 260 ottieni "_s,
        // 16 characters
        u" curve diverse. "_s,
        // 219 characters
        QString(stars(39)) + blanks(16)
            + u"-(Perdita di spinta dei due brovaci)- Cliccandoci sopra vedrai la simulazione di "
              u"prima, ma con i pendoli che a causa dell'attrito perdono la spinta fino a fermarsi."_s,
    };
}

QStringList descriptionPieces()
{
    return {
        credit() + u' ' + stars(31),
        // 618 characters
        u" Simula il disegno che si otterrebbe se si facessero oscillare in modo "
        u"perpendicolare due pendoli, chiamati anche brovaci: il primo, sospeso in alto, "
        u"lascia cadere un sottile filo d'inchiostro su una tavola appesa al secondo pendolo, "
        u"che oscilla sotto di lui in una direzione perpendicolare alla sua. "_s
            + stars(40)
            + u" Il moto combinato dei due brovaci, produce delle curve che vanno dal semplice "
              u"cerchio fino a figure molto complesse, fatte di anelli che si intrecciano tra loro; "
              u"queste curve si chiamano curve di Lissajous, dal nome del matematico francese che "
              u"le ha studiate nell'Ottocento.  "_s,
        // 649 characters
        u" Il vantaggio di questo programma, e che non devi realizzare i due brovaci, cosa "
        u"che richiede tempo e tanta pazienza, e che non devi neppure regolare i loro tempi "
        u"di oscillazione, che sono difficili da tenere costanti, perché l'attrito li "
        u"rallenta ad ogni passaggio. "_s
            + stars(36)
            + u" Ecco in breve come si svolge l'azione, la tavola appesa al pendolo inferiore "
              u"compie un'oscillazione completa, di andata e ritorno, in un tempo fisso di 100 "
              u"centesimi di secondo, mentre il tempo di oscillazione del pendolo che traccia il "
              u"disegno è il numero che immetti nella casella bianca in basso a destra, anch'esso "
              u"in centesimi di secondo.  "_s,
        // 665 characters
        u" Se ad esempio immetti il numero 100, si avrà una durata di oscillazione uguale per "
        u"i due pendoli, e sulla tavola comparirà un cerchio, perché due oscillazioni "
        u"perpendicolari della medesima durata formano proprio un cerchio; se invece sono "
        u"sfasate, il cerchio si schiaccia in una ellisse. "_s
            + stars(48)
            + u"  Se immetti il numero 200, quello in uso, otterrai un doppio cerchio, perché il "
              u"pendolo che traccia il disegno impiega il doppio del tempo dell'altro, 200 "
              u"centesimi di secondo contro 100: mentre lui compie un'oscillazione, la tavola ne "
              u"compie due, e il disegno si chiude dopo aver tracciato due anelli, come un otto "
              u"coricato.  "_s,
        // 667 characters
        u" Se immetti multipli esatti di cento, otterrai disegni formati da cerchi, tanti "
        u"quante sono le centinaia e sempre più stretti, perché i due tempi restano in un "
        u"rapporto semplice; se invece immetti 100 più una sua frazione, come 120, 140, 160, "
        u"180, 220 o 240, otterrai figure più complesse, che si chiudono solo dopo moltissimi "
        u"giri e riempiono la tavola di intrecci. "_s
            + stars(43)
            + u"  Cliccando su (Curva Tridimensionale) potrai vedere vedere lo stesso disegno in "
              u"movimento, formato da più disegni uguali in cui la partenza del pendolo che traccia "
              u"è spostata ogni volta di un poco: il primo parte dall'estrema destra, il secondo "
              u"leggermente"_s,
        // 690 characters
        u" spostato verso destra, il terzo ancora più spostato, e così via fino a coprire "
        u"tutto il percorso del pendolo e a ritornare alla partenza; questi disegni, "
        u"leggermente diversi tra loro e visti in rapida successione, come i fotogrammi di un "
        u"film, danno l'illusione di una figura che ruota nello spazio. "_s
            + stars(49)
            + u" Cliccando su (Perdita di spinta dei due brovaci) avrai un disegno, che mostra i "
              u"due pendoli soggetti all'attrito dell'aria, che a poco a poco perdono la loro "
              u"spinta e si fermano lentamente al centro della tavola; il tempo di arresto, che "
              u"nella realtà durerebbe molti minuti, è stato accelerato al massimo, per non farti "
              u"aspettare a lungo. "_s,
        // 70 characters
        u" "_s + stars(50) + u" Buon divertimento."_s,
    };
}

QString instructions()
{
    return instructionPieces().join(QString());
}

QString description()
{
    return descriptionPieces().join(QString());
}

} // namespace brovaci::help
