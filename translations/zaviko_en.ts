<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sr">
<context>
    <name>CaptureSearch</name>
    <message>
        <source>No one is perfect - TCardCollection.SubSumsMatch</source>
        <translation>No one is perfect - TCardCollection.SubSumsMatch</translation>
    </message>
</context>
<context>
    <name>CardWords</name>
    <message>
        <source>dzoker</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>tref</source>
        <translation>clubs</translation>
    </message>
    <message>
        <source>karo</source>
        <translation>diamonds</translation>
    </message>
    <message>
        <source>pik</source>
        <translation>spades</translation>
    </message>
    <message>
        <source>herc</source>
        <translation>hearts</translation>
    </message>
    <message>
        <source>zandar</source>
        <translation>jack</translation>
    </message>
    <message>
        <source>dama</source>
        <translation>queen</translation>
    </message>
    <message>
        <source>kralj</source>
        <translation>king</translation>
    </message>
    <message>
        <source>as</source>
        <translation>ace</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A card: its rank, then its suit (&quot;kralj pik&quot;).</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>okrenuta karta</source>
        <translation>face-down card</translation>
    </message>
    <message>
        <source>%1, oznacena</source>
        <translation>%1, marked</translation>
    </message>
    <message>
        <source> i </source>
        <translation> and </translation>
    </message>
    <message>
        <source>%1 stavlja %2 na talon</source>
        <translation>%1 puts the %2 on the table</translation>
    </message>
    <message>
        <source>%1 nosi %2 kartom %3</source>
        <translation>%1 takes the %2 with the %3</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>nedostaje polje %1</source>
        <translation>the field %1 is missing</translation>
    </message>
    <message>
        <source>broj van dozvoljenog opsega</source>
        <translation>a number is out of range</translation>
    </message>
    <message>
        <source>to nije sacuvana partija</source>
        <translation>it is not a saved match</translation>
    </message>
    <message>
        <source>ruka pogresne velicine</source>
        <translation>a hand of the wrong size</translation>
    </message>
    <message>
        <source>prekratak red na talonu</source>
        <translation>a table row is too short</translation>
    </message>
    <message>
        <source>stanje generatora slucajnih brojeva nije celo</source>
        <translation>the state of the random number generator is incomplete</translation>
    </message>
    <message>
        <source>na potezu je mesto koje ne igra</source>
        <translation>the seat on turn does not play</translation>
    </message>
    <message>
        <source>poslednji potez pripada mestu koje ne igra</source>
        <translation>the last move belongs to a seat that does not play</translation>
    </message>
    <message>
        <source>mesto koje ne igra drzi karte</source>
        <translation>a seat that does not play holds cards</translation>
    </message>
    <message>
        <source>karte se ne slazu</source>
        <translation>the cards do not add up</translation>
    </message>
    <message>
        <source>red na talonu je duzi nego sto karte dozvoljavaju</source>
        <translation>a table row is longer than the cards allow</translation>
    </message>
    <message>
        <source>karte su uzete, a niko ih nije uzeo</source>
        <translation>cards were taken, but nobody took them</translation>
    </message>
    <message>
        <source>igrac na potezu nema karata</source>
        <translation>the player on turn has no cards</translation>
    </message>
    <message>
        <source>karte u rukama ne odgovaraju redu poteza</source>
        <translation>the cards in the hands do not match the order of turns</translation>
    </message>
    <message>
        <source>rezultat se ne slaze sa tabelom</source>
        <translation>the score does not match the score table</translation>
    </message>
    <message>
        <source>rezultat je veci nego sto karte dozvoljavaju</source>
        <translation>a score is higher than the cards allow</translation>
    </message>
    <message>
        <source>potez bez odigrane karte</source>
        <translation>a move without a played card</translation>
    </message>
    <message>
        <source>potez igraca koji ne igra</source>
        <translation>a move by a player who does not play</translation>
    </message>
    <message>
        <source>odigrana karta je jos u ruci</source>
        <translation>a played card is still in a hand</translation>
    </message>
    <message>
        <source>odneta karta je jos u igri</source>
        <translation>a captured card is still in play</translation>
    </message>
    <message>
        <source>fajl je prevelik</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>to nije fajl statistike</source>
        <translation>it is not a statistics file</translation>
    </message>
    <message>
        <source>tekst posle kraja</source>
        <translation>text after the end</translation>
    </message>
    <message>
        <source>ostecen red</source>
        <translation>a damaged line</translation>
    </message>
    <message>
        <source>isti zapis dvaput</source>
        <translation>the same record twice</translation>
    </message>
    <message>
        <source>brojevi koji se medjusobno ne slazu</source>
        <translation>numbers that contradict each other</translation>
    </message>
    <message>
        <source>fajl je odsecen</source>
        <translation>the file is cut short</translation>
    </message>
    <message>
        <source>to nije obican fajl</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>fajl ne moze da se procita</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>koraci za vracanje poteza se ne slazu</source>
        <translation>the steps to take moves back do not agree</translation>
    </message>
    <message>
        <source>rezultat deljenja se ne slaze sa tabelom</source>
        <translation>the hand&apos;s score does not match the table</translation>
    </message>
    <message>
        <source>tok igre se ne slaze sa partijom</source>
        <translation>the move history does not fit the match</translation>
    </message>
