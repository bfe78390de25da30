<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Latn" sourcelanguage="sr">
<context>
    <name>CaptureSearch</name>
    <message>
        <source>No one is perfect - TCardCollection.SubSumsMatch</source>
        <translation>Niko nije savršen - TCardCollection.SubSumsMatch</translation>
    </message>
</context>
<context>
    <name>CardWords</name>
    <message>
        <source>dzoker</source>
        <translation>džoker</translation>
    </message>
    <message>
        <source>tref</source>
        <translation>tref</translation>
    </message>
    <message>
        <source>karo</source>
        <translation>karo</translation>
    </message>
    <message>
        <source>pik</source>
        <translation>pik</translation>
    </message>
    <message>
        <source>herc</source>
        <translation>herc</translation>
    </message>
    <message>
        <source>zandar</source>
        <translation>žandar</translation>
    </message>
    <message>
        <source>dama</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>kralj</source>
        <translation>kralj</translation>
    </message>
    <message>
        <source>as</source>
        <translation>as</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A card: its rank, then its suit (&quot;kralj pik&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>okrenuta karta</source>
        <translation>okrenuta karta</translation>
    </message>
    <message>
        <source>%1, oznacena</source>
        <translation>%1, označena</translation>
    </message>
    <message>
        <source> i </source>
        <translation> i </translation>
    </message>
    <message>
        <source>%1 stavlja %2 na talon</source>
        <translation>%1 stavlja %2 na talon</translation>
    </message>
    <message>
        <source>%1 nosi %2 kartom %3</source>
        <translation>%1 nosi %2 kartom %3</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>nedostaje polje %1</source>
        <translation>nedostaje polje %1</translation>
    </message>
    <message>
        <source>broj van dozvoljenog opsega</source>
        <translation>broj van dozvoljenog opsega</translation>
    </message>
    <message>
        <source>to nije sacuvana partija</source>
        <translation>to nije sačuvana partija</translation>
    </message>
    <message>
        <source>ruka pogresne velicine</source>
        <translation>ruka pogrešne veličine</translation>
    </message>
    <message>
        <source>prekratak red na talonu</source>
        <translation>prekratak red na talonu</translation>
    </message>
    <message>
        <source>stanje generatora slucajnih brojeva nije celo</source>
        <translation>stanje generatora slučajnih brojeva nije celo</translation>
    </message>
    <message>
        <source>na potezu je mesto koje ne igra</source>
        <translation>na potezu je mesto koje ne igra</translation>
    </message>
    <message>
        <source>poslednji potez pripada mestu koje ne igra</source>
        <translation>poslednji potez pripada mestu koje ne igra</translation>
    </message>
    <message>
        <source>mesto koje ne igra drzi karte</source>
        <translation>mesto koje ne igra drži karte</translation>
    </message>
    <message>
        <source>karte se ne slazu</source>
        <translation>karte se ne slažu</translation>
    </message>
    <message>
        <source>red na talonu je duzi nego sto karte dozvoljavaju</source>
        <translation>red na talonu je duži nego što karte dozvoljavaju</translation>
    </message>
    <message>
        <source>karte su uzete, a niko ih nije uzeo</source>
        <translation>karte su uzete, a niko ih nije uzeo</translation>
    </message>
    <message>
        <source>igrac na potezu nema karata</source>
        <translation>igrač na potezu nema karata</translation>
    </message>
    <message>
        <source>karte u rukama ne odgovaraju redu poteza</source>
        <translation>karte u rukama ne odgovaraju redu poteza</translation>
    </message>
    <message>
        <source>rezultat se ne slaze sa tabelom</source>
        <translation>rezultat se ne slaže sa tabelom</translation>
    </message>
    <message>
        <source>rezultat je veci nego sto karte dozvoljavaju</source>
        <translation>rezultat je veći nego što karte dozvoljavaju</translation>
    </message>
    <message>
        <source>potez bez odigrane karte</source>
        <translation>potez bez odigrane karte</translation>
    </message>
    <message>
        <source>potez igraca koji ne igra</source>
        <translation>potez igrača koji ne igra</translation>
    </message>
    <message>
        <source>odigrana karta je jos u ruci</source>
        <translation>odigrana karta je još u ruci</translation>
    </message>
    <message>
        <source>odneta karta je jos u igri</source>
        <translation>odneta karta je još u igri</translation>
    </message>
    <message>
        <source>fajl je prevelik</source>
        <translation>fajl je prevelik</translation>
    </message>
    <message>
        <source>to nije fajl statistike</source>
        <translation>to nije fajl statistike</translation>
    </message>
    <message>
        <source>tekst posle kraja</source>
        <translation>tekst posle kraja</translation>
    </message>
    <message>
        <source>ostecen red</source>
        <translation>oštećen red</translation>
    </message>
    <message>
        <source>isti zapis dvaput</source>
        <translation>isti zapis dvaput</translation>
    </message>
    <message>
        <source>brojevi koji se medjusobno ne slazu</source>
        <translation>brojevi koji se međusobno ne slažu</translation>
    </message>
    <message>
        <source>fajl je odsecen</source>
        <translation>fajl je odsečen</translation>
    </message>
    <message>
        <source>to nije obican fajl</source>
        <translation>to nije običan fajl</translation>
    </message>
    <message>
        <source>fajl ne moze da se procita</source>
        <translation>fajl ne može da se pročita</translation>
    </message>
    <message>
        <source>koraci za vracanje poteza se ne slazu</source>
        <translation>koraci za vraćanje poteza se ne slažu</translation>
    </message>
    <message>
        <source>rezultat deljenja se ne slaze sa tabelom</source>
        <translation>rezultat deljenja se ne slaže sa tabelom</translation>
    </message>
    <message>
        <source>tok igre se ne slaze sa partijom</source>
        <translation>tok igre se ne slaže sa partijom</translation>
    </message>
</context>
<context>
    <name>LogFailureText</name>
    <message>
        <source>datoteka &quot;%1&quot; ne moze da se otvori za pisanje.</source>
        <translation>datoteka &quot;%1&quot; ne može da se otvori za pisanje.</translation>
    </message>
    <message>
        <source>upis u datoteku &quot;%1&quot; nije uspeo.</source>
        <translation>upis u datoteku &quot;%1&quot; nije uspeo.</translation>
    </message>
    <message>
        <source>datoteka &quot;%1&quot; ne moze da se arhivira.</source>
        <translation>datoteka &quot;%1&quot; ne može da se arhivira.</translation>
    </message>
    <message>
        <source>neocekivana greska u radu sa datotekom &quot;%1&quot;.</source>
        <translation>neočekivana greška u radu sa datotekom &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Dnevnik igre ne moze da se koristi: </source>
        <translation>Dnevnik igre ne može da se koristi: </translation>
    </message>
    <message>
        <source>Dnevnik igre ne moze da se pise: </source>
        <translation>Dnevnik igre ne može da se piše: </translation>
    </message>
    <message>
        <source>Dnevnik igre ne moze da se zatvori: </source>
        <translation>Dnevnik igre ne može da se zatvori: </translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Step up</source>
        <translation>Korak &amp;gore</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>Korak &amp;dole</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Opozovi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponovi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>I&amp;seci</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Nalepi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izaberi sve</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopiraj adresu &amp;veze</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izaberi sve</translation>
    </message>
</context>
<context>
    <name>ReviewWords</name>
    <message>
        <source>Preciznost: %1%</source>
        <translation>Preciznost: %1%</translation>
    </message>
    <message>
        <source>Najveca greska: nema</source>
        <translation>Najveća greška: nema</translation>
    </message>
    <message>
        <source>Najveca greska: %1 (%2 poena manje od: %3)</source>
        <translation>Najveća greška: %1 (%2 poena manje od: %3)</translation>
    </message>
    <message>
        <source>Potezi ovog deljenja se analiziraju...</source>
        <translation>Potezi ovog deljenja se analiziraju...</translation>
    </message>
    <message>
        <source>Dobar potez</source>
        <translation>Dobar potez</translation>
    </message>
    <message>
        <source>Greska, %1 poena manje; bolje: %2</source>
        <translation>Greška, %1 poena manje; bolje: %2</translation>
    </message>
    <message>
        <source>Mala greska, %1 poena manje; bolje: %2</source>
        <translation>Mala greška, %1 poena manje; bolje: %2</translation>
    </message>
</context>
<context>
    <name>SpeechWords</name>
    <message>
        <source>prazan</source>
        <translation>prazan</translation>
    </message>
    <message>
        <source>Na potezu: %1.</source>
        <translation>Na potezu: %1.</translation>
    </message>
    <message>
        <source>Niko nije na potezu.</source>
        <translation>Niko nije na potezu.</translation>
    </message>
    <message>
        <source>%1 oznacena.</source>
        <translation>%1 označena.</translation>
    </message>
    <message>
        <source>%1 nije oznacena.</source>
        <translation>%1 nije označena.</translation>
    </message>
    <message>
        <source>Nista nije oznaceno.</source>
        <translation>Ništa nije označeno.</translation>
    </message>
    <message>
        <source>Nema oznacenih karata.</source>
        <translation>Nema označenih karata.</translation>
    </message>
    <message>
        <source>Kraj reda.</source>
        <translation>Kraj reda.</translation>
    </message>
    <message>
        <source>Pocetak reda.</source>
        <translation>Početak reda.</translation>
    </message>
    <message>
        <source>Nema reda iznad.</source>
        <translation>Nema reda iznad.</translation>
    </message>
    <message>
        <source>Nema reda ispod.</source>
        <translation>Nema reda ispod.</translation>
    </message>
    <message>
        <source>%1, %2 od %3</source>
        <extracomment>A card under the keys&apos; ring and its place in its row: &quot;5 karo, 2 od 6&quot;.</extracomment>
        <translation>%1, %2 od %3</translation>
    </message>
    <message>
        <source>Nove karte podeljene. %1.</source>
        <translation>Nove karte podeljene. %1.</translation>
    </message>
    <message>
        <source>Kraj partije. %1.</source>
        <translation>Kraj partije. %1.</translation>
    </message>
    <message>
        <source>Savet: stavi %1 na talon.</source>
        <translation>Savet: stavi %1 na talon.</translation>
    </message>
    <message>
        <source>Savet: nosi %1 kartom %2.</source>
        <translation>Savet: nosi %1 kartom %2.</translation>
    </message>
    <message>
        <source>Gornji red: %1. Donji red: %2.</source>
        <translation>Gornji red: %1. Donji red: %2.</translation>
    </message>
    <message>
        <source>Nemas karata u ruci.</source>
        <translation>Nemaš karata u ruci.</translation>
    </message>
    <message>
        <source>Tvoje karte: %1.</source>
        <translation>Tvoje karte: %1.</translation>
    </message>
    <message>
        <source>Jos niko nije igrao.</source>
        <translation>Još niko nije igrao.</translation>
    </message>
    <message>
        <source>Poeni: %1.</source>
        <translation>Poeni: %1.</translation>
    </message>
</context>
<context>
    <name>TAnimationBox</name>
    <message>
        <source>Animacija</source>
        <translation>Animacija</translation>
    </message>
    <message>
        <source>Iskljucena</source>
        <translation>Isključena</translation>
    </message>
    <message>
        <source>Brza</source>
        <translation>Brza</translation>
    </message>
    <message>
        <source>Normalna</source>
        <translation>Normalna</translation>
    </message>
    <message>
        <source>Spora</source>
        <translation>Spora</translation>
    </message>
</context>
<context>
    <name>TChatPanel</name>
    <message>
        <source>Razgovor za stolom</source>
        <translation>Razgovor za stolom</translation>
    </message>
    <message>
        <source>Poruka za sto</source>
        <translation>Poruka za sto</translation>
    </message>
    <message>
        <source>Posalji</source>
        <translation>Pošalji</translation>
    </message>
</context>
<context>
    <name>TDropNotice</name>
    <message>
        <source>Odustani</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Veza sa stolom je prekinuta; racunar igra umesto tebe.</source>
        <translation>Veza sa stolom je prekinuta; računar igra umesto tebe.</translation>
    </message>
    <message>
        <source>Novi pokusaj za %1 s.</source>
        <translation>Novi pokušaj za %1 s.</translation>
    </message>
    <message>
        <source>Povezivanje...</source>
        <translation>Povezivanje...</translation>
    </message>
</context>
<context>
    <name>TFAbout</name>
    <message>
        <source>O Programu</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Zaviko na Webu</source>
        <translation>Zaviko na Webu</translation>
    </message>
    <message>
        <source>Pisi autoru</source>
        <translation>Piši autoru</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>januar</source>
        <translation>januar</translation>
    </message>
    <message>
        <source>februar</source>
        <translation>februar</translation>
    </message>
    <message>
        <source>mart</source>
        <translation>mart</translation>
    </message>
    <message>
        <source>april</source>
        <translation>april</translation>
    </message>
    <message>
        <source>maj</source>
        <translation>maj</translation>
    </message>
    <message>
        <source>jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>avgust</source>
        <translation>avgust</translation>
    </message>
    <message>
        <source>septembar</source>
        <translation>septembar</translation>
    </message>
    <message>
        <source>oktobar</source>
        <translation>oktobar</translation>
    </message>
    <message>
        <source>novembar</source>
        <translation>novembar</translation>
    </message>
    <message>
        <source>decembar</source>
        <translation>decembar</translation>
    </message>
    <message>
        <source>Verzija %1, %2 %3</source>
        <translation>Verzija %1, %2 %3</translation>
    </message>
    <message>
        <source>Tasteri</source>
        <translation>Tasteri</translation>
    </message>
    <message>
        <source>Pravila i tasteri, na ovom racunaru</source>
        <translation>Pravila i tasteri, na ovom računaru</translation>
    </message>
    <message>
        <source>Pomoc za Zaviko</source>
        <translation>Pomoć za Zaviko</translation>
    </message>
</context>
<context>
    <name>TFAnaliza</name>
    <message>
        <source>Analiza</source>
        <translation>Analiza</translation>
    </message>
    <message>
        <source>Sve karte otkrivene</source>
        <translation>Sve karte otkrivene</translation>
    </message>
    <message>
        <source>Prethodna ruka</source>
        <translation>Prethodna ruka</translation>
    </message>
    <message>
        <source>Prethodni potez</source>
        <translation>Prethodni potez</translation>
    </message>
    <message>
        <source>Sledeci potez</source>
        <translation>Sledeći potez</translation>
    </message>
    <message>
        <source>Sledeca ruka</source>
        <translation>Sledeća ruka</translation>
    </message>
    <message>
        <source>Zatvori</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Nijedna ruka jos nije procenjena.</source>
        <translation>Nijedna ruka još nije procenjena.</translation>
    </message>
</context>
<context>
    <name>TFDeckOverInfoDlg</name>
    <message>
        <source>Pokupljene karte</source>
        <translation>Pokupljene karte</translation>
    </message>
    <message>
        <source>Najvise karata (25) odneo Zika</source>
        <translation>Najviše karata (25) odneo Žika</translation>
    </message>
    <message>
        <source>Pregled karata</source>
        <translation>Pregled karata</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Karte sa talona pokupio %1</source>
        <translation>Karte sa talona pokupio %1</translation>
    </message>
    <message>
        <source>Najvise karata (%1) odneo %2</source>
        <translation>Najviše karata (%1) odneo %2</translation>
    </message>
    <message>
        <source>Najvise karata (%1) odneli</source>
        <translation>Najviše karata (%1) odneli</translation>
    </message>
    <message>
        <source>Poeni</source>
        <translation>Poeni</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>&amp;Analiza</source>
        <translation>&amp;Analiza</translation>
    </message>
    <message>
        <source>Nijedna ruka jos nije procenjena.</source>
        <translation>Nijedna ruka još nije procenjena.</translation>
    </message>
</context>
<context>
    <name>TFJoinTable</name>
    <message>
        <source>Pridruzi se stolu</source>
        <translation>Pridruži se stolu</translation>
    </message>
    <message>
        <source>&amp;Poziv:</source>
        <translation>&amp;Poziv:</translation>
    </message>
    <message>
        <source>ili upisi posebno</source>
        <translation>ili upiši posebno</translation>
    </message>
    <message>
        <source>&amp;Adresa:</source>
        <translation>&amp;Adresa:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <source>STO/KOD, kraj poziva</source>
        <translation>STO/KOD, kraj poziva</translation>
    </message>
    <message>
        <source>&amp;Kod stola:</source>
        <translation>&amp;Kod stola:</translation>
    </message>
    <message>
        <source>&amp;Tvoje ime:</source>
        <translation>&amp;Tvoje ime:</translation>
    </message>
    <message>
        <source>Pridruzi se</source>
        <translation>Pridruži se</translation>
    </message>
    <message>
        <source>Odustani</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Poziv nije ispravan. Treba da izgleda ovako: zaviko://ADRESA:PORT/STO/KOD</source>
        <translation>Poziv nije ispravan. Treba da izgleda ovako: zaviko://ADRESA:PORT/STO/KOD</translation>
    </message>
    <message>
        <source>Kod stola treba da bude oblika STO/KOD, kao na kraju poziva.</source>
        <translation>Kod stola treba da bude oblika STO/KOD, kao na kraju poziva.</translation>
    </message>
    <message>
        <source>Upisi svoje ime: ostali ga vide za stolom.</source>
        <translation>Upiši svoje ime: ostali ga vide za stolom.</translation>
    </message>
</context>
<context>
    <name>TFOpenTable</name>
    <message>
        <source>Otvori sto</source>
        <translation>Otvori sto</translation>
    </message>
    <message>
        <source>&amp;Tvoje ime:</source>
        <translation>&amp;Tvoje ime:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>Adrese ovog racunara:</source>
        <translation>Adrese ovog računara:</translation>
    </message>
    <message>
        <source>Odustani</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Igra</source>
        <translation>Igra</translation>
    </message>
    <message>
        <source>Broj igraca</source>
        <translation>Broj igrača</translation>
    </message>
    <message>
        <source>4 igraca, svako za sebe</source>
        <translation>4 igrača, svako za sebe</translation>
    </message>
    <message>
        <source>4 igraca u parove</source>
        <translation>4 igrača u parove</translation>
    </message>
    <message>
        <source>2 igraca</source>
        <translation>2 igrača</translation>
    </message>
    <message>
        <source>Broj spilova</source>
        <translation>Broj špilova</translation>
    </message>
    <message>
        <source>Igra u smeru kazaljke na satu</source>
        <translation>Igra u smeru kazaljke na satu</translation>
    </message>
    <message>
        <source>Dozvoli &quot;Savet&quot; za ovim stolom</source>
        <translation>Dozvoli „Savet“ za ovim stolom</translation>
    </message>
    <message>
        <source>Ko sedi za stolom</source>
        <translation>Ko sedi za stolom</translation>
    </message>
    <message>
        <source>Levo:</source>
        <translation>Levo:</translation>
    </message>
    <message>
        <source>Preko puta:</source>
        <translation>Preko puta:</translation>
    </message>
    <message>
        <source>Desno:</source>
        <translation>Desno:</translation>
    </message>
    <message>
        <source>covek (po pozivu)</source>
        <translation>čovek (po pozivu)</translation>
    </message>
    <message>
        <source>racunar: %1</source>
        <translation>računar: %1</translation>
    </message>
</context>
<context>
    <name>TFOptions</name>
    <message>
        <source>Opcije</source>
        <translation>Opcije</translation>
    </message>
    <message>
        <source>Igra</source>
        <translation>Igra</translation>
    </message>
    <message>
        <source>Broj igraca * </source>
        <translation>Broj igrača * </translation>
    </message>
    <message>
        <source>4 igraca, svako za sebe</source>
        <translation>4 igrača, svako za sebe</translation>
    </message>
    <message>
        <source>4 igraca u parove</source>
        <translation>4 igrača u parove</translation>
    </message>
    <message>
        <source>2 igraca</source>
        <translation>2 igrača</translation>
    </message>
    <message>
        <source>Broj spilova * </source>
        <translation>Broj špilova * </translation>
    </message>
    <message>
        <source>Kompjuter se trudi da igra </source>
        <translation>Kompjuter se trudi da igra </translation>
    </message>
    <message>
        <source>Pametno</source>
        <translation>Pametno</translation>
    </message>
    <message>
        <source>Prosecno</source>
        <translation>Prosečno</translation>
    </message>
    <message>
        <source>Glupo</source>
        <translation>Glupo</translation>
    </message>
    <message>
        <source>Majstor</source>
        <translation>Majstor</translation>
    </message>
    <message>
        <source>Kompjuter drzi otvorene karte (s) </source>
        <translation>Kompjuter drži otvorene karte (s) </translation>
    </message>
    <message>
        <source>Pauza izmedju igre 2 igraca (0.5s)</source>
        <translation>Pauza između igre 2 igrača (0.5s)</translation>
    </message>
    <message>
        <source>Igra u smeru kazaljke na satu *</source>
        <translation>Igra u smeru kazaljke na satu *</translation>
    </message>
    <message>
        <source>Izgled</source>
        <translation>Izgled</translation>
    </message>
    <message>
        <source>Karte igraca zgusnute</source>
        <translation>Karte igrača zgusnute</translation>
    </message>
    <message>
        <source>Moje karte zgusnute</source>
        <translation>Moje karte zgusnute</translation>
    </message>
    <message>
        <source>Varanje </source>
        <translation>Varanje </translation>
    </message>
    <message>
        <source>Dozvoli da gledam u karte koje sam pokupio</source>
        <translation>Dozvoli da gledam u karte koje sam pokupio</translation>
    </message>
    <message>
        <source>Dozvoli da gledam u karte koje su drugi pokupili</source>
        <translation>Dozvoli da gledam u karte koje su drugi pokupili</translation>
    </message>
    <message>
        <source>Razno</source>
        <translation>Razno</translation>
    </message>
    <message>
        <source>Loguj partiju (u Zaviko.log)</source>
        <translation>Loguj partiju (u Zaviko.log)</translation>
    </message>
    <message>
        <source>* Opcija se aktivira kad pocne nova igra</source>
        <translation>* Opcija se aktivira kad počne nova igra</translation>
    </message>
    <message>
        <source>Prihvati</source>
        <translation>Prihvati</translation>
    </message>
    <message>
        <source>Odustani</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Pre svakog poteza kompjutera igra ceka: broj u polju puta pola sekunde (0 = bez cekanja).</source>
        <translation>Pre svakog poteza kompjutera igra čeka: broj u polju puta pola sekunde (0 = bez čekanja).</translation>
    </message>
    <message>
        <source>Govor</source>
        <translation>Govor</translation>
    </message>
    <message>
        <source>Igra sama izgovara poteze, ko je na potezu i odgovore na tastere.</source>
        <translation>Igra sama izgovara poteze, ko je na potezu i odgovore na tastere.</translation>
    </message>
    <message>
        <source>Zvuk</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Zvuci igre: deljenje, potezi, tabla, tvoj potez, kraj ruke i partije.</source>
        <translation>Zvuci igre: deljenje, potezi, tabla, tvoj potez, kraj ruke i partije.</translation>
    </message>
    <message>
        <source>Jacina</source>
        <translation>Jačina</translation>
    </message>
    <message>
        <source>Jacina zvuka</source>
        <translation>Jačina zvuka</translation>
    </message>
    <message>
        <source>Izgled stola</source>
        <translation>Izgled stola</translation>
    </message>
    <message>
        <source>Klasicni</source>
        <translation>Klasični</translation>
    </message>
    <message>
        <source>Savremeni</source>
        <translation>Savremeni</translation>
    </message>
    <message>
        <source>Oznaci karte koje karta iz ruke moze da uzme</source>
        <translation>Označi karte koje karta iz ruke može da uzme</translation>
    </message>
    <message>
        <source>Dok je karta iz ruke pod strelicom ili okvirom tastature, karte na talonu koje bi uzela su uokvirene (Savremeni izgled).</source>
        <translation>Dok je karta iz ruke pod strelicom ili okvirom tastature, karte na talonu koje bi uzela su uokvirene (Savremeni izgled).</translation>
    </message>
</context>
<context>
    <name>TFPregledKarata</name>
    <message>
        <source>Pregled karata</source>
        <translation>Pregled karata</translation>
    </message>
    <message>
        <source>Karte koje sam ja odneo</source>
        <translation>Karte koje sam ja odneo</translation>
    </message>
    <message>
        <source>Karte koje je odneo %1</source>
        <translation>Karte koje je odneo %1</translation>
    </message>
</context>
<context>
    <name>TFPromenaImena</name>
    <message>
        <source>Promena imena</source>
        <translation>Promena imena</translation>
    </message>
    <message>
        <source>Tvoje ime</source>
        <translation>Tvoje ime</translation>
    </message>
    <message>
        <source>Imena ostalih igraca</source>
        <translation>Imena ostalih igrača</translation>
    </message>
    <message>
        <source>Promeni</source>
        <translation>Promeni</translation>
    </message>
    <message>
        <source>Ponisti</source>
        <translation>Poništi</translation>
    </message>
    <message>
        <source>Posto si neko ime izostavio, ostaju stara imena :)</source>
        <translation>Pošto si neko ime izostavio, ostaju stara imena :)</translation>
    </message>
