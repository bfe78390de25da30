<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Cyrl" sourcelanguage="sr">
<context>
    <name>CaptureSearch</name>
    <message>
        <source>No one is perfect - TCardCollection.SubSumsMatch</source>
        <translation>Нико није савршен - TCardCollection.SubSumsMatch</translation>
    </message>
</context>
<context>
    <name>CardWords</name>
    <message>
        <source>dzoker</source>
        <translation>џокер</translation>
    </message>
    <message>
        <source>tref</source>
        <translation>треф</translation>
    </message>
    <message>
        <source>karo</source>
        <translation>каро</translation>
    </message>
    <message>
        <source>pik</source>
        <translation>пик</translation>
    </message>
    <message>
        <source>herc</source>
        <translation>херц</translation>
    </message>
    <message>
        <source>zandar</source>
        <translation>жандар</translation>
    </message>
    <message>
        <source>dama</source>
        <translation>дама</translation>
    </message>
    <message>
        <source>kralj</source>
        <translation>краљ</translation>
    </message>
    <message>
        <source>as</source>
        <translation>ас</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A card: its rank, then its suit (&quot;kralj pik&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>okrenuta karta</source>
        <translation>окренута карта</translation>
    </message>
    <message>
        <source>%1, oznacena</source>
        <translation>%1, означена</translation>
    </message>
    <message>
        <source> i </source>
        <translation> и </translation>
    </message>
    <message>
        <source>%1 stavlja %2 na talon</source>
        <translation>%1 ставља %2 на талон</translation>
    </message>
    <message>
        <source>%1 nosi %2 kartom %3</source>
        <translation>%1 носи %2 картом %3</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>nedostaje polje %1</source>
        <translation>недостаје поље %1</translation>
    </message>
    <message>
        <source>broj van dozvoljenog opsega</source>
        <translation>број ван дозвољеног опсега</translation>
    </message>
    <message>
        <source>to nije sacuvana partija</source>
        <translation>то није сачувана партија</translation>
    </message>
    <message>
        <source>ruka pogresne velicine</source>
        <translation>рука погрешне величине</translation>
    </message>
    <message>
        <source>prekratak red na talonu</source>
        <translation>прекратак ред на талону</translation>
    </message>
    <message>
        <source>stanje generatora slucajnih brojeva nije celo</source>
        <translation>стање генератора случајних бројева није цело</translation>
    </message>
    <message>
        <source>na potezu je mesto koje ne igra</source>
        <translation>на потезу је место које не игра</translation>
    </message>
    <message>
        <source>poslednji potez pripada mestu koje ne igra</source>
        <translation>последњи потез припада месту које не игра</translation>
    </message>
    <message>
        <source>mesto koje ne igra drzi karte</source>
        <translation>место које не игра држи карте</translation>
    </message>
    <message>
        <source>karte se ne slazu</source>
        <translation>карте се не слажу</translation>
    </message>
    <message>
        <source>red na talonu je duzi nego sto karte dozvoljavaju</source>
        <translation>ред на талону је дужи него што карте дозвољавају</translation>
    </message>
    <message>
        <source>karte su uzete, a niko ih nije uzeo</source>
        <translation>карте су узете, а нико их није узео</translation>
    </message>
    <message>
        <source>igrac na potezu nema karata</source>
        <translation>играч на потезу нема карата</translation>
    </message>
    <message>
        <source>karte u rukama ne odgovaraju redu poteza</source>
        <translation>карте у рукама не одговарају реду потеза</translation>
    </message>
    <message>
        <source>rezultat se ne slaze sa tabelom</source>
        <translation>резултат се не слаже са табелом</translation>
    </message>
    <message>
        <source>rezultat je veci nego sto karte dozvoljavaju</source>
        <translation>резултат је већи него што карте дозвољавају</translation>
    </message>
    <message>
        <source>potez bez odigrane karte</source>
        <translation>потез без одигране карте</translation>
    </message>
    <message>
        <source>potez igraca koji ne igra</source>
        <translation>потез играча који не игра</translation>
    </message>
    <message>
        <source>odigrana karta je jos u ruci</source>
        <translation>одиграна карта је још у руци</translation>
    </message>
    <message>
        <source>odneta karta je jos u igri</source>
        <translation>однета карта је још у игри</translation>
    </message>
    <message>
        <source>fajl je prevelik</source>
        <translation>фајл је превелик</translation>
    </message>
    <message>
        <source>to nije fajl statistike</source>
        <translation>то није фајл статистике</translation>
    </message>
    <message>
        <source>tekst posle kraja</source>
        <translation>текст после краја</translation>
    </message>
    <message>
        <source>ostecen red</source>
        <translation>оштећен ред</translation>
    </message>
    <message>
        <source>isti zapis dvaput</source>
        <translation>исти запис двапут</translation>
    </message>
    <message>
        <source>brojevi koji se medjusobno ne slazu</source>
        <translation>бројеви који се међусобно не слажу</translation>
    </message>
    <message>
        <source>fajl je odsecen</source>
        <translation>фајл је одсечен</translation>
    </message>
    <message>
        <source>to nije obican fajl</source>
        <translation>то није обичан фајл</translation>
    </message>
    <message>
        <source>fajl ne moze da se procita</source>
        <translation>фајл не може да се прочита</translation>
    </message>
    <message>
        <source>koraci za vracanje poteza se ne slazu</source>
        <translation>кораци за враћање потеза се не слажу</translation>
    </message>
    <message>
        <source>rezultat deljenja se ne slaze sa tabelom</source>
        <translation>резултат дељења се не слаже са табелом</translation>
    </message>
    <message>
        <source>tok igre se ne slaze sa partijom</source>
        <translation>ток игре се не слаже са партијом</translation>
    </message>
</context>
<context>
    <name>LogFailureText</name>
    <message>
        <source>datoteka &quot;%1&quot; ne moze da se otvori za pisanje.</source>
        <translation>датотека &quot;%1&quot; не може да се отвори за писање.</translation>
    </message>
    <message>
        <source>upis u datoteku &quot;%1&quot; nije uspeo.</source>
        <translation>упис у датотеку &quot;%1&quot; није успео.</translation>
    </message>
    <message>
        <source>datoteka &quot;%1&quot; ne moze da se arhivira.</source>
        <translation>датотека &quot;%1&quot; не може да се архивира.</translation>
    </message>
    <message>
        <source>neocekivana greska u radu sa datotekom &quot;%1&quot;.</source>
        <translation>неочекивана грешка у раду са датотеком &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Dnevnik igre ne moze da se koristi: </source>
        <translation>Дневник игре не може да се користи: </translation>
    </message>
    <message>
        <source>Dnevnik igre ne moze da se pise: </source>
        <translation>Дневник игре не може да се пише: </translation>
    </message>
    <message>
        <source>Dnevnik igre ne moze da se zatvori: </source>
        <translation>Дневник игре не може да се затвори: </translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Step up</source>
        <translation>Корак &amp;горе</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>Корак &amp;доле</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Опозови</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Понови</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>И&amp;сеци</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копирај</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Налепи</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Обриши</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Изабери све</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копирај</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Копирај адресу &amp;везе</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Изабери све</translation>
    </message>
</context>
<context>
    <name>ReviewWords</name>
    <message>
        <source>Preciznost: %1%</source>
        <translation>Прецизност: %1%</translation>
    </message>
    <message>
        <source>Najveca greska: nema</source>
        <translation>Највећа грешка: нема</translation>
    </message>
    <message>
        <source>Najveca greska: %1 (%2 poena manje od: %3)</source>
        <translation>Највећа грешка: %1 (%2 поена мање од: %3)</translation>
    </message>
    <message>
        <source>Potezi ovog deljenja se analiziraju...</source>
        <translation>Потези овог дељења се анализирају...</translation>
    </message>
    <message>
        <source>Dobar potez</source>
        <translation>Добар потез</translation>
    </message>
    <message>
        <source>Greska, %1 poena manje; bolje: %2</source>
        <translation>Грешка, %1 поена мање; боље: %2</translation>
    </message>
    <message>
        <source>Mala greska, %1 poena manje; bolje: %2</source>
        <translation>Мала грешка, %1 поена мање; боље: %2</translation>
    </message>
</context>
<context>
    <name>SpeechWords</name>
    <message>
        <source>prazan</source>
        <translation>празан</translation>
    </message>
    <message>
        <source>Na potezu: %1.</source>
        <translation>На потезу: %1.</translation>
    </message>
    <message>
        <source>Niko nije na potezu.</source>
        <translation>Нико није на потезу.</translation>
    </message>
    <message>
        <source>%1 oznacena.</source>
        <translation>%1 означена.</translation>
    </message>
    <message>
        <source>%1 nije oznacena.</source>
        <translation>%1 није означена.</translation>
    </message>
    <message>
        <source>Nista nije oznaceno.</source>
        <translation>Ништа није означено.</translation>
    </message>
    <message>
        <source>Nema oznacenih karata.</source>
        <translation>Нема означених карата.</translation>
    </message>
    <message>
        <source>Kraj reda.</source>
        <translation>Крај реда.</translation>
    </message>
    <message>
        <source>Pocetak reda.</source>
        <translation>Почетак реда.</translation>
    </message>
    <message>
        <source>Nema reda iznad.</source>
        <translation>Нема реда изнад.</translation>
    </message>
    <message>
        <source>Nema reda ispod.</source>
        <translation>Нема реда испод.</translation>
    </message>
    <message>
        <source>%1, %2 od %3</source>
        <extracomment>A card under the keys&apos; ring and its place in its row: &quot;5 karo, 2 od 6&quot;.</extracomment>
        <translation>%1, %2 од %3</translation>
    </message>
    <message>
        <source>Nove karte podeljene. %1.</source>
        <translation>Нове карте подељене. %1.</translation>
    </message>
    <message>
        <source>Kraj partije. %1.</source>
        <translation>Крај партије. %1.</translation>
    </message>
    <message>
        <source>Savet: stavi %1 na talon.</source>
        <translation>Савет: стави %1 на талон.</translation>
    </message>
    <message>
        <source>Savet: nosi %1 kartom %2.</source>
        <translation>Савет: носи %1 картом %2.</translation>
    </message>
    <message>
        <source>Gornji red: %1. Donji red: %2.</source>
        <translation>Горњи ред: %1. Доњи ред: %2.</translation>
    </message>
    <message>
        <source>Nemas karata u ruci.</source>
        <translation>Немаш карата у руци.</translation>
    </message>
    <message>
        <source>Tvoje karte: %1.</source>
        <translation>Твоје карте: %1.</translation>
    </message>
    <message>
        <source>Jos niko nije igrao.</source>
        <translation>Још нико није играо.</translation>
    </message>
    <message>
        <source>Poeni: %1.</source>
        <translation>Поени: %1.</translation>
    </message>
</context>
<context>
    <name>TAnimationBox</name>
    <message>
        <source>Animacija</source>
        <translation>Анимација</translation>
    </message>
    <message>
        <source>Iskljucena</source>
        <translation>Искључена</translation>
    </message>
    <message>
        <source>Brza</source>
        <translation>Брза</translation>
    </message>
    <message>
        <source>Normalna</source>
        <translation>Нормална</translation>
    </message>
    <message>
        <source>Spora</source>
        <translation>Спора</translation>
    </message>
</context>
<context>
    <name>TChatPanel</name>
    <message>
        <source>Razgovor za stolom</source>
        <translation>Разговор за столом</translation>
    </message>
    <message>
        <source>Poruka za sto</source>
        <translation>Порука за сто</translation>
    </message>
    <message>
        <source>Posalji</source>
        <translation>Пошаљи</translation>
    </message>
</context>
<context>
    <name>TDropNotice</name>
    <message>
        <source>Odustani</source>
        <translation>Одустани</translation>
    </message>
    <message>
        <source>Veza sa stolom je prekinuta; racunar igra umesto tebe.</source>
        <translation>Веза са столом је прекинута; рачунар игра уместо тебе.</translation>
    </message>
    <message>
        <source>Novi pokusaj za %1 s.</source>
        <translation>Нови покушај за %1 с.</translation>
    </message>
    <message>
        <source>Povezivanje...</source>
        <translation>Повезивање...</translation>
    </message>
</context>
<context>
    <name>TFAbout</name>
    <message>
        <source>O Programu</source>
        <translation>О програму</translation>
    </message>
    <message>
        <source>Zaviko na Webu</source>
        <translation>Zaviko на Вебу</translation>
    </message>
    <message>
        <source>Pisi autoru</source>
        <translation>Пиши аутору</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>januar</source>
        <translation>јануар</translation>
    </message>
    <message>
        <source>februar</source>
        <translation>фебруар</translation>
    </message>
    <message>
        <source>mart</source>
        <translation>март</translation>
    </message>
    <message>
        <source>april</source>
        <translation>април</translation>
    </message>
    <message>
        <source>maj</source>
        <translation>мај</translation>
    </message>
    <message>
        <source>jun</source>
        <translation>јун</translation>
    </message>
    <message>
        <source>jul</source>
        <translation>јул</translation>
    </message>
    <message>
        <source>avgust</source>
        <translation>август</translation>
    </message>
    <message>
        <source>septembar</source>
        <translation>септембар</translation>
    </message>
    <message>
        <source>oktobar</source>
        <translation>октобар</translation>
    </message>
    <message>
        <source>novembar</source>
        <translation>новембар</translation>
    </message>
    <message>
        <source>decembar</source>
        <translation>децембар</translation>
    </message>
    <message>
        <source>Verzija %1, %2 %3</source>
        <translation>Верзија %1, %2 %3</translation>
    </message>
    <message>
        <source>Tasteri</source>
        <translation>Тастери</translation>
    </message>
    <message>
        <source>Pravila i tasteri, na ovom racunaru</source>
        <translation>Правила и тастери, на овом рачунару</translation>
    </message>
    <message>
        <source>Pomoc za Zaviko</source>
        <translation>Помоћ за Zaviko</translation>
    </message>
</context>
<context>
    <name>TFAnaliza</name>
    <message>
        <source>Analiza</source>
        <translation>Анализа</translation>
    </message>
    <message>
        <source>Sve karte otkrivene</source>
        <translation>Све карте откривене</translation>
    </message>
    <message>
        <source>Prethodna ruka</source>
        <translation>Претходна рука</translation>
    </message>
    <message>
        <source>Prethodni potez</source>
        <translation>Претходни потез</translation>
    </message>
    <message>
        <source>Sledeci potez</source>
        <translation>Следећи потез</translation>
    </message>
    <message>
        <source>Sledeca ruka</source>
        <translation>Следећа рука</translation>
    </message>
    <message>
        <source>Zatvori</source>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>Nijedna ruka jos nije procenjena.</source>
        <translation>Ниједна рука још није процењена.</translation>
    </message>
</context>
<context>
    <name>TFDeckOverInfoDlg</name>
    <message>
        <source>Pokupljene karte</source>
        <translation>Покупљене карте</translation>
    </message>
    <message>
        <source>Najvise karata (25) odneo Zika</source>
        <translation>Највише карата (25) однео Жика</translation>
    </message>
    <message>
        <source>Pregled karata</source>
        <translation>Преглед карата</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>Karte sa talona pokupio %1</source>
        <translation>Карте са талона покупио %1</translation>
    </message>
    <message>
        <source>Najvise karata (%1) odneo %2</source>
        <translation>Највише карата (%1) однео %2</translation>
    </message>
    <message>
        <source>Najvise karata (%1) odneli</source>
        <translation>Највише карата (%1) однели</translation>
    </message>
    <message>
        <source>Poeni</source>
        <translation>Поени</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Табле</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Бонус</translation>
    </message>
    <message>
        <source>&amp;Analiza</source>
        <translation>&amp;Анализа</translation>
    </message>
    <message>
        <source>Nijedna ruka jos nije procenjena.</source>
        <translation>Ниједна рука још није процењена.</translation>
    </message>
</context>
<context>
    <name>TFJoinTable</name>
    <message>
        <source>Pridruzi se stolu</source>
        <translation>Придружи се столу</translation>
    </message>
    <message>
        <source>&amp;Poziv:</source>
        <translation>&amp;Позив:</translation>
    </message>
    <message>
        <source>ili upisi posebno</source>
        <translation>или упиши посебно</translation>
    </message>
    <message>
        <source>&amp;Adresa:</source>
        <translation>&amp;Адреса:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>П&amp;орт:</translation>
    </message>
    <message>
        <source>STO/KOD, kraj poziva</source>
        <translation>СТО/КОД, крај позива</translation>
    </message>
    <message>
        <source>&amp;Kod stola:</source>
        <translation>&amp;Код стола:</translation>
    </message>
    <message>
        <source>&amp;Tvoje ime:</source>
        <translation>&amp;Твоје име:</translation>
    </message>
    <message>
        <source>Pridruzi se</source>
        <translation>Придружи се</translation>
    </message>
    <message>
        <source>Odustani</source>
        <translation>Одустани</translation>
    </message>
    <message>
        <source>Poziv nije ispravan. Treba da izgleda ovako: zaviko://ADRESA:PORT/STO/KOD</source>
        <translation>Позив није исправан. Треба да изгледа овако: zaviko://ADRESA:PORT/STO/KOD</translation>
    </message>
    <message>
        <source>Kod stola treba da bude oblika STO/KOD, kao na kraju poziva.</source>
        <translation>Код стола треба да буде облика СТО/КОД, као на крају позива.</translation>
    </message>
    <message>
        <source>Upisi svoje ime: ostali ga vide za stolom.</source>
        <translation>Упиши своје име: остали га виде за столом.</translation>
    </message>
</context>
<context>
    <name>TFOpenTable</name>
    <message>
        <source>Otvori sto</source>
        <translation>Отвори сто</translation>
    </message>
    <message>
        <source>&amp;Tvoje ime:</source>
        <translation>&amp;Твоје име:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Порт:</translation>
    </message>
    <message>
        <source>Adrese ovog racunara:</source>
        <translation>Адресе овог рачунара:</translation>
    </message>
    <message>
        <source>Odustani</source>
        <translation>Одустани</translation>
    </message>
    <message>
        <source>Igra</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Broj igraca</source>
        <translation>Број играча</translation>
    </message>
    <message>
        <source>4 igraca, svako za sebe</source>
        <translation>4 играча, свако за себе</translation>
    </message>
    <message>
        <source>4 igraca u parove</source>
        <translation>4 играча у парове</translation>
    </message>
    <message>
        <source>2 igraca</source>
        <translation>2 играча</translation>
    </message>
    <message>
        <source>Broj spilova</source>
        <translation>Број шпилова</translation>
    </message>
    <message>
        <source>Igra u smeru kazaljke na satu</source>
        <translation>Игра у смеру казаљке на сату</translation>
    </message>
    <message>
        <source>Dozvoli &quot;Savet&quot; za ovim stolom</source>
        <translation>Дозволи „Савет“ за овим столом</translation>
    </message>
    <message>
        <source>Ko sedi za stolom</source>
        <translation>Ко седи за столом</translation>
    </message>
    <message>
        <source>Levo:</source>
        <translation>Лево:</translation>
    </message>
    <message>
        <source>Preko puta:</source>
        <translation>Преко пута:</translation>
    </message>
    <message>
        <source>Desno:</source>
        <translation>Десно:</translation>
    </message>
    <message>
        <source>covek (po pozivu)</source>
        <translation>човек (по позиву)</translation>
    </message>
    <message>
        <source>racunar: %1</source>
        <translation>рачунар: %1</translation>
    </message>
</context>
<context>
    <name>TFOptions</name>
    <message>
        <source>Opcije</source>
        <translation>Опције</translation>
    </message>
    <message>
        <source>Igra</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Broj igraca * </source>
        <translation>Број играча * </translation>
    </message>
    <message>
        <source>4 igraca, svako za sebe</source>
        <translation>4 играча, свако за себе</translation>
    </message>
    <message>
        <source>4 igraca u parove</source>
        <translation>4 играча у парове</translation>
    </message>
    <message>
        <source>2 igraca</source>
        <translation>2 играча</translation>
    </message>
    <message>
        <source>Broj spilova * </source>
        <translation>Број шпилова * </translation>
    </message>
    <message>
        <source>Kompjuter se trudi da igra </source>
        <translation>Компјутер се труди да игра </translation>
    </message>
    <message>
        <source>Pametno</source>
        <translation>Паметно</translation>
    </message>
    <message>
        <source>Prosecno</source>
        <translation>Просечно</translation>
    </message>
    <message>
        <source>Glupo</source>
        <translation>Глупо</translation>
    </message>
    <message>
        <source>Majstor</source>
        <translation>Мајстор</translation>
    </message>
    <message>
        <source>Kompjuter drzi otvorene karte (s) </source>
        <translation>Компјутер показује карте (с) </translation>
    </message>
    <message>
        <source>Pauza izmedju igre 2 igraca (0.5s)</source>
        <translation>Пауза између потеза (0.5с)</translation>
    </message>
    <message>
        <source>Igra u smeru kazaljke na satu *</source>
        <translation>Игра у смеру казаљке на сату *</translation>
    </message>
    <message>
        <source>Izgled</source>
        <translation>Изглед</translation>
    </message>
    <message>
        <source>Karte igraca zgusnute</source>
        <translation>Туђе карте згуснуте</translation>
    </message>
    <message>
        <source>Moje karte zgusnute</source>
        <translation>Моје карте згуснуте</translation>
    </message>
    <message>
        <source>Varanje </source>
        <translation>Варање </translation>
    </message>
    <message>
        <source>Dozvoli da gledam u karte koje sam pokupio</source>
        <translation>Дозволи да гледам своје покупљене карте</translation>
    </message>
    <message>
        <source>Dozvoli da gledam u karte koje su drugi pokupili</source>
        <translation>Дозволи да гледам туђе покупљене карте</translation>
    </message>
    <message>
        <source>Razno</source>
        <translation>Разно</translation>
    </message>
    <message>
        <source>Loguj partiju (u Zaviko.log)</source>
        <translation>Логуј партију (у Zaviko.log)</translation>
    </message>
    <message>
        <source>* Opcija se aktivira kad pocne nova igra</source>
        <translation>* Опција се активира кад почне нова игра</translation>
    </message>
    <message>
        <source>Prihvati</source>
        <translation>Прихвати</translation>
    </message>
    <message>
        <source>Odustani</source>
        <translation>Одустани</translation>
    </message>
    <message>
        <source>Pre svakog poteza kompjutera igra ceka: broj u polju puta pola sekunde (0 = bez cekanja).</source>
        <translation>Пре сваког потеза компјутера игра чека: број у пољу пута пола секунде (0 = без чекања).</translation>
    </message>
    <message>
        <source>Govor</source>
        <translation>Говор</translation>
    </message>
    <message>
        <source>Igra sama izgovara poteze, ko je na potezu i odgovore na tastere.</source>
        <translation>Игра сама изговара потезе, ко је на потезу и одговоре на тастере.</translation>
    </message>
    <message>
        <source>Zvuk</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Zvuci igre: deljenje, potezi, tabla, tvoj potez, kraj ruke i partije.</source>
        <translation>Звуци игре: дељење, потези, табла, твој потез, крај руке и партије.</translation>
    </message>
    <message>
        <source>Jacina</source>
        <translation>Јачина</translation>
    </message>
    <message>
        <source>Jacina zvuka</source>
        <translation>Јачина звука</translation>
    </message>
    <message>
        <source>Izgled stola</source>
        <translation>Изглед стола</translation>
    </message>
    <message>
        <source>Klasicni</source>
        <translation>Класични</translation>
    </message>
    <message>
        <source>Savremeni</source>
        <translation>Савремени</translation>
    </message>
    <message>
        <source>Oznaci karte koje karta iz ruke moze da uzme</source>
        <translation>Означи карте које карта из руке може да узме</translation>
    </message>
    <message>
        <source>Dok je karta iz ruke pod strelicom ili okvirom tastature, karte na talonu koje bi uzela su uokvirene (Savremeni izgled).</source>
        <translation>Док је карта из руке под стрелицом или оквиром тастатуре, карте на талону које би узела су уоквирене (Савремени изглед).</translation>
    </message>
</context>
<context>
    <name>TFPregledKarata</name>
    <message>
        <source>Pregled karata</source>
        <translation>Преглед карата</translation>
    </message>
    <message>
        <source>Karte koje sam ja odneo</source>
        <translation>Карте које сам ја однео</translation>
    </message>
    <message>
        <source>Karte koje je odneo %1</source>
        <translation>Карте које је однео %1</translation>
    </message>
</context>
<context>
    <name>TFPromenaImena</name>
    <message>
        <source>Promena imena</source>
        <translation>Промена имена</translation>
    </message>
    <message>
        <source>Tvoje ime</source>
        <translation>Твоје име</translation>
    </message>
    <message>
        <source>Imena ostalih igraca</source>
        <translation>Имена осталих играча</translation>
    </message>
    <message>
        <source>Promeni</source>
        <translation>Промени</translation>
    </message>
    <message>
        <source>Ponisti</source>
        <translation>Поништи</translation>
    </message>
    <message>
        <source>Posto si neko ime izostavio, ostaju stara imena :)</source>
        <translation>Пошто си неко име изоставио, остају стара имена :)</translation>
    </message>
