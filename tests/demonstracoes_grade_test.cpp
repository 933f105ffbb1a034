// The chart-of-accounts statements on a small synthetic chart: roll-ups into every
// ancestor, the "(-)" rule, transmission states, undo and the confirmation checks.

#include "demonstracoes_apoio.h"
#include "apoio/BancoTemporario.h"

#include "app/banco/Consulta.h"
#include "quadros/demonstracoes/DemonstracaoContabil.h"
#include "quadros/demonstracoes/MontagemEstrutura.h"
#include "quadros/demonstracoes/RegrasModalidade.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;

namespace {

const QString oper = QStringLiteral("345678");

struct ContaSintetica {
    const char *tipo, *referencia, *contabil, *descricao, *editar, *compoe, *ordem;
};

// Display order puts each group above its accounts and the grand total last.
const ContaSintetica planoSintetico[] = {
    {"A", "1100", "11", "Circulante", "N", "1900", "01"},
    {"A", "1110", "111", "Caixa", "S", "1100", "02"},
    {"A", "1120", "112", "Clientes", "S", "1100", "03"},
    {"A", "1130", "113", "(-) Provisão para Perdas", "S", "1100", "04"},
    {"A", "1200", "12", "Permanente", "N", "1900", "05"},
    {"A", "1210", "121", "Imóveis", "S", "1200", "06"},
    {"A", "1220", "122", "(-) Depreciação", "S", "1200", "07"},
    {"A", "1900", "1", "Total do Ativo", "N", "0", "09"},
    {"A", "1990", "19", "Conta sem pai", "S", "1999", "10"},
    {"P", "2100", "21", "Fornecedores", "S", "2900", "01"},
    {"P", "2900", "2", "Total do Passivo", "N", "0", "09"},
    {"R", "3100", "31", "Receitas", "S", "3900", "01"},
    {"R", "3200", "32", "(-) Despesas", "S", "3900", "02"},
    {"R", "3900", "3", "Resultado Líquido", "N", "0", "09"},
};

class DemonstracoesGrade : public ::testing::Test
{
protected:
    void SetUp() override
    {
        banco.sql(QStringLiteral("DELETE FROM TB_PLANOCONTAS"));
        Consulta insere(banco.db(), QStringLiteral("INSERT INTO TB_PLANOCONTAS (ID_TIPO_PLANO, DT_INIC_VIGN_PLANO, TP_CONTA_CONTABIL, "
                                                   "CD_CONTA_REFERENCIA, CD_CONTA_CONTABIL, DE_CONTA_CONTABIL, TP_EDITAR, "
                                                   "CD_CONTA_COMPOE, CD_CONTA_ORDEM, DE_HINT_CONTA_CONTABIL) "
                                                   "VALUES ('20', '2001-01-01', :T, :R, :C, :D, :E, :P, :O, 'dica ' || :R)"));
        for (const ContaSintetica &c : planoSintetico)
            insere.bind(QStringLiteral(":T"), QString::fromUtf8(c.tipo))
                .bind(QStringLiteral(":R"), QString::fromUtf8(c.referencia))
                .bind(QStringLiteral(":C"), QString::fromUtf8(c.contabil))
                .bind(QStringLiteral(":D"), QString::fromUtf8(c.descricao))
                .bind(QStringLiteral(":E"), QString::fromUtf8(c.editar))
                .bind(QStringLiteral(":P"), QString::fromUtf8(c.compoe))
                .bind(QStringLiteral(":O"), QString::fromUtf8(c.ordem))
                .executar();
        for (const QDate &t : {QDate(2004, 1, 1), QDate(2005, 1, 1), QDate(2006, 1, 1)})
            MontagemEstrutura(banco.db(), oper, t).MontaPlanoContasValor();
    }

    DemonstracaoContabil abrir(QChar tipo, const QDate &t = QDate(2006, 1, 1))
    {
        DemonstracaoContabil d(banco.db(), oper, t, tipo);
        d.carregar();
        return d;
    }

    QString guardado(const char *referencia, const QDate &t = QDate(2006, 1, 1))
    {
        return banco
            .escalar(QStringLiteral("SELECT VL_CONTA_REFERENCIA || ' ' || LG_ALTR_TRAM FROM PLANOCONTASVALOR "
                                    "WHERE CD_OPER = '%1' AND DT_INIC_VIGN = '%2' AND CD_CONTA_REFERENCIA = '%3'")
                         .arg(oper, t.toString(Qt::ISODate), QLatin1String(referencia)))
            .toString();
    }

