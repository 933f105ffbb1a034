#pragma once

#include "TfraQuadroGradeCadastro.h"

#include "quadros/cadastro/BensOperadora.h"

namespace kelpa {

// What the registers of assets and of real estate share: no periods, the delete
// button only on rows never transmitted, and no row deleted while Quadro 14A links it.
class TfraCadastroBens : public TfraQuadroGradeCadastro
{
    Q_OBJECT

public:
    TfraCadastroBens(ContextoQuadro &contexto, const QString &titulo, QList<ColunaGrade> colunas, const Dicas &dicas,
                     QString avisoVinculado, QWidget *parent = nullptr);

protected:
    virtual BensOperadora &bens() = 0;
    // The sequence code of the row shown at `linha`.
    virtual QString sequencia(int linha) const = 0;

    bool podeExcluir(int linha) override;
    QString perguntaExclusao() const override { return QStringLiteral("Deseja excluir o Registro ?"); }
    void excluiLinha(int linha) override;

private:
    void avisaVinculado();

    QString m_avisoVinculado;
};

} // namespace kelpa
