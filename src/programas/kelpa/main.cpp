// kelpa: the desktop program. Only wiring: every window and rule lives in the libraries.

#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/ui/Avisos.h"
#include "app/ui/TfrmPrincipal.h"
#include "exportacao/ui/TfrmGeraArquivo.h"
#include "plataforma/CaminhosPrograma.h"
#include "plataforma/FormatoBR.h"
#include "quadros/cadastro/ui/RegistroQuadrosCadastro.h"
#include "quadros/demonstracoes/ui/RegistroQuadrosDemonstracoes.h"
#include "quadros/receitas_despesas/ui/RegistroQuadrosReceitasDespesas.h"
#include "quadros/base/ui/ContextoQuadro.h"
#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "transmissao/ui/TfrmAvisoTransmissao.h"
#include "validacao/ui/PassosValidacao.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

using namespace kelpa;

int main(int argc, char *argv[])
{
    CaminhosPrograma::garantirDiretorioExecucao();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KELPA"));
    QApplication::setApplicationDisplayName(QStringLiteral("KELPA"));
    FormatoBR::aplicarAoProcesso();

    QCommandLineParser linha;
    linha.setApplicationDescription(QStringLiteral("KELPA"));
    linha.addHelpOption();
    const QCommandLineOption home(QStringLiteral("home"), QStringLiteral("Diretório do programa (Kelpa.ini)."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption semAbertura(QStringLiteral("sem-abertura"), QStringLiteral("Não mostra a janela de apresentação."));
    linha.addOption(home);
    linha.addOption(semAbertura);
    linha.process(app);
    CaminhosPrograma::definirHome(linha.value(home));

    if (!linha.isSet(semAbertura) && qEnvironmentVariableIsEmpty("KELPA_SEM_ABERTURA")) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        TFrmSplach abertura;
        abertura.exec();
        QApplication::restoreOverrideCursor();
    }

    registrarQuadrosCadastro();
    registrarQuadrosDemonstracoes();
    registrarQuadrosReceitasDespesas();

    EstadoTrabalho estado;
    DtConexao dados(estado);
    TfrmPrincipal principal(estado, dados);
    ContextoQuadro contexto{estado, dados, [&principal](QWidget *sobre, const QString &texto) { principal.ExibeAviso(sobre, texto); }};
    principal.setAbreQuadro([&contexto](int numero, const QString &tipoConta, QWidget *pai) {
        TfrmExibeQuadro host(contexto, numero, tipoConta, pai);
        return host.exec();
    });
    principal.setPasso(TfrmPrincipal::Passo::GerarDisquete, [&](QWidget *pai) {
        TfrmGeraArquivo geracao(dados.db(), estado.codOper(), estado.diretorioBase(), pai);
        geracao.exec();
    });
    principal.setPasso(TfrmPrincipal::Passo::Transmitir, [&](QWidget *pai) {
        TfrmAvisoTransmissao aviso(dados.db(), estado.codOper(), pai);
        aviso.exec();
    });

    principal.setPasso(TfrmPrincipal::Passo::Validacao, [&](QWidget *pai) {
        validacao::ExecutaValidacao(dados.db(), estado.codOper(), estado.operadoraDePlanos(), pai);
    });
    principal.setPasso(TfrmPrincipal::Passo::AvisoPlanoContas, [&](QWidget *pai) {
        validacao::MostraAvisoPlanoContas(dados.db(), estado.codOper(), pai);
    });

    principal.show();
    QTimer::singleShot(0, &principal, [&principal] {
        if (!principal.iniciar())
            QApplication::exit(0);
    });
    return app.exec();
}
