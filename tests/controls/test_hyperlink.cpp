// Hyperlink labels: the pointer test with its inclusive bounds, the colour switching that
// touches a label only when its state changes, and the registry's dead entries.
#include "controls/Hyperlink.h"
#include "platform/Shell.h"

#include <QGroupBox>
#include <QJsonArray>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

struct Window
{
    QWidget form;
    QGroupBox* frame;
    LinkLabel* email;
    LinkLabel* web;

    Window()
    {
        form.setGeometry(100, 100, 400, 300);
        frame = new QGroupBox(&form);
        frame->setGeometry(20, 30, 300, 200);
        email = new LinkLabel(frame);
        email->setGeometry(10, 40, 120, 16);
        email->setText("karvenna@mail.example");
        email->setTargetPrefix("mailto:");
        web = new LinkLabel(&form);
        web->setGeometry(20, 250, 200, 16);
        web->setText("https://karvenna.example/");
        form.show();
    }
};

QColor textColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

} // namespace

class TestHyperlink : public QObject
{
    Q_OBJECT

private:
    QPoint m_cursor{-1000, -1000};

private slots:
    void init()
    {
        m_cursor = QPoint(-1000, -1000);
        Hyperlink::SetCursorSource([this] { return m_cursor; });
    }
    void cleanup() { Hyperlink::SetCursorSource({}); }

    void cursorOverControl_data()
    {
        QTest::addColumn<QPoint>("offset");   // from the label's top-left corner
        QTest::addColumn<bool>("over");
        QTest::newRow("inside") << QPoint(60, 8) << true;
        QTest::newRow("top left corner") << QPoint(0, 0) << true;
        QTest::newRow("last pixel column") << QPoint(119, 8) << true;
        QTest::newRow("last pixel row") << QPoint(5, 15) << true;
        QTest::newRow("right bound") << QPoint(120, 16) << true;
        QTest::newRow("right of it") << QPoint(121, 8) << false;
        QTest::newRow("below") << QPoint(5, 17) << false;
        QTest::newRow("left of it") << QPoint(-1, 8) << false;
        QTest::newRow("above") << QPoint(5, -1) << false;
    }

    // The label sits in a frame: its rectangle is where it really is on screen.
    void cursorOverControl()
    {
        QFETCH(QPoint, offset);
        QFETCH(bool, over);
        Window w;
        m_cursor = w.email->mapToGlobal(QPoint(0, 0)) + offset;
        QCOMPARE(Hyperlink::IsCursorOverControl(&w.form, w.email), over);
        QVERIFY(!Hyperlink::IsCursorOverControl(&w.form, nullptr));
    }

    void colourFollowsThePointer()
    {
        Window w;
        HyperlinkRegistry links;
        links.HyperLinkWork(&w.form);
        links.CreateHyperlink(&w.form, w.email, Hyperlink::NormalColor, Hyperlink::HoverColor);
        links.CreateHyperlink(&w.form, w.web, Hyperlink::NormalColor, Hyperlink::HoverColor);
        QCOMPARE(links.entries().size(), 2);
        QCOMPARE(links.entries().at(0).CurrentColor, -1);

        links.HyperLinkWork(&w.form);
        QCOMPARE(links.entries().at(0).CurrentColor, qint64(0xFF0000));
        QCOMPARE(textColour(w.email), QColor(0, 0, 255));

        m_cursor = w.email->mapToGlobal(QPoint(3, 3));
        links.HyperLinkWork(&w.form);
        QCOMPARE(links.entries().at(0).CurrentColor, qint64(255));
        QCOMPARE(textColour(w.email), QColor(255, 0, 0));
        QCOMPARE(textColour(w.web), QColor(0, 0, 255));
        QVERIFY(w.email->font().underline());

        // The colour is applied when the state changes, not on every pass.
        Hyperlink::SetLabelColor(w.email, 0x00FF00);
        links.HyperLinkWork(&w.form);
        QCOMPARE(textColour(w.email), QColor(0, 255, 0));

        m_cursor = QPoint(0, 0);
        links.HyperLinkWork(&w.form);
        QCOMPARE(textColour(w.email), QColor(0, 0, 255));
        QCOMPARE(links.entries().at(0).CurrentColor, qint64(0xFF0000));
    }

