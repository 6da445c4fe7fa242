#pragma once
// The extras dialog: the side documents, each opened in the viewer for its type.
// Opening one leaves the dialog open.
#include <QDialog>

class GridListbox;
class QLabel;
class QPushButton;
class Session;

class frmExtras : public QDialog
{
    Q_OBJECT

public:
    // Opens documents where the session's installation and language keep them.
    explicit frmExtras(const Session& session, QWidget* parent = nullptr);

    // Adds one row with the document picture and the file name as tag.
    void Add(const QString& text, const QString& fileName);

    // Selects the row whose tag is fileName; false (selection unchanged) when there is none.
    Q_INVOKABLE bool selectRowByTag(const QString& fileName);
    // What a person does in batch mode: select that row and press Select.
    bool SelectDocument(const QString& fileName);

    GridListbox* glbExtras = nullptr;
    QPushButton* btnSelect = nullptr;
    QPushButton* btnAbort = nullptr;
    QLabel* imgList = nullptr;

private:
    void buildControls();
    void Form_Load();
    void btnSelect_Click();

    const Session& m_session;
    QPixmap m_documentPicture;
};
