// The find dialog and find again on a real main window, with message boxes recorded.
#include "controls/ModalRunner.h"
#include "modules/Session.h"
#include "modules/search/SearchCache.h"
#include "controls/TwipsGeometry.h"
#include "forms/find/frmFind.h"
#include "forms/main/Dialogs.h"
#include "forms/main/frmMain.h"
#include "modules/LOCAL.h"
#include "support/RecordedServices.h"
#include "support/TestInstall.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

namespace {

// Names beginning with "Berg": Bergwerk (0), Bergsee (2, the link, and 3, its target section),
// Berghütte (4).
const QString kCaldora = QStringLiteral("[places]\n"
                                        "Bergwerk=100,200\n"
                                        "Alter Bergmann=300,400\n"
                                        ";Bergfried=1,1\n"
                                        "[caves]\n"
                                        "Bergsee=#,lakes\n"
                                        "[lakes]\n"
                                        "Bergsee=900,50\n");
const QString kFrostmere = QStringLiteral("[places]\nBerghütte=1000,700\n");
const QString kInfo = QStringLiteral("[info]\n"
                                     "bergwerk=Voller Erz.\n"
                                     "alter bergmann=Lebt am Bergsee.\n"
                                     "berghütte=Warm.\n");

const QString kEnglish = QStringLiteral("[general]\nlanguage=English\n"
                                        "[frmFind]\ncaption=Search\nbuttonfind=Go\n"
                                        "notfoundmessage=No \"%s\" anywhere\n"
                                        "notfoundcaption=Done\n"
                                        "SearchResult=Result: %s\n"
                                        "[entities]\nBergwerk=Mine\nBär=Bear\nBear=Grizzly\n");

enum class Mode { Keep, Names, Descriptions };

} // namespace

class TestFind : public QObject
{
    Q_OBJECT

    Session m_session;
    std::unique_ptr<Services> m_services = RecordingServices();

private:
    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<frmMain> m_main;

    // Installs the maps, starts the main window the way the program does.
    void start(const QString& caldora = kCaldora, const QString& language = QString())
    {
        m_install = std::make_unique<TestInstall>();
        m_install->writeMinimalInstallation(caldora,
                                            "[general]\nlanguage=" + language + "\n");
        m_install->writeText("frostmere.data", kFrostmere);
        m_install->writeText("info.data", kInfo);
        if (!language.isEmpty())
            m_install->writeText("LANG/English/English.lng", kEnglish);
        m_install->writeText("registry.ini",
                             "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
        qputenv("KARVENNA_REGISTRY", m_install->file("registry.ini").toUtf8());
        m_session.ProgramFolder = m_install->path();
        m_main = std::make_unique<frmMain>(m_session, *m_services);
        m_main->Create();
        QVERIFY(m_main->Load());
    }

    frmMain& main() { return *m_main; }

    // Ctrl+F, optionally an option button, the term, Find.
    void find(const QString& term, Mode mode = Mode::Keep)
    {
        m_services->dialogs->answerNext("frmFind", [=](QDialog* dialog) {
            auto* f = qobject_cast<frmFind*>(dialog);
            if (mode == Mode::Names)
                f->rbNamesOnly->click();
            else if (mode == Mode::Descriptions)
                f->rbDescsOnly->click();
            f->txtFind->setText(term);
            f->btnFind->click();
        });
        main().action("miFind")->trigger();
    }

    // Opens the dialog and hands it to inspect before cancelling it.
    void openAndCancel(const std::function<void(frmFind*)>& inspect)
    {
        m_services->dialogs->answerNext("frmFind", [=](QDialog* dialog) {
            auto* f = qobject_cast<frmFind*>(dialog);
            inspect(f);
            f->btnAbort->click();
        });
        main().action("miFind")->trigger();
    }

    QString shownName() const { return m_main->display().InfoSubject; }
    int foundIndex() const { return m_session.search.LastFoundIndex; }
    QJsonArray messages() const { return m_services->record.messages(); }

    QJsonObject notFound(const QString& term) const
    {
        return QJsonObject{{"icon", "information"},
                           {"caption", "Suche beendet"},
                           {"text", "Der Suchbegriff: \"" + term + "\" konnte nicht gefunden werden!"}};
    }

private slots:
    void init()
    {
        m_services = RecordingServices();
        m_services->dialogs->clearAnswers();
        m_session = Session();
    }

    void cleanup()
    {
        m_main.reset();
        m_install.reset();
    }

    void dialogShowsGermanDesignTexts()
    {
        start();
        openAndCancel([](frmFind* f) {
            QCOMPARE(f->objectName(), QString("frmFind"));
            QCOMPARE(f->windowTitle(), QString("Suchen"));
            QCOMPARE(f->lblFind->text(), QString("Suchen nach:"));
            QCOMPARE(f->fraOptions->title(), QString("Optionen"));
            QCOMPARE(f->rbNamesOnly->text(), QString("Suche in den &Namen"));
            QCOMPARE(f->rbDescsOnly->text(), QString("Suche in den &Beschreibungen"));
            QCOMPARE(f->btnFind->text(), QString("&Suchen"));
            QCOMPARE(f->btnAbort->text(), QString("&Abbrechen"));
            QCOMPARE(f->txtFind->text(), QString());
            QVERIFY(!f->btnFind->isEnabled());
            QVERIFY(f->rbNamesOnly->isChecked());
        });
        QCOMPARE(m_services->record.dialogs().size(), 1);
    }

    void dialogShowsLanguageTexts()
    {
        start(kCaldora, "English");
        openAndCancel([](frmFind* f) {
            QCOMPARE(f->windowTitle(), QString("Search"));
            QCOMPARE(f->btnFind->text(), QString("Go"));
            // Keys the file lacks fall back to English.
            QCOMPARE(f->lblFind->text(), QString("Search for:"));
            QCOMPARE(f->fraOptions->title(), QString("Options"));
            QCOMPARE(f->rbNamesOnly->text(), QString("Search in names"));
            QCOMPARE(f->rbDescsOnly->text(), QString("Search in descriptions"));
            QCOMPARE(f->btnAbort->text(), QString("Cancel"));
        });
    }

    void findButtonFollowsTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks") << "   " << false;
        QTest::newRow("word") << "Erz" << true;
        QTest::newRow("leading blank") << " E" << true;
    }

