// The recording dialog and message services that batch mode runs on: what they record, and
// that an answer answers exactly the one dialog it was given for.
#include "controls/MessageBox.h"
#include "controls/ModalRunner.h"

#include <QDialog>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// A dialog with a name, a text field and an OK button that accepts.
class SmallDialog : public QDialog
{
public:
    explicit SmallDialog(const QString& name)
    {
        setObjectName(name);
        setWindowTitle(QStringLiteral("Small"));
        edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("txtValue"));
        ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setObjectName(QStringLiteral("btnOK"));
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }

    QLineEdit* edit;
    QPushButton* ok;
};

} // namespace

class TestRecordingServices : public QObject
{
    Q_OBJECT

private slots:
    void answeredDialogIsRecordedOpenAndClosed()
    {
        BatchRecord record;
        RecordingDialogs dialogs(record);
        dialogs.answerNext("dlgSmall", [](QDialog* d) {
            auto* small = static_cast<SmallDialog*>(d);
            small->edit->setText("typed");
            small->ok->click();
        });
        SmallDialog dialog("dlgSmall");
        QCOMPARE(dialogs.run(&dialog), int(QDialog::Accepted));

        QCOMPARE(record.dialogs().size(), 1);
        const QJsonObject entry = record.dialogs().first().toObject();
        QCOMPARE(entry["name"].toString(), QString("dlgSmall"));
        QCOMPARE(entry["caption"].toString(), QString("Small"));
        QCOMPARE(entry["controls"]["txtValue"]["text"].toString(), QString());
        const QJsonObject closed = entry["closed"].toObject();
        QCOMPARE(closed["result"].toInt(), int(QDialog::Accepted));
        QCOMPARE(closed["controls"]["txtValue"]["text"].toString(), QString("typed"));
        QVERIFY(!closed.contains("name"));
    }

    // Unanswered, answered for another dialog, answered before but used up, or cleared: a
    // person closing the window, i.e. cancelled.
    void dialogWithoutItsAnswerIsCancelled_data()
    {
        QTest::addColumn<QString>("answeredName");
        QTest::addColumn<int>("runsBefore");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("no answer") << "" << 0 << false;
        QTest::newRow("another dialog's") << "dlgOther" << 0 << false;
        QTest::newRow("used by the first run") << "dlgSmall" << 1 << false;
        QTest::newRow("cleared") << "dlgSmall" << 0 << true;
    }

    void dialogWithoutItsAnswerIsCancelled()
    {
        QFETCH(QString, answeredName);
        QFETCH(int, runsBefore);
        QFETCH(bool, cleared);
        BatchRecord record;
        RecordingDialogs dialogs(record);
        if (!answeredName.isEmpty())
            dialogs.answerNext(answeredName, [](QDialog* d) { d->accept(); });
        if (cleared)
            dialogs.clearAnswers();
        for (int i = 0; i < runsBefore; ++i) {
            SmallDialog earlier("dlgSmall");
            QCOMPARE(dialogs.run(&earlier), int(QDialog::Accepted));
        }
        SmallDialog dialog("dlgSmall");
        QCOMPARE(dialogs.run(&dialog), int(QDialog::Rejected));
        QCOMPARE(record.dialogs().size(), runsBefore + 1);
        QCOMPARE(record.dialogs().last()["closed"]["result"].toInt(), int(QDialog::Rejected));
    }

    void messagesAreRecordedInOrder()
    {
        BatchRecord record;
        RecordingMessages messages(record);
        messages.show(nullptr, MessageService::Icon::Stop, "A", "first");
        messages.show(nullptr, MessageService::Icon::Information, "B", "second");
        messages.show(nullptr, MessageService::Icon::Critical, "C", "third");
        QCOMPARE(record.messages().size(), 3);
        const QStringList icons{"stop", "information", "critical"};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(record.messages()[i]["icon"].toString(), icons[i]);
        QCOMPARE(record.messages()[1]["caption"].toString(), QString("B"));
        QCOMPARE(record.messages()[2]["text"].toString(), QString("third"));
    }
};

QTEST_MAIN(TestRecordingServices)
#include "test_recordingservices.moc"
