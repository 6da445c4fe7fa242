#pragma once
// The perk dialog: the perks taught in one region as a tree; Show marks a perk's teachers
// on the main window's map.
#include "forms/perks/PerksDialogAutomation.h"

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;
class frmMain;
struct PerkTree;

class frmPerks : public QDialog, public PerksDialogAutomation
{
    Q_OBJECT

public:
    // Loads the tree for the region whose map data file is dataFile.
    frmPerks(frmMain& main, const QString& dataFile, QWidget* parent = nullptr);

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

    frmMain& m_main;
    QString m_dataFile;
};
