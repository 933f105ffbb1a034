#pragma once

// A small operator whose stored quarters agree with one another in every way the
// validation checks: each validation test starts from it and breaks one thing.

#include "apoio/BancoTemporario.h"

#include <QDate>
#include <QList>
#include <QString>
#include <gtest/gtest.h>

namespace kelpa::teste::validacao {

inline const QString planos = QStringLiteral("345678");     // plan operator
inline const QString seguradora = QStringLiteral("012345"); // insurer (code below 30000)

// The quarters of the clean operator: one before 2005, the first of 2005, two of 2006
// (year-to-date totals), one in the 2007 chart of accounts and one after the years
// the ages of balances are checked.
inline QList<QDate> trimestresPadrao()
{
    return {QDate(2004, 10, 1), QDate(2005, 1, 1), QDate(2006, 1, 1), QDate(2006, 4, 1), QDate(2007, 1, 1),
            QDate(2008, 1, 1)};
}

inline QString d(const QDate &data)
{
    return data.toString(Qt::ISODate);
}

inline QString v(double valor)
{
    return QString::number(valor, 'f', 2);
}

struct Conta {
    const char *codigo;
    double valor;
};

// The registration the rules look at: an operator row, a registration from 2001, the
// operator's details from 2005 with its region, administrators with a technical
// officer and a representative.
inline void cadastrar(const BancoTemporario &banco, const QString &cod, const QString &modalidade = QStringLiteral("MEGRP"),
                      const QString &submodalidade = QStringLiteral("SPP"))
{
    banco.sql(QStringLiteral("INSERT INTO OPERADORAS (CD_OPER) VALUES ('%1')").arg(cod));
    banco.sql(QStringLiteral("INSERT INTO PESSOAS (CD_OPER, ID_PSOA, TP_PSOA, CD_CPF_CNPJ, NM_PSOA, LG_ESTRANGEIRO, "
                             "LG_ALTR_TRAM) VALUES ('%1', 0, 'J', '96943342000114', 'Saúde Exemplo Ltda.', 'N', 'N')")
                  .arg(cod));
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_MODL, CD_SUBM, CD_SOCI, "
                             "CD_NATZ_JURD, LG_ALTR_TRAM) VALUES ('%1', '2001-01-01', 0, '%2', '%3', 'C', 'SOCIA', 'N')")
                  .arg(cod, modalidade, submodalidade));
    banco.sql(QStringLiteral("INSERT INTO DADOSPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, TP_PSOA, CD_CPF_CNPJ, NM_PSOA, "
                             "CD_REG_ATUACAO, LG_ALTR_TRAM) VALUES ('%1', '2005-01-01', 0, 'J', '96943342000114', "
                             "'Saúde Exemplo Ltda.', 1, 'N')")
                  .arg(cod));
    banco.sql(QStringLiteral("INSERT INTO ADMINISTRADORES (CD_OPER, DT_INIC_VIGN, ID_PSOA, SQ_PSOA, CD_ORGA, "
                             "LG_RESPONSAVEL_TECNICO, LG_ALTR_TRAM) VALUES "
                             "('%1', '2005-01-01', 1, 1, 'D', 'F', 'N'), ('%1', '2005-01-01', 2, 2, 'D', 'T', 'N')")
                  .arg(cod));
    banco.sql(QStringLiteral("INSERT INTO DIRETORRELACOES (CD_OPER, DT_INIC_VIGN, CD_OPER_DIRE, ID_PSOA, LG_ALTR_TRAM) "
                             "VALUES ('%1', '2005-01-01', '1', 1, 'N')")
                  .arg(cod));
}

inline void contas(const BancoTemporario &banco, const QString &cod, const QDate &trimestre, const QList<Conta> &lista)
{
    const QString plano = trimestre.year() >= 2007 ? QStringLiteral("2007-01-01") : QStringLiteral("2001-01-01");
    for (const Conta &c : lista)
        banco.sql(QStringLiteral("INSERT INTO PLANOCONTASVALOR (CD_OPER, DT_INIC_VIGN, ID_TIPO_PLANO, "
                                 "DT_INIC_VIGN_PLANO, CD_CONTA_REFERENCIA, VL_CONTA_REFERENCIA, LG_ALTR_TRAM) "
                                 "VALUES ('%1', '%2', '20', '%3', '%4', %5, 'N')")
                      .arg(cod, d(trimestre), plano, QString::fromLatin1(c.codigo), v(c.valor)));
}

