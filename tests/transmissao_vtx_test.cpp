// The hand-off to the transmission client: where it is found, how its exit code is
// read, its protocol XML, and whole hand-offs to the stand-in client.

#include "transmissao_apoio.h"

#include "app/banco/ErroBanco.h"
#include "exportacao/TCrc32.h"
#include "transmissao/LocalizacaoVTX.h"
#include "transmissao/TUtilXML.h"
#include "transmissao/TVTX.h"

#include <QTemporaryDir>

using namespace kelpa;
using namespace kelpa::teste::exportacao;
using namespace kelpa::teste::transmissao;

namespace {

QString mensagemDe(const std::function<void()> &acao)
{
    try {
        acao();
    } catch (const ErroBanco &e) {
        return e.mensagem();
    }
    return QStringLiteral("(nothing thrown)");
}

} // namespace

TEST(TVTX, MapsTheClientsExitCodes)
{
    const struct {
        int saida;
        int resultado;
    } tabela[] = {{9, 0}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {0, 1}, {6, 1}, {7, 1}, {8, 1}, {10, 1}, {255, 1}, {-1, 1}};
    for (const auto &linha : tabela)
        EXPECT_EQ(TVTX::resultadoDoCodigo(linha.saida), linha.resultado) << linha.saida;
    TVTX vtx;
    EXPECT_EQ(vtx.VersaoComponente(), QStringLiteral("1.0"));
    EXPECT_EQ(vtx.DataComponente(), QStringLiteral("11/05/2006 17:26"));
}

TEST(TUtilXML, GathersTheTextOfRepeatedAndNestedElements)
{
    QTemporaryDir dir;
    const QString arquivo = dir.filePath(QStringLiteral("p.xml"));
    gravar(arquivo, "<?xml version=\"1.0\"?>\n"
                    "<protocolo>\n"
                    "  <protocoloTX>A</protocoloTX>\n"
                    "  <grupo><protocoloTX>B<i>C</i>D</protocoloTX></grupo>\n"
                    "  <aplicativo>x &amp; y<![CDATA[<z>]]></aplicativo>\n"
                    "  <arquivo>1<arquivo>2</arquivo></arquivo>\n"
                    "  <operadora/>\n"
                    "</protocolo>\n");
    TUtilXML xml;
    ASSERT_TRUE(xml.carregar(arquivo));
    // Every element of the name in document order, its text depth-first, ";" between pieces.
    EXPECT_EQ(xml.texto(QStringLiteral("protocoloTX")), QStringLiteral("A;B;C;D"));
    EXPECT_EQ(xml.texto(QStringLiteral("aplicativo")), QStringLiteral("x & y;<z>"));
    // An element inside one of the same name is met twice: once in its parent, once itself.
    EXPECT_EQ(xml.texto(QStringLiteral("arquivo")), QStringLiteral("1;2;2"));
    EXPECT_EQ(xml.texto(QStringLiteral("operadora")), QString());
    EXPECT_EQ(xml.texto(QStringLiteral("ausente")), QString());
    // Names are case-sensitive, as in XML.
    EXPECT_EQ(xml.texto(QStringLiteral("PROTOCOLOTX")), QString());

    gravar(arquivo, "<protocolo><protocoloTX>A</protocolo>");
    EXPECT_FALSE(xml.carregar(arquivo));
    EXPECT_EQ(xml.texto(QStringLiteral("protocoloTX")), QString());
    EXPECT_FALSE(xml.carregar(dir.filePath(QStringLiteral("ausente.xml"))));
    EXPECT_EQ(xml.texto(QStringLiteral("protocoloTX")), QString());
}

TEST(LocalizacaoVTX, EnvironmentThenUserThenSystemConfiguration)
{
    QTemporaryDir dir;
    Ambiente ambiente;
    ambiente.remover("KELPA_VTX_PATH");
    ambiente.definir("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")));
    const QString sistema = dir.filePath(QStringLiteral("etc/VTX.conf"));
    QDir().mkpath(dir.filePath(QStringLiteral("config/QOR")));
    QDir().mkpath(dir.filePath(QStringLiteral("etc")));
    const QString programa = dir.filePath(QStringLiteral("VTX"));
    gravar(programa, "#!/bin/sh\n");

    const QString naoInstalado = QStringLiteral("O VTX não está instalado ou sua instalação foi danificada!");
    EXPECT_EQ(LocalizacaoVTX::configurado(sistema), QString());
    EXPECT_EQ(mensagemDe([&] { LocalizacaoVTX::localizar(sistema); }), naoInstalado);

    gravar(sistema, "; the system's\n[General]\nPath = /nao/existe/VTX\n");
    EXPECT_EQ(LocalizacaoVTX::configurado(sistema), QStringLiteral("/nao/existe/VTX"));
    EXPECT_EQ(mensagemDe([&] { LocalizacaoVTX::localizar(sistema); }), naoInstalado);

    EXPECT_EQ(LocalizacaoVTX::arquivoConfUsuario(), dir.filePath(QStringLiteral("config/QOR/VTX.conf")));
    gravar(LocalizacaoVTX::arquivoConfUsuario(), ("PATH=" + programa + "\n").toUtf8());
    EXPECT_EQ(LocalizacaoVTX::localizar(sistema), programa);

    ambiente.definir("KELPA_VTX_PATH", dir.filePath(QStringLiteral("outro/VTX")));
    EXPECT_EQ(LocalizacaoVTX::configurado(sistema), dir.filePath(QStringLiteral("outro/VTX")));
    // The first source that names a path decides, even when its file is missing.
    EXPECT_EQ(mensagemDe([&] { LocalizacaoVTX::localizar(sistema); }), naoInstalado);
    // A directory is no program.
    ambiente.definir("KELPA_VTX_PATH", dir.path());
    EXPECT_EQ(mensagemDe([&] { LocalizacaoVTX::localizar(sistema); }), naoInstalado);
}

