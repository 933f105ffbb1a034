#include "TfrmAviso_Validacao.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace kelpa::validacao {

namespace {

// Twelve spokes, the brightest one turning, as long as the run lets events through.
class RodaAtividade : public QWidget
{
public:
    explicit RodaAtividade(QWidget *parent)
        : QWidget(parent)
    {
        setFixedSize(40, 40);
        auto *relogio = new QTimer(this);
        connect(relogio, &QTimer::timeout, this, [this] {
            m_passo = (m_passo + 1) % 12;
            update();
        });
        relogio->start(80);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(width() / 2.0, height() / 2.0);
        for (int i = 0; i < 12; ++i) {
            QColor cor(0, 106, 122);
            cor.setAlphaF(0.15 + 0.85 * ((i - m_passo + 12) % 12) / 11.0);
            p.setPen(QPen(cor, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(0, -9), QPointF(0, -17));
            p.rotate(30);
        }
    }

private:
    int m_passo = 0;
};

} // namespace

TfrmAviso_Validacao::TfrmAviso_Validacao(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAviso_Validacao"));
    setWindowTitle(QStringLiteral("Validação dos dados"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(false);

    auto *roda = new RodaAtividade(this);
    roda->setObjectName(QStringLiteral("aniValidacao"));
    m_texto = new QLabel(QStringLiteral("Aguarde o processamento das Validações ......"), this);
    m_texto->setObjectName(QStringLiteral("lblAguarde"));
    m_texto->setAlignment(Qt::AlignCenter);
    QFont f = m_texto->font();
    f.setBold(true);
    m_texto->setFont(f);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 18, 24, 18);
    layout->setSpacing(16);
    layout->addWidget(roda);
    layout->addWidget(m_texto, 1);
}

void TfrmAviso_Validacao::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    if (parentWidget()) {
        const QRect dono = parentWidget()->window()->frameGeometry();
        move(dono.center() - rect().center());
    }
}

void TfrmAviso_Validacao::keyPressEvent(QKeyEvent *evento)
{
    // Not to be closed by the user: the run closes it.
    if (evento->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(evento);
}

} // namespace kelpa::validacao
