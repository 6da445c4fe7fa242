#include "forms/profiles/frmProfiles.h"

#include "modules/progress/ProgressStore.h"
#include "modules/progress/ProgressTexts.h"

#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

frmProfiles::frmProfiles(const LanguageState& language, ProgressStore& store, QWidget* parent)
    : QDialog(parent), m_language(language), m_store(store)
{
    setObjectName(QStringLiteral("mxProfiles"));
    setModal(true);
    setWindowTitle(text("ProfilesCaption"));

    auto* layout = new QGridLayout(this);
    auto* label = new QLabel(text("ProfilesLabel"), this);
    label->setObjectName(QStringLiteral("mxProfileLabel"));
    layout->addWidget(label, 0, 0, 1, 2);
    mxProfileList = new QListWidget(this);
    mxProfileList->setObjectName(QStringLiteral("mxProfileList"));
    label->setBuddy(mxProfileList);
    layout->addWidget(mxProfileList, 1, 0);
    mxProfileCurrent = new QLabel(this);
    mxProfileCurrent->setObjectName(QStringLiteral("mxProfileCurrent"));
    layout->addWidget(mxProfileCurrent, 2, 0, 1, 2);

    auto* buttons = new QVBoxLayout;
    const auto button = [this, buttons](const char* name, const char* key) {
        auto* b = new QPushButton(text(key), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    mxProfileUse = button("mxProfileUse", "ProfileUse");
    mxProfileNew = button("mxProfileNew", "ProfileNew");
    mxProfileRename = button("mxProfileRename", "ProfileRename");
    mxProfileDelete = button("mxProfileDelete", "ProfileDelete");
    buttons->addSpacing(12);
    mxProfileExport = button("mxProfileExport", "ProfileExport");
    mxProfileImport = button("mxProfileImport", "ProfileImport");
    buttons->addStretch();
    mxProfileClose = button("mxProfileClose", "ProfileClose");
    layout->addLayout(buttons, 1, 1);

    connect(mxProfileUse, &QPushButton::clicked, this, [this] { report(useSelected()); });
    connect(mxProfileList, &QListWidget::itemDoubleClicked, this, [this] { report(useSelected()); });
    connect(mxProfileNew, &QPushButton::clicked, this, &frmProfiles::askNew);
    connect(mxProfileRename, &QPushButton::clicked, this, &frmProfiles::askRename);
    connect(mxProfileDelete, &QPushButton::clicked, this, &frmProfiles::askDelete);
    connect(mxProfileExport, &QPushButton::clicked, this, &frmProfiles::askExport);
    connect(mxProfileImport, &QPushButton::clicked, this, &frmProfiles::askImport);
    connect(mxProfileClose, &QPushButton::clicked, this, &QDialog::accept);
    refill();
    resize(420, 300);
}

QString frmProfiles::text(const char* key, const QString& value) const
{
    return ProgressTexts::Text(m_language, key, value);
}

QString frmProfiles::selected() const
{
    const QListWidgetItem* item = mxProfileList->currentItem();
    return item ? item->text() : QString();
}

void frmProfiles::refill()
{
    const QString keep = selected().isEmpty() ? m_store.currentProfile() : selected();
    mxProfileList->clear();
    for (const QString& name : m_store.profiles()) {
        auto* item = new QListWidgetItem(name, mxProfileList);
        if (name == m_store.currentProfile()) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    if (!select(keep))
        select(m_store.currentProfile());
    mxProfileCurrent->setText(text("ProfileCurrent", m_store.currentProfile()));
    // The last profile stays: there is always one to mark in.
    mxProfileDelete->setEnabled(mxProfileList->count() > 1);
}

bool frmProfiles::select(const QString& name)
{
    const QList<QListWidgetItem*> rows = mxProfileList->findItems(name, Qt::MatchExactly);
    if (rows.isEmpty())
        return false;
    mxProfileList->setCurrentItem(rows.first());
    return true;
}

bool frmProfiles::report(bool ok)
{
    if (!ok)
        QMessageBox::warning(this, text("ProfilesCaption"), text("ProfileError", m_store.lastError()));
    refill();
    return ok;
}

bool frmProfiles::createProfile(const QString& name)
{
    // A new character starts at once.
    const bool ok = m_store.createProfile(name) && m_store.switchProfile(name.trimmed());
    refill();
    select(m_store.currentProfile());
    return ok;
}

bool frmProfiles::renameSelected(const QString& to)
{
    const bool ok = m_store.renameProfile(selected(), to);
    if (ok)
        mxProfileList->clearSelection();
    refill();
    select(to.trimmed());
    return ok;
}

bool frmProfiles::deleteSelected()
{
    const bool ok = m_store.deleteProfile(selected());
    mxProfileList->setCurrentItem(nullptr);
    refill();
    return ok;
}

bool frmProfiles::useSelected()
{
    const bool ok = !selected().isEmpty() && m_store.switchProfile(selected());
    refill();
    return ok;
}

bool frmProfiles::exportTo(const QString& file) { return m_store.exportTo(file); }

bool frmProfiles::importFrom(const QString& file, bool replace)
{
    const bool ok = m_store.importFrom(file, replace ? ProgressStore::ImportMode::Replace
                                                     : ProgressStore::ImportMode::Merge);
    refill();
    return ok;
}

void frmProfiles::askNew()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, text("ProfilesCaption"), text("ProfileName"),
                                               QLineEdit::Normal, QString(), &ok);
    if (ok)
        report(createProfile(name));
}

void frmProfiles::askRename()
{
    if (selected().isEmpty())
        return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, text("ProfilesCaption"), text("ProfileName"),
                                               QLineEdit::Normal, selected(), &ok);
    if (ok && name != selected())
        report(renameSelected(name));
}

void frmProfiles::askDelete()
{
    if (selected().isEmpty())
        return;
    QMessageBox confirm(QMessageBox::Question, text("ProfilesCaption"),
                        text("ProfileDeleteConfirm", selected()), QMessageBox::NoButton, this);
    QPushButton* remove = confirm.addButton(text("ProfileDelete"), QMessageBox::DestructiveRole);
    confirm.setDefaultButton(confirm.addButton(text("ProfileCancel"), QMessageBox::RejectRole));
    confirm.exec();
    if (confirm.clickedButton() == remove)
        report(deleteSelected());
}

void frmProfiles::askExport()
{
    const QString file = QFileDialog::getSaveFileName(
        this, text("ProfileExport").remove(u'&'),
        QDir::home().filePath(m_store.currentProfile() + QStringLiteral(".json")),
        text("ProgressFiles"));
    if (!file.isEmpty())
        report(exportTo(file));
}

void frmProfiles::askImport()
{
    const QString file = QFileDialog::getOpenFileName(this, text("ProfileImport").remove(u'&'),
                                                      QDir::homePath(), text("ProgressFiles"));
    if (file.isEmpty())
        return;
    QMessageBox how(QMessageBox::Question, text("ProfilesCaption"), text("ProfileImportHow"),
                    QMessageBox::NoButton, this);
    QPushButton* merge = how.addButton(text("ProfileMerge"), QMessageBox::AcceptRole);
    QPushButton* replace = how.addButton(text("ProfileReplace"), QMessageBox::DestructiveRole);
    how.addButton(text("ProfileCancel"), QMessageBox::RejectRole);
    how.setDefaultButton(merge);
    how.exec();
    if (how.clickedButton() == merge || how.clickedButton() == replace)
        report(importFrom(file, how.clickedButton() == replace));
}