</context>
<context>
    <name>TFWaitingRoom</name>
    <message>
        <source>Sto za igru preko mreze</source>
        <translation>Sto za igru preko mreže</translation>
    </message>
    <message>
        <source>Povezivanje sa stolom...</source>
        <translation>Povezivanje sa stolom...</translation>
    </message>
    <message>
        <source>Mesto</source>
        <translation>Mesto</translation>
    </message>
    <message>
        <source>Ime</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Igra</source>
        <translation>Igra</translation>
    </message>
    <message>
        <source>Veza</source>
        <translation>Veza</translation>
    </message>
    <message>
        <source>Pocni partiju</source>
        <translation>Počni partiju</translation>
    </message>
    <message>
        <source>Napusti sto</source>
        <translation>Napusti sto</translation>
    </message>
    <message>
        <source>Kopiraj</source>
        <translation>Kopiraj</translation>
    </message>
    <message>
        <source>Poziv je kopiran. Posalji ga onima s kojima igras.</source>
        <translation>Poziv je kopiran. Pošalji ga onima s kojima igraš.</translation>
    </message>
    <message>
        <source>Poziv:</source>
        <translation>Poziv:</translation>
    </message>
    <message>
        <source>Adrese ovog racunara:</source>
        <translation>Adrese ovog računara:</translation>
    </message>
    <message>
        <source>Cekaju se igraci.</source>
        <translation>Čekaju se igrači.</translation>
    </message>
    <message>
        <source>Svi su za stolom. Mozes da pocnes partiju.</source>
        <translation>Svi su za stolom. Možeš da počneš partiju.</translation>
    </message>
    <message>
        <source>Svi su za stolom. Domacin pocinje partiju.</source>
        <translation>Svi su za stolom. Domaćin počinje partiju.</translation>
    </message>
    <message>
        <source>%1 (ti)</source>
        <translation>%1 (ti)</translation>
    </message>
    <message>
        <source>ne igra</source>
        <translation>ne igra</translation>
    </message>
    <message>
        <source>Daj racunaru</source>
        <translation>Daj računaru</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Igra</source>
        <translation>&amp;Igra</translation>
    </message>
    <message>
        <source>&amp;Nova</source>
        <translation>&amp;Nova</translation>
    </message>
    <message>
        <source>&amp;Pocni igru</source>
        <translation>&amp;Počni igru</translation>
    </message>
    <message>
        <source>&amp;Savet</source>
        <translation>&amp;Savet</translation>
    </message>
    <message>
        <source>&amp;Gotovo</source>
        <translation>&amp;Gotovo</translation>
    </message>
    <message>
        <source>&amp;Opcije</source>
        <translation>&amp;Opcije</translation>
    </message>
    <message>
        <source>&amp;Tabela vidljiva</source>
        <translation>&amp;Tabela vidljiva</translation>
    </message>
    <message>
        <source>Po&amp;kupljene karte</source>
        <translation>Po&amp;kupljene karte</translation>
    </message>
    <message>
        <source>&amp;Promena imena...</source>
        <translation>&amp;Promena imena...</translation>
    </message>
    <message>
        <source>&amp;Opcije...</source>
        <translation>&amp;Opcije...</translation>
    </message>
    <message>
        <source>&amp;Statistika...</source>
        <translation>&amp;Statistika...</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>&amp;Pomoć</translation>
    </message>
    <message>
        <source>&amp;Pomoc...</source>
        <translation>&amp;Pomoć...</translation>
    </message>
    <message>
        <source>&amp;O Programu...</source>
        <translation>&amp;O programu...</translation>
    </message>
    <message>
        <source>Partija je u toku. Da li zelis da je prekines i pocnes novu?</source>
        <translation>Partija je u toku. Da li želiš da je prekineš i počneš novu?</translation>
    </message>
    <message>
        <source>Partija je u toku. Da li zelis da izadjes?