    void findButtonFollowsTheText()
    {
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        start();
        openAndCancel([=](frmFind* f) {
            f->txtFind->setText("x");
            f->txtFind->setText(text);
            QCOMPARE(f->btnFind->isEnabled(), enabled);
        });
    }

    void dialogPrefillsAndSelectsTheLastTerm()
    {
        start();
        find("alter", Mode::Descriptions);
        openAndCancel([](frmFind* f) {
            QCOMPARE(f->txtFind->text(), QString("alter"));
            QCOMPARE(f->txtFind->selectedText(), QString("alter"));
            QVERIFY(f->btnFind->isEnabled());
            QVERIFY(f->rbDescsOnly->isChecked());
        });
    }

    void nameSearchShowsTheFirstMatch()
    {
        start();
        QVERIFY(!main().action("miFindAgain")->isEnabled());
        find("bERG");
        QVERIFY(messages().isEmpty());
        QCOMPARE(shownName(), QString("Bergwerk"));
        QCOMPARE(foundIndex(), 0);
        const MainDisplay& d = main().display();
        QCOMPARE(d.CurrentMap, QString("caldora"));
        QCOMPARE(d.picture, m_install->file("caldora.jpg"));
        QCOMPARE(d.lblMultiInfo.caption, QString(" Suchergebnis für: bERG "));
        QVERIFY(d.ITEM.visible && d.lblCaption.visible && d.lblMultiInfo.visible);
        QVERIFY(main().action("miFindAgain")->isEnabled());
        QVERIFY(main().action("miPrint")->isEnabled());
        // The window draws what the model says: the selection marker's gold middle.
        const QRect marker = TwipsGeometry::ToPixels(d.ITEM.left, d.ITEM.top, d.ITEM.width, d.ITEM.height);
        const QColor middle = main().renderMapArea().pixelColor(marker.center());
        QVERIFY(qAbs(middle.red() - 255) < 12 && qAbs(middle.green() - 215) < 12 && middle.blue() < 40);
        // The dialog closed itself with the button enabled again.
        const QJsonObject closed = m_services->record.dialogs().last()["closed"].toObject();
        QVERIFY(closed["controls"]["btnFind"]["enabled"].toBool());
        QCOMPARE(closed["controls"]["txtFind"]["text"].toString(), QString("bERG"));
    }

    void sameTermTwiceGivesTheSameHit()
    {
        start();
        find("berg");
        const MarkerState first = main().display().ITEM;
        const LabelState label = main().display().lblCaption;
        find("berg");
        QCOMPARE(foundIndex(), 0);
        QCOMPARE(main().display().ITEM.left, first.left);
        QCOMPARE(main().display().ITEM.top, first.top);
        QCOMPARE(main().display().lblCaption.left, label.left);
        QCOMPARE(main().display().lblCaption.caption, label.caption);
    }

