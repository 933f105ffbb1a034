#pragma once

#include <QWidget>

class QPushButton;
class QTabWidget;

namespace kelpa {

// "Voltar" and "Avançar" under a quadro with several pages.
class TFraNavegacaoPagControl : public QWidget
{
    Q_OBJECT

public:
    explicit TFraNavegacaoPagControl(QWidget *parent = nullptr);
    void setPaginaControlada(QTabWidget *paginas);
    QPushButton *BtVoltar() const { return m_voltar; }
    QPushButton *BtAvancar() const { return m_avancar; }

    void BtVoltarClick();
    void BtAvancarClick();

private:
    void atualizar();

    QTabWidget *m_paginas = nullptr;
    QPushButton *m_voltar = nullptr;
    QPushButton *m_avancar = nullptr;
};

} // namespace kelpa