Partija ce biti sacuvana, pa mozes da je nastavis kad sledeci put pokrenes igru.</source>
        <translation>Partija je u toku. Da li želiš da izađeš?

Partija će biti sačuvana, pa možeš da je nastaviš kad sledeći put pokreneš igru.</translation>
    </message>
    <message>
        <source>Pokupljene karte: %1</source>
        <translation>Pokupljene karte: %1</translation>
    </message>
    <message>
        <source>Nastavi zapocetu partiju?</source>
        <translation>Nastavi započetu partiju?</translation>
    </message>
    <message>
        <source>&amp;Vrati potez</source>
        <translation>&amp;Vrati potez</translation>
    </message>
    <message>
        <source>Sto</source>
        <translation>Sto</translation>
    </message>
    <message>
        <source>Talon, gornji red</source>
        <translation>Talon, gornji red</translation>
    </message>
    <message>
        <source>Talon, donji red</source>
        <translation>Talon, donji red</translation>
    </message>
    <message>
        <source>Tok igre</source>
        <translation>Tok igre</translation>
    </message>
    <message>
        <source>Statusna linija</source>
        <translation>Statusna linija</translation>
    </message>
    <message>
        <source>Tvoje karte</source>
        <translation>Tvoje karte</translation>
    </message>
    <message>
        <source>Karte: %1</source>
        <translation>Karte: %1</translation>
    </message>
    <message>
        <source>Na potezu: %1</source>
        <translation>Na potezu: %1</translation>
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
        <translation>Kraj ruke. %1.</translation>
    </message>
    <message>
        <source>Karte talona ka s&amp;redini</source>
        <translation>Karte talona ka s&amp;redini</translation>
    </message>
    <message>
        <source>Tok &amp;igre</source>
        <translation>Tok &amp;igre</translation>
    </message>
    <message>
        <source>Partija u toku ne moze da se cuva u %1. Ako se igra prekine pre nego sto je zatvoris, partija ce biti izgubljena.</source>
        <translation>Partija u toku ne može da se čuva u %1. Ako se igra prekine pre nego što je zatvoriš, partija će biti izgubljena.</translation>
    </message>
    <message>
        <source>Pokusaj ponovo</source>
        <translation>Pokušaj ponovo</translation>
    </message>
    <message>
        <source>Sacuvaj drugde...</source>
        <translation>Sačuvaj drugde...</translation>
    </message>
    <message>
        <source>Zatvori bez cuvanja</source>
        <translation>Zatvori bez čuvanja</translation>
    </message>
    <message>
        <source>Partija nije mogla da se sacuva.

