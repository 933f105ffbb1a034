#include "TfraCadastroBens.h"

#include "app/ui/MensagemDlg.h"

namespace kelpa {

TfraCadastroBens::TfraCadastroBens(ContextoQuadro &contexto, const QString &titulo, QList<ColunaGrade> colunas, const Dicas &dicas,
                                   QString avisoVinculado, QWidget *parent)
    : TfraQuadroGradeCadastro(contexto, titulo, std::move(colunas), TabelasPeriodo{}, dicas, parent)
    , m_avisoVinculado(std::move(avisoVinculado))
{
    setExcluiApenasNaoTransmitidas(true);
}

void TfraCadastroBens::avisaVinculado()
{
    MensagemDlg(m_avisoVinculado, TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
}

bool TfraCadastroBens::podeExcluir(int linha)
{
    if (!bens().Vinculado(sequencia(linha)))
        return true;
    avisaVinculado();
    return false;
}

void TfraCadastroBens::excluiLinha(int linha)
{
    // Another station may have linked it since the question was asked.
    if (!bens().Exclui(sequencia(linha)))
        avisaVinculado();
}

} // namespace kelpa
