// The perk dialog: the region's caption, which nodes Show accepts, and what Show does for a
// node. The tree's contents are the catalogue's (tests/modules/perks).
#include "controls/ModalRunner.h"
#include "modules/Session.h"
#include "forms/main/frmMain.h"
#include "modules/perks/PerkCatalogue.h"
#include "forms/perks/TeacherLookup.h"
#include "forms/perks/frmPerks.h"
#include "modules/LOCAL.h"
#include "support/RecordedServices.h"
#include "support/TestInstall.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <array>
#include <memory>

namespace {

QTreeWidgetItem* nodeOf(QTreeWidget* tree, const QString& key)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == key)
            return *it;
    return nullptr;
}

void doubleClick(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    const QPoint at = tree->visualItemRect(item).center();
    // A double click is a click followed by the second press.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

const QString kCaldoraPerks = QStringLiteral(
    "[places]\nOrt=10,10\n"
    "[perk archer]\nBogner=100,200\nJägerin=#places\n"
    "[perk sleep]\nMagier=300,300,*\n");

} // namespace

class TestPerks : public QObject
{
    Q_OBJECT

    Session m_session;
    std::unique_ptr<Services> m_services = RecordingServices();

private:
    TestInstall m_install;

    void useGerman() { m_session.language = LanguageState(); }

    // A loaded main window on an installation in folder (relative to the test's folder).
    std::unique_ptr<frmMain> openMain(const QString& folder, const QString& settings = {})
    {
        m_install.writeText(folder + "/caldora.data", kCaldoraPerks);
        for (const QString& id : TestInstall::mapIds().mid(1)) {
            m_install.writeText(folder + "/" + id + ".data",
                                "[places]\nOrt=10,10\n[perk archer]\nSchütze=50,60\n");
        }
        for (const QString& id : TestInstall::mapIds())
            m_install.writePicture(folder + "/" + id + ".jpg", 256, 192);
        if (!settings.isEmpty())
            m_install.writeText(folder + "/karvenna.ini", settings);
        m_session.ProgramFolder = m_install.file(folder);
        auto main = std::make_unique<frmMain>(m_session, *m_services);
        main->Create();
        if (!main->Load())
            return nullptr;
        return main;
    }

    // The perk menu entry of a map, answered with the perk's Show (or a double click on it).
    void showTeachers(frmMain& main, const char* menuEntry, const QString& key,
                      bool byDoubleClick = false)
    {
        m_services->dialogs->answerNext("frmPerks", [key, byDoubleClick](QDialog* d) {
            auto* dialog = qobject_cast<frmPerks*>(d);
            QVERIFY(dialog && dialog->selectNode(key));
            if (byDoubleClick) {
                dialog->show();
                doubleClick(dialog->tvPerks, nodeOf(dialog->tvPerks, key));
            } else {
                dialog->btnShow->click();
            }
        });
        main.action(menuEntry)->trigger();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_install.isValid());
        // A German system: start-up asks for no language.
        m_install.writeText("registry.ini",
                            "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
        qputenv("KARVENNA_REGISTRY", m_install.file("registry.ini").toLocal8Bit());
    }
    void init()
    {
        useGerman();
        m_services = RecordingServices();
        m_services->dialogs->clearAnswers();
    }

    // --- region and teacher caption -------------------------------------------------------

