// Quadro 14's figures and the general information of a quarter, without a window:
// the layouts and their computed lines, what is written and with which transmission
// flag, the quarters each applies to and the operators exempt from Quadro 14.

#include "demonstracoes_apoio.h"
#include "apoio/BancoTemporario.h"

#include "quadros/demonstracoes/InformacoesGerais.h"
#include "quadros/demonstracoes/ProvisoesTecnicas.h"
#include "quadros/demonstracoes/RegrasModalidade.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;

namespace {

const QString oper = QStringLiteral("345678");
using P = ProvisoesTecnicas;

Moeda reais(qint64 r) { return Moeda::deCentavos(r * 100); }

class ProvisoesTecnicasTeste : public ::testing::Test
{
protected:
    QString linha(const QDate &t, const QString &colunas) const
    {
        return banco.escalar(QStringLiteral("SELECT %1 FROM PROVISOESTECNICAS WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '%2'")
                                 .arg(colunas, t.toString(Qt::ISODate)))
            .toString();
    }
    QString gerenciais(const QDate &t, const QString &colunas) const
    {
        return banco.escalar(QStringLiteral("SELECT %1 FROM DADOSGERENCIAIS WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '%2'")
                                 .arg(colunas, t.toString(Qt::ISODate)))
            .toString();
    }
    BancoTemporario banco;
};

} // namespace

TEST(ProvisoesTecnicasRegras, QuartersOf2003To2006HoldFigures)
{
    const struct {
        QDate trimestre;
        bool disponivel, desde2007, comRemissao;
    } casos[] = {
        {{2002, 10, 1}, false, false, false}, {{2003, 1, 1}, true, false, false}, {{2004, 10, 1}, true, false, false},
        {{2005, 1, 1}, true, false, true},    {{2006, 10, 1}, true, false, true}, {{2007, 1, 1}, false, true, true},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.trimestre.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(P::disponivel(c.trimestre), c.disponivel);
        EXPECT_EQ(P::aPartirDe2007(c.trimestre), c.desde2007);
        EXPECT_EQ(P::comRemissao(c.trimestre), c.comRemissao);
    }
    EXPECT_EQ(P::camposEntrada(QDate(2004, 1, 1)), (QList<P::Campo>{P::Risco, P::Operacao, P::EventosIbnr, P::Outras}));
    EXPECT_EQ(P::camposEntrada(QDate(2005, 1, 1)),
              (QList<P::Campo>{P::Risco, P::Operacao, P::EventosIbnr, P::RemCurto, P::RemLongo, P::RemOutras}));
    QStringList rotulos;
    for (const P::Linha &l : P::leiaute(QDate(2005, 4, 1)))
        rotulos << QString(l.recuo * 2, u' ') + l.rotulo;
    EXPECT_EQ(rotulos, (QStringList{QStringLiteral("de Risco"), QStringLiteral("para Operação"),
                                    QStringLiteral("para Eventos Ocorridos e Não Avisados"), QStringLiteral("Outras"),
                                    QStringLiteral("  Remissão"), QStringLiteral("    Curto Prazo"),
                                    QStringLiteral("    Longo Prazo"), QStringLiteral("  Outras"), QStringLiteral("Total Geral:")}));
}

TEST_F(ProvisoesTecnicasTeste, From2005OtherProvisionsAreTheRemissionAndTheRest)
{
    const QDate t(2005, 7, 1);
    P p(banco.db(), oper, t);
    p.carregar();
    EXPECT_EQ(linha(t, QStringLiteral("LG_ALTR_TRAM")), QStringLiteral("N"));
    p.informar(P::Risco, reais(1000));
    p.informar(P::Operacao, reais(200));
    p.informar(P::EventosIbnr, reais(300));
    p.informar(P::RemCurto, reais(100));
    p.informar(P::RemLongo, reais(50));
    p.informar(P::RemOutras, reais(10));
    EXPECT_EQ(p.valor(P::Remissao), reais(150));
    EXPECT_EQ(p.valor(P::Outras), reais(160));
    EXPECT_EQ(p.total(), reais(1000 + 200 + 300 + 160));
    // A computed line is never typed.
    EXPECT_FALSE(p.informar(P::Outras, reais(999)));
    EXPECT_EQ(p.valor(P::Outras), reais(160));

    p.gravar();
    EXPECT_EQ(linha(t, QStringLiteral("VL_PROV_REMISSAO || ' ' || VL_PROV_OUTR || ' ' || VL_PROV_REM_OUTRAS")),
              QStringLiteral("150.0 160.0 10.0"));
    P relida(banco.db(), oper, t);
    ASSERT_TRUE(relida.ler());
    EXPECT_EQ(relida.total(), reais(1660));
}

