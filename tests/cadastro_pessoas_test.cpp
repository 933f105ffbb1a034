// The person register: numbers, documents, saving, phones and the pick list, with two
// operators in one database.

#include "apoio/BancoTemporario.h"
#include "cadastro_apoio.h"

#include "app/banco/ErroBanco.h"
#include "quadros/cadastro/CadastroPessoas.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;
using kelpa::teste::contaLinhas;

namespace {

const QString kOper = QStringLiteral("345678");
const QString kOutra = QStringLiteral("312345");
const QString kCpf = QStringLiteral("31854027662");
const QString kCpf2 = QStringLiteral("52791360425");
const QString kCnpj = QStringLiteral("48273165000163");

class PessoasTeste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kelpa::teste::registraOperadora(banco, kOper);
        kelpa::teste::registraOperadora(banco, kOutra);
    }
    DadosPessoa natural(const QString &nome, const QString &cpf) const
    {
        DadosPessoa d;
        d.tipo = QStringLiteral("F");
        d.nome = nome;
        d.documento = cpf;
        d.email = QStringLiteral("x@y.com");
        return d;
    }
    BancoTemporario banco;
};

} // namespace

TEST_F(PessoasTeste, NumbersCountPerOperatorAndANewPersonStartsAtTheOperatorsDate)
{
    CadastroPessoas pessoas(banco.db(), kOper);
    CadastroPessoas outra(banco.db(), kOutra);
    EXPECT_EQ(pessoas.ProximaPessoa(), 1);
    EXPECT_EQ(pessoas.CriaPessoa(QStringLiteral("F")), 1);
    EXPECT_EQ(pessoas.CriaPessoa(QStringLiteral("J")), 2);
    EXPECT_EQ(outra.ProximaPessoa(), 1);
    EXPECT_EQ(outra.CriaPessoa(QStringLiteral("F")), 1);
    EXPECT_EQ(pessoas.ProximaPessoa(), 3);

    // 345678 starts 15/06/1999 (raised to 2001), 367890 on 12/02/2001.
    EXPECT_EQ(pessoas.DataInicial(), QDate(2001, 1, 1));
    EXPECT_EQ(CadastroPessoas(banco.db(), QStringLiteral("367890")).DataInicial(), QDate(2001, 2, 12));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT DT_INIC_VIGN || TP_PSOA || LG_ALTR_TRAM FROM DADOSPESSOAS "
                                           "WHERE CD_OPER = '345678' AND ID_PSOA = 2")).toString(),
              QStringLiteral("2001-01-01JN"));
    EXPECT_THROW(pessoas.CriaPessoa(QStringLiteral("X")), ErroBanco);
}

TEST_F(PessoasTeste, DocumentsAreCheckedByDigitsAndAgainstTheSameOperatorOnly)
{
    CadastroPessoas pessoas(banco.db(), kOper);
    CadastroPessoas outra(banco.db(), kOutra);
    const int id = pessoas.Inclui(natural(QStringLiteral("ANA"), kCpf));
    using S = CadastroPessoas::SituacaoDocumento;
    struct Caso {
        const CadastroPessoas *registro;
        QString documento;
        QString tipo;
        int pessoa;
        S esperado;
    } casos[] = {
        {&pessoas, kCpf, QStringLiteral("F"), 0, S::Duplicado},
        {&pessoas, kCpf, QStringLiteral("F"), id, S::Valido}, // the person itself
        {&outra, kCpf, QStringLiteral("F"), 0, S::Valido},    // another operator
        {&pessoas, QStringLiteral("31854027663"), QStringLiteral("F"), 0, S::Invalido},
        {&pessoas, QStringLiteral("11111111111"), QStringLiteral("F"), 0, S::Invalido},
        {&pessoas, kCnpj, QStringLiteral("J"), 0, S::Valido},
        {&pessoas, kCnpj, QStringLiteral("F"), 0, S::Invalido},
    };
    for (const auto &c : casos)
        EXPECT_EQ(c.registro->ConfereDocumento(c.documento, c.tipo, c.pessoa), c.esperado) << c.documento.toStdString();
    EXPECT_EQ(CadastroPessoas::MensagemDocumento(S::Invalido, QStringLiteral("F")), QStringLiteral("CPF inválido. Digite corretamente!!"));
    EXPECT_EQ(CadastroPessoas::MensagemDocumento(S::Invalido, QStringLiteral("J")), QStringLiteral("CNPJ inválido. Digite corretamente!!"));
    EXPECT_EQ(CadastroPessoas::MensagemDocumento(S::Duplicado, QStringLiteral("F")),
              QStringLiteral("Já existe pessoa cadastrada com este CPF!!!\rDigite o CPF correto!!"));
    EXPECT_EQ(CadastroPessoas::MensagemDocumento(S::Duplicado, QStringLiteral("J")),
              QStringLiteral("Já existe pessoa cadastrada com este CNPJ!!!\rDigite o CNPJ correto!!"));
}

