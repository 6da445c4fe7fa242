#pragma once
// The profiles dialog: one profile per character. Create, rename, use, delete (after asking),
// export the current profile to a file and import one, merging or replacing.
#include <QDialog>

class ProgressStore;
class QLabel;
class QListWidget;
class QPushButton;
struct LanguageState;

class frmProfiles : public QDialog
{
    Q_OBJECT

public:
    frmProfiles(const LanguageState& language, ProgressStore& store, QWidget* parent = nullptr);

    // What the buttons do once their questions are answered (tests drive these).
    bool createProfile(const QString& name);
    bool renameSelected(const QString& to);
    bool deleteSelected();
    bool useSelected();
    bool exportTo(const QString& file);
    bool importFrom(const QString& file, bool replace);
    // Selects the row of a profile; false when there is none.
    bool select(const QString& name);

    QLabel* mxProfileCurrent = nullptr;
    QListWidget* mxProfileList = nullptr;
    QPushButton* mxProfileNew = nullptr;
    QPushButton* mxProfileRename = nullptr;
    QPushButton* mxProfileDelete = nullptr;
    QPushButton* mxProfileUse = nullptr;
    QPushButton* mxProfileExport = nullptr;
    QPushButton* mxProfileImport = nullptr;
    QPushButton* mxProfileClose = nullptr;

private:
    QString text(const char* key, const QString& value = {}) const;
    QString selected() const;
    void refill();
    bool report(bool ok);
    void askNew();
    void askRename();
    void askDelete();
    void askExport();
    void askImport();

    const LanguageState& m_language;
    ProgressStore& m_store;
};
