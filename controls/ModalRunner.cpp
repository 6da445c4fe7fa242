#include "controls/ModalRunner.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHash>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

QJsonArray treeNodes(const QTreeWidget* tree)
{
    QJsonArray nodes;
    std::function<void(const QTreeWidgetItem*)> walk = [&](const QTreeWidgetItem* item) {
        const QTreeWidgetItem* parent = item->parent();
        nodes.append(QJsonObject{
            {"key", item->data(0, Qt::UserRole).toString()},
            {"text", item->text(0)},
            {"parent", parent ? parent->data(0, Qt::UserRole).toString() : QString()},
            {"bold", item->font(0).bold()},
            {"picture", item->data(0, Qt::UserRole + 1).toInt()},
        });
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i));
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        walk(tree->topLevelItem(i));
    return nodes;
}

QJsonObject dumpWidget(const QWidget* w, const QWidget* top)
{
    QJsonObject o{{"visible", w->isVisibleTo(top)}, {"enabled", w->isEnabled()}};
    if (auto* radio = qobject_cast<const QRadioButton*>(w)) {
        o["caption"] = radio->text();
        o["value"] = radio->isChecked();
    } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        o["caption"] = button->text();
    } else if (auto* label = qobject_cast<const QLabel*>(w)) {
        o["caption"] = label->text();
    } else if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
        o["text"] = edit->text();
    } else if (auto* text = qobject_cast<const QTextEdit*>(w)) {
        o["text"] = text->toPlainText().replace('\n', QStringLiteral("\r\n"));
    } else if (auto* plain = qobject_cast<const QPlainTextEdit*>(w)) {
        o["text"] = plain->toPlainText().replace('\n', QStringLiteral("\r\n"));
    } else if (auto* group = qobject_cast<const QGroupBox*>(w)) {
        o["caption"] = group->title();
    } else if (auto* combo = qobject_cast<const QComboBox*>(w)) {
        QJsonArray items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        o["items"] = items;
        o["selected"] = combo->currentIndex();
        o["text"] = combo->currentText();
    } else if (auto* tree = qobject_cast<const QTreeWidget*>(w)) {
        o["nodes"] = treeNodes(tree);
        const QTreeWidgetItem* current = tree->currentItem();
        o["selected"] = current ? current->data(0, Qt::UserRole).toString() : QString();
    } else if (auto* list = qobject_cast<const QListWidget*>(w)) {
        QJsonArray items;
        for (int i = 0; i < list->count(); ++i)
            items.append(list->item(i)->text());
        o["items"] = items;
        o["selected"] = list->currentRow();
    }
    const QVariant picture = w->property("picturePath");
    if (picture.isValid())
        o["picture"] = picture.toString();
    if (w->metaObject()->indexOfMethod("automationState()") >= 0) {
        QJsonObject extra;
        QMetaObject::invokeMethod(const_cast<QWidget*>(w), "automationState",
                                  Qt::DirectConnection, Q_RETURN_ARG(QJsonObject, extra));
        for (auto it = extra.begin(); it != extra.end(); ++it)
            o[it.key()] = it.value();
    }
    return o;
}

} // namespace

QJsonObject ModalRunner::DumpControls(const QWidget* dialog)
{
    QJsonObject controls;
    const auto children = dialog->findChildren<QWidget*>();
    for (const QWidget* w : children) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        controls[name] = dumpWidget(w, dialog);
    }
    return controls;
}

QJsonObject ModalRunner::DumpDialog(const QDialog* dialog)
{
    return QJsonObject{{"name", dialog->objectName()},
                       {"caption", dialog->windowTitle()},
                       {"controls", DumpControls(dialog)}};
}

int DesktopDialogs::run(QDialog* dialog) { return dialog->exec(); }

void RecordingDialogs::answerNext(const QString& dialogName, Answer answer)
{
    m_answers.insert(dialogName, std::move(answer));
}

int RecordingDialogs::run(QDialog* dialog)
{
    QJsonObject record = ModalRunner::DumpDialog(dialog);
    const Answer answer = m_answers.take(dialog->objectName());
    dialog->setResult(-1);
    if (answer)
        answer(dialog);
    // A dialog that the answer left open is cancelled, as a person closing it would.
    if (dialog->result() == -1)
        dialog->reject();
    QJsonObject closed = ModalRunner::DumpDialog(dialog);
    closed.remove("name");
    closed["result"] = dialog->result();
    record["closed"] = closed;
    m_record.recordDialog(record);
    return dialog->result();
}
