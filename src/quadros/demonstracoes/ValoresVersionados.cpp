#include "ValoresVersionados.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"

namespace kelpa {

ValoresVersionados::ValoresVersionados(const TabelaVersionada &tabela, QSqlDatabase db, QString codOper, QDate trimestre)
    : m_tabela(tabela)
    , m_db(std::move(db))
    , m_codOper(std::move(codOper))
    , m_trimestre(trimestre)
{
}

QDate ValoresVersionados::versaoVigente() const
{
    Consulta versao(m_db, QStringLiteral("SELECT MAX(%1) AS VERSAO FROM %2 WHERE %1 <= :DTVIGN")
                              .arg(m_tabela.colunaVersao, m_tabela.tabelaLinhas));
    versao.bind(QStringLiteral(":DTVIGN"), m_trimestre);
    return versao.primeira() ? versao.data(QStringLiteral("VERSAO")) : QDate();
}

void ValoresVersionados::lerLinhas(const QDate &versao, const std::function<void(const Consulta &)> &linha) const
{
    Consulta linhas(m_db, QStringLiteral("SELECT %1, %2 FROM %3 WHERE %4 = :VERSAO ORDER BY %1")
                              .arg(m_tabela.colunaCodigo, m_tabela.colunasLinha, m_tabela.tabelaLinhas,
                                   m_tabela.colunaVersao));
    linhas.bind(QStringLiteral(":VERSAO"), versao);
    linhas.executar();
    while (linhas.proxima())
        linha(linhas);
}

QHash<QString, Moeda> ValoresVersionados::lerValores(const QDate &versao) const
{
    Consulta valores(m_db, QStringLiteral("SELECT %1, %2 FROM %3 WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN "
                                          "AND %4 = :VERSAO")
                               .arg(m_tabela.colunaCodigo, m_tabela.colunaValor, m_tabela.tabelaValores,
                                    m_tabela.colunaVersao));
    valores.bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":DTVIGN"), m_trimestre)
        .bind(QStringLiteral(":VERSAO"), versao);
    valores.executar();
    QHash<QString, Moeda> lidos;
    while (valores.proxima())
        lidos.insert(valores.texto(m_tabela.colunaCodigo), Moeda::doBanco(valores.valor(m_tabela.colunaValor)));
    return lidos;
}

void ValoresVersionados::gravar(const QDate &versao, const QList<QPair<QString, Moeda>> &valores) const
{
    Transacao transacao(m_db);
    const QString chave = QStringLiteral("WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND %1 = :CODIGO AND %2 = :VERSAO")
                              .arg(m_tabela.colunaCodigo, m_tabela.colunaVersao);
    Consulta estado(m_db, QStringLiteral("SELECT LG_ALTR_TRAM, %1 FROM %2 %3").arg(m_tabela.colunaValor, m_tabela.tabelaValores, chave));
    Consulta atualiza(m_db, QStringLiteral("UPDATE %1 SET %2 = :VALOR, LG_ALTR_TRAM = :ESTADO %3")
                                .arg(m_tabela.tabelaValores, m_tabela.colunaValor, chave));
    Consulta insere(m_db, QStringLiteral("INSERT INTO %1 (CD_OPER, DT_INIC_VIGN, %2, %3, %4, LG_ALTR_TRAM) "
                                         "VALUES (:CDOPER, :DTVIGN, :CODIGO, :VERSAO, :VALOR, 'N')")
                              .arg(m_tabela.tabelaValores, m_tabela.colunaCodigo, m_tabela.colunaVersao, m_tabela.colunaValor));
    for (const auto &[codigo, valor] : valores) {
        estado.bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .bind(QStringLiteral(":CODIGO"), codigo)
            .bind(QStringLiteral(":VERSAO"), versao);
        const bool existe = estado.primeira();
        if (existe && !estado.nulo(m_tabela.colunaValor) && Moeda::doBanco(estado.valor(m_tabela.colunaValor)) == valor)
            continue;
        Consulta &escrita = existe ? atualiza : insere;
        if (existe)
            atualiza.bind(QStringLiteral(":ESTADO"), EstadoTransmissaoAoGravar(estado.texto(QStringLiteral("LG_ALTR_TRAM"))));
        escrita.bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .bind(QStringLiteral(":CODIGO"), codigo)
            .bind(QStringLiteral(":VERSAO"), versao)
            .bind(QStringLiteral(":VALOR"), valor.paraBanco())
            .executar();
    }
    transacao.confirmar();
}

} // namespace kelpa
