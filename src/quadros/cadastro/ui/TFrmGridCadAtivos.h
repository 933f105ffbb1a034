#pragma once

#include "TfraCadastroBens.h"

#include "quadros/cadastro/Ativos.h"

namespace kelpa {

// "Cadastro de Ativos": the operator's financial assets, each edited in its dialog.
class TFrmGridCadAtivos : public TfraCadastroBens
{
    Q_OBJECT

public:
    TFrmGridCadAtivos(ContextoQuadro &contexto, QWidget *parent = nullptr);

    const QList<Ativo> &lista() const { return m_lista; }

protected:
    QList<LinhaGrade> leLinhas(const QDate &periodo, int coluna, bool decrescente) override;
    void incluiLinha() override;
    void editaLinha(int linha) override;
    BensOperadora &bens() override { return m_ativos; }
    QString sequencia(int linha) const override { return m_lista.at(linha).sequencia; }

private:
    Ativos m_ativos;
    QList<Ativo> m_lista;
};

} // namespace kelpa
