#include "Migracao.h"

#include "AlteracaoEsquema.h"
#include "ComparacaoVersao.h"
#include "LinhasMigracao.h"

#include "app/Versao.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"

#include <QSqlQuery>

namespace kelpa {

namespace {

QDate inicio2005()
{
    return QDate(2005, 1, 1);
}

} // namespace

Migracao::Migracao(const QSqlDatabase &db)
    : m_db(db)
{
}

QString Migracao::LeVersao()
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT VersaoKelpa FROM CONSTS")))
        return {};
    m_versaoLida = q.next() ? q.value(0).toString() : QString();
    return m_versaoLida;
}

void Migracao::ApagaTabela(const QString &tabela)
{
    QSqlQuery q(m_db);
    q.exec(QStringLiteral("DELETE FROM %1").arg(AlteracaoEsquema::identificador(tabela)));
}

void Migracao::MarcaAlteracao(const QString &tabela, const QString &colunaData)
{
    Consulta q(m_db, QStringLiteral("UPDATE %1 SET LG_ALTR_TRAM = 'A' WHERE %2 >= :DATA")
                         .arg(AlteracaoEsquema::identificador(tabela), AlteracaoEsquema::identificador(colunaData)));
    q.bind(QStringLiteral(":DATA"), inicio2005()).executar();
}

void Migracao::registraVersao()
{
    // A database without its constants row would never record a version and would
    // run every step below at each connection; it gets the row.
    Consulta existe(m_db, QStringLiteral("SELECT 1 FROM CONSTS LIMIT 1"));
    const QString sql = existe.primeira()
                            ? QStringLiteral("UPDATE CONSTS SET VersaoKelpa = :VERSAO, DtVersaoKelpa = :DATA "
                                             "WHERE rowid = (SELECT MIN(rowid) FROM CONSTS)")
                            : QStringLiteral("INSERT INTO CONSTS (VersaoKelpa, DtVersaoKelpa) VALUES (:VERSAO, :DATA)");
    Consulta q(m_db, sql);
    q.bind(QStringLiteral(":VERSAO"), versaoPrograma()).bind(QStringLiteral(":DATA"), dataVersaoPrograma()).executar();
}

void Migracao::gravaBemCodigo()
{
    Consulta atualiza(m_db, QStringLiteral("UPDATE TB_BEMCODIGO SET NM_BEM = :NOME, CD_INDICADOR = :INDICADOR, "
                                           "LG_FUNDO = :FUNDO WHERE CD_BEM = :CODIGO"));
    Consulta insere(m_db, QStringLiteral("INSERT INTO TB_BEMCODIGO (CD_BEM, NM_BEM, CD_INDICADOR, LG_FUNDO) "
                                         "VALUES (:CODIGO, :NOME, :INDICADOR, :FUNDO)"));
    for (const LinhaBemCodigo &l : linhasBemCodigo()) {
        for (Consulta *q : {&atualiza, &insere})
            q->bind(QStringLiteral(":CODIGO"), l.CD_BEM)
                .bind(QStringLiteral(":NOME"), l.NM_BEM)
                .bind(QStringLiteral(":INDICADOR"), l.CD_INDICADOR)
                .bind(QStringLiteral(":FUNDO"), l.LG_FUNDO);
        if (atualiza.executar().linhasAfetadas() == 0)
            insere.executar();
    }
}

void Migracao::gravaItemSaldo()
{
    Consulta atualiza(m_db, QStringLiteral("UPDATE TP_ITEMSALDO SET DE_ITEM_SALDO = :DESCRICAO, TP_SINAL_ITEM = :SINAL, "
                                           "DE_HINT_SALDO = :DICA "
                                           "WHERE CD_ITEM_SALDO = :CODIGO AND DT_INIC_VIGN_SALDO = :DATA"));
    Consulta insere(m_db, QStringLiteral("INSERT INTO TP_ITEMSALDO (CD_ITEM_SALDO, DT_INIC_VIGN_SALDO, DE_ITEM_SALDO, "
                                         "TP_SINAL_ITEM, DE_HINT_SALDO) VALUES (:CODIGO, :DATA, :DESCRICAO, :SINAL, :DICA)"));
    for (const LinhaItemSaldo &l : linhasItemSaldo()) {
        for (Consulta *q : {&atualiza, &insere})
            q->bind(QStringLiteral(":CODIGO"), l.CD_ITEM_SALDO)
                .bind(QStringLiteral(":DATA"), l.DT_INIC_VIGN_SALDO)
                .bind(QStringLiteral(":DESCRICAO"), l.DE_ITEM_SALDO)
                .bind(QStringLiteral(":SINAL"), l.TP_SINAL_ITEM)
                .bind(QStringLiteral(":DICA"), l.DE_HINT_SALDO);
        if (atualiza.executar().linhasAfetadas() == 0)
            insere.executar();
    }
}