</context>
<context>
    <name>LogFailureText</name>
    <message>
        <source>datoteka &quot;%1&quot; ne moze da se otvori za pisanje.</source>
        <translation>the file &quot;%1&quot; cannot be opened for writing.</translation>
    </message>
    <message>
        <source>upis u datoteku &quot;%1&quot; nije uspeo.</source>
        <translation>writing to the file &quot;%1&quot; failed.</translation>
    </message>
    <message>
        <source>datoteka &quot;%1&quot; ne moze da se arhivira.</source>
        <translation>the file &quot;%1&quot; cannot be archived.</translation>
    </message>
    <message>
        <source>neocekivana greska u radu sa datotekom &quot;%1&quot;.</source>
        <translation>an unexpected error with the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Dnevnik igre ne moze da se koristi: </source>
        <translation>The game log cannot be used: </translation>
    </message>
    <message>
        <source>Dnevnik igre ne moze da se pise: </source>
        <translation>The game log cannot be written: </translation>
    </message>
    <message>
        <source>Dnevnik igre ne moze da se zatvori: </source>
        <translation>The game log cannot be closed: </translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Step up</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>Step &amp;down</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copy &amp;Link Location</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>ReviewWords</name>
    <message>
        <source>Preciznost: %1%</source>
        <translation>Accuracy: %1%</translation>
    </message>
    <message>
        <source>Najveca greska: nema</source>
        <translation>Costliest mistake: none</translation>
    </message>
    <message>
        <source>Najveca greska: %1 (%2 poena manje od: %3)</source>
        <translation>Costliest mistake: %1 (%2 points less than: %3)</translation>
    </message>
    <message>
        <source>Potezi ovog deljenja se analiziraju...</source>
        <translation>The moves of this hand are being reviewed...</translation>
    </message>
    <message>
        <source>Dobar potez</source>
        <translation>Good move</translation>
    </message>
    <message>
        <source>Greska, %1 poena manje; bolje: %2</source>
        <translation>Mistake, %1 points less; better: %2</translation>
    </message>
    <message>
        <source>Mala greska, %1 poena manje; bolje: %2</source>
        <translation>Small mistake, %1 points less; better: %2</translation>
    </message>
</context>
<context>
    <name>SpeechWords</name>
    <message>
        <source>prazan</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>Na potezu: %1.</source>
        <translation>%1&apos;s turn.</translation>
    </message>
    <message>
        <source>Niko nije na potezu.</source>
        <translation>Nobody&apos;s turn.</translation>
    </message>
    <message>
        <source>%1 oznacena.</source>
        <translation>%1 marked.</translation>
    </message>
    <message>
        <source>%1 nije oznacena.</source>
        <translation>%1 not marked.</translation>
    </message>
    <message>
        <source>Nista nije oznaceno.</source>
        <translation>Nothing is marked.</translation>
    </message>
    <message>
        <source>Nema oznacenih karata.</source>
        <translation>No cards are marked.</translation>
    </message>
    <message>
        <source>Kraj reda.</source>
        <translation>End of the row.</translation>
    </message>
    <message>
        <source>Pocetak reda.</source>
        <translation>Start of the row.</translation>
    </message>
    <message>
        <source>Nema reda iznad.</source>
        <translation>No row above.</translation>
    </message>
    <message>
        <source>Nema reda ispod.</source>
        <translation>No row below.</translation>
    </message>
    <message>
        <source>%1, %2 od %3</source>
        <extracomment>A card under the keys&apos; ring and its place in its row: &quot;5 karo, 2 od 6&quot;.</extracomment>
        <translation>%1, %2 of %3</translation>
    </message>
    <message>
        <source>Nove karte podeljene. %1.</source>
        <translation>New cards dealt. %1.</translation>
    </message>
    <message>
        <source>Kraj partije. %1.</source>
        <translation>End of the match. %1.</translation>
    </message>
    <message>
        <source>Savet: stavi %1 na talon.</source>
        <translation>Hint: put the %1 on the table.</translation>
    </message>
    <message>
        <source>Savet: nosi %1 kartom %2.</source>
        <translation>Hint: take the %1 with the %2.</translation>
    </message>
    <message>
        <source>Gornji red: %1. Donji red: %2.</source>
        <translation>Upper row: %1. Lower row: %2.</translation>
    </message>
    <message>
        <source>Nemas karata u ruci.</source>
        <translation>You have no cards in your hand.</translation>
    </message>
    <message>
        <source>Tvoje karte: %1.</source>
        <translation>Your cards: %1.</translation>
    </message>
    <message>
        <source>Jos niko nije igrao.</source>
        <translation>Nobody has played yet.</translation>
    </message>
    <message>
        <source>Poeni: %1.</source>
        <translation>Points: %1.</translation>
    </message>
</context>
<context>
    <name>TAnimationBox</name>
    <message>
        <source>Animacija</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Iskljucena</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Brza</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Normalna</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Spora</source>
        <translation>Slow</translation>
    </message>
</context>
<context>
    <name>TChatPanel</name>
    <message>
        <source>Razgovor za stolom</source>
        <translation>Table chat</translation>
    </message>
    <message>
        <source>Poruka za sto</source>
        <translation>Message to the table</translation>
    </message>
    <message>
        <source>Posalji</source>
        <translation>Send</translation>
    </message>
</context>
<context>
    <name>TDropNotice</name>
    <message>
        <source>Odustani</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Veza sa stolom je prekinuta; racunar igra umesto tebe.</source>
        <translation>The connection to the table is lost; the computer plays for you.</translation>
    </message>
    <message>
        <source>Novi pokusaj za %1 s.</source>
        <translation>Trying again in %1 s.</translation>
    </message>
    <message>
        <source>Povezivanje...</source>
        <translation>Connecting...</translation>
    </message>
</context>
<context>
    <name>TFAbout</name>
    <message>
        <source>O Programu</source>
        <translation>About Zaviko</translation>
    </message>
    <message>
        <source>Zaviko na Webu</source>
        <translation>Zaviko on the Web</translation>
    </message>
    <message>
        <source>Pisi autoru</source>
        <translation>Write to the author</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>mart</source>
        <translation>March</translation>
    </message>
    <message>
        <source>april</source>
        <translation>April</translation>
    </message>
    <message>
        <source>maj</source>
        <translation>May</translation>
    </message>
    <message>
        <source>jun</source>
        <translation>June</translation>
    </message>
    <message>
        <source>jul</source>
        <translation>July</translation>
    </message>
    <message>
        <source>avgust</source>
        <translation>August</translation>
    </message>
    <message>
        <source>septembar</source>
        <translation>September</translation>
    </message>
    <message>
        <source>oktobar</source>
        <translation>October</translation>
    </message>
    <message>
        <source>novembar</source>
        <translation>November</translation>
    </message>
    <message>
        <source>decembar</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Verzija %1, %2 %3</source>
        <translation>Version %1, %2 %3</translation>
    </message>
    <message>
        <source>Tasteri</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Pravila i tasteri, na ovom racunaru</source>
        <translation>Rules and keys, on this computer</translation>
    </message>
    <message>
        <source>Pomoc za Zaviko</source>
        <translation>Zaviko help</translation>
    </message>
