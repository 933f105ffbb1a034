// The chart of accounts, cash-flow lines and ages-of-balance lines that ship with
// every new database: coherent, and holding every code the program reads.

#include "apoio/BancoTemporario.h"

#include "app/banco/Consulta.h"

#include <QHash>
#include <QSet>
#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;

namespace {

struct Conta {
    QString versao, referencia, contabil, descricao, tipo, editar, compoe, ordem, dica, idTipoPlano;
};

QList<Conta> lerPlano(const QSqlDatabase &db)
{
    Consulta q(db, QStringLiteral("SELECT * FROM TB_PLANOCONTAS ORDER BY DT_INIC_VIGN_PLANO, TP_CONTA_CONTABIL, CD_CONTA_ORDEM"));
    q.executar();
    QList<Conta> contas;
    while (q.proxima())
        contas.append({q.texto(QStringLiteral("DT_INIC_VIGN_PLANO")), q.texto(QStringLiteral("CD_CONTA_REFERENCIA")),
                       q.texto(QStringLiteral("CD_CONTA_CONTABIL")), q.texto(QStringLiteral("DE_CONTA_CONTABIL")),
                       q.texto(QStringLiteral("TP_CONTA_CONTABIL")), q.texto(QStringLiteral("TP_EDITAR")),
                       q.texto(QStringLiteral("CD_CONTA_COMPOE")), q.texto(QStringLiteral("CD_CONTA_ORDEM")),
                       q.texto(QStringLiteral("DE_HINT_CONTA_CONTABIL")), q.texto(QStringLiteral("ID_TIPO_PLANO"))});
    return contas;
}

const QString antes2007 = QStringLiteral("2001-01-01");
const QString desde2007 = QStringLiteral("2007-01-01");

} // namespace

TEST(DemonstracoesPlano, EveryChartVersionIsCoherent)
{
    BancoTemporario banco;
    const QList<Conta> contas = lerPlano(banco.db());
    ASSERT_FALSE(contas.isEmpty());
    EXPECT_EQ(QSet<QString>({contas.first().versao, contas.last().versao}), QSet<QString>({antes2007, desde2007}));

    // Reference codes are unique inside a version across the three statements: the
    // structure assembly tells existing rows apart by code alone.
    QHash<QString, QHash<QString, Conta>> porVersao;
    for (const Conta &c : contas) {
        EXPECT_EQ(c.idTipoPlano, QStringLiteral("20"));
        EXPECT_FALSE(porVersao[c.versao].contains(c.referencia)) << "repeated " << c.referencia.toStdString();
        porVersao[c.versao].insert(c.referencia, c);
    }

    for (auto v = porVersao.cbegin(); v != porVersao.cend(); ++v) {
        const QHash<QString, Conta> &plano = v.value();
        QHash<QString, int> filhos;
        QSet<QString> ordens;
        for (const Conta &c : plano) {
            const std::string onde = (v.key() + QLatin1Char(' ') + c.referencia).toStdString();
            EXPECT_TRUE(c.tipo == u"A" || c.tipo == u"P" || c.tipo == u"R") << onde;
            EXPECT_TRUE(c.editar == u"S" || c.editar == u"N") << onde;
            EXPECT_FALSE(c.descricao.trimmed().isEmpty()) << onde;
            EXPECT_FALSE(c.dica.trimmed().isEmpty()) << onde;
            EXPECT_FALSE(ordens.contains(c.tipo + c.ordem)) << onde;
            ordens.insert(c.tipo + c.ordem);
            if (c.compoe == u"0") {
                EXPECT_EQ(c.contabil.size(), 1) << onde;
                EXPECT_EQ(c.editar, QStringLiteral("N")) << onde << ": a top account is never entered";
                continue;
            }
            ASSERT_TRUE(plano.contains(c.compoe)) << onde << " sums into a missing account";
            const Conta &pai = plano.value(c.compoe);
            EXPECT_EQ(pai.tipo, c.tipo) << onde;
            // One character per level, under the parent's code.
            EXPECT_EQ(c.contabil.size(), pai.contabil.size() + 1) << onde;
            EXPECT_TRUE(c.contabil.startsWith(pai.contabil)) << onde;
            // A group heads its accounts; a statement's grand total closes them.
            const bool totalFinal = pai.compoe == u"0"
                                    && (pai.descricao.startsWith(QLatin1String("Total")) || pai.descricao == u"Resultado Líquido");
            if (totalFinal) {
                EXPECT_GT(pai.ordem, c.ordem) << onde;
            } else {
                EXPECT_LT(pai.ordem, c.ordem) << onde;
            }
            ++filhos[c.compoe];
        }
        for (const Conta &c : plano) {
            const std::string onde = (v.key() + QLatin1Char(' ') + c.referencia).toStdString();
            // Computed accounts have children to add up; entered ones are leaves, so a
            // roll-up never overwrites what the user typed.
            EXPECT_EQ(c.editar == u"N", filhos.value(c.referencia) > 0) << onde;
            // Deductions are typed (and made negative); a total never carries "(-)",
            // or the rule would flip a sum.
            if (c.descricao.contains(QLatin1String("(-)"))) {
                EXPECT_EQ(c.editar, QStringLiteral("S")) << onde;
            }
        }
        // Exactly one closing total per statement, found as the confirmation finds it.
        for (const auto &[tipo, nome] : {std::pair{QStringLiteral("A"), QStringLiteral("TOTALDOATIVO")},
                                         std::pair{QStringLiteral("P"), QStringLiteral("TOTALDOPASSIVO")},
                                         std::pair{QStringLiteral("R"), QStringLiteral("RESULTADOLÍQUIDO")}}) {
            int encontrados = 0;
            for (const Conta &c : plano)
                if (c.tipo == tipo && QString(c.descricao).remove(u' ').toUpper() == nome) {
                    ++encontrados;
                    EXPECT_EQ(c.compoe, QStringLiteral("0"));
                }
            EXPECT_EQ(encontrados, 1) << v.key().toStdString() << ' ' << tipo.toStdString();
        }
    }
}

