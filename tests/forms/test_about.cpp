// The about box: its music setting, its captions in German and in another language, its
// links, and a fresh link registry at every opening.
#include "controls/Hyperlink.h"
#include "modules/Globals.h"
#include "modules/Session.h"
#include "forms/about/frmAbout.h"
#include "modules/LOCAL.h"
#include "support/RecordedServices.h"
#include "support/TestInstall.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestAbout : public QObject
{
    Q_OBJECT

    Session m_session;
    std::unique_ptr<Services> m_services = RecordingServices();

private:
    TestInstall* m_install = nullptr;

    QJsonArray sounds() const { return m_services->record.sounds(); }

private slots:
    void init()
    {
        m_install = new TestInstall;
        m_session.ProgramFolder = m_install->path();
        m_session.SettingsFile = m_install->file("karvenna.ini");
        m_session.EditionSuffix.clear();
        m_session.language = LanguageState();
        m_session.language.LanguageFolder = m_install->path() + "/LANG/";
        m_services = RecordingServices();
    }
    void cleanup()
    {
        m_services = RecordingServices();
        m_session.EditionSuffix.clear();
        delete m_install;
        m_install = nullptr;
    }

    void music_data()
    {
        QTest::addColumn<QString>("settings");   // empty: no settings file
        QTest::addColumn<bool>("plays");
        QTest::newRow("capitals and blanks") << "[special]\nPlayMusic=  YES  \n" << true;
        QTest::newRow("no") << "[special]\nPlayMusic=no\n" << false;
        QTest::newRow("something else") << "[special]\nPlayMusic=yes please\n" << false;
        QTest::newRow("key missing") << "[special]\nNoLang=no\n" << true;
        QTest::newRow("no settings file") << "" << true;
    }

    void music()
    {
        QFETCH(QString, settings);
        QFETCH(bool, plays);
        if (!settings.isEmpty())
            m_install->writeText("karvenna.ini", settings);
        {
            frmAbout dialog(m_session, *m_services->sound, *m_services->shell);
            QCOMPARE(sounds().size(), plays ? 1 : 0);
            if (plays) {
                QCOMPARE(sounds().at(0)["file"].toString(), m_install->file("karvenna.wav"));
                QCOMPARE(sounds().at(0)["flags"].toInt(), 9);
            }
            dialog.btnOK->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        // Stopped once on unload, only when it was started.
        QCOMPARE(sounds().size(), plays ? 2 : 0);
        if (plays) {
            QCOMPARE(sounds().at(1)["file"].toString(), QString());
            QCOMPARE(sounds().at(1)["flags"].toInt(), 1);
        }
    }

    void closingStopsTheMusic()
    {
        {
            frmAbout dialog(m_session, *m_services->sound, *m_services->shell);
            dialog.show();
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QCOMPARE(sounds().size(), 2);
        }
        QCOMPARE(sounds().size(), 2);
    }

    void germanTexts_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("caption");
        QTest::newRow("no suffix") << "" << "Über Karvenna ";
        QTest::newRow("lite") << "Lite" << "Über Karvenna Lite";
    }

    void germanTexts()
    {
        QFETCH(QString, suffix);
        QFETCH(QString, caption);
        m_session.EditionSuffix = suffix;
        frmAbout dialog(m_session, *m_services->sound, *m_services->shell);
        QCOMPARE(dialog.windowTitle(), caption);
        QCOMPARE(dialog.lblTitle->text(), Globals::ProductTitle());
        QCOMPARE(dialog.lblVersion->text(), "Version: " + m_session.VersionText() + " " + suffix);
        QCOMPARE(dialog.lblCopyright->text(), Globals::LegalNotice());
        QCOMPARE(dialog.lblDescription->text(), Globals::FileDescription());
        QCOMPARE(dialog.lblEMailLabel->text(), QStringLiteral("eMail:"));
        QVERIFY(dialog.lblThanksTo->text().startsWith("Special Thanks to: "));
        QVERIFY(!dialog.lblDisclaimer->text().isEmpty());
        QVERIFY(!dialog.lblSources->text().isEmpty());
    }

    void otherLanguage()
    {
        m_install->writeText("LANG/English/English.lng",
                             "[general]\nlanguage=English\n[frmAbout]\ncaption=About\n"
                             "email=Mail:\ndisclaimer=Free for non-commercial use.\n");
        LanguageState& s = m_session.language;
        s.LanguageName = "English";
        s.LanguageStem = "English";
        s.LanguageFile = LOCAL::LanguageFileOf(m_session.language, "English");
        m_session.EditionSuffix = "Lite";

        frmAbout dialog(m_session, *m_services->sound, *m_services->shell);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Karvenna"));
        QCOMPARE(dialog.lblEMailLabel->text(), QStringLiteral("Mail:"));
        QCOMPARE(dialog.lblDisclaimer->text(), QStringLiteral("Free for non-commercial use."));
        // No English defaults: absent keys leave the labels empty.
        QCOMPARE(dialog.lblWebSiteLabel->text(), QString());
        QCOMPARE(dialog.lblDescription->text(), QString());
        QCOMPARE(dialog.lblThanksTo->text(), QString());
        // The version line keeps the suffix; the links are never translated.
        QVERIFY(dialog.lblVersion->text().endsWith(" Lite"));
        QVERIFY(dialog.lblEMail->target().startsWith("mailto:"));
    }

    void missingLanguageFileEmptiesTheCaption()
    {
        LanguageState& s = m_session.language;
        s.LanguageName = "Gone";
        s.LanguageFile = m_install->file("LANG/Gone/Gone.lng");
        frmAbout dialog(m_session, *m_services->sound, *m_services->shell);
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Karvenna"));
    }

    void secondOpeningStartsClean()
    {
        { frmAbout first(m_session, *m_services->sound, *m_services->shell); }
        frmAbout second(m_session, *m_services->sound, *m_services->shell);
        const auto& entries = second.Links().entries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(0).LinkLabel.data(), static_cast<QLabel*>(second.lblEMail));
        QCOMPARE(entries.at(1).LinkLabel.data(), static_cast<QLabel*>(second.lblWebSite));
        QCOMPARE(second.Links().linkHost(), &second);
    }

    void linksOpenTheirTargets()
    {
        frmAbout dialog(m_session, *m_services->sound, *m_services->shell);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.lblEMail, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(dialog.lblWebSite, Qt::LeftButton, {}, QPoint(3, 3));
        const QJsonArray shell = m_services->record.shell();
        QCOMPARE(shell.size(), 2);
        QCOMPARE(shell.at(0)["target"].toString(), "mailto:" + dialog.lblEMail->text());
        QCOMPARE(shell.at(1)["target"].toString(), dialog.lblWebSite->text());
        QVERIFY(dialog.lblWebSite->text().contains("://"));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