</context>
<context>
    <name>TFAnaliza</name>
    <message>
        <source>Analiza</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Sve karte otkrivene</source>
        <translation>All cards face up</translation>
    </message>
    <message>
        <source>Prethodna ruka</source>
        <translation>Previous hand</translation>
    </message>
    <message>
        <source>Prethodni potez</source>
        <translation>Previous move</translation>
    </message>
    <message>
        <source>Sledeci potez</source>
        <translation>Next move</translation>
    </message>
    <message>
        <source>Sledeca ruka</source>
        <translation>Next hand</translation>
    </message>
    <message>
        <source>Zatvori</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Nijedna ruka jos nije procenjena.</source>
        <translation>No hand has been reviewed yet.</translation>
    </message>
</context>
<context>
    <name>TFDeckOverInfoDlg</name>
    <message>
        <source>Pokupljene karte</source>
        <translation>Captured Cards</translation>
    </message>
    <message>
        <source>Najvise karata (25) odneo Zika</source>
        <translation>Most cards (25) taken by Zika</translation>
    </message>
    <message>
        <source>Pregled karata</source>
        <translation>View Cards</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Karte sa talona pokupio %1</source>
        <translation>The cards left on the table went to %1</translation>
    </message>
    <message>
        <source>Najvise karata (%1) odneo %2</source>
        <translation>Most cards (%1) taken by %2</translation>
    </message>
    <message>
        <source>Najvise karata (%1) odneli</source>
        <translation>Most cards (%1) taken by</translation>
    </message>
    <message>
        <source>Poeni</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>&amp;Analiza</source>
        <translation>&amp;Analysis</translation>
    </message>
    <message>
        <source>Nijedna ruka jos nije procenjena.</source>
        <translation>No hand has been reviewed yet.</translation>
    </message>
</context>
<context>
    <name>TFJoinTable</name>
    <message>
        <source>Pridruzi se stolu</source>
        <translation>Join a table</translation>
    </message>
    <message>
        <source>&amp;Poziv:</source>
        <translation>&amp;Invitation:</translation>
    </message>
    <message>
        <source>ili upisi posebno</source>
        <translation>or type the parts</translation>
    </message>
    <message>
        <source>&amp;Adresa:</source>
        <translation>&amp;Address:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <source>STO/KOD, kraj poziva</source>
        <translation>TABLE/CODE, the end of the invitation</translation>
    </message>
    <message>
        <source>&amp;Kod stola:</source>
        <translation>Table &amp;code:</translation>
    </message>
    <message>
        <source>&amp;Tvoje ime:</source>
        <translation>&amp;Your name:</translation>
    </message>
    <message>
        <source>Pridruzi se</source>
        <translation>Join</translation>
    </message>
    <message>
        <source>Odustani</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Poziv nije ispravan. Treba da izgleda ovako: zaviko://ADRESA:PORT/STO/KOD</source>
        <translation>The invitation is not valid. It should look like this: zaviko://ADDRESS:PORT/TABLE/CODE</translation>
    </message>
    <message>
        <source>Kod stola treba da bude oblika STO/KOD, kao na kraju poziva.</source>
        <translation>The table code should have the form TABLE/CODE, as at the end of the invitation.</translation>
    </message>
    <message>
        <source>Upisi svoje ime: ostali ga vide za stolom.</source>
        <translation>Type your name: the others see it at the table.</translation>
    </message>
</context>
<context>
    <name>TFOpenTable</name>
    <message>
        <source>Otvori sto</source>
        <translation>Open a table</translation>
    </message>
    <message>
        <source>&amp;Tvoje ime:</source>
        <translation>&amp;Your name:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>Adrese ovog racunara:</source>
        <translation>This computer&apos;s addresses:</translation>
    </message>
    <message>
        <source>Odustani</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Igra</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Broj igraca</source>
        <translation>Number of players</translation>
    </message>
    <message>
        <source>4 igraca, svako za sebe</source>
        <translation>4 players, no partners</translation>
    </message>
    <message>
        <source>4 igraca u parove</source>
        <translation>4 players in pairs</translation>
    </message>
    <message>
        <source>2 igraca</source>
        <translation>2 players</translation>
    </message>
    <message>
        <source>Broj spilova</source>
        <translation>Number of decks</translation>
    </message>
    <message>
        <source>Igra u smeru kazaljke na satu</source>
        <translation>Play clockwise</translation>
    </message>
    <message>
        <source>Dozvoli &quot;Savet&quot; za ovim stolom</source>
        <translation>Allow &quot;Hint&quot; at this table</translation>
    </message>
    <message>
        <source>Ko sedi za stolom</source>
        <translation>Who sits at the table</translation>
    </message>
    <message>
        <source>Levo:</source>
        <translation>Left:</translation>
    </message>
    <message>
        <source>Preko puta:</source>
        <translation>Across:</translation>
    </message>
    <message>
        <source>Desno:</source>
        <translation>Right:</translation>
    </message>
    <message>
        <source>covek (po pozivu)</source>
        <translation>a person (by invitation)</translation>
    </message>
    <message>
        <source>racunar: %1</source>
        <translation>computer: %1</translation>
    </message>
