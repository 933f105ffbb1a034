#include "TfrmErrosValidacao.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kelpa::validacao {

TfrmErrosValidacao::TfrmErrosValidacao(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmErrosValidacao"));
    setWindowTitle(QStringLiteral("AVISO"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *icone = new QLabel(this);
    icone->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    auto *texto = new QLabel(QStringLiteral("Existem erros graves de validação."), this);
    texto->setObjectName(QStringLiteral("lblErros"));
    QFont f = texto->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    texto->setFont(f);

    // Its result is "retry": the caller gives up the sending.
    m_retornar = new QPushButton(QStringLiteral("&Retornar"), this);
    m_retornar->setObjectName(QStringLiteral("btnRetornar"));
    m_retornar->setDefault(true);
    connect(m_retornar, &QPushButton::clicked, this, [this] {
        m_fechando = true;
        done(4); // mrRefazer
    });

    auto *linha = new QHBoxLayout;
    linha->addWidget(icone);
    linha->addWidget(texto, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 14);
    layout->addLayout(linha);
    layout->addSpacing(10);
    layout->addWidget(m_retornar, 0, Qt::AlignCenter);
}

void TfrmErrosValidacao::closeEvent(QCloseEvent *evento)
{
    if (!m_fechando) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

} // namespace kelpa::validacao