// Every quarterly table of one quarter. Quadro 8 brings 1.750,00 plus the quarter's
// position in the list (so that year-to-date totals differ from quarter totals).
inline void trimestre(const BancoTemporario &banco, const QString &cod, const QList<QDate> &todos, int indice)
{
    const QDate t = todos.at(indice);
    const double receita = 1750.0 + indice;
    double receitaAno = 0;
    double eventosAno = 0;
    double comercializacaoAno = 0;
    for (int i = 0; i <= indice; ++i)
        if (todos.at(i).year() == t.year()) {
            receitaAno += 1750.0 + i;
            eventosAno += 940.0;
            comercializacaoAno += 55.0;
        }

    banco.sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, VL_DESP_HOSP_TOT, "
                             "VL_DESP_MED_TOT, VL_DESP_ODON_TOT, LG_ALTR_TRAM) VALUES ('%1', '%2', 500, 400, 40, 'N')")
                  .arg(cod, d(t)));
    banco.sql(QStringLiteral("INSERT INTO RECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, CD_UF, VL_RECT_PRE, VL_RECT_OUTR, "
                             "VL_RECT_PRE_ODON, VL_RECT_OUTR_ODON, VL_DESP_MEDC_PRE, VL_DESP_MEDC_OUTR, "
                             "VL_DESP_MEDC_PRE_ODON, VL_DESP_MEDC_OUTR_ODON, LG_ALTR_TRAM) VALUES "
                             "('%1', '%2', 'SP', %3, 200, NULL, NULL, 800, 100, NULL, NULL, 'N'), "
                             "('%1', '%2', 'RJ', 500, NULL, NULL, 50, NULL, NULL, 40, NULL, 'N')")
                  .arg(cod, d(t), v(receita - 750.0)));
    banco.sql(QStringLiteral("INSERT INTO DESPESAS_COMERC_VALOR (CD_OPER, DT_INIC_VIGN, ID_TIPO_PLANO, DT_INIC_VIGN_DESP, "
                             "CD_DESPESA, VL_DESPESA, LG_ALTR_TRAM) VALUES "
                             "('%1', '%2', '20', '2005-01-01', '010', 30, 'N'), ('%1', '%2', '20', '2005-01-01', '020', 20, 'N'), "
                             "('%1', '%2', '20', '2005-01-01', '025', 5, 'N')")
                  .arg(cod, d(t)));
    banco.sql(QStringLiteral("INSERT INTO PROVISOESTECNICAS (CD_OPER, DT_INIC_VIGN, VL_PROV_RISCO, VL_PROV_OPER, "
                             "VL_PROV_OUTR, VL_PROV_EVEN_IBNR, LG_ALTR_TRAM) VALUES ('%1', '%2', 1000, 200, 50, 300, 'N')")
                  .arg(cod, d(t)));

    const double total = 100000.0 + indice;
    QList<Conta> lista{{"19000", total}, {"29000", total}, {"19100", 3500}, {"29100", 3500}, {"20100", 1250}, {"20480", 300}};
    if (t.year() < 2007)
        lista << Conta{"30200", receitaAno} << Conta{"30420", -eventosAno - 10} << Conta{"30440", 6} << Conta{"30460", 4}
              << Conta{"30600", -comercializacaoAno};
    else
        lista << Conta{"31001", receitaAno} << Conta{"32001", -eventosAno - 10} << Conta{"32002", 6} << Conta{"32003", 4}
              << Conta{"34001", -comercializacaoAno};
    // Receivables and payables that the ages of balances below add up to.
    if (t.year() < 2007)
        lista << Conta{"10810", 600} << Conta{"10911", 30} << Conta{"10901", 10} << Conta{"10921", 20} << Conta{"10922", 10}
              << Conta{"10923", 10} << Conta{"10924", 10} << Conta{"11010", 20} << Conta{"11020", 20} << Conta{"11030", 20}
              << Conta{"20440", 700} << Conta{"20950", 80} << Conta{"21000", 90} << Conta{"21100", 110};
    else
        lista << Conta{"123110", 600} << Conta{"123310", 25} << Conta{"123510", 15} << Conta{"123710", 10}
              << Conta{"123720", 10} << Conta{"123730", 10} << Conta{"123740", 10} << Conta{"123741", 10}
              << Conta{"123911", 15} << Conta{"123939", 15} << Conta{"12411", 15} << Conta{"12416", 15}
              << Conta{"21200", 700} << Conta{"21107", 700} << Conta{"21304", 80} << Conta{"21303", 90}
              << Conta{"21305", 60} << Conta{"21400", 50};
    contas(banco, cod, t, lista);

    if (t.year() >= 2006) {
        // Each column's amount lies in its first and last age buckets.
        const int primeiro[10] = {1, 8, 15, 22, 29, 36, 50, 57, 64, 71};
        const double coluna[10] = {100, 200, 300, 40, 50, 60, 700, 80, 90, 110};
        for (int c = 0; c < 10; ++c) {
            banco.sql(QStringLiteral("INSERT INTO TB_IdadeSaldoValor (CD_OPER, CD_IDADE_SALDO, DT_INIC_VIGN, "
                                     "DT_INIC_VIGN_IDADE_SALDO, VL_CONTA_IDADE_SALDO, LG_ALTR_TRAM) VALUES "
                                     "('%1', '%2', '%3', '2006-01-01', %4, 'N'), ('%1', '%5', '%3', '2006-01-01', 1, 'N')")
                          .arg(cod)
                          .arg(primeiro[c], 2, 10, QLatin1Char('0'))
                          .arg(d(t), v(coluna[c] - 1))
                          .arg(primeiro[c] + 6, 2, 10, QLatin1Char('0')));
        }
    }
}

inline void operadoraCompleta(const BancoTemporario &banco, const QString &cod,
                              const QString &modalidade = QStringLiteral("MEGRP"),
                              const QString &submodalidade = QStringLiteral("SPP"),
                              const QList<QDate> &trimestres = trimestresPadrao())
{
    // One transaction: a few hundred rows written one commit at a time would take seconds.
    banco.sql(QStringLiteral("BEGIN"));
    cadastrar(banco, cod, modalidade, submodalidade);
    for (int i = 0; i < trimestres.size(); ++i)
        trimestre(banco, cod, trimestres, i);
    banco.sql(QStringLiteral("COMMIT"));
}

} // namespace kelpa::teste::validacao