</context>
<context>
    <name>TFOptions</name>
    <message>
        <source>Opcije</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Igra</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Broj igraca * </source>
        <translation>Players * </translation>
    </message>
    <message>
        <source>4 igraca, svako za sebe</source>
        <translation>4 players, no partners</translation>
    </message>
    <message>
        <source>4 igraca u parove</source>
        <translation>4 players in pairs</translation>
    </message>
    <message>
        <source>2 igraca</source>
        <translation>2 players</translation>
    </message>
    <message>
        <source>Broj spilova * </source>
        <translation>Decks * </translation>
    </message>
    <message>
        <source>Kompjuter se trudi da igra </source>
        <translation>Computer strength </translation>
    </message>
    <message>
        <source>Pametno</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>Prosecno</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Glupo</source>
        <translation>Weak</translation>
    </message>
    <message>
        <source>Majstor</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Kompjuter drzi otvorene karte (s) </source>
        <translation>Show a computer&apos;s move (s) </translation>
    </message>
    <message>
        <source>Pauza izmedju igre 2 igraca (0.5s)</source>
        <translation>Pause between two turns (0.5 s)</translation>
    </message>
    <message>
        <source>Igra u smeru kazaljke na satu *</source>
        <translation>Play clockwise *</translation>
    </message>
    <message>
        <source>Izgled</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Karte igraca zgusnute</source>
        <translation>Others&apos; cards tight</translation>
    </message>
    <message>
        <source>Moje karte zgusnute</source>
        <translation>My cards tight</translation>
    </message>
    <message>
        <source>Varanje </source>
        <translation>Cheating </translation>
    </message>
    <message>
        <source>Dozvoli da gledam u karte koje sam pokupio</source>
        <translation>Let me look at the cards I captured</translation>
    </message>
    <message>
        <source>Dozvoli da gledam u karte koje su drugi pokupili</source>
        <translation>Let me look at the cards others captured</translation>
    </message>
    <message>
        <source>Razno</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Loguj partiju (u Zaviko.log)</source>
        <translation>Log the match (to Zaviko.log)</translation>
    </message>
    <message>
        <source>* Opcija se aktivira kad pocne nova igra</source>
        <translation>* Takes effect when a new match starts</translation>
    </message>
    <message>
        <source>Prihvati</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Odustani</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Pre svakog poteza kompjutera igra ceka: broj u polju puta pola sekunde (0 = bez cekanja).</source>
        <translation>Before each computer move the game waits this many half seconds (0 = no wait).</translation>
    </message>
    <message>
        <source>Govor</source>
        <translation>Speech</translation>
    </message>
    <message>
        <source>Igra sama izgovara poteze, ko je na potezu i odgovore na tastere.</source>
        <translation>The game itself speaks the moves, whose turn it is and the answers to keys.</translation>
    </message>
    <message>
        <source>Zvuk</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Zvuci igre: deljenje, potezi, tabla, tvoj potez, kraj ruke i partije.</source>
        <translation>The game&apos;s sounds: the deal, the moves, a cleared table, your turn, the end of a hand and of the match.</translation>
    </message>
    <message>
        <source>Jacina</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Jacina zvuka</source>
        <translation>Sound volume</translation>
    </message>
    <message>
        <source>Izgled stola</source>
        <translation>Table look</translation>
    </message>
    <message>
        <source>Klasicni</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>Savremeni</source>
        <translation>Modern</translation>
    </message>
    <message>
        <source>Oznaci karte koje karta iz ruke moze da uzme</source>
        <translation>Outline the cards a hand card could take</translation>
    </message>
    <message>
        <source>Dok je karta iz ruke pod strelicom ili okvirom tastature, karte na talonu koje bi uzela su uokvirene (Savremeni izgled).</source>
        <translation>While a hand card is under the pointer or the keyboard&apos;s ring, the table cards it would take are outlined (Modern look).</translation>
    </message>
</context>
<context>
    <name>TFPregledKarata</name>
    <message>
        <source>Pregled karata</source>
        <translation>Captured Cards</translation>
    </message>
    <message>
        <source>Karte koje sam ja odneo</source>
        <translation>Cards I captured</translation>
    </message>
    <message>
        <source>Karte koje je odneo %1</source>
        <translation>Cards captured by %1</translation>
    </message>
</context>
<context>
    <name>TFPromenaImena</name>
    <message>
        <source>Promena imena</source>
        <translation>Rename Players</translation>
    </message>
    <message>
        <source>Tvoje ime</source>
        <translation>Your name</translation>
    </message>
    <message>
        <source>Imena ostalih igraca</source>
        <translation>Other players&apos; names</translation>
    </message>
    <message>
        <source>Promeni</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Ponisti</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Posto si neko ime izostavio, ostaju stara imena :)</source>
        <translation>You left a name out, so the old names stay :)</translation>
    </message>
</context>
<context>
    <name>TFWaitingRoom</name>
    <message>
        <source>Sto za igru preko mreze</source>
        <translation>Network table</translation>
    </message>
    <message>
        <source>Povezivanje sa stolom...</source>
        <translation>Connecting to the table...</translation>
    </message>
    <message>
        <source>Mesto</source>
        <translation>Seat</translation>
    </message>
    <message>
        <source>Ime</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Igra</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Veza</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Pocni partiju</source>
        <translation>Start the match</translation>
    </message>
    <message>
        <source>Napusti sto</source>
        <translation>Leave the table</translation>
    </message>
    <message>
        <source>Kopiraj</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Poziv je kopiran. Posalji ga onima s kojima igras.</source>
        <translation>The invitation is copied. Send it to the people you play with.</translation>
    </message>
    <message>
        <source>Poziv:</source>
        <translation>Invitation:</translation>
    </message>
    <message>
        <source>Adrese ovog racunara:</source>
        <translation>This computer&apos;s addresses:</translation>
    </message>
    <message>
        <source>Cekaju se igraci.</source>
        <translation>Waiting for players.</translation>
    </message>
    <message>
        <source>Svi su za stolom. Mozes da pocnes partiju.</source>
        <translation>Everyone is at the table. You can start the match.</translation>
    </message>
    <message>
        <source>Svi su za stolom. Domacin pocinje partiju.</source>
        <translation>Everyone is at the table. The host starts the match.</translation>
    </message>
    <message>
        <source>%1 (ti)</source>
        <translation>%1 (you)</translation>
    </message>
    <message>
        <source>ne igra</source>
        <translation>does not play</translation>
    </message>
    <message>
        <source>Daj racunaru</source>
        <translation>Give to the computer</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Igra</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Nova</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Pocni igru</source>
        <translation>&amp;Start Game</translation>
    </message>
    <message>
        <source>&amp;Savet</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Gotovo</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Opcije</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Tabela vidljiva</source>
        <translation>Score &amp;Table Visible</translation>
    </message>
    <message>
        <source>Po&amp;kupljene karte</source>
        <translation>&amp;Captured Cards</translation>
    </message>
    <message>
        <source>&amp;Promena imena...</source>
        <translation>&amp;Rename Players...</translation>
    </message>
    <message>
        <source>&amp;Opcije...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Statistika...</source>
        <translation>&amp;Statistics...</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Pomoc...</source>
        <translation>&amp;Help...</translation>
    </message>
    <message>
        <source>&amp;O Programu...</source>
        <translation>&amp;About Zaviko...</translation>
    </message>
    <message>
        <source>Partija je u toku. Da li zelis da je prekines i pocnes novu?</source>
        <translation>A match is in progress. Do you want to abandon it and start a new one?</translation>
    </message>
    <message>
        <source>Partija je u toku. Da li zelis da izadjes?

