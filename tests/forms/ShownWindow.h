#pragma once
// The main window as the program starts it on a test installation of one map, shown on the
// screen and answering in German, for tests that point at it.
#include "forms/main/frmMain.h"
#include "modules/Session.h"
#include "support/TestInstall.h"

#include <QtTest>
#include <memory>

// Null when the installation does not load or the window is never exposed.
inline std::unique_ptr<frmMain> StartShownWindow(Session& session, Services& services,
                                                 TestInstall& install, const QString& caldora,
                                                 const QString& info)
{
    install.writeMinimalInstallation(caldora, "[general]\nlanguage=\n");
    install.writeText("info.data", info);
    install.writeText("registry.ini",
                      "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
    qputenv("KARVENNA_REGISTRY", install.file("registry.ini").toUtf8());
    session.ProgramFolder = install.path();
    session.language.LanguageName = QStringLiteral("Deutsch");
    auto main = std::make_unique<frmMain>(session, services);
    main->Create();
    if (!main->Load())
        return nullptr;
    main->show();
    if (!QTest::qWaitForWindowExposed(main.get()))
        return nullptr;
    return main;
}

// Caldora's caves (the test installation's only map), all at once or as a list to pick from.
inline void ShowCaldoraCaves(frmMain& main, bool asList, bool hideLabels = false)
{
    const MapFiles& caldora = main.maps()[0];
    if (asList)
        main.Change(caldora.picture, caldora.dataFile, "caves");
    else
        main.ChangeMulti(caldora.picture, caldora.dataFile, "caves", "&Caldora: &Höhlen", hideLabels);
}
