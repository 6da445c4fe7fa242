#include "controls/MessageBox.h"

#include <QMessageBox>

void DesktopMessages::show(QWidget* parent, Icon icon, const QString& caption, const QString& text)
{
    const QMessageBox::Icon qtIcon = icon == Icon::Information ? QMessageBox::Information
                                                               : QMessageBox::Critical;
    QMessageBox box(qtIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

void RecordingMessages::show(QWidget*, Icon icon, const QString& caption, const QString& text)
{
    const char* name = icon == Icon::Stop          ? "stop"
                       : icon == Icon::Information ? "information"
                                                   : "critical";
    m_record.recordMessage(QString::fromLatin1(name), caption, text);
}
