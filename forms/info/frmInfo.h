#pragma once
// The information window: the full description and the picture of one entity.
#include <QDialog>
#include <QPixmap>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class Session;

class frmInfo : public QDialog
{
    Q_OBJECT

public:
    // infoSubject: the entity's name as the main window stored it; infoFile: the program
    // folder's description file.
    frmInfo(Session& session, const QString& infoSubject, const QString& infoFile,
            QWidget* parent = nullptr);

    // The full path of the picture shown, or "fallback".
    QString picturePath() const;

private:
    void buildControls();
    void Form_Load(Session& session, const QString& infoSubject, const QString& infoFile);

    QLabel* m_lblName = nullptr;
    QPlainTextEdit* m_txtInfo = nullptr;
    QLabel* m_picPortrait = nullptr;
    QPushButton* m_btnClose = nullptr;
    QPixmap m_imgBackup;
};