TEST_F(PessoasTeste, SavingWritesThePersonItsDetailsAndItsFax)
{
    CadastroPessoas pessoas(banco.db(), kOper);
    const int id = pessoas.CriaPessoa(QStringLiteral("F"));
    auto d = *pessoas.Carrega(id);
    d.nome = QStringLiteral("JOÃO DA SILVA");
    d.documento = kCpf;
    d.segundoNome = QStringLiteral("MARIA DA SILVA");
    d.nascimento = QDate(1970, 5, 1);
    d.logradouro = QStringLiteral("RUA A");
    d.idMunc = 3550308;
    d.cep = QStringLiteral("01001000");
    pessoas.Grava(d);
    // No fax row and no fax number: nothing written.
    EXPECT_EQ(contaLinhas(banco, "TELEFONESPESSOAS", "CD_OPER = '345678'"), 0);

    auto lida = *pessoas.Carrega(id);
    EXPECT_EQ(lida.nome, d.nome);
    EXPECT_EQ(lida.documento, kCpf);
    EXPECT_EQ(lida.segundoNome, QStringLiteral("MARIA DA SILVA"));
    EXPECT_EQ(lida.nascimento, QDate(1970, 5, 1));
    EXPECT_EQ(lida.nomeMunicipio, QStringLiteral("São Paulo"));
    EXPECT_EQ(lida.uf, QStringLiteral("SP"));
    EXPECT_FALSE(lida.inativa);
    EXPECT_EQ(banco.escalar("SELECT NM_FANT IS NULL AND LG_INAT = 'F' FROM DADOSPESSOAS WHERE CD_OPER = '345678' AND ID_PSOA = 1").toInt(), 1);

    // A fax abroad keeps its code in CD_DDI.
    lida.faxExterior = true;
    lida.faxCodigo = QStringLiteral("351");
    lida.faxNumero = QStringLiteral("212345678");
    pessoas.Grava(lida);
    EXPECT_EQ(banco.escalar("SELECT TP_TELF || NR_SEQL_TELF || CD_DDI || COALESCE(CD_DDD, '-') || NR_TELF FROM TELEFONESPESSOAS "
                            "WHERE CD_OPER = '345678' AND ID_PSOA = 1").toString(),
              QStringLiteral("F0351-212345678"));
    const auto comFax = *pessoas.Carrega(id);
    EXPECT_TRUE(comFax.faxExterior);
    EXPECT_EQ(comFax.faxCodigo, QStringLiteral("351"));

    // Legal person: trade name instead of mother, no birth date.
    const int j = pessoas.CriaPessoa(QStringLiteral("J"));
    auto pj = *pessoas.Carrega(j);
    pj.nome = QStringLiteral("AUDITORES LTDA");
    pj.documento = kCnpj;
    pj.segundoNome = QStringLiteral("AUDIT");
    pj.nascimento = QDate(1990, 1, 1);
    pessoas.Grava(pj);
    EXPECT_EQ(banco.escalar("SELECT NM_FANT || '|' || COALESCE(NM_MAE, '') || '|' || COALESCE(DT_NASCIMENTO, '') FROM DADOSPESSOAS "
                            "WHERE CD_OPER = '345678' AND ID_PSOA = 2").toString(),
              QStringLiteral("AUDIT||"));
}