    static QString valor(const DemonstracaoContabil &d, const char *referencia)
    {
        return d.textoValor(d.indice(QString::fromLatin1(referencia)));
    }

    BancoTemporario banco;
};

} // namespace

TEST_F(DemonstracoesGrade, LoadsInDisplayOrderWithIndentedDescriptions)
{
    const DemonstracaoContabil d = abrir(u'A');
    ASSERT_EQ(d.contas().size(), 9);
    EXPECT_EQ(d.contas().first().descricaoRecuada(), QStringLiteral("     Circulante"));
    EXPECT_EQ(d.contas().at(1).descricaoRecuada(), QStringLiteral("          Caixa"));
    EXPECT_EQ(d.contas().at(7).descricaoRecuada(), QStringLiteral("Total do Ativo"));
    EXPECT_EQ(d.contas().at(1).dica, QStringLiteral("dica 1110"));
    EXPECT_EQ(d.linhaTotal(), 7);
    EXPECT_TRUE(d.emNegrito(0));
    EXPECT_FALSE(d.emNegrito(1));
    EXPECT_EQ(DemonstracaoContabil::titulo(u'R'), QStringLiteral("Quadro 13: Demonstrações do Resultado do Exercício"));
}

TEST_F(DemonstracoesGrade, ATypedLeafRollsUpIntoEveryAncestor)
{
    DemonstracaoContabil d = abrir(u'A');
    EXPECT_FALSE(d.alterado());
    const QList<int> mudaram = d.digitar(d.indice(QStringLiteral("1110")), QStringLiteral("1234,567"));
    EXPECT_EQ(mudaram, (QList<int>{0, 1, 7}));
    EXPECT_TRUE(d.alterado());
    EXPECT_EQ(valor(d, "1110"), QStringLiteral("1.234,56"));
    EXPECT_EQ(valor(d, "1100"), QStringLiteral("1.234,56"));
    EXPECT_EQ(valor(d, "1900"), QStringLiteral("1.234,56"));
    d.digitar(d.indice(QStringLiteral("1210")), QStringLiteral("10.000"));
    EXPECT_EQ(valor(d, "1200"), QStringLiteral("10.000,00"));
    EXPECT_EQ(valor(d, "1900"), QStringLiteral("11.234,56"));
    // Written at once: another reader sees the same.
    EXPECT_EQ(guardado("1900"), QStringLiteral("11234.56 N"));
    const DemonstracaoContabil outra = abrir(u'A');
    EXPECT_EQ(valor(outra, "1900"), QStringLiteral("11.234,56"));
    // Computed accounts take no input.
    EXPECT_TRUE(d.digitar(d.indice(QStringLiteral("1900")), QStringLiteral("5")).isEmpty());
    EXPECT_EQ(guardado("1900"), QStringLiteral("11234.56 N"));
}

TEST_F(DemonstracoesGrade, DeductionsAreStoredNegativeAndLowerTheirParent)
{
    DemonstracaoContabil d = abrir(u'A');
    d.digitar(d.indice(QStringLiteral("1120")), QStringLiteral("2.000"));
    const int provisao = d.indice(QStringLiteral("1130"));
    d.digitar(provisao, QStringLiteral("500"));
    EXPECT_EQ(valor(d, "1130"), QStringLiteral("-500,00"));
    EXPECT_TRUE(d.emVermelho(provisao));
    EXPECT_FALSE(d.emVermelho(d.indice(QStringLiteral("1120"))));
    EXPECT_EQ(valor(d, "1100"), QStringLiteral("1.500,00"));
    EXPECT_EQ(guardado("1130"), QStringLiteral("-500.0 N"));
    // Already negative stays as typed.
    d.digitar(provisao, QStringLiteral("-300"));
    EXPECT_EQ(valor(d, "1100"), QStringLiteral("1.700,00"));
    EXPECT_EQ(d.textoParaEdicao(provisao), QStringLiteral("-300,00"));
    d.digitar(provisao, QStringLiteral("0"));
    EXPECT_FALSE(d.emVermelho(provisao));
}

TEST_F(DemonstracoesGrade, TransmittedRowsBecomeChangedWithTheirTotals)
{
    banco.sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET LG_ALTR_TRAM = 'T' WHERE CD_CONTA_REFERENCIA IN ('1110', '1100', '1210')"));
    DemonstracaoContabil d = abrir(u'A');
    d.digitar(d.indice(QStringLiteral("1110")), QStringLiteral("10"));
    EXPECT_EQ(guardado("1110"), QStringLiteral("10.0 A"));
    EXPECT_EQ(guardado("1100"), QStringLiteral("10.0 A"));
    EXPECT_EQ(guardado("1900"), QStringLiteral("10.0 N"));
    // Rows whose amount did not change keep their state.
    EXPECT_EQ(guardado("1210"), QStringLiteral("0.0 T"));
}

