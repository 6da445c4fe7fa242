#pragma once
// The find dialog: a term, names or descriptions, and the first match of all five maps shown
// on the main window. The search state outlives the dialog (SearchState).
#include "forms/find/FindDialogAutomation.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class frmMain;

class frmFind : public QDialog, public FindDialogAutomation
{
    Q_OBJECT

public:
    explicit frmFind(frmMain& main);

    // Shows record index of the search cache on the main window (find again uses it too).
    static void Display(frmMain& main, int index);
    // The not-found message for the current search term.
    static void ShowNotFound(frmMain& main);

    // Controls, public for the batch driver.
    QLabel* lblFind = nullptr;
    QLineEdit* txtFind = nullptr;
    QGroupBox* fraOptions = nullptr;
    QRadioButton* rbNamesOnly = nullptr;
    QRadioButton* rbDescsOnly = nullptr;
    QPushButton* btnFind = nullptr;
    QPushButton* btnAbort = nullptr;

    void chooseMode(Mode mode) override;
    void enterTerm(const QString& term) override;
    bool pressFind() override;
    void cancel() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void ApplyLanguageTexts();
    void FitTexts();
    void txtFind_Change();
    void btnFind_Click();
    // Fills the cache on the first search; false when a broken link ended the program.
    bool EnsureCache();

    frmMain& m_main;
};
