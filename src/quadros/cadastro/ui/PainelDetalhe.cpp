#include "PainelDetalhe.h"

#include <QFormLayout>
#include <QLabel>

namespace kelpa {

PainelDetalhe::PainelDetalhe(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("pnlDetalhe"));
    setFrameShape(QFrame::StyledPanel);
    m_form = new QFormLayout(this);
    m_form->setContentsMargins(8, 6, 8, 6);
    m_form->setVerticalSpacing(3);
}

QLabel *PainelDetalhe::adiciona(const QString &nome, const QString &rotulo)
{
    auto *valor = new QLabel(this);
    valor->setObjectName(nome);
    valor->setTextInteractionFlags(Qt::TextSelectableByMouse);
    valor->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_form->addRow(new QLabel(rotulo, this), valor);
    m_valores << valor;
    return valor;
}

void PainelDetalhe::adiciona(const QString &rotulo, QWidget *campo)
{
    m_form->addRow(new QLabel(rotulo, this), campo);
}

QLabel *PainelDetalhe::valor(const QString &nome) const
{
    return findChild<QLabel *>(nome);
}

void PainelDetalhe::mostra(const QStringList &valores)
{
    for (qsizetype i = 0; i < m_valores.size(); ++i)
        m_valores.at(i)->setText(valores.value(i));
}

} // namespace kelpa