TEST_F(DemonstracoesGrade, CancelPutsBackEveryValueTotalAndState)
{
    banco.sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 7, LG_ALTR_TRAM = 'T' "
                             "WHERE CD_CONTA_REFERENCIA IN ('1210', '1200', '1900')"));
    DemonstracaoContabil d = abrir(u'A');
    d.digitar(d.indice(QStringLiteral("1110")), QStringLiteral("100"));
    d.digitar(d.indice(QStringLiteral("1220")), QStringLiteral("3"));
    EXPECT_EQ(valor(d, "1900"), QStringLiteral("104,00"));
    d.desfazer();
    EXPECT_FALSE(d.alterado());
    for (const char *ref : {"1110", "1100", "1220"})
        EXPECT_EQ(guardado(ref), QStringLiteral("0.0 N")) << ref;
    for (const char *ref : {"1200", "1900"})
        EXPECT_EQ(guardado(ref), QStringLiteral("7.0 T")) << ref;
    EXPECT_EQ(valor(d, "1900"), QStringLiteral("7,00"));
}

TEST_F(DemonstracoesGrade, AMissingParentEndsTheRollUp)
{
    DemonstracaoContabil d = abrir(u'A');
    EXPECT_EQ(d.digitar(d.indice(QStringLiteral("1990")), QStringLiteral("9")), QList<int>{8});
    EXPECT_EQ(valor(d, "1900"), QStringLiteral("0,00"));
}

TEST_F(DemonstracoesGrade, ManyValuesAtOnceKeepEveryTotalEqualToItsChildren)
{
    DemonstracaoContabil d = abrir(u'A');
    d.definirValores({{QStringLiteral("1110"), Moeda::deCentavos(100)},
                      {QStringLiteral("1130"), Moeda::deCentavos(30)},
                      {QStringLiteral("1210"), Moeda::deCentavos(1000)},
                      {QStringLiteral("1900"), Moeda::deCentavos(999999)}}); // computed: ignored
    EXPECT_EQ(valor(d, "1100"), QStringLiteral("0,70"));
    EXPECT_EQ(valor(d, "1200"), QStringLiteral("10,00"));
    EXPECT_EQ(valor(d, "1900"), QStringLiteral("10,70"));
    EXPECT_EQ(guardado("1900"), QStringLiteral("10.7 N"));
}

TEST_F(DemonstracoesGrade, EditableCells)
{
    const DemonstracaoContabil d = abrir(u'A');
    const int caixa = d.indice(QStringLiteral("1110"));
    const int total = d.indice(QStringLiteral("1900"));
    EXPECT_TRUE(d.editavelNaGrade(caixa, true, false));
    EXPECT_FALSE(d.editavelNaGrade(caixa, false, false));
    EXPECT_TRUE(d.editavelNaGrade(caixa, false, true));
    EXPECT_FALSE(d.editavelNaGrade(total, true, true));
    EXPECT_EQ(d.textoParaEdicao(caixa), QStringLiteral("0,00"));
}

