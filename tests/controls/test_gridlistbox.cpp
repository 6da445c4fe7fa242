#include "controls/GridListbox.h"

#include <QHeaderView>
#include <QJsonArray>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

namespace {

QPixmap solid(const QColor& colour, int size = 16)
{
    QPixmap p(size, size);
    p.fill(colour);
    return p;
}

QStringList rowTexts(const GridListbox& list)
{
    QStringList texts;
    for (int i = 1; i <= list.ListCount(); ++i)
        texts << list.List(i);
    return texts;
}

} // namespace

class TestGridListbox : public QObject
{
    Q_OBJECT

private slots:
    void pictureBookkeeping_data();
    void pictureBookkeeping();
    void clearKeepsPictures();
    void maskColourIsTransparent();
    void listByIndex_data();
    void listByIndex();
    void textSelectsWholeRow();
    void runTimeSettersAreRefused();
    void rowsAndRemoveItem();
    void sortedByText();
    void enabledRestoresColoursOfLastShow();
    void rowAddedWhileDisabledIsNotGhosted();
    void captionAndHeader();
    void mouseAndKeyEvents();
    void automationState();
};

// Each add is "p" (picture), "n" (no picture) or "r" (a picture the list refuses).
void TestGridListbox::pictureBookkeeping_data()
{
    QTest::addColumn<QString>("adds");
    QTest::addColumn<int>("pictureCount");
    QTest::addColumn<QString>("lastKey");
    QTest::addColumn<QStringList>("rowKeys");

    QTest::newRow("pictures") << "ppp" << 3 << "Key3" << QStringList{"Key1", "Key2", "Key3"};
    QTest::newRow("none leaves the count") << "pnp" << 2 << "Key2" << QStringList{"Key1", "", "Key2"};
    QTest::newRow("only none") << "nn" << 0 << "Key1" << QStringList{"", ""};
    QTest::newRow("refused uses a position") << "prp" << 3 << "Key3" << QStringList{"Key1", "", "Key3"};
}

void TestGridListbox::pictureBookkeeping()
{
    QFETCH(QString, adds);
    QFETCH(int, pictureCount);
    QFETCH(QString, lastKey);
    QFETCH(QStringList, rowKeys);

    GridListbox list;
    const QPixmap picture = solid(Qt::red);
    const QPixmap refused;
    int i = 0;
    for (QChar kind : adds) {
        const QString text = QStringLiteral("row%1").arg(++i);
        if (kind == 'p')
            list.AddItem(text, &picture, text);
        else if (kind == 'r')
            list.AddItem(text, &refused, text);
        else
            list.AddItem(text, nullptr, text);
    }
    QCOMPARE(list.PictureCount(), pictureCount);
    QCOMPARE(list.LastKey(), lastKey);
    QCOMPARE(list.ListCount(), adds.size());
    const QJsonArray items = list.automationState().value("items").toArray();
    QStringList keys;
    for (const auto& item : items)
        keys << item.toObject().value("picture").toString();
    QCOMPARE(keys, rowKeys);
}

void TestGridListbox::clearKeepsPictures()
{
    GridListbox list;
    const QPixmap picture = solid(Qt::blue);
    for (int i = 0; i < 3; ++i)
        list.AddItem(QString::number(i), &picture, QString());
    list.Clear();
    QCOMPARE(list.ListCount(), 0);
    QCOMPARE(list.PictureCount(), 3);
    QVERIFY(!list.Picture(3).isNull());

    list.AddItem("after", &picture, "t");
    QCOMPARE(list.LastKey(), QStringLiteral("Key4"));
    QCOMPARE(list.PictureKey(4), QStringLiteral("Key4"));
    QCOMPARE(list.automationState()["items"].toArray().at(0).toObject()["picture"].toString(),
             QStringLiteral("Key4"));
}

void TestGridListbox::maskColourIsTransparent()
{
    QPixmap flag(32, 32);
    flag.fill(QColor(192, 192, 192));
    {
        QPainter p(&flag);
        p.fillRect(0, 0, 16, 32, Qt::red);
    }
    GridListbox list;
    list.AddItem("flag", &flag, "f");
    const QImage stored = list.Picture(1).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(stored.size(), QSize(16, 16));
    QCOMPARE(qAlpha(stored.pixel(12, 8)), 0);
    QCOMPARE(stored.pixelColor(2, 8), QColor(Qt::red));
}