</context>
<context>
    <name>TFWaitingRoom</name>
    <message>
        <source>Sto za igru preko mreze</source>
        <translation>Сто за игру преко мреже</translation>
    </message>
    <message>
        <source>Povezivanje sa stolom...</source>
        <translation>Повезивање са столом...</translation>
    </message>
    <message>
        <source>Mesto</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Ime</source>
        <translation>Име</translation>
    </message>
    <message>
        <source>Igra</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Veza</source>
        <translation>Веза</translation>
    </message>
    <message>
        <source>Pocni partiju</source>
        <translation>Почни партију</translation>
    </message>
    <message>
        <source>Napusti sto</source>
        <translation>Напусти сто</translation>
    </message>
    <message>
        <source>Kopiraj</source>
        <translation>Копирај</translation>
    </message>
    <message>
        <source>Poziv je kopiran. Posalji ga onima s kojima igras.</source>
        <translation>Позив је копиран. Пошаљи га онима с којима играш.</translation>
    </message>
    <message>
        <source>Poziv:</source>
        <translation>Позив:</translation>
    </message>
    <message>
        <source>Adrese ovog racunara:</source>
        <translation>Адресе овог рачунара:</translation>
    </message>
    <message>
        <source>Cekaju se igraci.</source>
        <translation>Чекају се играчи.</translation>
    </message>
    <message>
        <source>Svi su za stolom. Mozes da pocnes partiju.</source>
        <translation>Сви су за столом. Можеш да почнеш партију.</translation>
    </message>
    <message>
        <source>Svi su za stolom. Domacin pocinje partiju.</source>
        <translation>Сви су за столом. Домаћин почиње партију.</translation>
    </message>
    <message>
        <source>%1 (ti)</source>
        <translation>%1 (ти)</translation>
    </message>
    <message>
        <source>ne igra</source>
        <translation>не игра</translation>
    </message>
    <message>
        <source>Daj racunaru</source>
        <translation>Дај рачунару</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Igra</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Nova</source>
        <translation>&amp;Нова</translation>
    </message>
    <message>
        <source>&amp;Pocni igru</source>
        <translation>&amp;Почни игру</translation>
    </message>
    <message>
        <source>&amp;Savet</source>
        <translation>&amp;Савет</translation>
    </message>
    <message>
        <source>&amp;Gotovo</source>
        <translation>&amp;Готово</translation>
    </message>
    <message>
        <source>&amp;Opcije</source>
        <translation>&amp;Опције</translation>
    </message>
    <message>
        <source>&amp;Tabela vidljiva</source>
        <translation>&amp;Табела видљива</translation>
    </message>
    <message>
        <source>Po&amp;kupljene karte</source>
        <translation>По&amp;купљене карте</translation>
    </message>
    <message>
        <source>&amp;Promena imena...</source>
        <translation>&amp;Промена имена...</translation>
    </message>
    <message>
        <source>&amp;Opcije...</source>
        <translation>&amp;Опције...</translation>
    </message>
    <message>
        <source>&amp;Statistika...</source>
        <translation>&amp;Статистика...</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>&amp;Помоћ</translation>
    </message>
    <message>
        <source>&amp;Pomoc...</source>
        <translation>&amp;Помоћ...</translation>
    </message>
    <message>
        <source>&amp;O Programu...</source>
        <translation>&amp;О програму...</translation>
    </message>
    <message>
        <source>Partija je u toku. Da li zelis da je prekines i pocnes novu?</source>
        <translation>Партија је у току. Да ли желиш да је прекинеш и почнеш нову?</translation>
    </message>
    <message>
        <source>Partija je u toku. Da li zelis da izadjes?

