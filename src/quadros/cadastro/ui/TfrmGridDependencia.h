#pragma once

#include "TfraQuadroGradeCadastro.h"

#include "quadros/cadastro/Dependencias.h"

namespace kelpa {

class DadosDependencia;
class PainelDetalhe;

// "Quadro 7: Dependências": the operator's branches of each period, legal persons of
// the register with their kind, shown with the branch's address, phones and fax.
// Each branch is saved by its dialog.
class TfrmGridDependencia : public TfraQuadroGradeCadastro
{
    Q_OBJECT

public:
    TfrmGridDependencia(ContextoQuadro &contexto, QWidget *parent = nullptr);

    const QList<Dependencia> &lista() const { return m_lista; }
    PainelDetalhe *painelDetalhe() const { return m_detalhe; }
    DadosDependencia *dados() const { return m_dados; }

protected:
    QList<LinhaGrade> leLinhas(const QDate &periodo, int coluna, bool decrescente) override;
    void incluiLinha() override;
    void editaLinha(int linha) override;
    QString perguntaExclusao() const override { return QStringLiteral("Deseja excluir o Registro?"); }
    void excluiLinha(int linha) override;
    void linhaAtualMudou(int linha) override;

private:
    void abreDialogo(int idPsoa);

    Dependencias m_dependencias;
    QList<Dependencia> m_lista;
    PainelDetalhe *m_detalhe = nullptr;
    DadosDependencia *m_dados = nullptr;
};

} // namespace kelpa