    void regionRule_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("german");
        QTest::addColumn<QString>("english");
        QTest::newRow("Caldora") << "/opt/k/caldora.data" << "Caldora"
                                 << "Caldora: Lehrer für Eiswelle" << "Caldora teachers: Eiswelle";
        QTest::newRow("Frostmere") << "/opt/k/frostmere.data" << "Frostmere"
                                   << "Frostmere: Lehrer für Eiswelle" << " Eiswelle";
        QTest::newRow("Qasira") << "/opt/k/qasira.data" << "Qasira"
                                << "Qasira: Lehrer für Eiswelle" << "Qasira teachers: Eiswelle";
        QTest::newRow("last of two wins") << "/opt/qasira.data.d/caldora.data" << "Qasira"
                                          << "Qasira: Lehrer für Eiswelle"
                                          << "Qasira teachers: Eiswelle";
        QTest::newRow("frostmere after caldora") << "/caldora.data/frostmere.data" << "Frostmere"
                                                 << "Frostmere: Lehrer für Eiswelle"
                                                 << " Eiswelle";
        QTest::newRow("case counts") << "/opt/k/Caldora.data" << "" << "" << "";
        QTest::newRow("other map") << "/opt/k/urkesh.data" << "" << "" << "";
    }
    void regionRule()
    {
        QFETCH(QString, path);
        QTEST(PerkCatalogue::RegionOf(path), "region");
        QTEST(TeacherLookup::Caption(m_session.language, path, "Eiswelle"), "german");
        // No "FrostmereTeachersFor" key: a blank, then the text.
        m_install.useLanguageFile(m_session.language, "LANG/Captions/Captions.lng",
                                  "[frmPerks]\nCaldoraTeachersFor=Caldora teachers:\n"
                                  "QasiraTeachersFor=Qasira teachers:\n");
        QTEST(TeacherLookup::Caption(m_session.language, path, "Eiswelle"), "english");
    }

    void perkKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("perk");
        QTest::newRow("nothing") << "" << false;
        QTest::newRow("root") << "root" << false;
        QTest::newRow("group") << "f" << false;
        QTest::newRow("perk") << "perk sleep" << true;
    }
    void perkKeys()
    {
        QFETCH(QString, key);
        QTEST(TeacherLookup::IsPerkKey(key), "perk");
    }

    void teacherPicture_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain folder") << "games/karvenna";
        QTest::newRow("folder containing data") << "share/data/karvenna";
        QTest::newRow("metadata in a name") << "metadata-files";
    }
    void teacherPicture()
    {
        QFETCH(QString, folder);
        for (const QString& id : TestInstall::mapIds()) {
            m_install.writeText(folder + "/" + id + ".data", "[places]\nOrt=1,1\n");
            m_install.writePicture(folder + "/" + id + ".jpg", 16, 12);
        }
        const QString home = m_install.file(folder);
        const Installation installation(home);
        const auto shown = [&](const QString& dataFile) {
            QList<MapSource> maps;
            for (const MapFiles& map : installation.maps())
                maps.append({map.dataFile, map.picture});
            return QFileInfo(TeacherLookup::Picture(dataFile, maps)).canonicalFilePath();
        };
        const auto picture = [&](const QString& id) {
            return QFileInfo(home + "/" + id + ".jpg").canonicalFilePath();
        };
        QCOMPARE(shown(home + "/frostmere.data"), picture("frostmere"));
        QCOMPARE(shown(home + "/qasira.data"), picture("qasira"));
        // The same map reached by another spelling of the folder.
        QCOMPARE(shown(home + "/./caldora.data"), picture("caldora"));
    }
    // --- the dialog -----------------------------------------------------------------------

    void dialogShowsTheExpandedTree()
    {
        auto main = openMain("dialog");
        QVERIFY(main);
        frmPerks dialog(m_session.language, main->maps()[0].dataFile);
        QCOMPARE(dialog.objectName(), QStringLiteral("frmPerks"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Lehrer für Perks in Caldora"));
        QCOMPARE(dialog.btnShow->text(), QStringLiteral("An&zeigen"));
        QCOMPARE(dialog.btnAbort->text(), QStringLiteral("&Abbrechen"));
        QCOMPARE(dialog.tvPerks->topLevelItemCount(), 1);
        QTreeWidgetItem* root = dialog.tvPerks->topLevelItem(0);
        QCOMPARE(root->data(0, Qt::UserRole).toString(), QStringLiteral("root"));
        QCOMPARE(root->data(0, Qt::UserRole + 1).toInt(), 9);
        QVERIFY(root->font(0).bold());
        QCOMPARE(root->childCount(), 7);
        QTreeWidgetItem* archer = nodeOf(dialog.tvPerks, "perk archer");
        QVERIFY(archer);
        QCOMPARE(archer->parent()->data(0, Qt::UserRole).toString(), QStringLiteral("h"));
        QCOMPARE(archer->data(0, Qt::UserRole + 1).toInt(), 8);
        QVERIFY(!archer->font(0).bold());
        QVERIFY(root->isExpanded() && archer->parent()->isExpanded());
        for (QTreeWidgetItemIterator it(dialog.tvPerks); *it; ++it)
            QVERIFY(!(*it)->icon(0).isNull());
    }

    void showWithoutAPerkKeepsTheDialogOpen_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("byDoubleClick");
        QTest::newRow("nothing selected") << "" << false;
        QTest::newRow("root, Show") << "root" << false;
        QTest::newRow("group, Show") << "h" << false;
        QTest::newRow("root, double click") << "root" << true;
        QTest::newRow("group, double click") << "m" << true;
    }
    void showWithoutAPerkKeepsTheDialogOpen()
    {
        QFETCH(QString, key);
        QFETCH(bool, byDoubleClick);
        auto main = openMain("group");
        QVERIFY(main);
        main->ChangeMulti(main->maps()[3].picture, main->maps()[3].dataFile, "places", "Ur Kesh", true);
        const LastDisplayRecord before = main->display().LastDisplay;

        frmPerks dialog(m_session.language, main->maps()[0].dataFile);
        dialog.show();
        if (!key.isEmpty())
            QVERIFY(dialog.selectNode(key));
        if (byDoubleClick) {
            QTreeWidgetItem* node = nodeOf(dialog.tvPerks, key);
            doubleClick(dialog.tvPerks, node);
            QVERIFY(!node->isExpanded()); // the double click arrived: it folded the node
        } else {
            dialog.btnShow->click();
        }

        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
        QVERIFY(!dialog.choice());
        QVERIFY(main->display().LastDisplay == before);
        QCOMPARE(main->display().CurrentMap, QStringLiteral("urkesh"));
    }

    void showMarksTheTeachers_data()
    {
        QTest::addColumn<bool>("byDoubleClick");
        QTest::newRow("Show") << false;
        QTest::newRow("double click") << true;
    }
    void showMarksTheTeachers()
    {
        QFETCH(bool, byDoubleClick);
        auto main = openMain("show");
        QVERIFY(main);
        const MapFiles& caldora = main->maps()[0];
        showTeachers(*main, "miCaldoraPerks", "perk archer", byDoubleClick);

        const QJsonObject record = m_services->record.dialogs().first().toObject();
        QCOMPARE(record["closed"]["result"].toInt(), int(QDialog::Accepted));
        const MainDisplay& shown = main->display();
        QCOMPARE(shown.LastDisplay.picture, caldora.picture);
        QCOMPARE(shown.LastDisplay.dataFile, caldora.dataFile);
        QCOMPARE(shown.LastDisplay.category, QStringLiteral("perk archer"));
        QCOMPARE(shown.LastDisplay.caption, QStringLiteral("Caldora: Lehrer für Bogenschütze"));
        QVERIFY(!shown.LastDisplay.hideLabels);
        QCOMPARE(shown.CurrentMap, QStringLiteral("caldora"));
        QCOMPARE(shown.lblMultiInfo.caption, QStringLiteral(" Caldora: Lehrer für Bogenschütze "));
        QVERIFY(shown.DOT[0].visible && shown.DOT[1].visible);
        QVERIFY(shown.lblDOT[0].visible && shown.lblDOT[1].visible);
        QCOMPARE(shown.lblDOT[1].caption, QStringLiteral(" Jägerin "));
    }

    void englishTreeAndCaption()
    {
        m_install.writeText("english/LANG/English/English.lng",
                            "[general]\nlanguage=English\n[entities]\nBogner=Bowyer\n"
                            "[frmPerks]\nQasiraTeachersFor=Qasira - teachers of\n");
        auto main = openMain("english", "[general]\nlanguage=English\n");
        QVERIFY(main);
        QCOMPARE(m_session.language.LanguageName, QStringLiteral("English"));
        {
            frmPerks dialog(m_session.language, main->maps()[2].dataFile);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Perks in Qasira"));
            QCOMPARE(dialog.btnShow->text(), QStringLiteral("Show"));
            QCOMPARE(nodeOf(dialog.tvPerks, "perk archer")->text(0), QStringLiteral("Archer"));
        }
        showTeachers(*main, "miQasiraPerks", "perk archer");
        QCOMPARE(main->display().LastDisplay.caption, QStringLiteral("Qasira - teachers of Archer"));
        QCOMPARE(main->display().LastDisplay.picture, main->maps()[2].picture);
    }

    void installationFolderContainingData()
    {
        auto main = openMain("usr/share/data/karvenna");
        QVERIFY(main);
        const MapFiles& frostmere = main->maps()[1];
        QVERIFY(frostmere.dataFile.contains("/data/"));
        showTeachers(*main, "miFrostmerePerks", "perk archer");
        QCOMPARE(main->display().LastDisplay.picture, frostmere.picture);
        QCOMPARE(main->display().picture, frostmere.picture);
        QCOMPARE(main->display().CurrentMap, QStringLiteral("frostmere"));
        QVERIFY(main->display().DOT[0].visible);
    }

    void menuCommandOpensTheRegionsDialog()
    {
        auto main = openMain("menu");
        QVERIFY(main);
        showTeachers(*main, "miFrostmerePerks", "perk archer");

        QCOMPARE(main->display().LastDisplay.dataFile, main->maps()[1].dataFile);
        QCOMPARE(main->display().LastDisplay.caption, QStringLiteral("Frostmere: Lehrer für Bogenschütze"));
        QCOMPARE(m_services->record.dialogs().size(), 1);
        const QJsonObject record = m_services->record.dialogs().first().toObject();
        QCOMPARE(record["name"].toString(), QStringLiteral("frmPerks"));
        const QJsonArray nodes = record["controls"]["tvPerks"]["nodes"].toArray();
        QCOMPARE(nodes.size(), 9);
        QCOMPARE(nodes[0]["text"].toString(), QStringLiteral("Lehrer in Frostmere"));
        QCOMPARE(nodes[3]["key"].toString(), QStringLiteral("perk archer"));
        QCOMPARE(nodes[3]["parent"].toString(), QStringLiteral("h"));
        QCOMPARE(nodes[3]["picture"].toInt(), 8);
        QCOMPARE(record["closed"]["result"].toInt(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestPerks)
#include "test_perks.moc"