Partija ce biti sacuvana, pa mozes da je nastavis kad sledeci put pokrenes igru.</source>
        <translation>Партија је у току. Да ли желиш да изађеш?

Партија ће бити сачувана, па можеш да је наставиш кад следећи пут покренеш игру.</translation>
    </message>
    <message>
        <source>Pokupljene karte: %1</source>
        <translation>Покупљене карте: %1</translation>
    </message>
    <message>
        <source>Nastavi zapocetu partiju?</source>
        <translation>Настави започету партију?</translation>
    </message>
    <message>
        <source>&amp;Vrati potez</source>
        <translation>&amp;Врати потез</translation>
    </message>
    <message>
        <source>Sto</source>
        <translation>Сто</translation>
    </message>
    <message>
        <source>Talon, gornji red</source>
        <translation>Талон, горњи ред</translation>
    </message>
    <message>
        <source>Talon, donji red</source>
        <translation>Талон, доњи ред</translation>
    </message>
    <message>
        <source>Tok igre</source>
        <translation>Ток игре</translation>
    </message>
    <message>
        <source>Statusna linija</source>
        <translation>Статусна линија</translation>
    </message>
    <message>
        <source>Tvoje karte</source>
        <translation>Твоје карте</translation>
    </message>
    <message>
        <source>Karte: %1</source>
        <translation>Карте: %1</translation>
    </message>
    <message>
        <source>Na potezu: %1</source>
        <translation>На потезу: %1</translation>
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
        <translation>Крај руке. %1.</translation>
    </message>
    <message>
        <source>Karte talona ka s&amp;redini</source>
        <translation>Карте талона ка с&amp;редини</translation>
    </message>
    <message>
        <source>Tok &amp;igre</source>
        <translation>Ток &amp;игре</translation>
    </message>
    <message>
        <source>Partija u toku ne moze da se cuva u %1. Ako se igra prekine pre nego sto je zatvoris, partija ce biti izgubljena.</source>
        <translation>Партија у току не може да се чува у %1. Ако се игра прекине пре него што је затвориш, партија ће бити изгубљена.</translation>
    </message>
    <message>
        <source>Pokusaj ponovo</source>
        <translation>Покушај поново</translation>
    </message>
    <message>
        <source>Sacuvaj drugde...</source>
        <translation>Сачувај другде...</translation>
    </message>
    <message>
        <source>Zatvori bez cuvanja</source>
        <translation>Затвори без чувања</translation>
    </message>
    <message>
        <source>Partija nije mogla da se sacuva.