TEST(DemonstracoesPlano, HoldsEveryAccountTheProgramReadsInTheRightVersion)
{
    BancoTemporario banco;
    QHash<QString, QHash<QString, Conta>> porVersao;
    QHash<QString, QSet<QString>> contabeis;
    for (const Conta &c : lerPlano(banco.db())) {
        porVersao[c.versao].insert(c.referencia, c);
        contabeis[c.versao].insert(c.contabil);
    }
    struct Esperado {
        QString versao;
        QString tipo;
        QStringList referencias;
    };
    const QList<Esperado> esperados = {
        // Totals and compensation (balance checks, every year), technical provisions.
        {antes2007, QStringLiteral("A"), {"19000", "19100"}},
        {antes2007, QStringLiteral("P"), {"29000", "29100", "20100", "20480"}},
        {desde2007, QStringLiteral("A"), {"19000", "19100"}},
        {desde2007, QStringLiteral("P"), {"29000", "29100", "20100", "20480"}},
        // Income statement against Quadros 8, 9 and 10.
        {antes2007, QStringLiteral("R"), {"30200", "30400", "30420", "30440", "30460", "30600"}},
        {desde2007, QStringLiteral("R"), {"31001", "32001", "32002", "32003", "34001"}},
        // Balance sheet against the ages of balances, 2006 and 2007.
        {antes2007, QStringLiteral("A"), {"10810", "10911", "10901", "10921", "10922", "10923", "10924", "11010", "11020", "11030"}},
        {antes2007, QStringLiteral("P"), {"20440", "20950", "21000", "21100"}},
        {desde2007, QStringLiteral("A"), {"123110", "123310", "123510", "123710", "123720", "123730", "123740", "123741",
                                          "123911", "123939", "12411", "12416"}},
        {desde2007, QStringLiteral("P"), {"21200", "21107", "21304", "21303", "21305", "21400"}},
    };
    for (const Esperado &e : esperados)
        for (const QString &ref : e.referencias) {
            ASSERT_TRUE(porVersao[e.versao].contains(ref)) << e.versao.toStdString() << ' ' << ref.toStdString();
            EXPECT_EQ(porVersao[e.versao][ref].tipo, e.tipo) << ref.toStdString();
        }

    // Ledger accounts that the quadros' hints name: cash (cash flow), accumulated
    // results (profits or losses), subgroup 311 (net consideration), technical
    // provisions (Quadro 14, chart before 2007).
    for (const QString &versao : {antes2007, desde2007})
        for (const char *conta : {"1211", "1212", "2518", "2618", "2718", "311"})
            EXPECT_TRUE(contabeis[versao].contains(QString::fromLatin1(conta))) << versao.toStdString() << ' ' << conta;
    for (const char *conta : {"21111", "21112", "21119", "21121", "21122", "21129", "2213", "2214"})
        EXPECT_TRUE(contabeis[antes2007].contains(QString::fromLatin1(conta))) << conta;
}