    void namesArePrefixesDescriptionsAnywhere()
    {
        start();
        find("Bergmann");
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].toObject(), notFound("Bergmann"));
        find("bergsee", Mode::Descriptions);
        QCOMPARE(shownName(), QString("Alter Bergmann"));
        QCOMPARE(foundIndex(), 1);
    }

    void leadingBlanksFindNoName()
    {
        start();
        find(" Berg");
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].toObject(), notFound(" Berg"));
        QCOMPARE(main().display().InfoSubject, QString());
    }

    void findAgainWalksTheMatchesThenReportsTheEnd()
    {
        start();
        find("berg");
        QCOMPARE(shownName(), QString("Bergwerk"));
        main().action("miFindAgain")->trigger();
        QCOMPARE(shownName(), QString("Bergsee"));
        QCOMPARE(foundIndex(), 2);
        // The link's target holds the position; the hit keeps the linking section.
        QCOMPARE(main().display().LastDisplay.category, QString("caves"));
        const MarkerState linked = main().display().ITEM;
        // Every section is searched, link targets included.
        main().action("miFindAgain")->trigger();
        QCOMPARE(foundIndex(), 3);
        QCOMPARE(main().display().LastDisplay.category, QString("lakes"));
        QCOMPARE(main().display().ITEM.left, linked.left);
        QCOMPARE(main().display().ITEM.top, linked.top);
        main().action("miFindAgain")->trigger();
        QCOMPARE(shownName(), QString("Berghütte"));
        QCOMPARE(main().display().CurrentMap, QString("frostmere"));
        QCOMPARE(foundIndex(), 4);
        QVERIFY(messages().isEmpty());

        main().action("miFindAgain")->trigger();
        main().action("miFindAgain")->trigger();
        QCOMPARE(messages().size(), 2);
        QCOMPARE(messages()[0].toObject(), notFound("berg"));
        QCOMPARE(messages()[1].toObject(), notFound("berg"));
        QCOMPARE(foundIndex(), 4);
        QCOMPARE(shownName(), QString("Berghütte"));
    }

    void failedSearchKeepsThePlaceForFindAgain()
    {
        start();
        find("berg");
        main().action("miFindAgain")->trigger();
        QCOMPARE(foundIndex(), 2);
        find("erz");
        QCOMPARE(messages().size(), 1);
        QCOMPARE(foundIndex(), 2);
        QVERIFY(main().action("miFindAgain")->isEnabled());
        // "Voller Erz." of record 0 lies before the place: find again never wraps around.
        openAndCancel([](frmFind* f) { f->rbDescsOnly->click(); });
        main().action("miFindAgain")->trigger();
        QCOMPARE(messages().size(), 2);
        QCOMPARE(messages()[1].toObject(), notFound("erz"));
        QCOMPARE(foundIndex(), 2);
    }

    void failedSearchThenFindAgainUsesTheNewTermAfterThePreviousMatch()
    {
        // Stored English names are translated once more by the dialog only: "Bear" is shown
        // as "Grizzly" by the dialog's comparison, so "bea" fails there and not in find again.
        const QString data = QStringLiteral(
            "[places]\nBär=10,10\nWolf=20,20\n[caves]\nBär=30,30\n");
        start(data, "English");

        find("griz");
        QCOMPARE(foundIndex(), 0);
        find("bea");
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].toObject(),
                 QJsonObject({{"icon", "information"},
                              {"caption", "Done"},
                              {"text", "No \"bea\" anywhere"}}));
        main().action("miFindAgain")->trigger();
        QCOMPARE(foundIndex(), 2);
        QCOMPARE(main().display().LastDisplay.category, QString("caves"));
        QCOMPARE(main().display().lblMultiInfo.caption, QString("Result: bea "));
    }

    void cancelledModeChangeIsUsedByFindAgain()
    {
        start();
        find("berg", Mode::Names);
        QCOMPARE(foundIndex(), 0);
        openAndCancel([](frmFind* f) { f->rbDescsOnly->click(); });
        QCOMPARE(m_session.search.SearchMode, qint16(1));
        QCOMPARE(m_session.search.SearchTerm, QString("berg"));
        main().action("miFindAgain")->trigger();
        QCOMPARE(shownName(), QString("Alter Bergmann"));
        QCOMPARE(foundIndex(), 1);
    }

    void otherLanguageWithoutDescriptionsSearchesGermanOnes()
    {
        start(kCaldora, "English");
        find("voller", Mode::Descriptions);
        QVERIFY(messages().isEmpty());
        QCOMPARE(shownName(), QString("Mine"));
        QCOMPARE(main().display().lblCaption.caption.trimmed(), QString("Mine"));
    }

    void brokenLinkEndsTheProgram()
    {
        start(QStringLiteral("[places]\nBergwerk=1,1\nQuelle=#,nowhere\n"));
        find("berg");
        QCOMPARE(messages().size(), 1);
        const QJsonObject message = messages()[0].toObject();
        QCOMPARE(message["icon"].toString(), QString("critical"));
        QCOMPARE(message["caption"].toString(), QString("Link Error"));
        QCOMPARE(message["text"].toString(),
                 "DB: " + m_install->file("caldora.data") +
                     "\r\n\r\n[places]\r\nQuelle=#,nowhere\r\n\r\nLink-Target invalid!");
        QVERIFY(main().ended());
        // Nothing was shown after the message.
        QCOMPARE(main().display().InfoSubject, QString());
    }

    void oddCoordinatesStillShowTheEntity()
    {
        start(QStringLiteral("[places]\nA=12abc,\nB=99999,-40000\nC=1e9,abc\n"));
        for (const QString name : {"A", "B", "C"}) {
            find(name);
            QCOMPARE(shownName(), name);
            QVERIFY(main().display().ITEM.visible);
        }
        QVERIFY(messages().isEmpty());
    }
};

QTEST_MAIN(TestFind)
#include "test_find.moc"
