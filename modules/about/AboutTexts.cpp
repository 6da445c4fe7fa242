#include "modules/about/AboutTexts.h"

QString AboutTexts::Disclaimer()
{
    return QStringLiteral(
        "Karvenna ist Freeware: Für nicht-kommerzielle Zwecke darf das Programm frei "
        "benutzt und unverändert weitergegeben werden. Wer es auf einer eigenen Seite zum "
        "Herunterladen anbieten möchte, fragt bitte vorher beim Autor um Erlaubnis.");
}

QString AboutTexts::Sources()
{
    return QStringLiteral(
        "Die Angaben auf den Karten beruhen auf der Arbeit vieler Spielerinnen und Spieler, "
        "die ihre Funde gesammelt, geprüft und geteilt haben, unter ihnen Mira Feldhaus, "
        "Jonte Ravensberg, Ilka Morgenrot, Bastian Quell und der Thornvale-Stammtisch "
        "Rheinau, sowie die Fanseiten \u201EThornvale-Archiv\u201C, \u201EKartenwerk "
        "Caldora\u201C und \u201EQasira-Chronik\u201C.");
}

QString AboutTexts::ThanksTo()
{
    return QStringLiteral(
        "Special Thanks to: Lena Brücker, Tamo Eschweiler, Rike Sandmann, Ole Kattenbusch "
        "und allen, die Fehler gemeldet oder Übersetzungen geschrieben haben.");
}