TEST(DemonstracoesPlano, CashFlowAndAgesLines)
{
    BancoTemporario banco;
    Consulta fluxo(banco.db(), QStringLiteral("SELECT CD_FLUXO_CAIXA, DE_CONTA_FLUXO_CAIXA, TP_NATUREZA_CONTA, "
                                              "DT_INIC_VIGN_FLUXO_CAIXA, DE_HINT_CONTA_FLUXO_CAIXA FROM TA_FluxoCaixa "
                                              "ORDER BY CD_FLUXO_CAIXA"));
    fluxo.executar();
    QStringList codigos;
    while (fluxo.proxima()) {
        const QString codigo = fluxo.texto(QStringLiteral("CD_FLUXO_CAIXA"));
        const QString descricao = fluxo.texto(QStringLiteral("DE_CONTA_FLUXO_CAIXA"));
        const QString natureza = fluxo.texto(QStringLiteral("TP_NATUREZA_CONTA"));
        codigos << codigo;
        EXPECT_EQ(fluxo.texto(QStringLiteral("DT_INIC_VIGN_FLUXO_CAIXA")), QStringLiteral("2006-01-01"));
        EXPECT_FALSE(fluxo.texto(QStringLiteral("DE_HINT_CONTA_FLUXO_CAIXA")).isEmpty()) << codigo.toStdString();
        // Receipts and the prior balance may not be negative; payments are stored negative.
        if (descricao.startsWith(QLatin1String("(+)")) || codigo == u"000") {
            EXPECT_EQ(natureza, QStringLiteral("C")) << codigo.toStdString();
        } else if (descricao.startsWith(QLatin1String("(-)"))) {
            EXPECT_EQ(natureza, QStringLiteral("D")) << codigo.toStdString();
        } else {
            EXPECT_TRUE(descricao.startsWith(u"CAIXA LÍQUIDO DAS ATIVIDADES")) << codigo.toStdString();
        }
    }
    QStringList esperados{QStringLiteral("000")};
    for (const auto &[de, ate] : {std::pair{101, 113}, std::pair{201, 211}, std::pair{301, 312}})
        for (int i = de; i <= ate; ++i)
            esperados << QString::number(i);
    EXPECT_EQ(codigos, esperados);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT DE_CONTA_FLUXO_CAIXA FROM TA_FluxoCaixa WHERE CD_FLUXO_CAIXA = '110'")).toString(),
              QStringLiteral("(-) Pagamentos de Aluguel"));

    Consulta idades(banco.db(), QStringLiteral("SELECT CD_IDADE_SALDO, TP_CONTA_IDADE_SALDO FROM TA_IdadeSaldo "
                                               "WHERE DT_INIC_VIGN_IDADE_SALDO = '2006-01-01' ORDER BY CD_IDADE_SALDO"));
    idades.executar();
    QStringList codigosIdade;
    while (idades.proxima()) {
        const QString codigo = idades.texto(QStringLiteral("CD_IDADE_SALDO"));
        codigosIdade << codigo;
        EXPECT_EQ(idades.texto(QStringLiteral("TP_CONTA_IDADE_SALDO")), codigo.toInt() < 50 ? QStringLiteral("A") : QStringLiteral("P"));
    }
    QStringList esperadosIdade;
    for (int i = 1; i <= 77; ++i)
        if (i <= 42 || i >= 50)
            esperadosIdade << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(codigosIdade, esperadosIdade);
}
