#include "DefinicoesExportacao.h"

#include "TDecryptFile.h"
#include "TExportaArquivo.h"

#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "app/banco/CriacaoBanco.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"
#include "plataforma/ArquivoTemporario.h"

#include <QFile>
#include <QFileInfo>

namespace kelpa::DefinicoesExportacao {

namespace {

void transformar(const QString &origem, const QString &destino, bool cifrando)
{
    TDecryptFile cifra;
    cifra.setArquivoOriginal(origem);
    cifra.setArquivoDestino(destino);
    cifra.setSenha(TExportaArquivo::senhaExptDefs());
    cifra.setExcecaoErro(true);
    cifrando ? cifra.Cifrar() : cifra.Executar();
}

} // namespace

void montarBase(const QString &sql, const QString &destino)
{
    // An empty file (a fresh temporary one) becomes the database as it is.
    if (QFileInfo(destino).size() > 0 && !QFile::remove(destino))
        throw ErroBanco(QStringLiteral("Não foi possível substituir o arquivo %1.").arg(destino));
    auto conexao = ConexaoBanco::abrirCriando(destino);
    const QSqlDatabase db = conexao->db();
    Transacao transacao(db);
    for (const QString &comando : CriacaoBanco::separarComandos(sql))
        executarSql(db, comando);
    transacao.confirmar();
}

void montar(const QString &sql, const QString &cifrado)
{
    const QString diretorio = QFileInfo(cifrado).absolutePath();
    ArquivoTemporario base(diretorio, QStringLiteral("exptdefs-XXXXXX.db"));
    if (!base.criado())
        throw ErroBanco(QStringLiteral("Não foi possível criar um arquivo temporário em %1.").arg(diretorio), base.erro());
    montarBase(sql, base.caminho());
    cifrar(base.caminho(), cifrado);
}

void cifrar(const QString &origem, const QString &destino)
{
    transformar(origem, destino, true);
}

void decifrar(const QString &origem, const QString &destino)
{
    transformar(origem, destino, false);
}

} // namespace kelpa::DefinicoesExportacao
