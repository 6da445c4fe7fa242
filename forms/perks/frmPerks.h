#pragma once
// The perk dialog: the perks taught in one region as a tree; Show chooses a perk, whose
// teachers the main window then marks on its map.
#include "forms/perks/PerksDialogAutomation.h"
#include <QDialog>
#include <optional>

class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;
struct LanguageState;
struct PerkTree;

class frmPerks : public QDialog, public PerksDialogAutomation
{
    Q_OBJECT

public:
    // Loads the tree for the region whose map data file is dataFile.
    frmPerks(LanguageState& language, const QString& dataFile, QWidget* parent = nullptr);

    struct Choice
    {
        QString key;      // the perk's section
        QString caption;  // the heading over its teachers
    };
    // The perk that Show chose; nothing while none was.
    const std::optional<Choice>& choice() const { return m_choice; }

    // Selects the node with this key; false when there is none.
    bool selectNode(const QString& key) override;
    void pressShow() override;
    void cancel() override;

    QTreeWidget* tvPerks = nullptr;
    QPushButton* btnShow = nullptr;
    QPushButton* btnAbort = nullptr;

private:
    void Form_Load();
    void fillTree(const PerkTree& tree);
    void btnShow_Click();
    void btnAbort_Click();

    LanguageState& m_language;
    QString m_dataFile;
    std::optional<Choice> m_choice;
};
