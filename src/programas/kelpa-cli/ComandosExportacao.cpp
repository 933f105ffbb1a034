#include "Comandos.h"

#include "app/banco/ConexaoBanco.h"
#include "app/banco/ErroBanco.h"
#include "app/Configuracao.h"
#include "exportacao/CabecalhoArquivo.h"
#include "exportacao/DefinicoesExportacao.h"
#include "exportacao/TExportaArquivo.h"
#include "plataforma/CaminhosPrograma.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace kelpa::cli {

namespace {

// The program's messages break lines with a lone CR, made for a message box; a
// terminal would write the next line over the previous one.
QString paraTerminal(QString texto)
{
    return texto.replace(QStringLiteral("\n\r"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

} // namespace

int comandoExport(ContextoCli &ctx, const QStringList &args)
{
    const Opcoes opcoes(args, {QStringLiteral("--dir"), QStringLiteral("--operator"), QStringLiteral("--out")}, {});
    if (!opcoes.ok() || !opcoes.posicionais().isEmpty()) {
        ctx.err << "kelpa-cli export: " << (opcoes.ok() ? QStringLiteral("argumento inesperado") : opcoes.erro()) << Qt::endl;
        return UsoInvalido;
    }
    if (!opcoes.tem(QStringLiteral("--operator")) || !opcoes.tem(QStringLiteral("--out"))) {
        ctx.err << "kelpa-cli export: informe --operator CODIGO e --out ARQUIVO.dip" << Qt::endl;
        return UsoInvalido;
    }
    const QString codigo = CabecalhoArquivo::codigoSemMascara(opcoes.valor(QStringLiteral("--operator")).trimmed());
    static const QRegularExpression seisDigitos(QStringLiteral("^[0-9]{6}$"));
    if (!seisDigitos.match(codigo).hasMatch()) {
        ctx.err << "kelpa-cli export: o código da operadora deve ter 6 algarismos: "
                << opcoes.valor(QStringLiteral("--operator")) << Qt::endl;
        return UsoInvalido;
    }
    const QString diretorio = opcoes.tem(QStringLiteral("--dir"))
                                  ? Configuracao::NormalizaDiretorio(opcoes.valor(QStringLiteral("--dir")))
                                  : ctx.diretorio;
    if (!CaminhosPrograma::existe(diretorio, CaminhosPrograma::nomeBanco())) {
        ctx.err << "kelpa-cli export: não há base de dados em " << diretorio << Qt::endl;
        return UsoInvalido;
    }
    const QString saida = opcoes.valor(QStringLiteral("--out"));
    if (saida.isEmpty() || !QFileInfo(QFileInfo(saida).absolutePath()).isDir()) {
        ctx.err << "kelpa-cli export: o diretório de " << saida << " não existe" << Qt::endl;
        return UsoInvalido;
    }

    auto conexao = ConexaoBanco::abrir(CaminhosPrograma::localizar(diretorio, CaminhosPrograma::nomeBanco()));
    const auto cabecalho = CabecalhoArquivo::texto(conexao->db(), codigo);
    if (!cabecalho) {
        ctx.err << "kelpa-cli export: a operadora " << codigo << " não está cadastrada em " << diretorio << Qt::endl;
        return UsoInvalido;
    }

    TExportaArquivo exportador;
    exportador.setExptdefsPath(ctx.home);
    exportador.setConnection(conexao->db());
    exportador.setHeaderArquivo(*cabecalho);
    exportador.setNomeArquivo(saida);
    try {
        exportador.Exportar({codigo});
    } catch (const ErroBanco &e) {
        ctx.err << "kelpa-cli export: " << paraTerminal(e.textoCompleto()) << Qt::endl;
        return FalhaInterna;
    }
    ctx.out << "Arquivo gerado: " << saida << " (total " << exportador.TotalRegistros() << ")" << Qt::endl;
    return Sucesso;
}

int comandoDefs(ContextoCli &ctx, const QStringList &args)
{
    const Opcoes opcoes(args, {}, {});
    const QStringList pos = opcoes.posicionais();
    if (!opcoes.ok() || pos.size() != 3
        || (pos.at(0) != QLatin1String("encipher") && pos.at(0) != QLatin1String("decipher"))) {
        ctx.err << "kelpa-cli defs: uso: defs encipher|decipher ENTRADA SAIDA" << Qt::endl;
        return UsoInvalido;
    }
    if (!QFileInfo(pos.at(1)).isFile()) {
        ctx.err << "kelpa-cli defs: arquivo não encontrado: " << pos.at(1) << Qt::endl;
        return UsoInvalido;
    }
    try {
        if (pos.at(0) == QLatin1String("encipher"))
            DefinicoesExportacao::cifrar(pos.at(1), pos.at(2));
        else
            DefinicoesExportacao::decifrar(pos.at(1), pos.at(2));
    } catch (const ErroBanco &e) {
        ctx.err << "kelpa-cli defs: " << paraTerminal(e.textoCompleto()) << Qt::endl;
        return FalhaInterna;
    }
    return Sucesso;
}

} // namespace kelpa::cli
