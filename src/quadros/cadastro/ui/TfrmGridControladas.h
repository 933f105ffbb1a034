#pragma once

#include "TfraQuadroGradeCadastro.h"

#include "quadros/cadastro/Participadas.h"

namespace kelpa {

class PainelDetalhe;

// "Quadro 6: Controladas/Coligadas": the companies in which the operator holds shares
// or quotas, by period, with the shares held, the company's total and the share in
// percent. Each company is saved by its dialog.
class TfrmGridControladas : public TfraQuadroGradeCadastro
{
    Q_OBJECT

public:
    TfrmGridControladas(ContextoQuadro &contexto, QWidget *parent = nullptr);

    const QList<Participacao> &lista() const { return m_lista; }
    PainelDetalhe *painelDetalhe() const { return m_detalhe; }

protected:
    QList<LinhaGrade> leLinhas(const QDate &periodo, int coluna, bool decrescente) override;
    void incluiLinha() override;
    void editaLinha(int linha) override;
    QString perguntaExclusao() const override { return QStringLiteral("Deseja excluir o Registro ?"); }
    void excluiLinha(int linha) override;
    void linhaAtualMudou(int linha) override;

private:
    void abreDialogo(const Participacao &linha);

    Participadas m_participadas;
    QList<Participacao> m_lista;
    PainelDetalhe *m_detalhe = nullptr;
};

} // namespace kelpa
