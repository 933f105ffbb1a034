#include "RegrasIdadeSaldo.h"

#include "ComparacaoValores.h"
#include "LeitorContas.h"
#include "app/banco/Consulta.h"

namespace kelpa::validacao {

namespace {

// The first code of each column; the column holds it and the next six.
constexpr int kPrimeiroCodigo[10] = {1, 8, 15, 22, 29, 36, 50, 57, 64, 71};

int colunaDoCodigo(int codigo)
{
    for (int c = 0; c < 10; ++c)
        if (codigo >= kPrimeiroCodigo[c] && codigo < kPrimeiroCodigo[c] + 7)
            return c;
    return -1;
}

QStringList lista(std::initializer_list<const char *> contas)
{
    QStringList l;
    for (const char *c : contas)
        l << QString::fromLatin1(c);
    return l;
}

} // namespace

QList<Moeda> RegraContasIdadeSaldo::totaisColunas(const QSqlDatabase &db, const QString &codOper, const QDate &periodo)
{
    Consulta q(db, QStringLiteral("SELECT CD_IDADE_SALDO, VL_CONTA_IDADE_SALDO FROM TB_IdadeSaldoValor "
                                  "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"));
    q.bind(QStringLiteral(":CDOPER"), codOper).bind(QStringLiteral(":DTVIGN"), periodo);
    q.executar();
    QList<Moeda> totais(10);
    while (q.proxima()) {
        bool ok = false;
        const int coluna = colunaDoCodigo(q.valor(0).toString().toInt(&ok));
        if (ok && coluna >= 0)
            totais[coluna] += Moeda::doBanco(q.valor(1));
    }
    return totais;
}

QList<RegraContasIdadeSaldo::Definicao> RegraContasIdadeSaldo::definicoes()
{
    const QString v10em2006 = QStringLiteral("O valor lançado em Eventos a Liquidar de Operações de Assistência à Saúde "
                                             "(Quadro 12) ESTÁ DIFERENTE do TOTAL de Eventos a Liquidar (Quadro 15A)");
    const QString v11 = QStringLiteral("O Saldo de Operadoras de Planos (Quadro 12) ESTÁ DIFERENTE do TOTAL de Débitos "
                                       "com Operadoras (Quadro 15A)");
    const QString v12 = QStringLiteral("O Saldo de Comercialização Sobre Operações de Assistência à Saúde (Quadro 12) "
                                       "ESTÁ DIFERENTE do TOTAL de Comercialização Sobre Operações (Quadro 15A)");
    return {
        {"V6", "11", lista({"10810"}), lista({"123110"}), {}, 0, 2,
         QStringLiteral("O Valor de Faturas/Mensalidades a Receber (Quadro 11) está DIFERENTE do TOTAL de Faturas e "
                        "Mensalidades a Receber (Quadro 15A)"),
         QStringLiteral("O Valor de Faturas a Receber/Mensalidades a Receber/Seguros a Receber (Quadro 11) está "
                        "DIFERENTE do TOTAL de Faturas e Mensalidades a Receber (Quadro 15A)"),
         {}, true},
        {"V7", "11", lista({"10911", "10901"}), lista({"123310", "123510"}), {}, 3, 3,
         QStringLiteral("O Somatório das Subcontas Fatura a Receber/Outras + Participação dos Benficiários em Eventos "
                        "Indenizados (Quadro 11) ESTÁ DIFERENTE do TOTAL de Taxas de Adm./Participação dos "
                        "Beneficiários (Quadro 15A)"),
         QStringLiteral("O Somatório das Subcontas Fatura a Receber/Outras + Participação dos Benficiários em Eventos "
                        "Indenizados/Sinistros Indenizados (Quadro 11) ESTÁ DIFERENTE do TOTAL de Taxas de "
                        "Adm./Participação dos Beneficiários (Quadro 15A)"),
         {}},
        {"V8", "11", lista({"10921", "10922", "10923", "10924"}), lista({"123710", "123720", "123730", "123740", "123741"}),
         {}, 4, 4,
         QStringLiteral("O Somatório das Subcontas Contraprestações de Co-Responsabilidade Assumida +  Ressarcimento de "
                        "Eventos em Co-Responsabilidade + Intercâmbio a Receber  + Câmara de Compensação/Outros "
                        "(Quadro 11) ESTÁ DIFERENTE do TOTAL de Créditos de Operadoras (Quadro 15A)"),
         QStringLiteral("O Somatório das Subcontas Contraprestações de Co-Responsabilidade Assumida +  Ressarcimento de "
                        "Eventos em Co-Responsabilidade + Intercâmbio a Receber  + Câmara de Compensação/Outros + "
                        "Co-Seguradoras (Quadro 11) ESTÁ DIFERENTE do TOTAL de Créditos de Operadoras (Quadro 15A)"),
         {}},
        {"V9", "11", lista({"11010", "11020", "11030"}), lista({"123911", "123939", "12411", "12416"}), {}, 5, 5,
         QStringLiteral("O Somatório das Subcontas Outros Créditos de Operações de Assistência à Saúde +  Outros "
                        "Créditos de Administração com Operadoras de Planos de Saúde +  Outros (Quadro 11)  ESTÁ "
                        "DIFERENTE do TOTAL de Outros Créditos de Operações (Quadro 15A)"),
         QStringLiteral("O Somatório das Subcontas Outros Créditos de Oper. de Assist.à Saúde +  Outros Créditos de "
                        "Adm.com Oper. de Planos de Saúde +  Contas a Receber + Outros Créditos Oper.de Prest. de "
                        "Serviços (Quadro 11)  ESTÁ DIFERENTE do TOTAL de Outros Créditos de Operações (Quadro 15A)"),
         {}},
        {"V10", "12", lista({"20440"}), lista({"21200"}), lista({"21107"}), 6, 6, v10em2006, v10em2006,
         QStringLiteral("O valor lançado em Provisão pra Sinistros a Liquidar (Quadro 12) ESTÁ DIFERENTE do TOTAL de "
                        "Eventos a Liquidar (Quadro 15A)")},
        {"V11", "12", lista({"20950"}), lista({"21304"}), {}, 7, 7, v11, v11, {}},
        {"V12", "12", lista({"21000"}), lista({"21303"}), {}, 8, 8, v12, v12, {}},
        {"V13", "12", lista({"21100"}), lista({"21305", "21400"}), {}, 9, 9,
         QStringLiteral("O Saldo de Outros Débitos Operacionais (Quadro 12) ESTÁ DIFERENTE do TOTAL de Outros Débitos "
                        "Operacionais (Quadro 15A)"),
         QStringLiteral("O Somatório da Conta Outros Débitos de Operações com Plano de Assistência à Saúde + SubGrupo "
                        "Débitos com Oper. Assist. à Saúde não Relacion. C/ Plano de Saúde da Operadora (Quadro 12) "
                        "ESTÁ DIFERENTE do TOTAL de Outros Débitos Operacionais (Quadro 15A)"),
         {}},
    };
}

void RegraContasIdadeSaldo::verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const
{
    LeitorContas contas(ctx.db, ctx.codOper, m_def.exigeConta ? LeitorContas::DoPlanoDeContas : LeitorContas::Todas);
    const bool seguradora = !ctx.operadoraDePlanos && !m_def.contas2007Seguradora.isEmpty();
    for (const QDate &periodo : ctx.periodos) {
        const int ano = periodo.year();
        if (ano != 2006 && ano != 2007)
            continue;
        ctx.avancar();
        const QStringList &codigos = ano == 2006 ? m_def.contas2006
                                     : seguradora ? m_def.contas2007Seguradora
                                                  : m_def.contas2007;
        const LeitorContas::Leitura balanco = contas.ler(periodo, codigos);
        if (m_def.exigeConta && !balanco.encontrada)
            continue;
        const QList<Moeda> colunas = totaisColunas(ctx.db, ctx.codOper, periodo);
        Moeda idades;
        for (int c = m_def.primeiraColuna; c <= m_def.ultimaColuna; ++c)
            idades += colunas.at(c);
        if (!ComparacaoValores::diferemExatamente(balanco.soma, idades))
            continue;
        const QString &texto = ano == 2006  ? m_def.mensagem2006
                               : seguradora ? m_def.mensagem2007Seguradora
                                            : m_def.mensagem2007;
        constatacoes << constatacao(QString::fromLatin1(m_def.quadro), texto, periodo, balanco.soma, idades);
    }
}

} // namespace kelpa::validacao