Fajl: %1</source>
        <translation>Partija nije mogla da se sačuva.

Fajl: %1</translation>
    </message>
    <message>
        <source>Sacuvaj partiju</source>
        <translation>Sačuvaj partiju</translation>
    </message>
    <message>
        <source>Sacuvana partija (*.sav)</source>
        <translation>Sačuvana partija (*.sav)</translation>
    </message>
    <message>
        <source>Partija nije mogla da se sacuva u %1 (%2).</source>
        <translation>Partija nije mogla da se sačuva u %1 (%2).</translation>
    </message>
    <message>
        <source>Igra preko &amp;mreze</source>
        <translation>Igra preko &amp;mreže</translation>
    </message>
    <message>
        <source>&amp;Otvori sto...</source>
        <translation>&amp;Otvori sto...</translation>
    </message>
    <message>
        <source>&amp;Pridruzi se...</source>
        <translation>&amp;Pridruži se...</translation>
    </message>
    <message>
        <source>Napustio si sto.</source>
        <translation>Napustio si sto.</translation>
    </message>
    <message>
        <source>Razgovor</source>
        <translation>Razgovor</translation>
    </message>
    <message>
        <source>&amp;Razgovor</source>
        <translation>&amp;Razgovor</translation>
    </message>
    <message>
        <source>Ti si domacin ovog stola: ako ga napustis, sto se zatvara i za ostale igrace. Da li zelis da napustis sto?</source>
        <translation>Ti si domaćin ovog stola: ako ga napustiš, sto se zatvara i za ostale igrače. Da li želiš da napustiš sto?</translation>
    </message>
    <message>
        <source>Igras za stolom preko mreze. Da li zelis da napustis sto?</source>
        <translation>Igraš za stolom preko mreže. Da li želiš da napustiš sto?</translation>
    </message>
    <message>
        <source>Dok te nije bilo, racunar je za tebe odigrao: %1.</source>
        <translation>Dok te nije bilo, računar je za tebe odigrao: %1.</translation>
    </message>
    <message>
        <source>Ostalo karata u spilu: %1</source>
        <translation>Ostalo karata u špilu: %1</translation>
    </message>
    <message>
        <source>&amp;Analiza...</source>
        <translation>&amp;Analiza...</translation>
    </message>
    <message>
        <source>&amp;Analiza (nijedna ruka jos nije procenjena)</source>
        <translation>&amp;Analiza (nijedna ruka još nije procenjena)</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Zaviko - Pomoc</source>
        <translation>Zaviko - Pomoć</translation>
    </message>
    <message>
        <source>Zatvori</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Pomoc nije dostupna: datoteka %1 ne postoji ili ne moze da se procita.</source>
        <translation>Pomoć nije dostupna: datoteka %1 ne postoji ili ne može da se pročita.</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Podesavanja ne mogu da se sacuvaju u %1.</source>
        <translation>Podešavanja ne mogu da se sačuvaju u %1.</translation>
    </message>
