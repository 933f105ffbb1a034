#include "TFraNavegacaoPagControl.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>

namespace kelpa {

TFraNavegacaoPagControl::TFraNavegacaoPagControl(QWidget *parent)
    : QWidget(parent)
{
    m_voltar = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Voltar"), this);
    m_voltar->setObjectName(QStringLiteral("BtVoltar"));
    m_voltar->setToolTip(QStringLiteral(" Aba Anterior"));
    m_avancar = new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Avançar"), this);
    m_avancar->setObjectName(QStringLiteral("BtAvancar"));
    m_avancar->setToolTip(QStringLiteral("Próxima Aba"));
    m_avancar->setLayoutDirection(Qt::RightToLeft);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_voltar);
    layout->addStretch(1);
    layout->addWidget(m_avancar);
    connect(m_voltar, &QPushButton::clicked, this, &TFraNavegacaoPagControl::BtVoltarClick);
    connect(m_avancar, &QPushButton::clicked, this, &TFraNavegacaoPagControl::BtAvancarClick);
    atualizar();
}

void TFraNavegacaoPagControl::setPaginaControlada(QTabWidget *paginas)
{
    if (m_paginas)
        disconnect(m_paginas, nullptr, this, nullptr);
    m_paginas = paginas;
    if (m_paginas)
        connect(m_paginas, &QTabWidget::currentChanged, this, &TFraNavegacaoPagControl::atualizar);
    atualizar();
}

// "Avançar" only goes forward and "Voltar" only back; each is disabled at its end,
// so neither ever moves the other way.
void TFraNavegacaoPagControl::BtAvancarClick()
{
    if (m_paginas && m_paginas->currentIndex() + 1 < m_paginas->count())
        m_paginas->setCurrentIndex(m_paginas->currentIndex() + 1);
    atualizar();
}

void TFraNavegacaoPagControl::BtVoltarClick()
{
    if (m_paginas && m_paginas->currentIndex() > 0)
        m_paginas->setCurrentIndex(m_paginas->currentIndex() - 1);
    atualizar();
}

void TFraNavegacaoPagControl::atualizar()
{
    const int atual = m_paginas ? m_paginas->currentIndex() : -1;
    const int total = m_paginas ? m_paginas->count() : 0;
    m_voltar->setEnabled(m_paginas && atual > 0);
    m_avancar->setEnabled(m_paginas && atual + 1 < total);
}

} // namespace kelpa
