// instala-kelpa: installs KELPA, or updates an installation, from the package lying
// beside this program.

#include "instalador/ui/TInstaladorKelpaFrm.h"
#include "plataforma/CaminhosPrograma.h"

#include <QApplication>
#include <QLocale>
#include <QProxyStyle>

namespace {

// The step hints are long: they show at once and stay while they are read.
class EstiloInstalador : public QProxyStyle
{
public:
    int styleHint(StyleHint dica, const QStyleOption *opcao, const QWidget *widget, QStyleHintReturn *retorno) const override
    {
        if (dica == SH_ToolTip_WakeUpDelay)
            return 100;
        return QProxyStyle::styleHint(dica, opcao, widget, retorno);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    kelpa::CaminhosPrograma::garantirDiretorioExecucao();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Instalador do KELPA"));
    QApplication::setStyle(new EstiloInstalador);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    kelpa::TInstaladorKelpaFrm janela(QCoreApplication::applicationDirPath());
    janela.show();
    return app.exec();
}