TEST_F(ProvisoesTecnicasTeste, UpTo2004OtherProvisionsAreTypedAndTheRemissionColumnsStayAsStored)
{
    const QDate t(2004, 10, 1);
    P p(banco.db(), oper, t);
    p.carregar();
    p.informar(P::Outras, Moeda::lerDigitado(QStringLiteral("1234,567")));
    EXPECT_EQ(p.valor(P::Outras).texto(), QStringLiteral("1.234,56"));
    EXPECT_FALSE(p.informar(P::RemCurto, reais(5)));
    p.gravar();
    EXPECT_EQ(linha(t, QStringLiteral("VL_PROV_OUTR")), QStringLiteral("1234.56"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM PROVISOESTECNICAS WHERE VL_PROV_REMISSAO IS NULL")).toInt(), 1);
}

TEST_F(ProvisoesTecnicasTeste, WritingFollowsTheTransmissionFlagAndAnUnchangedRowKeepsIt)
{
    const QDate t(2006, 4, 1);
    banco.sql(QStringLiteral("INSERT INTO PROVISOESTECNICAS (CD_OPER, DT_INIC_VIGN, VL_PROV_RISCO, LG_ALTR_TRAM) "
                             "VALUES ('345678', '2006-04-01', 500, 'T')"));
    P p(banco.db(), oper, t);
    p.carregar();
    EXPECT_EQ(p.valor(P::Risco), reais(500));
    p.informar(P::Risco, reais(500));
    EXPECT_FALSE(p.alterado());
    p.gravar();
    EXPECT_EQ(linha(t, QStringLiteral("LG_ALTR_TRAM")), QStringLiteral("T"));
    EXPECT_TRUE(p.informar(P::Risco, reais(600)));
    p.gravar();
    EXPECT_EQ(linha(t, QStringLiteral("VL_PROV_RISCO || LG_ALTR_TRAM")), QStringLiteral("600.0A"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM PROVISOESTECNICAS")).toInt(), 1);
}

TEST_F(ProvisoesTecnicasTeste, SponsoredSelfInsuredPlansAndAdministratorsAreExempt)
{
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, LG_ALTR_TRAM) VALUES ('345678', '2005-01-01', 0, 'N')"));
    const struct {
        const char *soci, *natureza, *modalidade, *submodalidade;
        bool dispensada;
    } casos[] = {
        {"S", "ASSOC", "AUTOG", "PATRS", true},  {"S", "FUNDA", "AUTOG", "PATRM", true},
        {"S", "ASSOC", "AUTOG", "MANTI", false}, {"C", "EMPUB", "AUTOG", "ADMSV", true},
        {"C", "SOCIA", "MEGRP", "SPP", false},   {"C", "SOCIA", "ADMIN", "SPP", true},
        {"S", "ASSOC", "ADMIN", "", true},
    };
    for (const auto &c : casos) {
        banco.sql(QStringLiteral("UPDATE CADASTRO SET CD_SOCI = '%1', CD_NATZ_JURD = '%2', CD_MODL = '%3', CD_SUBM = '%4' "
                                 "WHERE CD_OPER = '345678'")
                      .arg(QLatin1String(c.soci), QLatin1String(c.natureza), QLatin1String(c.modalidade),
                           QLatin1String(c.submodalidade)));
        EXPECT_EQ(RegraModalidade::provisoesTecnicas().dispensada(banco.db(), oper), c.dispensada)
            << c.natureza << " " << c.modalidade << " " << c.submodalidade;
    }
}

TEST_F(ProvisoesTecnicasTeste, GeneralInformationKeepsAnEmptyCommentAsN)
{
    const QDate t(2006, 1, 1);
    InformacoesGerais info(banco.db(), oper, t);
    info.carregar();
    EXPECT_EQ(gerenciais(t, QStringLiteral("TX_SUGESTAO || LG_ALTR_TRAM")), QStringLiteral("NN"));
    EXPECT_EQ(info.dados().comentario, QString());

    DadosGerenciais dados = info.dados();
    dados.funcionarios = 42;
    dados.comentario = QStringLiteral("   ");
    EXPECT_TRUE(info.gravar(dados));
    EXPECT_EQ(gerenciais(t, QStringLiteral("QT_FUNC || TX_SUGESTAO")), QStringLiteral("42N"));
    InformacoesGerais relida(banco.db(), oper, t);
    relida.carregar();
    EXPECT_EQ(relida.dados().comentario, QString());
    EXPECT_EQ(relida.dados().funcionarios, 42);
    // Nothing changed: nothing written.
    EXPECT_FALSE(relida.gravar(relida.dados()));
}

TEST_F(ProvisoesTecnicasTeste, GeneralInformationFlagOfATransmittedRow)
{
    const QDate t(2006, 1, 1);
    const struct {
        const char *caso;
        std::optional<qint64> funcionarios;
        const char *comentario;
        const char *flag;
    } casos[] = {
        {"employees changed", 43, "Comentário", "A"},
        {"comment emptied, no employees", 0, "", "N"},
        {"comment emptied, employees kept", 42, "", "A"},
        {"comment kept, employees emptied", std::nullopt, "Comentário", "A"},
    };
    for (const auto &c : casos) {
        banco.sql(QStringLiteral("DELETE FROM DADOSGERENCIAIS"));
        banco.sql(QStringLiteral("INSERT INTO DADOSGERENCIAIS (CD_OPER, DT_INIC_VIGN, QT_FUNC, TX_SUGESTAO, LG_ALTR_TRAM) "
                                 "VALUES ('345678', '2006-01-01', 42, 'Comentário', 'T')"));
        InformacoesGerais info(banco.db(), oper, t);
        info.carregar();
        DadosGerenciais dados = info.dados();
        dados.funcionarios = c.funcionarios;
        dados.comentario = QString::fromUtf8(c.comentario);
        EXPECT_TRUE(info.gravar(dados)) << c.caso;
        EXPECT_EQ(gerenciais(t, QStringLiteral("LG_ALTR_TRAM")), QLatin1String(c.flag)) << c.caso;
    }
}