void Migracao::gravaDespesasComerc()
{
    Consulta atualiza(m_db, QStringLiteral("UPDATE TB_DESPESAS_COMERC SET DE_DESPESA = :DESCRICAO, TP_DESPESA = :TIPO, "
                                           "DE_HINT_DESPESA_COMERC = :DICA WHERE ID_TIPO_PLANO = :PLANO "
                                           "AND DT_INIC_VIGN_DESP = :DATA AND CD_DESPESA = :CODIGO"));
    Consulta insere(m_db, QStringLiteral("INSERT INTO TB_DESPESAS_COMERC (ID_TIPO_PLANO, DT_INIC_VIGN_DESP, CD_DESPESA, "
                                         "DE_DESPESA, TP_DESPESA, DE_HINT_DESPESA_COMERC) "
                                         "VALUES (:PLANO, :DATA, :CODIGO, :DESCRICAO, :TIPO, :DICA)"));
    for (const LinhaDespesaComerc &l : linhasDespesasComerc()) {
        for (Consulta *q : {&atualiza, &insere})
            q->bind(QStringLiteral(":PLANO"), l.ID_TIPO_PLANO)
                .bind(QStringLiteral(":DATA"), l.DT_INIC_VIGN_DESP)
                .bind(QStringLiteral(":CODIGO"), l.CD_DESPESA)
                .bind(QStringLiteral(":DESCRICAO"), l.DE_DESPESA)
                .bind(QStringLiteral(":TIPO"), l.TP_DESPESA)
                .bind(QStringLiteral(":DICA"), l.DE_HINT_DESPESA_COMERC);
        if (atualiza.executar().linhasAfetadas() == 0)
            insere.executar();
    }
}

void Migracao::Migra()
{
    const QString versao = m_versaoLida;
    Transacao transacao(m_db);

    // Findings are never carried from one connection to the next.
    ApagaTabela(QStringLiteral("VALIDACAO"));
    registraVersao();

    executarSql(m_db, QStringLiteral("UPDATE SALDOACUMULADOTRIMESTRE SET VL_ITEM_SALDO = 0 WHERE VL_ITEM_SALDO IS NULL"));
    executarSql(m_db, QStringLiteral("UPDATE SALDOACUMULADOANO SET VL_SALDO_FINAL_ANO = 0 WHERE VL_SALDO_FINAL_ANO IS NULL"));
    executarSql(m_db, QStringLiteral("UPDATE SALDOACUMULADOANO SET LG_ALTR_TRAM = 'N' WHERE LG_ALTR_TRAM IS NULL"));

    if (VersaoAnterior(versao, QStringLiteral("3.0.0"))) {
        // Codes the regulator no longer lists go; the listed ones are written afresh.
        ApagaTabela(QStringLiteral("TB_BEMCODIGO"));
        gravaBemCodigo();
        gravaItemSaldo();
    }
    if (VersaoAnterior(versao, QStringLiteral("3.0.2")))
        executarSql(m_db, QStringLiteral("UPDATE RL_MUNICIPIO_ATUACAO_OPERADORA SET LG_ALTR_TRAM = 'N'"));
    if (VersaoAnterior(versao, QStringLiteral("3.0.6"))) {
        gravaDespesasComerc();
        // Selling expenses of periods from 2005 on refer to the 2005 list of items.
        Consulta q(m_db, QStringLiteral("UPDATE DESPESAS_COMERC_VALOR SET DT_INIC_VIGN_DESP = :DTVIGNDESP "
                                        "WHERE DT_INIC_VIGN >= :DTVIGN"));
        q.bind(QStringLiteral(":DTVIGNDESP"), dataLinhasMigracao()).bind(QStringLiteral(":DTVIGN"), inicio2005()).executar();
    }
    if (VersaoAnterior(versao, QStringLiteral("3.1.0"))) {
        // Rows of periods from 2005 on are marked as changed after transmission, to be sent again.
        static const char *const tabelas[] = {
            "ADMINISTRADORES", "ATIVOS_VINCULADOS", "CADASTRO", "DADOSBASICOS", "DADOSGERENCIAIS",
            "DADOSPESSOAS", "DEPENDENCIAS", "DESPESAS_COMERC_VALOR", "DIRETORRELACOES", "PARTICIPACOES",
            "PARTICIPADAS", "PLANOCONTASVALOR", "PROVISOESTECNICAS", "QUADROADMINISTRADORES",
            "QUADRODEPENDENCIAS", "QUADROPARTICIPACOES", "QUADROPARTICIPADAS", "QUADRORECEITASDESPESASUF",
            "RECEITASDESPESASUF", "RESPONSAVEIS", "RL_MUNICIPIO_ATUACAO_OPERADORA", "TELEFONESPESSOAS"};
        for (const char *tabela : tabelas)
            MarcaAlteracao(QString::fromLatin1(tabela), QStringLiteral("DT_INIC_VIGN"));
        MarcaAlteracao(QStringLiteral("SaldoAcumuladoTrimestre"), QStringLiteral("DT_INIC_VIGN_SALDO"));
    }
    transacao.confirmar();
}

} // namespace kelpa
