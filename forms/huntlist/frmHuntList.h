#pragma once
// The hunting list dialog: the shown category or the whole map, a printer of the print dialog's
// list (the PDF printer writes a file), Print.
#include "modules/progress/HuntList.h"

#include <QDialog>
#include <functional>

class PrinterService;
class QComboBox;
class QPushButton;
class QRadioButton;
class BatchRecord;
struct LanguageState;

class frmHuntList : public QDialog
{
    Q_OBJECT

public:
    // shown and whole make the two lists when asked (either may come back empty).
    frmHuntList(const LanguageState& language, std::function<HuntList()> shown,
                std::function<HuntList()> whole, const QString& profile, PrinterService& printers,
                BatchRecord& record, QWidget* parent = nullptr);

    // Prints the chosen list on printer; pdfFile for the PDF printer (asked for when empty).
    // False when nothing was printed.
    bool printOn(const QString& printer, const QString& pdfFile = {});

    QRadioButton* mxHuntShown = nullptr;
    QRadioButton* mxHuntMap = nullptr;
    QComboBox* mxHuntPrinters = nullptr;
    QPushButton* mxHuntPrint = nullptr;
    QPushButton* mxHuntCancel = nullptr;

private:
    const LanguageState& m_language;
    std::function<HuntList()> m_shown, m_whole;
    QString m_profile;
    PrinterService& m_printers;
    BatchRecord& m_record;
};
