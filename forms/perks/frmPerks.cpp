#include "forms/perks/frmPerks.h"
#include "controls/TwipsGeometry.h"
#include "modules/perks/PerkCatalogue.h"
#include "forms/perks/TeacherLookup.h"

#include <QHash>
#include <QIcon>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int KeyRole = Qt::UserRole;
constexpr int PictureRole = Qt::UserRole + 1;

// Node pictures by number: groups 1 to 7, perks 8, root 9.
QIcon nodeIcon(int picture)
{
    static const char* const names[] = {"fighting", "hunting", "magic", "smith", "thief",
                                        "alchemy",  "other",   "perk",  "root"};
    if (picture < 1 || picture > 9)
        return QIcon();
    return QIcon(QStringLiteral(":/perks/%1.png").arg(QLatin1String(names[picture - 1])));
}

} // namespace

frmPerks::frmPerks(LanguageState& language, const QString& dataFile, QWidget* parent)
    : QDialog(parent), m_language(language), m_dataFile(dataFile)
{
    setObjectName(QStringLiteral("frmPerks"));
    setWindowTitle(QStringLiteral("<perks>"));

    tvPerks = new QTreeWidget(this);
    tvPerks->setObjectName(QStringLiteral("tvPerks"));
    tvPerks->setHeaderHidden(true);
    tvPerks->setColumnCount(1);
    tvPerks->setSelectionMode(QAbstractItemView::SingleSelection);
    // A double click shows a perk's teachers; on the root and groups it only folds them.
    tvPerks->setExpandsOnDoubleClick(true);
    TwipsGeometry::Place(tvPerks, 120, 120, 5655, 7335);

    btnShow = new QPushButton(QStringLiteral("An&zeigen"), this);
    btnShow->setObjectName(QStringLiteral("btnShow"));
    btnShow->setDefault(true);
    TwipsGeometry::Place(btnShow, 2880, 7680, 1335, 375);

    btnAbort = new QPushButton(QStringLiteral("&Abbrechen"), this);
    btnAbort->setObjectName(QStringLiteral("btnAbort"));
    TwipsGeometry::Place(btnAbort, 4440, 7680, 1335, 375);

    setFixedSize(TwipsGeometry::ToPixels(0, 0, 120 + 5655 + 120, 7680 + 375 + 120).size());

    connect(btnShow, &QPushButton::clicked, this, &frmPerks::btnShow_Click);
    connect(btnAbort, &QPushButton::clicked, this, &frmPerks::btnAbort_Click);
    connect(tvPerks, &QTreeWidget::itemDoubleClicked, this, &frmPerks::btnShow_Click);

    Form_Load();
}

void frmPerks::Form_Load()
{
    fillTree(PerkCatalogue::Load(m_language, m_dataFile));
}

void frmPerks::fillTree(const PerkTree& tree)
{
    setWindowTitle(tree.caption);
    btnShow->setText(tree.showCaption);
    btnAbort->setText(tree.abortCaption);

    tvPerks->clear();
    QHash<QString, QTreeWidgetItem*> byKey;
    for (const PerkNode& node : tree.nodes) {
        QTreeWidgetItem* parent = byKey.value(node.parent);
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tvPerks);
        item->setText(0, node.text);
        item->setData(0, KeyRole, node.key);
        item->setData(0, PictureRole, node.picture);
        item->setIcon(0, nodeIcon(node.picture));
        if (node.bold) {
            QFont font = item->font(0);
            font.setBold(true);
            item->setFont(0, font);
        }
        byKey.insert(node.key, item);
    }
    tvPerks->expandAll();
}

bool frmPerks::selectNode(const QString& key)
{
    for (QTreeWidgetItemIterator it(tvPerks); *it; ++it) {
        if ((*it)->data(0, KeyRole).toString() == key) {
            tvPerks->setCurrentItem(*it);
            return true;
        }
    }
    return false;
}

void frmPerks::btnShow_Click()
{
    const QList<QTreeWidgetItem*> selected = tvPerks->selectedItems();
    if (selected.isEmpty())
        return;
    const QTreeWidgetItem* node = selected.first();
    const QString key = node->data(0, KeyRole).toString();
    if (!TeacherLookup::IsPerkKey(key))
        return;

    m_choice = Choice{key, TeacherLookup::Caption(m_language, m_dataFile, node->text(0))};
    accept();
}

void frmPerks::btnAbort_Click()
{
    reject();
}

void frmPerks::pressShow() { btnShow->click(); }
void frmPerks::cancel() { btnAbort->click(); }
