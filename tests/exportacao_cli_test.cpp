// kelpa-cli export and defs, run as a user would.

#include "exportacao_apoio.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace kelpa::teste::exportacao;

namespace {

struct Resultado {
    int codigo = -1;
    QString saida;
    QString erro;
};

Resultado kelpaCli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(KELPA_CLI), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

class ExportacaoCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        home = dir.path() + QStringLiteral("/home/");
        base = dir.path() + QStringLiteral("/base/");
        QDir().mkpath(home);
        QDir().mkpath(base);
        const Resultado init = kelpaCli({QStringLiteral("--home"), home, QStringLiteral("--dir"), base,
                                         QStringLiteral("init"), QStringLiteral("--demo")});
        ASSERT_EQ(init.codigo, 0) << init.erro.toStdString();
    }

    Resultado exportar(const QString &operadora, const QString &saida)
    {
        return kelpaCli({QStringLiteral("--home"), home, QStringLiteral("export"), QStringLiteral("--dir"), base,
                         QStringLiteral("--operator"), operadora, QStringLiteral("--out"), saida});
    }

    QTemporaryDir dir;
    QString home;
    QString base;
};

TEST_F(ExportacaoCli, ExportaComAsDefinicoesDoDiretorioDoPrograma)
{
    ASSERT_TRUE(QFile::copy(diretorioProgramas() + "Expt_Kelpa.dat", home + "Expt_Kelpa.dat"));
    const QStringList antes = arquivosEm(home);
    const QString saida = dir.path() + QStringLiteral("/345678.dip");
    const Resultado r = exportar(QStringLiteral("345-678"), saida);
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    EXPECT_EQ(arquivosEm(home), antes);
    const QByteArray arquivo = ler(saida);
    // The demo operator: header from its person 0, then its entities.
    EXPECT_TRUE(arquivo.startsWith("134567896943342000114Sa\xFA" "de Exemplo Assist\xEA" "ncia M\xE9" "dica Ltda.\r\n"));
    EXPECT_TRUE(arquivo.contains("\r\n2@OPERADORA (IDENTIFICACAO) "));
    EXPECT_TRUE(arquivo.contains("\r\n2@PESSOAS (SUBSTITUIR) "));
    // The total counts the header, every record and the trailer, whatever the demo holds.
    qint64 registros = 0;
    const QList<QByteArray> linhas = arquivo.split('\n');
    for (const QByteArray &l : linhas)
        registros += l.startsWith('3');
    EXPECT_TRUE(arquivo.endsWith("\r\n9|TOTAL|" + QByteArray::number(registros + 2) + "\r\n"));
    EXPECT_TRUE(r.saida.contains(saida));
}

TEST_F(ExportacaoCli, SemDefinicoesDaAMensagemENaoDeixaNada)
{
    const QString saida = dir.path() + QStringLiteral("/345678.dip");
    const Resultado r = exportar(QStringLiteral("345678"), saida);
    EXPECT_EQ(r.codigo, 3);
    EXPECT_TRUE(r.erro.contains(QStringLiteral("Erro ao acessar arquivo \"Expt_Kelpa.dat\", que faz parte da instalação "
                                               "deste aplicativo.\n")))
        << r.erro.toStdString();
    EXPECT_FALSE(r.erro.contains(u'\r'));
    EXPECT_TRUE(arquivosEm(home).filter(QStringLiteral("Expt_Kelpa")).isEmpty());
    EXPECT_FALSE(QFile::exists(saida));
}

TEST_F(ExportacaoCli, UsoInvalidoSaiComDois)
{
    const QString saida = dir.path() + QStringLiteral("/x.dip");
    const QStringList casos[] = {
        {QStringLiteral("export"), QStringLiteral("--dir"), base, QStringLiteral("--out"), saida},
        {QStringLiteral("export"), QStringLiteral("--dir"), base, QStringLiteral("--operator"), QStringLiteral("345678")},
        {QStringLiteral("export"), QStringLiteral("--dir"), base, QStringLiteral("--operator"), QStringLiteral("34567A"),
         QStringLiteral("--out"), saida},
        {QStringLiteral("export"), QStringLiteral("--dir"), base, QStringLiteral("--operator"), QStringLiteral("412345"),
         QStringLiteral("--out"), saida}, // not registered in this database
        {QStringLiteral("export"), QStringLiteral("--dir"), dir.path() + QStringLiteral("/vazio"),
         QStringLiteral("--operator"), QStringLiteral("345678"), QStringLiteral("--out"), saida},
        {QStringLiteral("export"), QStringLiteral("--dir"), base, QStringLiteral("--operator"), QStringLiteral("345678"),
         QStringLiteral("--out"), dir.path() + QStringLiteral("/nao/existe/x.dip")},
        {QStringLiteral("defs"), QStringLiteral("encipher"), saida},
        {QStringLiteral("defs"), QStringLiteral("embaralha"), saida, saida},
        {QStringLiteral("defs"), QStringLiteral("decipher"), dir.path() + QStringLiteral("/nada"), saida},
    };
    for (const QStringList &args : casos) {
        const Resultado r = kelpaCli(QStringList{QStringLiteral("--home"), home} + args);
        EXPECT_EQ(r.codigo, 2) << args.join(u' ').toStdString() << "\n" << r.erro.toStdString();
        EXPECT_FALSE(r.erro.isEmpty());
        EXPECT_FALSE(QFile::exists(saida));
    }
}

TEST_F(ExportacaoCli, DefsCifraEDecifra)
{
    const QString plano = dir.path() + QStringLiteral("/plano.db");
    const QString cifrado = dir.path() + QStringLiteral("/Expt_Kelpa.dat");
    const QString volta = dir.path() + QStringLiteral("/volta.db");
    ASSERT_EQ(kelpaCli({QStringLiteral("defs"), QStringLiteral("decipher"), diretorioProgramas() + "Expt_Kelpa.dat", plano}).codigo, 0);
    EXPECT_TRUE(ler(plano).startsWith(QByteArray("SQLite format 3", 16)));
    ASSERT_EQ(kelpaCli({QStringLiteral("defs"), QStringLiteral("encipher"), plano, cifrado}).codigo, 0);
    EXPECT_EQ(ler(cifrado).size(), ler(plano).size() + 1);
    ASSERT_EQ(kelpaCli({QStringLiteral("defs"), QStringLiteral("decipher"), cifrado, volta}).codigo, 0);
    EXPECT_EQ(ler(volta), ler(plano));
}

} // namespace
