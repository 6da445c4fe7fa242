#pragma once
// A one-column list of rows, each with an optional 16 x 16 picture and an invisible tag.
// Gives its hosts a list-box-like interface (add, read the selection by index or text)
// and draws itself greyed while disabled.
#include <QHash>
#include <QJsonObject>
#include <QMap>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;
class GridListView;

class GridListbox : public QWidget
{
    Q_OBJECT

public:
    // Error number for a property that cannot be set at run time.
    static constexpr int ErrSetNotPermitted = 382;
    // Colours are 0x00BBGGRR; values with the top bit set name system colours.
    static constexpr quint32 SysWindow = 0x80000005;
    static constexpr quint32 SysWindowText = 0x80000008;
    static constexpr quint32 SysButtonFace = 0x8000000F;
    static constexpr quint32 Grey = 0x808080;

    // A row seen from outside: 1-based, read live from the list. An index that does not
    // exist gives an empty row.
    class Row
    {
    public:
        QString Text() const;
        QString Tag() const;
        int Index() const { return m_item ? m_index : 0; }
        bool Selected() const;
        // Selecting a row leaves it the only selected one, as a click would.
        void setSelected(bool selected) const;
        bool Ghosted() const;
        bool isValid() const { return m_item != nullptr; }

    private:
        friend class GridListbox;
        Row(QTreeWidgetItem* item, int index) : m_item(item), m_index(index) {}
        QTreeWidgetItem* m_item = nullptr;
        int m_index = 0;
    };

    explicit GridListbox(QWidget* parent = nullptr);
    ~GridListbox() override;

    // Appends a row. A null picture pointer adds the row without picture and uses no
    // position; a picture the image list refuses (a null pixmap) still uses one up.
    void AddItem(const QString& text, const QPixmap* picture, const QString& tag);
    // The picture at 1-based position index of the caller's own picture list.
    static QPixmap GetImage(const QList<QPixmap>& images, int index);
    void About() {}
    // Removes the rows; the pictures and their positions stay.
    void Clear();

    int PictureCount() const { return m_pictureCount; }
    QString LastKey() const { return m_lastKey; }
    // The control's own picture at a position (1-based), null when there is none.
    QPixmap Picture(int position) const { return m_images.value(position); }
    QString PictureKey(int position) const;

    QFont Font() const;
    void setFont(const QFont& font);
    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 colour);
    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 colour);
    quint32 SavedForeColor() const { return m_savedForeColor; }
    quint32 SavedBackColor() const { return m_savedBackColor; }

    Row Rows(int index) const;
    int ListCount() const;
    int ListIndex() const;
    // Both are refused at run time: the result is ErrSetNotPermitted and nothing changes.
    int setListCount(int value);
    int setListIndex(int value);

    bool Sorted() const { return m_sorted; }
    void setSorted(bool sorted);
    void Refresh();

    QString List(int index) const;
    QString Text() const;
    // Selects the first row with exactly this text (letter case aside); no such row
    // leaves the selection as it is.
    void setText(const QString& text);
    void RemoveItem(int index);

    bool Enabled() const;
    void setEnabled(bool enabled);   // shadows QWidget::setEnabled: greys the list itself
    bool NoHeader() const { return m_noHeader; }
    void setNoHeader(bool noHeader);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // The inner list, for hosts that need its geometry and for tests.
    QTreeWidget* listView() const;
    // The Qt colour a 0x00BBGGRR value (system colours included) stands for.
    static QColor ToQColor(quint32 colour);

    Q_INVOKABLE QJsonObject automationState() const;

signals:
    void RowClick(int row);
    void KeyDown(int keyCode, int shift);
    void KeyPress(int keyAscii);
    void KeyUp(int keyCode, int shift);
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    void DblClick();
    void Click();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class GridListView;
    QTreeWidgetItem* item(int index) const;
    void applyColours();
    void setGhosted(bool ghosted);

    GridListView* m_view = nullptr;
    QMap<int, QPixmap> m_images;
    QHash<int, QString> m_keys;
    int m_pictureCount = 0;
    QString m_lastKey;
    quint32 m_foreColor = SysWindowText;
    quint32 m_backColor = SysWindow;
    quint32 m_savedForeColor = SysWindowText;
    quint32 m_savedBackColor = SysWindow;
    bool m_sorted = false;
    bool m_noHeader = true;
    QString m_caption = QStringLiteral("<caption>");
};