TEST_F(PessoasTeste, AForeignerHasNoDocumentAndATransmittedPersonBecomesChanged)
{
    CadastroPessoas pessoas(banco.db(), kOper);
    auto d = natural(QStringLiteral("JOHN SMITH"), kCpf);
    d.estrangeiro = true;
    const int id = pessoas.Inclui(d);
    EXPECT_EQ(banco.escalar("SELECT '[' || CD_CPF_CNPJ || ']' || LG_ESTRANGEIRO FROM PESSOAS WHERE CD_OPER = '345678' AND ID_PSOA = 1").toString(),
              QStringLiteral("[]T"));
    EXPECT_EQ(banco.escalar("SELECT '[' || CD_CPF_CNPJ || ']' FROM DADOSPESSOAS WHERE CD_OPER = '345678' AND ID_PSOA = 1").toString(),
              QStringLiteral("[ ]"));
    EXPECT_TRUE(CadastroPessoas::ItensFaltantes(*pessoas.Carrega(id)).isEmpty());

    banco.sql("UPDATE PESSOAS SET LG_ALTR_TRAM = 'T' WHERE CD_OPER = '345678' AND ID_PSOA = 1");
    banco.sql("UPDATE DADOSPESSOAS SET LG_ALTR_TRAM = 'T' WHERE CD_OPER = '345678' AND ID_PSOA = 1");
    auto lida = *pessoas.Carrega(id);
    lida.nome = QStringLiteral("JOHN SMITH JR");
    pessoas.Grava(lida);
    EXPECT_EQ(banco.escalar("SELECT LG_ALTR_TRAM FROM PESSOAS WHERE CD_OPER = '345678' AND ID_PSOA = 1").toString(), QStringLiteral("A"));
    EXPECT_EQ(banco.escalar("SELECT LG_ALTR_TRAM FROM DADOSPESSOAS WHERE CD_OPER = '345678' AND ID_PSOA = 1").toString(), QStringLiteral("A"));
    // The operator itself is never changed through the person register.
    DadosPessoa operadora;
    operadora.idPsoa = 0;
    EXPECT_THROW(pessoas.Grava(operadora), ErroBanco);
}

TEST_F(PessoasTeste, PhonesCountFromOneBesideTheFaxAndDeletingANewPersonLeavesNothing)
{
    CadastroPessoas pessoas(banco.db(), kOper);
    auto d = natural(QStringLiteral("ANA"), kCpf);
    d.faxCodigo = QStringLiteral("11");
    d.faxNumero = QStringLiteral("33334444");
    const int id = pessoas.Inclui(d);
    const int outraPessoa = pessoas.Inclui(natural(QStringLiteral("BIA"), kCpf2));
    const QDate data = pessoas.Carrega(id)->dataDados;

    Telefone t;
    t.ddd = QStringLiteral("11");
    t.numero = QStringLiteral("55556666");
    EXPECT_EQ(pessoas.GravaTelefone(id, data, t), 1);
    t.ddd.clear();
    t.ddi = QStringLiteral("351");
    t.ramal = QStringLiteral("12");
    EXPECT_EQ(pessoas.GravaTelefone(id, data, t), 2);
    auto telefones = pessoas.Telefones(id, data);
    ASSERT_EQ(telefones.size(), 2);
    EXPECT_EQ(telefones.at(0).textoArea(), QStringLiteral("(11 )"));
    EXPECT_EQ(telefones.at(1).textoArea(), QStringLiteral("(351+)"));

    // Editing follows the transmission rule.
    banco.sql("UPDATE TELEFONESPESSOAS SET LG_ALTR_TRAM = 'T' WHERE ID_PSOA = 1 AND NR_SEQL_TELF = 1");
    telefones[0].numero = QStringLiteral("55557777");
    EXPECT_EQ(pessoas.GravaTelefone(id, data, telefones[0]), 1);
    EXPECT_EQ(banco.escalar("SELECT NR_TELF || LG_ALTR_TRAM FROM TELEFONESPESSOAS WHERE ID_PSOA = 1 AND NR_SEQL_TELF = 1").toString(),
              QStringLiteral("55557777A"));
    pessoas.ExcluiTelefone(id, data, 2);
    EXPECT_EQ(pessoas.Telefones(id, data).size(), 1);

    pessoas.ExcluiPessoaNova(id);
    for (const char *tabela : {"PESSOAS", "DADOSPESSOAS", "TELEFONESPESSOAS"})
        EXPECT_EQ(contaLinhas(banco, tabela, "CD_OPER = '345678' AND ID_PSOA = 1"), 0) << tabela;
    EXPECT_TRUE(pessoas.Carrega(outraPessoa).has_value());
    EXPECT_FALSE(pessoas.Carrega(id).has_value());
}

