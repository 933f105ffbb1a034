// Internet submission without its window: validate, export into the program
// directory, hand the file to the (stand-in) client, and leave nothing behind.

#include "apoio/BancoTemporario.h"
#include "apoio/Demonstracao.h"
#include "transmissao_apoio.h"

#include "app/BaseDemonstracao.h"
#include "app/banco/ErroBanco.h"
#include "exportacao/TCrc32.h"
#include "transmissao/TransmissaoInternet.h"

#include <QTemporaryDir>

using namespace kelpa;
using namespace kelpa::teste::exportacao;
using namespace kelpa::teste::transmissao;
using kelpa::teste::BancoTemporario;

class TransmissaoPelaInternet : public ::testing::Test
{
protected:
    void SetUp() override
    {
        teste::criarDemonstracaoCompleta(banco.db());
        programa = dir.filePath(QStringLiteral("programa/"));
        QDir().mkpath(programa);
        ASSERT_TRUE(QFile::copy(diretorioProgramas() + QStringLiteral("Expt_Kelpa.dat"), programa + QStringLiteral("Expt_Kelpa.dat")));
        QDir().mkpath(dir.filePath(QStringLiteral("tmp")));
    }

    TransmissaoInternet transmissao()
    {
        TransmissaoInternet t(banco.db(), BaseDemonstracao::codigoOperadora());
        t.setDiretorioPrograma(programa);
        t.setRelogio([] { return QDateTime(QDate(2007, 1, 15), QTime(10, 30, 0)); });
        t.vtx().setDiretorioTemporario(dir.filePath(QStringLiteral("tmp")));
        t.vtx().setArquivoConfSistema(dir.filePath(QStringLiteral("etc-ausente/VTX.conf")));
        return t;
    }

    QString falha(TransmissaoInternet &t, const QString &senha = QStringLiteral("segredo"))
    {
        try {
            t.Transmitir(senha);
        } catch (const ErroBanco &e) {
            return e.mensagem();
        }
        return QStringLiteral("(no failure)");
    }

    void receita(const char *operadora, const char *data)
    {
        banco.sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, CD_UF_OPER, LG_ALTR_TRAM) "
                                 "VALUES ('%1', '%2', 'SP', 'N')")
                      .arg(QLatin1String(operadora), QLatin1String(data)));
    }

    BancoTemporario banco;
    QTemporaryDir dir;
    Ambiente ambiente;
    VtxSimulado cliente{dir.filePath(QStringLiteral("vtx")), ambiente};
    QString programa;
};

TEST_F(TransmissaoPelaInternet, HandsTheExportToTheClientAndDeletesIt)
{
    // The latest quarter of any operator of the database travels in the record (the
    // demo operator's last is the first of 2007).
    receita("123456", "2007-04-01");
    EXPECT_EQ(TransmissaoInternet::ultimoPeriodo(banco.db()), QStringLiteral("01/04/2007"));

    TransmissaoInternet t = transmissao();
    t.setJanela(QStringLiteral("77"));
    bool avisado = false;
    t.setAntesDeEntregar([&] {
        avisado = true;
        // The file is complete when the client is about to start.
        EXPECT_TRUE(ler(programa + QStringLiteral("34567820070115103000.dip")).endsWith("\r\n"));
    });
    ASSERT_EQ(t.Transmitir(QStringLiteral("segredo")), TransmissaoInternet::Resultado::Entregue);
    EXPECT_TRUE(avisado);
    EXPECT_EQ(t.resultadoVTX(), TVTX::Enviado);

    const QStringList campos = cliente.campos();
    ASSERT_EQ(campos.size(), 11);
    EXPECT_EQ(campos.mid(0, 3), QStringList({"1", "345678", "segredo"}));
    EXPECT_EQ(campos.at(3), programa + QStringLiteral("34567820070115103000.dip"));
    EXPECT_EQ(campos.mid(4), QStringList({"KELPA-34567820070115103000.xml", "KELPA", "5.0.2", "", campos.at(8), "77",
                                          "01/04/2007"}));
    // The stand-in checked this CRC against the file before answering 9.
    EXPECT_EQ(campos.at(8).size(), 8);
    EXPECT_EQ(t.protocolo().arquivo, QStringLiteral("34567820070115103000.dip"));
    EXPECT_TRUE(QFileInfo::exists(cliente.protocolos() + QStringLiteral("KELPA-34567820070115103000.xml")));

    // Nothing is left in the program directory or the temporary one.
    EXPECT_EQ(arquivosEm(programa), QStringList({"Expt_Kelpa.dat"}));
    EXPECT_TRUE(arquivosEm(dir.filePath(QStringLiteral("tmp"))).isEmpty());
}

TEST_F(TransmissaoPelaInternet, ABlockedValidationWritesNothing)
{
    teste::semRepresentante(banco.db());
    TransmissaoInternet t = transmissao();
    bool avisado = false;
    t.setAntesDeEntregar([&] { avisado = true; });
    EXPECT_EQ(t.Transmitir(QStringLiteral("segredo")), TransmissaoInternet::Resultado::Bloqueada);
    EXPECT_FALSE(avisado);
    EXPECT_FALSE(cliente.executou());
    EXPECT_EQ(arquivosEm(programa), QStringList({"Expt_Kelpa.dat"}));
}

TEST_F(TransmissaoPelaInternet, FailuresOfExportOrHandOffLeaveNoSubmissionFile)
{
    const QString inicio = QStringLiteral("Houve um erro ao gerar o arquivo. \n\rDescrição do Erro: ");

    TransmissaoInternet semSenha = transmissao();
    EXPECT_EQ(falha(semSenha, QString()), QStringLiteral("SENHA, preenchimento obrigatório"));

    // The hand-off fails after the export: the file written for it goes.
    ambiente.remover("KELPA_VTX_PATH");
    ambiente.definir("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config-vazia")));
    TransmissaoInternet semCliente = transmissao();
    EXPECT_EQ(falha(semCliente), inicio + QStringLiteral("O VTX não está instalado ou sua instalação foi danificada!"));
    EXPECT_EQ(arquivosEm(programa), QStringList({"Expt_Kelpa.dat"}));

    // The export fails: its own message, after the common beginning.
    QFile::remove(programa + QStringLiteral("Expt_Kelpa.dat"));
    TransmissaoInternet semDefinicoes = transmissao();
    EXPECT_TRUE(falha(semDefinicoes).startsWith(inicio + QStringLiteral("Erro ao acessar arquivo \"Expt_Kelpa.dat\"")));
    EXPECT_TRUE(arquivosEm(programa).isEmpty());
    EXPECT_FALSE(cliente.executou());
}
