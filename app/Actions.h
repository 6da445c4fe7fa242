#pragma once
// The command line's actions, carried out as a person would; what a person could not do is
// not done and is recorded in errors. Dialogs are answered through their automation
// interfaces.
#include "app/CommandLine.h"

class frmMain;
struct Services;

class BatchActions
{
public:
    BatchActions(frmMain& main, Services& services) : m_main(main), m_services(services) {}

    void run(const QueuedAction& action);

    // The language dialog that start-up may open picks the row of stem and presses Select.
    static void answerStartupLanguage(Services& services, const QString& stem);

private:
    void refuse(const QString& option, const QString& value, const QString& why);
    bool choose(const QString& name, const QString& option);

    void open(const QString& v);
    void pick(const QString& v);
    void pickIndex(const QString& v);
    void hover(const QString& v);
    void dblclick(const QString& v);
    void clickControl(const QString& v);
    void rightClick(const QString& v);
    void resize(const QString& v);
    void find(const QString& term);
    void findCancel();
    void perks(const QString& v);
    void language(const QString& stem);
    void extras(const QString& file);
    void print(const QString& v);
    void about();
    void zoom(const QString& v);
    void pan(const QString& v);
    void findAll(const QString& term);
    void showResult(const QString& row);
    void mark(const QString& option, const QString& v, bool found);
    void markName(const QString& option, const QString& v, bool found);
    void progressFile(const QString& option, const QString& file, bool import);

    frmMain& m_main;
    Services& m_services;
    QString m_findMode;   // --find-mode: clicked in the next find dialog
    QString m_importMode; // --import-mode: how the next import goes in
};