Partija ce biti sacuvana, pa mozes da je nastavis kad sledeci put pokrenes igru.</source>
        <translation>A match is in progress. Do you want to quit?

The match will be saved, so you can go on with it the next time you start the game.</translation>
    </message>
    <message>
        <source>Pokupljene karte: %1</source>
        <translation>Captured cards: %1</translation>
    </message>
    <message>
        <source>Nastavi zapocetu partiju?</source>
        <translation>Go on with the unfinished match?</translation>
    </message>
    <message>
        <source>&amp;Vrati potez</source>
        <translation>&amp;Undo Move</translation>
    </message>
    <message>
        <source>Sto</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Talon, gornji red</source>
        <translation>Table, upper row</translation>
    </message>
    <message>
        <source>Talon, donji red</source>
        <translation>Table, lower row</translation>
    </message>
    <message>
        <source>Tok igre</source>
        <translation>Game progress</translation>
    </message>
    <message>
        <source>Statusna linija</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Tvoje karte</source>
        <translation>Your cards</translation>
    </message>
    <message>
        <source>Karte: %1</source>
        <translation>Cards: %1</translation>
    </message>
    <message>
        <source>Na potezu: %1</source>
        <translation>Turn: %1</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Kraj ruke. %1.</source>
        <translation>End of hand. %1.</translation>
    </message>
    <message>
        <source>Karte talona ka s&amp;redini</source>
        <translation>Table cards toward the &amp;middle</translation>
    </message>
    <message>
        <source>Tok &amp;igre</source>
        <translation>Move &amp;History</translation>
    </message>
    <message>
        <source>Partija u toku ne moze da se cuva u %1. Ako se igra prekine pre nego sto je zatvoris, partija ce biti izgubljena.</source>
        <translation>The match in progress cannot be kept in %1. If the game stops before you close it, the match will be lost.</translation>
    </message>
    <message>
        <source>Pokusaj ponovo</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>Sacuvaj drugde...</source>
        <translation>Save elsewhere...</translation>
    </message>
    <message>
        <source>Zatvori bez cuvanja</source>
        <translation>Close without saving</translation>
    </message>
    <message>
        <source>Partija nije mogla da se sacuva.

Fajl: %1</source>
        <translation>The match could not be saved.

File: %1</translation>
    </message>
    <message>
        <source>Sacuvaj partiju</source>
        <translation>Save the match</translation>
    </message>
    <message>
        <source>Sacuvana partija (*.sav)</source>
        <translation>Saved match (*.sav)</translation>
    </message>
    <message>
        <source>Partija nije mogla da se sacuva u %1 (%2).</source>
        <translation>The match could not be saved in %1 (%2).</translation>
    </message>
    <message>
        <source>Igra preko &amp;mreze</source>
        <translation>&amp;Network game</translation>
    </message>
    <message>
        <source>&amp;Otvori sto...</source>
        <translation>&amp;Open a table...</translation>
    </message>
    <message>
        <source>&amp;Pridruzi se...</source>
        <translation>&amp;Join...</translation>
    </message>
    <message>
        <source>Napustio si sto.</source>
        <translation>You left the table.</translation>
    </message>
    <message>
        <source>Razgovor</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>&amp;Razgovor</source>
        <translation>&amp;Chat</translation>
    </message>
    <message>
        <source>Ti si domacin ovog stola: ako ga napustis, sto se zatvara i za ostale igrace. Da li zelis da napustis sto?</source>
        <translation>You are this table&apos;s host: if you leave it, the table closes for the other players too. Do you want to leave the table?</translation>
    </message>
    <message>
        <source>Igras za stolom preko mreze. Da li zelis da napustis sto?</source>
        <translation>You are playing at a network table. Do you want to leave the table?</translation>
    </message>
    <message>
        <source>Dok te nije bilo, racunar je za tebe odigrao: %1.</source>
        <translation>While you were away, the computer played for you: %1.</translation>
    </message>
    <message>
        <source>Ostalo karata u spilu: %1</source>
        <translation>Cards left in the deck: %1</translation>
    </message>
    <message>
        <source>&amp;Analiza...</source>
        <translation>&amp;Analysis...</translation>
    </message>
    <message>
        <source>&amp;Analiza (nijedna ruka jos nije procenjena)</source>
        <translation>&amp;Analysis (no hand reviewed yet)</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Zaviko - Pomoc</source>
        <translation>Zaviko - Help</translation>
    </message>
    <message>
        <source>Zatvori</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Pomoc nije dostupna: datoteka %1 ne postoji ili ne moze da se procita.</source>
        <translation>Help is not available: the file %1 does not exist or cannot be read.</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Podesavanja ne mogu da se sacuvaju u %1.</source>
        <translation>Unable to write to %1</translation>
    </message>