TEST_F(PessoasTeste, PickListShowsActivePersonsOfTheOperatorSortedAsPeopleRead)
{
    CadastroPessoas pessoas(banco.db(), kOper);
    const int zelia = pessoas.Inclui(natural(QStringLiteral("ZÉLIA"), kCpf));
    const int alvaro = pessoas.Inclui(natural(QStringLiteral("ÁLVARO"), kCpf2));
    DadosPessoa empresa;
    empresa.tipo = QStringLiteral("J");
    empresa.nome = QStringLiteral("BETA AUDITORES");
    empresa.documento = kCnpj;
    const int beta = pessoas.Inclui(empresa);
    auto inativa = natural(QStringLiteral("CARLOS"), QStringLiteral("64028719313"));
    inativa.inativa = true;
    pessoas.Inclui(inativa);
    pessoas.CriaPessoa(QStringLiteral("F")); // never saved: empty inactivity flag
    CadastroPessoas(banco.db(), kOutra).Inclui(natural(QStringLiteral("DORA"), QStringLiteral("73510264835")));
    banco.sql("INSERT INTO ADMINISTRADORES (CD_OPER, DT_INIC_VIGN, ID_PSOA) VALUES ('345678', '2001-01-01', 1)");

    using F = CadastroPessoas::FiltroTipo;
    using C = CadastroPessoas::Coluna;
    auto ids = [](const QList<ItemPessoa> &lista) {
        QList<int> r;
        for (const auto &i : lista)
            r << i.idPsoa;
        return r;
    };
    EXPECT_EQ(ids(pessoas.Lista(F::Ambas, false, C::Nome, false)), (QList<int>{alvaro, beta, zelia}));
    EXPECT_EQ(ids(pessoas.Lista(F::Ambas, false, C::Nome, true)), (QList<int>{zelia, beta, alvaro}));
    EXPECT_EQ(ids(pessoas.Lista(F::Fisicas, false, C::Nome, false)), (QList<int>{alvaro, zelia}));
    EXPECT_EQ(ids(pessoas.Lista(F::Juridicas, false, C::Nome, false)), (QList<int>{beta}));
    EXPECT_EQ(ids(pessoas.Lista(F::Ambas, true, C::Nome, false)), (QList<int>{zelia}));
    EXPECT_EQ(ids(pessoas.Lista(F::Ambas, false, C::Documento, false)), (QList<int>{zelia, beta, alvaro}));
    EXPECT_EQ(pessoas.Pessoa(beta)->documento, kCnpj);
}

