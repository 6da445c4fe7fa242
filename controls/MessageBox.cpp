#include "controls/MessageBox.h"
#include "platform/Automation.h"
#include <QMessageBox>

void MessageBox::Show(QWidget* parent, Icon icon, const QString& caption, const QString& text)
{
    if (Automation::instance().batch()) {
        const char* name = icon == Icon::Stop          ? "stop"
                           : icon == Icon::Information ? "information"
                                                       : "critical";
        Automation::instance().recordMessage(QString::fromLatin1(name), caption, text);
        return;
    }
    const QMessageBox::Icon qtIcon = icon == Icon::Information ? QMessageBox::Information
                                                               : QMessageBox::Critical;
    QMessageBox box(qtIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}
