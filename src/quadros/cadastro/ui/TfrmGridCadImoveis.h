#pragma once

#include "TfraCadastroBens.h"

#include "quadros/cadastro/Imoveis.h"

namespace kelpa {

// "Cadastro de Imóveis": the operator's real estate, each property edited in its dialog.
class TfrmGridCadImoveis : public TfraCadastroBens
{
    Q_OBJECT

public:
    TfrmGridCadImoveis(ContextoQuadro &contexto, QWidget *parent = nullptr);

    const QList<Imovel> &lista() const { return m_lista; }

protected:
    QList<LinhaGrade> leLinhas(const QDate &periodo, int coluna, bool decrescente) override;
    void incluiLinha() override;
    void editaLinha(int linha) override;
    BensOperadora &bens() override { return m_imoveis; }
    QString sequencia(int linha) const override { return m_lista.at(linha).sequencia; }

private:
    Imoveis m_imoveis;
    QList<Imovel> m_lista;
};

} // namespace kelpa