</context>
<context>
    <name>TKeyList</name>
    <message>
        <source>nova igra</source>
        <translation>nova igra</translation>
    </message>
    <message>
        <source>savet</source>
        <translation>savet</translation>
    </message>
    <message>
        <source>vrati potez</source>
        <translation>vrati potez</translation>
    </message>
    <message>
        <source>tabela sa poenima</source>
        <translation>tabela sa poenima</translation>
    </message>
    <message>
        <source>pauza</source>
        <translation>pauza</translation>
    </message>
    <message>
        <source>razmak</source>
        <translation>razmak</translation>
    </message>
    <message>
        <source>oznaci kartu, prekini pokazivanje</source>
        <translation>označi kartu, prekini pokazivanje</translation>
    </message>
    <message>
        <source>strelice, Home, End</source>
        <translation>strelice, Home, End</translation>
    </message>
    <message>
        <source>okvir po kartama</source>
        <translation>okvir po kartama</translation>
    </message>
    <message>
        <source>igraj kartu u okviru</source>
        <translation>igraj kartu u okviru</translation>
    </message>
    <message>
        <source>igraj kartu iz ruke</source>
        <translation>igraj kartu iz ruke</translation>
    </message>
    <message>
        <source>skini oznake</source>
        <translation>skini oznake</translation>
    </message>
    <message>
        <source>pomoc</source>
        <translation>pomoć</translation>
    </message>
    <message>
        <source>kraj igre</source>
        <translation>kraj igre</translation>
    </message>
    <message>
        <source>Alt+slovo</source>
        <translation>Alt+slovo</translation>
    </message>
    <message>
        <source>meni ili dugme</source>
        <translation>meni ili dugme</translation>
    </message>
    <message>
        <source>procitaj sto</source>
        <translation>pročitaj sto</translation>
    </message>
    <message>
        <source>procitaj tvoje karte</source>
        <translation>pročitaj tvoje karte</translation>
    </message>
    <message>
        <source>procitaj poslednje poteze</source>
        <translation>pročitaj poslednje poteze</translation>
    </message>
    <message>
        <source>procitaj poene</source>
        <translation>pročitaj poene</translation>
    </message>
    <message>
        <source>procitaj karte u spilu</source>
        <translation>pročitaj karte u špilu</translation>
    </message>
    <message>
        <source>ko je na potezu</source>
        <translation>ko je na potezu</translation>
    </message>
    <message>
        <source>ponovi poslednje izgovoreno</source>
        <translation>ponovi poslednje izgovoreno</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <source>Enter igra kartu iz ruke; karte na talonu oznacava razmaknica.</source>
        <translation>Enter igra kartu iz ruke; karte na talonu označava razmaknica.</translation>
    </message>
    <message>
        <source>Razmaknica oznacava karte na talonu; kartu iz ruke igra Enter.</source>
        <translation>Razmaknica označava karte na talonu; kartu iz ruke igra Enter.</translation>
    </message>
    <message>
        <source>Strelicama izaberi kartu iz ruke, pa je Enter igra.</source>
        <translation>Strelicama izaberi kartu iz ruke, pa je Enter igra.</translation>
    </message>