</context>
<context>
    <name>TKeyList</name>
    <message>
        <source>nova igra</source>
        <translation>new game</translation>
    </message>
    <message>
        <source>savet</source>
        <translation>hint</translation>
    </message>
    <message>
        <source>vrati potez</source>
        <translation>take a move back</translation>
    </message>
    <message>
        <source>tabela sa poenima</source>
        <translation>score table</translation>
    </message>
    <message>
        <source>pauza</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>razmak</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>oznaci kartu, prekini pokazivanje</source>
        <translation>mark a card, end a reveal</translation>
    </message>
    <message>
        <source>strelice, Home, End</source>
        <translation>arrows, Home, End</translation>
    </message>
    <message>
        <source>okvir po kartama</source>
        <translation>move the ring over the cards</translation>
    </message>
    <message>
        <source>igraj kartu u okviru</source>
        <translation>play the card in the ring</translation>
    </message>
    <message>
        <source>igraj kartu iz ruke</source>
        <translation>play that card of your hand</translation>
    </message>
    <message>
        <source>skini oznake</source>
        <translation>clear the marks</translation>
    </message>
    <message>
        <source>pomoc</source>
        <translation>help</translation>
    </message>
    <message>
        <source>kraj igre</source>
        <translation>quit</translation>
    </message>
    <message>
        <source>Alt+slovo</source>
        <translation>Alt+letter</translation>
    </message>
    <message>
        <source>meni ili dugme</source>
        <translation>a menu or a button</translation>
    </message>
    <message>
        <source>procitaj sto</source>
        <translation>read the table</translation>
    </message>
    <message>
        <source>procitaj tvoje karte</source>
        <translation>read your cards</translation>
    </message>
    <message>
        <source>procitaj poslednje poteze</source>
        <translation>read the last moves</translation>
    </message>
    <message>
        <source>procitaj poene</source>
        <translation>read the points</translation>
    </message>
    <message>
        <source>procitaj karte u spilu</source>
        <translation>read the cards left in the deck</translation>
    </message>
    <message>
        <source>ko je na potezu</source>
        <translation>whose turn it is</translation>
    </message>
    <message>
        <source>ponovi poslednje izgovoreno</source>
        <translation>repeat the last words</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <source>Enter igra kartu iz ruke; karte na talonu oznacava razmaknica.</source>
        <translation>Enter plays a card from your hand; Space marks table cards.</translation>
    </message>
    <message>
        <source>Razmaknica oznacava karte na talonu; kartu iz ruke igra Enter.</source>
        <translation>Space marks table cards; Enter plays a card from your hand.</translation>
    </message>
    <message>
        <source>Strelicama izaberi kartu iz ruke, pa je Enter igra.</source>
        <translation>Choose a card from your hand with the arrows, then Enter plays it.</translation>
    </message>
</context>
<context>
    <name>TLanguageBox</name>
    <message>
        <source>Jezik</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Izabrani jezik vazi od sledeceg pokretanja igre.</source>
        <translation>The chosen language applies from the next start of the game.</translation>
    </message>
</context>
<context>
    <name>TMatchController</name>
    <message>
        <source>Ti igras prvi.</source>
        <translation>You play first.</translation>
    </message>
    <message>
        <source>Prvi na potezu je %1 (kompjuter). Da li partija moze da pocne?

Ako je odgovor negativan, partiju mozes da zapocnes i rucno kroz meni Igra | Pocni igru.</source>
        <translation>%1 (computer) plays first. Shall the match begin?

If you answer No, you can start the match yourself from the menu Game | Start Game.</translation>
    </message>
    <message>
        <source>Ostalo karata u spilu: %1</source>
        <translation>Cards left in the deck: %1</translation>
    </message>
    <message>
        <source>Na potezu: %1</source>
        <translation>Turn: %1</translation>
    </message>
    <message>
        <source>Poeni</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Partija jos nije pocela. Mozes da pokrenes partiju iz Igra | Pocni igru</source>
        <translation>The match has not started yet. You can start it from Game | Start Game</translation>
    </message>
    <message>
        <source>Nisi jos na potezu</source>
        <translation>It is not your turn yet</translation>
    </message>
    <message>
        <source>Na potezu je %1</source>
        <translation>It is %1&apos;s turn</translation>
    </message>
    <message>
        <source>Oznacene karte ne mogu da se uzmu ovom kartom.</source>
        <translation>This card cannot take the marked cards.</translation>
    </message>
    <message>
        <source>Ne mozes da oznacis vise od 21 karte.</source>
        <translation>You cannot mark more than 21 cards.</translation>
    </message>
    <message>
        <source>Igra pauzirana</source>
        <translation>Game paused</translation>
    </message>
    <message>
        <source>Kompjuteri ne mogu da igraju: sistem nije pokrenuo nit.</source>
        <translation>The computers cannot play: the system did not start a thread.</translation>
    </message>
    <message>
        <source>Pokusaj ponovo kroz meni Igra | Pocni igru.</source>
        <translation>Try again from the menu Game | Start Game.</translation>
    </message>
    <message>
        <source>Klikni na kartu da pokusas ponovo.</source>
        <translation>Click a card to try again.</translation>
    </message>
    <message>
        <source>Partija je gotova. Pobednik: %1

Izaberi Igra | Nova za novu partiju.</source>
        <translation>The match is over. Winner: %1

Choose Game | New for a new match.</translation>
    </message>
    <message>
        <source>Partija je gotova. Izaberi Igra | Nova za novu partiju.</source>
        <translation>The match is over. Choose Game | New for a new match.</translation>
    </message>
    <message>
        <source>Nema poteza za vracanje.</source>
        <translation>No move to take back.</translation>
    </message>
    <message>
        <source>Potez je vracen.</source>
        <translation>The move was taken back.</translation>
    </message>
</context>
<context>
    <name>TMessageSink</name>
    <message>
        <source>Da</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TMoveHistoryPanel</name>
    <message>
        <source>Tok igre</source>
        <translation>Move History</translation>
    </message>
    <message>
        <source>Svi potezi partije, po deljenjima</source>
        <translation>Every move of the match, hand by hand</translation>
    </message>
    <message>
        <source>Deljenje %1</source>
        <translation>Hand %1</translation>
    </message>