class HandOff : public ::testing::Test
{
protected:
    void SetUp() override
    {
        vtx.setDiretorioTemporario(temporario());
        vtx.setArquivoConfSistema(dir.filePath(QStringLiteral("etc-ausente/VTX.conf")));
        QDir().mkpath(temporario());
        envio = dir.filePath(QStringLiteral("34567820070115103000.dip"));
        gravar(envio, "1345678...\r\n9|TOTAL|2\r\n");
        TCrc32 soma;
        soma.setCrc32FileName(envio);
        crc = soma.CalcCrc32Hex();
    }

    QString temporario() const { return dir.filePath(QStringLiteral("tmp")); }

    int transmitir(const QString &codigo = QStringLiteral("345678"), const QString &senha = QStringLiteral("Senha de Envio ç"))
    {
        return vtx.Transmitir(codigo, senha, envio, QStringLiteral("KELPA-34567820070115103000.xml"),
                              QStringLiteral("KELPA"), QStringLiteral("5.0.2"), QString(), crc, QStringLiteral("4242"),
                              QStringLiteral("01/10/2006"));
    }

    QTemporaryDir dir;
    Ambiente ambiente;
    VtxSimulado cliente{dir.filePath(QStringLiteral("vtx")), ambiente};
    TVTX vtx;
    QString envio;
    QString crc;
};

TEST_F(HandOff, TheClientDecodesExactlyTheElevenFields)
{
    int bombeamentos = 0;
    vtx.setProcessarEventos([&] { ++bombeamentos; });
    ASSERT_EQ(transmitir(), TVTX::Enviado);

    EXPECT_EQ(cliente.campos(),
              QStringList({"1", "345678", QStringLiteral("Senha de Envio ç"), envio, "KELPA-34567820070115103000.xml",
                           "KELPA", "5.0.2", "", crc, "4242", "01/10/2006"}));
    const QJsonObject relatorio = cliente.relatorio();
    // Readable by its owner only while it existed, in the temporary directory, named by the rule...
    EXPECT_EQ(relatorio.value(QStringLiteral("permissoes")).toString(), QStringLiteral("600"));
    const QFileInfo parametros(relatorio.value(QStringLiteral("parametros")).toString());
    EXPECT_EQ(parametros.absolutePath(), QDir(temporario()).absolutePath());
    EXPECT_TRUE(parametros.fileName().startsWith(QStringLiteral("345678-")));
    EXPECT_TRUE(parametros.fileName().endsWith(QStringLiteral(".par")));
    EXPECT_EQ(parametros.absoluteFilePath(), QFileInfo(vtx.arquivoParametros()).absoluteFilePath());
    // ...and gone once the client ended. The client runs in its own directory.
    EXPECT_FALSE(parametros.exists());
    EXPECT_TRUE(arquivosEm(temporario()).isEmpty());
    EXPECT_EQ(relatorio.value(QStringLiteral("diretorio")).toString(), QDir(cliente.diretorio()).absolutePath());
    // The window is pumped at least once more after the client ended.
    EXPECT_GE(bombeamentos, 1);

    const ProtocoloVTX &p = vtx.protocolo();
    EXPECT_EQ(p.operadora, QStringLiteral("345678"));
    EXPECT_EQ(p.tipo_Arquivo, QStringLiteral("DIP"));
    EXPECT_EQ(p.arquivo, QStringLiteral("34567820070115103000.dip"));
    EXPECT_TRUE(p.protocoloTX.startsWith(QStringLiteral("345678")));
    EXPECT_EQ(p.aplicativo, QStringLiteral("KELPA 5.0.2"));
    EXPECT_TRUE(p.informacoesArquivo.contains(crc));
    EXPECT_FALSE(p.dataTransmissao.isEmpty());
    EXPECT_EQ(p.clienteTransmissao, QStringLiteral("vtx-simulado 1.0"));
    EXPECT_EQ(vtx.codigoSaidaVTX(), 9);
}

