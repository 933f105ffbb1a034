// The demo operator's registration, made by kelpa-cli init --demo through the quadros' classes.

#include "apoio/BancoTemporario.h"
#include "apoio/ExecutaCli.h"
#include "apoio/TextoPdf.h"
#include "cadastro_apoio.h"

#include "app/BaseDemonstracao.h"
#include "app/ServicosOperadora.h"
#include "app/Utilitarios.h"
#include "app/banco/ConexaoBanco.h"
#include "quadros/cadastro/Administradores.h"
#include "quadros/cadastro/CadastroComplementar.h"
#include "quadros/cadastro/CadastroDemonstracao.h"
#include "quadros/cadastro/DadosBasicos.h"
#include "quadros/cadastro/RegiaoAtuacao.h"
#include "quadros/cadastro/Representante.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelpa;

namespace {

void confereCadastroDemonstracao(const QSqlDatabase &db)
{
    const QString cod = BaseDemonstracao::codigoOperadora();
    ServicosOperadora servicos(db, cod);
    EXPECT_TRUE(servicos.CadastroCompleto());
    EXPECT_EQ(servicos.ModalidadeOperadora(), QStringLiteral("MEGRP"));

    CadastroComplementar cadastro(db, cod);
    const QList<QDate> periodos = cadastro.Periodos();
    ASSERT_EQ(periodos, (QList<QDate>{QDate(2005, 1, 1), QDate(2001, 1, 1)}));
    for (const QDate &periodo : periodos) {
        const PeriodoCadastro p = cadastro.Carrega(periodo);
        const bool habilitada = CadastroComplementar::RegiaoHabilitada(periodo, p.modalidade, p.submodalidade, true);
        EXPECT_TRUE(CadastroComplementar::ItensFaltantes(p, habilitada).isEmpty()) << CadastroComplementar::ItensFaltantes(p, habilitada).join(u' ').toStdString();
        EXPECT_FALSE(CadastroComplementar::ErroValores(p).has_value());
        // The classification agrees with the code tables.
        EXPECT_EQ(p.natureza, QStringLiteral("SCOTA"));
        EXPECT_EQ(p.sociedade, QStringLiteral("C"));
        const auto permitidas = cadastro.Submodalidades(p.modalidade, p.sociedade);
        EXPECT_TRUE(std::any_of(permitidas.cbegin(), permitidas.cend(), [&p](const auto &s) { return s.first == p.submodalidade; }));
        EXPECT_EQ(p.matriz.nomeMunicipio, QStringLiteral("São Paulo"));
        EXPECT_EQ(p.correspondencia.nomeMunicipio, QStringLiteral("Santo André"));
        EXPECT_EQ(p.telefones.size(), 2);
        EXPECT_FALSE(p.faxNumero.isEmpty());
    }
    const PeriodoCadastro atual = cadastro.Carrega(QDate(2005, 1, 1));
    const auto atuacao = RegiaoAtuacao::Carrega(db, cod, QDate(2005, 1, 1));
    EXPECT_EQ(atuacao.size(), 6);
    EXPECT_EQ(atual.regiao, 4);
    EXPECT_EQ(RegiaoAtuacao::CalculaRegiao(db, atuacao), 4);

    DadosBasicos basicos(db, cod);
    const PeriodoDadosBasicos b = basicos.Carrega(basicos.Periodos().last());
    EXPECT_TRUE(b.fundacao.isValid());
    EXPECT_GT(b.funcionarios.value_or(0), 0);
    EXPECT_GT(b.capitalProprio, 0.0);
    EXPECT_TRUE(DadosBasicos::ItensFaltantes(b).isEmpty());
    CadastroPessoas pessoas(db, cod);
    for (int tipo = 1; tipo <= 3; ++tipo) {
        const auto pessoa = pessoas.Carrega(b.responsavel(tipo).idPsoa);
        ASSERT_TRUE(pessoa.has_value()) << tipo;
        EXPECT_TRUE(DocumentoValido(pessoa->documento, TipoDocumento::Cpf)) << pessoa->documento.toStdString();
        EXPECT_FALSE(b.responsavel(tipo).registro.isEmpty());
    }
    // The three professionals and the medical director (administrator and representative).
    EXPECT_EQ(pessoas.Lista(CadastroPessoas::FiltroTipo::Fisicas, false, CadastroPessoas::Coluna::Nome, false).size(), 4);

    // Quadros 3 and 4 from 2005: the medical director is the technical officer and the representative.
    Administradores administradores(db, cod);
    const QDate desde2005(2005, 1, 1);
    EXPECT_EQ(administradores.periodos().Periodos(), (QList<QDate>{desde2005, QDate(2001, 1, 1)}));
    const QList<Administrador> lista = administradores.Lista(desde2005);
    ASSERT_EQ(lista.size(), 1);
    EXPECT_TRUE(lista.first().responsavelTecnico);
    EXPECT_EQ(lista.first().conselho, QStringLiteral("84512"));
    EXPECT_EQ(administradores.ResponsavelTecnico(desde2005), QStringLiteral("PAULO HENRIQUE SOUZA MARTINS"));
    Representante representante(db, cod);
    EXPECT_EQ(representante.periodos().Periodos(), (QList<QDate>{desde2005, QDate(2001, 1, 1)}));
    EXPECT_EQ(representante.Carrega(desde2005).idPsoa, lista.first().idPsoa);
    ASSERT_TRUE(representante.Pessoa(lista.first().idPsoa).has_value());
}

} // namespace