Fajl: %1</source>
        <translation>Партија није могла да се сачува.

Фајл: %1</translation>
    </message>
    <message>
        <source>Sacuvaj partiju</source>
        <translation>Сачувај партију</translation>
    </message>
    <message>
        <source>Sacuvana partija (*.sav)</source>
        <translation>Сачувана партија (*.sav)</translation>
    </message>
    <message>
        <source>Partija nije mogla da se sacuva u %1 (%2).</source>
        <translation>Партија није могла да се сачува у %1 (%2).</translation>
    </message>
    <message>
        <source>Igra preko &amp;mreze</source>
        <translation>Игра преко &amp;мреже</translation>
    </message>
    <message>
        <source>&amp;Otvori sto...</source>
        <translation>&amp;Отвори сто...</translation>
    </message>
    <message>
        <source>&amp;Pridruzi se...</source>
        <translation>&amp;Придружи се...</translation>
    </message>
    <message>
        <source>Napustio si sto.</source>
        <translation>Напустио си сто.</translation>
    </message>
    <message>
        <source>Razgovor</source>
        <translation>Разговор</translation>
    </message>
    <message>
        <source>&amp;Razgovor</source>
        <translation>&amp;Разговор</translation>
    </message>
    <message>
        <source>Ti si domacin ovog stola: ako ga napustis, sto se zatvara i za ostale igrace. Da li zelis da napustis sto?</source>
        <translation>Ти си домаћин овог стола: ако га напустиш, сто се затвара и за остале играче. Да ли желиш да напустиш сто?</translation>
    </message>
    <message>
        <source>Igras za stolom preko mreze. Da li zelis da napustis sto?</source>
        <translation>Играш за столом преко мреже. Да ли желиш да напустиш сто?</translation>
    </message>
    <message>
        <source>Dok te nije bilo, racunar je za tebe odigrao: %1.</source>
        <translation>Док те није било, рачунар је за тебе одиграо: %1.</translation>
    </message>
    <message>
        <source>Ostalo karata u spilu: %1</source>
        <translation>Карата у шпилу: %1</translation>
    </message>
    <message>
        <source>&amp;Analiza...</source>
        <translation>&amp;Анализа...</translation>
    </message>
    <message>
        <source>&amp;Analiza (nijedna ruka jos nije procenjena)</source>
        <translation>&amp;Анализа (ниједна рука још није процењена)</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Zaviko - Pomoc</source>
        <translation>Zaviko - Помоћ</translation>
    </message>
    <message>
        <source>Zatvori</source>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>Pomoc nije dostupna: datoteka %1 ne postoji ili ne moze da se procita.</source>
        <translation>Помоћ није доступна: датотека %1 не постоји или не може да се прочита.</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Podesavanja ne mogu da se sacuvaju u %1.</source>
        <translation>Подешавања не могу да се сачувају у %1.</translation>
    </message>
