#include "forms/huntlist/frmHuntList.h"

#include "forms/huntlist/HuntListPrint.h"
#include "modules/progress/ProgressTexts.h"
#include "platform/Services.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmHuntList::frmHuntList(const LanguageState& language, std::function<HuntList()> shown,
                         std::function<HuntList()> whole, const QString& profile,
                         PrinterService& printers, BatchRecord& record, QWidget* parent)
    : QDialog(parent), m_language(language), m_shown(std::move(shown)), m_whole(std::move(whole)),
      m_profile(profile), m_printers(printers), m_record(record)
{
    setObjectName(QStringLiteral("mxHuntList"));
    setModal(true);
    const auto text = [&language](const char* key) { return ProgressTexts::Text(language, key); };
    setWindowTitle(text("HuntListCaption"));

    auto* layout = new QVBoxLayout(this);
    mxHuntShown = new QRadioButton(text("HuntListShown"), this);
    mxHuntShown->setObjectName(QStringLiteral("mxHuntShown"));
    mxHuntMap = new QRadioButton(text("HuntListMap"), this);
    mxHuntMap->setObjectName(QStringLiteral("mxHuntMap"));
    layout->addWidget(mxHuntShown);
    layout->addWidget(mxHuntMap);
    auto* form = new QFormLayout;
    mxHuntPrinters = new QComboBox(this);
    mxHuntPrinters->setObjectName(QStringLiteral("mxHuntPrinters"));
    mxHuntPrinters->addItems(printers.names());
    // The print dialog's choice, if it made one.
    if (const int known = mxHuntPrinters->findText(printers.current()); known >= 0)
        mxHuntPrinters->setCurrentIndex(known);
    form->addRow(text("HuntListPrinter"), mxHuntPrinters);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    mxHuntPrint = new QPushButton(text("HuntListPrint"), this);
    mxHuntPrint->setObjectName(QStringLiteral("mxHuntPrint"));
    mxHuntPrint->setDefault(true);
    mxHuntCancel = new QPushButton(text("HuntListCancel"), this);
    mxHuntCancel->setObjectName(QStringLiteral("mxHuntCancel"));
    buttons->addWidget(mxHuntPrint);
    buttons->addWidget(mxHuntCancel);
    layout->addLayout(buttons);

    // The shown category when there is one, else the map.
    const bool anyShown = !m_shown().entries.isEmpty();
    mxHuntShown->setEnabled(anyShown);
    mxHuntMap->setEnabled(!m_whole().entries.isEmpty());
    (anyShown ? mxHuntShown : mxHuntMap)->setChecked(true);
    mxHuntPrint->setEnabled(mxHuntShown->isEnabled() || mxHuntMap->isEnabled());

    connect(mxHuntCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(mxHuntPrint, &QPushButton::clicked, this, [this] {
        if (printOn(mxHuntPrinters->currentText()))
            accept();
    });
}

bool frmHuntList::printOn(const QString& printer, const QString& pdfFile)
{
    const HuntList list = mxHuntShown->isChecked() ? m_shown() : m_whole();
    if (list.entries.isEmpty())
        return false;
    const bool pdf = printer == PrinterService::PdfPrinter;
    QString file = pdfFile;
    if (pdf && file.isEmpty()) {
        file = QFileDialog::getSaveFileName(this, windowTitle(), QDir::home().filePath(QStringLiteral("suchliste.pdf")),
                                            QStringLiteral("PDF (*.pdf)"));
        if (file.isEmpty())
            return false;
        if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            file += QStringLiteral(".pdf");
    }
    QPrinter device(QPrinter::HighResolution);
    if (pdf) {
        device.setOutputFormat(QPrinter::PdfFormat);
        device.setOutputFileName(file);
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
        if (info.isNull())
            return false;
        device.setPrinterName(printer);
    }
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    device.setDocName(windowTitle());
    if (HuntListPrint::Paint(device, list, m_profile, m_language) == 0)
        return false;
    m_record.recordPrinted(printer, PrinterService::orientationName(PrinterService::Portrait),
                           pdf ? file : QString());
    return true;
}
