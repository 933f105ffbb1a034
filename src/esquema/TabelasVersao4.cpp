#include "TabelasVersao4.h"

namespace kelpa {

namespace {

DefinicaoColuna texto(const char *nome, int tamanho)
{
    return {QString::fromLatin1(nome), QStringLiteral("TEXTO"), tamanho};
}

DefinicaoColuna coluna(const char *nome, const char *tipo)
{
    return {QString::fromLatin1(nome), QString::fromLatin1(tipo), 0};
}

QStringList nomes(std::initializer_list<const char *> lista)
{
    QStringList r;
    for (const char *n : lista)
        r << QString::fromLatin1(n);
    return r;
}

RestricaoTabela primaria(const char *tabela, const QStringList &colunas)
{
    const QString t = QString::fromLatin1(tabela);
    return {t + QStringLiteral("_PK"), AlteracaoEsquema::chavePrimaria(), t, colunas, {}, {}};
}

RestricaoTabela estrangeira(const char *tabela, const char *referida, const QStringList &colunas)
{
    const QString t = QString::fromLatin1(tabela);
    const QString r = QString::fromLatin1(referida);
    return {t + QStringLiteral("_") + r + QStringLiteral("_FK"), AlteracaoEsquema::chaveEstrangeira(), t, colunas, r, colunas};
}

} // namespace

const QList<TabelaVersao4> &TabelasVersao4()
{
    static const QList<TabelaVersao4> tabelas = [] {
        const QStringList chaveFluxo = nomes({"CD_FLUXO_CAIXA", "DT_INIC_VIGN_FLUXO_CAIXA"});
        const QStringList chaveIdade = nomes({"CD_IDADE_SALDO", "DT_INIC_VIGN_IDADE_SALDO"});
        return QList<TabelaVersao4>{
            {QStringLiteral("TB_FluxoCaixaValor"),
             {texto("CD_OPER", 6), texto("CD_FLUXO_CAIXA", 3), coluna("DT_INIC_VIGN", "DATA"),
              coluna("DT_INIC_VIGN_FLUXO_CAIXA", "DATA"), coluna("VL_CONTA_FLUXO_CAIXA", "DUPLO"), texto("LG_ALTR_TRAM", 1)},
             {primaria("TB_FluxoCaixaValor", nomes({"CD_OPER", "DT_INIC_VIGN", "CD_FLUXO_CAIXA", "DT_INIC_VIGN_FLUXO_CAIXA"}))}},
            {QStringLiteral("TA_FluxoCaixa"),
             {texto("CD_FLUXO_CAIXA", 3), coluna("DT_INIC_VIGN_FLUXO_CAIXA", "DATA"), texto("DE_CONTA_FLUXO_CAIXA", 100),
              texto("TP_NATUREZA_CONTA", 1), coluna("DE_HINT_CONTA_FLUXO_CAIXA", "MEMORANDO")},
             {primaria("TA_FluxoCaixa", chaveFluxo), estrangeira("TB_FluxoCaixaValor", "TA_FluxoCaixa", chaveFluxo)}},
            {QStringLiteral("TB_IdadeSaldoValor"),
             {texto("CD_OPER", 6), texto("CD_IDADE_SALDO", 2), coluna("DT_INIC_VIGN", "DATA"),
              coluna("DT_INIC_VIGN_IDADE_SALDO", "DATA"), coluna("VL_CONTA_IDADE_SALDO", "DUPLO"), texto("LG_ALTR_TRAM", 1)},
             {primaria("TB_IdadeSaldoValor", nomes({"CD_OPER", "DT_INIC_VIGN", "CD_IDADE_SALDO", "DT_INIC_VIGN_IDADE_SALDO"}))}},
            {QStringLiteral("TA_IdadeSaldo"),
             {texto("CD_IDADE_SALDO", 2), coluna("DT_INIC_VIGN_IDADE_SALDO", "DATA"), texto("DE_CONTA_IDADE_SALDO", 100),
              texto("TP_CONTA_IDADE_SALDO", 1), coluna("DE_HINT_CONTA_IDADE_SALDO", "MEMORANDO")},
             {primaria("TA_IdadeSaldo", chaveIdade), estrangeira("TB_IdadeSaldoValor", "TA_IdadeSaldo", chaveIdade)}},
        };
    }();
    return tabelas;
}

} // namespace kelpa