</context>
<context>
    <name>TNetSession</name>
    <message>
        <source>Pogresan kod stola (ili sto vise ne postoji). Proveri poziv i pokusaj ponovo.</source>
        <translation>Wrong table code (or the table is gone). Check the invitation and try again.</translation>
    </message>
    <message>
        <source>Sto je pun: nema slobodnog mesta.</source>
        <translation>The table is full: no seat is free.</translation>
    </message>
    <message>
        <source>Niko se ne javlja na %1. Proveri adresu i port i da li je sto jos otvoren.</source>
        <translation>Nobody answers at %1. Check the address and the port, and whether the table is still open.</translation>
    </message>
    <message>
        <source>Server govori drugu verziju protokola (%1). Igrajte istom verzijom igre.</source>
        <translation>The server speaks another protocol version (%1). Play with the same version of the game.</translation>
    </message>
    <message>
        <source>Sertifikat servera nije prihvacen (%1). Veza ne bi bila bezbedna, pa igra ne nastavlja.</source>
        <translation>The server&apos;s certificate was refused (%1). The connection would not be safe, so the game does not go on.</translation>
    </message>
    <message>
        <source>Previse pogresnih kodova sa ove adrese. Sacekaj malo pa pokusaj ponovo.</source>
        <translation>Too many wrong codes from this address. Wait a little and try again.</translation>
    </message>
    <message>
        <source>Server ne moze da otvori jos jedan sto. Pokusaj kasnije.</source>
        <translation>The server cannot open another table. Try later.</translation>
    </message>
    <message>
        <source>Domacin je zatvorio sto. Partija je zavrsena.</source>
        <translation>The host closed the table. The match is over.</translation>
    </message>
    <message>
        <source>Veza sa stolom je prekinuta i nije mogla da se obnovi.</source>
        <translation>The connection to the table was lost and could not be restored.</translation>
    </message>
    <message>
        <source>Domacin je tvoje mesto dao drugom igracu.</source>
        <translation>The host gave your seat to another player.</translation>
    </message>
    <message>
        <source>Nisi na potezu.</source>
        <translation>It is not your turn.</translation>
    </message>
    <message>
        <source>Tom kartom ne mozes da nosis te karte.</source>
        <translation>That card cannot take those cards.</translation>
    </message>
    <message>
        <source>Na tom mestu nemas kartu.</source>
        <translation>You have no card in that place.</translation>
    </message>
    <message>
        <source>Partija jos nije pocela.</source>
        <translation>The match has not started yet.</translation>
    </message>
    <message>
        <source>Partija je vec u toku.</source>
        <translation>The match is already under way.</translation>
    </message>
    <message>
        <source>To moze samo domacin stola.</source>
        <translation>Only the table&apos;s host can do that.</translation>
    </message>
    <message>
        <source>Previse poruka odjednom; uspori malo.</source>
        <translation>Too many messages at once; slow down a little.</translation>
    </message>
    <message>
        <source>Poruka je prazna, preduga ili ima nedozvoljene znake.</source>
        <translation>The message is empty, too long or has characters that are not allowed.</translation>
    </message>
    <message>
        <source>Server je odbio zahtev (%1).</source>
        <translation>The server refused the request (%1).</translation>
    </message>
    <message>
        <source>Veza je obnovljena.</source>
        <translation>The connection is back.</translation>
    </message>
    <message>
        <source>server %1, igra %2</source>
        <translation>server %1, game %2</translation>
    </message>
    <message>
        <source>igra %1</source>
        <translation>game %1</translation>
    </message>
    <message>
        <source>Igrac %1 je seo za sto.</source>
        <translation>%1 sat down at the table.</translation>
    </message>
    <message>
        <source>Igrac %1 je izgubio vezu; racunar igra umesto njega.</source>
        <translation>%1 lost the connection; the computer plays for them.</translation>
    </message>
    <message>
        <source>Igrac %1 se vratio za sto.</source>
        <translation>%1 is back at the table.</translation>
    </message>
    <message>
        <source>Igrac %1 je napustio sto.</source>
        <translation>%1 left the table.</translation>
    </message>
    <message>
        <source>Veza sa stolom je prekinuta; igra pokusava da je obnovi.</source>
        <translation>The connection to the table was lost; the game is trying to restore it.</translation>
    </message>
</context>
<context>
    <name>TNetTable</name>
    <message>
        <source>Sto ne moze da se otvori na portu %1 (%2). Izaberi drugi port.</source>
        <translation>The table cannot be opened on port %1 (%2). Choose another port.</translation>
    </message>
</context>
<context>
    <name>TNetWords</name>
    <message>
        <source>Jug</source>
        <translation>South</translation>
    </message>
    <message>
        <source>Zapad</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Sever</source>
        <translation>North</translation>
    </message>
    <message>
        <source>Istok</source>
        <translation>East</translation>
    </message>
    <message>
        <source>Pametno</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>Prosecno</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Glupo</source>
        <translation>Weak</translation>
    </message>
    <message>
        <source>Majstor</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>covek</source>
        <translation>person</translation>
    </message>
    <message>
        <source>racunar (%1)</source>
        <translation>computer (%1)</translation>
    </message>
    <message>
        <source>povezan</source>
        <translation>connected</translation>
    </message>
    <message>
        <source>bez veze (igra racunar)</source>
        <translation>disconnected (the computer plays)</translation>
    </message>
    <message>
        <source>ceka igraca</source>
        <translation>waiting for a player</translation>
    </message>
    <message>
        <source>racunar</source>
        <translation>computer</translation>
    </message>
</context>
<context>
    <name>TPubStrGrid</name>
    <message>
        <source>Jste si jist vymazaním tohoto řádku ?</source>
        <translation>Are you sure you want to delete this row?</translation>
    </message>
</context>
<context>
    <name>TReviewBoard</name>
    <message>
        <source>Polozaj</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Spil: %1</source>
        <translation>Deck: %1</translation>
    </message>
    <message>
        <source>Tvoj potez</source>
        <translation>Your move</translation>
    </message>
    <message>
        <source>Najbolji potez</source>
        <translation>Best move</translation>
    </message>
</context>
<context>
    <name>TReviewWords</name>
    <message>
        <source>Ruka %1, potez %2 od %3</source>
        <translation>Hand %1, move %2 of %3</translation>
    </message>
    <message>
        <source>%1 na talon</source>
        <translation>%1 laid on the table</translation>
    </message>
    <message>
        <source>%1 nosi %2</source>
        <translation>%1 takes %2</translation>
    </message>
    <message>
        <source>Greska</source>
        <translation>Mistake</translation>
    </message>
    <message>
        <source>Mala greska</source>
        <translation>Small mistake</translation>
    </message>
    <message>
        <source>Dobar potez</source>
        <translation>Good move</translation>
    </message>
    <message>
        <source>Najbolji potez</source>
        <translation>Best move</translation>
    </message>
    <message>
        <source>Procena iz onoga sto si znao</source>
        <translation>Judged from what you knew</translation>
    </message>
    <message>
        <source>Procena sa svim kartama otkrivenim</source>
        <translation>Judged with every card known</translation>
    </message>
    <message>
        <source>Racunar procenjuje ruku...</source>
        <translation>The computer is judging the hand...</translation>
    </message>
    <message>
        <source>Tvoj potez: %1</source>
        <translation>Your move: %1</translation>
    </message>
    <message>
        <source>Tvoj potez: %1, vrednost %2</source>
        <translation>Your move: %1, value %2</translation>
    </message>
    <message>
        <source>Najbolji potez: %1, vrednost %2</source>
        <translation>Best move: %1, value %2</translation>
    </message>
    <message>
        <source>Cena: %1 ± %2 poena (%3)</source>
        <translation>Cost: %1 ± %2 points (%3)</translation>
    </message>