void TestGridListbox::listByIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero reads the first") << 0 << "Alpha";
    QTest::newRow("first") << 1 << "Alpha";
    QTest::newRow("last") << 3 << "Gamma";
    QTest::newRow("beyond") << 4 << "";
    QTest::newRow("negative") << -2 << "";
}

void TestGridListbox::listByIndex()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    GridListbox list;
    for (const char* t : {"Alpha", "Beta", "Gamma"})
        list.AddItem(t, nullptr, QString());
    QCOMPARE(list.List(index), text);
}

void TestGridListbox::textSelectsWholeRow()
{
    GridListbox list;
    for (const char* t : {"English", "English (UK)", "Deutsch"})
        list.AddItem(t, nullptr, QString());
    QCOMPARE(list.Text(), QString());
    QCOMPARE(list.ListIndex(), 0);

    list.setText("English (UK)");
    QCOMPARE(list.ListIndex(), 2);
    QCOMPARE(list.Text(), QStringLiteral("English (UK)"));

    list.setText("Engl");   // part of a text is no match
    QCOMPARE(list.ListIndex(), 2);
    list.setText("Klingon");
    QCOMPARE(list.ListIndex(), 2);
    QCOMPARE(list.Text(), QStringLiteral("English (UK)"));

    list.setText("Deutsch");
    QCOMPARE(list.ListIndex(), 3);
}

void TestGridListbox::runTimeSettersAreRefused()
{
    GridListbox list;
    list.AddItem("a", nullptr, QString());
    list.AddItem("b", nullptr, QString());
    list.setText("b");
    QCOMPARE(list.setListIndex(1), GridListbox::ErrSetNotPermitted);
    QCOMPARE(list.setListCount(7), 382);
    QCOMPARE(list.ListIndex(), 2);
    QCOMPARE(list.ListCount(), 2);
}

void TestGridListbox::rowsAndRemoveItem()
{
    GridListbox list;
    list.AddItem("One", nullptr, "one.pdf");
    list.AddItem("Two", nullptr, "two.pdf");
    list.AddItem("Three", nullptr, "three.pdf");
    QCOMPARE(list.Rows(2).Tag(), QStringLiteral("two.pdf"));
    QCOMPARE(list.Rows(3).Text(), QStringLiteral("Three"));
    QVERIFY(!list.Rows(0).isValid());
    QCOMPARE(list.Rows(9).Tag(), QString());

    list.RemoveItem(0);
    list.RemoveItem(4);
    QCOMPARE(list.ListCount(), 3);
    list.RemoveItem(2);
    QCOMPARE(rowTexts(list), (QStringList{"One", "Three"}));
    QCOMPARE(list.Rows(2).Tag(), QStringLiteral("three.pdf"));
}

void TestGridListbox::sortedByText()
{
    GridListbox list;
    list.setSorted(true);
    for (const char* t : {"Zulu", "beta", " Zeta", "Alpha"})
        list.AddItem(t, nullptr, QString(t).trimmed());
    QCOMPARE(rowTexts(list), (QStringList{" Zeta", "Alpha", "beta", "Zulu"}));
    QCOMPARE(list.Rows(1).Tag(), QStringLiteral("Zeta"));

    list.setSorted(false);
    list.AddItem("Aardvark", nullptr, QString());
    QCOMPARE(list.List(5), QStringLiteral("Aardvark"));
}

