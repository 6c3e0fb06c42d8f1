#include "calc/ChaseDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QMovie>
#include <QTimer>

namespace {
constexpr int kTickMs = 500;
}

ChaseDialog::ChaseDialog(QWidget* parent, const QString& qsPicturePath, const QString& qsText,
                         bool bFrame)
    : CBaseDialog(parent, bFrame, false, bFrame), m_iState(StateIdle), m_pTimer(new QTimer(this)),
      m_pMovieLabel(new QLabel)
{
    SetTitle(qsText);

    auto* pLayout = new QGridLayout(GetContentFrame());
    auto* pMovie = new QMovie(qsPicturePath, QByteArray(), this);
    m_pMovieLabel->setMovie(pMovie);
    pMovie->start();
    pLayout->addWidget(m_pMovieLabel, 0, 0, Qt::AlignHCenter | Qt::AlignVCenter);

    connect(this, &QDialog::rejected, this, &ChaseDialog::SignalCancel);
    setFixedSize(280, 190);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);

    connect(m_pTimer, &QTimer::timeout, this, &ChaseDialog::UpdateInfo);
    m_pTimer->start(kTickMs);
}

ChaseDialog::~ChaseDialog()
{
    m_pTimer->stop();
}

void ChaseDialog::UpdateInfo()
{
    if (m_iState == StateAccept) {
        accept();
    } else if (m_iState == StateReject) {
        reject();
    }
    m_iState = StateIdle;
}

void ChaseDialog::SetStopChase()
{
    m_iState = StateAccept;
}

void ChaseDialog::OnSlotRejectChase()
{
    m_iState = StateReject;
}

void ChaseDialog::OnImmediatelyStopChase()
{
    m_iState = StateAccept;
    accept();
}