TEST_F(HandOff, ExitCodesOfTheClientAndTheProtocolOnlyAfterNine)
{
    const struct {
        const char *saida;
        int resultado;
    } casos[] = {{"1", 2}, {"5", 6}, {"7", 1}, {"0", 1}, {"9", 0}};
    for (const auto &c : casos) {
        ambiente.definir("VTX_SIMULADO_SAIDA", QString::fromLatin1(c.saida));
        EXPECT_EQ(transmitir(), c.resultado) << c.saida;
        // The stand-in writes its protocol whatever the code; only 9 makes it read.
        EXPECT_EQ(vtx.protocolo().operadora.isEmpty(), c.resultado != TVTX::Enviado) << c.saida;
        EXPECT_TRUE(arquivosEm(temporario()).isEmpty()) << c.saida;
    }
}

TEST_F(HandOff, NineWithoutProtocolLeavesTheValuesEmpty)
{
    ASSERT_EQ(transmitir(), TVTX::Enviado); // fills the values once
    ambiente.definir("VTX_SIMULADO_SEM_PROTOCOLO", QStringLiteral("1"));
    QDir(cliente.protocolos()).removeRecursively();
    EXPECT_EQ(transmitir(), TVTX::Enviado);
    for (const QString &valor : vtx.protocolo().valores())
        EXPECT_TRUE(valor.isEmpty()) << valor.toStdString();
}

TEST_F(HandOff, AClientThatRefusesTheRecordEndsWithItsOwnCode)
{
    // The stand-in checks the CRC against the file: a wrong one is refused with exit 1.
    crc = QStringLiteral("00000000");
    EXPECT_EQ(transmitir(), 2);
    EXPECT_TRUE(arquivosEm(temporario()).isEmpty());
}

TEST_F(HandOff, WithoutATemporaryDirectoryTheFileGoesBesideTheClient)
{
    vtx.setDiretorioTemporario(dir.filePath(QStringLiteral("nao-existe")));
    ASSERT_EQ(transmitir(), TVTX::Enviado);
    const QFileInfo parametros(cliente.relatorio().value(QStringLiteral("parametros")).toString());
    EXPECT_EQ(parametros.absolutePath(), QDir(cliente.diretorio()).absolutePath());
    EXPECT_FALSE(parametros.exists());
}

TEST_F(HandOff, FailuresWriteNothingAndLeaveNothingBehind)
{
    const QString naoInstalado = QStringLiteral("O VTX não está instalado ou sua instalação foi danificada!");
    const struct {
        const char *caso;
        std::function<void()> preparar;
        std::function<int()> executar;
        QString mensagem;
    } casos[] = {
        {"letter in the code", [] {}, [&] { return transmitir(QStringLiteral("34567A")); },
         QStringLiteral("O código da operadora deve conter 6 algarismos numéricos apenas.")},
        {"bar in the password", [] {}, [&] { return transmitir(QStringLiteral("345678"), QStringLiteral("a|b")); },
         QStringLiteral("A senha não pode conter o caractere \"|\".")},
        {"password outside the code page", [] {}, [&] { return transmitir(QStringLiteral("345678"), QStringLiteral("ł")); },
         QStringLiteral("A senha contém caracteres que não podem ser enviados ao VTX.")},
        {"file to send missing", [&] { QFile::remove(envio); }, [&] { return transmitir(); },
         QStringLiteral("Erro ao abrir arquivo para envio. Código de erro do Windows: 2")},
        {"client not configured",
         [&] {
             ambiente.remover("KELPA_VTX_PATH");
             ambiente.definir("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config-vazia")));
         },
         [&] { return transmitir(); }, naoInstalado},
        {"client missing", [&] { ambiente.definir("KELPA_VTX_PATH", dir.filePath(QStringLiteral("vtx/ausente"))); },
         [&] { return transmitir(); }, naoInstalado},
        {"client not executable",
         [&] {
             const QString texto = dir.filePath(QStringLiteral("vtx/leia-me.txt"));
             gravar(texto, "not a program");
             ambiente.definir("KELPA_VTX_PATH", texto);
         },
         [&] { return transmitir(); },
         QStringLiteral("<VTX> Erro ao executar o VTX. Isto pode indicar que o VTX não está instalado \rou que sua "
                        "instalação foi danificada. Verifique o código de erro do windows: 13")},
    };
    for (const auto &c : casos) {
        gravar(envio, "1345678...\r\n9|TOTAL|2\r\n");
        c.preparar();
        EXPECT_EQ(mensagemDe([&] { c.executar(); }), c.mensagem) << c.caso;
        EXPECT_TRUE(arquivosEm(temporario()).isEmpty()) << c.caso;
        EXPECT_FALSE(cliente.executou()) << c.caso;
        for (const QString &valor : vtx.protocolo().valores())
            EXPECT_TRUE(valor.isEmpty()) << c.caso;
    }
}
