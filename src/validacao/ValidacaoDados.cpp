#include "ValidacaoDados.h"

#include "ContextoValidacao.h"
#include "GravacaoConstatacoes.h"
#include "LimpezaModalidade.h"
#include "RegrasValidacao.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"

namespace kelpa::validacao {

QList<Constatacao> ResultadoValidacao::erros() const
{
    QList<Constatacao> lista;
    for (const Constatacao &c : constatacoes)
        if (c.erro())
            lista << c;
    return lista;
}

QList<Constatacao> ResultadoValidacao::avisos() const
{
    QList<Constatacao> lista;
    for (const Constatacao &c : constatacoes)
        if (!c.erro())
            lista << c;
    return lista;
}

ValidacaoDados::ValidacaoDados(const QSqlDatabase &db, QString codOper, bool operadoraDePlanos)
    : m_db(db)
    , m_codOper(std::move(codOper))
    , m_operadoraDePlanos(operadoraDePlanos)
{
}

QList<Constatacao> ValidacaoDados::verificar()
{
    ContextoValidacao ctx = ContextoValidacao::ler(m_db, m_codOper, m_operadoraDePlanos);
    ctx.progresso = m_progresso;
    QList<Constatacao> constatacoes;
    for (const auto &regra : RegrasValidacao::todas()) {
        ctx.avancar();
        if (RegrasValidacao::aplica(regra->codigo(), ctx))
            regra->verificar(ctx, constatacoes);
    }
    return constatacoes;
}

ResultadoValidacao ValidacaoDados::executar()
{
    ResultadoValidacao resultado;
    const GravacaoConstatacoes gravacao(m_db, m_codOper);
    try {
        {
            // Committed before anything else: from here until the run commits, the
            // operator's only finding says the validation is not complete.
            Transacao inicio(m_db);
            gravacao.apagarTodas();
            gravacao.inserir(1, QString::fromLatin1("", 0), GravacaoConstatacoes::MensagemNaoConcluida(), QString(),
                             QStringLiteral("2"), QString());
            inicio.confirmar();
        }
        if (m_progresso)
            m_progresso();

        Transacao execucao(m_db);
        LimpezaModalidade::executar(m_db, m_codOper);
        resultado.constatacoes = verificar();
        gravacao.apagarTodas();
        gravacao.gravar(resultado.constatacoes);
        execucao.confirmar();
        resultado.concluida = true;
    } catch (const ErroBanco &e) {
        resultado.constatacoes.clear();
        resultado.concluida = false;
        resultado.erro = e.textoCompleto();
    }

    if (!resultado.concluida) {
        Constatacao naoConcluida;
        naoConcluida.mensagem = GravacaoConstatacoes::MensagemNaoConcluida();
        resultado.constatacoes << naoConcluida;
    }
    try {
        resultado.envioLiberado = resultado.concluida && GravacaoConstatacoes::EnvioLiberado(m_db, m_codOper);
    } catch (const ErroBanco &e) {
        resultado.envioLiberado = false;
        if (resultado.erro.isEmpty())
            resultado.erro = e.textoCompleto();
    }
    return resultado;
}

} // namespace kelpa::validacao
