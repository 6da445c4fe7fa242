// The help file and the read-me page of the program, German and English.
#include "Documents.h"

Document HelpDocument(bool english)
{
    auto L = [english](const char* de, const char* en) { return QString::fromUtf8(english ? en : de); };
    Document d{"karvenna.chm", L("Karvenna Hilfe", "Karvenna Help"), {}};
    d.pages.push_back({"index.html", L("Willkommen", "Welcome"),
                       L("<h1>Karvenna</h1>\n<p>Karvenna zeigt die Karten von Thornvale: Caldora, Frostmere, Qasira, "
                         "den Tempel von Ur Kesh und die Gruft der Ahnen.</p>\n<p>Wählen Sie im Menü einer Karte eine "
                         "Kategorie, zum Beispiel <i>Orte und Plätze, Höhlen</i>. Die Fundorte erscheinen als Markierungen.</p>",
                         "<h1>Karvenna</h1>\n<p>Karvenna shows the maps of Thornvale: Caldora, Frostmere, Qasira, "
                         "the temple of Ur Kesh and the tomb of the ancestors.</p>\n<p>Choose a category from a map's "
                         "menu, for example <i>Places and locations, Caves</i>. The places are shown as markers.</p>")});
    d.pages.push_back({"maps.html", L("Karten und Markierungen", "Maps and markers"),
                       L("<h1>Karten und Markierungen</h1>\n<p>Lange Listen wie die NPCs erscheinen in einer Auswahlliste; "
                         "alle anderen Kategorien werden auf einmal markiert. Grüne Markierungen sind besondere Einträge.</p>\n"
                         "<p>Zeigen Sie auf eine Markierung, um die Beschreibung zu sehen; ein Doppelklick öffnet das "
                         "Informationsfenster mit Bild.</p>",
                         "<h1>Maps and markers</h1>\n<p>Long lists such as the NPCs appear in a drop-down list; all other "
                         "categories are marked at once. Green markers are special entries.</p>\n<p>Point at a marker to see "
                         "its description; a double click opens the information window with a picture.</p>")});
    d.pages.push_back({"find.html", L("Suchen", "Find"),
                       L("<h1>Suchen</h1>\n<p>Strg+F sucht in den Namen oder Beschreibungen aller Karten. F3 sucht weiter.</p>",
                         "<h1>Find</h1>\n<p>Ctrl+F searches the names or descriptions of all maps. F3 finds the next hit.</p>")});
    d.pages.push_back({"perks.html", L("Perks", "Perks"),
                       L("<h1>Perks</h1>\n<p>Der letzte Eintrag der Menüs von Caldora, Frostmere und Qasira zeigt die "
                         "Perks der Region. Wählen Sie einen Perk und drücken Sie <i>Anzeigen</i>, um seine Lehrer zu sehen.</p>",
                         "<h1>Perks</h1>\n<p>The last entry of the Caldora, Frostmere and Qasira menus lists the region's "
                         "perks. Choose one and press <i>Show</i> to see its teachers.</p>")});
    d.pages.push_back({"languages.html", L("Sprachen und Extras", "Languages and extras"),
                       L("<h1>Sprachen und Extras</h1>\n<p>Unter Datei, Sprache wählen stehen alle Sprachen des Ordners LANG. "
                         "Die Extras enthalten Listen zu Perks, Zaubern, Pflanzen, Rüstungen und mehr.</p>",
                         "<h1>Languages and extras</h1>\n<p>File, Choose language lists every language of the LANG folder. "
                         "The extras hold lists of perks, spells, plants, armour and more.</p>")});
    return d;
}

QString ReadMePage(bool english)
{
    const QString body = english
        ? QStringLiteral("<h1>Karvenna &ndash; read me</h1>\n<p>Karvenna is a map viewer for the role-playing game "
                         "Thornvale. It shows where persons, creatures, objects, plants and places are found.</p>\n"
                         "<h2>Installation</h2>\n<p>Unpack the archive into a folder of your choice and start Karvenna. "
                         "The settings are in <code>karvenna.ini</code>.</p>\n<h2>What is new</h2>\n<ul>\n"
                         "<li>Teachers of every perk in Caldora, Frostmere and Qasira.</li>\n"
                         "<li>New maps of the temple of Ur Kesh and the tomb of the ancestors.</li>\n"
                         "<li>English and (partly) French interface.</li>\n</ul>\n<p>Have fun in Thornvale!</p>")
        : QStringLiteral("<h1>Karvenna &ndash; Lies mich</h1>\n<p>Karvenna ist ein Kartenbetrachter für das Rollenspiel "
                         "Thornvale. Er zeigt, wo Personen, Kreaturen, Gegenstände, Pflanzen und Orte zu finden sind.</p>\n"
                         "<h2>Installation</h2>\n<p>Das Archiv in einen beliebigen Ordner entpacken und Karvenna starten. "
                         "Die Einstellungen stehen in <code>karvenna.ini</code>.</p>\n<h2>Neu in dieser Version</h2>\n<ul>\n"
                         "<li>Lehrer aller Perks in Caldora, Frostmere und Qasira.</li>\n"
                         "<li>Neue Karten des Tempels von Ur Kesh und der Gruft der Ahnen.</li>\n"
                         "<li>Englische und (teilweise) französische Oberfläche.</li>\n</ul>\n<p>Viel Spaß in Thornvale!</p>");
    return HtmlPage(english ? "Karvenna - read me" : "Karvenna - Lies mich", body, english);
}
