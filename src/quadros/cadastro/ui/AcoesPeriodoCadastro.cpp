#include "AcoesPeriodoCadastro.h"

#include "quadros/cadastro/PeriodosQuadroCadastro.h"

#include "quadros/base/ui/ContextoQuadro.h"

#include "app/ServicosOperadora.h"
#include "app/banco/ErroBanco.h"
#include "app/ui/MensagemDlg.h"

namespace kelpa::AcoesPeriodoCadastro {

namespace {
void periodoExistente(QWidget *pai)
{
    MensagemDlg(QStringLiteral("PERÍODO JÁ EXISTENTE"), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, pai);
}
} // namespace

bool Indisponivel(ContextoQuadro &contexto, QWidget *area, const QDate &periodo)
{
    const bool indisponivel = !periodo.isValid() || !ServicosOperadora(contexto.db(), contexto.codOper()).CadastroCompleto();
    if (contexto.exibeAviso)
        contexto.exibeAviso(indisponivel ? area : nullptr,
                            indisponivel ? QStringLiteral("Quadro não disponível. Preencha todos os dados do\rQuadro 1: Cadastro.")
                                         : QString());
    return indisponivel;
}

bool Inclui(QWidget *pai, PeriodosQuadroCadastro &periodos, const QDate &data)
{
    if (periodos.IncluiPeriodo(data))
        return true;
    periodoExistente(pai);
    return false;
}

bool Copia(QWidget *pai, PeriodosQuadroCadastro &periodos, const QDate &data)
{
    try {
        if (periodos.CopiaPeriodo(data))
            return true;
        periodoExistente(pai);
    } catch (const ErroBanco &e) {
        MensagemDlg(QStringLiteral("Não foi possível copiar os dados do período anterior; o novo período não foi criado.\r")
                        + e.textoCompleto(),
                    TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, pai);
    }
    return false;
}

void Exclui(QWidget *pai, PeriodosQuadroCadastro &periodos, const QDate &data)
{
    if (!periodos.ExcluiPeriodo(data))
        MensagemDlg(QStringLiteral("O período tem dados já transmitidos e não foi excluído."), TipoMensagem::Cuidado, BotaoMensagem::Ok,
                    {}, {}, pai);
}

} // namespace kelpa::AcoesPeriodoCadastro
