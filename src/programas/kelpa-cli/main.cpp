// kelpa-cli: KELPA's jobs without a window, for automation and tests.

#include "Comandos.h"
#include "ContextoCli.h"

#include "app/Configuracao.h"
#include "app/banco/ErroBanco.h"
#include "plataforma/ArquivoIni.h"
#include "plataforma/CaminhosPrograma.h"
#include "plataforma/FormatoBR.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

using namespace kelpa;
using namespace kelpa::cli;

namespace {

void ajuda(QTextStream &s)
{
    s << "Uso: kelpa-cli [--home DIR] [--dir DIR] COMANDO [opções]\n\n"
         "  --home DIR  diretório do programa (Kelpa.ini, Expt_Kelpa.dat); padrão: KELPA_HOME ou o do executável\n"
         "  --dir DIR   diretório da base de dados Kelpa.db; padrão: DiretorioBase de Kelpa.ini\n\n"
         "Comandos:\n";
    for (const Comando &c : comandos())
        s << "  " << QString::fromLatin1(c.nome).leftJustified(10) << ' ' << c.uso << "\n      " << QString::fromUtf8(c.resumo)
          << '\n';
    s << "\nSaída: 0 sucesso, 1 constatação (ex.: erros de validação), 2 uso ou entrada inválidos, 3 falha interna.\n";
    s.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    // Reports render off-screen; the command line never needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CaminhosPrograma::garantirDiretorioExecucao();
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("kelpa-cli"));
    FormatoBR::aplicarAoProcesso();

    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QGuiApplication::arguments().mid(1);

    QString home;
    QString diretorio;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString opcao = args.takeFirst();
        if (opcao == QLatin1String("--help") || opcao == QLatin1String("-h")) {
            ajuda(out);
            return Sucesso;
        }
        if ((opcao == QLatin1String("--home") || opcao == QLatin1String("--dir")) && !args.isEmpty()) {
            (opcao == QLatin1String("--home") ? home : diretorio) = args.takeFirst();
            continue;
        }
        err << "kelpa-cli: opção inválida ou sem valor: " << opcao << Qt::endl;
        return UsoInvalido;
    }
    if (args.isEmpty()) {
        ajuda(err);
        return UsoInvalido;
    }
    const QString nome = args.takeFirst();
    if (nome == QLatin1String("help")) {
        ajuda(out);
        return Sucesso;
    }

    CaminhosPrograma::definirHome(home);
    if (diretorio.isEmpty()) {
        ArquivoIni ini(CaminhosPrograma::arquivoIni());
        ini.carregar();
        diretorio = ini.valor(Configuracao::nomeSecao(), QStringLiteral("DiretorioBase"));
        if (diretorio.isEmpty())
            diretorio = CaminhosPrograma::home();
    }
    ContextoCli ctx{CaminhosPrograma::home(), Configuracao::NormalizaDiretorio(diretorio), out, err};

    for (const Comando &c : comandos()) {
        if (nome != QLatin1String(c.nome))
            continue;
        try {
            return c.executar(ctx, args);
        } catch (const ErroBanco &e) {
            err << "kelpa-cli " << nome << ": " << e.textoCompleto() << Qt::endl;
            return FalhaInterna;
        } catch (const std::exception &e) {
            err << "kelpa-cli " << nome << ": " << QString::fromLocal8Bit(e.what()) << Qt::endl;
            return FalhaInterna;
        }
    }
    err << "kelpa-cli: comando desconhecido: " << nome << Qt::endl;
    ajuda(err);
    return UsoInvalido;
}