</context>
<context>
    <name>TKeyList</name>
    <message>
        <source>nova igra</source>
        <translation>нова игра</translation>
    </message>
    <message>
        <source>savet</source>
        <translation>савет</translation>
    </message>
    <message>
        <source>vrati potez</source>
        <translation>врати потез</translation>
    </message>
    <message>
        <source>tabela sa poenima</source>
        <translation>табела са поенима</translation>
    </message>
    <message>
        <source>pauza</source>
        <translation>пауза</translation>
    </message>
    <message>
        <source>razmak</source>
        <translation>размак</translation>
    </message>
    <message>
        <source>oznaci kartu, prekini pokazivanje</source>
        <translation>означи карту, прекини показивање</translation>
    </message>
    <message>
        <source>strelice, Home, End</source>
        <translation>стрелице, Home, End</translation>
    </message>
    <message>
        <source>okvir po kartama</source>
        <translation>оквир по картама</translation>
    </message>
    <message>
        <source>igraj kartu u okviru</source>
        <translation>играј карту у оквиру</translation>
    </message>
    <message>
        <source>igraj kartu iz ruke</source>
        <translation>играј карту из руке</translation>
    </message>
    <message>
        <source>skini oznake</source>
        <translation>скини ознаке</translation>
    </message>
    <message>
        <source>pomoc</source>
        <translation>помоћ</translation>
    </message>
    <message>
        <source>kraj igre</source>
        <translation>крај игре</translation>
    </message>
    <message>
        <source>Alt+slovo</source>
        <translation>Alt+слово</translation>
    </message>
    <message>
        <source>meni ili dugme</source>
        <translation>мени или дугме</translation>
    </message>
    <message>
        <source>procitaj sto</source>
        <translation>прочитај сто</translation>
    </message>
    <message>
        <source>procitaj tvoje karte</source>
        <translation>прочитај твоје карте</translation>
    </message>
    <message>
        <source>procitaj poslednje poteze</source>
        <translation>прочитај последње потезе</translation>
    </message>
    <message>
        <source>procitaj poene</source>
        <translation>прочитај поене</translation>
    </message>
    <message>
        <source>procitaj karte u spilu</source>
        <translation>прочитај карте у шпилу</translation>
    </message>
    <message>
        <source>ko je na potezu</source>
        <translation>ко је на потезу</translation>
    </message>
    <message>
        <source>ponovi poslednje izgovoreno</source>
        <translation>понови последње изговорено</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <source>Enter igra kartu iz ruke; karte na talonu oznacava razmaknica.</source>
        <translation>Enter игра карту из руке; карте на талону означава размакница.</translation>
    </message>
    <message>
        <source>Razmaknica oznacava karte na talonu; kartu iz ruke igra Enter.</source>
        <translation>Размакница означава карте на талону; карту из руке игра Enter.</translation>
    </message>
    <message>
        <source>Strelicama izaberi kartu iz ruke, pa je Enter igra.</source>
        <translation>Стрелицама изабери карту из руке, па је Enter игра.</translation>
    </message>