</context>
<context>
    <name>TLanguageBox</name>
    <message>
        <source>Jezik</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>Izabrani jezik vazi od sledeceg pokretanja igre.</source>
        <translation>Izabrani jezik važi od sledećeg pokretanja igre.</translation>
    </message>
</context>
<context>
    <name>TMatchController</name>
    <message>
        <source>Ti igras prvi.</source>
        <translation>Ti igraš prvi.</translation>
    </message>
    <message>
        <source>Prvi na potezu je %1 (kompjuter). Da li partija moze da pocne?

Ako je odgovor negativan, partiju mozes da zapocnes i rucno kroz meni Igra | Pocni igru.</source>
        <translation>Prvi na potezu je %1 (kompjuter). Da li partija može da počne?

Ako je odgovor negativan, partiju možeš da započneš i ručno kroz meni Igra | Počni igru.</translation>
    </message>
    <message>
        <source>Ostalo karata u spilu: %1</source>
        <translation>Ostalo karata u špilu: %1</translation>
    </message>
    <message>
        <source>Na potezu: %1</source>
        <translation>Na potezu: %1</translation>
    </message>
    <message>
        <source>Poeni</source>
        <translation>Poeni</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
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
        <translation>Partija još nije počela. Možeš da pokreneš partiju iz Igra | Počni igru</translation>
    </message>
    <message>
        <source>Nisi jos na potezu</source>
        <translation>Nisi još na potezu</translation>
    </message>
    <message>
        <source>Na potezu je %1</source>
        <translation>Na potezu je %1</translation>
    </message>
    <message>
        <source>Oznacene karte ne mogu da se uzmu ovom kartom.</source>
        <translation>Označene karte ne mogu da se uzmu ovom kartom.</translation>
    </message>
    <message>
        <source>Ne mozes da oznacis vise od 21 karte.</source>
        <translation>Ne možeš da označiš više od 21 karte.</translation>
    </message>
    <message>
        <source>Igra pauzirana</source>
        <translation>Igra pauzirana</translation>
    </message>
    <message>
        <source>Kompjuteri ne mogu da igraju: sistem nije pokrenuo nit.</source>
        <translation>Kompjuteri ne mogu da igraju: sistem nije pokrenuo nit.</translation>
    </message>
    <message>
        <source>Pokusaj ponovo kroz meni Igra | Pocni igru.</source>
        <translation>Pokušaj ponovo kroz meni Igra | Počni igru.</translation>
    </message>
    <message>
        <source>Klikni na kartu da pokusas ponovo.</source>
        <translation>Klikni na kartu da pokušaš ponovo.</translation>
    </message>
    <message>
        <source>Partija je gotova. Pobednik: %1

Izaberi Igra | Nova za novu partiju.</source>
        <translation>Partija je gotova. Pobednik: %1

Izaberi Igra | Nova za novu partiju.</translation>
    </message>
    <message>
        <source>Partija je gotova. Izaberi Igra | Nova za novu partiju.</source>
        <translation>Partija je gotova. Izaberi Igra | Nova za novu partiju.</translation>
    </message>
    <message>
        <source>Nema poteza za vracanje.</source>
        <translation>Nema poteza za vraćanje.</translation>
    </message>
    <message>
        <source>Potez je vracen.</source>
        <translation>Potez je vraćen.</translation>
    </message>
</context>
<context>
    <name>TMessageSink</name>
    <message>
        <source>Da</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
</context>
<context>
    <name>TMoveHistoryPanel</name>
    <message>
        <source>Tok igre</source>
        <translation>Tok igre</translation>
    </message>
    <message>
        <source>Svi potezi partije, po deljenjima</source>
        <translation>Svi potezi partije, po deljenjima</translation>
    </message>
    <message>
        <source>Deljenje %1</source>
        <translation>Deljenje %1</translation>
    </message>
