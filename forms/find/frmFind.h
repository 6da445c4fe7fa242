#pragma once
// The find dialog: a term, names or descriptions, and the first match of all five maps for
// the main window to show. The search state outlives the dialog (the session's).
#include "forms/find/FindDialogAutomation.h"
#include "forms/main/Dialogs.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Session;
struct LanguageState;
class MessageService;

class frmFind : public QDialog, public FindDialogAutomation
{
    Q_OBJECT

public:
    // maps: where the first search reads; infoFile: the program folder's description file.
    frmFind(Session& session, QList<MapSource> maps, QString infoFile, MessageService& messages,
            QWidget* parent = nullptr);

    // What the dialog found, for the window that opened it to show.
    const Dialogs::FindResult& result() const { return m_result; }

    // The not-found message for a search term (find again uses it too).
    static void ShowNotFound(MessageService& messages, QWidget* parent, const LanguageState& language,
                             const QString& term);

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

    Session& m_session;
    MessageService& m_messages;
    QList<MapSource> m_maps;
    QString m_infoFile;
    Dialogs::FindResult m_result;
};