    void timerDrivesThePasses()
    {
        Window w;
        HyperlinkRegistry links;
        links.HyperLinkWork(&w.form);
        links.CreateHyperlink(&w.form, w.email, Hyperlink::NormalColor, Hyperlink::HoverColor);
        QTimer* timer = w.form.findChild<QTimer*>("tmrLink");
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 5);

        m_cursor = w.email->mapToGlobal(QPoint(1, 1));
        QTRY_COMPARE_WITH_TIMEOUT(textColour(w.email), QColor(255, 0, 0), 1000);
        m_cursor = QPoint(-50, -50);
        QTRY_COMPARE_WITH_TIMEOUT(textColour(w.email), QColor(0, 0, 255), 1000);
    }

    // A second opening of a window finds the first one's links dead and starts afresh.
    void deadEntriesAndSecondOpening()
    {
        HyperlinkRegistry links;
        {
            Window first;
            links.HyperLinkWork(&first.form);
            links.CreateHyperlink(&first.form, first.email, 0xFF0000, 255);
            links.CreateHyperlink(&first.form, first.web, 0xFF0000, 255);
        }
        QCOMPARE(links.entries().size(), 2);

        Window second;
        links.HyperLinkWork(&second.form);
        QVERIFY(links.entries().isEmpty());
        QCOMPARE(links.linkHost(), &second.form);
        links.CreateHyperlink(&second.form, second.email, 0xFF0000, 255);
        links.CreateHyperlink(&second.form, second.web, 0xFF0000, 255);
        QCOMPARE(links.entries().size(), 2);
        QVERIFY(links.entries().at(0).OwnerWindow != 0);
    }

    void deadEntryBesideALiveOne()
    {
        HyperlinkRegistry links;
        Window live;
        auto* other = new Window;
        links.HyperLinkWork(&live.form);
        links.CreateHyperlink(&other->form, other->email, 0xFF0000, 255);
        links.CreateHyperlink(&live.form, live.email, 0xFF0000, 255);
        delete other;
        links.HyperLinkWork(&live.form);
        QCOMPARE(links.entries().size(), 2);
        QCOMPARE(links.entries().at(0).OwnerWindow, quintptr(0));
        QVERIFY(links.entries().at(1).OwnerWindow != 0);
        QVERIFY(live.form.findChild<QTimer*>("tmrLink")->isActive());

        delete live.email;
        live.email = nullptr;
        links.HyperLinkWork(&live.form);   // a vanished label ends the pass quietly
        QCOMPARE(links.entries().size(), 2);
    }

    void timerStopsWhenNothingLives()
    {
        HyperlinkRegistry links;
        Window host;
        {
            Window gone;
            links.HyperLinkWork(&host.form);
            links.CreateHyperlink(&gone.form, gone.email, 0xFF0000, 255);
        }
        QTimer* timer = host.form.findChild<QTimer*>("tmrLink");
        QVERIFY(timer->isActive());
        links.HyperLinkWork(&host.form);
        QVERIFY(!timer->isActive());
        QVERIFY(links.entries().isEmpty());
    }

    void clickOpensTheTarget_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("target");
        QTest::newRow("mail") << "mailto:" << "karvenna@mail.example" << "mailto:karvenna@mail.example";
        QTest::newRow("full address") << "" << "https://karvenna.example/" << "https://karvenna.example/";
        QTest::newRow("host only") << "http://" << "lang.example/fr" << "http://lang.example/fr";
    }

    void clickOpensTheTarget()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, text);
        QFETCH(QString, target);
        BatchRecord record;
        RecordingShell shell(record);
        LinkLabel label;
        label.setTargetPrefix(prefix);
        label.setText(text);
        label.resize(200, 20);
        QObject::connect(&label, &LinkLabel::clicked, &label, [&] { label.open(shell); });
        label.show();
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(record.shell().size(), 1);
        QCOMPARE(record.shell().at(0).toObject().value("target").toString(), target);
        QCOMPARE(label.automationState().value("target").toString(), target);
    }
};

QTEST_MAIN(TestHyperlink)
#include "test_hyperlink.moc"
