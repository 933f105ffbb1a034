#include <QApplication>
#include <gtest/gtest.h>

#include "apoio/Modal.h"
#include "plataforma/CaminhosPrograma.h"
#include "plataforma/FormatoBR.h"

int main(int argc, char **argv)
{
    // Widget tests need an application object; nothing here may need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Prove the program's formats do not depend on the machine's locale.
    qputenv("LANG", "C");
    kelpa::CaminhosPrograma::garantirDiretorioExecucao();
    QApplication app(argc, argv);
    kelpa::FormatoBR::aplicarAoProcesso();
    ::testing::InitGoogleTest(&argc, argv);
    kelpa::teste::vigiarJanelasEsquecidas();
    return RUN_ALL_TESTS();
}