</context>
<context>
    <name>TNetSession</name>
    <message>
        <source>Pogresan kod stola (ili sto vise ne postoji). Proveri poziv i pokusaj ponovo.</source>
        <translation>Pogrešan kod stola (ili sto više ne postoji). Proveri poziv i pokušaj ponovo.</translation>
    </message>
    <message>
        <source>Sto je pun: nema slobodnog mesta.</source>
        <translation>Sto je pun: nema slobodnog mesta.</translation>
    </message>
    <message>
        <source>Niko se ne javlja na %1. Proveri adresu i port i da li je sto jos otvoren.</source>
        <translation>Niko se ne javlja na %1. Proveri adresu i port i da li je sto još otvoren.</translation>
    </message>
    <message>
        <source>Server govori drugu verziju protokola (%1). Igrajte istom verzijom igre.</source>
        <translation>Server govori drugu verziju protokola (%1). Igrajte istom verzijom igre.</translation>
    </message>
    <message>
        <source>Sertifikat servera nije prihvacen (%1). Veza ne bi bila bezbedna, pa igra ne nastavlja.</source>
        <translation>Sertifikat servera nije prihvaćen (%1). Veza ne bi bila bezbedna, pa igra ne nastavlja.</translation>
    </message>
    <message>
        <source>Previse pogresnih kodova sa ove adrese. Sacekaj malo pa pokusaj ponovo.</source>
        <translation>Previše pogrešnih kodova sa ove adrese. Sačekaj malo pa pokušaj ponovo.</translation>
    </message>
    <message>
        <source>Server ne moze da otvori jos jedan sto. Pokusaj kasnije.</source>
        <translation>Server ne može da otvori još jedan sto. Pokušaj kasnije.</translation>
    </message>
    <message>
        <source>Domacin je zatvorio sto. Partija je zavrsena.</source>
        <translation>Domaćin je zatvorio sto. Partija je završena.</translation>
    </message>
    <message>
        <source>Veza sa stolom je prekinuta i nije mogla da se obnovi.</source>
        <translation>Veza sa stolom je prekinuta i nije mogla da se obnovi.</translation>
    </message>
    <message>
        <source>Domacin je tvoje mesto dao drugom igracu.</source>
        <translation>Domaćin je tvoje mesto dao drugom igraču.</translation>
    </message>
    <message>
        <source>Nisi na potezu.</source>
        <translation>Nisi na potezu.</translation>
    </message>
    <message>
        <source>Tom kartom ne mozes da nosis te karte.</source>
        <translation>Tom kartom ne možeš da nosiš te karte.</translation>
    </message>
    <message>
        <source>Na tom mestu nemas kartu.</source>
        <translation>Na tom mestu nemaš kartu.</translation>
    </message>
    <message>
        <source>Partija jos nije pocela.</source>
        <translation>Partija još nije počela.</translation>
    </message>
    <message>
        <source>Partija je vec u toku.</source>
        <translation>Partija je već u toku.</translation>
    </message>
    <message>
        <source>To moze samo domacin stola.</source>
        <translation>To može samo domaćin stola.</translation>
    </message>
    <message>
        <source>Previse poruka odjednom; uspori malo.</source>
        <translation>Previše poruka odjednom; uspori malo.</translation>
    </message>
    <message>
        <source>Poruka je prazna, preduga ili ima nedozvoljene znake.</source>
        <translation>Poruka je prazna, preduga ili ima nedozvoljene znake.</translation>
    </message>
    <message>
        <source>Server je odbio zahtev (%1).</source>
        <translation>Server je odbio zahtev (%1).</translation>
    </message>
    <message>
        <source>Veza je obnovljena.</source>
        <translation>Veza je obnovljena.</translation>
    </message>
    <message>
        <source>server %1, igra %2</source>
        <translation>server %1, igra %2</translation>
    </message>
    <message>
        <source>igra %1</source>
        <translation>igra %1</translation>
    </message>
    <message>
        <source>Igrac %1 je seo za sto.</source>
        <translation>Igrač %1 je seo za sto.</translation>
    </message>
    <message>
        <source>Igrac %1 je izgubio vezu; racunar igra umesto njega.</source>
        <translation>Igrač %1 je izgubio vezu; računar igra umesto njega.</translation>
    </message>
    <message>
        <source>Igrac %1 se vratio za sto.</source>
        <translation>Igrač %1 se vratio za sto.</translation>
    </message>
    <message>
        <source>Igrac %1 je napustio sto.</source>
        <translation>Igrač %1 je napustio sto.</translation>
    </message>
    <message>
        <source>Veza sa stolom je prekinuta; igra pokusava da je obnovi.</source>
        <translation>Veza sa stolom je prekinuta; igra pokušava da je obnovi.</translation>
    </message>
</context>
<context>
    <name>TNetTable</name>
    <message>
        <source>Sto ne moze da se otvori na portu %1 (%2). Izaberi drugi port.</source>
        <translation>Sto ne može da se otvori na portu %1 (%2). Izaberi drugi port.</translation>
    </message>
</context>
<context>
    <name>TNetWords</name>
    <message>
        <source>Jug</source>
        <translation>Jug</translation>
    </message>
    <message>
        <source>Zapad</source>
        <translation>Zapad</translation>
    </message>
    <message>
        <source>Sever</source>
        <translation>Sever</translation>
    </message>
    <message>
        <source>Istok</source>
        <translation>Istok</translation>
    </message>
    <message>
        <source>Pametno</source>
        <translation>Pametno</translation>
    </message>
    <message>
        <source>Prosecno</source>
        <translation>Prosečno</translation>
    </message>
    <message>
        <source>Glupo</source>
        <translation>Glupo</translation>
    </message>
    <message>
        <source>Majstor</source>
        <translation>Majstor</translation>
    </message>
    <message>
        <source>covek</source>
        <translation>čovek</translation>
    </message>
    <message>
        <source>racunar (%1)</source>
        <translation>računar (%1)</translation>
    </message>
    <message>
        <source>povezan</source>
        <translation>povezan</translation>
    </message>
    <message>
        <source>bez veze (igra racunar)</source>
        <translation>bez veze (igra računar)</translation>
    </message>
    <message>
        <source>ceka igraca</source>
        <translation>čeka igrača</translation>
    </message>
    <message>
        <source>racunar</source>
        <translation>računar</translation>
    </message>
</context>
<context>
    <name>TPubStrGrid</name>
    <message>
        <source>Jste si jist vymazaním tohoto řádku ?</source>
        <translation>Da li si siguran da želiš da obrišeš ovaj red?</translation>
    </message>
</context>
<context>
    <name>TReviewBoard</name>
    <message>
        <source>Polozaj</source>
        <translation>Položaj</translation>
    </message>
    <message>
        <source>Spil: %1</source>
        <translation>Špil: %1</translation>
    </message>
    <message>
        <source>Tvoj potez</source>
        <translation>Tvoj potez</translation>
    </message>
    <message>
        <source>Najbolji potez</source>
        <translation>Najbolji potez</translation>
    </message>
</context>
<context>
    <name>TReviewWords</name>
    <message>
        <source>Ruka %1, potez %2 od %3</source>
        <translation>Ruka %1, potez %2 od %3</translation>
    </message>
    <message>
        <source>%1 na talon</source>
        <translation>%1 na talon</translation>
    </message>
    <message>
        <source>%1 nosi %2</source>
        <translation>%1 nosi %2</translation>
    </message>
    <message>
        <source>Greska</source>
        <translation>Greška</translation>
    </message>
    <message>
        <source>Mala greska</source>
        <translation>Mala greška</translation>
    </message>
    <message>
        <source>Dobar potez</source>
        <translation>Dobar potez</translation>
    </message>
    <message>
        <source>Najbolji potez</source>
        <translation>Najbolji potez</translation>
    </message>
    <message>
        <source>Procena iz onoga sto si znao</source>
        <translation>Procena iz onoga što si znao</translation>
    </message>
    <message>
        <source>Procena sa svim kartama otkrivenim</source>
        <translation>Procena sa svim kartama otkrivenim</translation>
    </message>
    <message>
        <source>Racunar procenjuje ruku...</source>
        <translation>Računar procenjuje ruku...</translation>
    </message>
    <message>
        <source>Tvoj potez: %1</source>
        <translation>Tvoj potez: %1</translation>
    </message>
    <message>
        <source>Tvoj potez: %1, vrednost %2</source>
        <translation>Tvoj potez: %1, vrednost %2</translation>
    </message>
    <message>
        <source>Najbolji potez: %1, vrednost %2</source>
        <translation>Najbolji potez: %1, vrednost %2</translation>
    </message>
    <message>
        <source>Cena: %1 ± %2 poena (%3)</source>
        <translation>Cena: %1 ± %2 poena (%3)</translation>
    </message>
