#include "ui/access/key_list.h"

#include <QCoreApplication>

const std::vector<TGameKey>& GameKeys()
{
    // The menus' shortcuts first, then the keys that play, then the rest.
    static const std::vector<TGameKey> keys {
        { "N", QT_TRANSLATE_NOOP("TKeyList", "nova igra") },
        { "H", QT_TRANSLATE_NOOP("TKeyList", "savet") },
        { "Ctrl+Z", QT_TRANSLATE_NOOP("TKeyList", "vrati potez") },
        { "T", QT_TRANSLATE_NOOP("TKeyList", "tabela sa poenima") },
        { "P", QT_TRANSLATE_NOOP("TKeyList", "pauza") },
        { QT_TRANSLATE_NOOP("TKeyList", "razmak"),
            QT_TRANSLATE_NOOP("TKeyList", "oznaci kartu, prekini pokazivanje") },
        { QT_TRANSLATE_NOOP("TKeyList", "strelice, Home, End"),
            QT_TRANSLATE_NOOP("TKeyList", "okvir po kartama") },
        { "Enter", QT_TRANSLATE_NOOP("TKeyList", "igraj kartu u okviru") },
        { "1-6", QT_TRANSLATE_NOOP("TKeyList", "igraj kartu iz ruke") },
        { "Escape", QT_TRANSLATE_NOOP("TKeyList", "skini oznake") },
        { "S", QT_TRANSLATE_NOOP("TKeyList", "procitaj sto") },
        { "R", QT_TRANSLATE_NOOP("TKeyList", "procitaj tvoje karte") },
        { "O", QT_TRANSLATE_NOOP("TKeyList", "procitaj poslednje poteze") },
        { "B", QT_TRANSLATE_NOOP("TKeyList", "procitaj poene") },
        { "K", QT_TRANSLATE_NOOP("TKeyList", "procitaj karte u spilu") },
        { "I", QT_TRANSLATE_NOOP("TKeyList", "ko je na potezu") },
        { "L", QT_TRANSLATE_NOOP("TKeyList", "ponovi poslednje izgovoreno") },
        { "F1", QT_TRANSLATE_NOOP("TKeyList", "pomoc") },
        { "Alt+F4", QT_TRANSLATE_NOOP("TKeyList", "kraj igre") },
        { QT_TRANSLATE_NOOP("TKeyList", "Alt+slovo"),
            QT_TRANSLATE_NOOP("TKeyList", "meni ili dugme") },
    };
    return keys;
}

QString GameKeysHtml()
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    for (const TGameKey& key : GameKeys())
        html += QStringLiteral("<tr><td><b>%1</b>&nbsp;&nbsp;</td><td>%2</td></tr>")
                    .arg(QCoreApplication::translate("TKeyList", key.key).toHtmlEscaped(),
                        QCoreApplication::translate("TKeyList", key.what).toHtmlEscaped());
    return html + QStringLiteral("</table>");
}
