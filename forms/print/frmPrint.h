#pragma once
// The print dialog: a printer and an orientation, then the map as the main window shows it.
#include "forms/print/PrintDialogAutomation.h"
#include "platform/Services.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
struct LanguageState;

class frmPrint : public QDialog, public PrintDialogAutomation
{
    Q_OBJECT

public:
    // page: draws what is printed (the main window's client area), asked at Print.
    frmPrint(const LanguageState& language, std::function<PrintPage()> page, PrinterService& printers,
             QWidget* parent = nullptr);

    // What a person does in batch mode: pick the printer, the orientation ("landscape" or
    // "portrait"), press Print. False, and nothing done, when either is not offered.
    bool PrintOn(const QString& printer, const QString& orientation) override;
    void cancel() override;

    QLabel* imgBanner = nullptr;
    QLabel* lblPrinters = nullptr;
    QComboBox* cboPrinters = nullptr;
    QRadioButton* rbQuerformat = nullptr;
    QRadioButton* rbHochformat = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnCancel = nullptr;

private:
    void buildControls();
    void Form_Load(const LanguageState& language);
    void cboPrinters_Click(int index);
    void btnPrint_Click();

    std::function<PrintPage()> m_page;
    PrinterService& m_printerService;
    QStringList m_printers;
};