TEST_F(DemonstracoesGrade, ConfirmationChecks)
{
    using R = CriticaDemonstracao;
    struct Caso {
        char tipo;
        int ano;
        const char *valorDigitado; // into the statement's first entered account ("" = nothing)
        bool quadro8;
        R::Resultado resultado;
        const char *mensagem;
    };
    const Caso casos[] = {
        {'A', 2006, "", false, R::Recusada, "Total do Ativo NÃO pode ser menor ou igual a ZERO."},
        {'P', 2006, "-5", false, R::Recusada, "Total do Passivo NÃO pode ser menor ou igual a ZERO."},
        {'A', 2006, "0,01", false, R::Aceita, ""},
        {'R', 2006, "", false, R::Recusada, "Resultado Líquido NÃO pode ser igual a ZERO."},
        {'R', 2006, "-5", false, R::Aceita, ""},
        {'A', 2005, "", false, R::Recusada, "Total do Ativo NÃO pode ser igual a ZERO."},
        {'P', 2005, "-5", false, R::Aceita, ""},
        {'R', 2004, "", false, R::Recusada, "Resultado Líquido NÃO pode ser igual a ZERO."},
        {'R', 2005, "", false, R::Perguntar, "Todos os campos estão zerados. Deseja realmente confirmar a gravação?"},
        {'R', 2005, "", true, R::Recusada, "Todos os campos estão zerados, mas os quadros\r8 e/ou 9 encontram-se preenchidos."},
        {'R', 2005, "3", false, R::Aceita, ""},
    };
    for (const Caso &c : casos) {
        const BancoTemporario &b = banco;
        b.sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 0"));
        b.sql(QStringLiteral("DELETE FROM RECEITASDESPESASUF"));
        b.sql(QStringLiteral("DELETE FROM QUADRORECEITASDESPESASUF"));
        const QDate t(c.ano, 1, 1);
        if (c.quadro8) {
            b.sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN) VALUES ('345678', '%1')").arg(t.toString(Qt::ISODate)));
            b.sql(QStringLiteral("INSERT INTO RECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, CD_UF, VL_DESP_MEDC_OUTR_ODON) "
                                 "VALUES ('345678', '%1', 'SP', 0.01)").arg(t.toString(Qt::ISODate)));
        }
        DemonstracaoContabil d = abrir(QChar::fromLatin1(c.tipo), t);
        if (*c.valorDigitado) {
            int primeira = 0;
            while (!d.contas().at(primeira).editavel())
                ++primeira;
            d.digitar(primeira, QString::fromLatin1(c.valorDigitado));
        }
        const CriticaDemonstracao critica = d.criticar();
        EXPECT_EQ(critica.resultado, c.resultado) << c.tipo << c.ano << c.valorDigitado;
        EXPECT_EQ(critica.mensagem, QString::fromUtf8(c.mensagem)) << c.tipo << c.ano << c.valorDigitado;
    }
}

TEST_F(DemonstracoesGrade, AStatementWithoutItsTotalIsRefused)
{
    banco.sql(QStringLiteral("UPDATE TB_PLANOCONTAS SET DE_CONTA_CONTABIL = 'Soma' WHERE CD_CONTA_REFERENCIA = '2900'"));
    const CriticaDemonstracao c = abrir(u'P').criticar();
    EXPECT_EQ(c.resultado, CriticaDemonstracao::Recusada);
    EXPECT_EQ(c.mensagem, QStringLiteral("Registro Total do Passivo, Totalizador, não encontrado. Provavelmente algum "
                                         "divergência proviniente da base de dados "));
    // Spaces and case do not matter when finding it.
    banco.sql(QStringLiteral("UPDATE TB_PLANOCONTAS SET DE_CONTA_CONTABIL = 'TOTAL  DO PASSIVO' WHERE CD_CONTA_REFERENCIA = '2900'"));
    EXPECT_EQ(abrir(u'P').linhaTotal(), 1);
}

TEST(DemonstracoesModalidade, ExemptionAndInclusionLists)
{
    struct Caso {
        const char *soci, *natureza, *modalidade, *submodalidade;
        bool dispensadaDemonstracoes, dispensadaQuadro8;
    };
    const Caso casos[] = {
        {"C", "SCOTA", "MEGRP", "SPP", false, false},
        {"S", "ASSOC", "AUTOG", "PATRS", true, true},
        {"C", "SOCIA", "AUTOG", "ADMPL", true, true},
        {"S", "FUNDA", "AUTOG", "NPATR", false, false},
        {"C", "SOCIA", "SES", "SEM", false, false},
        {"C", "SCOTA", "ADMIN", "ADMPL", false, true},
        {"S", "SCOOP", "COOPO", "SOP", false, false},
    };
    for (const Caso &c : casos) {
        BancoTemporario banco;
        // An older registration of another kind does not count: the newest decides.
        banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_SOCI, CD_NATZ_JURD, CD_MODL, CD_SUBM) "
                                 "VALUES ('345678', '2001-01-01', 0, 'S', 'ASSOC', 'AUTOG', 'PATRM'), "
                                 "('345678', '2005-01-01', 0, '%1', '%2', '%3', '%4')")
                      .arg(QLatin1String(c.soci), QLatin1String(c.natureza), QLatin1String(c.modalidade), QLatin1String(c.submodalidade)));
        EXPECT_EQ(RegraModalidade::demonstracoes().dispensada(banco.db(), oper), c.dispensadaDemonstracoes) << c.modalidade << c.submodalidade;
        EXPECT_EQ(RegraModalidade::contraprestacoes().dispensada(banco.db(), oper), c.dispensadaQuadro8) << c.modalidade << c.submodalidade;
    }
    BancoTemporario vazio;
    EXPECT_FALSE(RegraModalidade::demonstracoes().dispensada(vazio.db(), oper));
    EXPECT_TRUE(RegraModalidade::contraprestacoes().dispensada(vazio.db(), oper));
}
