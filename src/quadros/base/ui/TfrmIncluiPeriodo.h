#pragma once

#include "ContextoQuadro.h"

#include "app/ui/TfrmModDlgConfirmaCancela.h"
#include "quadros/base/Periodos.h"

class QCheckBox;
class QLineEdit;

namespace kelpa {

// Asks for the start date of a new registration period (or a new day).
class TfrmIncluiPeriodo : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    struct Inclusao {
        QDate data;
        bool confirmado = false;
        bool copiar = false;
    };

    TfrmIncluiPeriodo(ContextoQuadro &contexto, QWidget *parent = nullptr);
    static Inclusao ExecutaInclusao(ContextoQuadro &contexto, TipoPeriodo modo, QWidget *parent = nullptr);

    QLineEdit *medDataReajuste() const { return m_data; }
    QCheckBox *chkCopiarPeriodo() const { return m_copiar; }
    QDate DtInicioOperadora() const { return m_dtInicioOperadora; }
    QDate dataInformada() const;

protected:
    bool CriticaDados() override;
    void showEvent(QShowEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void conferirData();

    ContextoQuadro &m_contexto;
    QLineEdit *m_data = nullptr;
    QCheckBox *m_copiar = nullptr;
    QDate m_dtInicioOperadora;
    bool m_conferindo = false;
};

} // namespace kelpa
