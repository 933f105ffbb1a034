#include "AtualizacaoBase.h"

#include "AlteracaoEsquemaSqlite.h"
#include "ComparacaoVersao.h"
#include "Migracao.h"
#include "TabelasVersao4.h"

namespace kelpa {

namespace {

using Colunas = QList<DefinicaoColuna>;

DefinicaoColuna texto(const char *nome, int tamanho)
{
    return {QString::fromLatin1(nome), QStringLiteral("TEXTO"), tamanho};
}

DefinicaoColuna coluna(const char *nome, const char *tipo)
{
    return {QString::fromLatin1(nome), QString::fromLatin1(tipo), 0};
}

void criaSeFaltar(AlteracaoEsquema &alteracao, const QString &tabela, const Colunas &colunas)
{
    if (!alteracao.TabelaExiste(tabela))
        alteracao.CriaTabela(tabela, colunas);
}

} // namespace

AtualizacaoBase::Resultado AtualizacaoBase::executar(const QSqlDatabase &db)
{
    AlteracaoEsquemaSqlite alteracao(db);
    return executar(db, alteracao);
}

AtualizacaoBase::Resultado AtualizacaoBase::executar(const QSqlDatabase &db, AlteracaoEsquema &alteracao)
{
    Resultado resultado;
    Migracao migracao(db);
    resultado.baseAtualizada = AtualizaVersao3(alteracao, migracao);
    AtualizaVersao4(alteracao, migracao);
    migracao.Migra();
    return resultado;
}

bool AtualizacaoBase::AtualizaVersao3(AlteracaoEsquema &alteracao, Migracao &migracao)
{
    const QString versao = migracao.LeVersao();
    if (alteracao.ColunaExiste(QStringLiteral("VersaoKelpa"), QStringLiteral("CONSTS"))
        && !VersaoAnterior(versao, QStringLiteral("3.1.0")))
        return false;

    if (VersaoAnterior(versao, QStringLiteral("3.0.0"))) {
        criaSeFaltar(alteracao, QStringLiteral("SaldoAcumuladoTrimestre"),
                     {texto("CD_OPER", 6), texto("CD_ITEM_SALDO", 2), coluna("DT_INIC_VIGN_SALDO", "DATA"),
                      coluna("NR_ANO", "INTEIRO"), coluna("NR_TRIMESTRE", "INTEIRO"), coluna("VL_ITEM_SALDO", "DUPLO"),
                      texto("LG_ALTR_TRAM", 1)});
        criaSeFaltar(alteracao, QStringLiteral("SaldoAcumuladoAno"),
                     {texto("CD_OPER", 6), coluna("NR_ANO", "INTEIRO"), coluna("VL_SALDO_FINAL_ANO", "DUPLO"),
                      texto("LG_ALTR_TRAM", 1)});
        criaSeFaltar(alteracao, QStringLiteral("RL_Municipio_Atuacao_operadora"),
                     {texto("CD_OPER", 6), coluna("DT_INIC_VIGN", "DATA"), coluna("ID_PSOA", "INTEIRO"),
                      coluna("ID_MUNC", "INTEIRO"), texto("LG_ALTR_TRAM", 1)});
        criaSeFaltar(alteracao, QStringLiteral("TP_ItemSaldo"),
                     {texto("CD_ITEM_SALDO", 2), coluna("DT_INIC_VIGN_SALDO", "DATA"), texto("DE_ITEM_SALDO", 50),
                      texto("TP_SINAL_ITEM", 1), coluna("DE_HINT_SALDO", "MEMORANDO")});

        alteracao.ConverteParaFloat(QStringLiteral("QT_ACAO"), QStringLiteral("Participacoes"));
        alteracao.ConverteParaFloat(QStringLiteral("QT_ACAO"), QStringLiteral("Participadas"));
        alteracao.ConverteParaFloat(QStringLiteral("QT_TOTL_ACAO_PTPD"), QStringLiteral("Participadas"));
        alteracao.ConverteParaFloat(QStringLiteral("QT_TOTL_ACAO_OPER"), QStringLiteral("QuadroParticipacoes"));

        const QString administradores = QStringLiteral("ADMINISTRADORES");
        alteracao.AdicionaColuna(QStringLiteral("LG_RESPONSAVEL_TECNICO"), administradores, QStringLiteral("TEXTO"), 1);
        alteracao.AdicionaColuna(QStringLiteral("LG_TIPO_RESPONSAVEL_TECNICO"), administradores, QStringLiteral("TEXTO"), 1);
        alteracao.AdicionaColuna(QStringLiteral("CD_CRM_CRO"), administradores, QStringLiteral("TEXTO"), 15);
        alteracao.AdicionaColuna(QStringLiteral("VersaoKelpa"), QStringLiteral("CONSTS"), QStringLiteral("TEXTO"), 255);
        alteracao.AdicionaColuna(QStringLiteral("DtVersaoKelpa"), QStringLiteral("CONSTS"), QStringLiteral("DATA"), 0);
        alteracao.AdicionaColuna(QStringLiteral("QT_FUNC"), QStringLiteral("DadosGerenciais"), QStringLiteral("INTEIRO"), 0);
        for (const char *provisao : {"VL_PROV_REMISSAO", "VL_PROV_REM_CURTO", "VL_PROV_REM_LONGO", "VL_PROV_REM_OUTRAS"})
            alteracao.AdicionaColuna(QString::fromLatin1(provisao), QStringLiteral("ProvisoesTecnicas"),
                                     QStringLiteral("DUPLO"), 0);
    } else if (VersaoAnterior(versao, QStringLiteral("3.0.2"))) {
        alteracao.AdicionaColuna(QStringLiteral("LG_ALTR_TRAM"), QStringLiteral("RL_Municipio_Atuacao_operadora"),
                                 QStringLiteral("TEXTO"), 1);
    }
    return true;
}

void AtualizacaoBase::AtualizaVersao4(AlteracaoEsquema &alteracao, Migracao &migracao)
{
    const QString versao = migracao.LeVersao();
    if (!VersaoAnterior(versao, QStringLiteral("4.0.0")))
        return;
    for (const TabelaVersao4 &tabela : TabelasVersao4()) {
        // A database that already had one of these tables keeps it as it was: its
        // keys come only with a table created here.
        if (alteracao.TabelaExiste(tabela.nome))
            continue;
        alteracao.CriaTabela(tabela.nome, tabela.colunas);
        for (const RestricaoTabela &r : tabela.restricoes)
            alteracao.AdicionaRestricao(r.tabela, r.tipo, r.nome, r.tabelaReferida, r.colunasReferidas, r.colunas);
    }
    if (alteracao.TabelaExiste(QStringLiteral("Validacao")))
        alteracao.AlteraTipoColuna(QStringLiteral("DE_VLDC_TEXT_UM"), QStringLiteral("Validacao"),
                                   QStringLiteral("MEMORANDO"));
}

} // namespace kelpa