</context>
<context>
    <name>TLanguageBox</name>
    <message>
        <source>Jezik</source>
        <translation>Језик</translation>
    </message>
    <message>
        <source>Izabrani jezik vazi od sledeceg pokretanja igre.</source>
        <translation>Изабрани језик важи од следећег покретања игре.</translation>
    </message>
</context>
<context>
    <name>TMatchController</name>
    <message>
        <source>Ti igras prvi.</source>
        <translation>Ти играш први.</translation>
    </message>
    <message>
        <source>Prvi na potezu je %1 (kompjuter). Da li partija moze da pocne?

Ako je odgovor negativan, partiju mozes da zapocnes i rucno kroz meni Igra | Pocni igru.</source>
        <translation>Први на потезу је %1 (компјутер). Да ли партија може да почне?

Ако је одговор негативан, партију можеш да започнеш и ручно кроз мени Игра | Почни игру.</translation>
    </message>
    <message>
        <source>Ostalo karata u spilu: %1</source>
        <translation>Карата у шпилу: %1</translation>
    </message>
    <message>
        <source>Na potezu: %1</source>
        <translation>На потезу: %1</translation>
    </message>
    <message>
        <source>Poeni</source>
        <translation>Поени</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Табле</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Бонус</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Тотал</translation>
    </message>
    <message>
        <source>Partija jos nije pocela. Mozes da pokrenes partiju iz Igra | Pocni igru</source>
        <translation>Партија још није почела. Можеш да покренеш партију из Игра | Почни игру</translation>
    </message>
    <message>
        <source>Nisi jos na potezu</source>
        <translation>Ниси још на потезу</translation>
    </message>
    <message>
        <source>Na potezu je %1</source>
        <translation>На потезу је %1</translation>
    </message>
    <message>
        <source>Oznacene karte ne mogu da se uzmu ovom kartom.</source>
        <translation>Означене карте не могу да се узму овом картом.</translation>
    </message>
    <message>
        <source>Ne mozes da oznacis vise od 21 karte.</source>
        <translation>Не можеш да означиш више од 21 карте.</translation>
    </message>
    <message>
        <source>Igra pauzirana</source>
        <translation>Игра паузирана</translation>
    </message>
    <message>
        <source>Kompjuteri ne mogu da igraju: sistem nije pokrenuo nit.</source>
        <translation>Компјутери не могу да играју: систем није покренуо нит.</translation>
    </message>
    <message>
        <source>Pokusaj ponovo kroz meni Igra | Pocni igru.</source>
        <translation>Покушај поново кроз мени Игра | Почни игру.</translation>
    </message>
    <message>
        <source>Klikni na kartu da pokusas ponovo.</source>
        <translation>Кликни на карту да покушаш поново.</translation>
    </message>
    <message>
        <source>Partija je gotova. Pobednik: %1

Izaberi Igra | Nova za novu partiju.</source>
        <translation>Партија је готова. Победник: %1

Изабери Игра | Нова за нову партију.</translation>
    </message>
    <message>
        <source>Partija je gotova. Izaberi Igra | Nova za novu partiju.</source>
        <translation>Партија је готова. Изабери Игра | Нова за нову партију.</translation>
    </message>
    <message>
        <source>Nema poteza za vracanje.</source>
        <translation>Нема потеза за враћање.</translation>
    </message>
    <message>
        <source>Potez je vracen.</source>
        <translation>Потез је враћен.</translation>
    </message>
</context>
<context>
    <name>TMessageSink</name>
    <message>
        <source>Da</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>Не</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
</context>
<context>
    <name>TMoveHistoryPanel</name>
    <message>
        <source>Tok igre</source>
        <translation>Ток игре</translation>
    </message>
    <message>
        <source>Svi potezi partije, po deljenjima</source>
        <translation>Сви потези партије, по дељењима</translation>
    </message>
    <message>
        <source>Deljenje %1</source>
        <translation>Дељење %1</translation>
    </message>
