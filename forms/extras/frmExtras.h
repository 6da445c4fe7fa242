#pragma once
// The extras dialog: the side documents, each opened in the viewer for its type.
// Opening one leaves the dialog open.
#include "forms/extras/ExtrasDialogAutomation.h"

#include <QDialog>

class GridListbox;
class ShellService;
class QLabel;
class QPushButton;
class Session;

class frmExtras : public QDialog, public ExtrasDialogAutomation
{
    Q_OBJECT

public:
    // Opens documents where the session's installation and language keep them.
    frmExtras(const Session& session, ShellService& shell, QWidget* parent = nullptr);

    // Adds one row with the document picture and the file name as tag.
    void Add(const QString& text, const QString& fileName);

    // Selects the row whose tag is fileName; false (selection unchanged) when there is none.
    bool selectRowByTag(const QString& fileName);
    // What a person does in batch mode: select that row and press Select.
    bool SelectDocument(const QString& fileName) override;
    void cancel() override;

    GridListbox* glbExtras = nullptr;
    QPushButton* btnSelect = nullptr;
    QPushButton* btnAbort = nullptr;
    QLabel* imgList = nullptr;

private:
    ShellService& m_shell;
    void buildControls();
    void Form_Load();
    void btnSelect_Click();

    const Session& m_session;
    QPixmap m_documentPicture;
};
