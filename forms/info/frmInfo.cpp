#include "forms/info/frmInfo.h"

#include "controls/TwipsGeometry.h"
#include "modules/info/EntityInfo.h"
#include "modules/LOCAL.h"
#include "modules/Session.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace {

// Design in twips. lblName and the button's size are the original design; the text box
// takes the width under the name and the picture a tall column beside it.
constexpr int kWindowWidth = 12855;
constexpr int kWindowHeight = 6585;
struct Geometry { int left, top, width, height; };
constexpr Geometry kName{1800, 120, 4935, 255};
constexpr Geometry kText{120, 480, 8295, 5400};
constexpr Geometry kPicture{8535, 480, 4200, 5400};
constexpr Geometry kClose{(kWindowWidth - 1335) / 2, 6060, 1335, 375};

void place(QWidget* widget, const Geometry& g)
{
    TwipsGeometry::Place(widget, g.left, g.top, g.width, g.height);
}

const QString kFallback = QStringLiteral("fallback");

} // namespace

frmInfo::frmInfo(Session& session, const QString& infoSubject, const QString& infoFile,
                 QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInfo"));
    setModal(true);
    buildControls();
    Form_Load(session, infoSubject, infoFile);
}

QString frmInfo::picturePath() const
{
    return m_picPortrait->property("picturePath").toString();
}

void frmInfo::buildControls()
{
    setWindowTitle(QStringLiteral("<name>"));
    setFixedSize(TwipsGeometry::ToPixels(0, 0, kWindowWidth, kWindowHeight).size());

    m_lblName = new QLabel(QStringLiteral("<name>"), this);
    m_lblName->setObjectName(QStringLiteral("lblName"));
    // Names are shown as they are, never as markup.
    m_lblName->setTextFormat(Qt::PlainText);
    m_lblName->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QFont bold = m_lblName->font();
    bold.setBold(true);
    m_lblName->setFont(bold);
    place(m_lblName, kName);

    m_txtInfo = new QPlainTextEdit(QStringLiteral("<beschreibung>"), this);
    m_txtInfo->setObjectName(QStringLiteral("txtInfo"));
    m_txtInfo->setReadOnly(true);
    m_txtInfo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtInfo->document()->setDocumentMargin(6);
    m_txtInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_txtInfo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    place(m_txtInfo, kText);

    m_picPortrait = new QLabel(this);
    m_picPortrait->setObjectName(QStringLiteral("picPortrait"));
    m_picPortrait->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_picPortrait->setAlignment(Qt::AlignCenter);
    place(m_picPortrait, kPicture);

    m_imgBackup = QPixmap(QStringLiteral(":/info/fallback.png"));

    m_btnClose = new QPushButton(QStringLiteral("&Schließen"), this);
    m_btnClose->setObjectName(QStringLiteral("btnClose"));
    m_btnClose->setDefault(true);
    place(m_btnClose, kClose);
    connect(m_btnClose, &QPushButton::clicked, this, &QDialog::accept);
    m_btnClose->setFocus();
}

void frmInfo::Form_Load(Session& session, const QString& infoSubject, const QString& infoFile)
{
    const EntityInfo info(session, infoSubject, infoFile);
    setWindowTitle(info.caption());
    m_lblName->setText(infoSubject);
    // Long names keep their beginning visible.
    if (m_lblName->fontMetrics().horizontalAdvance(infoSubject) > m_lblName->width())
        m_lblName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_txtInfo->setPlainText(QString(info.description()).replace(QLatin1String("\r\n"),
                                                                QLatin1String("\n")));

    const QImage picture = info.loadPicture(m_picPortrait->contentsRect().size());
    if (picture.isNull()) {
        m_picPortrait->setPixmap(m_imgBackup);
        m_picPortrait->setProperty("picturePath", kFallback);
    } else {
        m_picPortrait->setPixmap(QPixmap::fromImage(picture));
        m_picPortrait->setProperty("picturePath", info.picturePath());
    }

    if (!LOCAL::IsGerman(session.language))
        m_btnClose->setText(LOCAL::Text(session.language, QStringLiteral("frmInfo"),
                                        QStringLiteral("buttonclose"), QStringLiteral("Close")));
}
