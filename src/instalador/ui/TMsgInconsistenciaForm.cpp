#include "TMsgInconsistenciaForm.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelpa {

QString TMsgInconsistenciaForm::textoAviso()
{
    QFile f(QStringLiteral(":/instalador/manual/PlnContException.html"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TMsgInconsistenciaForm::TMsgInconsistenciaForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("MsgInconsistenciaForm"));
    setWindowTitle(QStringLiteral("Instalação KELPA"));
    setModal(true);

    auto *atencao = new QLabel(QStringLiteral("Atenção"), this);
    atencao->setObjectName(QStringLiteral("lblAtencao"));
    QFont negrito = atencao->font();
    negrito.setBold(true);
    negrito.setPointSize(16);
    atencao->setFont(negrito);
    atencao->setStyleSheet(QStringLiteral("color: #b00000;"));

    auto *texto = new QLabel(textoAviso(), this);
    texto->setObjectName(QStringLiteral("lblTexto"));
    texto->setTextFormat(Qt::RichText);
    texto->setWordWrap(true);
    QFont grande = texto->font();
    grande.setPointSize(14);
    texto->setFont(grande);
    texto->setMinimumWidth(520);

    m_continuar = new QPushButton(QStringLiteral("Continuar a Instalação"), this);
    m_continuar->setObjectName(QStringLiteral("btnContinuar"));
    m_cancelar = new QPushButton(QStringLiteral("Cancelar a Instalação"), this);
    m_cancelar->setObjectName(QStringLiteral("btnCancelar"));
    // Erasing data is never the answer Enter gives by chance.
    m_continuar->setAutoDefault(false);
    m_cancelar->setDefault(true);
    connect(m_continuar, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(m_continuar);
    botoes->addWidget(m_cancelar);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(atencao);
    layout->addWidget(texto);
    layout->addLayout(botoes);
}

} // namespace kelpa
