#include "forms/print/frmPrint.h"

#include "controls/Fonts.h"
#include "platform/Services.h"
#include "controls/TwipsGeometry.h"
#include "modules/LOCAL.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int kClientWidth = 5475;
constexpr int kClientHeight = 2415;
const QString kBanner = QStringLiteral(":/print/banner.png");

using TwipsGeometry::Make;

} // namespace

frmPrint::frmPrint(const LanguageState& language, std::function<PrintPage()> page,
                   PrinterService& printers, QWidget* parent)
    : QDialog(parent), m_page(std::move(page)), m_printerService(printers)
{
    setObjectName(QStringLiteral("frmPrint"));
    setModal(true);
    buildControls();
    Form_Load(language);
}

void frmPrint::buildControls()
{
    setWindowTitle(QStringLiteral("Karte Drucken"));
    setFont(Fonts::MsSansSerif(8.25));
    setFixedSize(TwipsGeometry::ToPixels(0, 0, kClientWidth, kClientHeight).size());

    imgBanner = Make<QLabel>(this, "imgBanner", 0, 0, 2235, 2325);
    imgBanner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QPixmap banner(kBanner);
    if (!banner.isNull()) {
        imgBanner->setPixmap(banner);
        imgBanner->setProperty("picturePath", kBanner);
    }

    lblPrinters = Make<QLabel>(this, "lblPrinters", 1785, 240, 735, 255);
    lblPrinters->setText(QStringLiteral("Drucker:"));
    cboPrinters = Make<QComboBox>(this, "cboPrinters", 2520, 210, 2775, 315);
    lblPrinters->setBuddy(cboPrinters);

    rbQuerformat = Make<QRadioButton>(this, "rbQuerformat", 2520, 840, 1335, 375);
    rbQuerformat->setText(QStringLiteral("&Querformat"));
    rbHochformat = Make<QRadioButton>(this, "rbHochformat", 3840, 840, 1335, 375);
    rbHochformat->setText(QStringLiteral("&Hochformat"));
    auto* orientation = new QButtonGroup(this);
    orientation->addButton(rbQuerformat);
    orientation->addButton(rbHochformat);
    rbQuerformat->setChecked(true);

    btnPrint = Make<QPushButton>(this, "btnPrint", 2520, 1920, 1335, 375);
    btnPrint->setText(QStringLiteral("&Drucken"));
    btnCancel = Make<QPushButton>(this, "btnCancel", 4080, 1920, 1335, 375);
    btnCancel->setText(QStringLiteral("&Abbrechen"));
    // No default button: Enter prints nothing; Escape cancels (QDialog's own reject).
    btnPrint->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    connect(btnPrint, &QPushButton::clicked, this, &frmPrint::btnPrint_Click);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPrint::Form_Load(const LanguageState& language)
{
    // Every listed printer is made current in turn, then the first one stays current.
    m_printers = m_printerService.names();
    for (const QString& name : m_printers) {
        m_printerService.setCurrent(name);
        cboPrinters->addItem(name);
    }
    if (!m_printers.isEmpty()) {
        cboPrinters->setCurrentIndex(0);
        cboPrinters_Click(0);
    }
    connect(cboPrinters, &QComboBox::currentIndexChanged, this, &frmPrint::cboPrinters_Click);

    if (LOCAL::IsGerman(language))
        return;
    const auto text = [&language](const char* key, const char* english) {
        return LOCAL::Text(language, QStringLiteral("frmPrint"), QString::fromLatin1(key),
                           QString::fromLatin1(english));
    };
    setWindowTitle(text("caption", "Print"));
    lblPrinters->setText(text("label", "Printers"));
    rbQuerformat->setText(text("optionlandscape", "Landscape"));
    rbHochformat->setText(text("optionportrait", "Portrait"));
    btnPrint->setText(text("buttonprint", "Print"));
    btnCancel->setText(text("buttoncancel", "Cancel"));
}

void frmPrint::cboPrinters_Click(int index)
{
    if (index >= 0 && index < m_printers.size())
        m_printerService.setCurrent(m_printers.at(index));
}

void frmPrint::btnPrint_Click()
{
    if (cboPrinters->currentIndex() >= 0) {
        if (rbQuerformat->isChecked())
            m_printerService.setOrientation(PrinterService::Landscape);
        if (rbHochformat->isChecked())
            m_printerService.setOrientation(PrinterService::Portrait);
        // Printing errors are not reported: the dialog closes as after a good print.
        m_printerService.print(m_page ? m_page() : PrintPage(), this);
    }
    accept();
}

bool frmPrint::PrintOn(const QString& printer, const QString& orientation)
{
    const int index = cboPrinters->findText(printer, Qt::MatchExactly);
    QRadioButton* option = orientation == QLatin1String("landscape") ? rbQuerformat
                           : orientation == QLatin1String("portrait") ? rbHochformat
                                                                        : nullptr;
    if (index < 0 || !option)
        return false;
    cboPrinters->setCurrentIndex(index);
    option->click();
    btnPrint->click();
    return true;
}

void frmPrint::cancel() { btnCancel->click(); }