void TestGridListbox::enabledRestoresColoursOfLastShow()
{
    GridListbox list;
    list.setForeColor(0x0000FF);
    list.setBackColor(0xFFFFFF);
    list.AddItem("a", nullptr, QString());
    list.AddItem("b", nullptr, QString());
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.SavedForeColor(), 0x0000FFu);

    list.setForeColor(0x00FF00);   // changed after the show: not restored
    list.setEnabled(false);
    QVERIFY(!list.Enabled());
    QCOMPARE(list.ForeColor(), GridListbox::Grey);
    QCOMPARE(list.BackColor(), GridListbox::SysButtonFace);
    QCOMPARE(list.listView()->palette().color(QPalette::Disabled, QPalette::Text),
             QColor(128, 128, 128));
    QVERIFY(list.Rows(1).Ghosted() && list.Rows(2).Ghosted());

    list.setEnabled(true);
    QCOMPARE(list.ForeColor(), 0x0000FFu);
    QCOMPARE(list.BackColor(), 0xFFFFFFu);
    QCOMPARE(list.listView()->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
    QVERIFY(!list.Rows(1).Ghosted() && !list.Rows(2).Ghosted());
}

void TestGridListbox::rowAddedWhileDisabledIsNotGhosted()
{
    GridListbox list;
    list.AddItem("before", nullptr, QString());
    list.setEnabled(false);
    list.AddItem("after", nullptr, QString());
    QVERIFY(list.Rows(1).Ghosted());
    QVERIFY(!list.Rows(2).Ghosted());
}

void TestGridListbox::captionAndHeader()
{
    GridListbox list;
    QCOMPARE(list.Caption(), QStringLiteral("<caption>"));
    QVERIFY(list.listView()->isHeaderHidden());
    QCOMPARE(list.listView()->headerItem()->text(0), QStringLiteral("<dummy>"));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.listView()->headerItem()->text(0), QStringLiteral("<caption>"));

    list.setCaption("Vorhandene Sprachen");
    list.setNoHeader(false);
    QCOMPARE(list.listView()->headerItem()->text(0), QStringLiteral("Vorhandene Sprachen"));
    QVERIFY(!list.listView()->isHeaderHidden());
}

void TestGridListbox::mouseAndKeyEvents()
{
    GridListbox list;
    list.resize(200, 150);
    for (const char* t : {"a", "b", "c"})
        list.AddItem(t, nullptr, t);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy rowClick(&list, &GridListbox::RowClick);
    QSignalSpy click(&list, &GridListbox::Click);
    QSignalSpy dblClick(&list, &GridListbox::DblClick);
    QSignalSpy mouseDown(&list, &GridListbox::MouseDown);
    QSignalSpy keyDown(&list, &GridListbox::KeyDown);

    QTreeWidget* view = list.listView();
    const QPoint second = view->visualItemRect(view->topLevelItem(1)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(rowClick.size(), 1);
    QCOMPARE(rowClick.at(0).at(0).toInt(), 2);
    QCOMPARE(click.size(), 1);
    QCOMPARE(mouseDown.at(0).at(0).toInt(), 1);
    QCOMPARE(list.ListIndex(), 2);

    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(dblClick.size(), 1);

    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(keyDown.last().at(0).toInt(), 40);
    QCOMPARE(rowClick.last().at(0).toInt(), 3);
    QCOMPARE(list.Text(), QStringLiteral("c"));

    // Programmatic selection is not a click.
    const qsizetype clicks = rowClick.size();
    list.setText("a");
    QCOMPARE(rowClick.size(), clicks);
}

void TestGridListbox::automationState()
{
    GridListbox list;
    const QPixmap picture = solid(Qt::green);
    list.setCaption("Vorhandene Sprachen");
    list.setNoHeader(false);
    list.AddItem("Deutsch", &picture, "*");
    list.AddItem("English", nullptr, "/x/English.lng");
    list.setText("English");
    const QJsonObject state = list.automationState();
    QCOMPARE(state["selected"].toInt(), 2);
    QCOMPARE(state["caption"].toString(), QStringLiteral("Vorhandene Sprachen"));
    QCOMPARE(state["noHeader"].toBool(), false);
    QCOMPARE(state["enabled"].toBool(), true);
    const QJsonObject first = state["items"].toArray().at(0).toObject();
    QCOMPARE(first["text"].toString(), QStringLiteral("Deutsch"));
    QCOMPARE(first["tag"].toString(), QStringLiteral("*"));
    QCOMPARE(first["picture"].toString(), QStringLiteral("Key1"));
}

QTEST_MAIN(TestGridListbox)
#include "test_gridlistbox.moc"