</context>
<context>
    <name>TNetSession</name>
    <message>
        <source>Pogresan kod stola (ili sto vise ne postoji). Proveri poziv i pokusaj ponovo.</source>
        <translation>Погрешан код стола (или сто више не постоји). Провери позив и покушај поново.</translation>
    </message>
    <message>
        <source>Sto je pun: nema slobodnog mesta.</source>
        <translation>Сто је пун: нема слободног места.</translation>
    </message>
    <message>
        <source>Niko se ne javlja na %1. Proveri adresu i port i da li je sto jos otvoren.</source>
        <translation>Нико се не јавља на %1. Провери адресу и порт и да ли је сто још отворен.</translation>
    </message>
    <message>
        <source>Server govori drugu verziju protokola (%1). Igrajte istom verzijom igre.</source>
        <translation>Сервер говори другу верзију протокола (%1). Играјте истом верзијом игре.</translation>
    </message>
    <message>
        <source>Sertifikat servera nije prihvacen (%1). Veza ne bi bila bezbedna, pa igra ne nastavlja.</source>
        <translation>Сертификат сервера није прихваћен (%1). Веза не би била безбедна, па игра не наставља.</translation>
    </message>
    <message>
        <source>Previse pogresnih kodova sa ove adrese. Sacekaj malo pa pokusaj ponovo.</source>
        <translation>Превише погрешних кодова са ове адресе. Сачекај мало па покушај поново.</translation>
    </message>
    <message>
        <source>Server ne moze da otvori jos jedan sto. Pokusaj kasnije.</source>
        <translation>Сервер не може да отвори још један сто. Покушај касније.</translation>
    </message>
    <message>
        <source>Domacin je zatvorio sto. Partija je zavrsena.</source>
        <translation>Домаћин је затворио сто. Партија је завршена.</translation>
    </message>
    <message>
        <source>Veza sa stolom je prekinuta i nije mogla da se obnovi.</source>
        <translation>Веза са столом је прекинута и није могла да се обнови.</translation>
    </message>
    <message>
        <source>Domacin je tvoje mesto dao drugom igracu.</source>
        <translation>Домаћин је твоје место дао другом играчу.</translation>
    </message>
    <message>
        <source>Nisi na potezu.</source>
        <translation>Ниси на потезу.</translation>
    </message>
    <message>
        <source>Tom kartom ne mozes da nosis te karte.</source>
        <translation>Том картом не можеш да носиш те карте.</translation>
    </message>
    <message>
        <source>Na tom mestu nemas kartu.</source>
        <translation>На том месту немаш карту.</translation>
    </message>
    <message>
        <source>Partija jos nije pocela.</source>
        <translation>Партија још није почела.</translation>
    </message>
    <message>
        <source>Partija je vec u toku.</source>
        <translation>Партија је већ у току.</translation>
    </message>
    <message>
        <source>To moze samo domacin stola.</source>
        <translation>То може само домаћин стола.</translation>
    </message>
    <message>
        <source>Previse poruka odjednom; uspori malo.</source>
        <translation>Превише порука одједном; успори мало.</translation>
    </message>
    <message>
        <source>Poruka je prazna, preduga ili ima nedozvoljene znake.</source>
        <translation>Порука је празна, предуга или има недозвољене знаке.</translation>
    </message>
    <message>
        <source>Server je odbio zahtev (%1).</source>
        <translation>Сервер је одбио захтев (%1).</translation>
    </message>
    <message>
        <source>Veza je obnovljena.</source>
        <translation>Веза је обновљена.</translation>
    </message>
    <message>
        <source>server %1, igra %2</source>
        <translation>сервер %1, игра %2</translation>
    </message>
    <message>
        <source>igra %1</source>
        <translation>игра %1</translation>
    </message>
    <message>
        <source>Igrac %1 je seo za sto.</source>
        <translation>Играч %1 је сео за сто.</translation>
    </message>
    <message>
        <source>Igrac %1 je izgubio vezu; racunar igra umesto njega.</source>
        <translation>Играч %1 је изгубио везу; рачунар игра уместо њега.</translation>
    </message>
    <message>
        <source>Igrac %1 se vratio za sto.</source>
        <translation>Играч %1 се вратио за сто.</translation>
    </message>
    <message>
        <source>Igrac %1 je napustio sto.</source>
        <translation>Играч %1 је напустио сто.</translation>
    </message>
    <message>
        <source>Veza sa stolom je prekinuta; igra pokusava da je obnovi.</source>
        <translation>Веза са столом је прекинута; игра покушава да је обнови.</translation>
    </message>
</context>
<context>
    <name>TNetTable</name>
    <message>
        <source>Sto ne moze da se otvori na portu %1 (%2). Izaberi drugi port.</source>
        <translation>Сто не може да се отвори на порту %1 (%2). Изабери други порт.</translation>
    </message>
</context>
<context>
    <name>TNetWords</name>
    <message>
        <source>Jug</source>
        <translation>Југ</translation>
    </message>
    <message>
        <source>Zapad</source>
        <translation>Запад</translation>
    </message>
    <message>
        <source>Sever</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>Istok</source>
        <translation>Исток</translation>
    </message>
    <message>
        <source>Pametno</source>
        <translation>Паметно</translation>
    </message>
    <message>
        <source>Prosecno</source>
        <translation>Просечно</translation>
    </message>
    <message>
        <source>Glupo</source>
        <translation>Глупо</translation>
    </message>
    <message>
        <source>Majstor</source>
        <translation>Мајстор</translation>
    </message>
    <message>
        <source>covek</source>
        <translation>човек</translation>
    </message>
    <message>
        <source>racunar (%1)</source>
        <translation>рачунар (%1)</translation>
    </message>
    <message>
        <source>povezan</source>
        <translation>повезан</translation>
    </message>
    <message>
        <source>bez veze (igra racunar)</source>
        <translation>без везе (игра рачунар)</translation>
    </message>
    <message>
        <source>ceka igraca</source>
        <translation>чека играча</translation>
    </message>
    <message>
        <source>racunar</source>
        <translation>рачунар</translation>
    </message>
</context>
<context>
    <name>TPubStrGrid</name>
    <message>
        <source>Jste si jist vymazaním tohoto řádku ?</source>
        <translation>Да ли си сигуран да желиш да обришеш овај ред?</translation>
    </message>
</context>
<context>
    <name>TReviewBoard</name>
    <message>
        <source>Polozaj</source>
        <translation>Положај</translation>
    </message>
    <message>
        <source>Spil: %1</source>
        <translation>Шпил: %1</translation>
    </message>
    <message>
        <source>Tvoj potez</source>
        <translation>Твој потез</translation>
    </message>
    <message>
        <source>Najbolji potez</source>
        <translation>Најбољи потез</translation>
    </message>
</context>
<context>
    <name>TReviewWords</name>
    <message>
        <source>Ruka %1, potez %2 od %3</source>
        <translation>Рука %1, потез %2 од %3</translation>
    </message>
    <message>
        <source>%1 na talon</source>
        <translation>%1 на талон</translation>
    </message>
    <message>
        <source>%1 nosi %2</source>
        <translation>%1 носи %2</translation>
    </message>
    <message>
        <source>Greska</source>
        <translation>Грешка</translation>
    </message>
    <message>
        <source>Mala greska</source>
        <translation>Мала грешка</translation>
    </message>
    <message>
        <source>Dobar potez</source>
        <translation>Добар потез</translation>
    </message>
    <message>
        <source>Najbolji potez</source>
        <translation>Најбољи потез</translation>
    </message>
    <message>
        <source>Procena iz onoga sto si znao</source>
        <translation>Процена из онога што си знао</translation>
    </message>
    <message>
        <source>Procena sa svim kartama otkrivenim</source>
        <translation>Процена са свим картама откривеним</translation>
    </message>
    <message>
        <source>Racunar procenjuje ruku...</source>
        <translation>Рачунар процењује руку...</translation>
    </message>
    <message>
        <source>Tvoj potez: %1</source>
        <translation>Твој потез: %1</translation>
    </message>
    <message>
        <source>Tvoj potez: %1, vrednost %2</source>
        <translation>Твој потез: %1, вредност %2</translation>
    </message>
    <message>
        <source>Najbolji potez: %1, vrednost %2</source>
        <translation>Најбољи потез: %1, вредност %2</translation>
    </message>
    <message>
        <source>Cena: %1 ± %2 poena (%3)</source>
        <translation>Цена: %1 ± %2 поена (%3)</translation>
    </message>