</context>
<context>
    <name>TSavedMatchStore</name>
    <message>
        <source>Sacuvana partija ne moze da se nastavi (%1). %2</source>
        <translation>The saved match cannot be continued (%1). %2</translation>
    </message>
    <message>
        <source>%1 je ostavljen kakav jeste.</source>
        <translation>%1 was left as it is.</translation>
    </message>
    <message>
        <source>Fajl %1 ne moze da se skloni i ostavljen je kakav jeste.</source>
        <translation>The file %1 cannot be moved aside and was left as it is.</translation>
    </message>
    <message>
        <source>Fajl je sklonjen kao %1.</source>
        <translation>The file was moved aside as %1.</translation>
    </message>
</context>
<context>
    <name>TSeatMarks</name>
    <message>
        <source> na talon</source>
        <translation> to the table</translation>
    </message>
    <message>
        <source> nosi</source>
        <translation> takes</translation>
    </message>
</context>
<context>
    <name>TSingleInstance</name>
    <message>
        <source>Zaviko je vec pokrenut sa istim podesavanjima (%1), ali se ne javlja. Zatvori taj prozor, pa pokreni igru ponovo.</source>
        <translation>Zaviko is already running with the same settings (%1), but it does not answer. Close that window, then start the game again.</translation>
    </message>
</context>
<context>
    <name>TStatisticsDialog</name>
    <message>
        <source>Odigrane partije</source>
        <translation>Matches played</translation>
    </message>
    <message>
        <source>Pobede</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>Najbolji rezultat</source>
        <translation>Best score</translation>
    </message>
    <message>
        <source>Prosecan rezultat</source>
        <translation>Average score</translation>
    </message>
    <message>
        <source>Odnete table po deljenju</source>
        <translation>Table clears per hand</translation>
    </message>
    <message>
        <source>Bonusi za najvise karata po deljenju</source>
        <translation>Most-cards bonuses per hand</translation>
    </message>
    <message>
        <source>Korisceni saveti</source>
        <translation>Hints used</translation>
    </message>
    <message>
        <source>Svako za sebe</source>
        <translation>No partners</translation>
    </message>
    <message>
        <source>U parove</source>
        <translation>In pairs</translation>
    </message>
    <message>
        <source>2 igraca</source>
        <translation>2 players</translation>
    </message>
    <message>
        <source>1 spil</source>
        <translation>1 deck</translation>
    </message>
    <message>
        <source>2 spila</source>
        <translation>2 decks</translation>
    </message>
    <message>
        <source>Statistika</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Ponisti</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Zatvori</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Da li zaista zelis da ponistis svu statistiku?</source>
        <translation>Do you really want to reset all the statistics?</translation>
    </message>
    <message>
        <source>Ponistena statistika nije mogla da se sacuva.</source>
        <translation>The reset statistics could not be saved.</translation>
    </message>
    <message>
        <source>Partije sa vracenim potezom</source>
        <translation>Matches with a move taken back</translation>
    </message>
    <message>
        <source>Pobede sa vracenim potezom</source>
        <translation>Wins with a move taken back</translation>
    </message>
    <message>
        <source>Partije preko mreze</source>
        <translation>Network matches</translation>
    </message>
    <message>
        <source>Pobede preko mreze</source>
        <translation>Network wins</translation>
    </message>
    <message>
        <source>Prosecna preciznost</source>
        <translation>Mean accuracy</translation>
    </message>
</context>
<context>
    <name>TStatisticsStore</name>
    <message>
        <source>Statistika partija sa vracenim potezom</source>
        <translation>The statistics of matches with a move taken back</translation>
    </message>
    <message>
        <source>Statistika</source>
        <translation>The statistics</translation>
    </message>
    <message>
        <source>%1 ne moze da se procita iz %2. Fajl je ostavljen kakav jeste, a statistika ove igre se ne cuva.</source>
        <translation>%1 cannot be read from %2. The file was left as it is, and this session&apos;s statistics are not kept.</translation>
    </message>
    <message>
        <source>%1 u %2 je ostecena (%3). Fajl je sklonjen kao %4, a ta statistika krece od nule.</source>
        <translation>%1 in %2 are damaged (%3). The file was moved aside as %4, and those statistics start from zero.</translation>
    </message>
    <message>
        <source>%1 u %2 je ostecena (%3) i ne moze da se skloni. Fajl je ostavljen kakav jeste, a ta statistika se u ovoj igri ne cuva.</source>
        <translation>%1 in %2 are damaged (%3) and cannot be moved aside. The file was left as it is, and those statistics are not kept in this session.</translation>
    </message>
    <message>
        <source>%1 nije mogla da se sacuva u %2.</source>
        <translation>%1 could not be saved to %2.</translation>
    </message>
</context>
<context>
    <name>TTableNotes</name>
    <message>
        <source>Pauza</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Na potezu si</source>
        <translation>Your turn</translation>
    </message>
    <message>
        <source>Zbir: %1</source>
        <translation>Sum: %1</translation>
    </message>
    <message>
        <source> ili %1</source>
        <translation> or %1</translation>
    </message>
</context>
<context>
    <name>TTakenPile</name>
    <message>
        <source>Pokupljene karte: %1 (%2)</source>
        <translation>Captured cards: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TThread</name>
    <message>
        <source>Neocekivana greska u radu igre.</source>
        <translation>An unexpected error in the game.</translation>
    </message>
</context>
<context>
    <name>TZuCardGroup</name>
    <message>
        <source>Dealer</source>
        <translation>Dealer</translation>
    </message>
</context>
<context>
    <name>TZuCardPictures</name>
    <message>
        <source>Resource %1 not found in card-image library %2</source>
        <translation>Resource %1 not found in card-image library %2</translation>
    </message>
    <message>
        <source>The card pictures could not be loaded.
%1</source>
        <translation>The card pictures could not be loaded.
%1</translation>
    </message>
    <message>
        <source>Card-image library %1 offers no card pictures this program reads</source>
        <translation>Card-image library %1 offers no card pictures this program reads</translation>
    </message>
</context>
</TS>