TEST(CadastroDemonstracao, FillsQuadrosOneAndTwoOfTheDemoOperator)
{
    kelpa::teste::BancoTemporario banco;
    BaseDemonstracao::criar(banco.db());
    CadastroDemonstracao::criar(banco.db(), BaseDemonstracao::codigoOperadora());
    confereCadastroDemonstracao(banco.db());
}

TEST(CadastroDemonstracao, InitDemoGivesACompleteRegistration)
{
    QTemporaryDir home;
    const auto saida = kelpa::teste::executarCli({QStringLiteral("--home"), home.path(), QStringLiteral("init"), QStringLiteral("--demo")});
    ASSERT_EQ(saida.codigo, 0) << saida.err.toStdString();
    auto conexao = ConexaoBanco::abrir(home.filePath(QStringLiteral("Kelpa.db")));
    confereCadastroDemonstracao(conexao->db());
}

TEST(CadastroDemonstracao, QuadrosThreeAndFourPrintFromTheCommandLine)
{
    QTemporaryDir home;
    ASSERT_EQ(kelpa::teste::executarCli({QStringLiteral("--home"), home.path(), QStringLiteral("init"), QStringLiteral("--demo")}).codigo, 0);
    const struct {
        const char *quadro;
        const char *data;
        int codigo;
        QStringList textos;
    } casos[] = {
        {"3", "15/03/2006", 0,
         {QStringLiteral("Quadro 3: Administradores"), QStringLiteral("Vigência : A partir de 01/01/2005"),
          QStringLiteral("PAULO HENRIQUE SOUZA MARTINS"), QStringLiteral("418.237.956-09"), QStringLiteral("DIRETOR MÉDICO"),
          QStringLiteral("01/04/2004"), QStringLiteral("RESPONSÁVEL TÉCNICO"), QStringLiteral("CRM: 84512")}},
        {"4", "15/03/2006", 0,
         {QStringLiteral("Quadro 4: Representante junto à QOR"), QStringLiteral("Vigência: A partir de 01/01/2005"),
          QStringLiteral("PAULO HENRIQUE SOUZA MARTINS"), QStringLiteral("418.237.956-09"), QStringLiteral("RUA DOS PINHEIROS"),
          QStringLiteral("Nº : 870"), QStringLiteral("05422-001"), QStringLiteral("diretoria.medica@saudeexemplo.com.br")}},
        // The 2001 periods have no administrator and no representative: nothing to print.
        {"3", "15/03/2003", 1, {}},
        {"4", "15/03/2003", 1, {}},
    };
    for (const auto &caso : casos) {
        const QString pdf = home.filePath(QStringLiteral("quadro%1.pdf").arg(QLatin1String(caso.quadro)));
        const auto saida = kelpa::teste::executarCli({QStringLiteral("--home"), home.path(), QStringLiteral("print"), QStringLiteral("--operator"),
                                                      BaseDemonstracao::codigoOperadora(), QStringLiteral("--quadro"),
                                                      QLatin1String(caso.quadro), QStringLiteral("--period"), QLatin1String(caso.data),
                                                      QStringLiteral("--pdf"), pdf});
        ASSERT_EQ(saida.codigo, caso.codigo) << caso.quadro << " " << caso.data << " " << saida.err.toStdString();
        if (caso.codigo != 0) {
            EXPECT_FALSE(QFile::exists(pdf));
            EXPECT_TRUE(saida.err.contains(QStringLiteral("Quadro %1:").arg(QLatin1String(caso.quadro)))) << saida.err.toStdString();
            continue;
        }
        const QString texto = kelpa::teste::paginasPdf(pdf).join(u'\f').simplified();
        for (const QString &esperado : caso.textos)
            EXPECT_TRUE(texto.contains(esperado)) << caso.quadro << ": " << esperado.toStdString() << "\n" << texto.toStdString();
        QFile::remove(pdf);
    }
}