</context>
<context>
    <name>TSavedMatchStore</name>
    <message>
        <source>Sacuvana partija ne moze da se nastavi (%1). %2</source>
        <translation>Сачувана партија не може да се настави (%1). %2</translation>
    </message>
    <message>
        <source>%1 je ostavljen kakav jeste.</source>
        <translation>%1 је остављен какав јесте.</translation>
    </message>
    <message>
        <source>Fajl %1 ne moze da se skloni i ostavljen je kakav jeste.</source>
        <translation>Фајл %1 не може да се склони и остављен је какав јесте.</translation>
    </message>
    <message>
        <source>Fajl je sklonjen kao %1.</source>
        <translation>Фајл је склоњен као %1.</translation>
    </message>
</context>
<context>
    <name>TSeatMarks</name>
    <message>
        <source> na talon</source>
        <translation> на талон</translation>
    </message>
    <message>
        <source> nosi</source>
        <translation> носи</translation>
    </message>
</context>
<context>
    <name>TSingleInstance</name>
    <message>
        <source>Zaviko je vec pokrenut sa istim podesavanjima (%1), ali se ne javlja. Zatvori taj prozor, pa pokreni igru ponovo.</source>
        <translation>Zaviko је већ покренут са истим подешавањима (%1), али се не јавља. Затвори тај прозор, па покрени игру поново.</translation>
    </message>
</context>
<context>
    <name>TStatisticsDialog</name>
    <message>
        <source>Odigrane partije</source>
        <translation>Одигране партије</translation>
    </message>
    <message>
        <source>Pobede</source>
        <translation>Победе</translation>
    </message>
    <message>
        <source>Najbolji rezultat</source>
        <translation>Најбољи резултат</translation>
    </message>
    <message>
        <source>Prosecan rezultat</source>
        <translation>Просечан резултат</translation>
    </message>
    <message>
        <source>Odnete table po deljenju</source>
        <translation>Однете табле по дељењу</translation>
    </message>
    <message>
        <source>Bonusi za najvise karata po deljenju</source>
        <translation>Бонуси за највише карата по дељењу</translation>
    </message>
    <message>
        <source>Korisceni saveti</source>
        <translation>Коришћени савети</translation>
    </message>
    <message>
        <source>Svako za sebe</source>
        <translation>Свако за себе</translation>
    </message>
    <message>
        <source>U parove</source>
        <translation>У парове</translation>
    </message>
    <message>
        <source>2 igraca</source>
        <translation>2 играча</translation>
    </message>
    <message>
        <source>1 spil</source>
        <translation>1 шпил</translation>
    </message>
    <message>
        <source>2 spila</source>
        <translation>2 шпила</translation>
    </message>
    <message>
        <source>Statistika</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Ponisti</source>
        <translation>Поништи</translation>
    </message>
    <message>
        <source>Zatvori</source>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>Da li zaista zelis da ponistis svu statistiku?</source>
        <translation>Да ли заиста желиш да поништиш сву статистику?</translation>
    </message>
    <message>
        <source>Ponistena statistika nije mogla da se sacuva.</source>
        <translation>Поништена статистика није могла да се сачува.</translation>
    </message>
    <message>
        <source>Partije sa vracenim potezom</source>
        <translation>Партије са враћеним потезом</translation>
    </message>
    <message>
        <source>Pobede sa vracenim potezom</source>
        <translation>Победе са враћеним потезом</translation>
    </message>
    <message>
        <source>Partije preko mreze</source>
        <translation>Партије преко мреже</translation>
    </message>
    <message>
        <source>Pobede preko mreze</source>
        <translation>Победе преко мреже</translation>
    </message>
    <message>
        <source>Prosecna preciznost</source>
        <translation>Просечна прецизност</translation>
    </message>
</context>
<context>
    <name>TStatisticsStore</name>
    <message>
        <source>Statistika partija sa vracenim potezom</source>
        <translation>Статистика партија са враћеним потезом</translation>
    </message>
    <message>
        <source>Statistika</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>%1 ne moze da se procita iz %2. Fajl je ostavljen kakav jeste, a statistika ove igre se ne cuva.</source>
        <translation>%1 не може да се прочита из %2. Фајл је остављен какав јесте, а статистика ове игре се не чува.</translation>
    </message>
    <message>
        <source>%1 u %2 je ostecena (%3). Fajl je sklonjen kao %4, a ta statistika krece od nule.</source>
        <translation>%1 у %2 је оштећена (%3). Фајл је склоњен као %4, а та статистика креће од нуле.</translation>
    </message>
    <message>
        <source>%1 u %2 je ostecena (%3) i ne moze da se skloni. Fajl je ostavljen kakav jeste, a ta statistika se u ovoj igri ne cuva.</source>
        <translation>%1 у %2 је оштећена (%3) и не може да се склони. Фајл је остављен какав јесте, а та статистика се у овој игри не чува.</translation>
    </message>
    <message>
        <source>%1 nije mogla da se sacuva u %2.</source>
        <translation>%1 није могла да се сачува у %2.</translation>
    </message>
</context>
<context>
    <name>TTableNotes</name>
    <message>
        <source>Pauza</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Na potezu si</source>
        <translation>На потезу си</translation>
    </message>
    <message>
        <source>Zbir: %1</source>
        <translation>Збир: %1</translation>
    </message>
    <message>
        <source> ili %1</source>
        <translation> или %1</translation>
    </message>
</context>
<context>
    <name>TTakenPile</name>
    <message>
        <source>Pokupljene karte: %1 (%2)</source>
        <translation>Покупљене карте: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TThread</name>
    <message>
        <source>Neocekivana greska u radu igre.</source>
        <translation>Неочекивана грешка у раду игре.</translation>
    </message>
</context>
<context>
    <name>TZuCardGroup</name>
    <message>
        <source>Dealer</source>
        <translation>Делилац</translation>
    </message>
</context>
<context>
    <name>TZuCardPictures</name>
    <message>
        <source>Resource %1 not found in card-image library %2</source>
        <translation>Ресурс %1 није пронађен у библиотеци слика карата %2</translation>
    </message>
    <message>
        <source>The card pictures could not be loaded.
%1</source>
        <translation>Слике карата не могу да се учитају.
%1</translation>
    </message>
    <message>
        <source>Card-image library %1 offers no card pictures this program reads</source>
        <translation>Библиотека слика карата %1 не нуди слике карата које овај програм чита</translation>
    </message>
</context>
</TS>