</context>
<context>
    <name>TSavedMatchStore</name>
    <message>
        <source>Sacuvana partija ne moze da se nastavi (%1). %2</source>
        <translation>Sačuvana partija ne može da se nastavi (%1). %2</translation>
    </message>
    <message>
        <source>%1 je ostavljen kakav jeste.</source>
        <translation>%1 je ostavljen kakav jeste.</translation>
    </message>
    <message>
        <source>Fajl %1 ne moze da se skloni i ostavljen je kakav jeste.</source>
        <translation>Fajl %1 ne može da se skloni i ostavljen je kakav jeste.</translation>
    </message>
    <message>
        <source>Fajl je sklonjen kao %1.</source>
        <translation>Fajl je sklonjen kao %1.</translation>
    </message>
</context>
<context>
    <name>TSeatMarks</name>
    <message>
        <source> na talon</source>
        <translation> na talon</translation>
    </message>
    <message>
        <source> nosi</source>
        <translation> nosi</translation>
    </message>
</context>
<context>
    <name>TSingleInstance</name>
    <message>
        <source>Zaviko je vec pokrenut sa istim podesavanjima (%1), ali se ne javlja. Zatvori taj prozor, pa pokreni igru ponovo.</source>
        <translation>Zaviko je već pokrenut sa istim podešavanjima (%1), ali se ne javlja. Zatvori taj prozor, pa pokreni igru ponovo.</translation>
    </message>
</context>
<context>
    <name>TStatisticsDialog</name>
    <message>
        <source>Odigrane partije</source>
        <translation>Odigrane partije</translation>
    </message>
    <message>
        <source>Pobede</source>
        <translation>Pobede</translation>
    </message>
    <message>
        <source>Najbolji rezultat</source>
        <translation>Najbolji rezultat</translation>
    </message>
    <message>
        <source>Prosecan rezultat</source>
        <translation>Prosečan rezultat</translation>
    </message>
    <message>
        <source>Odnete table po deljenju</source>
        <translation>Odnete table po deljenju</translation>
    </message>
    <message>
        <source>Bonusi za najvise karata po deljenju</source>
        <translation>Bonusi za najviše karata po deljenju</translation>
    </message>
    <message>
        <source>Korisceni saveti</source>
        <translation>Korišćeni saveti</translation>
    </message>
    <message>
        <source>Svako za sebe</source>
        <translation>Svako za sebe</translation>
    </message>
    <message>
        <source>U parove</source>
        <translation>U parove</translation>
    </message>
    <message>
        <source>2 igraca</source>
        <translation>2 igrača</translation>
    </message>
    <message>
        <source>1 spil</source>
        <translation>1 špil</translation>
    </message>
    <message>
        <source>2 spila</source>
        <translation>2 špila</translation>
    </message>
    <message>
        <source>Statistika</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>Ponisti</source>
        <translation>Poništi</translation>
    </message>
    <message>
        <source>Zatvori</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Da li zaista zelis da ponistis svu statistiku?</source>
        <translation>Da li zaista želiš da poništiš svu statistiku?</translation>
    </message>
    <message>
        <source>Ponistena statistika nije mogla da se sacuva.</source>
        <translation>Poništena statistika nije mogla da se sačuva.</translation>
    </message>
    <message>
        <source>Partije sa vracenim potezom</source>
        <translation>Partije sa vraćenim potezom</translation>
    </message>
    <message>
        <source>Pobede sa vracenim potezom</source>
        <translation>Pobede sa vraćenim potezom</translation>
    </message>
    <message>
        <source>Partije preko mreze</source>
        <translation>Partije preko mreže</translation>
    </message>
    <message>
        <source>Pobede preko mreze</source>
        <translation>Pobede preko mreže</translation>
    </message>
    <message>
        <source>Prosecna preciznost</source>
        <translation>Prosečna preciznost</translation>
    </message>
</context>
<context>
    <name>TStatisticsStore</name>
    <message>
        <source>Statistika partija sa vracenim potezom</source>
        <translation>Statistika partija sa vraćenim potezom</translation>
    </message>
    <message>
        <source>Statistika</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>%1 ne moze da se procita iz %2. Fajl je ostavljen kakav jeste, a statistika ove igre se ne cuva.</source>
        <translation>%1 ne može da se pročita iz %2. Fajl je ostavljen kakav jeste, a statistika ove igre se ne čuva.</translation>
    </message>
    <message>
        <source>%1 u %2 je ostecena (%3). Fajl je sklonjen kao %4, a ta statistika krece od nule.</source>
        <translation>%1 u %2 je oštećena (%3). Fajl je sklonjen kao %4, a ta statistika kreće od nule.</translation>
    </message>
    <message>
        <source>%1 u %2 je ostecena (%3) i ne moze da se skloni. Fajl je ostavljen kakav jeste, a ta statistika se u ovoj igri ne cuva.</source>
        <translation>%1 u %2 je oštećena (%3) i ne može da se skloni. Fajl je ostavljen kakav jeste, a ta statistika se u ovoj igri ne čuva.</translation>
    </message>
    <message>
        <source>%1 nije mogla da se sacuva u %2.</source>
        <translation>%1 nije mogla da se sačuva u %2.</translation>
    </message>
</context>
<context>
    <name>TTableNotes</name>
    <message>
        <source>Pauza</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Na potezu si</source>
        <translation>Na potezu si</translation>
    </message>
    <message>
        <source>Zbir: %1</source>
        <translation>Zbir: %1</translation>
    </message>
    <message>
        <source> ili %1</source>
        <translation> ili %1</translation>
    </message>
</context>
<context>
    <name>TTakenPile</name>
    <message>
        <source>Pokupljene karte: %1 (%2)</source>
        <translation>Pokupljene karte: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TThread</name>
    <message>
        <source>Neocekivana greska u radu igre.</source>
        <translation>Neočekivana greška u radu igre.</translation>
    </message>
</context>
<context>
    <name>TZuCardGroup</name>
    <message>
        <source>Dealer</source>
        <translation>Delilac</translation>
    </message>
</context>
<context>
    <name>TZuCardPictures</name>
    <message>
        <source>Resource %1 not found in card-image library %2</source>
        <translation>Resurs %1 nije pronađen u biblioteci slika karata %2</translation>
    </message>
    <message>
        <source>The card pictures could not be loaded.
%1</source>
        <translation>Slike karata ne mogu da se učitaju.
%1</translation>
    </message>
    <message>
        <source>Card-image library %1 offers no card pictures this program reads</source>
        <translation>Biblioteka slika karata %1 ne nudi slike karata koje ovaj program čita</translation>
    </message>
</context>
</TS>