TEST(PessoasCritica, MissingItemsAndValueChecks)
{
    DadosPessoa d;
    d.tipo = QStringLiteral("J");
    d.faxExterior = true;
    EXPECT_EQ(CadastroPessoas::ItensFaltantes(d), (QStringList{">> Nome", ">> CNPJ", ">> DDI", ">> FAX"}));
    d.tipo = QStringLiteral("F");
    d.faxExterior = false;
    EXPECT_EQ(CadastroPessoas::ItensFaltantes(d), (QStringList{">> Nome", ">> CPF"}));

    const int ano = 2026;
    struct Caso {
        int anosNascimento; // 0: no birth date
        QString cep;
        QString email;
        bool endereco;
        const char *mensagem; // nullptr: accepted
    } casos[] = {
        {16, {}, QStringLiteral("a@b.c"), true, nullptr},
        {15, {}, QStringLiteral("a@b.c"), true, "Data de Nascimento inválida."},
        {100, {}, QStringLiteral("a@b.c"), true, nullptr},
        {101, {}, QStringLiteral("a@b.c"), true, "Data de Nascimento inválida."},
        {0, {}, QStringLiteral("a@b.c"), true, nullptr},
        {30, QStringLiteral("0100100"), QStringLiteral("a@b.c"), true, "Informe o CEP do Endereço da Matriz com 8 dígitos."},
        {30, QStringLiteral("0100 100"), QStringLiteral("a@b.c"), true, "Informe o CEP do Endereço da Matriz com 8 dígitos."},
        {30, QStringLiteral("01001000"), QStringLiteral("a.b@c"), true, "E-mail inválido."},
        {30, {}, QString(), true, "E-mail inválido."},
        {30, {}, QString(), false, nullptr},
        // Several wrong: the last one is told.
        {15, QStringLiteral("123"), QStringLiteral("sem-arroba"), true, "E-mail inválido."},
        {15, QStringLiteral("123"), QStringLiteral("a@b.c"), true, "Informe o CEP do Endereço da Matriz com 8 dígitos."},
    };
    for (const auto &c : casos) {
        DadosPessoa p;
        p.nascimento = c.anosNascimento ? QDate(ano - c.anosNascimento, 6, 1) : QDate();
        p.cep = c.cep;
        p.email = c.email;
        const auto erro = CadastroPessoas::ErroValores(p, true, c.endereco, ano);
        if (!c.mensagem)
            EXPECT_FALSE(erro.has_value()) << c.anosNascimento << " " << c.email.toStdString();
        else
            EXPECT_EQ(erro ? erro->mensagem : QString(), QString::fromUtf8(c.mensagem)) << c.anosNascimento;
    }
}

TEST_F(PessoasTeste, AFailedSaveLeavesTheDatabaseAsItWas)
{
    CadastroPessoas pessoas(banco.db(), kOper);
    const int id = pessoas.Inclui(natural(QStringLiteral("ANA"), kCpf));
    banco.sql("CREATE TRIGGER recusa BEFORE INSERT ON TELEFONESPESSOAS BEGIN SELECT RAISE(ABORT, 'disco cheio'); END");
    auto d = *pessoas.Carrega(id);
    d.nome = QStringLiteral("ANA MARIA");
    d.faxCodigo = QStringLiteral("11");
    d.faxNumero = QStringLiteral("12345678");
    EXPECT_THROW(pessoas.Grava(d), ErroBanco);
    EXPECT_EQ(banco.escalar("SELECT NM_PSOA FROM PESSOAS WHERE CD_OPER = '345678' AND ID_PSOA = 1").toString(), QStringLiteral("ANA"));
    EXPECT_EQ(banco.escalar("SELECT NM_PSOA FROM DADOSPESSOAS WHERE CD_OPER = '345678' AND ID_PSOA = 1").toString(), QStringLiteral("ANA"));

    // A new person that cannot be completed leaves no half-made person behind.
    banco.sql("CREATE TRIGGER recusa2 BEFORE INSERT ON DADOSPESSOAS BEGIN SELECT RAISE(ABORT, 'disco cheio'); END");
    EXPECT_THROW(pessoas.CriaPessoa(QStringLiteral("F")), ErroBanco);
    EXPECT_EQ(contaLinhas(banco, "PESSOAS", "CD_OPER = '345678'"), 2);
}
